// The viewer module as the program uses it: loaded by absolute path with dlopen, called
// through its two exported entries on the built help file.
#include "HtmlHelp.h"
#include "ModalCloser.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <dlfcn.h>
#include <elf.h>

#include <cstring>
#include <optional>
#include <thread>

namespace {

namespace testing = solvanex::testing;

const QString kModulePath = QStringLiteral(SOLVANEX_HHCTRL_PATH);
const QString kHelpFile = QStringLiteral(SOLVANEX_HELP_FILE);

QList<QWidget*> HelpWindows() {
  QList<QWidget*> windows;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == u"HelpWindow") windows.append(widget);
  }
  return windows;
}

QTextBrowser* Browser(QWidget* window) {
  return window->findChild<QTextBrowser*>();
}

// The contents of the named section of an ELF64 file, or nothing.
std::optional<QByteArray> ElfSection(const QByteArray& file, const char* name) {
  if (file.size() < static_cast<qsizetype>(sizeof(Elf64_Ehdr))) return {};
  Elf64_Ehdr header;
  std::memcpy(&header, file.constData(), sizeof header);
  const auto sectionHeader = [&](unsigned index) -> std::optional<Elf64_Shdr> {
    const quint64 at = header.e_shoff + quint64(index) * header.e_shentsize;
    if (at + sizeof(Elf64_Shdr) > quint64(file.size())) return {};
    Elf64_Shdr section;
    std::memcpy(&section, file.constData() + at, sizeof section);
    return section;
  };
  const std::optional<Elf64_Shdr> names = sectionHeader(header.e_shstrndx);
  if (!names) return {};
  for (unsigned i = 0; i < header.e_shnum; ++i) {
    const std::optional<Elf64_Shdr> section = sectionHeader(i);
    if (!section || names->sh_offset + section->sh_name >= quint64(file.size())) return {};
    if (std::strcmp(file.constData() + names->sh_offset + section->sh_name, name) != 0) continue;
    if (section->sh_offset + section->sh_size > quint64(file.size())) return {};
    return file.mid(qsizetype(section->sh_offset), qsizetype(section->sh_size));
  }
  return {};
}

}  // namespace

class HhctrlModuleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanup();
  void exportsOnlyTheTwoEntries();
  void carriesItsVersion();
  void displayTopicOpensOwnWindowOnContentsPage();
  void secondDisplayRaisesSameWindow();
  void wideEntryOpensSameWindow();
  void topicAfterFileNameIsShown();
  void pageStyleAndImageComeFromHelpFile();
  void followsLinksAndContents();
  void keys_data();
  void keys();
  void closeAllDeletesEveryWindow();
  void printKeyLoadsThePrintingModule();
  void unopenableFileTellsUserAndReturnsNull_data();
  void unopenableFileTellsUserAndReturnsNull();
  void otherCommandsDoNothing_data();
  void otherCommandsDoNothing();
  void callsOffTheGuiThreadDoNothing();

 private:
  QWidget* Display(const QString& argument);

  void* module_ = nullptr;
  HtmlHelpAFunction htmlHelpA_ = nullptr;
  HtmlHelpWFunction htmlHelpW_ = nullptr;
};

void HhctrlModuleTest::initTestCase() {
  QVERIFY2(QFile::exists(kHelpFile), qPrintable(kHelpFile));
  module_ = dlopen(QFile::encodeName(kModulePath).constData(), RTLD_NOW | RTLD_LOCAL);
  QVERIFY2(module_ != nullptr, dlerror());
  htmlHelpA_ = reinterpret_cast<HtmlHelpAFunction>(dlsym(module_, "HtmlHelpA"));
  htmlHelpW_ = reinterpret_cast<HtmlHelpWFunction>(dlsym(module_, "HtmlHelpW"));
  QVERIFY(htmlHelpA_ != nullptr);
  QVERIFY(htmlHelpW_ != nullptr);
}

