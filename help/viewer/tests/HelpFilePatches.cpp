#include "HelpFilePatches.h"

#include <utility>

namespace solvanex::testing {

qint64 Number(const QByteArray& bytes, qsizetype at, int width) {
  qint64 value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}
void SetNumber(QByteArray& bytes, qsizetype at, int width, quint64 value) {
  for (int i = 0; i < width; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

BuiltLayout Layout(const QByteArray& bytes) {
  BuiltLayout layout;
  layout.directory = Number(bytes, 0x48, 8);
  layout.chunkSize = Number(bytes, layout.directory + 0x10, 4);
  layout.listing = layout.directory + Number(bytes, layout.directory + 8, 4);
  layout.content = Number(bytes, 0x58, 8);
  return layout;
}

const QByteArray kResetTable(
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable");
const QByteArray kControlData("::DataSpace/Storage/MSCompressed/ControlData");

namespace {

// A listing entry's numbers are written 7 bits a byte, most significant first.
QByteArray EncodedInteger(quint64 value) {
  QByteArray bytes(1, static_cast<char>(value & 0x7F));
  for (value >>= 7; value != 0; value >>= 7)
    bytes.prepend(static_cast<char>(0x80 | (value & 0x7F)));
  return bytes;
}
// Where the entry of name begins in the listing (its one-byte name length), and where its
// numbers end.
std::pair<qsizetype, qsizetype> EntrySpan(const QByteArray& bytes, const QByteArray& name,
                                          ListingEntry* entry = nullptr) {
  const qsizetype at = bytes.indexOf(char(name.size()) + name);
  qsizetype end = at + 1 + name.size();
  qint64 numbers[3] = {};
  for (qint64& number : numbers) {
    for (bool more = true; more; ++end) {
      number = (number << 7) | (bytes[end] & 0x7F);
      more = (bytes[end] & 0x80) != 0;
    }
  }
  if (entry != nullptr) *entry = {numbers[0], numbers[1], numbers[2]};
  return {at, end};
}
}  // namespace

ListingEntry Entry(const QByteArray& bytes, const QByteArray& name) {
  ListingEntry entry{};
  EntrySpan(bytes, name, &entry);
  return entry;
}
void SetEntry(QByteArray& bytes, const QByteArray& name, ListingEntry values) {
  const BuiltLayout layout = Layout(bytes);
  ListingEntry entry{};
  const auto [at, end] = EntrySpan(bytes, name, &entry);
  if (values.offset < 0) values.offset = entry.offset;
  if (values.length < 0) values.length = entry.length;
  const QByteArray numbers = EncodedInteger(values.section) + EncodedInteger(values.offset) +
                             EncodedInteger(values.length);
  const qsizetype start = at + 1 + name.size();
  const qsizetype grown = numbers.size() - (end - start);
  bytes.replace(start, end - start, numbers);
  // The chunk keeps its size: the free space after the entries gives up what they gained.
  const qint64 freeSpace = Number(bytes, layout.listing + 4, 4);
  bytes.remove(layout.listing + layout.chunkSize - freeSpace + grown, grown);
  SetNumber(bytes, layout.listing + 4, 4, freeSpace - grown);
}
void AddSelfNamingIndex(QByteArray& bytes) {
  const BuiltLayout layout = Layout(bytes);
  const qint64 chunks = Number(bytes, layout.directory + 0x2C, 4);
  QByteArray chunk("PMGI", 4);
  chunk += QByteArray(4, '\0') + '\x01' + '/' + EncodedInteger(chunks);
  SetNumber(chunk, 4, 4, layout.chunkSize - chunk.size());
  chunk += QByteArray(layout.chunkSize - chunk.size() - 2, '\0') + QByteArray("\x01\x00", 2);
  const qint64 end = layout.listing + chunks * layout.chunkSize;
  bytes.insert(end, chunk);
  SetNumber(bytes, layout.directory + 0x1C, 4, chunks);                  // index root
  SetNumber(bytes, layout.directory + 0x2C, 4, chunks + 1);              // chunk count
  SetNumber(bytes, 0x50, 8, Number(bytes, 0x50, 8) + layout.chunkSize);  // directory length
  SetNumber(bytes, 0x58, 8, layout.content + layout.chunkSize);          // content start
  const qint64 headerSection = Number(bytes, 0x38, 8);
  SetNumber(bytes, headerSection + 8, 8, Number(bytes, headerSection + 8, 8) + layout.chunkSize);
}

QByteArray WithZeroResetProduct(QByteArray bytes) {
  const qint64 control = Layout(bytes).content + Entry(bytes, kControlData).offset;
  const qint64 interval = Number(bytes, control + 0x0C, 4);
  // Windows per reset such that their product with the interval is 2^32.
  if (interval > 0 && (interval & (interval - 1)) == 0) {
    SetNumber(bytes, control + 0x14, 4, (quint64{1} << 32) / static_cast<quint64>(interval));
  }
  return bytes;
}

QByteArray WithSelfNamingIndex(QByteArray bytes) {
  AddSelfNamingIndex(bytes);
  SetEntry(bytes, kControlData, {4, -1, -1});  // section 4 is none: the entry is passed over
  return bytes;
}

QByteArray WithWrappingFreeSpace(QByteArray bytes) {
  SetNumber(bytes, Layout(bytes).listing + 4, 4, 0x80000000);
  return bytes;
}

}  // namespace solvanex::testing
