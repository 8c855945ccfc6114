// Full-text search of a help file: the text of every page, folded so that letter case and
// accents do not count ("creatinine" finds "Créatinine"), and the pages that hold all the
// words of a query. A query word matches the words of a page that begin with it.
#pragma once

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

class QTextDocument;
class QTextCursor;

namespace solvanex::help {

class ChmArchive;

// The text folded for comparison: compatibility decomposition, accents and other combining
// marks dropped, case folded, "œ" and "æ" written out. origins, when given, receives for each
// folded character the index of the character of text it comes from.
QString FoldForSearch(QStringView text, std::vector<qsizetype>* origins = nullptr);

// The words of a folded text, as (start, length): runs of letters and digits, a ',' or '.'
// between two digits included ("5,56").
std::vector<std::pair<qsizetype, qsizetype>> SearchWords(QStringView folded);

// The distinct folded words of a query, in the order typed.
QStringList QueryWords(const QString& query);

class HelpSearchIndex {
 public:
  struct Hit {
    QString path;   // archive path of the page
    QString title;  // the page's title, else its path
  };

  // The index of every HTML page of the archive, read as the page pane shows it.
  static HelpSearchIndex Build(const ChmArchive& archive);

  void AddPage(const QString& path, const QString& title, const QString& text);

  // The pages that hold every word of the query, those that hold the words in their title
  // first, then by the number of matches; nothing for a query without words.
  std::vector<Hit> Find(const QString& query) const;

  qsizetype PageCount() const { return static_cast<qsizetype>(pages_.size()); }

 private:
  struct Page {
    QString path;
    QString title;
    QString foldedTitle;
    std::vector<std::pair<QString, int>> words;  // folded word and count, sorted
  };
  std::vector<Page> pages_;
};

// The stretches of the document where a word begins with one of the folded query words, in
// document order.
std::vector<QTextCursor> FindWordMatches(QTextDocument* document, const QStringList& words);

}  // namespace solvanex::help
