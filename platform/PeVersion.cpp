// Reads VS_FIXEDFILEINFO from a PE image: DOS header -> PE header -> section table -> resource
// directory -> RT_VERSION -> VS_VERSIONINFO. Addresses inside the image are relative virtual
// addresses (RVA); each is turned into a file offset through the section table and checked
// against the image before anything is read.
#include <algorithm>

#include "platform/ByteReader.h"
#include "platform/FileVersion.h"

namespace solvanex::platform {

namespace {

constexpr std::uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;  // IMAGE_DIRECTORY_ENTRY_RESOURCE
constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kHighBit = 0x80000000;
constexpr std::uint32_t kFixedFileInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kFixedFileInfoSize = 52;
constexpr std::uint64_t kSectionHeaderSize = 40;
constexpr std::uint64_t kResourceDirectorySize = 16;
constexpr std::uint64_t kResourceEntrySize = 8;
// "VS_VERSION_INFO" with its terminating null, in UTF-16LE.
constexpr std::string_view kVersionInfoKey{"V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0\0\0", 32};
// 6 bytes of lengths and type, then the key, then padding to a 32-bit boundary.
constexpr std::uint64_t kVersionInfoValueOffset = 40;

class PeImage {
 public:
  explicit PeImage(std::string_view image) : reader_(image) {}

  bool ReadHeaders() {
    if (reader_.U16(0) != kDosSignature) return false;
    const std::optional<std::uint32_t> peOffset = reader_.U32(0x3C);
    if (!peOffset || reader_.U32(*peOffset) != kPeSignature) return false;
    const std::uint64_t coff = std::uint64_t{*peOffset} + 4;
    const std::optional<std::uint16_t> sectionCount = reader_.U16(coff + 2);
    const std::optional<std::uint16_t> optionalSize = reader_.U16(coff + 16);
    if (!sectionCount || !optionalSize) return false;
    const std::uint64_t optional = coff + 20;

    std::uint64_t countOffset = 0;
    std::uint64_t directoriesOffset = 0;
    const std::optional<std::uint16_t> magic = reader_.U16(optional);
    if (magic == kPe32Magic) {
      countOffset = 92;
      directoriesOffset = 96;
    } else if (magic == kPe32PlusMagic) {
      countOffset = 108;
      directoriesOffset = 112;
    } else {
      return false;
    }
    const std::uint64_t resourceEntry = directoriesOffset + kResourceDirectoryIndex * 8;
    const std::optional<std::uint32_t> directoryCount = reader_.U32(optional + countOffset);
    if (!directoryCount || *directoryCount <= kResourceDirectoryIndex ||
        resourceEntry + 8 > *optionalSize) {
      return false;
    }
    const std::optional<std::uint32_t> resourceRva = reader_.U32(optional + resourceEntry);
    if (!resourceRva || *resourceRva == 0) return false;
    resourceRva_ = *resourceRva;

    sectionTable_ = optional + *optionalSize;
    sectionCount_ = *sectionCount;
    return reader_.Contains(sectionTable_, sectionCount_ * kSectionHeaderSize);
  }

  // The file offset of length bytes at rva, when one section holds all of them in the file.
  std::optional<std::uint64_t> FileOffset(std::uint64_t rva, std::uint64_t length) const {
    for (std::uint64_t i = 0; i < sectionCount_; ++i) {
      const std::uint64_t header = sectionTable_ + i * kSectionHeaderSize;
      const std::uint32_t virtualSize = reader_.U32(header + 8).value_or(0);
      const std::uint32_t virtualAddress = reader_.U32(header + 12).value_or(0);
      const std::uint32_t rawSize = reader_.U32(header + 16).value_or(0);
      const std::uint32_t rawOffset = reader_.U32(header + 20).value_or(0);
      // Bytes past the virtual size are padding that the loader does not map.
      const std::uint64_t mapped =
          virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
      if (rva < virtualAddress || rva - virtualAddress > mapped ||
          length > mapped - (rva - virtualAddress)) {
        continue;
      }
      const std::uint64_t offset = rawOffset + (rva - virtualAddress);
      if (reader_.Contains(offset, length)) return offset;
    }
    return std::nullopt;
  }

