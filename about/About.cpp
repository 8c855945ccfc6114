#include "about/About.h"

#include <exception>
#include <memory>

#include "controls/FormTypes.h"
#include "form/About.h"
#include "platform/Beep.h"

namespace solvanex {

namespace {

QString Capped(const QString& text) {
  const std::u16string_view units(reinterpret_cast<const char16_t*>(text.utf16()),
                                  static_cast<std::size_t>(text.size()));
  return text.left(static_cast<qsizetype>(form::about::CappedLength(units)));
}

}  // namespace

TAboutBox::TAboutBox(QObject* parent) : QObject(parent), copyright_(DefaultCopyright()) {}

QString TAboutBox::DefaultCopyright() {
  return ToQString(form::about::kCopyright);
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
