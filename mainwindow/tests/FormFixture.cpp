#include "FormFixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTest>
#include <QWindow>

#include "controls/AlignEdit.h"

namespace solvanex::testing {

FormFixture::FormFixture(char decimalSeparator) {
  TForm1::Services services;
  services.help = &help;
  services.about = &about;
  services.errorBox = [this](QWidget*, const QString& caption, const QString& text) {
    errorBoxes.append({caption, text});
    if (duringErrorBox) duringErrorBox();
  };
  form_ = std::make_unique<TForm1>(decimalSeparator, services);
}

FormFixture::~FormFixture() = default;

bool FormFixture::ShowActive() {
  form_->show();
  form_->activateWindow();
  return QTest::qWaitForWindowActive(form_.get());
}

QWindow* FormFixture::Window() {
  return form_->windowHandle();
}

QString FormFixture::Display() const {
  return form_->Afficheur()->Text();
}

void FormFixture::Click(std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) {
    QAbstractButton* button = form_->Button(name);
    if (button == nullptr) {
      qWarning("no button named %.*s", static_cast<int>(name.size()), name.data());
      continue;
    }
    QTest::mouseClick(button, Qt::LeftButton);
    // An error box is shown by the event loop once the click has returned.
    QCoreApplication::sendPostedEvents();
  }
}

}  // namespace solvanex::testing
