// The help window on the built help file: the search tab (folding, the pages found, the words
// marked, Back and Forward across results), printing, the tooltips of the trees, the icon, and
// the index entries landing on their anchors.
#include "HelpBook.h"
#include "HelpBrowser.h"
#include "HelpPrint.h"
#include "HelpSearch.h"
#include "HelpWindow.h"
#include "ModalCloser.h"
#include "PrintModule.h"
#include "SearchPane.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <optional>

using namespace solvanex::help;

namespace {

const QString kHelpFile = QStringLiteral(SOLVANEX_HELP_FILE);

QStringList Paths(const std::vector<HelpSearchIndex::Hit>& hits) {
  QStringList paths;
  for (const auto& hit : hits) paths.append(hit.path);
  return paths;
}

// Every anchor name of the document.
QStringList Anchors(const QTextDocument& document) {
  QStringList names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      names.append(it.fragment().charFormat().anchorNames());
    }
  }
  return names;
}

void ForEachItem(QTreeWidget* tree, const std::function<void(QTreeWidgetItem*)>& visit) {
  std::vector<QTreeWidgetItem*> pending;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) pending.push_back(tree->topLevelItem(i));
  while (!pending.empty()) {
    QTreeWidgetItem* item = pending.back();
    pending.pop_back();
    visit(item);
    for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
  }
}

// Shows the glucose conversion's page in a help window and prints it, as the viewer does, to a
// PDF file at `path`; whether the printing says it succeeded.
bool PrintGlucosePage(const HelpBook& book, QPrinter& printer, const QString& path) {
  HelpWindow window(book);
  window.ShowTopic(u"/conversion-gly.html"_qs);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  return PrintTo(printer, *window.findChild<QTextBrowser*>(u"HelpBrowser"_qs)->document());
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void folds_data();
  void folds();
  void foldKeepsOrigins();
  void splitsWords();
  void finds_data();
  void finds();
  void searchTabOpensPagesWithWordsMarked();
  void backAndForwardCrossSearchResults();
  void printsTheShownPage();
  void failedPrintingIsReported();
  void printKeyOpensThePrintDialog();
  void withoutThePrintingModulePrintingSaysSo();
  void treeItemsShowTheirWholeTitle();
  void windowHasTheProgramsIcon();
  void opensWithTheFocusInTheContents();
  void pagesKeepTheDesktopsFont();
  void indexEntriesLandOnTheirAnchors();

 private:
  std::optional<HelpBook> book_;
  std::optional<HelpSearchIndex> index_;
};

void HelpWindowTest::initTestCase() {
  // Printing linked in: this program has no printing module beside it.
  SetPrintEntry(&SolvanexHelpPrint);
  book_ = LoadHelpBook(kHelpFile);
  QVERIFY(book_.has_value());
  index_ = HelpSearchIndex::Build(*book_->archive);
  QVERIFY(index_->PageCount() >= 30);
}

void HelpWindowTest::folds_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QString>("folded");
  QTest::newRow("accents and capitals") << u"Créatinine ÉLEVÉE"_qs << u"creatinine elevee"_qs;
  QTest::newRow("cedilla") << u"Ça, façon"_qs << u"ca, facon"_qs;
  QTest::newRow("ligatures") << u"Œdème, cæcum"_qs << u"oedeme, caecum"_qs;
  QTest::newRow("superscript") << u"kg/m²"_qs << u"kg/m2"_qs;
  QTest::newRow("diaeresis") << u"NAÏF"_qs << u"naif"_qs;
  QTest::newRow("plain") << u"abc 123"_qs << u"abc 123"_qs;
}

void HelpWindowTest::folds() {
  QFETCH(QString, text);
  QFETCH(QString, folded);
  QCOMPARE(FoldForSearch(text), folded);
}

void HelpWindowTest::foldKeepsOrigins() {
  std::vector<qsizetype> origins;
  QCOMPARE(FoldForSearch(u"éŒx"_qs, &origins), u"eoex"_qs);
  QCOMPARE(origins, (std::vector<qsizetype>{0, 1, 1, 2}));
  // A decomposed accent folds into its letter: the mark has no character of its own.
  QCOMPARE(FoldForSearch(u"e\u0301t"_qs, &origins), u"et"_qs);
  QCOMPARE(origins, (std::vector<qsizetype>{0, 2}));
}

