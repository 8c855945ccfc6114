// The parts of the viewer that read what a help file and its callers hand it: texts of unknown
// encoding, the "#SYSTEM" records, contents trees, file arguments and topic links.
#include "ChmArchive.h"
#include "ChmText.h"
#include "HelpBook.h"
#include "HelpFilePatches.h"
#include "HelpLocation.h"
#include "Sitemap.h"
#include "SystemFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <type_traits>

using namespace solvanex::help;
using namespace solvanex::testing;

namespace {

// A "#SYSTEM" object: the version, then each record as code, length, bytes.
QByteArray SystemObject(const QList<QPair<quint16, QByteArray>>& records) {
  QByteArray data("\x03\x00\x00\x00", 4);
  for (const auto& [code, bytes] : records) {
    data.append(static_cast<char>(code & 0xFF)).append(static_cast<char>(code >> 8));
    data.append(static_cast<char>(bytes.size() & 0xFF))
        .append(static_cast<char>(bytes.size() >> 8));
    data.append(bytes);
  }
  return data;
}

// A tree written on one line: "Name(local)[children]" items in order.
QString Outline(const std::vector<SitemapEntry>& entries) {
  QString text;
  for (const SitemapEntry& entry : entries) {
    text += entry.name + u'(' + entry.local + u')';
    if (!entry.children.empty()) text += u'[' + Outline(entry.children) + u']';
  }
  return text;
}

// The number of items of a tree, counted without recursion.
qsizetype ItemCount(const std::vector<SitemapEntry>& entries) {
  qsizetype count = 0;
  std::vector<const std::vector<SitemapEntry>*> pending{&entries};
  while (!pending.empty()) {
    const std::vector<SitemapEntry>* list = pending.back();
    pending.pop_back();
    count += static_cast<qsizetype>(list->size());
    for (const SitemapEntry& entry : *list) pending.push_back(&entry.children);
  }
  return count;
}

// The help file this build made, as bytes to damage.
QByteArray BuiltHelpFile() {
  QFile built(QStringLiteral(SOLVANEX_HELP_FILE));
  return built.open(QIODevice::ReadOnly) ? built.readAll() : QByteArray();
}

// Whether the viewer opens bytes saved as a help file; nothing when they cannot be saved.
std::optional<bool> OpensAsHelpFile(const QByteArray& bytes) {
  QTemporaryDir dir;
  if (!dir.isValid()) return std::nullopt;
  const QString path = dir.filePath(QStringLiteral("Solvanex.chm"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return std::nullopt;
  file.close();
  return LoadHelpBook(path).has_value();
}

}  // namespace

class HelpParsingTest : public QObject {
  Q_OBJECT

 private slots:
  void decodesHelpText_data();
  void decodesHelpText();
  void decodesSitemapText_data();
  void decodesSitemapText();
  void decodesEntities_data();
  void decodesEntities();
  void readsSystemObject_data();
  void readsSystemObject();
  void readsTextsInTheLanguageOfTheSystemObject();
  void readsSitemap_data();
  void readsSitemap();
  void findsFirstTopic();
  void boundsTreeDepth_data();
  void boundsTreeDepth();
  void decodesManyAmpersands();
  void splitsHelpArgument_data();
  void splitsHelpArgument();
  void locatesHelpFile_data();
  void locatesHelpFile();
  void normalizesArchivePath_data();
  void normalizesArchivePath();
  void makesTopicUrl_data();
  void makesTopicUrl();
  void refusesFilesThatAreNoHelpFile_data();
  void refusesFilesThatAreNoHelpFile();
  void judgesDamagedHelpFile_data();
  void judgesDamagedHelpFile();
};

void HelpParsingTest::decodesHelpText_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<QString>("text");
  QTest::newRow("ascii") << QByteArray("Aide") << u"Aide"_qs;
  QTest::newRow("utf-8") << QByteArray("Aide de d\xc3\xa9part") << u"Aide de départ"_qs;
  QTest::newRow("windows-1252 accent") << QByteArray("m\xe9moire") << u"mémoire"_qs;
  QTest::newRow("windows-1252 ligature and quote") << QByteArray(
                                                          "\x9c"
                                                          "d\xe8me \x92")
                                                   << u"\u0153dème \u2019"_qs;
  QTest::newRow("stops at NUL") << QByteArray("Titre\0reste", 11) << u"Titre"_qs;
  QTest::newRow("empty") << QByteArray() << QString();
}

void HelpParsingTest::decodesHelpText() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, text);
  QCOMPARE(DecodeHelpText(bytes), text);
}

