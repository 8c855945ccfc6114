// Helpers of the fuzz targets over the help viewer's readers: a contents tree flattened without
// recursion, so that two readings can be compared and bounds checked however deep the tree is.
#pragma once

#include <QString>

#include <vector>

#include "Sitemap.h"
#include "fuzz/FuzzSupport.h"

namespace solvanex::fuzzing {

// Every entry in reading order, each with its depth (1 for the top level).
struct FlatEntry {
  int depth;
  QString name;
  QString local;
  bool operator==(const FlatEntry&) const = default;
};

inline std::vector<FlatEntry> Flatten(const std::vector<help::SitemapEntry>& entries) {
  std::vector<FlatEntry> flat;
  help::WalkSitemap(entries, [&flat](const help::SitemapEntry& entry, int depth) {
    flat.push_back({depth, entry.name, entry.local});
    return false;
  });
  return flat;
}

// A tree read from textSize characters: no deeper than the cap, every text within the input,
// and its first topic the first page listed.
inline void CheckTree(const std::vector<help::SitemapEntry>& tree, qsizetype textSize) {
  const std::vector<FlatEntry> flat = Flatten(tree);
  QString firstLocal;
  for (const FlatEntry& entry : flat) {
    SOLVANEX_FUZZ_CHECK(entry.depth >= 1 && entry.depth <= help::kMaxSitemapDepth);
    SOLVANEX_FUZZ_CHECK(!entry.name.isEmpty());
    SOLVANEX_FUZZ_CHECK(entry.name.size() <= textSize && entry.local.size() <= textSize);
    if (firstLocal.isEmpty()) firstLocal = entry.local;
  }
  // An item needs at least "<object></object>": the item count is bounded by the text's size.
  SOLVANEX_FUZZ_CHECK(static_cast<qsizetype>(flat.size()) * 17 <= textSize);
  SOLVANEX_FUZZ_CHECK(help::FirstTopic(tree) == firstLocal);
}

}  // namespace solvanex::fuzzing
