// libFuzzer target over the decoding of a help file's texts: bytes in UTF-8 or Windows-1252, then
// HTML character references, and the topic links found in pages. Decoding never lengthens the
// text, gives the same result twice, and is linear in the input's size.
#include <QByteArray>
#include <QUrl>

#include <cstddef>
#include <cstdint>

#include "ChmArchive.h"
#include "ChmText.h"
#include "HelpBook.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace solvanex;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QString text;
  QString decoded;
  {
    const fuzzing::LinearTimeBudget budget(size, 20'000);
    text = help::DecodeHelpText(bytes);
    decoded = help::DecodeHtmlEntities(text);
  }
  SOLVANEX_FUZZ_CHECK(text.size() <= bytes.size());
  SOLVANEX_FUZZ_CHECK(decoded.size() <= text.size());
  SOLVANEX_FUZZ_CHECK(help::DecodeHelpText(bytes) == text);
  SOLVANEX_FUZZ_CHECK(help::DecodeHtmlEntities(text) == decoded);
  // A link of a page: its archive path is absolute and never climbs above the root.
  {
    const fuzzing::LinearTimeBudget budget(size, 20'000);
    const QString path = help::NormalizeArchivePath(decoded);
    SOLVANEX_FUZZ_CHECK(path.startsWith(u'/'));
    SOLVANEX_FUZZ_CHECK(!path.contains(u"/../") && !path.endsWith(u"/.."));
    SOLVANEX_FUZZ_CHECK(path.size() <= decoded.size() + 1);
    const QUrl url = help::TopicUrl(decoded);
    (void)url;
  }
  return 0;
}
