#include "ChmArchive.h"

#include "ChmCheck.h"

#include <QFile>

#include <algorithm>
#include <cstring>

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

// Pages and the other texts of a help file never hold a NUL byte; binary garbage nearly always
// does.
bool IsTextObject(const QString& path) {
  static const QStringList kTextExtensions = {QStringLiteral(".htm"), QStringLiteral(".html"),
                                              QStringLiteral(".hhc"), QStringLiteral(".hhk"),
                                              QStringLiteral(".css"), QStringLiteral(".js"),
                                              QStringLiteral(".txt")};
  for (const QString& extension : kTextExtensions) {
    if (path.endsWith(extension, Qt::CaseInsensitive)) return true;
  }
  return false;
}

struct Check {
  bool sound = true;
  bool hasSystem = false;
  QByteArray block = QByteArray(64 * 1024, Qt::Uninitialized);
};

// Reads one object whole, in blocks: every byte the directory promises must be there (a cut file
// falls short) and must decompress (damaged compressed data fails).
int CheckObject(chmFile* file, chmUnitInfo* unit, void* context) {
  auto* check = static_cast<Check*>(context);
  const QString path = QString::fromUtf8(unit->path);
  if (path == u"/#SYSTEM") check->hasSystem = true;
  if (unit->length > static_cast<LONGUINT64>(ChmArchive::kMaxObjectSize)) {
    check->sound = false;
    return CHM_ENUMERATOR_FAILURE;
  }
  const bool text = IsTextObject(path);
  auto* buffer = reinterpret_cast<unsigned char*>(check->block.data());
  for (LONGUINT64 at = 0; at < unit->length;) {
    const LONGINT64 wanted =
        static_cast<LONGINT64>(std::min<LONGUINT64>(unit->length - at, check->block.size()));
    const LONGINT64 read = chm_retrieve_object(file, unit, buffer, at, wanted);
    if (read != wanted || (text && std::memchr(buffer, 0, static_cast<std::size_t>(read)))) {
      check->sound = false;
      return CHM_ENUMERATOR_FAILURE;
    }
    at += static_cast<LONGUINT64>(read);
  }
  return CHM_ENUMERATOR_CONTINUE;
}

// Whether the whole archive reads back: its system file is there, and every object it lists,
// system objects included, reads whole. A file cut short or damaged inside is refused here, at
// opening, rather than shown as empty or garbled pages.
bool ReadsWhole(chmFile* file) {
  Check check;
  const int result = chm_enumerate(file, CHM_ENUMERATE_ALL, &CheckObject, &check);
  return result != 0 && check.sound && check.hasSystem;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const QString& path) {
  if (path.isEmpty() || !HasSoundHeaders(path)) return nullptr;
  chmFile* file = chm_open(QFile::encodeName(path).constData());
  if (file == nullptr) return nullptr;
  if (!ReadsWhole(file)) {
    chm_close(file);
    return nullptr;
  }
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
