#include "ChmArchive.h"

#include "ChmFileSystem.h"

#include <QFile>
#include <QHash>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include <mspack.h>

namespace solvanex::help {

namespace {

// LZX unpacks whole frames of 32 KiB: reaching an offset may unpack up to one frame beyond it.
constexpr quint64 kLzxFrame = 0x8000;
// What is set aside before an object is extracted: its declared length may be false.
constexpr off_t kReserved = 1024 * 1024;

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

// Ordinary files as the viewer lists them: not "#SYSTEM", "$WWKeywordLinks/..." and the like.
bool IsOrdinaryFile(const QString& path) {
  return path.startsWith(u'/') && !path.startsWith(u"/#") && !path.startsWith(u"/$");
}

bool IsCompressed(const mschmd_file& file) {
  return file.section->id == 1;
}

}  // namespace

// The open help file: libmspack's decompressor and header over one descriptor, the objects by
// name, and the account of what the decompressor has unpacked.
class ChmArchive::Reader {
 public:
  Reader(int fd, off_t size) : files_(fd, size) {}
  ~Reader() {
    if (header_ != nullptr) decompressor_->close(decompressor_, header_);
    if (decompressor_ != nullptr) mspack_destroy_chm_decompressor(decompressor_);
  }
  Reader(const Reader&) = delete;
  Reader& operator=(const Reader&) = delete;

  // Reads the directory; false when the file is no help file or claims too much.
  bool OpenDirectory(int fd) {
    AcceptFreePascalHeader(fd);
    decompressor_ = mspack_create_chm_decompressor(files_.System());
    if (decompressor_ == nullptr) return false;
    header_ = decompressor_->open(decompressor_, ChmFileSystem::InputName());
    if (header_ == nullptr) return false;
    // libmspack walks the directory's index and its chain of listing chunks when it looks a name
    // up, and neither walk ends when a chunk leads back to one already visited. Every look-up
    // here goes through the listing read above; the two walks are switched off for the ones that
    // libmspack makes itself (the compression's own objects, when the listing lacks them), which
    // then find nothing and fail.
    header_->index_root = 0xFFFFFFFF;
    header_->first_pmgl = 1;
    header_->last_pmgl = 0;

    for (mschmd_file* list : {header_->sysfiles, header_->files}) {
      for (mschmd_file* file = list; file != nullptr; file = file->next) {
        if (objects_.size() >= static_cast<std::size_t>(kMaxObjects)) return false;
        if (file->length < 0 || file->length > kMaxObjectSize || file->offset < 0) return false;
        if (IsCompressed(*file) &&
            (file->offset > kMaxUnpackedSize || file->length > kMaxUnpackedSize - file->offset)) {
          return false;
        }
        objects_.push_back(file);
        const QString path = QString::fromUtf8(file->filename);
        // Names alike but for letter case: the first listed is the one found.
        byName_.insert(path.toCaseFolded(), file);
      }
    }
    for (mschmd_file* file = header_->files; file != nullptr; file = file->next) {
      const QString path = QString::fromUtf8(file->filename);
      if (IsOrdinaryFile(path)) ordinaryFiles_.append(path);
    }
    return true;
  }

  // Whether every object reads back whole, at a cost within kMaxUnpackedSize: in the order of
  // the content, so that the compressed section is unpacked once from its start.
  bool ReadsWhole() {
    std::vector<mschmd_file*> ordered = objects_;
    std::stable_sort(ordered.begin(), ordered.end(), [](mschmd_file* a, mschmd_file* b) {
      return std::pair(a->section->id, a->offset) < std::pair(b->section->id, b->offset);
    });
    // The whole cost first, from the directory alone: a file that claims too much is refused
    // before anything is unpacked.
    Position position = position_;
    quint64 total = 0;
    for (mschmd_file* file : ordered) {
      total += Cost(*file, position);
      position = After(*file, position);
      if (total > static_cast<quint64>(kMaxUnpackedSize)) return false;
    }
    bool hasSystem = false;
    for (mschmd_file* file : ordered) {
      const QString path = QString::fromUtf8(file->filename);
      const std::optional<QByteArray> data = Extract(*file);
      if (!data) return false;
      if (IsTextObject(path) && std::memchr(data->constData(), 0, data->size()) != nullptr) {
        return false;
      }
      if (path == u"/#SYSTEM") hasSystem = true;
    }
    return hasSystem;
  }

  mschmd_file* Find(const QString& path) const { return byName_.value(path.toCaseFolded()); }

