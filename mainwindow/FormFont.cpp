#include "mainwindow/FormFont.h"

#include <QStringList>

namespace solvanex {

QFont FormFont() {
  QFont font;
  // In order of likeness to the classic dialog font; Qt takes the first one installed. The
  // narrow Helvetica-like faces keep "Retour arrière" inside its 94-pixel button.
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("Arial"),
                    QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kFormFontPixels);
  return font;
}

}  // namespace solvanex