void HelpWindowTest::splitsWords() {
  const QString text = u"5,56 mmol/l, x.2 1.5"_qs;
  QStringList words;
  for (const auto& [start, length] : SearchWords(text)) words.append(text.mid(start, length));
  QCOMPARE(words, (QStringList{u"5,56"_qs, u"mmol"_qs, u"l"_qs, u"x"_qs, u"2"_qs, u"1.5"_qs}));
  QCOMPARE(QueryWords(u"  Créatinine, CREATININE clairance "_qs),
           (QStringList{u"creatinine"_qs, u"clairance"_qs}));
}

void HelpWindowTest::finds_data() {
  QTest::addColumn<QString>("query");
  QTest::addColumn<QStringList>("found");     // pages that must be among the results
  QTest::addColumn<QStringList>("notFound");  // pages that must not
  QTest::newRow("without accents")
      << u"creatinine"_qs << QStringList{u"/conversion-cre.html"_qs, u"/formule-r.html"_qs}
      << QStringList{u"/conversion-gly.html"_qs};
  QTest::newRow("in capitals with accents")
      << u"CRÉATININE"_qs << QStringList{u"/conversion-cre.html"_qs, u"/formule-r.html"_qs}
      << QStringList{u"/conversion-gly.html"_qs};
  QTest::newRow("two words, both needed")
      << u"masse molaire"_qs << QStringList{u"/conversion-gly.html"_qs, u"/conversion-pho.html"_qs}
      << QStringList{u"/formule-p.html"_qs, u"/touches.html"_qs};
  QTest::newRow("beginning of a word")
      << u"glycem"_qs << QStringList{u"/conversion-gly.html"_qs, u"/formule-n.html"_qs}
      << QStringList{u"/formule-p.html"_qs};
  QTest::newRow("authors") << u"harris benedict"_qs << QStringList{u"/formule-e.html"_qs}
                           << QStringList{u"/formule-p.html"_qs, u"/conversion-gly.html"_qs};
  QTest::newRow("decimal number") << u"5,56"_qs << QStringList{u"/conversion-gly.html"_qs}
                                  << QStringList{u"/conversion-fer.html"_qs};
  QTest::newRow("word found nowhere")
      << u"zygomatique"_qs << QStringList{} << QStringList{u"/index.html"_qs};
  QTest::newRow("one word found nowhere")
      << u"glucose zygomatique"_qs << QStringList{} << QStringList{u"/conversion-gly.html"_qs};
  QTest::newRow("no words") << u" , ; "_qs << QStringList{} << QStringList{u"/index.html"_qs};
}

void HelpWindowTest::finds() {
  QFETCH(QString, query);
  QFETCH(QStringList, found);
  QFETCH(QStringList, notFound);
  const QStringList paths = Paths(index_->Find(query));
  for (const QString& path : found) QVERIFY2(paths.contains(path), qPrintable(path));
  for (const QString& path : notFound) QVERIFY2(!paths.contains(path), qPrintable(path));
  if (found.isEmpty()) QVERIFY(paths.isEmpty());
  // Every page found holds every word, as the page pane shows it.
  for (const QString& path : paths) {
    QTextBrowser browser;
    const QString html = QString::fromUtf8(book_->archive->Read(path).value_or(""));
    browser.setHtml(html);
    const QString text = FoldForSearch(browser.toPlainText());
    for (const QString& word : QueryWords(query)) {
      QVERIFY2(text.contains(word) || FoldForSearch(browser.documentTitle()).contains(word),
               qPrintable(path + u": "_qs + word));
    }
  }
}

