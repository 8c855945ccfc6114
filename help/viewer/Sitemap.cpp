#include "Sitemap.h"

#include "ChmText.h"

#include <QHash>

#include <algorithm>

namespace solvanex::help {

namespace {

struct Tag {
  QString name;                        // lower case, with a leading '/' for a closing tag
  QHash<QString, QString> attributes;  // names in lower case, values decoded
};

bool IsSpace(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Reads the tag whose '<' is at `at`; `end` receives the position after its '>'.
Tag ReadTag(const QString& html, qsizetype at, qsizetype& end) {
  Tag tag;
  qsizetype i = at + 1;
  const qsizetype size = html.size();
  const qsizetype nameStart = i;
  while (i < size && !IsSpace(html[i]) && html[i] != u'>') ++i;
  tag.name = html.mid(nameStart, i - nameStart).toLower();
  if (tag.name.endsWith(u'/')) tag.name.chop(1);
  while (i < size && html[i] != u'>') {
    while (i < size && (IsSpace(html[i]) || html[i] == u'/')) ++i;
    const qsizetype attributeStart = i;
    while (i < size && !IsSpace(html[i]) && html[i] != u'=' && html[i] != u'>') ++i;
    const QString attribute = html.mid(attributeStart, i - attributeStart).toLower();
    while (i < size && IsSpace(html[i])) ++i;
    QString value;
    if (i < size && html[i] == u'=') {
      ++i;
      while (i < size && IsSpace(html[i])) ++i;
      if (i < size && (html[i] == u'"' || html[i] == u'\'')) {
        const QChar quote = html[i];
        const qsizetype close = html.indexOf(quote, i + 1);
        const qsizetype valueEnd = close < 0 ? size : close;
        value = html.mid(i + 1, valueEnd - i - 1);
        i = close < 0 ? size : close + 1;
      } else {
        const qsizetype valueStart = i;
        while (i < size && !IsSpace(html[i]) && html[i] != u'>') ++i;
        value = html.mid(valueStart, i - valueStart);
      }
    }
    if (!attribute.isEmpty()) tag.attributes.insert(attribute, DecodeHtmlEntities(value));
    if (i == attributeStart) ++i;  // a stray character: never loop on it
  }
  end = i < size ? i + 1 : size;
  return tag;
}

}  // namespace

std::vector<SitemapEntry> ParseSitemap(const QString& html) {
  std::vector<SitemapEntry> root;
  // The lists being filled, innermost last, with their depth in the tree and the number of
  // further <UL> that opened no new level (a list without an item before it, or one beyond
  // kMaxSitemapDepth). Only the innermost list grows, so the pointers to the outer ones stay
  // valid; the stack never holds more than kMaxSitemapDepth entries.
  struct Level {
    std::vector<SitemapEntry>* list;
    int depth;
    qsizetype repeats;
  };
  std::vector<Level> lists{{&root, 1, 0}};
  bool inItem = false;
  SitemapEntry item;

  qsizetype at = html.indexOf(u'<');
  while (at >= 0) {
    if (QStringView(html).mid(at).startsWith(u"<!--")) {
      const qsizetype close = html.indexOf(u"-->", at + 4);
      if (close < 0) break;
      at = html.indexOf(u'<', close + 3);
      continue;
    }
    qsizetype end = at;
    const Tag tag = ReadTag(html, at, end);
    if (tag.name == u"ul") {
      Level& current = lists.back();
      // A list right after an item holds its children; a list without one stays at this level.
      if (current.list->empty() || current.depth >= kMaxSitemapDepth) {
        ++current.repeats;
      } else {
        lists.push_back({&current.list->back().children, current.depth + 1, 0});
      }
    } else if (tag.name == u"/ul") {
      if (lists.back().repeats > 0) {
        --lists.back().repeats;
      } else if (lists.size() > 1) {
        lists.pop_back();
      }
    } else if (tag.name == u"object") {
      inItem = tag.attributes.value(QStringLiteral("type"))
                   .compare(u"text/sitemap", Qt::CaseInsensitive) == 0;
      item = SitemapEntry{};
    } else if (tag.name == u"param" && inItem) {
      const QString name = tag.attributes.value(QStringLiteral("name")).toLower();
      const QString value = tag.attributes.value(QStringLiteral("value"));
      // An index keyword may list several topics; the first one is the one opened.
      if (name == u"name" && item.name.isEmpty()) item.name = value.trimmed();
      if (name == u"local" && item.local.isEmpty()) item.local = value.trimmed();
    } else if (tag.name == u"/object") {
      if (inItem && !item.name.isEmpty()) lists.back().list->push_back(std::move(item));
      inItem = false;
      item = SitemapEntry{};
    }
    at = html.indexOf(u'<', end);
  }
  return root;
}

QString FirstTopic(const std::vector<SitemapEntry>& entries) {
  QString topic;
  WalkSitemap(entries, [&topic](const SitemapEntry& entry, int) {
    topic = entry.local;
    return !topic.isEmpty();
  });
  return topic;
}

int SitemapDepth(const std::vector<SitemapEntry>& entries) {
  int depth = 0;
  WalkSitemap(entries, [&depth](const SitemapEntry&, int level) {
    depth = std::max(depth, level);
    return false;
  });
  return depth;
}

}  // namespace solvanex::help
