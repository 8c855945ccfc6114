// The display line: focus-dependent look, single-line key filtering, the setter rules, the
// exact text behind the shown part, and a 10 MiB paste.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include "controls/AlignEdit.h"
#include "platform/Beep.h"

using solvanex::clRed;
using solvanex::TAlignEdit;
using solvanex::TAlignment;
using solvanex::TFont;
using solvanex::form::ShownText;

Q_DECLARE_METATYPE(TAlignment)

namespace {

// A window with a line edit before and after the display line, for focus to come and go.
struct Form {
  QWidget window;
  QLineEdit* previous = new QLineEdit(&window);
  TAlignEdit* edit = new TAlignEdit(&window);
  QLineEdit* next = new QLineEdit(&window);

  Form() {
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* child : {static_cast<QWidget*>(previous), static_cast<QWidget*>(edit),
                           static_cast<QWidget*>(next)}) {
      layout->addWidget(child);
    }
    window.show();
    window.activateWindow();
  }
  bool Active() { return QTest::qWaitForWindowActive(&window); }
};

// The columns and rows holding a pixel darker than mid-grey, frame excluded.
QRect InkBounds(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image);
  QRect ink;
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 2; x < image.width() - 2; ++x) {
      if (qGray(image.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

}  // namespace

class AlignEditTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { solvanex::platform::SetBeepObserver({}); }

  void settersShowNowOrLater_data();
  void settersShowNowOrLater();
  void directFontChanges_data();
  void directFontChanges();
  void keys_data();
  void keys();
  void exitOnReturnMovesFocus();
  void setterRules_data();
  void setterRules();
  void multiLineOffJoinsLines_data();
  void multiLineOffJoinsLines();
  void autoSelect_data();
  void autoSelect();
  void alignment_data();
  void alignment();
  void exactTextThroughEditsAndClipboard_data();
  void exactTextThroughEditsAndClipboard();
  void tenMebibytes_data();
  void tenMebibytes();

 private:
  int beeps_ = 0;
};

void AlignEditTest::init() {
  beeps_ = 0;
  solvanex::platform::SetBeepObserver([this](unsigned type) { beeps_ += type == 0 ? 1 : 100; });
}

void AlignEditTest::settersShowNowOrLater_data() {
  QTest::addColumn<QString>("property");
  QTest::addColumn<bool>("focused");
  QTest::addColumn<bool>("showsNow");
  for (const char* property : {"ColorOnFocus", "ColorOnNoFocus", "FontOnFocus", "FontOnNoFocus"}) {
    const bool noFocusPair = QByteArray(property).contains("NoFocus");
    QTest::addRow("%s, focused", property) << property << true << true;
    QTest::addRow("%s, not focused", property) << property << false << noFocusPair;
  }
}

void AlignEditTest::settersShowNowOrLater() {
  QFETCH(QString, property);
  QFETCH(bool, focused);
  QFETCH(bool, showsNow);
  Form form;
  QVERIFY(form.Active());
  TAlignEdit& edit = *form.edit;
  if (focused) edit.setFocus();
  const std::uint32_t colorBefore = edit.ShownColor();
  const QFont fontBefore = edit.ShownFont();
  TFont font;
  font.SetBold(true);
  font.SetColor(0x00123456);

  if (property == "ColorOnFocus") edit.SetColorOnFocus(0x00123456);
  if (property == "ColorOnNoFocus") edit.SetColorOnNoFocus(0x00123456);
  if (property == "FontOnFocus") edit.SetFontOnFocus(font);
  if (property == "FontOnNoFocus") edit.SetFontOnNoFocus(font);

  if (property.startsWith("Color")) {
    QCOMPARE(edit.ShownColor(), showsNow ? 0x00123456u : colorBefore);
    QCOMPARE(edit.palette().color(QPalette::Base), solvanex::ToQColor(edit.ShownColor()));
  } else {
    QCOMPARE(edit.ShownFont(), showsNow ? font.ToQFont() : fontBefore);
    QCOMPARE(edit.ShownFontColor() == 0x00123456u, showsNow);
  }
}

void AlignEditTest::directFontChanges_data() {
  QTest::addColumn<bool>("focused");
  QTest::newRow("display without focus") << false;
  // The display can be clicked into although it is no tab stop; errors must still show red.
  QTest::newRow("display holding the focus") << true;
}

void AlignEditTest::directFontChanges() {
  QFETCH(bool, focused);
  Form form;
  QVERIFY(form.Active());
  TAlignEdit& edit = *form.edit;
  if (focused) edit.setFocus();

  edit.FontOnNoFocus()->SetColor(clRed);  // shows at once in either state
  QCOMPARE(edit.palette().color(QPalette::Text), QColor(Qt::red));
  edit.FontOnNoFocus()->SetColor(0);
  QCOMPARE(edit.palette().color(QPalette::Text), QColor(Qt::black));

  edit.FontOnFocus()->SetBold(true);  // shows only at the next focus entry
  edit.SetColorOnFocus(0x00C0FFFF);
  QVERIFY(!edit.ShownFont().bold());
  form.next->setFocus();
  QVERIFY(!edit.InFocus());
  QCOMPARE(edit.ShownColor(), solvanex::clWindow);
  edit.setFocus();
  QVERIFY(edit.InFocus());
  QVERIFY(edit.ShownFont().bold());
  QCOMPARE(edit.palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
}

void AlignEditTest::keys_data() {
  QTest::addColumn<int>("mode");  // 0 single line, 1 MultiLine, 2 ExitOnReturn
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("caret");
  QTest::addColumn<QKeyCombination>("key");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("selectionStart");
  QTest::addColumn<int>("selectionEnd");
  QTest::addColumn<int>("beeps");
  auto row = [](const char* name, int mode, const QString& text, int caret, QKeyCombination key,
                const QString& expected, int start, int end, int beeps) {
    QTest::newRow(name) << mode << text << caret << key << expected << start << end << beeps;
  };
  const QKeyCombination enter(Qt::Key_Return);
  const QKeyCombination up(Qt::Key_Up);
  row("Enter swallowed with a beep", 0, "12,5", 2, enter, "12,5", 2, 2, 1);
  row("keypad Enter too", 0, "12,5", 2, Qt::KeypadModifier | Qt::Key_Enter, "12,5", 2, 2, 1);
  row("Up moves left", 0, "12,5", 2, up, "12,5", 1, 1, 0);
  row("Down moves right", 0, "12,5", 2, QKeyCombination(Qt::Key_Down), "12,5", 3, 3, 0);
  row("Shift+Up selects left", 0, "12,5", 2, Qt::ShiftModifier | Qt::Key_Up, "12,5", 1, 2, 0);
  row("Up on a second line still moves left", 0, "ab\r\ncd", 5, up, "ab\r\ncd", 4, 4, 0);
  row("MultiLine: Enter inserts CR LF", 1, "ab", 1, enter, "a\r\nb", 3, 3, 0);
  row("MultiLine: Shift+Enter too", 1, "ab", 1, Qt::ShiftModifier | Qt::Key_Return, "a\r\nb", 3, 3,
      0);
  row("MultiLine: Up goes a line up", 1, "ab\r\ncd", 5, up, "ab\r\ncd", 1, 1, 0);
  row("ExitOnReturn: Up is not replaced", 2, "ab\r\ncd", 5, up, "ab\r\ncd", 1, 1, 0);
  row("ExitOnReturn: Enter inserts nothing", 2, "12", 1, enter, "12", 1, 1, 0);
}

void AlignEditTest::keys() {
  QFETCH(int, mode);
  QFETCH(QString, text);
  QFETCH(int, caret);
  QFETCH(QKeyCombination, key);
  QFETCH(QString, expected);
  QFETCH(int, selectionStart);
  QFETCH(int, selectionEnd);
  QFETCH(int, beeps);
  TAlignEdit edit;
  edit.SetMultiLine(mode == 1);
  edit.SetExitOnReturn(mode == 2);
  edit.SetText(text);
  edit.SetSelection(caret, caret);
  QTest::keyClick(&edit, key.key(), key.keyboardModifiers());
  QCoreApplication::processEvents();
  QCOMPARE(edit.Text(), expected);
  QCOMPARE(edit.SelectionStart(), selectionStart);
  QCOMPARE(edit.SelectionEnd(), selectionEnd);
  QCOMPARE(beeps_, beeps);
}

void AlignEditTest::exitOnReturnMovesFocus() {
  Form form;
  QVERIFY(form.Active());
  form.edit->SetExitOnReturn(true);
  form.edit->setFocus();
  QTest::keyClick(form.edit, Qt::Key_Return);
  QTRY_VERIFY(form.next->hasFocus());  // the Tab is posted: it acts after the Enter
  QCOMPARE(beeps_, 0);
}

void AlignEditTest::setterRules_data() {
  // Steps: E, M, W for ExitOnReturn, MultiLine, WordWrap, each followed by + (on) or - (off).
  QTest::addColumn<QString>("steps");
  QTest::addColumn<QString>("expected");  // the three flags afterwards, then the text
  QTest::newRow("MultiLine on switches ExitOnReturn off") << "E+ M+"
                                                          << "E- M+ W- a\r\nb";
  QTest::newRow("ExitOnReturn on keeps text and WordWrap") << "W+ E+"
                                                           << "E+ M- W+ a\r\nb";
  QTest::newRow("WordWrap on: MultiLine on") << "E+ W+"
                                             << "E- M+ W+ a\r\nb";
  QTest::newRow("WordWrap off leaves MultiLine on") << "W+ W-"
                                                    << "E- M+ W- a\r\nb";
  QTest::newRow("MultiLine off joins, clears WordWrap") << "W+ M-"
                                                        << "E- M- W- ab";
  QTest::newRow("unchanged values change nothing") << "M- E- W-"
                                                   << "E- M- W- a\r\nb";
}

void AlignEditTest::setterRules() {
  QFETCH(QString, steps);
  QFETCH(QString, expected);
  TAlignEdit edit;
  edit.SetText("a\r\nb");
  for (const QString& step : steps.split(' ')) {
    const bool on = step[1] == '+';
    if (step[0] == 'E') edit.SetExitOnReturn(on);
    if (step[0] == 'M') edit.SetMultiLine(on);
    if (step[0] == 'W') edit.SetWordWrap(on);
  }
  auto flag = [](char name, bool on) { return QString("%1%2 ").arg(name).arg(on ? '+' : '-'); };
  QCOMPARE(flag('E', edit.ExitOnReturn()) + flag('M', edit.MultiLine()) +
               flag('W', edit.WordWrap()) + edit.Text(),
           expected);
  QCOMPARE(edit.lineWrapMode() == QPlainTextEdit::WidgetWidth, edit.WordWrap());
}

void AlignEditTest::multiLineOffJoinsLines_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("joined");
  QTest::newRow("two parts separated by CR LF") << "12\r\n34"
                                                << "1234";
  // The character after a lone CR is text, not a line feed: it stays.
  QTest::newRow("lone CR") << "12\r34"
                           << "1234";
  QTest::newRow("CR CR LF") << "a\r\r\nb"
                            << "ab";
  QTest::newRow("lone LF stays") << "12\n34"
                                 << "12\n34";
  QTest::newRow("LF CR") << "a\n\rb"
                         << "a\nb";
}

void AlignEditTest::multiLineOffJoinsLines() {
  QFETCH(QString, text);
  QFETCH(QString, joined);
  TAlignEdit edit;
  edit.SetMultiLine(true);
  edit.SetText(text);
  edit.SetMultiLine(false);
  QCOMPARE(edit.Text(), joined);
  QCOMPARE(QString::fromStdU16String(ShownText::JoinLines(text.toStdU16String())), joined);
}

void AlignEditTest::autoSelect_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<bool>("autoSelect");
  QTest::addColumn<bool>("selected");
  QTest::newRow("by program") << "program" << true << true;
  QTest::newRow("by Tab") << "tab" << true << true;
  QTest::newRow("by left mouse press") << "mouse" << true << false;
  QTest::newRow("by Tab, AutoSelect off") << "tab" << false << false;
}