// Contents and index files: the character set they declare first; else UTF-8 when they are
// valid UTF-8; else the code page of the help file's language.
void HelpParsingTest::decodesSitemapText_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<uint>("lcid");
  QTest::addColumn<QString>("text");
  const QByteArray windows1252 =
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
  QTest::newRow("declared windows-1252") << windows1252 + "m\xe9moire" << 0x040Cu << u"mémoire"_qs;
  // Bytes that would also read as UTF-8 are read as the file says.
  QTest::newRow("declared windows-1252, UTF-8 look-alike")
      << windows1252 + "\xc3\xa9" << 0x040Cu << u"Ã©"_qs;
  QTest::newRow("declared in quotes, other case")
      << QByteArray("<META CHARSET=\"Windows-1252\">\x97") << 0u << u"—"_qs;
  QTest::newRow("declared utf-8") << QByteArray("<meta charset=utf-8>d\xc3\xa9part") << 0x040Cu
                                  << u"départ"_qs;
  QTest::newRow("declared utf-8 but written in the language's code page")
      << QByteArray("<meta charset=utf-8>d\xe9part") << 0x040Cu << u"départ"_qs;
  QTest::newRow("declared set unknown here")
      << QByteArray("<meta charset=x-nowhere>d\xe9part") << 0x040Cu << u"départ"_qs;
  QTest::newRow("undeclared, French") << QByteArray("d\xe9part") << 0x040Cu << u"départ"_qs;
  QTest::newRow("undeclared, valid UTF-8")
      << QByteArray("d\xc3\xa9part") << 0x040Cu << u"départ"_qs;
  QTest::newRow("undeclared, Greek") << QByteArray("\xe1\xe2") << 0x0408u << u"αβ"_qs;
  QTest::newRow("undeclared, Russian") << QByteArray("\xe0") << 0x0419u << u"а"_qs;
  QTest::newRow("declared windows-1253 in a French file")
      << QByteArray("<meta charset=windows-1253>\xe1") << 0x040Cu << u"α"_qs;
}

void HelpParsingTest::decodesSitemapText() {
  QFETCH(QByteArray, bytes);
  QFETCH(uint, lcid);
  QFETCH(QString, text);
  QVERIFY(DecodeSitemapText(bytes, lcid).endsWith(text));
}

void HelpParsingTest::decodesEntities_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("output");
  QTest::newRow("named accents") << u"Fonctions &agrave; une valeur, &eacute;t&eacute;"_qs
                                 << u"Fonctions à une valeur, été"_qs;
  QTest::newRow("markup characters") << u"&lt;b&gt; &amp; &quot;x&quot;"_qs << u"<b> & \"x\""_qs;
  QTest::newRow("decimal and hex") << u"&#233;&#xE9;&#XE9;"_qs << u"ééé"_qs;
  QTest::newRow("beyond the BMP") << u"&#x1F600;"_qs << QString::fromUcs4(U"\U0001F600", 1);
  QTest::newRow("unknown name kept") << u"&foo; x"_qs << u"&foo; x"_qs;
  QTest::newRow("lone ampersand kept") << u"A & B"_qs << u"A & B"_qs;
  QTest::newRow("surrogate kept") << u"&#xD800;"_qs << u"&#xD800;"_qs;
  QTest::newRow("zero kept") << u"&#0;"_qs << u"&#0;"_qs;
  QTest::newRow("beyond Unicode kept") << u"&#x110000;"_qs << u"&#x110000;"_qs;
  QTest::newRow("unterminated kept") << u"&eacute"_qs << u"&eacute"_qs;
}

void HelpParsingTest::decodesEntities() {
  QFETCH(QString, input);
  QFETCH(QString, output);
  QCOMPARE(DecodeHtmlEntities(input), output);
}

