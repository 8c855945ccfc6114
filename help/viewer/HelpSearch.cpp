#include "HelpSearch.h"

#include "ChmArchive.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <map>

namespace solvanex::help {

namespace {

bool IsMark(QChar c) {
  const QChar::Category category = c.category();
  return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
         category == QChar::Mark_Enclosing;
}

void AppendFolded(QChar c, QString& out) {
  const char16_t code = c.unicode();
  if (code < 0x80) {
    out += (code >= u'A' && code <= u'Z') ? QChar(char16_t(code + 32)) : c;
    return;
  }
  if (code == u'œ' || code == u'Œ') {
    out += u"oe";
    return;
  }
  if (code == u'æ' || code == u'Æ') {
    out += u"ae";
    return;
  }
  const QString decomposed = QString(c).normalized(QString::NormalizationForm_KD);
  for (const QChar part : decomposed) {
    if (!IsMark(part)) out += QString(part).toCaseFolded();
  }
}

bool IsWordChar(QChar c) {
  return c.isLetterOrNumber();
}

// Whether some word of the sorted list begins with prefix, and how many times such words
// occur.
int PrefixCount(const std::vector<std::pair<QString, int>>& words, const QString& prefix) {
  auto it =
      std::lower_bound(words.begin(), words.end(), prefix,
                       [](const auto& entry, const QString& key) { return entry.first < key; });
  int count = 0;
  for (; it != words.end() && it->first.startsWith(prefix); ++it) count += it->second;
  return count;
}

bool HasWordStartingWith(const QString& folded, const QString& prefix) {
  for (const auto& [start, length] : SearchWords(folded)) {
    if (QStringView(folded).mid(start, length).startsWith(prefix)) return true;
  }
  return false;
}

}  // namespace

QString FoldForSearch(QStringView text, std::vector<qsizetype>* origins) {
  QString folded;
  folded.reserve(text.size());
  if (origins) {
    origins->clear();
    origins->reserve(text.size());
  }
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype before = folded.size();
    AppendFolded(text[i], folded);
    if (origins) origins->insert(origins->end(), folded.size() - before, i);
  }
  return folded;
}

std::vector<std::pair<qsizetype, qsizetype>> SearchWords(QStringView folded) {
  std::vector<std::pair<qsizetype, qsizetype>> words;
  qsizetype i = 0;
  const qsizetype size = folded.size();
  while (i < size) {
    if (!IsWordChar(folded[i])) {
      ++i;
      continue;
    }
    const qsizetype start = i;
    while (i < size) {
      if (IsWordChar(folded[i])) {
        ++i;
      } else if ((folded[i] == u',' || folded[i] == u'.') && i + 1 < size &&
                 folded[i - 1].isDigit() && folded[i + 1].isDigit()) {
        ++i;
      } else {
        break;
      }
    }
    words.emplace_back(start, i - start);
  }
  return words;
}

QStringList QueryWords(const QString& query) {
  const QString folded = FoldForSearch(query);
  QStringList words;
  for (const auto& [start, length] : SearchWords(folded)) {
    const QString word = folded.mid(start, length);
    if (!words.contains(word)) words.append(word);
  }
  return words;
}

HelpSearchIndex HelpSearchIndex::Build(const ChmArchive& archive) {
  HelpSearchIndex index;
  for (const QString& path : archive.Files()) {
    if (!path.endsWith(u".html", Qt::CaseInsensitive) &&
        !path.endsWith(u".htm", Qt::CaseInsensitive)) {
      continue;
    }
    const std::optional<QByteArray> data = archive.Read(path);
    if (!data) continue;
    QStringDecoder decoder = QStringDecoder::decoderForHtml(*data);
    if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
    // The same reading of the HTML as the page pane's, so that what is found is what shows.
    QTextDocument document;
    document.setHtml(decoder.decode(*data));
    const QString title = document.metaInformation(QTextDocument::DocumentTitle).trimmed();
    index.AddPage(path, title.isEmpty() ? path : title, document.toPlainText());
  }
  return index;
}

void HelpSearchIndex::AddPage(const QString& path, const QString& title, const QString& text) {
  Page page{path, title, FoldForSearch(title), {}};
  std::map<QString, int> counts;
  const QString folded = FoldForSearch(title + u'\n' + text);
  for (const auto& [start, length] : SearchWords(folded)) ++counts[folded.mid(start, length)];
  page.words.assign(counts.begin(), counts.end());
  pages_.push_back(std::move(page));
}

std::vector<HelpSearchIndex::Hit> HelpSearchIndex::Find(const QString& query) const {
  const QStringList words = QueryWords(query);
  if (words.isEmpty()) return {};
  struct Ranked {
    const Page* page;
    int inTitle;
    int matches;
  };
  std::vector<Ranked> ranked;
  for (const Page& page : pages_) {
    Ranked entry{&page, 0, 0};
    bool all = true;
    for (const QString& word : words) {
      const int count = PrefixCount(page.words, word);
      if (count == 0) {
        all = false;
        break;
      }
      entry.matches += count;
      if (HasWordStartingWith(page.foldedTitle, word)) ++entry.inTitle;
    }
    if (all) ranked.push_back(entry);
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    if (a.inTitle != b.inTitle) return a.inTitle > b.inTitle;
    if (a.matches != b.matches) return a.matches > b.matches;
    return a.page->title.localeAwareCompare(b.page->title) < 0;
  });
  std::vector<Hit> hits;
  hits.reserve(ranked.size());
  for (const Ranked& entry : ranked) hits.push_back({entry.page->path, entry.page->title});
  return hits;
}

std::vector<QTextCursor> FindWordMatches(QTextDocument* document, const QStringList& words) {
  std::vector<QTextCursor> matches;
  if (words.isEmpty()) return matches;
  std::vector<qsizetype> origins;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    const QString folded = FoldForSearch(text, &origins);
    for (const auto& [start, length] : SearchWords(folded)) {
      const QStringView word = QStringView(folded).mid(start, length);
      for (const QString& query : words) {
        if (!word.startsWith(query)) continue;
        const qsizetype from = origins[start];
        const qsizetype to = origins[start + query.size() - 1] + 1;
        QTextCursor cursor(document);
        cursor.setPosition(block.position() + from);
        cursor.setPosition(block.position() + to, QTextCursor::KeepAnchor);
        matches.push_back(cursor);
        break;
      }
    }
  }
  return matches;
}

}  // namespace solvanex::help