void AlignEditTest::autoSelect() {
  QFETCH(QString, how);
  QFETCH(bool, autoSelect);
  QFETCH(bool, selected);
  Form form;
  QVERIFY(form.Active());
  TAlignEdit& edit = *form.edit;
  edit.SetAutoSelect(autoSelect);
  edit.SetText("3,14");
  edit.SetSelection(0, 0);
  form.previous->setFocus();
  bool everSelected = false;  // a click must not even select for a moment
  connect(&edit, &QPlainTextEdit::selectionChanged, this,
          [&] { everSelected = everSelected || edit.textCursor().hasSelection(); });

  if (how == "program") edit.setFocus(Qt::OtherFocusReason);
  if (how == "tab") QTest::keyClick(form.previous, Qt::Key_Tab);
  if (how == "mouse") QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, QPoint(4, 6));

  QTRY_VERIFY(edit.InFocus());
  QCOMPARE(edit.SelectedText(), selected ? QString("3,14") : QString());
  QCOMPARE(everSelected, selected);
}

void AlignEditTest::alignment_data() {
  QTest::addColumn<TAlignment>("alignment");
  QTest::addColumn<int>("inkCentre");  // expected centre of the text's ink, ± 6
  QTest::newRow("left") << TAlignment::taLeftJustify << -1;
  QTest::newRow("right") << TAlignment::taRightJustify << 1;
  QTest::newRow("centre") << TAlignment::taCenter << 0;
}

