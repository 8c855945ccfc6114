// TFAbout: the About dialog. It shows the product name, version and copyright line that the
// About box gives it, and the machine's total physical memory and free share, read anew each
// time a dialog is created. Every creation beeps.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "form/About.h"
#include "platform/MemoryStatus.h"

class QLabel;
class QPushButton;

namespace solvanex {

class TLine;

// Where the dialog reads the memory figures; tests put fixed figures in.
using MemoryStatusSource = std::function<platform::MemoryStatus()>;

class TFAbout : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = form::about::kClientSize.width;
  static constexpr int kClientHeight = form::about::kClientSize.height;

  // Throws what the memory source throws; nothing is shown then.
  explicit TFAbout(MemoryStatusSource memoryStatus = platform::GlobalMemoryStatus,
                   QWidget* parent = nullptr);

  // Label1, Label2 and Label3, each sized to its text.
  void ShowTexts(const QString& productName, const QString& version, const QString& copyright);

 private:
  void FormCreate();
  void Button1Click();

  MemoryStatusSource memoryStatus_;
  QPushButton* button1_;
  QLabel* image1_;
  QLabel* lblPhysMem_;
  QLabel* lblPhysRes_;
  TLine* line1_;
  TLine* line2_;
  QLabel* label1_;
  QLabel* label2_;
  QLabel* label3_;
};

}  // namespace solvanex
