#include "mainwindow/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <exception>

#include "calculator/Errors.h"
#include "clinical/Keypad.h"
#include "controls/AlignEdit.h"
#include "controls/ClassicPalette.h"
#include "mainwindow/Clipboard.h"
#include "mainwindow/FormFont.h"
#include "mainwindow/FormTexts.h"
#include "mainwindow/HintTracker.h"
#include "mainwindow/Hints.h"
#include "mainwindow/InputGate.h"
#include "mainwindow/KeyboardFilter.h"
#include "mainwindow/PressFeedback.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

namespace solvanex {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A title bar with the system menu, minimise and close boxes; no maximise box, as the size is
// locked.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

// A long message without a quoted text of its own is shortened as a whole past this length.
constexpr std::size_t kLongMessage = 200;

}  // namespace

TForm1::TForm1(char decimalSeparator, Services services, QWidget* parent)
    : QMainWindow(parent, kWindowFlags), services_(std::move(services)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(Text(form::kCaption));
  setFont(FormFont());
  // The light faces the caption colours were chosen for, whatever the desktop's colour scheme;
  // the window's background is the button face, as a dialog's is.
  setPalette(ClassicPalette());
  SetHint(this, Text(form::kWindowHint));
  setAccessibleName(Text(form::kCaption));
  setAccessibleDescription(Text(form::kWindowHint));

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1Client"));
  client->setFixedSize(form::kClientSize);
  setCentralWidget(client);
  controls_ = BuildClientArea(client, Keypad());
  BuildMenu(*this, controls_);
  // The window takes exactly the menu bar and the client area, and keeps that size.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(QStringLiteral("Timer1"));
  timer1_->setInterval(form::kTimerInterval);

  view_ = std::make_unique<DisplayView>(controls_.afficheur, controls_.enMemoire,
                                        controls_.radioGroup1, controls_.radioGroup2);
  calculator_ = std::make_unique<Calculator>(*view_, decimalSeparator, ClinicalFormulas());

  press_ = new PressFeedback(client, timer1_, [this](QAbstractButton* b) { ButtonClick(b); });
  keyboard_ = new KeyboardFilter(
      this, [this](std::string_view name) { return Button(name); },
      [this](char digit) { return DigitButton(digit); },
      [this](QAbstractButton* b) { PressButton(b); });
  hints_ = new HintTracker(this);

  WireButtons();
  WireMenu();
  timer1_->start();
  // The first control in tab order takes the focus; in a choice group that is its checked item.
  controls_.radioGroup1->Buttons().value(controls_.radioGroup1->ItemIndex())->setFocus();
  FormCreate();
  keyboard_->Install();
  // Installed after the key preview, so it sees the window's input first.
  inputGate_ = new InputGate(this);
  inputGate_->Install(windowHandle());
}

TForm1::~TForm1() {
  FormDestroy();
}

void TForm1::FormCreate() {
  hints_->Start([this](const QString& hint) { ShowApplicationHint(hint); });
  FillDigitButtons();
  ButtonClick(Button("CE"));
}

void TForm1::FormDestroy() {
  if (services_.help == nullptr) return;
  // A destructor must not throw; a help viewer that fails to close has nothing left to report
  // to.
  try {
    services_.help->CloseAllHelpWindows();
  } catch (...) {
  }
}

void TForm1::FillDigitButtons() {
  // The digits are found by their captions, walking the controls in creation order.
  for (QObject* child : centralWidget()->children()) {
    auto* button = qobject_cast<QAbstractButton*>(child);
    if (button == nullptr) continue;
    const QString caption = button->text();
    if (caption.size() == 1 && caption[0] >= u'0' && caption[0] <= u'9') {
      digitButtons_[static_cast<std::size_t>(caption[0].unicode() - u'0')] = button;
    }
  }
}

void TForm1::WireButtons() {
  for (const KeyButton& key : controls_.buttons) {
    bindings_.insert(key.button, key.binding);
    QAbstractButton* button = key.button;
    connect(key.button, &QAbstractButton::clicked, this, [this, button] { ButtonClick(button); });
  }
}

void TForm1::WireMenu() {
  for (const MenuEntry& entry : controls_.menuItems) {
    void (TForm1::*handler)() = nullptr;
    switch (entry.command) {
      case MenuCommand::None:
        break;
      case MenuCommand::Quit:
        handler = &TForm1::Quitter1Click;
        break;
      case MenuCommand::Copy:
        handler = &TForm1::Coller1Click;
        break;
      case MenuCommand::Paste:
        handler = &TForm1::Coller2Click;
        break;
      case MenuCommand::HelpTopics:
        handler = &TForm1::Rubriquesdelaide1Click;
        break;
      case MenuCommand::About:
        handler = &TForm1::Aproposde1Click;
        break;
    }
    if (handler == nullptr) continue;
    connect(entry.action, &QAction::triggered, this,
            [this, handler] { RunGuarded([this, handler] { (this->*handler)(); }); });
    connect(entry.action, &QAction::hovered, hints_, &HintTracker::MenuHintChanged);
  }
  for (QMenu* menu : controls_.menus) {
    connect(menu, &QMenu::aboutToShow, this, &TForm1::LoadImages);
    connect(menu, &QMenu::aboutToShow, hints_, &HintTracker::MenuHintChanged);
    connect(menu, &QMenu::aboutToHide, hints_, &HintTracker::MenuHintChanged);
  }
}