void HhctrlModuleTest::cleanup() {
  QCOMPARE(htmlHelpA_(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
  QVERIFY(HelpWindows().isEmpty());
}

QWidget* HhctrlModuleTest::Display(const QString& argument) {
  return static_cast<QWidget*>(
      htmlHelpA_(nullptr, argument.toUtf8().constData(), HH_DISPLAY_TOPIC, 0));
}

void HhctrlModuleTest::exportsOnlyTheTwoEntries() {
  QFile module(kModulePath);
  QVERIFY(module.open(QIODevice::ReadOnly));
  const QByteArray bytes = module.readAll();
  const std::optional<QByteArray> symbols = ElfSection(bytes, ".dynsym");
  const std::optional<QByteArray> names = ElfSection(bytes, ".dynstr");
  QVERIFY(symbols && names);
  QStringList defined;
  for (qsizetype at = 0; at + qsizetype(sizeof(Elf64_Sym)) <= symbols->size();
       at += sizeof(Elf64_Sym)) {
    Elf64_Sym symbol;
    std::memcpy(&symbol, symbols->constData() + at, sizeof symbol);
    if (symbol.st_shndx == SHN_UNDEF || symbol.st_name >= names->size()) continue;
    defined.append(QString::fromLatin1(names->constData() + symbol.st_name));
  }
  defined.sort();
  QCOMPARE(defined, (QStringList{u"HtmlHelpA"_qs, u"HtmlHelpW"_qs}));
}

void HhctrlModuleTest::carriesItsVersion() {
  QFile module(kModulePath);
  QVERIFY(module.open(QIODevice::ReadOnly));
  const std::optional<QByteArray> section = ElfSection(module.readAll(), ".fileversion");
  QVERIFY(section.has_value());
  // 1.0.0.0: FileVersionMS = 1 << 16 | 0, FileVersionLS = 0 << 16 | 0, little-endian.
  QCOMPARE(*section, QByteArray("\x00\x00\x01\x00\x00\x00\x00\x00", 8));
}

void HhctrlModuleTest::displayTopicOpensOwnWindowOnContentsPage() {
  QWidget* window = Display(kHelpFile);
  QVERIFY(window != nullptr);
  QCOMPARE(HelpWindows(), QList<QWidget*>{window});
  QVERIFY(window->isWindow());
  QCOMPARE(window->parentWidget(), nullptr);
  QVERIFY(window->isVisible());
  QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
  QCOMPARE(window->windowTitle(), u"Aide de Solvanex"_qs);

  QTextBrowser* browser = Browser(window);
  QVERIFY(browser != nullptr);
  QCOMPARE(browser->source().path(), u"/index.html"_qs);
  QCOMPARE(browser->documentTitle(), u"Sommaire de l'aide de Solvanex"_qs);
  // The accented letters of the UTF-8 pages arrive whole.
  const QString text = browser->toPlainText();
  QVERIFY2(text.contains(u"Mémoire"_qs), qPrintable(text.left(400)));
  QVERIFY(text.contains(u"Presse-papiers"_qs));
  QVERIFY(!text.contains(QChar::ReplacementCharacter));
}

void HhctrlModuleTest::secondDisplayRaisesSameWindow() {
  QWidget* first = Display(kHelpFile);
  QVERIFY(first != nullptr);
  first->close();
  QVERIFY(!first->isVisible());
  QCOMPARE(Display(kHelpFile), first);
  QVERIFY(first->isVisible());
  QCOMPARE(HelpWindows().size(), 1);

  // A copy elsewhere is another help file, with a window of its own.
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString copy = dir.filePath(QStringLiteral("Copie.chm"));
  QVERIFY(QFile::copy(kHelpFile, copy));
  QWidget* second = Display(copy);
  QVERIFY(second != nullptr);
  QVERIFY(second != first);
  QCOMPARE(HelpWindows().size(), 2);
}

void HhctrlModuleTest::wideEntryOpensSameWindow() {
  QWidget* window = Display(kHelpFile);
  const std::wstring wide = kHelpFile.toStdWString();
  QCOMPARE(htmlHelpW_(nullptr, wide.c_str(), HH_DISPLAY_TOPIC, 0), window);

  const std::wstring topic = L"/clavier.html";
  htmlHelpW_(nullptr, wide.c_str(), HH_DISPLAY_TOPIC,
             reinterpret_cast<std::uintptr_t>(topic.c_str()));
  QCOMPARE(Browser(window)->source().path(), u"/clavier.html"_qs);
}

void HhctrlModuleTest::topicAfterFileNameIsShown() {
  QWidget* window = Display(kHelpFile + u"::/memoire.html"_qs);
  QVERIFY(window != nullptr);
  QCOMPARE(Browser(window)->source().path(), u"/memoire.html"_qs);
  QVERIFY(Browser(window)->toPlainText().contains(u"MS"_qs));
}

void HhctrlModuleTest::pageStyleAndImageComeFromHelpFile() {
  QWidget* window = Display(kHelpFile + u"::/touches.html"_qs);
  QVERIFY(window != nullptr);
  QTextBrowser* browser = Browser(window);
  QStringList images;
  for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat()) images.append(format.toImageFormat().name());
    }
  }
  QCOMPARE(images.size(), 1);

  // The style sheet of the help file colours the headings.
  QTextBlock heading = browser->document()->begin();
  while (heading.isValid() && heading.blockFormat().headingLevel() != 1) heading = heading.next();
  QVERIFY(heading.isValid());
  QCOMPARE(heading.begin().fragment().charFormat().foreground().color(), QColor(0x80, 0x00, 0x80));

  const QVariant served = browser->loadResource(QTextDocument::ImageResource, QUrl(images[0]));
  const QImage image = QImage::fromData(served.toByteArray());
  QVERIFY(!image.isNull());
  QVERIFY(image.width() > 16);

  // Painting the page makes the document ask for the image the same way, and keep it.
  window->grab();
  const QVariant shown = browser->document()->resource(QTextDocument::ImageResource,
                                                       browser->source().resolved(QUrl(images[0])));
  QCOMPARE(qvariant_cast<QPixmap>(shown).size(), image.size());
}

