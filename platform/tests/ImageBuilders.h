// Small executable images written byte by byte, for the version readers' tests: a PE file with a
// version resource and an ELF file with a ".fileversion" section. Each builder also says where
// its fields are, so that tests can damage one field at a time.
#pragma once

#include <cstdint>
#include <string>

namespace solvanex::testing {

// Offsets of the PE image's fields that the reader follows.
struct PeLayout {
  std::uint64_t peHeaderPointer = 0x3C;  // e_lfanew
  std::uint64_t peSignature = 0;
  std::uint64_t sectionCount = 0;
  std::uint64_t optionalHeaderSize = 0;
  std::uint64_t optionalMagic = 0;
  std::uint64_t directoryCount = 0;
  std::uint64_t resourceRva = 0;
  std::uint64_t sectionVirtualAddress = 0;
  std::uint64_t sectionRawSize = 0;
  std::uint64_t sectionRawPointer = 0;
  std::uint64_t typeEntryId = 0;        // the root entry naming RT_VERSION
  std::uint64_t typeEntryOffset = 0;    // its subdirectory offset
  std::uint64_t languageEntryData = 0;  // the leaf entry's offset to its data entry
  std::uint64_t dataEntryRva = 0;
  std::uint64_t dataEntrySize = 0;
  std::uint64_t versionInfoLength = 0;  // VS_VERSIONINFO.wLength
  std::uint64_t versionValueLength = 0;
  std::uint64_t versionKey = 0;
  std::uint64_t fixedSignature = 0;
  std::uint64_t fixedFileVersionMS = 0;
};

struct PeImage {
  std::string bytes;
  PeLayout layout;
};

// A DLL with one section ".rsrc" that holds a version resource of the given file version.
PeImage BuildPeImage(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS, bool pe32Plus);

struct ElfOptions {
  bool is64 = true;
  bool bigEndian = false;
  std::string sectionName = ".fileversion";
  std::uint32_t sectionType = 1;   // SHT_PROGBITS
  bool extendedNumbering = false;  // section count and name index kept in section 0
};

// An ELF file of three sections: null, the section names, and the version section holding
// fileVersionMS and fileVersionLS as little-endian numbers.
std::string BuildElfImage(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS,
                          const ElfOptions& options);

// Writes value as width bytes at offset, little-endian unless bigEndian.
void Poke(std::string& bytes, std::uint64_t offset, std::uint64_t value, unsigned width,
          bool bigEndian = false);

// Writes bytes into a new file path (replacing it).
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace solvanex::testing