void AlignEditTest::alignment() {
  QFETCH(TAlignment, alignment);
  QFETCH(int, inkCentre);
  // Set up as the calculator's display line: one visible line 24 pixels high, no tab stop.
  QWidget window;
  auto& edit = *new TAlignEdit(&window);
  edit.SetReadOnly(true);
  edit.SetTabStop(false);
  edit.setGeometry(8, 3, 537, 24);
  edit.SetText("22,8571428571429");
  edit.SetAlignment(alignment);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));

  QCOMPARE(edit.Text(), QString("22,8571428571429"));
  const QRect ink = InkBounds(edit);
  QVERIFY(!ink.isEmpty());
  if (inkCentre < 0) QVERIFY(ink.left() < 12);
  if (inkCentre > 0) QVERIFY(ink.right() > edit.width() - 12);
  if (inkCentre == 0) QVERIFY(qAbs(ink.center().x() - edit.width() / 2) < 6);
  QVERIFY(ink.top() > 2 && ink.bottom() < edit.height() - 3);  // the line fits in the box
}

void AlignEditTest::exactTextThroughEditsAndClipboard_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("caret");
  QTest::addColumn<QString>("keys");  // typed; '<' is Backspace, '>' Delete, '^' Ctrl+V
  QTest::addColumn<QString>("expected");
  auto row = [](const char* name, const QString& text, int caret, const QString& keys,
                const QString& expected) {
    QTest::newRow(name) << text << caret << keys << expected;
  };
  const QString nbsp(QChar(0xA0));
  row("type after a CR LF", "1\r\n2", 4, "3", "1\r\n23");
  row("backspace across a CR LF", "1\r\n2", 4, "<<", "1");
  row("delete a lone CR", "1\r2", 1, ">", "12");
  row("no-break space kept", "1" + nbsp + "000", 5, "5", "1" + nbsp + "0005");
  row("paste by Ctrl+V", "12", 1, "^", "1<\r\n>2");
}

