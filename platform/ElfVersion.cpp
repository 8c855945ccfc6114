// Reads the ".fileversion" section of an ELF image, 32- or 64-bit, of either byte order. The
// section's content is little-endian whatever the image's byte order, as its producer writes it.
#include "platform/ByteReader.h"
#include "platform/FileVersion.h"

namespace solvanex::platform {

namespace {

constexpr std::string_view kElfMagic{
    "\x7F"
    "ELF",
    4};
constexpr std::string_view kSectionName = ".fileversion";
constexpr std::uint32_t kSectionNoBits = 8;              // SHT_NOBITS: no content in the file
constexpr std::uint16_t kSectionIndexExtended = 0xFFFF;  // SHN_XINDEX

struct Layout {
  std::uint64_t headerOffsets[4];  // e_shoff, e_shentsize, e_shnum, e_shstrndx
  std::uint64_t minimumEntrySize;
  std::uint64_t link, offset, size;  // sh_link, sh_offset, sh_size within a section header
};

constexpr Layout kElf32{{0x20, 0x2E, 0x30, 0x32}, 40, 0x18, 0x10, 0x14};
constexpr Layout kElf64{{0x28, 0x3A, 0x3C, 0x3E}, 64, 0x28, 0x18, 0x20};

struct Section {
  std::uint32_t name = 0;
  std::uint32_t type = 0;
  std::uint32_t link = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

class ElfImage {
 public:
  ElfImage(std::string_view image, bool is64, bool bigEndian)
      : reader_(image, bigEndian), layout_(is64 ? kElf64 : kElf32), is64_(is64) {}

  std::optional<FixedFileVersion> Version() {
    const std::optional<std::uint64_t> tableOffset = Address(layout_.headerOffsets[0]);
    const std::optional<std::uint16_t> entrySize = reader_.U16(layout_.headerOffsets[1]);
    const std::optional<std::uint16_t> count = reader_.U16(layout_.headerOffsets[2]);
    const std::optional<std::uint16_t> namesIndex = reader_.U16(layout_.headerOffsets[3]);
    if (!tableOffset || *tableOffset == 0 || !entrySize || *entrySize < layout_.minimumEntrySize ||
        !count || !namesIndex) {
      return std::nullopt;
    }
    table_ = *tableOffset;
    entrySize_ = *entrySize;
    // Beyond 0xFF00 sections, the count and the names' index live in the first section header.
    const std::optional<Section> first = ReadSection(0, true);
    if (!first) return std::nullopt;
    std::uint64_t sectionCount = *count == 0 ? first->size : *count;
    const std::uint64_t names = *namesIndex == kSectionIndexExtended ? first->link : *namesIndex;
    if (sectionCount > reader_.size() / entrySize_ || names >= sectionCount) return std::nullopt;
    sectionCount_ = sectionCount;

    const std::optional<Section> nameTable = ReadSection(names);
    if (!nameTable || !reader_.Contains(nameTable->offset, nameTable->size)) return std::nullopt;
    for (std::uint64_t i = 1; i < sectionCount_; ++i) {
      const std::optional<Section> section = ReadSection(i);
      if (!section || NameOf(*section, *nameTable) != kSectionName) continue;
      if (section->type == kSectionNoBits || section->size < 8) return std::nullopt;
      const ByteReader littleEndian(reader_.Bytes(section->offset, 8).value_or(""));
      const std::optional<std::uint32_t> ms = littleEndian.U32(0);
      const std::optional<std::uint32_t> ls = littleEndian.U32(4);
      if (!ms || !ls) return std::nullopt;
      return FixedFileVersion{*ms, *ls};
    }
    return std::nullopt;
  }

 private:
  std::optional<std::uint64_t> Address(std::uint64_t offset) const {
    if (is64_) return reader_.U64(offset);
    const std::optional<std::uint32_t> value = reader_.U32(offset);
    if (!value) return std::nullopt;
    return *value;
  }

  std::optional<Section> ReadSection(std::uint64_t index, bool ignoreCount = false) const {
    if (!ignoreCount && index >= sectionCount_) return std::nullopt;
    if (table_ > reader_.size() || index > (reader_.size() - table_) / entrySize_) {
      return std::nullopt;
    }
    const std::uint64_t header = table_ + index * entrySize_;
    if (!reader_.Contains(header, layout_.minimumEntrySize)) return std::nullopt;
    return Section{*reader_.U32(header), *reader_.U32(header + 4),
                   *reader_.U32(header + layout_.link), *Address(header + layout_.offset),
                   *Address(header + layout_.size)};
  }

  // The section's name: a null-terminated text inside the name table, else empty.
  std::string_view NameOf(const Section& section, const Section& nameTable) const {
    if (section.name >= nameTable.size) return {};
    const std::string_view names = *reader_.Bytes(nameTable.offset, nameTable.size);
    const std::string_view rest = names.substr(section.name);
    const std::size_t end = rest.find('\0');
    return end == std::string_view::npos ? std::string_view() : rest.substr(0, end);
  }

  ByteReader reader_;
  Layout layout_;
  bool is64_;
  std::uint64_t table_ = 0;
  std::uint64_t entrySize_ = 0;
  std::uint64_t sectionCount_ = 0;
};

}  // namespace

std::optional<FixedFileVersion> ElfFileVersion(std::string_view image) {
  const ByteReader reader(image);
  if (image.substr(0, 4) != kElfMagic) return std::nullopt;
  const std::optional<std::uint8_t> elfClass = reader.U8(4);
  const std::optional<std::uint8_t> byteOrder = reader.U8(5);
  if ((elfClass != 1 && elfClass != 2) || (byteOrder != 1 && byteOrder != 2)) return std::nullopt;
  return ElfImage(image, elfClass == 2, byteOrder == 2).Version();
}

}  // namespace solvanex::platform
