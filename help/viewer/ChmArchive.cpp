#include "ChmArchive.h"

#include "ChmCheck.h"

#include <QFile>

#include <algorithm>
#include <cstring>

#include <chm_lib.h>

namespace solvanex::help {

namespace {

constexpr char kResetTable[] =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
    "InstanceData/ResetTable";

// Runs check over the bytes of the file at path, mapped rather than read so that a large help
// file costs nothing here; false when the file cannot be mapped.
template <typename Check>
bool CheckMapped(const QString& path, Check check) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() <= 0) return false;
  const uchar* bytes = file.map(0, file.size());
  if (bytes == nullptr) return false;
  const bool sound =
      check(QByteArray::fromRawData(reinterpret_cast<const char*>(bytes), file.size()));
  file.unmap(const_cast<uchar*>(bytes));
  return sound;
}

// How much of the compressed section chmlib may be asked for (see ChmCheck.h): 0 when the file
// holds no compressed content, nothing when its reset table is damaged.
std::optional<quint64> CompressedSpan(chmFile* chm, const QString& path) {
  chmUnitInfo table{};
  if (chm_resolve_object(chm, kResetTable, &table) != CHM_RESOLVE_SUCCESS) return 0;
  std::optional<quint64> span;
  CheckMapped(path, [&](const QByteArray& bytes) {
    span = SoundCompressedSpan(bytes, table.start);
    return true;
  });
  return span;
}

// Whether chmlib may be asked for the object: a compressed one must lie within the sound span.
bool WithinSoundBlocks(const chmUnitInfo& unit, quint64 compressedSpan) {
  return unit.space != CHM_COMPRESSED ||
         (unit.start <= compressedSpan && unit.length <= compressedSpan - unit.start);
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
  quint64 compressedSpan = 0;
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
  if (unit->length > static_cast<LONGUINT64>(ChmArchive::kMaxObjectSize) ||
      !WithinSoundBlocks(*unit, check->compressedSpan)) {
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
bool ReadsWhole(chmFile* file, quint64 compressedSpan) {
  Check check;
  check.compressedSpan = compressedSpan;
  const int result = chm_enumerate(file, CHM_ENUMERATE_ALL, &CheckObject, &check);
  return result != 0 && check.sound && check.hasSystem;
}

}  // namespace

std::unique_ptr<ChmArchive> ChmArchive::Open(const QString& path) {
  if (path.isEmpty() || !CheckMapped(path, HasSoundChmHeaders)) return nullptr;
  chmFile* file = chm_open(QFile::encodeName(path).constData());
  if (file == nullptr) return nullptr;
  const std::optional<quint64> compressedSpan = CompressedSpan(file, path);
  if (!compressedSpan || !ReadsWhole(file, *compressedSpan)) {
    chm_close(file);
    return nullptr;
  }
  return std::unique_ptr<ChmArchive>(new ChmArchive(file, *compressedSpan));
}

ChmArchive::~ChmArchive() {
  chm_close(file_);
}

std::optional<QByteArray> ChmArchive::Read(const QString& path) const {
  const QByteArray name = path.toUtf8();
  if (name.size() > CHM_MAX_PATHLEN) return {};
  chmUnitInfo unit{};
  if (chm_resolve_object(file_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS) return {};
  if (unit.length > static_cast<LONGUINT64>(kMaxObjectSize) ||
      !WithinSoundBlocks(unit, compressedSpan_)) {
    return {};
  }
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
