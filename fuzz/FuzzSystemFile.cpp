// libFuzzer target over the reader of a help file's "#SYSTEM" object. Every text it yields lies
// within the input, reading twice gives the same, and reading is linear in the input's size.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "SystemFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace solvanex;
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  help::SystemInfo info;
  {
    const fuzzing::LinearTimeBudget budget(size, 20'000);
    info = help::ParseSystemFile(bytes);
  }
  for (const QString* text :
       {&info.contentsFile, &info.indexFile, &info.defaultTopic, &info.title}) {
    SOLVANEX_FUZZ_CHECK(text->size() <= bytes.size());
  }
  const help::SystemInfo again = help::ParseSystemFile(bytes);
  SOLVANEX_FUZZ_CHECK(info.contentsFile == again.contentsFile &&
                      info.indexFile == again.indexFile &&
                      info.defaultTopic == again.defaultTopic && info.title == again.title);
  return 0;
}
