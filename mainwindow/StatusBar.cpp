#include "mainwindow/StatusBar.h"

#include <QLabel>

#include "controls/TextFit.h"

namespace solvanex {

namespace {
constexpr int kPanelGap = 2;  // between two panels, and above them
}  // namespace

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
  int x = 0;
  const int panelHeight = height() - kPanelGap;
  for (int i = 0; i < panels_.size(); ++i) {
    const bool last = i == panels_.size() - 1;
    const int width = last ? this->width() - x : widths_[i] - kPanelGap;
    panels_[i]->setGeometry(x, kPanelGap, width < 0 ? 0 : width, panelHeight < 0 ? 0 : panelHeight);
    FitPanel(panels_[i]);
    x += last ? 0 : widths_[i];
  }
}

}  // namespace solvanex