void HelpParsingTest::readsSystemObject_data() {
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<QString>("contents");
  QTest::addColumn<QString>("index");
  QTest::addColumn<QString>("topic");
  QTest::addColumn<QString>("title");

  QTest::newRow("all four") << SystemObject({{0, QByteArray("Solvanex.hhc\0", 13)},
                                             {1, QByteArray("Solvanex.hhk\0", 13)},
                                             {2, QByteArray("index.html\0", 11)},
                                             {3, QByteArray("Aide de Solvanex\0", 17)}})
                            << "Solvanex.hhc"
                            << "Solvanex.hhk"
                            << "index.html"
                            << "Aide de Solvanex";
  QTest::newRow("unknown codes skipped") << SystemObject({{9, QByteArray("x\0", 2)},
                                                          {4, QByteArray(36, '\x01')},
                                                          {3, QByteArray("Titre\0", 6)}})
                                         << ""
                                         << ""
                                         << ""
                                         << "Titre";
  QTest::newRow("title in windows-1252") << SystemObject({{3, QByteArray("Aide m\xe9"
                                                                         "dicale\0",
                                                                         14)}})
                                         << ""
                                         << ""
                                         << "" << u"Aide médicale"_qs;
  QByteArray truncated = SystemObject({{2, QByteArray("index.html\0", 11)}});
  truncated.append(QByteArray("\x03\x00\xff\x00Titre", 9));  // claims 255 bytes
  QTest::newRow("record past the end") << truncated << ""
                                       << ""
                                       << "index.html"
                                       << "";
  QTest::newRow("header cut short") << SystemObject({}).append("\x03\x00", 2) << ""
                                    << ""
                                    << ""
                                    << "";
  QTest::newRow("version only") << SystemObject({}) << ""
                                << ""
                                << ""
                                << "";
  QTest::newRow("empty") << QByteArray() << ""
                         << ""
                         << ""
                         << "";
}

void HelpParsingTest::readsSystemObject() {
  QFETCH(QByteArray, data);
  const SystemInfo info = ParseSystemFile(data);
  QTEST(info.contentsFile, "contents");
  QTEST(info.indexFile, "index");
  QTEST(info.defaultTopic, "topic");
  QTEST(info.title, "title");
}

// The language record may follow the title that it decides the reading of.
void HelpParsingTest::readsTextsInTheLanguageOfTheSystemObject() {
  const QByteArray greek("\x08\x04\x00\x00", 4);
  const SystemInfo info = ParseSystemFile(SystemObject(
      {{3, QByteArray("\xc2\xef\xde\xe8\xe5\xe9\xe1\0", 8)}, {4, greek + QByteArray(32, '\0')}}));
  QCOMPARE(info.lcid, 0x0408u);
  QCOMPARE(info.title, u"Βοήθεια"_qs);
  const SystemInfo french = ParseSystemFile(
      SystemObject({{4, QByteArray("\x0c\x04\x00\x00", 4)}, {3, QByteArray("Aide m\xe9\0", 8)}}));
  QCOMPARE(french.lcid, 0x040Cu);
  QCOMPARE(french.title, u"Aide mé"_qs);
  QCOMPARE(ParseSystemFile(SystemObject({{4, QByteArray("\x0c\x04", 2)}})).lcid, 0u);
}