void AlignEditTest::exactTextThroughEditsAndClipboard() {
  QFETCH(QString, text);
  QFETCH(int, caret);
  QFETCH(QString, keys);
  QFETCH(QString, expected);
  QGuiApplication::clipboard()->setText("<\r\n>");
  TAlignEdit edit;
  edit.SetMultiLine(true);
  edit.SetText(text);
  edit.SelectAll();
  edit.CopyToClipboard();  // the exact text out...
  QCOMPARE(QGuiApplication::clipboard()->text(), text);
  QGuiApplication::clipboard()->setText("<\r\n>");
  edit.SetSelection(caret, caret);
  for (QChar c : keys) {
    if (c == '<') QTest::keyClick(&edit, Qt::Key_Backspace);
    if (c == '>') QTest::keyClick(&edit, Qt::Key_Delete);
    if (c == '^') QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    if (c.isLetterOrNumber()) QTest::keyClicks(&edit, QString(c));
  }
  QCoreApplication::processEvents();
  QCOMPARE(edit.Text(), expected);  // ...and the exact text after editing
  QCOMPARE(edit.document()->toRawText(), edit.ShownPart());

  edit.SetReadOnly(true);  // read-only: paste does nothing
  edit.PasteFromClipboard();
  QCOMPARE(edit.Text(), expected);
}

void AlignEditTest::tenMebibytes_data() {
  QTest::addColumn<bool>("paste");
  QTest::newRow("set") << false;
  QTest::newRow("pasted as the main window pastes") << true;
}

void AlignEditTest::tenMebibytes() {
  QFETCH(bool, paste);
  const QString big(10 * 1024 * 1024, '7');
  TAlignEdit edit;
  edit.SetAlignment(TAlignment::taRightJustify);
  edit.SetReadOnly(true);
  edit.resize(537, 24);
  edit.show();
  QVERIFY(QTest::qWaitForWindowExposed(&edit));
  QGuiApplication::clipboard()->setText(big);

  if (paste) {
    edit.SetReadOnly(false);
    edit.Clear();
    edit.PasteFromClipboard();
    edit.SetReadOnly(true);
  } else {
    edit.SetText(big);
  }
  edit.repaint();
  QCoreApplication::processEvents();
  QVERIFY(edit.Text() == big);
  QVERIFY(edit.ShownPart().size() <= ShownText::kShownLimit + 1);

  // Typing at the end and copying everything still work on the whole text.
  edit.SetReadOnly(false);
  edit.SetSelection(big.size(), big.size());
  QTest::keyClicks(&edit, "8");
  edit.SelectAll();
  edit.CopyToClipboard();
  QVERIFY(edit.Text() == big + "8");
  QVERIFY(QGuiApplication::clipboard()->text() == big + "8");
}

QTEST_MAIN(AlignEditTest)
#include "AlignEditTest.moc"
