#include "ChmCheck.h"

#include <QByteArrayView>

#include <algorithm>
#include <optional>
#include <vector>

namespace solvanex::help {

namespace {

constexpr QByteArrayView kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";
constexpr QByteArrayView kControlData = "::DataSpace/Storage/MSCompressed/ControlData";

// Little-endian number of width bytes at offset at, or nothing past the end.
std::optional<quint64> Number(const QByteArray& bytes, quint64 at, int width) {
  if (at > static_cast<quint64>(bytes.size()) ||
      static_cast<quint64>(bytes.size()) - at < static_cast<quint64>(width)) {
    return std::nullopt;
  }
  quint64 value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<qsizetype>(at) + i]);
  }
  return value;
}

// A directory entry's number: seven bits a byte, most significant first, the top bit set on
// every byte but the last. Advances at; nothing when it runs past end or beyond 64 bits.
std::optional<quint64> EncodedInteger(const QByteArray& bytes, qsizetype& at, qsizetype end) {
  quint64 value = 0;
  for (int count = 0; at < end && count < 9; ++count) {
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    value = (value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) return value;
  }
  return std::nullopt;
}

struct Entry {
  quint64 section = 0;
  quint64 offset = 0;
  quint64 length = 0;
};

constexpr quint64 kDirectoryOffsetAt = 0x48;  // in "ITSF"
constexpr quint64 kContentOffsetAt = 0x58;    // in "ITSF" version 3

}  // namespace

std::optional<quint64> ContentOffset(const QByteArray& file) {
  if (!file.startsWith("ITSF")) return std::nullopt;
  const std::optional<quint64> version = Number(file, 4, 4);
  const std::optional<quint64> directory = Number(file, kDirectoryOffsetAt, 8);
  const std::optional<quint64> directoryLength = Number(file, kDirectoryOffsetAt + 8, 8);
  if (!version || !directory || !directoryLength) return std::nullopt;
  if (*version >= 3) return Number(file, kContentOffsetAt, 8);
  if (*directoryLength > ~quint64{0} - *directory) return std::nullopt;
  return *directory + *directoryLength;
}

std::optional<quint64> SoundCompressedSpan(const QByteArray& file, quint64 resetTable) {
  const std::optional<quint64> content = ContentOffset(file);
  if (!content || resetTable > ~quint64{0} - *content) return std::nullopt;
  const quint64 table = *content + resetTable;
  if (table > static_cast<quint64>(file.size())) return std::nullopt;
  const std::optional<quint64> blockCount = Number(file, table + 0x04, 4);
  const std::optional<quint64> entriesAt = Number(file, table + 0x0C, 4);
  const std::optional<quint64> compressedLength = Number(file, table + 0x18, 8);
  const std::optional<quint64> blockLength = Number(file, table + 0x20, 8);
  if (!blockCount || !entriesAt || !compressedLength || blockLength != kLzxFrame) {
    return std::nullopt;
  }
  // chmlib takes block b's compressed bytes from its entry up to the next entry, the last block's
  // up to the compressed length, and reads them into a buffer of one frame and kLzxSlack bytes.
  // Entries lie in the file, so a count beyond what the file can hold is refused before the walk.
  const quint64 last = static_cast<quint32>(*blockCount - 1);  // chmlib's 32-bit arithmetic
  if (*blockCount > static_cast<quint64>(file.size()) / 8) return std::nullopt;
  for (quint64 block = 0; block < *blockCount; ++block) {
    const std::optional<quint64> start = Number(file, table + *entriesAt + block * 8, 8);
    const std::optional<quint64> end =
        block < last ? Number(file, table + *entriesAt + block * 8 + 8, 8) : compressedLength;
    if (!start || !end || *end < *start || *end - *start > kLzxFrame + kLzxSlack) {
      return std::nullopt;
    }
  }
  return *blockCount * kLzxFrame;
}

