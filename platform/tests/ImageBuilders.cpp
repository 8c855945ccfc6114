#include "ImageBuilders.h"

#include <fstream>
#include <stdexcept>

namespace solvanex::testing {

void Poke(std::string& bytes, std::uint64_t offset, std::uint64_t value, unsigned width,
          bool bigEndian) {
  if (bytes.size() < offset + width) bytes.resize(offset + width, '\0');
  for (unsigned i = 0; i < width; ++i) {
    const unsigned shift = 8 * (bigEndian ? width - 1 - i : i);
    bytes[offset + i] = static_cast<char>((value >> shift) & 0xFF);
  }
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

PeImage BuildPeImage(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS, bool pe32Plus) {
  PeImage image;
  std::string& b = image.bytes;
  PeLayout& at = image.layout;
  constexpr std::uint64_t kPe = 0x40;
  constexpr std::uint64_t kResourceFile = 0x200;
  constexpr std::uint64_t kResourceRva = 0x1000;

  Poke(b, 0, 0x5A4D, 2);  // "MZ"
  Poke(b, at.peHeaderPointer, kPe, 4);
  at.peSignature = kPe;
  Poke(b, kPe, 0x00004550, 4);  // "PE\0\0"
  const std::uint64_t coff = kPe + 4;
  Poke(b, coff, pe32Plus ? 0x8664 : 0x14C, 2);
  at.sectionCount = coff + 2;
  Poke(b, at.sectionCount, 1, 2);
  const std::uint64_t optionalSize = pe32Plus ? 112 + 16 * 8 : 96 + 16 * 8;
  at.optionalHeaderSize = coff + 16;
  Poke(b, at.optionalHeaderSize, optionalSize, 2);
  Poke(b, coff + 18, 0x2102, 2);  // executable, 32-bit, DLL

  const std::uint64_t optional = coff + 20;
  at.optionalMagic = optional;
  Poke(b, optional, pe32Plus ? 0x20B : 0x10B, 2);
  at.directoryCount = optional + (pe32Plus ? 108 : 92);
  Poke(b, at.directoryCount, 16, 4);
  const std::uint64_t directories = optional + (pe32Plus ? 112 : 96);
  at.resourceRva = directories + 2 * 8;

  const std::uint64_t section = optional + optionalSize;
  Poke(b, section, 0x637273722E, 8);  // ".rsrc"
  at.sectionVirtualAddress = section + 12;
  at.sectionRawSize = section + 16;
  at.sectionRawPointer = section + 20;

  // The resource tree: root -> RT_VERSION -> name 1 -> language 0x040C -> data entry.
  const std::uint64_t r = kResourceFile;
  Poke(b, r + 14, 1, 2);  // one id entry
  at.typeEntryId = r + 16;
  Poke(b, at.typeEntryId, 16, 4);
  at.typeEntryOffset = r + 20;
  Poke(b, at.typeEntryOffset, 0x80000000 | 0x18, 4);
  Poke(b, r + 0x18 + 14, 1, 2);
  Poke(b, r + 0x18 + 16, 1, 4);
  Poke(b, r + 0x18 + 20, 0x80000000 | 0x30, 4);
  Poke(b, r + 0x30 + 14, 1, 2);
  Poke(b, r + 0x30 + 16, 0x040C, 4);
  at.languageEntryData = r + 0x30 + 20;
  Poke(b, at.languageEntryData, 0x48, 4);

  const std::uint64_t info = 0x58;
  const std::uint64_t infoSize = 40 + 52;
  at.dataEntryRva = r + 0x48;
  at.dataEntrySize = r + 0x48 + 4;
  Poke(b, at.dataEntryRva, kResourceRva + info, 4);
  Poke(b, at.dataEntrySize, infoSize, 4);

  at.versionInfoLength = r + info;
  at.versionValueLength = r + info + 2;
  Poke(b, at.versionInfoLength, infoSize, 2);
  Poke(b, at.versionValueLength, 52, 2);
  at.versionKey = r + info + 6;
  const std::string key = "VS_VERSION_INFO";
  for (std::size_t i = 0; i <= key.size(); ++i) {
    Poke(b, at.versionKey + 2 * i, i < key.size() ? key[i] : 0, 2);
  }
  const std::uint64_t fixed = r + info + 40;
  at.fixedSignature = fixed;
  at.fixedFileVersionMS = fixed + 8;
  Poke(b, fixed, 0xFEEF04BD, 4);
  Poke(b, fixed + 4, 0x00010000, 4);
  Poke(b, fixed + 8, fileVersionMS, 4);
  Poke(b, fixed + 12, fileVersionLS, 4);
  Poke(b, fixed + 16, fileVersionMS, 4);  // product version
  Poke(b, fixed + 20, fileVersionLS, 4);
  Poke(b, fixed + 32, 0x00040004, 4);  // VOS_NT_WINDOWS32
  Poke(b, fixed + 36, 2, 4);           // VFT_DLL
  Poke(b, fixed + 51, 0, 1);

  const std::uint64_t resourceSize = b.size() - kResourceFile;
  Poke(b, at.resourceRva, kResourceRva, 4);
  Poke(b, at.resourceRva + 4, resourceSize, 4);
  Poke(b, section + 8, resourceSize, 4);
  Poke(b, at.sectionVirtualAddress, kResourceRva, 4);
  Poke(b, at.sectionRawSize, resourceSize, 4);
  Poke(b, at.sectionRawPointer, kResourceFile, 4);
  Poke(b, section + 36, 0x40000040, 4);  // initialised data, readable
  return image;
}

std::string BuildElfImage(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS,
                          const ElfOptions& options) {
  const bool be = options.bigEndian;
  const bool is64 = options.is64;
  const std::uint64_t headerSize = is64 ? 64 : 52;
  const std::uint64_t entrySize = is64 ? 64 : 40;
  const unsigned address = is64 ? 8 : 4;

  std::string b =
      "\x7F"
      "ELF";
  Poke(b, 4, is64 ? 2 : 1, 1);
  Poke(b, 5, be ? 2 : 1, 1);
  Poke(b, 6, 1, 1);                            // EV_CURRENT
  Poke(b, 16, 3, 2, be);                       // ET_DYN
  Poke(b, 18, is64 ? 62 : 3, 2, be);           // x86-64 or i386
  Poke(b, 20, 1, 4, be);                       // e_version
  Poke(b, is64 ? 52 : 40, headerSize, 2, be);  // e_ehsize

  const std::uint64_t namesOffset = headerSize;
  b.resize(headerSize, '\0');
  b.append(std::string("\0.shstrtab\0", 11) + options.sectionName + std::string(1, '\0'));
  const std::uint64_t versionOffset = b.size();
  Poke(b, versionOffset, fileVersionMS, 4);  // little-endian whatever the image's order
  Poke(b, versionOffset + 4, fileVersionLS, 4);
  const std::uint64_t table = (b.size() + 7) / 8 * 8;
  b.resize(table + 3 * entrySize, '\0');

  const auto section = [&](unsigned index, std::uint32_t name, std::uint32_t type,
                           std::uint64_t offset, std::uint64_t size, std::uint32_t link) {
    const std::uint64_t h = table + index * entrySize;
    Poke(b, h, name, 4, be);
    Poke(b, h + 4, type, 4, be);
    Poke(b, h + (is64 ? 0x18 : 0x10), offset, address, be);
    Poke(b, h + (is64 ? 0x20 : 0x14), size, address, be);
    Poke(b, h + (is64 ? 0x28 : 0x18), link, 4, be);
  };
  const std::uint64_t namesSize = 11 + options.sectionName.size() + 1;
  section(0, 0, 0, 0, options.extendedNumbering ? 3 : 0, options.extendedNumbering ? 1 : 0);
  section(1, 1, 3, namesOffset, namesSize, 0);  // SHT_STRTAB
  section(2, 11, options.sectionType, versionOffset, 8, 0);

  Poke(b, is64 ? 0x28 : 0x20, table, address, be);                             // e_shoff
  Poke(b, is64 ? 0x3A : 0x2E, entrySize, 2, be);                               // e_shentsize
  Poke(b, is64 ? 0x3C : 0x30, options.extendedNumbering ? 0 : 3, 2, be);       // e_shnum
  Poke(b, is64 ? 0x3E : 0x32, options.extendedNumbering ? 0xFFFF : 1, 2, be);  // e_shstrndx
  return b;
}

}  // namespace solvanex::testing
