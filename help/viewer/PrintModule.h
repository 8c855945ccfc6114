// PrintModule: finds the printing module hhprint.so beside the module this code is linked into
// (hhctrl.so, or a test program), loads it at the first printing and hands out its entry.
#pragma once

class QTextDocument;
class QWidget;

namespace solvanex::help {

using PrintEntry = void (*)(QWidget* parent, const QTextDocument* document);

// The printing entry: the one set by SetPrintEntry, else the printing module's, loaded now if it
// is not yet; null when the module cannot be found or loaded.
PrintEntry LoadPrintEntry();

// Puts entry in place of the printing module (a program that links printing in directly).
void SetPrintEntry(PrintEntry entry);

}  // namespace solvanex::help
