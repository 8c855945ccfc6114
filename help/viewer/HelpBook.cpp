#include "HelpBook.h"

#include "ChmText.h"
#include "HelpLocation.h"
#include "SystemFile.h"

#include <QFileInfo>

namespace solvanex::help {

namespace {

// The first file of the archive's root folder with this extension, e.g. ".hhc".
QString FindRootFile(const ChmArchive& archive, QStringView extension) {
  for (const QString& path : archive.Files()) {
    if (path.lastIndexOf(u'/') == 0 && path.endsWith(extension, Qt::CaseInsensitive)) return path;
  }
  return {};
}

// The contents or index file at path, read in the character set it declares, else in the code
// page of the help file's language lcid (ChmText.h).
std::vector<SitemapEntry> ReadSitemap(const ChmArchive& archive, const QString& path,
                                      std::uint32_t lcid) {
  if (path.isEmpty()) return {};
  const std::optional<QByteArray> data = archive.Read(NormalizeArchivePath(path));
  return data ? ParseSitemap(DecodeSitemapText(*data, lcid)) : std::vector<SitemapEntry>{};
}

}  // namespace

QUrl TopicUrl(const QString& topic) {
  const QString target = TopicOfStoreLink(topic).value_or(topic);
  const qsizetype anchor = target.indexOf(u'#');
  QUrl url;
  url.setScheme(kHelpScheme.toString());
  url.setPath(NormalizeArchivePath(anchor < 0 ? target : target.left(anchor)));
  if (anchor >= 0) url.setFragment(target.mid(anchor + 1));
  return url;
}

std::optional<HelpBook> LoadHelpBook(const QString& filePath) {
  std::shared_ptr<const ChmArchive> archive = ChmArchive::Open(filePath);
  if (!archive) return {};

  const SystemInfo system = ParseSystemFile(archive->Read(QStringLiteral("/#SYSTEM")).value_or(""));
  HelpBook book;
  book.filePath = filePath;
  book.title =
      system.title.trimmed().isEmpty() ? QFileInfo(filePath).fileName() : system.title.trimmed();
  book.contents = ReadSitemap(
      *archive,
      system.contentsFile.isEmpty() ? FindRootFile(*archive, u".hhc") : system.contentsFile,
      system.lcid);
  book.index = ReadSitemap(
      *archive, system.indexFile.isEmpty() ? FindRootFile(*archive, u".hhk") : system.indexFile,
      system.lcid);

  const QStringList candidates = {system.defaultTopic, FirstTopic(book.contents),
                                  QStringLiteral("/index.html")};
  for (const QString& candidate : candidates) {
    if (candidate.isEmpty()) continue;
    const QString path = TopicUrl(candidate).path();
    if (archive->Contains(path)) {
      book.defaultTopic = path;
      break;
    }
  }
  // Nothing found: the window still opens and says that the page is missing.
  if (book.defaultTopic.isEmpty()) book.defaultTopic = QStringLiteral("/index.html");
  book.archive = std::move(archive);
  return book;
}

}  // namespace solvanex::help
