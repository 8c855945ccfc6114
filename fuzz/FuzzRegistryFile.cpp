// libFuzzer target over the registry file reader (REGEDIT4 text beside the program). Whatever it
// accepts, reading it again gives the same values, every value is no longer than the text, and the
// reading is linear in the text's length.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "platform/RegistryFile.h"

namespace {
constexpr std::string_view kKey =
    "HKEY_CLASSES_ROOT\\CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  using solvanex::platform::RegistryFile;
  std::optional<RegistryFile> first;
  {
    const solvanex::fuzzing::LinearTimeBudget budget(size, 20'000);
    first = RegistryFile::Parse(text);
  }
  const std::optional<RegistryFile> second = RegistryFile::Parse(text);
  SOLVANEX_FUZZ_CHECK(first.has_value() == second.has_value());
  if (!first) return 0;
  const RegistryFile::Values* values = first->FindKey(kKey);
  const RegistryFile::Values* again = second->FindKey(kKey);
  SOLVANEX_FUZZ_CHECK((values == nullptr) == (again == nullptr));
  if (values == nullptr) return 0;
  SOLVANEX_FUZZ_CHECK(*values == *again);
  for (const auto& [name, value] : *values) {
    SOLVANEX_FUZZ_CHECK(name.size() + value.size() <= size);
  }
  return 0;
}
