// The page pane of a help window: a text browser that takes its pages, style sheets and
// images from the open help file, follows the links between them, and hands links to web
// addresses to the desktop's browser.
#pragma once

#include "ChmArchive.h"

#include <QTextBrowser>

#include <memory>

namespace solvanex::help {

class HelpBrowser : public QTextBrowser {
  Q_OBJECT

 public:
  HelpBrowser(std::shared_ptr<const ChmArchive> archive, QWidget* parent = nullptr);

  QVariant loadResource(int type, const QUrl& name) override;

  // Marks the places of the page where a word begins with one of the folded words, and
  // scrolls to the first; returns how many there are. The marks go when another page shows.
  int HighlightWords(const QStringList& words);

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  // name made absolute against the current page, with "ms-its:" links turned into help URLs.
  QUrl Resolve(const QUrl& name) const;

  std::shared_ptr<const ChmArchive> archive_;
};

}  // namespace solvanex::help
