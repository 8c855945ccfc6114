// What a compiled help file says about itself in its "#SYSTEM" object: the title for the window
// caption, the topic to open first, and the names of its contents and index files.
#pragma once

#include <QByteArray>
#include <QString>

namespace solvanex::help {

struct SystemInfo {
  QString contentsFile;  // code 0, e.g. "Solvanex.hhc"
  QString indexFile;     // code 1, e.g. "Solvanex.hhk"
  QString defaultTopic;  // code 2, e.g. "index.html"
  QString title;         // code 3, e.g. "Aide de Solvanex"
};

// Reads the "#SYSTEM" object: a 32-bit version, then records of a 16-bit code, a 16-bit length
// and that many bytes, all little-endian. Reading stops at the first record that does not fit,
// so a damaged object gives what came before it; unknown codes are skipped.
SystemInfo ParseSystemFile(const QByteArray& data);

}  // namespace solvanex::help
