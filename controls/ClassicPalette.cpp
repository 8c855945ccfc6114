#include "controls/ClassicPalette.h"

#include <QColor>

namespace solvanex {

QPalette ClassicPalette() {
  // Built from the light grey face, as the toolkit builds its own light palette: white edit
  // fields, black texts, bevels lighter and darker than the face.
  const QColor face(239, 239, 239);
  QPalette palette(face);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Window, face);
    palette.setColor(group, QPalette::Button, face);
    palette.setColor(group, QPalette::Base, Qt::white);
    palette.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(group, QPalette::WindowText, Qt::black);
    palette.setColor(group, QPalette::ButtonText, Qt::black);
    palette.setColor(group, QPalette::Text, Qt::black);
    palette.setColor(group, QPalette::BrightText, Qt::white);
    palette.setColor(group, QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(group, QPalette::HighlightedText, Qt::white);
    palette.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(group, QPalette::ToolTipText, Qt::black);
    palette.setColor(group, QPalette::Link, QColor(0, 0, 255));
    palette.setColor(group, QPalette::LinkVisited, QColor(255, 0, 255));
    palette.setColor(group, QPalette::PlaceholderText, QColor(0, 0, 0, 128));
  }
  const QColor grey(190, 190, 190);
  palette.setColor(QPalette::Disabled, QPalette::Window, face);
  palette.setColor(QPalette::Disabled, QPalette::Button, face);
  palette.setColor(QPalette::Disabled, QPalette::Base, face);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, grey);
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, grey);
  palette.setColor(QPalette::Disabled, QPalette::Text, grey);
  palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
  palette.setColor(QPalette::Disabled, QPalette::HighlightedText, Qt::white);
  return palette;
}

}  // namespace solvanex
