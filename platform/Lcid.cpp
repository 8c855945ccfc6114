#include "platform/Lcid.h"

#include <array>
#include <string>

namespace solvanex::platform {

namespace {

struct LocaleRow {
  std::string_view language;   // ISO 639 code, lower case
  std::string_view territory;  // ISO 3166 code, upper case
  std::uint32_t lcid;
};

// The French-speaking locales first: they are this program's users.
constexpr std::array kLocales = {
    LocaleRow{"fr", "FR", 0x040C}, LocaleRow{"fr", "BE", 0x080C}, LocaleRow{"fr", "CA", 0x0C0C},
    LocaleRow{"fr", "CH", 0x100C}, LocaleRow{"fr", "LU", 0x140C}, LocaleRow{"fr", "MC", 0x180C},
    LocaleRow{"en", "US", 0x0409}, LocaleRow{"en", "GB", 0x0809}, LocaleRow{"en", "AU", 0x0C09},
    LocaleRow{"en", "CA", 0x1009}, LocaleRow{"en", "NZ", 0x1409}, LocaleRow{"en", "IE", 0x1809},
    LocaleRow{"en", "ZA", 0x1C09}, LocaleRow{"en", "IN", 0x4009}, LocaleRow{"de", "DE", 0x0407},
    LocaleRow{"de", "CH", 0x0807}, LocaleRow{"de", "AT", 0x0C07}, LocaleRow{"de", "LU", 0x1007},
    LocaleRow{"de", "LI", 0x1407}, LocaleRow{"es", "ES", 0x0C0A}, LocaleRow{"es", "MX", 0x080A},
    LocaleRow{"es", "CO", 0x240A}, LocaleRow{"es", "AR", 0x2C0A}, LocaleRow{"es", "CL", 0x340A},
    LocaleRow{"es", "US", 0x540A}, LocaleRow{"it", "IT", 0x0410}, LocaleRow{"it", "CH", 0x0810},
    LocaleRow{"nl", "NL", 0x0413}, LocaleRow{"nl", "BE", 0x0813}, LocaleRow{"pt", "PT", 0x0816},
    LocaleRow{"pt", "BR", 0x0416}, LocaleRow{"ca", "ES", 0x0403}, LocaleRow{"eu", "ES", 0x042D},
    LocaleRow{"gl", "ES", 0x0456}, LocaleRow{"da", "DK", 0x0406}, LocaleRow{"sv", "SE", 0x041D},
    LocaleRow{"sv", "FI", 0x081D}, LocaleRow{"nb", "NO", 0x0414}, LocaleRow{"nn", "NO", 0x0814},
    LocaleRow{"fi", "FI", 0x040B}, LocaleRow{"is", "IS", 0x040F}, LocaleRow{"pl", "PL", 0x0415},
    LocaleRow{"cs", "CZ", 0x0405}, LocaleRow{"sk", "SK", 0x041B}, LocaleRow{"hu", "HU", 0x040E},
    LocaleRow{"ro", "RO", 0x0418}, LocaleRow{"bg", "BG", 0x0402}, LocaleRow{"hr", "HR", 0x041A},
    LocaleRow{"sl", "SI", 0x0424}, LocaleRow{"el", "GR", 0x0408}, LocaleRow{"tr", "TR", 0x041F},
    LocaleRow{"ru", "RU", 0x0419}, LocaleRow{"uk", "UA", 0x0422}, LocaleRow{"ar", "SA", 0x0401},
    LocaleRow{"ar", "DZ", 0x1401}, LocaleRow{"ar", "MA", 0x1801}, LocaleRow{"ar", "TN", 0x1C01},
    LocaleRow{"he", "IL", 0x040D}, LocaleRow{"ja", "JP", 0x0411}, LocaleRow{"ko", "KR", 0x0412},
    LocaleRow{"zh", "CN", 0x0804}, LocaleRow{"zh", "TW", 0x0404}, LocaleRow{"vi", "VN", 0x042A},
};

// SUBLANG_DEFAULT.
constexpr std::uint32_t kDefaultSubLanguage = 1;

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

std::uint32_t LcidFromLocaleName(std::string_view name) {
  name = name.substr(0, name.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return kLcidInvariant;
  const std::size_t separator = name.find_first_of("_-");
  const std::string language = Lower(name.substr(0, separator));
  const std::string territory =
      separator == std::string_view::npos ? std::string() : Upper(name.substr(separator + 1));
  const LocaleRow* languageRow = nullptr;
  for (const LocaleRow& row : kLocales) {
    if (row.language != language) continue;
    if (row.territory == territory) return row.lcid;
    if (languageRow == nullptr) languageRow = &row;
  }
  if (languageRow == nullptr) return kLcidCustomUnspecified;
  return (kDefaultSubLanguage << 10) | PrimaryLanguageId(languageRow->lcid);
}

}  // namespace solvanex::platform
