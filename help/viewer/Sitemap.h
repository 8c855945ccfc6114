// The contents (.hhc) and index (.hhk) files of a compiled help file: HTML lists in which each
// item is an <OBJECT type="text/sitemap"> with a "Name" and a "Local" parameter, and a nested
// <UL> holds the items under the one before it.
#pragma once

#include <QString>

#include <vector>

namespace solvanex::help {

struct SitemapEntry {
  QString name;   // the text shown in the tree
  QString local;  // the topic, relative to the help file's root; may be empty for a heading
  std::vector<SitemapEntry> children;
};

// Reads a sitemap. Tolerant of what help authors write: tags and attribute names in any letter
// case, quoted or bare attribute values, missing </LI>, unbalanced </UL>, comments. Objects of
// another type, and items without a name, are left out.
std::vector<SitemapEntry> ParseSitemap(const QString& html);

// The first topic of the tree in reading order, or empty.
QString FirstTopic(const std::vector<SitemapEntry>& entries);

}  // namespace solvanex::help
