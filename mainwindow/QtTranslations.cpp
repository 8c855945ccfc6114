#include "mainwindow/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace solvanex {

bool InstallFrenchQtTranslations(QCoreApplication& application) {
  // Owned by the application, so it lives exactly as long as the texts it translates.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_fr"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}

}  // namespace solvanex
