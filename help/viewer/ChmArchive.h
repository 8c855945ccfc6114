// One open compiled help file (.chm), read through chmlib. Paths inside the file are absolute
// ("/index.html") and compared without regard to letter case, as the help compiler wrote them.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

struct chmFile;

namespace solvanex::help {

class ChmArchive {
 public:
  // The archive at path, or nullptr when the file is missing, unreadable or not a CHM, or when any
  // of its objects does not read back whole (a file cut short, damaged compressed data, a page
  // holding binary bytes).
  static std::unique_ptr<ChmArchive> Open(const QString& path);
  ~ChmArchive();
  ChmArchive(const ChmArchive&) = delete;
  ChmArchive& operator=(const ChmArchive&) = delete;

  // The whole object at path, or nothing when it is absent, damaged or larger than
  // kMaxObjectSize (a damaged directory could otherwise ask for gigabytes).
  std::optional<QByteArray> Read(const QString& path) const;
  bool Contains(const QString& path) const;
  // The paths of the ordinary files, in the archive's order (system objects such as "#SYSTEM"
  // and "::DataSpace/..." left out).
  QStringList Files() const;

  static constexpr qint64 kMaxObjectSize = 64 * 1024 * 1024;

 private:
  ChmArchive(chmFile* file, quint64 compressedSpan)
      : file_(file), compressedSpan_(compressedSpan) {}
  chmFile* file_;
  // How much of the compressed section lies in blocks that decompress safely.
  quint64 compressedSpan_;
};

// An archive path for a topic written in a link or a project file: a leading '/' added, "\"
// turned into '/', "./" steps and ".." steps resolved (never above the root).
QString NormalizeArchivePath(const QString& topic);

}  // namespace solvanex::help
