// libFuzzer target over a whole help file opened through the archive layer, as the viewer opens
// one: the archive (which reads every object once), its "#SYSTEM" object, its contents and index
// trees and the first topic; then every file it lists is found by name, in its own letter case
// and in capitals, and read again. The input is handed over as an in-memory file. Trees stay
// within the depth cap, every object read respects the size cap, and the time stays linear in
// the bytes read in and in what the decompressor unpacks.
#include <sys/mman.h>
#include <unistd.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "ChmArchive.h"
#include "HelpBook.h"
#include "SystemFile.h"
#include "fuzz/ViewerFuzzSupport.h"

namespace {

// An in-memory file holding the input, named by its /proc path, which the archive opens.
class MemoryFile {
 public:
  MemoryFile(const std::uint8_t* data, std::size_t size)
      : fd_(memfd_create("solvanex-fuzz.chm", MFD_CLOEXEC)) {
    SOLVANEX_FUZZ_CHECK(fd_ >= 0);
    std::size_t written = 0;
    while (written < size) {
      const ssize_t count = write(fd_, data + written, size - written);
      SOLVANEX_FUZZ_CHECK(count > 0);
      written += static_cast<std::size_t>(count);
    }
  }
  ~MemoryFile() { close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  QString Path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

 private:
  int fd_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace solvanex;
  const MemoryFile file(data, size);
  // Unpacked bytes are counted at a lower rate than input bytes: they are copied, not parsed,
  // except for the contents and index files, which are counted at the parsing rate.
  fuzzing::LinearTimeBudget budget(size, 50'000);
  const std::optional<help::HelpBook> book = help::LoadHelpBook(file.Path());
  if (!book) return 0;
  fuzzing::CheckTree(book->contents, help::ChmArchive::kMaxObjectSize);
  fuzzing::CheckTree(book->index, help::ChmArchive::kMaxObjectSize);
  SOLVANEX_FUZZ_CHECK(!book->defaultTopic.isEmpty());
  const help::ChmArchive& archive = *book->archive;
  // The trees that were parsed: the ones "#SYSTEM" names, or the root's .hhc and .hhk files.
  QStringList parsed;
  if (const std::optional<QByteArray> system = archive.Read(QStringLiteral("/#SYSTEM"))) {
    const help::SystemInfo info = help::ParseSystemFile(*system);
    parsed << help::NormalizeArchivePath(info.contentsFile)
           << help::NormalizeArchivePath(info.indexFile);
  }
  const QStringList files = archive.Files();
  for (const QString& path : files) {
    if (path.lastIndexOf(u'/') == 0 && (path.endsWith(u".hhc", Qt::CaseInsensitive) ||
                                        path.endsWith(u".hhk", Qt::CaseInsensitive))) {
      parsed << path;
    }
  }
  for (const QString& path : parsed) {
    if (const std::optional<QByteArray> tree = archive.Read(path)) {
      budget.AddBytes(static_cast<std::size_t>(tree->size()), 20'000);
    }
  }
  for (const QString& path : files) {
    SOLVANEX_FUZZ_CHECK(archive.Contains(path));
    // Names are found without regard to letter case.
    const QString capitals = path.toUpper();
    if (capitals.toCaseFolded() == path.toCaseFolded()) {
      SOLVANEX_FUZZ_CHECK(archive.Contains(capitals));
    }
    const quint64 before = archive.UnpackedBytes();
    const std::optional<QByteArray> object = archive.Read(path);
    // Every object read back whole at opening; a later reading may start from another reset
    // point of the compressed section, which a damaged reset table can make fail.
    SOLVANEX_FUZZ_CHECK(!object || object->size() <= help::ChmArchive::kMaxObjectSize);
    SOLVANEX_FUZZ_CHECK(archive.UnpackedBytes() - before <=
                        static_cast<quint64>(help::ChmArchive::kMaxUnpackedSize) + 0x8000);
  }
  budget.AddBytes(static_cast<std::size_t>(archive.UnpackedBytes()), 1'000);
  return 0;
}
