// The contents (.hhc) and index (.hhk) files of a compiled help file: HTML lists in which each
// item is an <OBJECT type="text/sitemap"> with a "Name" and a "Local" parameter, and a nested
// <UL> holds the items under the one before it.
#pragma once

#include <QString>

#include <cstddef>
#include <vector>

namespace solvanex::help {

struct SitemapEntry {
  QString name;   // the text shown in the tree
  QString local;  // the topic, relative to the help file's root; may be empty for a heading
  std::vector<SitemapEntry> children;
};

// How deep a tree read from a help file may go: a contents file needs a handful of levels, and
// everything that walks the tree stays within this depth. Items listed deeper join the deepest
// level allowed.
inline constexpr int kMaxSitemapDepth = 32;

// Reads a sitemap in time linear in its length. Tolerant of what help authors write: tags and
// attribute names in any letter case, quoted or bare attribute values, missing </LI>, unbalanced
// </UL>, comments. Objects of another type, and items without a name, are left out.
std::vector<SitemapEntry> ParseSitemap(const QString& html);

// The first topic of the tree in reading order, or empty. Walks the tree without recursion.
QString FirstTopic(const std::vector<SitemapEntry>& entries);

// The number of levels of the tree (0 for an empty one), counted without recursion.
int SitemapDepth(const std::vector<SitemapEntry>& entries);

// Calls visit(entry, depth) on every entry in reading order, depth 1 for the top level, until
// visit returns true. The pending lists live on the heap, so depth costs no stack.
template <typename Visit>
void WalkSitemap(const std::vector<SitemapEntry>& entries, Visit visit) {
  struct Position {
    const std::vector<SitemapEntry>* list;
    std::size_t next;
  };
  std::vector<Position> path{{&entries, 0}};
  while (!path.empty()) {
    Position& position = path.back();
    if (position.next == position.list->size()) {
      path.pop_back();
      continue;
    }
    const SitemapEntry& entry = (*position.list)[position.next++];
    if (visit(entry, static_cast<int>(path.size()))) return;
    if (!entry.children.empty()) path.push_back({&entry.children, 0});
  }
}

}  // namespace solvanex::help
