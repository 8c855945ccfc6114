#include "SystemFile.h"

#include "ChmText.h"

namespace solvanex::help {

namespace {

enum SystemCode : unsigned {
  kContentsFile = 0,
  kIndexFile = 1,
  kDefaultTopic = 2,
  kTitle = 3,
};

unsigned ReadUint16(const QByteArray& data, qsizetype at) {
  return static_cast<unsigned char>(data[at]) | (static_cast<unsigned char>(data[at + 1]) << 8);
}

}  // namespace

SystemInfo ParseSystemFile(const QByteArray& data) {
  constexpr qsizetype kVersionSize = 4;
  constexpr qsizetype kRecordHeaderSize = 4;
  SystemInfo info;
  qsizetype at = kVersionSize;
  while (at + kRecordHeaderSize <= data.size()) {
    const unsigned code = ReadUint16(data, at);
    const qsizetype length = ReadUint16(data, at + 2);
    at += kRecordHeaderSize;
    if (length > data.size() - at) break;
    const QString text = DecodeHelpText(data.mid(at, length));
    switch (code) {
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
    at += length;
  }
  return info;
}

}  // namespace solvanex::help
