// The module's version where the program's help diagnostics read it: the ELF section
// ".fileversion", holding FileVersionMS = (major << 16) | minor and
// FileVersionLS = (release << 16) | build as two little-endian 32-bit numbers, the layout of
// the fixed file version of a Windows version resource.
#include <solvanex/Version.h>

#include <bit>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "the .fileversion section holds little-endian numbers");

extern "C" __attribute__((section(".fileversion"), used))
const std::uint32_t solvanex_hhctrl_file_version[2] = {
    (static_cast<std::uint32_t>(solvanex::kVersionMajor) << 16) |
        static_cast<std::uint32_t>(solvanex::kVersionMinor),
    (static_cast<std::uint32_t>(solvanex::kVersionPatch) << 16) |
        static_cast<std::uint32_t>(solvanex::kVersionTweak)};
