// Copy and paste between the display line and the clipboard, through the menu and through the
// shortcuts whichever control has the focus; a paste is exact and unchecked, and a huge one
// neither freezes nor breaks the window.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QWindow>

#include "FormFixture.h"
#include "controls/AlignEdit.h"
#include "mainwindow/RadioGroup.h"

using namespace solvanex;
using solvanex::testing::FormFixture;

namespace {

// Counts the times a widget's read-only state was switched.
class ReadOnlyProbe : public QObject {
 public:
  explicit ReadOnlyProbe(QWidget* widget) { widget->installEventFilter(this); }
  int switches = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ReadOnlyChange) ++switches;
    return false;
  }
};

// Pixels of the display drawn in the selection's colour.
int SelectionPixels(TAlignEdit* display) {
  const QColor highlight = display->palette().color(QPalette::Active, QPalette::Highlight);
  const QImage image = display->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixelColor(x, y) == highlight) ++count;
    }
  }
  return count;
}

void Type(QWindow* window, const QString& keys) {
  for (const QChar c : keys) {
    if (c == u'⏎') {
      QTest::keyClick(window, Qt::Key_Return);
    } else {
      QTest::keyClick(window, c.toLatin1());
    }
  }
}

}  // namespace

class ClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { fixture_.reset(); }
  void copy_data();
  void copy();
  void paste_data();
  void paste();
  void nothingToPasteChangesNothing_data();
  void nothingToPasteChangesNothing();
  void hugePasteStaysResponsive();
  void copiedSelectionShowsOnlyWithTheFocus();
  void pastedTextStaysOnOneLine_data();
  void pastedTextStaysOnOneLine();

 private:
  void Focus(const QString& where);
  void Run(const QString& how, const char* action, const QKeySequence& keys);
  std::unique_ptr<FormFixture> fixture_;
};

void ClipboardTest::init() {
  fixture_ = std::make_unique<FormFixture>();
  QVERIFY(fixture_->ShowActive());
  QGuiApplication::clipboard()->clear();
}

void ClipboardTest::Focus(const QString& where) {
  QWidget* widget = where == "display" ? static_cast<QWidget*>(fixture_->Form().Afficheur())
                                       : fixture_->Form().RadioGroup1()->Buttons()[0];
  widget->setFocus();
  QTRY_VERIFY(widget->hasFocus());
}

void ClipboardTest::Run(const QString& how, const char* action, const QKeySequence& keys) {
  if (how == "menu") {
    fixture_->Form().findChild<QAction*>(action)->trigger();
  } else {
    QTest::keySequence(fixture_->Window(), keys);
  }
}

void ClipboardTest::copy_data() {
  // clang-format off
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QString>("copied");
  QTest::newRow("menu") << "12,5" << "menu" << "radio" << "12,5";
  QTest::newRow("trailing separator kept") << "12" << "menu" << "radio" << "12,";
  QTest::newRow("Ctrl+C, radio focused") << "7*6⏎" << "shortcut" << "radio" << "42,";
  // The display has a copy of its own for Ctrl+C; the menu's shortcut must win and copy all.
  QTest::newRow("Ctrl+C, display focused") << "3,25" << "shortcut" << "display" << "3,25";
  // clang-format on
}

void ClipboardTest::copy() {
  QFETCH(QString, keys);
  QFETCH(QString, how);
  QFETCH(QString, focus);
  QFETCH(QString, copied);
  Focus(focus);
  Type(fixture_->Window(), keys);
  Run(how, "Coller1", QKeySequence(Qt::CTRL | Qt::Key_C));
  QCOMPARE(QGuiApplication::clipboard()->text(), copied);
  QCOMPARE(fixture_->Display(), copied);
}

void ClipboardTest::paste_data() {
  // clang-format off
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("how");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QString>("keysAfter");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("errorBox");
  QTest::newRow("number, then a sum") << "3,14" << "shortcut" << "radio" << "+2⏎" << "5,14" << "";
  QTest::newRow("display focused") << "3,14" << "shortcut" << "display" << "" << "3,14" << "";
  QTest::newRow("menu") << "0,5" << "menu" << "radio" << "" << "0,5" << "";
  QTest::newRow("two lines kept exactly") << "1\r\n2" << "menu" << "radio" << "" << "1\r\n2" << "";
  QTest::newRow("a word, then a digit") << "abc" << "menu" << "radio" << "7" << "7," << "";
  QTest::newRow("a word, then equals") << "abc" << "menu" << "radio" << "⏎" << "abc"
      << "'abc' n'est pas une valeur en virgule flottante correcte.";
  // clang-format on
}

void ClipboardTest::paste() {
  QFETCH(QString, clipboard);
  QFETCH(QString, how);
  QFETCH(QString, focus);
  QFETCH(QString, keysAfter);
  QFETCH(QString, display);
  QFETCH(QString, errorBox);
  Focus(focus);
  QGuiApplication::clipboard()->setText(clipboard);
  ReadOnlyProbe probe(fixture_->Form().Afficheur());
  Run(how, "Coller2", QKeySequence(Qt::CTRL | Qt::Key_V));
  QCOMPARE(fixture_->Display(), clipboard);
  QVERIFY(fixture_->Form().Afficheur()->ReadOnly());
  QCOMPARE(probe.switches, 2);
  Type(fixture_->Window(), keysAfter);
  QCoreApplication::sendPostedEvents();  // an error box comes from the event loop
  QCOMPARE(fixture_->Display(), display);
  if (errorBox.isEmpty()) {
    QVERIFY(fixture_->errorBoxes.isEmpty());
  } else {
    QCOMPARE(fixture_->errorBoxes.size(), 1);
    QCOMPARE(fixture_->errorBoxes[0].text, errorBox);
  }
}

