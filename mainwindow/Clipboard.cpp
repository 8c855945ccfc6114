#include "mainwindow/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "controls/AlignEdit.h"

namespace solvanex {

void CopyDisplay(TAlignEdit& display) {
  display.SelectAll();
  display.CopyToClipboard();
}

void PasteIntoDisplay(TAlignEdit& display) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  // An empty text counts as no text: pasting it would only wipe the display.
  if (data == nullptr || !data->hasText() || data->text().isEmpty()) return;
  // The display is read-only to the user; only this command writes into it, and only for the
  // length of the paste.
  display.SetReadOnly(false);
  display.Clear();
  display.PasteFromClipboard();
  display.SetReadOnly(true);
}

}  // namespace solvanex
