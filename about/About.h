// TAboutBox: the main window's About component. It holds the product name, version and copyright
// line, and Execute() shows them in a fresh About dialog, modally.
#pragma once

#include <QObject>
#include <QString>

#include "about/FAbout.h"

namespace solvanex {

class TAboutBox : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMaxLength = form::about::kMaxLength;  // longer texts are cut, not refused

  explicit TAboutBox(QObject* parent = nullptr);

  static QString DefaultCopyright();

  QString ProductName() const { return productName_; }
  void SetProductName(const QString& productName);
  QString Version() const { return version_; }
  void SetVersion(const QString& version);
  QString Copyright() const { return copyright_; }
  void SetCopyright(const QString& copyright);

  // Creates the dialog, shows it modally and frees it when it closes. A dialog that cannot be
  // created (a std::exception from its creation) only beeps.
  virtual void Execute();

  void SetMemoryStatusSource(MemoryStatusSource source) { memoryStatus_ = std::move(source); }

 private:
  QString productName_;
  QString version_;
  QString copyright_;
  MemoryStatusSource memoryStatus_ = platform::GlobalMemoryStatus;
};

}  // namespace solvanex