void HhctrlModuleTest::followsLinksAndContents() {
  QWidget* window = Display(kHelpFile);
  QTextBrowser* browser = Browser(window);
  // A relative link as the page writes it.
  browser->setSource(QUrl(QStringLiteral("touches.html")));
  QCOMPARE(browser->source().path(), u"/touches.html"_qs);
  QCOMPARE(browser->documentTitle(), u"Les touches"_qs);
  browser->setSource(QUrl(QStringLiteral("ms-its:Solvanex.chm::/clavier.html")));
  QCOMPARE(browser->source().path(), u"/clavier.html"_qs);

  // A page that is not in the file says so instead of leaving the pane blank.
  browser->setSource(QUrl(QStringLiteral("absente.html")));
  QVERIFY(browser->toPlainText().contains(u"Page introuvable"_qs));

  // Every formula has an entry in the contents, which opens its page.
  auto* contents = window->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
  QVERIFY(contents != nullptr);
  const QList<QTreeWidgetItem*> found =
      contents->findItems(u"(IMC)"_qs, Qt::MatchContains | Qt::MatchRecursive);
  QVERIFY(!found.isEmpty());
  contents->scrollToItem(found[0]);
  QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                    contents->visualItemRect(found[0]).center());
  QVERIFY(browser->source().path().startsWith(u"/formule-"_qs));
  QVERIFY(browser->toPlainText().contains(u"Exemple"_qs));
}

void HhctrlModuleTest::keys_data() {
  QTest::addColumn<QString>("topic");
  QTest::addColumn<QKeyCombination>("key");
  QTest::addColumn<QString>("expected");  // page shown after the key; empty: window closed
  QTest::newRow("Home from a page")
      << "/clavier.html" << QKeyCombination(Qt::Key_Home) << "/index.html";
  QTest::newRow("Alt+Left goes back")
      << "/clavier.html" << QKeyCombination(Qt::AltModifier, Qt::Key_Left) << "/touches.html";
  QTest::newRow("Escape closes") << "/clavier.html" << QKeyCombination(Qt::Key_Escape) << "";
}

