// The "Rechercher" tab of a help window: a line for the words, the list of the pages that
// hold all of them, and a line that says how many were found. The index is asked for at the
// first search only, so opening the window costs nothing.
#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace solvanex::help {

class HelpSearchIndex;

class SearchPane : public QWidget {
  Q_OBJECT

 public:
  using IndexSource = std::function<const HelpSearchIndex&()>;
  explicit SearchPane(IndexSource index, QWidget* parent = nullptr);

  // Searches for the text, as typing it would.
  void Search(const QString& text);

 signals:
  // A result was opened: the page's archive path and the folded words to show.
  void openRequested(const QString& path, const QStringList& words);

 private:
  void Open(QListWidgetItem* item);

  IndexSource index_;
  QLineEdit* query_;
  QListWidget* results_;
  QLabel* status_;
  QStringList words_;
};

}  // namespace solvanex::help