void HelpParsingTest::readsSitemap_data() {
  QTest::addColumn<QString>("html");
  QTest::addColumn<QString>("outline");

  const QString item =
      u"<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"%1\">"
      u"<param name=\"Local\" value=\"%2\"></OBJECT>\n"_qs;
  QTest::newRow("nested as written by a help compiler")
      << u"<HTML><BODY><OBJECT type=\"text/site properties\"><param name=\"ImageType\" "
         u"value=\"Folder\"></OBJECT>\n<UL>\n"_qs +
             item.arg("Sommaire", "index.html") + u"<UL>\n"_qs +
             item.arg("Touches", "touches.html") + item.arg("Clavier", "clavier.html") +
             u"</UL>\n"_qs + item.arg("Formules", "formules.html") + u"<UL>\n"_qs +
             item.arg("IMC", "formule-p.html") + u"</UL>\n</UL></BODY></HTML>"_qs
      << "Sommaire(index.html)[Touches(touches.html)Clavier(clavier.html)]"
         "Formules(formules.html)[IMC(formule-p.html)]";
  QTest::newRow("lower case, bare values, single quotes")
      << u"<ul><li><object type=text/sitemap><param name=name value='Un'>"
         u"<param name=local value=un.htm></object><ul><li><object type='text/sitemap'>"
         u"<param name='Name' value=Deux><param name='Local' value='deux.htm'></object>"
         u"</ul></ul>"_qs
      << "Un(un.htm)[Deux(deux.htm)]";
  QTest::newRow("entities and blanks in values")
      << item.arg("  Conversions &amp; fonctions ", " conv&eacute;.htm ")
      << u"Conversions & fonctions(convé.htm)"_qs;
  QTest::newRow("heading without page")
      << u"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Titre\">"
         u"</OBJECT><UL>"_qs +
             item.arg("Page", "p.htm") + u"</UL></UL>"_qs
      << "Titre()[Page(p.htm)]";
  QTest::newRow("index keyword with two topics keeps the first")
      << u"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"IMC\">"
         u"<param name=\"Name\" value=\"Autre\"><param name=\"Local\" value=\"a.htm\">"
         u"<param name=\"Local\" value=\"b.htm\"></OBJECT></UL>"_qs
      << "IMC(a.htm)";
  QTest::newRow("item without name left out")
      << u"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"x.htm\">"
         u"</OBJECT>"_qs +
             item.arg("Y", "y.htm") + u"</UL>"_qs
      << "Y(y.htm)";
  QTest::newRow("commented-out item left out")
      << u"<UL><!-- "_qs + item.arg("Ancien", "old.htm") + u" -->"_qs +
             item.arg("Nouveau", "new.htm") + u"</UL>"_qs
      << "Nouveau(new.htm)";
  QTest::newRow("too many closing lists")
      << u"</UL></UL><UL>"_qs + item.arg("A", "a.htm") + u"</UL></UL>"_qs + item.arg("B", "b.htm")
      << "A(a.htm)B(b.htm)";
  QTest::newRow("lists never closed")
      << u"<UL>"_qs + item.arg("A", "a.htm") + u"<UL>"_qs + item.arg("B", "b.htm")
      << "A(a.htm)[B(b.htm)]";
  QTest::newRow("cut inside a tag")
      << item.arg("A", "a.htm") + u"<OBJECT type=\"text/sit"_qs << "A(a.htm)";
  QTest::newRow("empty") << QString() << QString();
}

void HelpParsingTest::readsSitemap() {
  QFETCH(QString, html);
  QTEST(Outline(ParseSitemap(html)), "outline");
}

void HelpParsingTest::findsFirstTopic() {
  const QString html =
      u"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Titre\"></OBJECT>"
      u"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"P\">"
      u"<param name=\"Local\" value=\"p.htm\"></OBJECT></UL></UL>"_qs;
  QCOMPARE(FirstTopic(ParseSitemap(html)), u"p.htm"_qs);
  QCOMPARE(FirstTopic({}), QString());
}

void HelpParsingTest::boundsTreeDepth_data() {
  QTest::addColumn<int>("levels");
  QTest::addColumn<bool>("extraLists");
  QTest::newRow("two levels") << 2 << false;
  QTest::newRow("deepest allowed") << kMaxSitemapDepth << false;
  QTest::newRow("one level too deep") << kMaxSitemapDepth + 1 << false;
  QTest::newRow("200000 levels") << 200000 << false;
  QTest::newRow("200000 levels with extra lists") << 200000 << true;
  QTest::newRow("deepest allowed with extra lists") << kMaxSitemapDepth << true;
}

// Each level is a list holding one item; only the deepest item has a page. The tree keeps every
// item, goes no deeper than the cap, and its first topic is the deepest page.
void HelpParsingTest::boundsTreeDepth() {
  QFETCH(int, levels);
  QFETCH(bool, extraLists);
  QString html;
  // An extra list opened before each item has no item before it, so it opens no level.
  const QString item = (extraLists ? u"<ul><ul>"_qs : u"<ul>"_qs) +
                       u"<li><object type=text/sitemap><param name=name value=n>"_qs;
  for (int level = 1; level < levels; ++level) html += item + u"</object>"_qs;
  html += item + u"<param name=local value=deep.htm></object>"_qs;
  if (extraLists) html += u"</ul>"_qs.repeated(2 * levels) + item + u"</object>"_qs;
  {
    const std::vector<SitemapEntry> tree = ParseSitemap(html);
    QCOMPARE(ItemCount(tree), qsizetype{levels} + (extraLists ? 1 : 0));
    QCOMPARE(SitemapDepth(tree), std::min(levels, kMaxSitemapDepth));
    QCOMPARE(FirstTopic(tree), u"deep.htm"_qs);
  }  // and the tree is freed
}

