#include "about/About.h"

#include <exception>
#include <memory>

#include "platform/Beep.h"

namespace solvanex {

namespace {

// At most kMaxLength characters, without leaving half of a surrogate pair at the end.
QString Capped(const QString& text) {
  if (text.size() <= TAboutBox::kMaxLength) return text;
  qsizetype length = TAboutBox::kMaxLength;
  if (text[length - 1].isHighSurrogate()) --length;
  return text.left(length);
}

}  // namespace

TAboutBox::TAboutBox(QObject* parent) : QObject(parent), copyright_(DefaultCopyright()) {}

QString TAboutBox::DefaultCopyright() {
  return QStringLiteral("Copyright © 2026 Solvanex");
}

void TAboutBox::SetProductName(const QString& productName) {
  productName_ = Capped(productName);
}

void TAboutBox::SetVersion(const QString& version) {
  version_ = Capped(version);
}

void TAboutBox::SetCopyright(const QString& copyright) {
  copyright_ = Capped(copyright);
}

void TAboutBox::Execute() {
  std::unique_ptr<TFAbout> dialog;
  try {
    dialog = std::make_unique<TFAbout>(memoryStatus_);
  } catch (const std::exception&) {
    platform::MessageBeep(0);
    return;
  }
  dialog->ShowTexts(productName_, version_, copyright_);
  dialog->exec();
}

}  // namespace solvanex