  // The whole object, or nothing when it does not read back whole.
  std::optional<QByteArray> Extract(mschmd_file& file) {
    unpacked_ += Cost(file, position_);
    QByteArray data;
    // Room for what a help file's objects usually hold; more grows as it reads back.
    data.reserve(static_cast<qsizetype>(std::min<off_t>(file.length, kReserved)));
    files_.SetOutput(&data, static_cast<qint64>(file.length));
    const int result = decompressor_->extract(decompressor_, &file, ChmFileSystem::OutputName());
    files_.SetOutput(nullptr, 0);
    if (result != MSPACK_ERR_OK || data.size() != file.length) {
      // libmspack starts the compressed section afresh after an error.
      if (IsCompressed(file)) position_ = {};
      return std::nullopt;
    }
    position_ = After(file, position_);
    return data;
  }

  const QStringList& OrdinaryFiles() const { return ordinaryFiles_; }
  quint64 Unpacked() const { return unpacked_; }

 private:
  // Where libmspack's unpacking of the compressed section stands: it goes on from there for an
  // object further on, and starts again from a reset point before the object otherwise.
  struct Position {
    bool started = false;
    quint64 offset = 0;
  };

  // At most what extracting the object unpacks: from where the unpacking stands when it goes on;
  // else from the start of the section (the nearest reset point lies between) to the end of the
  // frame that holds the object's last byte.
  // Free Pascal's help compiler writes the first of the two identifiers of the file header twice;
  // Microsoft's viewer takes such a file, and libmspack wants the second one: it is read as
  // written where the compiler gave the first one again.
  void AcceptFreePascalHeader(int fd) {
    constexpr off_t kFirstAt = 0x18;
    constexpr off_t kSecondAt = 0x28;
    constexpr char kFirst[] = "\x10\xFD\x01\x7C\xAA\x7B\xD0\x11\x9E\x0C\x00\xA0\xC9\x22\xE6\xEC";
    constexpr char kSecond[] = "\x11\xFD\x01\x7C\xAA\x7B\xD0\x11\x9E\x0C\x00\xA0\xC9\x22\xE6\xEC";
    char header[kSecondAt + 16];
    if (pread(fd, header, sizeof header, 0) != static_cast<ssize_t>(sizeof header)) return;
    if (std::memcmp(header + kFirstAt, kFirst, 16) == 0 &&
        std::memcmp(header + kSecondAt, kFirst, 16) == 0) {
      files_.Overlay(kSecondAt, QByteArray(kSecond, 16));
    }
  }

  static quint64 Cost(const mschmd_file& file, Position position) {
    const auto offset = static_cast<quint64>(file.offset);
    const auto length = static_cast<quint64>(file.length);
    if (length == 0) return 0;
    if (!IsCompressed(file)) return length;
    if (position.started && offset >= position.offset) return offset + length - position.offset;
    return offset + length + kLzxFrame;
  }
  static Position After(const mschmd_file& file, Position position) {
    if (!IsCompressed(file) || file.length == 0) return position;
    return {true, static_cast<quint64>(file.offset + file.length)};
  }

  ChmFileSystem files_;
  mschm_decompressor* decompressor_ = nullptr;
  mschmd_header* header_ = nullptr;
  std::vector<mschmd_file*> objects_;
  QHash<QString, mschmd_file*> byName_;
  QStringList ordinaryFiles_;
  Position position_;
  quint64 unpacked_ = 0;
};

std::unique_ptr<ChmArchive> ChmArchive::Open(const QString& path) {
  if (path.isEmpty()) return nullptr;
  int selfTest = MSPACK_ERR_OK;
  MSPACK_SYS_SELFTEST(selfTest);
  if (selfTest != MSPACK_ERR_OK) return nullptr;
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat status {};
  if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
    close(fd);
    return nullptr;
  }
  auto reader = std::make_unique<Reader>(fd, status.st_size);  // owns the descriptor now
  if (!reader->OpenDirectory(fd) || !reader->ReadsWhole()) return nullptr;
  return std::unique_ptr<ChmArchive>(new ChmArchive(std::move(reader)));
}

ChmArchive::ChmArchive(std::unique_ptr<Reader> reader) : reader_(std::move(reader)) {}

ChmArchive::~ChmArchive() = default;

std::optional<QByteArray> ChmArchive::Read(const QString& path) const {
  mschmd_file* file = reader_->Find(path);
  if (file == nullptr) return std::nullopt;
  return reader_->Extract(*file);
}

bool ChmArchive::Contains(const QString& path) const {
  return reader_->Find(path) != nullptr;
}

QStringList ChmArchive::Files() const {
  return reader_->OrdinaryFiles();
}

quint64 ChmArchive::UnpackedBytes() const {
  return reader_->Unpacked();
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
