#include "HelpPrint.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QTranslator>

namespace solvanex::help {

namespace {

// Qt's own French texts for the time a standard dialog is open, so that the print dialog speaks
// the language of the help window. Without Qt's translations installed, the dialog stays in
// English.
class QtFrenchWhileOpen {
 public:
  QtFrenchWhileOpen() {
    installed_ =
        translator_.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&translator_);
  }
  ~QtFrenchWhileOpen() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
  }
  QtFrenchWhileOpen(const QtFrenchWhileOpen&) = delete;
  QtFrenchWhileOpen& operator=(const QtFrenchWhileOpen&) = delete;

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace

void AskAndPrint(QWidget* parent, const QTextDocument& document) {
  QPrinter printer(QPrinter::HighResolution);
  const QtFrenchWhileOpen french;
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimer la page"));
  if (dialog.exec() != QDialog::Accepted || PrintTo(printer, document)) return;
  QMessageBox::warning(parent, QStringLiteral("Imprimer la page"),
                       QStringLiteral("L'impression de la page a échoué : l'imprimante ou le "
                                      "fichier choisi n'a pas pu recevoir la page."));
}

bool PrintTo(QPrinter& printer, const QTextDocument& document) {
  printer.setDocName(document.metaInformation(QTextDocument::DocumentTitle));
  document.print(&printer);
  return printer.printerState() != QPrinter::Error;
}

}  // namespace solvanex::help

extern "C" void SolvanexHelpPrint(QWidget* parent, const QTextDocument* document) {
  if (document == nullptr) return;
  try {
    solvanex::help::AskAndPrint(parent, *document);
  } catch (...) {
    // Nothing may cross into a caller that loaded the module by name.
  }
}