void HelpParsingTest::decodesManyAmpersands() {
  // 2,000,000 ampersands and one semicolon at the end: each '&' may look ahead only as far as a
  // reference can reach. How long the decoding takes is the fuzz target's and the benchmark's to
  // judge (a search to the end for each one would take minutes); the text is kept whole.
  const QString text = QString(2'000'000, u'&') + u';';
  QCOMPARE(DecodeHtmlEntities(text), text);
}

void HelpParsingTest::splitsHelpArgument_data() {
  QTest::addColumn<QString>("argument");
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("topic");
  QTest::newRow("bare name") << "Solvanex.chm"
                             << "Solvanex.chm"
                             << "";
  QTest::newRow("with topic") << "Solvanex.chm::/touches.html"
                              << "Solvanex.chm"
                              << "/touches.html";
  QTest::newRow("topic and window") << "/opt/aide/Solvanex.chm::/a.htm#x>main"
                                    << "/opt/aide/Solvanex.chm"
                                    << "/a.htm#x";
  QTest::newRow("window only") << "Solvanex.CHM>main"
                               << "Solvanex.CHM"
                               << "";
  QTest::newRow("'>' in a folder") << "/tmp/a>b/Solvanex.chm"
                                   << "/tmp/a>b/Solvanex.chm"
                                   << "";
  QTest::newRow("blanks around") << "  Solvanex.chm :: /a.htm "
                                 << "Solvanex.chm"
                                 << "/a.htm";
  QTest::newRow("empty") << ""
                         << ""
                         << "";
}

void HelpParsingTest::splitsHelpArgument() {
  QFETCH(QString, argument);
  const HelpRequest request = ParseHelpArgument(argument);
  QTEST(request.file, "file");
  QTEST(request.topic, "topic");
}

void HelpParsingTest::locatesHelpFile_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QStringList>("dirs");  // under the test folder
  QTest::addColumn<QString>("expected");  // under the test folder; "<as is>" or empty
  QTest::newRow("beside the program first")
      << "Aide.chm" << QStringList{"bin", "share"} << "bin/Aide.chm";
  QTest::newRow("then the data folder")
      << "Seul.chm" << QStringList{"bin", "share"} << "share/Seul.chm";
  QTest::newRow("relative with a folder")
      << "doc/Sous.chm" << QStringList{"bin", "share"} << "share/doc/Sous.chm";
  QTest::newRow("missing everywhere") << "Absent.chm" << QStringList{"bin", "share"} << "";
  QTest::newRow("a folder is no file") << "doc" << QStringList{"share"} << "";
  QTest::newRow("absolute as it stands")
      << "/nulle/part/Aide.chm" << QStringList{"bin"} << "<as is>";
  QTest::newRow("empty name") << "" << QStringList{"bin"} << "";
}

void HelpParsingTest::locatesHelpFile() {
  QFETCH(QString, file);
  QFETCH(QStringList, dirs);
  QFETCH(QString, expected);
  QTemporaryDir root;
  QVERIFY(root.isValid());
  const QDir base(root.path());
  for (const char* path :
       {"bin/Aide.chm", "share/Aide.chm", "share/Seul.chm", "share/doc/Sous.chm"}) {
    QVERIFY(base.mkpath(QFileInfo(base.filePath(path)).path()));
    QFile created(base.filePath(path));
    QVERIFY(created.open(QIODevice::WriteOnly));
  }
  QStringList searchDirs;
  for (const QString& dir : dirs) searchDirs.append(base.filePath(dir));
  searchDirs.insert(1, QString());  // an unknown folder is passed over

  const QString found = LocateHelpFile(file, searchDirs);
  if (expected == u"<as is>") {
    QCOMPARE(found, file);
  } else {
    QCOMPARE(found, expected.isEmpty() ? QString() : base.filePath(expected));
  }
}

