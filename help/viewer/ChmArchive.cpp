#include "ChmArchive.h"

#include <QFile>

#include <chm_lib.h>

namespace solvanex::help {

namespace {

// Help compilers write directory chunks of 4 or 8 KiB. chmlib allocates one chunk for every
// look-up, of the size the file declares, so a damaged file could make each look-up ask for
// gigabytes; such a file is refused before chmlib sees it.
constexpr quint32 kMaxDirectoryChunk = 64 * 1024;

quint64 LittleEndian(const QByteArray& bytes, qsizetype at, int width) {
  quint64 value = 0;
  for (int i = width - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

// Whether the file's header and directory header ("ITSF", then "ITSP" where it points) declare
// a directory chunk size that help compilers write.
bool HasSoundDirectoryChunks(const QString& path) {
  constexpr qsizetype kDirectoryOffsetAt = 0x48;  // in the "ITSF" header
  constexpr qsizetype kChunkSizeAt = 0x10;        // in the "ITSP" header
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray header = file.read(kDirectoryOffsetAt + 8);
  if (header.size() < kDirectoryOffsetAt + 8 || !header.startsWith("ITSF")) return false;
  const quint64 directory = LittleEndian(header, kDirectoryOffsetAt, 8);
  if (directory > static_cast<quint64>(file.size()) || !file.seek(static_cast<qint64>(directory))) {
    return false;
  }
  const QByteArray directoryHeader = file.read(kChunkSizeAt + 4);
  if (directoryHeader.size() < kChunkSizeAt + 4 || !directoryHeader.startsWith("ITSP")) {
    return false;
  }
  const quint64 chunk = LittleEndian(directoryHeader, kChunkSizeAt, 4);
  return chunk > 0 && chunk <= kMaxDirectoryChunk;
}

int CollectFile(chmFile*, chmUnitInfo* unit, void* context) {
  auto* files = static_cast<QStringList*>(context);
  const QString path = QString::fromUtf8(unit->path);
  // chmlib lists "#SYSTEM", "$WWKeywordLinks/..." and the like as normal files too.
  if (path.startsWith(u'/') && !path.startsWith(u"/#") && !path.startsWith(u"/$")) {
    files->append(path);
  }
  return CHM_ENUMERATOR_CONTINUE;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const QString& path) {
  if (path.isEmpty() || !HasSoundDirectoryChunks(path)) return nullptr;
  chmFile* file = chm_open(QFile::encodeName(path).constData());
  if (file == nullptr) return nullptr;
  return std::unique_ptr<ChmArchive>(new ChmArchive(file));
}

ChmArchive::~ChmArchive() {
  chm_close(file_);
}

std::optional<QByteArray> ChmArchive::Read(const QString& path) const {
  const QByteArray name = path.toUtf8();
  if (name.size() > CHM_MAX_PATHLEN) return {};
  chmUnitInfo unit{};
  if (chm_resolve_object(file_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS) return {};
  if (unit.length > static_cast<LONGUINT64>(kMaxObjectSize)) return {};
  QByteArray data(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
  if (unit.length == 0) return data;
  const LONGINT64 read =
      chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(data.data()), 0,
                          static_cast<LONGINT64>(unit.length));
  if (read != static_cast<LONGINT64>(unit.length)) return {};
  return data;
}

bool ChmArchive::Contains(const QString& path) const {
  const QByteArray name = path.toUtf8();
  if (name.size() > CHM_MAX_PATHLEN) return false;
  chmUnitInfo unit{};
  return chm_resolve_object(file_, name.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

QStringList ChmArchive::Files() const {
  QStringList files;
  chm_enumerate(file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, &CollectFile, &files);
  return files;
}

QString NormalizeArchivePath(const QString& topic) {
  QString path = topic;
  path.replace(u'\\', u'/');
  QStringList parts;
  for (const QString& part : path.split(u'/', Qt::SkipEmptyParts)) {
    if (part == u".") continue;
    if (part == u"..") {
      if (!parts.isEmpty()) parts.removeLast();
      continue;
    }
    parts.append(part);
  }
  return u'/' + parts.join(u'/');
}

}  // namespace solvanex::help
