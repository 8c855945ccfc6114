// What a compiled help file says about itself in its "#SYSTEM" object: the title for the window
// caption, the topic to open first, the names of its contents and index files, and its
// language.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

namespace solvanex::help {

struct SystemInfo {
  QString contentsFile;    // code 0, e.g. "Solvanex.hhc"
  QString indexFile;       // code 1, e.g. "Solvanex.hhk"
  QString defaultTopic;    // code 2, e.g. "index.html"
  QString title;           // code 3, e.g. "Aide de Solvanex"
  std::uint32_t lcid = 0;  // code 4's first field, e.g. 0x040C (French); 0 when absent
};

// Reads the "#SYSTEM" object: a 32-bit version, then records of a 16-bit code, a 16-bit length
// and that many bytes, all little-endian. Reading stops at the first record that does not fit,
// so a damaged object gives what came before it; unknown codes are skipped. Texts are read as
// DecodeHelpText (ChmText.h) reads them in the file's language, wherever its record stands.
SystemInfo ParseSystemFile(const QByteArray& data);

}  // namespace solvanex::help
