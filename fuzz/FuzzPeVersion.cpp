// libFuzzer target over the PE version reader (the version resource of a .dll or .ocx). The
// same image gives the same version twice, and reading is linear in the image's size.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "platform/FileVersion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view image(reinterpret_cast<const char*>(data), size);
  std::optional<solvanex::platform::FixedFileVersion> first;
  {
    const solvanex::fuzzing::LinearTimeBudget budget(size, 20'000);
    first = solvanex::platform::PeFileVersion(image);
  }
  SOLVANEX_FUZZ_CHECK(first == solvanex::platform::PeFileVersion(image));
  return 0;
}
