#include "mainwindow/ErrorBox.h"

#include <QMessageBox>

#include "controls/ClassicPalette.h"

namespace solvanex {

void ShowModalErrorBox(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  // Light and black, as the window it belongs to, whatever the desktop's colour scheme.
  box.setPalette(ClassicPalette());
  box.exec();
}

}  // namespace solvanex
