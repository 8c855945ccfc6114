#include "mainwindow/Startup.h"

#include <cstdlib>
#include <ostream>

#include "calculator/KeySession.h"
#include "clinical/Keypad.h"

namespace solvanex {

char DecimalSeparatorOf(const QLocale& locale) {
  const QString point = locale.decimalPoint();
  if (point.size() == 1 && point[0].unicode() > 0x20 && point[0].unicode() < 0x7f) {
    return static_cast<char>(point[0].unicode());
  }
  return '.';
}

Environment ProcessEnvironment() {
  return [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value != nullptr ? value : "");
  };
}

bool DisplayAvailable(const Environment& environment, bool x11OrWaylandSystem) {
  return !x11OrWaylandSystem || !environment("DISPLAY").empty() ||
         !environment("WAYLAND_DISPLAY").empty() || !environment("QT_QPA_PLATFORM").empty();
}

int RunHeadlessExample(std::ostream& out, char decimalSeparator) {
  out << "Solvanex 1.0 : aucun écran disponible (ni DISPLAY, ni WAYLAND_DISPLAY, ni "
         "QT_QPA_PLATFORM), la fenêtre ne peut pas s'ouvrir.\n"
         "Solvanex 1.0: no display available (no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM), "
         "the window cannot open.\n"
         "Exemple / example: indice de masse corporelle, 70 kg, 1"
      << decimalSeparator << "75 m (7 0 P 1 " << decimalSeparator << " 7 5 =)\n";
  KeySession session(decimalSeparator, Keypad(), ClinicalFormulas());
  for (const char* key : {"SpeedButton7", "SpeedButton0", "IMC", "SpeedButton1", "Virgule",
                          "SpeedButton7", "SpeedButton5", "Egal"}) {
    if (!session.Perform(key)) {
      out << "touche inconnue / unknown key: " << key << '\n';
      return 1;
    }
  }
  if (session.LastError()) {
    out << *session.LastError() << '\n';
    return 1;
  }
  out << session.View().display << '\n';
  return 0;
}

}  // namespace solvanex