void HhctrlModuleTest::keys() {
  QFETCH(QString, topic);
  QFETCH(QKeyCombination, key);
  QFETCH(QString, expected);
  QWidget* window = Display(kHelpFile + u"::/touches.html"_qs);
  QVERIFY(QTest::qWaitForWindowActive(window));
  Display(kHelpFile + u"::"_qs + topic);
  QCOMPARE(Browser(window)->source().path(), topic);

  QTest::keyClick(Browser(window), key.key(), key.keyboardModifiers());
  if (expected.isEmpty()) {
    QVERIFY(!window->isVisible());
  } else {
    QVERIFY(window->isVisible());
    QCOMPARE(Browser(window)->source().path(), expected);
  }
}

void HhctrlModuleTest::closeAllDeletesEveryWindow() {
  QPointer<QWidget> window = Display(kHelpFile);
  QVERIFY(window);
  QTemporaryDir dir;
  const QString copy = dir.filePath(QStringLiteral("Copie.chm"));
  QVERIFY(QFile::copy(kHelpFile, copy));
  QPointer<QWidget> other = Display(copy);
  QVERIFY(other);
  other->close();  // hidden by its user: still the module's to delete

  QCOMPARE(htmlHelpA_(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
  QVERIFY(window.isNull());  // at once, before the caller can unload the module
  QVERIFY(other.isNull());
  QVERIFY(HelpWindows().isEmpty());
  QCOMPARE(htmlHelpA_(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);  // nothing left: harmless
}

void HhctrlModuleTest::printKeyLoadsThePrintingModule() {
  // The print support is no part of loading the viewer: it comes with hhprint.so, found beside
  // the viewer at the first printing.
  const auto loaded = [](const char* name) {
    return dlopen(name, RTLD_NOW | RTLD_NOLOAD) != nullptr;
  };
  QVERIFY(!loaded("libQt6PrintSupport.so.6"));
  QWidget* window = Display(kHelpFile);
  QVERIFY(QTest::qWaitForWindowActive(window));
  QString dialogClass;
  QString title;
  const testing::ModalCloser closer([&dialogClass, &title](QWidget* dialog) {
    dialogClass = QString::fromLatin1(dialog->metaObject()->className());
    title = dialog->windowTitle();
  });
  QTest::keyClick(Browser(window), Qt::Key_P, Qt::ControlModifier);
  QCOMPARE(dialogClass, u"QPrintDialog"_qs);
  QCOMPARE(title, u"Imprimer la page"_qs);
  QVERIFY(loaded("libQt6PrintSupport.so.6"));
}

void HhctrlModuleTest::unopenableFileTellsUserAndReturnsNull_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QByteArray>("contents");  // written under name first, unless null
  QTest::addColumn<QString>("message");
  QTest::newRow("bare name not found")
      << "Absent.chm" << QByteArray()
      << u"Impossible d'ouvrir le fichier d'aide « Absent.chm »."_qs;
  QTest::newRow("path not found")
      << "<dir>/Absent.chm" << QByteArray()
      << u"Impossible d'ouvrir le fichier d'aide « <dir>/Absent.chm »."_qs;
  QByteArray noise(2048, '\0');
  for (qsizetype i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919) >> 3);
  QTest::newRow("random bytes") << "<dir>/Bruit.chm" << noise
                                << u"Le fichier « <dir>/Bruit.chm » n'est pas un fichier d'aide "
                                   u"HTML compilé valide."_qs;
  QTest::newRow("empty file") << "<dir>/Vide.chm" << QByteArray("")
                              << u"Le fichier « <dir>/Vide.chm » n'est pas un fichier d'aide "
                                 u"HTML compilé valide."_qs;
  // The real help file, damaged: cut short, or with its middle overwritten.
  QFile real(kHelpFile);
  QVERIFY(real.open(QIODevice::ReadOnly));
  const QByteArray whole = real.readAll();
  QVERIFY(whole.size() > 8192);
  QTest::newRow("cut to 2,000 bytes")
      << "<dir>/Coupe.chm" << whole.left(2000)
      << u"Le fichier « <dir>/Coupe.chm » n'est pas un fichier d'aide HTML compilé valide."_qs;
  QTest::newRow("cut to three quarters")
      << "<dir>/Coupe.chm" << whole.left(whole.size() * 3 / 4)
      << u"Le fichier « <dir>/Coupe.chm » n'est pas un fichier d'aide HTML compilé valide."_qs;
  for (const int eighth : {2, 3, 4, 5, 6}) {
    QByteArray damaged = whole;
    const qsizetype from = damaged.size() * eighth / 8;
    damaged.replace(from, noise.size(), noise);
    QTest::addRow("noise at %d/8", eighth)
        << "<dir>/Abime.chm" << damaged
        << u"Le fichier « <dir>/Abime.chm » n'est pas un fichier d'aide HTML compilé valide."_qs;
  }
  QTest::newRow("folder") << "<dir>" << QByteArray()
                          << u"Impossible d'ouvrir le fichier d'aide « <dir> »."_qs;
}

void HhctrlModuleTest::unopenableFileTellsUserAndReturnsNull() {
  QFETCH(QString, name);
  QFETCH(QByteArray, contents);
  QFETCH(QString, message);
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  name.replace(u"<dir>"_qs, dir.path());
  message.replace(u"<dir>"_qs, dir.path());
  if (!contents.isNull()) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
  }

  std::optional<QString> text;
  const testing::ModalCloser closer([&text](QWidget* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) text = box->text();
  });
  QCOMPARE(Display(name), nullptr);
  QCOMPARE(text, std::optional<QString>(message));
  QVERIFY(HelpWindows().isEmpty());
}