void HelpParsingTest::normalizesArchivePath_data() {
  QTest::addColumn<QString>("topic");
  QTest::addColumn<QString>("path");
  QTest::newRow("bare") << "index.html"
                        << "/index.html";
  QTest::newRow("rooted") << "/index.html"
                          << "/index.html";
  QTest::newRow("backslashes") << "images\\couleurs.png"
                               << "/images/couleurs.png";
  QTest::newRow("dot steps") << "./a/./b.htm"
                             << "/a/b.htm";
  QTest::newRow("parent step") << "/a/../b.htm"
                               << "/b.htm";
  QTest::newRow("never above the root") << "../../../etc/passwd"
                                        << "/etc/passwd";
  QTest::newRow("doubled slashes") << "//a//b.htm"
                                   << "/a/b.htm";
  QTest::newRow("empty") << ""
                         << "/";
}

void HelpParsingTest::normalizesArchivePath() {
  QFETCH(QString, topic);
  QTEST(NormalizeArchivePath(topic), "path");
}

void HelpParsingTest::makesTopicUrl_data() {
  QTest::addColumn<QString>("topic");
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("fragment");
  QTest::newRow("page") << "touches.html"
                        << "/touches.html"
                        << "";
  QTest::newRow("anchor") << "/formule-p.html#exemple"
                          << "/formule-p.html"
                          << "exemple";
  QTest::newRow("ms-its link") << "ms-its:Solvanex.chm::/clavier.html"
                               << "/clavier.html"
                               << "";
  QTest::newRow("MSITStore link") << "mk:@MSITStore:C:\\Aide\\Solvanex.chm::/a/b.htm#c"
                                  << "/a/b.htm"
                                  << "c";
  QTest::newRow("blank in name") << "ma page.htm"
                                 << "/ma page.htm"
                                 << "";
}

void HelpParsingTest::makesTopicUrl() {
  QFETCH(QString, topic);
  const QUrl url = TopicUrl(topic);
  QCOMPARE(url.scheme(), kHelpScheme.toString());
  QTEST(url.path(), "path");
  QTEST(url.fragment(), "fragment");
  QCOMPARE(TopicOfStoreLink(topic).has_value(), topic.contains(u"::"));
}

void HelpParsingTest::refusesFilesThatAreNoHelpFile_data() {
  QTest::addColumn<QByteArray>("contents");
  QByteArray noise(4096, '\0');
  quint32 state = 12345;
  for (char& byte : noise) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 24);
  }
  QTest::newRow("random bytes") << noise;
  QTest::newRow("empty") << QByteArray();
  QByteArray header("ITSF\x03\x00\x00\x00", 8);
  QTest::newRow("signature then nothing") << header;
  QTest::newRow("signature then noise") << header + noise;
}

void HelpParsingTest::refusesFilesThatAreNoHelpFile() {
  QFETCH(QByteArray, contents);
  QCOMPARE(OpensAsHelpFile(contents), std::optional<bool>(false));
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  QVERIFY(!LoadHelpBook(dir.filePath(QStringLiteral("Absent.chm"))).has_value());
}