bool HasSoundChmHeaders(const QByteArray& file) {
  if (!file.startsWith("ITSF")) return false;
  const std::optional<quint64> version = Number(file, 4, 4);
  const std::optional<quint64> directory = Number(file, kDirectoryOffsetAt, 8);
  const std::optional<quint64> directoryLength = Number(file, kDirectoryOffsetAt + 8, 8);
  if (!version || !directory || !directoryLength) return false;
  if (Number(file, *directory, 4) != Number(QByteArray("ITSP"), 0, 4)) return false;
  const std::optional<quint64> headerLength = Number(file, *directory + 8, 4);
  const std::optional<quint64> chunk = Number(file, *directory + 0x10, 4);
  if (!headerLength || !chunk || *chunk == 0 || *chunk > kMaxDirectoryChunk) return false;
  // The content follows the directory, unless a version 3 header says where it is.
  std::optional<quint64> content = *directory + *directoryLength;
  if (*version >= 3) content = Number(file, kContentOffsetAt, 8);
  if (!content) return false;

  // Every listing chunk ("PMGL") of the directory, for the two entries chmlib reads at opening.
  // chmlib finds names without regard to letter case, and any of several alike may be the one.
  std::vector<Entry> resetTables;
  std::vector<Entry> controlDatas;
  const quint64 chunks =
      (*directoryLength > *headerLength ? *directoryLength - *headerLength : 0) / *chunk;
  for (quint64 index = 0; index < chunks; ++index) {
    const quint64 start = *directory + *headerLength + index * *chunk;
    if (start > static_cast<quint64>(file.size()) ||
        static_cast<quint64>(file.size()) - start < *chunk) {
      break;
    }
    if (Number(file, start, 4) != Number(QByteArray("PMGL"), 0, 4)) continue;
    const quint64 freeSpace = *Number(file, start + 4, 4);
    if (*chunk < 0x14 || freeSpace > *chunk - 0x14) continue;
    auto at = static_cast<qsizetype>(start + 0x14);
    const auto end = static_cast<qsizetype>(start + *chunk - freeSpace);
    while (at < end) {
      const std::optional<quint64> nameLength = EncodedInteger(file, at, end);
      if (!nameLength || *nameLength > static_cast<quint64>(end - at)) break;
      const QByteArrayView name(file.constData() + at, static_cast<qsizetype>(*nameLength));
      at += static_cast<qsizetype>(*nameLength);
      Entry entry;
      const std::optional<quint64> section = EncodedInteger(file, at, end);
      const std::optional<quint64> offset = EncodedInteger(file, at, end);
      const std::optional<quint64> length = EncodedInteger(file, at, end);
      if (!section || !offset || !length) break;
      entry = {*section, *offset, *length};
      if (name.compare(kResetTable, Qt::CaseInsensitive) == 0) resetTables.push_back(entry);
      if (name.compare(kControlData, Qt::CaseInsensitive) == 0) controlDatas.push_back(entry);
    }
  }

  // chmlib lists the files by following each listing chunk's link to the next one, from the
  // first: a chain that loops or leaves the directory would keep it going for ever.
  const std::optional<quint64> firstListing = Number(file, *directory + 0x20, 4);
  if (!firstListing) return false;
  const quint64 chunksInFile =
      std::min<quint64>(chunks, static_cast<quint64>(file.size()) / *chunk);
  std::vector<bool> visited(static_cast<std::size_t>(chunksInFile), false);
  constexpr quint64 kNone = 0xFFFFFFFF;
  for (quint64 listing = *firstListing; listing != kNone;) {
    if (listing >= chunksInFile || visited[static_cast<std::size_t>(listing)]) return false;
    visited[static_cast<std::size_t>(listing)] = true;
    const quint64 start = *directory + *headerLength + listing * *chunk;
    if (Number(file, start, 4) != Number(QByteArray("PMGL"), 0, 4)) return false;
    const std::optional<quint64> next = Number(file, start + 0x10, 4);
    if (!next) return false;
    listing = *next;
  }

  // Readers of the directory differ on damaged chunks; so every place in the directory where one
  // of the two names stands as an entry (its length just before it) counts as well.
  const quint64 directoryEnd =
      std::min<quint64>(static_cast<quint64>(file.size()), *directory + *directoryLength);
  if (*directory < directoryEnd) {
    const QByteArray lowered = file.mid(static_cast<qsizetype>(*directory),
                                        static_cast<qsizetype>(directoryEnd - *directory))
                                   .toLower();
    const auto scan = [&](QByteArrayView name, std::vector<Entry>& entries) {
      const QByteArray wanted = name.toByteArray().toLower();
      for (qsizetype found = lowered.indexOf(wanted); found >= 0;
           found = lowered.indexOf(wanted, found + 1)) {
        // The length and the numbers are read from the file itself, not from the lowered copy.
        const auto base = static_cast<qsizetype>(*directory);
        if (found == 0 || static_cast<unsigned char>(file[base + found - 1]) != wanted.size()) {
          continue;
        }
        qsizetype at = base + found + wanted.size();
        const auto end = static_cast<qsizetype>(directoryEnd);
        const std::optional<quint64> section = EncodedInteger(file, at, end);
        const std::optional<quint64> offset = EncodedInteger(file, at, end);
        const std::optional<quint64> length = EncodedInteger(file, at, end);
        if (section && offset && length) entries.push_back({*section, *offset, *length});
      }
    };
    scan(kResetTable, resetTables);
    scan(kControlData, controlDatas);
  }

  // Both live uncompressed, in section 0 of the content. A file without them holds nothing
  // compressed, and chmlib divides by none of their numbers.
  const auto field = [&](const Entry& entry, quint64 at, int width) {
    return entry.section == 0 && entry.length >= at + width
               ? Number(file, *content + entry.offset + at, width)
               : std::nullopt;
  };
  // LZX works in frames of 32 KiB, and its window is a power of two from 32 KiB to 2 MiB,
  // counted in frames by version 2 of the control data.
  constexpr quint64 kFrame = kLzxFrame;
  for (const Entry& resetTable : resetTables) {
    if (field(resetTable, 0x20, 8) != kFrame) return false;
  }
  for (const Entry& controlData : controlDatas) {
    const std::optional<quint64> signature = field(controlData, 0x04, 4);
    const std::optional<quint64> controlVersion = field(controlData, 0x08, 4);
    const std::optional<quint64> resetInterval = field(controlData, 0x0C, 4);
    const std::optional<quint64> windowSize = field(controlData, 0x10, 4);
    const std::optional<quint64> windowsPerReset = field(controlData, 0x14, 4);
    if (signature != Number(QByteArray("LZXC"), 0, 4) || !controlVersion || !resetInterval ||
        !windowSize || !windowsPerReset) {
      return false;
    }
    const quint64 scale = *controlVersion == 2 ? kFrame : 1;
    const quint64 window = *windowSize * scale;
    if (window < kFrame || window > 64 * kFrame || (window & (window - 1)) != 0) return false;
    // The reset interval is a whole number of half windows, and a reset spans some windows:
    // chmlib divides by the number of frames between resets.
    const quint64 interval = *resetInterval * scale;
    if (interval == 0 || interval % (window / 2) != 0 || *windowsPerReset == 0) return false;
  }
  return true;
}

}  // namespace solvanex::help