  // The OffsetToData of an entry of the resource directory at directoryOffset (relative to the
  // resource section): the entry with the numeric id, or the first entry when id is absent.
  std::optional<std::uint32_t> ResourceEntry(std::uint32_t directoryOffset,
                                             std::optional<std::uint32_t> id) const {
    const std::uint64_t directoryRva = std::uint64_t{resourceRva_} + directoryOffset;
    const std::optional<std::uint64_t> directory = FileOffset(directoryRva, kResourceDirectorySize);
    if (!directory) return std::nullopt;
    const std::uint64_t count = std::uint64_t{reader_.U16(*directory + 12).value_or(0)} +
                                reader_.U16(*directory + 14).value_or(0);
    const std::optional<std::uint64_t> entries =
        FileOffset(directoryRva + kResourceDirectorySize, count * kResourceEntrySize);
    if (!entries) return std::nullopt;
    for (std::uint64_t i = 0; i < count; ++i) {
      const std::uint32_t name = *reader_.U32(*entries + i * kResourceEntrySize);
      const std::uint32_t data = *reader_.U32(*entries + i * kResourceEntrySize + 4);
      if (!id || ((name & kHighBit) == 0 && name == *id)) return data;
    }
    return std::nullopt;
  }

  std::optional<FixedFileVersion> Version() const {
    // Type RT_VERSION, then the first name, then the first language: each level but the last
    // must be a subdirectory, the last a data entry.
    const std::optional<std::uint32_t> type = ResourceEntry(0, kRtVersion);
    if (!type || (*type & kHighBit) == 0) return std::nullopt;
    const std::optional<std::uint32_t> name = ResourceEntry(*type & ~kHighBit, std::nullopt);
    if (!name || (*name & kHighBit) == 0) return std::nullopt;
    const std::optional<std::uint32_t> language = ResourceEntry(*name & ~kHighBit, std::nullopt);
    if (!language || (*language & kHighBit) != 0) return std::nullopt;

    const std::optional<std::uint64_t> dataEntry =
        FileOffset(std::uint64_t{resourceRva_} + *language, 16);
    if (!dataEntry) return std::nullopt;
    const std::uint32_t dataRva = *reader_.U32(*dataEntry);
    const std::uint32_t dataSize = *reader_.U32(*dataEntry + 4);
    const std::optional<std::uint64_t> info = FileOffset(dataRva, dataSize);
    if (!info) return std::nullopt;
    return VersionInfo(*info, dataSize);
  }

 private:
  std::optional<FixedFileVersion> VersionInfo(std::uint64_t info, std::uint64_t size) const {
    const std::uint64_t length = std::min<std::uint64_t>(reader_.U16(info).value_or(0), size);
    const std::uint16_t valueLength = reader_.U16(info + 2).value_or(0);
    if (reader_.Bytes(info + 6, kVersionInfoKey.size()) != kVersionInfoKey ||
        valueLength < kFixedFileInfoSize || length < kVersionInfoValueOffset + kFixedFileInfoSize) {
      return std::nullopt;
    }
    const std::uint64_t fixed = info + kVersionInfoValueOffset;
    if (reader_.U32(fixed) != kFixedFileInfoSignature) return std::nullopt;
    return FixedFileVersion{*reader_.U32(fixed + 8), *reader_.U32(fixed + 12)};
  }

  ByteReader reader_;
  std::uint32_t resourceRva_ = 0;
  std::uint64_t sectionTable_ = 0;
  std::uint64_t sectionCount_ = 0;
};

}  // namespace

std::optional<FixedFileVersion> PeFileVersion(std::string_view image) {
  PeImage pe(image);
  if (!pe.ReadHeaders()) return std::nullopt;
  return pe.Version();
}

}  // namespace solvanex::platform