void HhctrlModuleTest::otherCommandsDoNothing_data() {
  QTest::addColumn<uint>("command");
  QTest::newRow("HH_DISPLAY_TOC") << 0x0001u;
  QTest::newRow("HH_DISPLAY_INDEX") << 0x0002u;
  QTest::newRow("HH_DISPLAY_SEARCH") << 0x0003u;
  QTest::newRow("HH_HELP_CONTEXT") << 0x000Fu;
  QTest::newRow("HH_CLOSE_ALL + 1") << 0x0013u;
  QTest::newRow("all bits") << 0xFFFFFFFFu;
}

void HhctrlModuleTest::otherCommandsDoNothing() {
  QFETCH(uint, command);
  QWidget* window = Display(kHelpFile);
  QVERIFY(window != nullptr);
  QCOMPARE(htmlHelpA_(nullptr, kHelpFile.toUtf8().constData(), command, 0), nullptr);
  QCOMPARE(htmlHelpA_(nullptr, nullptr, command, 0), nullptr);
  const std::wstring wide = kHelpFile.toStdWString();
  QCOMPARE(htmlHelpW_(nullptr, wide.c_str(), command, 0), nullptr);
  QCOMPARE(HelpWindows(), QList<QWidget*>{window});
  QVERIFY(window->isVisible());
  // A display without a file name has nothing to show either.
  QCOMPARE(htmlHelpA_(nullptr, nullptr, HH_DISPLAY_TOPIC, 0), nullptr);
  QCOMPARE(HelpWindows().size(), 1);
}

void HhctrlModuleTest::callsOffTheGuiThreadDoNothing() {
  QWidget* window = Display(kHelpFile);
  const QByteArray file = kHelpFile.toUtf8();
  void* displayed = window;
  void* closed = window;
  std::thread caller([&] {
    displayed = htmlHelpA_(nullptr, file.constData(), HH_DISPLAY_TOPIC, 0);
    closed = htmlHelpA_(nullptr, nullptr, HH_CLOSE_ALL, 0);
  });
  caller.join();
  QCOMPARE(displayed, nullptr);
  QCOMPARE(closed, nullptr);
  QCOMPARE(HelpWindows(), QList<QWidget*>{window});  // widgets belong to the GUI thread
}

QTEST_MAIN(HhctrlModuleTest)
#include "HhctrlModuleTest.moc"
