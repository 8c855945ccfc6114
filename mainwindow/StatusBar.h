// TStatusBar: the status bar along the bottom of the window, made of panels side by side; each
// panel but the last has a fixed width, the last takes what is left.
#pragma once

#include <QFrame>
#include <QList>
#include <QRect>
#include <QString>

class QLabel;

namespace solvanex {

class TStatusBar : public QFrame {
  Q_OBJECT

 public:
  // widths: the width of every panel but the last.
  TStatusBar(const QList<int>& widths, QWidget* parent = nullptr);

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  QString PanelText(int index) const;
  void SetPanelText(int index, const QString& text);
  QLabel* Panel(int index) const { return panels_.value(index); }

  // Moves and sizes the control and lays out its parts at once, also before it is shown (a
  // hidden widget gets its resize event only when it is shown).
  void SetBounds(const QRect& bounds);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlacePanels();
  void FitPanel(QLabel* panel);

  QList<int> widths_;
  QList<QLabel*> panels_;
};

}  // namespace solvanex
