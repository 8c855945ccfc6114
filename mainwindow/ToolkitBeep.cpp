#include "mainwindow/ToolkitBeep.h"

#include <QApplication>

#include "platform/Beep.h"

namespace solvanex {

void UseToolkitBeep() {
#ifndef _WIN32
  // Qt has a single beep, whatever the type; without a widget application there is no one to
  // hear.
  platform::SetBeepSound([](unsigned /*type*/) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) QApplication::beep();
  });
#endif
}

}  // namespace solvanex
