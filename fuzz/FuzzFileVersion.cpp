// libFuzzer target over a module version reader, built once per reader:
// SOLVANEX_FUZZ_VERSION_READER names it (PeFileVersion: the version resource of a .dll or .ocx;
// ElfFileVersion: the ".fileversion" section of a shared object). The same image gives the same
// version twice, and reading is linear in the image's size.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "platform/FileVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using solvanex::platform::SOLVANEX_FUZZ_VERSION_READER;
  const std::string_view image(reinterpret_cast<const char*>(data), size);
  std::optional<solvanex::platform::FixedFileVersion> first;
  {
    const solvanex::fuzzing::LinearTimeBudget budget(size, 20'000);
    first = SOLVANEX_FUZZ_VERSION_READER(image);
  }
  SOLVANEX_FUZZ_CHECK(first == SOLVANEX_FUZZ_VERSION_READER(image));
  return 0;
}
