// TRadioGroup: a framed group of radio buttons without a title, its items side by side in
// columns. ItemIndex is the checked item, -1 when none is.
#pragma once

#include <QFont>
#include <QGroupBox>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStringList>

class QRadioButton;
class QButtonGroup;

namespace solvanex {

class TRadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  TRadioGroup(const QStringList& items, int columns, QWidget* parent = nullptr);

  int ItemIndex() const;
  void SetItemIndex(int index);
  const QList<QRadioButton*>& Buttons() const { return buttons_; }

  // Moves and sizes the control and lays out its parts at once, also before it is shown (a
  // hidden widget gets its resize event only when it is shown).
  void SetBounds(const QRect& bounds);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceButtons();
  // Indicator, spacing and text of one item in font.
  int NeededWidth(const QRadioButton* button, const QFont& font) const;
  // The widest item of each column in font.
  QList<int> NeededWidths(const QFont& font) const;
  // The font the items are drawn in for a group innerWidth pixels wide inside its frame, with
  // the width each column needs in it.
  QFont ItemFont(int innerWidth, QList<int>* needed) const;

  QButtonGroup* group_;
  QList<QRadioButton*> buttons_;
  QSize placedFor_;  // the size the items were last placed for
  int columns_;
};

}  // namespace solvanex