QAbstractButton* TForm1::Button(std::string_view name) const {
  for (const KeyButton& key : controls_.buttons) {
    if (key.layout->name == name) return key.button;
  }
  return nullptr;
}

QAbstractButton* TForm1::DigitButton(char digit) const {
  if (digit < '0' || digit > '9') return nullptr;
  return digitButtons_[static_cast<std::size_t>(digit - '0')];
}

QStringList TForm1::UnwiredButtons() const {
  QStringList names;
  for (const KeyButton& key : controls_.buttons) {
    if (key.binding == nullptr) names.append(Text(key.layout->name));
  }
  return names;
}

void TForm1::ButtonClick(QAbstractButton* button) {
  const KeyBinding* binding = bindings_.value(button, nullptr);
  if (binding == nullptr || !binding->click) return;
  // The digit, operator and formula handlers read the live caption, as the sender's.
  const std::string caption = button->text().toStdString();
  RunGuarded([this, binding, &caption] { binding->click(*calculator_, caption); });
}

void TForm1::RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const ConversionError& error) {
    const std::string_view message = error.what();
    const std::size_t at = message.find(error.Text());
    ShowErrorBox(message, at == std::string_view::npos ? 0 : at,
                 at == std::string_view::npos ? 0 : error.Text().size());
  } catch (const std::exception& error) {
    const std::string_view message = error.what();
    ShowErrorBox(message, 0, message.size() > kLongMessage ? message.size() : 0);
  } catch (...) {
    ShowErrorBox("Erreur interne inattendue", 0, 0);
  }
}

void TForm1::ShowErrorBox(std::string_view message, std::size_t quotedFrom,
                          std::size_t quotedLength) {
  // The full stop goes by the message's own last character, so it is decided before eliding.
  const std::string text = ErrorBoxText(message);
  const QString shown = ElideForErrorBox(text, quotedFrom, quotedLength);
  // The box is shown by the event loop once the handler and whatever called it (PressButton
  // starting the release timer) have returned: the release tick then comes while the box is
  // open, and no button stays drawn pressed behind it. Until the box has closed, no input
  // reaches the window: keys already queued behind the failing one must not act before it.
  inputGate_->Close();
  QMetaObject::invokeMethod(
      this,
      [this, shown] {
        try {
          if (services_.errorBox) services_.errorBox(this, Text(form::kCaption), shown);
        } catch (...) {
          // The box itself failing must not take the window down with it.
        }
        inputGate_->Open();
      },
      Qt::QueuedConnection);
}

void TForm1::PressButton(QAbstractButton* button) {
  press_->PressButton(button);
}

void TForm1::Timer1Timer() {
  press_->Timer1Timer();
}

void TForm1::Quitter1Click() {
  close();
}

void TForm1::Coller1Click() {
  CopyDisplay(*controls_.afficheur);
}

void TForm1::Coller2Click() {
  PasteIntoDisplay(*controls_.afficheur);
}

void TForm1::Rubriquesdelaide1Click() {
  if (services_.help != nullptr) {
    services_.help->ShowHelpTopics();
    return;
  }
  QMessageBox::information(this, Text(form::kCaption),
                           QStringLiteral("L'aide n'est pas disponible : le visualiseur d'aide "
                                          "n'a pas pu être chargé."));
}

void TForm1::Aproposde1Click() {
  if (services_.about != nullptr) services_.about->Execute();
}

void TForm1::ShowApplicationHint(const QString& hint) {
  controls_.statusBar1->SetPanelText(1, hint);
}

void TForm1::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    CenterOnScreen();
  }
  QMainWindow::showEvent(event);
}

void TForm1::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // The icon waits until the window has been drawn once. Queued from the first painting, it is
  // set only after that painting has reached the screen: a timer started at showing would often
  // fire before the window's first expose and hold its first drawing back.
  if (!iconQueued_) {
    iconQueued_ = true;
    QTimer::singleShot(0, this, [this] { solvanex::LoadWindowIcon(*this); });
  }
}

void TForm1::LoadImages() {
  if (imagesLoaded_) return;
  imagesLoaded_ = true;
  solvanex::LoadMenuImages(controls_);
}

void TForm1::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted()) QCoreApplication::quit();
}

void TForm1::CenterOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  layout()->activate();
  // Before the window manager has framed the window its frame is not known: centring the bare
  // window is off by half the frame's few pixels at most.
  const QSize outer = frameGeometry().size();
  const QRect area = screen->availableGeometry();
  move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

}  // namespace solvanex
