#include "mainwindow/FormBuilder.h"

#include <QAction>
#include <QIcon>
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
#include "controls/TextFit.h"
#include "mainwindow/CaptionButton.h"
#include "mainwindow/FormTexts.h"
#include "mainwindow/Hints.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/StatusBar.h"

namespace solvanex {

namespace {

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

void SetTextColor(QWidget* widget, QPalette::ColorRole role, QRgb color) {
  QPalette palette = widget->palette();
  palette.setColor(role, QColor::fromRgb(color));
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
  display->setObjectName(QStringLiteral("Afficheur"));
  display->setGeometry(form::kAfficheurRect);
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
  indicator->setObjectName(QStringLiteral("EnMemoire"));
  indicator->setGeometry(form::kEnMemoireRect);
  // A panel without bevel: one plain line round it.
  indicator->setFrameStyle(QFrame::Box | QFrame::Plain);
  indicator->setLineWidth(1);
  indicator->setAlignment(Qt::AlignCenter);
  indicator->setTextFormat(Qt::PlainText);
  Describe(indicator, NameFromHint(Text(form::kEnMemoireHint)), Text(form::kEnMemoireHint), false);
  return indicator;
}

QPushButton* BuildButton(QWidget* client, const ButtonLayout& layout, const KeyBinding* binding) {
  const QString caption = binding != nullptr ? Text(binding->caption) : QString();
  const QString hint = binding != nullptr ? Text(binding->hint) : QString();
  auto* button = new CaptionButton(caption, QColor::fromRgb(ToRgb(layout.color)), client);
  button->setObjectName(Text(layout.name));
  button->setGeometry(layout.left, layout.top, layout.width, layout.height);
  // Keys go to the window, never to a button: a click leaves the focus where it was.
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  FitCaption(button);
  Describe(button, caption, hint, layout.tooltip && !hint.isEmpty());
  return button;
}

TRadioGroup* BuildRadioGroup(QWidget* client, const form::RadioGroupLayout& layout) {
  auto* group = new TRadioGroup({Text(layout.items[0]), Text(layout.items[1])}, 2, client);
  group->setObjectName(Text(layout.name));
  group->SetBounds(layout.rect);
  group->SetItemIndex(0);
  SetTextColor(group, QPalette::WindowText, layout.color);
  Describe(group, NameFromHint(Text(layout.hint)), Text(layout.hint), true);
  return group;
}

TStatusBar* BuildStatusBar(QWidget* client) {
  auto* bar = new TStatusBar({form::kFirstPanelWidth}, client);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->SetBounds(form::kStatusBarRect);
  bar->SetPanelText(0, Text(form::kCopyright));
  bar->SetPanelText(1, Text(form::kWindowHint));
  bar->setAccessibleName(QStringLiteral("Barre d'état"));
  return bar;
}

}  // namespace

FormControls BuildClientArea(QWidget* client, std::span<const KeyBinding> keys) {
  FormControls controls;
  controls.afficheur = BuildDisplay(client);
  controls.enMemoire = BuildMemoryIndicator(client);
  controls.buttons.reserve(ButtonTable().size());
  for (const ButtonLayout& layout : ButtonTable()) {
    const KeyBinding* binding = FindKey(keys, layout.name);
    controls.buttons.push_back({BuildButton(client, layout, binding), &layout, binding});
  }
  controls.radioGroup1 = BuildRadioGroup(client, form::kRadioGroup1);
  controls.radioGroup2 = BuildRadioGroup(client, form::kRadioGroup2);
  controls.statusBar1 = BuildStatusBar(client);
  return controls;
}

void BuildMenu(QMainWindow& window, FormControls& controls) {
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(Text(kMainMenuName));
  controls.mainMenu = bar;
  QMenu* menu = nullptr;
  for (const MenuItemLayout& item : MenuTable()) {
    if (menu == nullptr || menu->objectName() != Text(item.menuName)) {
      menu = bar->addMenu(Text(item.menuCaption));
      menu->setObjectName(Text(item.menuName));
      // A menu is a window of its own and takes neither the main window's font nor its colours
      // by itself.
      menu->setFont(window.font());
      menu->setPalette(window.palette());
      controls.menus.append(menu);
    }
    QAction* action = item.command == MenuCommand::None ? menu->addSeparator()
                                                        : menu->addAction(Text(item.caption));
    action->setObjectName(Text(item.name));
    if (item.shortcut.key() != Qt::Key_unknown) action->setShortcut(QKeySequence(item.shortcut));
    controls.menuItems.push_back({action, item.command});
  }
}

void LoadWindowIcon(QMainWindow& window) {
  QIcon icon;
  for (const int size : kWindowIconSizes) {
    icon.addFile(QStringLiteral(":/window-icon/solvanex-%1.png").arg(size), QSize(size, size));
  }
  window.setWindowIcon(icon);
}

void LoadMenuImages(const FormControls& controls) {
  const auto rows = MenuTable();
  for (std::size_t i = 0; i < controls.menuItems.size() && i < rows.size(); ++i) {
    if (rows[i].image < 0) continue;
    controls.menuItems[i].action->setIcon(
        QIcon(QString::fromLatin1(MenuImages()[static_cast<std::size_t>(rows[i].image)])));
  }
}

}  // namespace solvanex
