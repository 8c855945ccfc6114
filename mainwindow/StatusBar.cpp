#include "mainwindow/StatusBar.h"

#include <QLabel>

#include <span>
#include <vector>

#include "controls/FormTypes.h"
#include "controls/TextFit.h"
#include "form/Layout.h"

namespace solvanex {

TStatusBar::TStatusBar(const QList<int>& widths, QWidget* parent)
    : QFrame(parent), widths_(widths) {
  for (int i = 0; i <= widths_.size(); ++i) {
    auto* panel = new QLabel(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setIndent(2);
    // A long hint is cut at the panel's edge; the panel never grows into its neighbour.
    panel->setTextFormat(Qt::PlainText);
    panel->setWordWrap(false);
    panels_.append(panel);
  }
  PlacePanels();
}

QString TStatusBar::PanelText(int index) const {
  const QLabel* panel = panels_.value(index);
  return panel != nullptr ? panel->text() : QString();
}

void TStatusBar::SetPanelText(int index, const QString& text) {
  if (QLabel* panel = panels_.value(index)) {
    panel->setText(text);
    panel->setAccessibleName(text);
    FitPanel(panel);
  }
}

void TStatusBar::FitPanel(QLabel* panel) {
  // Each text is shown whole: in a face wider than the one the panels were sized for, a long
  // hint is drawn smaller. The bar's own font is where every fitting starts.
  const int room = panel->contentsRect().width() - panel->indent();
  FitWidgetFont(panel, font(), panel->text(), room);
}

void TStatusBar::SetBounds(const QRect& bounds) {
  setGeometry(bounds);
  PlacePanels();
}

void TStatusBar::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  PlacePanels();
}

void TStatusBar::PlacePanels() {
  const std::vector<form::Rect> places = form::PanelRects(
      std::span<const int>(widths_.constData(), static_cast<std::size_t>(widths_.size())),
      {width(), height()});
  for (int i = 0; i < panels_.size(); ++i) {
    panels_[i]->setGeometry(ToQRect(places[static_cast<std::size_t>(i)]));
    FitPanel(panels_[i]);
  }
}

}  // namespace solvanex
