#include "mainwindow/FormBuilder.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "controls/AlignEdit.h"
#include "controls/Colors.h"
#include "controls/Font.h"
#include "controls/FormTypes.h"
#include "controls/TextFit.h"
#include "form/Window.h"
#include "mainwindow/CaptionButton.h"
#include "mainwindow/Hints.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

namespace solvanex {

namespace {

QString Text(std::string_view text) {
  return ToQString(text);
}

// An accelerator of the menu table as Qt's shortcut: the letter's key code is the same on both
// systems.
QKeySequence ToQKeySequence(form::Accelerator accelerator) {
  Qt::KeyboardModifiers modifiers;
  if (accelerator.modifiers & form::kCtrl) modifiers |= Qt::ControlModifier;
  if (accelerator.modifiers & form::kAlt) modifiers |= Qt::AltModifier;
  if (accelerator.modifiers & form::kShift) modifiers |= Qt::ShiftModifier;
  return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(accelerator.letter)));
}

// A control without a caption is named for assistive technology by its hint, as a name (no
// closing full stop).
QString NameFromHint(QString hint) {
  while (hint.endsWith(u'.')) hint.chop(1);
  return hint;
}

// Hint in the status bar, and as a tooltip only where the layout asks for one.
void Describe(QWidget* widget, const QString& name, const QString& hint, bool tooltip) {
  SetHint(widget, hint);
  if (tooltip) widget->setToolTip(hint);
  widget->setAccessibleName(name);
  widget->setAccessibleDescription(hint);
}

void SetTextColor(QWidget* widget, QPalette::ColorRole role, form::Color color) {
  QPalette palette = widget->palette();
  palette.setColor(role, ToQRgbColor(color));
  widget->setPalette(palette);
}

// A caption wider than its button's face, in a wide sans-serif, is drawn smaller rather than cut.
void FitCaption(QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const int room =
      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  FitWidgetFont(button, button->font(), button->text(), room);
}

TAlignEdit* BuildDisplay(QWidget* client) {
  auto* display = new TAlignEdit(client);
  display->setObjectName(Text(form::kAfficheurName));
  display->setGeometry(ToQRect(form::kAfficheurRect));
  display->SetAlignment(TAlignment::taRightJustify);
  display->SetReadOnly(true);
  display->SetTabStop(false);
  display->SetColorOnFocus(clWindow);
  display->SetColorOnNoFocus(clWindow);
  TFont font;
  font.SetName(Text(form::kDisplayFontName));
  font.SetHeight(form::kDisplayFontHeight);
  font.SetColor(clWindowText);
  display->SetFontOnFocus(font);
  display->SetFontOnNoFocus(font);
  display->SetText(Text(form::kAfficheurInitialText));
  Describe(display, NameFromHint(Text(form::kAfficheurHint)), Text(form::kAfficheurHint), false);
  return display;
}

QLabel* BuildMemoryIndicator(QWidget* client) {
  auto* indicator = new QLabel(client);
  indicator->setObjectName(Text(form::kEnMemoireName));
  indicator->setGeometry(ToQRect(form::kEnMemoireRect));
  // A panel without bevel: one plain line round it.
  indicator->setFrameStyle(QFrame::Box | QFrame::Plain);
  indicator->setLineWidth(1);
  indicator->setAlignment(Qt::AlignCenter);
  indicator->setTextFormat(Qt::PlainText);
  Describe(indicator, NameFromHint(Text(form::kEnMemoireHint)), Text(form::kEnMemoireHint), false);
  return indicator;
}

QPushButton* BuildButton(QWidget* client, const form::FormButton& key) {
  const QString caption = Text(key.Caption());
  const QString hint = Text(key.Hint());
  auto* button = new CaptionButton(caption, ToQRgbColor(key.CaptionColor()), client);
  button->setObjectName(Text(key.Name()));
  button->setGeometry(ToQRect(key.layout->rect));
  // Keys go to the window, never to a button: a click leaves the focus where it was.
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  FitCaption(button);
  Describe(button, caption, hint, key.ShowsTooltip());
  return button;
}