void HelpWindowTest::searchTabOpensPagesWithWordsMarked() {
  HelpWindow window(*book_);
  window.show();
  auto* search = window.findChild<SearchPane*>(QStringLiteral("HelpSearch"));
  auto* text = window.findChild<QLineEdit*>(QStringLiteral("HelpSearchText"));
  auto* results = window.findChild<QListWidget*>(QStringLiteral("HelpSearchResults"));
  auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
  QVERIFY(search && text && results && browser);
  auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("HelpNavigation"));
  QCOMPARE(tabs->tabText(tabs->indexOf(search)), u"Rechercher"_qs);

  QTest::keyClicks(text, u"creatinine"_qs);
  QCOMPARE(results->count(), static_cast<int>(index_->Find(u"creatinine"_qs).size()));
  QVERIFY(results->count() > 0);
  QListWidgetItem* item = results->item(0);
  QCOMPARE(item->toolTip(), item->text());
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {},
                    results->visualItemRect(item).center());
  QCOMPARE(browser->source().path(), index_->Find(u"creatinine"_qs).front().path);

  // Every mark covers the beginning of a word that reads "creatinine" once folded.
  const QList<QTextEdit::ExtraSelection> marks = browser->extraSelections();
  QVERIFY(!marks.isEmpty());
  for (const QTextEdit::ExtraSelection& mark : marks) {
    QCOMPARE(FoldForSearch(mark.cursor.selectedText()), u"creatinine"_qs);
  }
  const int occurrences =
      static_cast<int>(FoldForSearch(browser->toPlainText()).count(u"creatinine"_qs));
  QCOMPARE(marks.size(), occurrences);

  // Another page by a link: the marks go.
  browser->setSource(QUrl(QStringLiteral("index.html")));
  QVERIFY(browser->extraSelections().isEmpty());

  // A word found nowhere says so.
  search->Search(u"zygomatique"_qs);
  QCOMPARE(results->count(), 0);
  QCOMPARE(window.findChild<QLabel*>(QStringLiteral("HelpSearchStatus"))->text(),
           u"Aucune page ne contient ces mots."_qs);
}

void HelpWindowTest::backAndForwardCrossSearchResults() {
  HelpWindow window(*book_);
  window.show();
  window.ShowTopic(u"/clavier.html"_qs);
  auto* search = window.findChild<SearchPane*>(QStringLiteral("HelpSearch"));
  auto* results = window.findChild<QListWidget*>(QStringLiteral("HelpSearchResults"));
  auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
  search->Search(u"magnesium"_qs);
  QVERIFY(results->count() >= 2);
  const QString first = results->item(0)->data(Qt::UserRole).toString();
  const QString second = results->item(1)->data(Qt::UserRole).toString();
  emit results->itemActivated(results->item(0));
  QCOMPARE(browser->source().path(), first);
  emit results->itemActivated(results->item(1));
  QCOMPARE(browser->source().path(), second);

  QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
  QCOMPARE(browser->source().path(), first);
  QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
  QCOMPARE(browser->source().path(), u"/clavier.html"_qs);
  QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
  QCOMPARE(browser->source().path(), first);
  QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
  QCOMPARE(browser->source().path(), second);
}

void HelpWindowTest::printsTheShownPage() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  QPrinter printer(QPrinter::HighResolution);
  QVERIFY(PrintGlucosePage(*book_, printer, dir.filePath(u"page.pdf"_qs)));
  QFile pdf(printer.outputFileName());
  QVERIFY(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  QVERIFY(bytes.startsWith("%PDF"));
  QVERIFY(bytes.contains("/Type /Page"));
  // The document's title travels with the print job.
  QCOMPARE(printer.docName(), u"Glucose (conversion GLY)"_qs);
}

// A printing that fails is reported as such: here the file chosen lies in a folder that is not.
void HelpWindowTest::failedPrintingIsReported() {
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  QPrinter printer(QPrinter::HighResolution);
  QVERIFY(!PrintGlucosePage(*book_, printer, dir.filePath(u"absent/page.pdf"_qs)));
  QCOMPARE(printer.printerState(), QPrinter::Error);
}

// The window opens with the focus in the contents tree, not among the page's links; the printing
// action has its icon without any desktop theme (the tests run with none).
void HelpWindowTest::opensWithTheFocusInTheContents() {
  HelpWindow window(*book_);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QCOMPARE(QApplication::focusWidget(), window.findChild<QTreeWidget*>(u"HelpContents"_qs));
  auto* print = window.findChild<QAction*>(QStringLiteral("HelpPrint"));
  QVERIFY(print != nullptr);
  QVERIFY(!print->icon().pixmap(16, 16).isNull());
}

