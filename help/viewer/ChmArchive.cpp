#include "ChmArchive.h"

#include "ChmCheck.h"

#include <QFile>

#include <chm_lib.h>

namespace solvanex::help {

namespace {

// Whether the file at path has headers chmlib can be trusted with (see ChmCheck.h). The file is
// mapped, not read, so that a large help file costs nothing here.
bool HasSoundHeaders(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() <= 0) return false;
  const uchar* bytes = file.map(0, file.size());
  if (bytes == nullptr) return false;
  const bool sound = HasSoundChmHeaders(
      QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), file.size()));
  file.unmap(const_cast<uchar*>(bytes));
  return sound;
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
  if (path.isEmpty() || !HasSoundHeaders(path)) return nullptr;
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