void ClipboardTest::nothingToPasteChangesNothing_data() {
  // clang-format off
  QTest::addColumn<int>("content");  // 0 cleared, 1 empty text, 2 an image only
  QTest::newRow("cleared") << 0;
  QTest::newRow("empty text") << 1;
  QTest::newRow("image only") << 2;
  // clang-format on
}

void ClipboardTest::nothingToPasteChangesNothing() {
  QFETCH(int, content);
  Type(fixture_->Window(), "25");
  if (content == 1) QGuiApplication::clipboard()->setText(QString());
  if (content == 2) {
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
  }
  ReadOnlyProbe probe(fixture_->Form().Afficheur());
  QTest::keySequence(fixture_->Window(), QKeySequence(Qt::CTRL | Qt::Key_V));
  QCOMPARE(fixture_->Display(), QStringLiteral("25,"));
  QCOMPARE(probe.switches, 0);
  QVERIFY(fixture_->Form().Afficheur()->ReadOnly());
}

void ClipboardTest::hugePasteStaysResponsive() {
  QString huge;
  constexpr qsizetype kSize = 10 * 1024 * 1024;
  huge.reserve(kSize);
  while (huge.size() < kSize) huge += QStringLiteral("1234567890");
  huge.truncate(kSize);
  QGuiApplication::clipboard()->setText(huge);

  QTest::keySequence(fixture_->Window(), QKeySequence(Qt::CTRL | Qt::Key_V));
  QTest::keyClick(fixture_->Window(), Qt::Key_Return);
  QCoreApplication::processEvents();

  QCOMPARE(fixture_->Display().size(), kSize);
  QCOMPARE(fixture_->errorBoxes.size(), 1);
  const QString& text = fixture_->errorBoxes[0].text;
  QVERIFY2(text.size() < 200, qPrintable(QString::number(text.size())));
  QVERIFY(text.startsWith(QStringLiteral("'1234567890")));
  QVERIFY(text.contains(QChar(u'…')));
  QVERIFY(text.endsWith(QStringLiteral("' n'est pas une valeur en virgule flottante correcte.")));
  // The window still works.
  QTest::keyClick(fixture_->Window(), Qt::Key_Escape);
  QTest::keyClick(fixture_->Window(), '8');
  QCOMPARE(fixture_->Display(), QStringLiteral("8,"));
}

void ClipboardTest::copiedSelectionShowsOnlyWithTheFocus() {
  TAlignEdit* display = fixture_->Form().Afficheur();
  // Only the copy selects here: a focus entry by program would select all by itself.
  display->SetAutoSelect(false);
  Focus("radio");
  Type(fixture_->Window(), "125");
  QTest::keySequence(fixture_->Window(), QKeySequence(Qt::CTRL | Qt::Key_C));
  QCOMPARE(display->SelectedText(), QStringLiteral("125,"));
  QCOMPARE(SelectionPixels(display), 0);

  display->setFocus(Qt::OtherFocusReason);
  QTRY_VERIFY(display->hasFocus());
  QCOMPARE(display->SelectedText(), QStringLiteral("125,"));
  QVERIFY(SelectionPixels(display) > 0);

  Focus("radio");
  QCOMPARE(display->SelectedText(), QStringLiteral("125,"));
  QCOMPARE(SelectionPixels(display), 0);
}

void ClipboardTest::pastedTextStaysOnOneLine_data() {
  QTest::addColumn<QString>("clipboard");
  QTest::addColumn<QString>("firstLine");  // what the display's one line starts with
  QTest::newRow("trailing LF") << "3,14\n"
                               << "3,14";
  QTest::newRow("trailing CR") << "3,14\r"
                               << "3,14";
  QTest::newRow("LF inside") << "1\n2"
                             << "1";
}

void ClipboardTest::pastedTextStaysOnOneLine() {
  QFETCH(QString, clipboard);
  QFETCH(QString, firstLine);
  QGuiApplication::clipboard()->setText(clipboard);
  QTest::keySequence(fixture_->Window(), QKeySequence(Qt::CTRL | Qt::Key_V));
  TAlignEdit* display = fixture_->Form().Afficheur();
  QCOMPARE(fixture_->Display(), clipboard);  // kept exactly
  QCOMPARE(display->document()->blockCount(), 1);
  QCOMPARE(display->document()->firstBlock().layout()->lineCount(), 1);
  // The line in view is that of the text, not an empty second line scrolled to.
  const QPoint middle(display->viewport()->width() / 2, display->viewport()->height() / 2);
  QVERIFY(display->cursorForPosition(middle).block().text().startsWith(firstLine));
  QCOMPARE(display->verticalScrollBar()->value(), 0);
  // Its later reading still fails: the text is no number.
  QTest::keyClick(fixture_->Window(), Qt::Key_Return);
  QCoreApplication::sendPostedEvents();
  QCOMPARE(fixture_->errorBoxes.size(), 1);
}

QTEST_MAIN(ClipboardTest)
#include "ClipboardTest.moc"
