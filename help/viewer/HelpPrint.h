// HelpPrint: printing of a help page, through the print dialog or straight onto a printer. It
// lives in a module of its own, hhprint.so, that the help window loads at its first printing:
// the print support and its libraries then stay out of every program start.
#pragma once

class QPrinter;
class QTextDocument;
class QWidget;

namespace solvanex::help {

// Asks for a printer in the print dialog (parent's modal child, in French while it is open) and
// prints document on it; tells the user, in a box, when the printing fails.
void AskAndPrint(QWidget* parent, const QTextDocument& document);

// Prints document on printer, the job named after the document's title; false when the printer
// reports an error (it could not be opened, or the job failed).
bool PrintTo(QPrinter& printer, const QTextDocument& document);

}  // namespace solvanex::help

// The module's one exported entry: AskAndPrint, callable from code that only loads the module.
extern "C" __attribute__((visibility("default"))) void SolvanexHelpPrint(
    QWidget* parent, const QTextDocument* document);
