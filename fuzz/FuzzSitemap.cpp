// libFuzzer target over the contents and index (sitemap) reader of the help viewer: bytes as a
// help file holds them, decoded and parsed. The tree stays within the depth cap and the input,
// reading twice gives the same tree, and reading is linear in the input's size.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "ChmText.h"
#include "Sitemap.h"
#include "fuzz/ViewerFuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace solvanex;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString text;
  std::vector<help::SitemapEntry> tree;
  {
    const fuzzing::LinearTimeBudget budget(size, 20'000);
    text = help::DecodeSitemapText(bytes, 0x040C);
    tree = help::ParseSitemap(text);
  }
  fuzzing::CheckTree(tree, text.size());
  SOLVANEX_FUZZ_CHECK(fuzzing::Flatten(tree) == fuzzing::Flatten(help::ParseSitemap(text)));
  return 0;
}