TRadioGroup* BuildRadioGroup(QWidget* client, const form::ChoiceGroupLayout& layout) {
  QStringList items;
  for (const std::string_view item : layout.items) items.append(Text(item));
  auto* group = new TRadioGroup(items, layout.columns, client);
  group->setObjectName(Text(layout.name));
  group->SetBounds(ToQRect(layout.rect));
  group->SetItemIndex(0);
  SetTextColor(group, QPalette::WindowText, layout.color);
  Describe(group, NameFromHint(Text(layout.hint)), Text(layout.hint), true);
  return group;
}

TStatusBar* BuildStatusBar(QWidget* client) {
  auto* bar =
      new TStatusBar(QList<int>(form::kPanelWidths.begin(), form::kPanelWidths.end()), client);
  bar->setObjectName(Text(form::kStatusBarName));
  bar->SetBounds(ToQRect(form::kStatusBarRect));
  bar->SetPanelText(0, Text(form::kCopyright));
  bar->SetPanelText(form::kHintPanel, Text(form::kWindowHint));
  bar->setAccessibleName(Text(form::kStatusBarAccessibleName));
  return bar;
}

}  // namespace

FormControls BuildClientArea(QWidget* client, std::span<const KeyBinding> keys) {
  FormControls controls;
  controls.afficheur = BuildDisplay(client);
  controls.enMemoire = BuildMemoryIndicator(client);
  const std::vector<form::FormButton> buttons = form::FormButtons(keys);
  controls.buttons.reserve(buttons.size());
  for (const form::FormButton& key : buttons) {
    controls.buttons.push_back({BuildButton(client, key), key.layout, key.binding});
  }
  controls.radioGroup1 = BuildRadioGroup(client, form::kRadioGroup1);
  controls.radioGroup2 = BuildRadioGroup(client, form::kRadioGroup2);
  controls.statusBar1 = BuildStatusBar(client);
  return controls;
}

void BuildMenu(QMainWindow& window, FormControls& controls) {
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(Text(form::kMainMenuName));
  controls.mainMenu = bar;
  QMenu* menu = nullptr;
  for (const form::MenuItemLayout& item : form::MenuTable()) {
    if (menu == nullptr || menu->objectName() != Text(item.menuName)) {
      menu = bar->addMenu(Text(item.menuCaption));
      menu->setObjectName(Text(item.menuName));
      // A menu is a window of its own and takes neither the main window's font nor its colours
      // by itself.
      menu->setFont(window.font());
      menu->setPalette(window.palette());
      controls.menus.append(menu);
    }
    QAction* action = item.command == form::MenuCommand::None ? menu->addSeparator()
                                                              : menu->addAction(Text(item.caption));
    action->setObjectName(Text(item.name));
    if (!item.accelerator.Empty()) action->setShortcut(ToQKeySequence(item.accelerator));
    controls.menuItems.push_back({action, item.command});
  }
}

void LoadWindowIcon(QMainWindow& window) {
  QIcon icon;
  for (const int size : form::kWindowIconSizes) {
    icon.addFile(QStringLiteral(":/window-icon/solvanex-%1.png").arg(size), QSize(size, size));
  }
  window.setWindowIcon(icon);
  // The program's other windows (the About box, the message boxes) show it in their title bars
  // too.
  QGuiApplication::setWindowIcon(icon);
}

void LoadMenuImages(const FormControls& controls) {
  const auto rows = form::MenuTable();
  for (std::size_t i = 0; i < controls.menuItems.size() && i < rows.size(); ++i) {
    if (rows[i].image == form::MenuImage::None) continue;
    controls.menuItems[i].action->setIcon(
        QIcon(QStringLiteral(":/icons/%1.svg").arg(Text(form::MenuImageName(rows[i].image)))));
  }
}

}  // namespace solvanex
