#include "SystemFile.h"

#include "ChmText.h"

#include <vector>

namespace solvanex::help {

namespace {

enum SystemCode : unsigned {
  kContentsFile = 0,
  kIndexFile = 1,
  kDefaultTopic = 2,
  kTitle = 3,
  kLanguage = 4,
};

unsigned ReadUint16(const QByteArray& data, qsizetype at) {
  return static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8);
}

}  // namespace

SystemInfo ParseSystemFile(const QByteArray& data) {
  constexpr qsizetype kVersionSize = 4;
  constexpr qsizetype kRecordHeaderSize = 4;
  struct Record {
    unsigned code;
    QByteArray bytes;
  };
  std::vector<Record> records;
  SystemInfo info;
  qsizetype at = kVersionSize;
  while (at + kRecordHeaderSize <= data.size()) {
    const unsigned code = ReadUint16(data, at);
    const qsizetype length = ReadUint16(data, at + 2);
    at += kRecordHeaderSize;
    if (length > data.size() - at) break;
    if (code == kLanguage && length >= 4) {
      info.lcid =
          ReadUint16(data, at) | (static_cast<std::uint32_t>(ReadUint16(data, at + 2)) << 16);
    } else if (code <= kTitle) {
      records.push_back({code, data.mid(at, length)});
    }
    at += length;
  }
  // The language may come after the texts that it decides the reading of.
  for (const Record& record : records) {
    const QString text = DecodeHelpText(record.bytes, info.lcid);
    switch (record.code) {
      case kContentsFile:
        info.contentsFile = text;
        break;
      case kIndexFile:
        info.indexFile = text;
        break;
      case kDefaultTopic:
        info.defaultTopic = text;
        break;
      case kTitle:
        info.title = text;
        break;
      default:
        break;
    }
  }
  return info;
}

}  // namespace solvanex::help
