#include "ChmText.h"

#include <QStringDecoder>

#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace solvanex::help {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F, where French needs the typographic
// quotes, the euro sign and the ligatures œ and Œ. Unassigned codes map to themselves.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString FromWindows1252(const QByteArray& bytes) {
  QString text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    text.append(byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80])
                                            : QChar(static_cast<char16_t>(byte)));
  }
  return text;
}

// The character set of the Windows code page of the language lcid (primary language in its low
// ten bits), as Windows' help viewer reads the contents files of a help file in that language.
QByteArray CodePageOfLanguage(std::uint32_t lcid) {
  struct Row {
    std::uint32_t primaryLanguage;
    const char* characterSet;
  };
  static constexpr Row kRows[] = {
      {0x05, "windows-1250"}, {0x0E, "windows-1250"}, {0x15, "windows-1250"},
      {0x18, "windows-1250"}, {0x1A, "windows-1250"}, {0x1B, "windows-1250"},
      {0x24, "windows-1250"}, {0x02, "windows-1251"}, {0x19, "windows-1251"},
      {0x22, "windows-1251"}, {0x23, "windows-1251"}, {0x08, "windows-1253"},
      {0x1F, "windows-1254"}, {0x0D, "windows-1255"}, {0x01, "windows-1256"},
      {0x25, "windows-1257"}, {0x26, "windows-1257"}, {0x27, "windows-1257"},
      {0x2A, "windows-1258"}, {0x1E, "windows-874"},  {0x11, "Shift_JIS"},
      {0x12, "EUC-KR"}};
  const std::uint32_t primary = lcid & 0x3FF;
  if (primary == 0x04) {
    // Chinese: simplified for the People's Republic and Singapore, else traditional.
    const std::uint32_t sub = (lcid >> 10) & 0x3F;
    return sub == 0x02 || sub == 0x04 ? "GBK" : "Big5";
  }
  for (const Row& row : kRows) {
    if (row.primaryLanguage == primary) return row.characterSet;
  }
  return "windows-1252";
}

// bytes in the character set name; nothing when this system does not decode that set. The
// Western sets are read by the table above, everything else by Qt's converters.
std::optional<QString> DecodeInCharacterSet(const QByteArray& bytes, const QByteArray& name) {
  const QByteArray lower = name.toLower();
  if (lower == "windows-1252" || lower == "cp1252" || lower == "iso-8859-1" || lower == "latin1" ||
      lower == "us-ascii") {
    return FromWindows1252(bytes);
  }
  QStringDecoder decoder(name.constData(), QStringDecoder::Flag::Stateless);
  if (!decoder.isValid()) return std::nullopt;
  return QString(decoder.decode(bytes));
}

// The NAME of the first "charset=NAME" in the head of a sitemap, or empty. Only the first
// kilobytes are searched: the declaration belongs in the head.
QByteArray DeclaredCharacterSet(const QByteArray& bytes) {
  constexpr qsizetype kHeadBytes = 4096;
  const QByteArray head = bytes.left(kHeadBytes).toLower();
  const qsizetype at = head.indexOf("charset=");
  if (at < 0) return {};
  qsizetype begin = at + 8;
  while (begin < head.size() && (head[begin] == '"' || head[begin] == '\'')) ++begin;
  qsizetype end = begin;
  while (end < head.size() &&
         (std::isalnum(static_cast<unsigned char>(head[end])) || head[end] == '-' ||
          head[end] == '_' || head[end] == '.' || head[end] == ':')) {
    ++end;
  }
  return head.mid(begin, end - begin);
}

constexpr std::pair<const char*, char16_t> kNamedEntities[] = {
    {"amp", u'&'},    {"lt", u'<'},      {"gt", u'>'},       {"quot", u'"'},   {"apos", u'\''},
    {"nbsp", 0x00A0}, {"laquo", 0x00AB}, {"raquo", 0x00BB},  {"agrave", 0xE0}, {"acirc", 0xE2},
    {"auml", 0xE4},   {"ccedil", 0xE7},  {"egrave", 0xE8},   {"eacute", 0xE9}, {"ecirc", 0xEA},
    {"euml", 0xEB},   {"icirc", 0xEE},   {"iuml", 0xEF},     {"ocirc", 0xF4},  {"ouml", 0xF6},
    {"ugrave", 0xF9}, {"ucirc", 0xFB},   {"uuml", 0xFC},     {"yuml", 0xFF},   {"Agrave", 0xC0},
    {"Acirc", 0xC2},  {"Ccedil", 0xC7},  {"Egrave", 0xC8},   {"Eacute", 0xC9}, {"Ecirc", 0xCA},
    {"Euml", 0xCB},   {"Icirc", 0xCE},   {"Iuml", 0xCF},     {"Ocirc", 0xD4},  {"Ugrave", 0xD9},
    {"Ucirc", 0xDB},  {"oelig", 0x0153}, {"OElig", 0x0152},  {"deg", 0x00B0},  {"micro", 0x00B5},
    {"sup2", 0x00B2}, {"times", 0x00D7}, {"middot", 0x00B7}, {"euro", 0x20AC}};

// The character of a reference body ("eacute", "#233", "#xE9"), or nothing.
std::optional<char32_t> ReferencedCharacter(QStringView body) {
  if (body.startsWith(u'#')) {
    bool ok = false;
    const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
    const uint code = hex ? body.mid(2).toUInt(&ok, 16) : body.mid(1).toUInt(&ok, 10);
    // Surrogates and values beyond Unicode are not characters.
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
    return static_cast<char32_t>(code);
  }
  for (const auto& [name, character] : kNamedEntities) {
    if (body == QLatin1StringView(name)) return character;
  }
  return {};
}

}  // namespace

QString DecodeHelpText(const QByteArray& bytes, std::uint32_t lcid) {
  const qsizetype end = bytes.indexOf('\0');
  const QByteArray text = end < 0 ? bytes : bytes.left(end);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString decoded = utf8.decode(text);
  if (!utf8.hasError()) return decoded;
  return DecodeInCharacterSet(text, CodePageOfLanguage(lcid)).value_or(FromWindows1252(text));
}

QString DecodeSitemapText(const QByteArray& bytes, std::uint32_t lcid) {
  const QByteArray declared = DeclaredCharacterSet(bytes);
  // A file that says UTF-8 but is not is read as DecodeHelpText reads it.
  if (!declared.isEmpty() && declared != "utf-8" && declared != "utf8") {
    if (std::optional<QString> text = DecodeInCharacterSet(bytes, declared)) return *text;
  }
  return DecodeHelpText(bytes, lcid);
}

QString DecodeHtmlEntities(const QString& text) {
  // Longer than any name in the table or any numeric reference of a valid code point.
  constexpr qsizetype kLongestReference = 10;
  QString result;
  result.reserve(text.size());
  qsizetype i = 0;
  while (i < text.size()) {
    if (text[i] == u'&') {
      // Only the few characters a reference can span are searched, so that a text of many '&'
      // is read in linear time.
      const QStringView window = QStringView(text).mid(i + 1, kLongestReference + 1);
      const qsizetype offset = window.indexOf(u';');
      const qsizetype semicolon = offset < 0 ? -1 : i + 1 + offset;
      if (semicolon > i + 1) {
        if (const auto character =
                ReferencedCharacter(QStringView(text).mid(i + 1, semicolon - i - 1))) {
          const char32_t c = *character;
          result.append(QString::fromUcs4(&c, 1));
          i = semicolon + 1;
          continue;
        }
      }
    }
    result.append(text[i]);
    ++i;
  }
  return result;
}

}  // namespace solvanex::help