void HelpWindowTest::printKeyOpensThePrintDialog() {
  HelpWindow window(*book_);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  auto* print = window.findChild<QAction*>(QStringLiteral("HelpPrint"));
  QVERIFY(print != nullptr);
  QCOMPARE(print->shortcut(), QKeySequence(QKeySequence::Print));
  QString title;
  QStringList buttons;
  const solvanex::testing::ModalCloser closer([&title, &buttons](QWidget* dialog) {
    if (qobject_cast<QPrintDialog*>(dialog) == nullptr) return;
    title = dialog->windowTitle();
    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
      buttons.append(button->text().remove(u'&'));
    }
  });
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  QCOMPARE(title, u"Imprimer la page"_qs);
  const QString french = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_fr.qm"_qs;
  if (!QFile::exists(french)) QSKIP("Qt's French translations are not installed");
  // Qt's own texts of the dialog in French while it is open, and only then.
  QVERIFY2(buttons.contains(u"Annuler"_qs), qPrintable(buttons.join(u", "_qs)));
  QVERIFY2(buttons.contains(u"Propriétés"_qs), qPrintable(buttons.join(u", "_qs)));
  QPrintDialog after(&window);
  QStringList afterButtons;
  for (const QPushButton* button : after.findChildren<QPushButton*>()) {
    afterButtons.append(button->text().remove(u'&'));
  }
  QVERIFY2(afterButtons.contains(u"Cancel"_qs), qPrintable(afterButtons.join(u", "_qs)));
}

void HelpWindowTest::withoutThePrintingModulePrintingSaysSo() {
  // No entry set and no hhprint.so beside this program: the user is told, nothing is printed.
  SetPrintEntry(nullptr);
  HelpWindow window(*book_);
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QString text;
  const solvanex::testing::ModalCloser closer([&text](QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) text = box->text();
  });
  QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
  SetPrintEntry(&SolvanexHelpPrint);
  QVERIFY2(text.contains(u"L'impression n'est pas disponible"_qs), qPrintable(text));
  QVERIFY2(text.contains(u"hhprint.so"_qs), qPrintable(text));
}

void HelpWindowTest::treeItemsShowTheirWholeTitle() {
  HelpWindow window(*book_);
  int items = 0;
  for (const QString& name : {u"HelpContents"_qs, u"HelpIndex"_qs}) {
    auto* tree = window.findChild<QTreeWidget*>(name);
    QVERIFY(tree != nullptr);
    ForEachItem(tree, [&items](QTreeWidgetItem* item) {
      QCOMPARE(item->toolTip(0), item->text(0));
      ++items;
    });
  }
  QVERIFY(items > 100);
}

void HelpWindowTest::windowHasTheProgramsIcon() {
  HelpWindow window(*book_);
  const QIcon program(QStringLiteral(SOLVANEX_PROGRAM_ICON));
  QVERIFY(!window.windowIcon().isNull());
  const QImage shown = window.windowIcon().pixmap(32, 32).toImage();
  QVERIFY(!shown.isNull());
  QCOMPARE(shown, program.pixmap(32, 32).toImage());
}

void HelpWindowTest::pagesKeepTheDesktopsFont() {
  // The program sets its small dialog font for the whole application; help stays readable.
  const QFont before = QApplication::font();
  QFont small = before;
  small.setPixelSize(7);
  QApplication::setFont(small);
  HelpWindow window(*book_);
  QApplication::setFont(before);
  const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  QCOMPARE(window.font(), desktop);
  QCOMPARE(window.findChild<HelpBrowser*>(u"HelpBrowser"_qs)->font(), desktop);
}

void HelpWindowTest::indexEntriesLandOnTheirAnchors() {
  HelpWindow window(*book_);
  auto* browser = window.findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
  int anchored = 0;
  for (const SitemapEntry& entry : book_->index) {
    const QUrl url = TopicUrl(entry.local);
    window.ShowTopic(entry.local);
    QVERIFY2(
        !browser->documentTitle().isEmpty() && browser->documentTitle() != u"Page introuvable"_qs,
        qPrintable(entry.local));
    if (url.hasFragment()) {
      QVERIFY2(Anchors(*browser->document()).contains(url.fragment()),
               qPrintable(entry.name + u" -> "_qs + entry.local));
      ++anchored;
    }
  }
  QVERIFY(anchored >= 20);
}

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
