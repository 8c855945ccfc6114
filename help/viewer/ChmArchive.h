// One open compiled help file (.chm), read through libmspack from one file descriptor opened
// once. Paths inside the file are absolute ("/index.html") and compared without regard to letter
// case, as the help compiler wrote them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace solvanex::help {

class ChmArchive {
 public:
  // The archive at path, or nullptr when the file is missing, unreadable or not a CHM, when it
  // claims more than the bounds below allow, or when any of its objects does not read back whole
  // (a file cut short, damaged compressed data, a page holding binary bytes).
  static std::unique_ptr<ChmArchive> Open(const QString& path);
  ~ChmArchive();
  ChmArchive(const ChmArchive&) = delete;
  ChmArchive& operator=(const ChmArchive&) = delete;

  // The whole object at path, or nothing when it is absent or does not read back whole.
  std::optional<QByteArray> Read(const QString& path) const;
  bool Contains(const QString& path) const;
  // The paths of the ordinary files, in the archive's order (system objects such as "#SYSTEM"
  // and "::DataSpace/..." left out).
  QStringList Files() const;

  // How many bytes the reading so far may have made the decompressor produce, the ones it
  // unpacks only to reach an object included: an upper bound of the work done.
  quint64 UnpackedBytes() const;

  // What one help file may cost. A help compiler writes a few hundred objects of some kilobytes;
  // a damaged directory could claim millions, or gigabytes behind a few bytes of input.
  static constexpr int kMaxObjects = 20'000;
  static constexpr qint64 kMaxObjectSize = 16 * 1024 * 1024;
  // The most that reading every object once, at opening, may unpack, the bytes skipped to reach
  // an object included; each compressed object must also end within this much of its section.
  static constexpr qint64 kMaxUnpackedSize = 64 * 1024 * 1024;

  class Reader;

 private:
  explicit ChmArchive(std::unique_ptr<Reader> reader);
  std::unique_ptr<Reader> reader_;
};

// An archive path for a topic written in a link or a project file: a leading '/' added, "\"
// turned into '/', "./" steps and ".." steps resolved (never above the root).
QString NormalizeArchivePath(const QString& topic);

}  // namespace solvanex::help
