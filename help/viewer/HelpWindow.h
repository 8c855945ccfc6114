// A help window: one compiled help file shown with its contents (and index) on the left and
// the current page on the right. It is a window of its own, owned by no other window, and does
// not keep the application running once the program's own windows have closed.
#pragma once

#include "HelpBook.h"
#include "HelpSearch.h"

#include <QHash>
#include <QWidget>

#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

namespace solvanex::help {

class HelpBrowser;

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(HelpBook book);

  // Shows the topic (an archive path, with or without "#anchor"), or the default topic for an
  // empty one.
  void ShowTopic(const QString& topic);
  void ShowHome() { ShowTopic(book_.defaultTopic); }

  const QString& FilePath() const { return book_.filePath; }

  // Opens a page found by the search, with the words marked.
  void OpenSearchResult(const QString& path, const QStringList& words);
  // Asks for a printer in the print dialog and prints the page shown, through the printing
  // module; says so when that module cannot be loaded.
  void PrintPage();

 private:
  // Tree items by the archive path of their page, in lower case.
  using PageItems = QHash<QString, QTreeWidgetItem*>;

  // pages, when given, receives the items that open a page.
  QTreeWidget* BuildTree(const std::vector<SitemapEntry>& entries, const QString& objectName,
                         PageItems* pages);
  void AddItems(QTreeWidget* tree, QTreeWidgetItem* parent,
                const std::vector<SitemapEntry>& entries, PageItems* pages);
  void OpenItem(QTreeWidgetItem* item);
  // Keeps the contents tree on the page shown, whichever way it was reached.
  void SelectContentsItem(const QUrl& source);

  // The search index, made at the first search.
  const HelpSearchIndex& SearchIndex();

  HelpBook book_;
  std::optional<HelpSearchIndex> searchIndex_;
  HelpBrowser* browser_;
  QTreeWidget* contents_ = nullptr;
  PageItems contentsItems_;
};

}  // namespace solvanex::help
