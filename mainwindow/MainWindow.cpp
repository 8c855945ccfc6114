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
#include <QWindow>
#include <exception>

#include "clinical/Keypad.h"
#include "controls/AlignEdit.h"
#include "controls/ClassicPalette.h"
#include "controls/FormTypes.h"
#include "form/ErrorText.h"
#include "form/Layout.h"
#include "form/Window.h"
#include "mainwindow/Clipboard.h"
#include "mainwindow/FormFont.h"
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
  return ToQString(text);
}

// A title bar with the system menu, minimise and close boxes; no maximise box, as the size is
// locked.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint |
                                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                         Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

TForm1::TForm1(char decimalSeparator, Services services, QWidget* parent)
    : QMainWindow(parent, kWindowFlags), services_(std::move(services)) {
  setObjectName(Text(form::kWindowName));
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
  client->setFixedSize(ToQSize(form::kClientSize));
  setCentralWidget(client);
  controls_ = BuildClientArea(client, Keypad());
  BuildMenu(*this, controls_);
  // The window takes exactly the menu bar and the client area, and keeps that size.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  timer1_ = new QTimer(this);
  timer1_->setObjectName(Text(form::kTimerName));
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
  CloseAllHelpWindowsQuietly(services_.help);
}

void TForm1::FillDigitButtons() {
  // The digits are found by their captions, walking the controls in creation order.
  for (QObject* child : centralWidget()->children()) {
    auto* button = qobject_cast<QAbstractButton*>(child);
    if (button == nullptr) continue;
    const int digit = form::DigitOfCaption(button->text().toStdString());
    if (digit >= 0) digitButtons_[static_cast<std::size_t>(digit)] = button;
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
      case form::MenuCommand::None:
        break;
      case form::MenuCommand::Quit:
        handler = &TForm1::Quitter1Click;
        break;
      case form::MenuCommand::Copy:
        handler = &TForm1::Coller1Click;
        break;
      case form::MenuCommand::Paste:
        handler = &TForm1::Coller2Click;
        break;
      case form::MenuCommand::HelpTopics:
        handler = &TForm1::Rubriquesdelaide1Click;
        break;
      case form::MenuCommand::About:
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
  } catch (...) {
    ShowErrorBox(QString::fromStdString(form::CurrentErrorBoxMessage()));
  }
}

void TForm1::ShowErrorBox(const QString& shown) {
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
  QMessageBox::information(this, Text(form::kCaption), Text(form::kHelpUnavailable));
}

void TForm1::Aproposde1Click() {
  if (services_.about != nullptr) services_.about->Execute();
}

void TForm1::ShowApplicationHint(const QString& hint) {
  controls_.statusBar1->SetPanelText(form::kHintPanel, hint);
}

void TForm1::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    CenterOnScreen();
    awaitingFrame_ = true;
  }
  QMainWindow::showEvent(event);
}

void TForm1::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  RecenterOnceFramed();
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

namespace {

// The top-left corner of a window outer pixels large, frame included, centred on screen's work
// area.
QPoint CentredOrigin(const QScreen& screen, QSize outer) {
  const QRect area = screen.availableGeometry();
  const form::Point origin = form::CentredOrigin({area.x(), area.y(), area.width(), area.height()},
                                                 {outer.width(), outer.height()});
  return QPoint(origin.x, origin.y);
}

}  // namespace

void TForm1::CenterOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  layout()->activate();
  // Before the window manager has framed the window, its frame is not known: the bare window is
  // centred (see RecenterOnceFramed). A top-level window's position is its frame's top-left.
  move(CentredOrigin(*screen, frameGeometry().size()));
}

void TForm1::RecenterOnceFramed() {
  if (!awaitingFrame_) return;
  QWindow* window = windowHandle();
  const QScreen* screen = this->screen();
  if (window == nullptr || screen == nullptr || window->frameMargins().isNull()) return;
  // The title bar and borders are known now: the whole window is centred once more, by its
  // frame's size this time. The platform window is asked directly, as the widget may still hold
  // the frame it had before framing. A window manager that framed it before mapping it leaves
  // it where it is.
  awaitingFrame_ = false;
  const QPoint origin = CentredOrigin(*screen, window->frameGeometry().size());
  if (window->framePosition() != origin) window->setFramePosition(origin);
}

void TForm1::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // Framing moves the window by the frame's top-left part: the frame is known from then on.
  RecenterOnceFramed();
}

}  // namespace solvanex
