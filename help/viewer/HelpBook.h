// A compiled help file made ready for a help window: the open archive with the title, the first
// topic and the contents and index trees that the file declares.
#pragma once

#include "ChmArchive.h"
#include "Sitemap.h"

#include <QString>
#include <QUrl>

#include <memory>
#include <optional>
#include <vector>

namespace solvanex::help {

struct HelpBook {
  std::shared_ptr<const ChmArchive> archive;
  QString filePath;      // the file opened
  QString title;         // the file's own title, else its file name
  QString defaultTopic;  // archive path of the first page shown
  std::vector<SitemapEntry> contents;
  std::vector<SitemapEntry> index;
};

// The book of the help file at filePath, or nothing when it cannot be opened as a CHM.
// The first page is the default topic of "#SYSTEM", else the first topic of the contents,
// else "/index.html", whichever the archive holds first.
std::optional<HelpBook> LoadHelpBook(const QString& filePath);

// URLs of pages inside the open help file use this scheme: "chm:/page.html#anchor".
inline constexpr QStringView kHelpScheme = u"chm";

// The URL of a topic as written in a contents file, a project file or a caller's argument:
// "page.html", "/dir/page.html#anchor", "ms-its:Solvanex.chm::/page.html".
QUrl TopicUrl(const QString& topic);

}  // namespace solvanex::help
