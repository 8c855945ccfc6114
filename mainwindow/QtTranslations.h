// Qt's own texts in French: the display's context menu, the buttons of the standard dialogs. The
// program's interface is French throughout, whatever the user's locale.
#pragma once

class QCoreApplication;

namespace solvanex {

// Installs Qt's French translations (qtbase_fr.qm from the translations folder of the Qt build the
// program runs on) into application. False, silently, when they are not installed: Qt's texts
// then stay in English.
bool InstallFrenchQtTranslations(QCoreApplication& application);

}  // namespace solvanex
