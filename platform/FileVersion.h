// The file version that a module carries (GetFileVersionInfoSizeA, GetFileVersionInfoA and
// VerQueryValueA with the root block "\" on Windows). Elsewhere the version is read by portable
// readers: from the version resource of a PE file (.dll, .ocx, .exe), or from the ELF section
// ".fileversion" of a shared object, which holds FileVersionMS and FileVersionLS as two
// little-endian 32-bit numbers. A file without a version has none: nothing is ever guessed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solvanex::platform {

// The two halves of VS_FIXEDFILEINFO's file version.
struct FixedFileVersion {
  std::uint32_t fileVersionMS = 0;  // major << 16 | minor
  std::uint32_t fileVersionLS = 0;  // release << 16 | build
  bool operator==(const FixedFileVersion&) const = default;
};

// The file version of the file path, or nullopt when it has none or cannot be read.
std::optional<FixedFileVersion> ReadFixedFileVersion(const std::string& path);

// The version in the resources of the PE image; nullopt for anything malformed.
std::optional<FixedFileVersion> PeFileVersion(std::string_view image);

// The version in the ".fileversion" section of the ELF image; nullopt for anything malformed.
std::optional<FixedFileVersion> ElfFileVersion(std::string_view image);

}  // namespace solvanex::platform