void HelpParsingTest::judgesDamagedHelpFile_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<bool>("opens");  // and then reads as the file built does
  const QByteArray built = BuiltHelpFile();
  QVERIFY(built.startsWith("ITSF"));
  const BuiltLayout layout = Layout(built);
  const auto row = [&](const char* name, bool opens, auto&& damage) {
    QByteArray bytes = built;
    if constexpr (std::is_invocable_r_v<QByteArray, decltype(damage), QByteArray>) {
      bytes = damage(bytes);
    } else {
      damage(bytes);
    }
    QTest::newRow(name) << bytes << opens;
  };
  const auto number = [](qint64 at, int width, quint64 value) {
    return [=](QByteArray& bytes) { SetNumber(bytes, at, width, value); };
  };
  row("as built", true, [](QByteArray&) {});

  // The directory. Help compilers write chunks of 4 or 8 KiB.
  const qint64 chunkSizeAt = layout.directory + 0x10;
  row("chunk size 0", false, number(chunkSizeAt, 4, 0));
  row("chunk size 64 KiB and 1", false, number(chunkSizeAt, 4, 64 * 1024 + 1));
  row("chunk size 832 MiB", false, number(chunkSizeAt, 4, 0x34000000));
  // The link from one listing chunk to the next is never followed.
  row("listing linked to itself", true, number(layout.listing + 0x10, 4, 0));
  row("listing linked past the end", true, number(layout.listing + 0x10, 4, 1000000));
  // A free space that wraps a 32-bit end pointer: the entries are read by their count.
  row("listing free space 2 GiB", true, WithWrappingFreeSpace);
  // The index is never walked, whatever it points at.
  row("index naming itself", true, [](QByteArray& bytes) { AddSelfNamingIndex(bytes); });
  // With the control data unlisted, a reader that looks it up through the index never returns.
  row("index naming itself, control data unlisted", false, WithSelfNamingIndex);
  // Without a usable reset table the compressed section cannot be read here: refused.
  row("reset table unlisted", false, [&](QByteArray& bytes) {
    SetEntry(bytes, kResetTable, {4, -1, -1});
  });

  // The compression's headers: the reset table with its frame size, block count and lengths;
  // the control data with its reset interval, window and windows per reset, in frames.
  const qint64 table = layout.content + Entry(built, kResetTable).offset;
  const qint64 control = layout.content + Entry(built, kControlData).offset;
  QCOMPARE(Number(built, table + 0x20, 8), qint64{0x8000});
  QCOMPARE(built.mid(control + 4, 4), QByteArray("LZXC"));
  row("frame of 0 bytes", false, number(table + 0x20, 8, 0));
  row("frame of 16 KiB", false, number(table + 0x20, 8, 0x4000));
  row("no blocks listed", false, number(table + 0x04, 4, 0));
  row("compressed length 4 GiB", true, number(table + 0x18, 8, 0xFFFFFFFF));
  row("compressed length 0", true, number(table + 0x18, 8, 0));
  row("reset interval 0", false, number(control + 0x0C, 4, 0));
  // 2^17 frames of 32 KiB are 2^32 bytes: 0 in 32 bits.
  row("reset interval 0 in 32 bits", false, number(control + 0x0C, 4, 0x20000));
  row("window 0", false, number(control + 0x10, 4, 0));
  row("window of 3 frames", false, number(control + 0x10, 4, 3));
  row("window of 8 frames", false, number(control + 0x10, 4, 8));
  row("no windows per reset", true, number(control + 0x14, 4, 0));
  // 2 frames between resets times 2^31 windows per reset: 0 in 32 bits; the count is not used.
  row("interval times windows 0 in 32 bits", true, WithZeroResetProduct);

  // What one file may cost.
  const QByteArray page("/index.html");
  const ListingEntry index = Entry(built, page);
  QCOMPARE(index.section, 1);
  row("page of 4 GiB", false, [&](QByteArray& bytes) {
    SetEntry(bytes, page, {1, index.offset, qint64{1} << 32});
  });
  row("page just over the size bound", false, [&](QByteArray& bytes) {
    SetEntry(bytes, page, {1, index.offset, ChmArchive::kMaxObjectSize + 1});
  });
  row("page 60 MiB into the section", false, [&](QByteArray& bytes) {
    SetEntry(bytes, page, {1, 60 * 1024 * 1024, index.length});
  });
}

// The built help file damaged in one place: refused, or read whole and as built.
void HelpParsingTest::judgesDamagedHelpFile() {
  QFETCH(QByteArray, bytes);
  QFETCH(bool, opens);
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("Solvanex.chm"));
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
  file.close();
  const std::optional<HelpBook> book = LoadHelpBook(path);
  QCOMPARE(book.has_value(), opens);
  if (!book) return;
  const std::optional<HelpBook> intact = LoadHelpBook(QStringLiteral(SOLVANEX_HELP_FILE));
  QVERIFY(intact.has_value());
  const QStringList files = intact->archive->Files();
  QCOMPARE(book->archive->Files(), files);
  QVERIFY(files.size() > 10);
  for (const QString& name : files) {
    QCOMPARE(book->archive->Read(name), intact->archive->Read(name));
  }
}

QTEST_GUILESS_MAIN(HelpParsingTest)
#include "HelpParsingTest.moc"
