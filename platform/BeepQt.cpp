#include <QApplication>

#include "platform/BeepSound.h"

namespace solvanex::platform {

// Qt has a single beep, whatever the type; without a widget application there is no one to hear.
void PlayBeepSound(unsigned /*type*/) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) QApplication::beep();
}

}  // namespace solvanex::platform
