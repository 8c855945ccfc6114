// Start-up and shut-down of the program: the separator taken from the regional settings, the
// state right after creation, the menu commands that reach the help viewer and the About box,
// the help windows closed when the window goes, and the worked example run without a display.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <sstream>

#include "FormFixture.h"
#include "controls/AlignEdit.h"
#include "mainwindow/RadioGroup.h"
#include "mainwindow/Startup.h"
#include "mainwindow/StatusBar.h"

using namespace solvanex;
using solvanex::testing::FormFixture;
using solvanex::testing::RecordingHelp;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void decimalSeparator_data();
  void decimalSeparator();
  void stateAfterCreation_data();
  void stateAfterCreation();
  void helpAndAboutCommands();
  void destroyingTheWindowClosesHelpWindows();
  void headlessExample_data();
  void headlessExample();
  void displayAvailable_data();
  void displayAvailable();
};

void StartupTest::decimalSeparator_data() {
  // clang-format off
  QTest::addColumn<QLocale>("locale");
  QTest::addColumn<char>("separator");
  QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << ',';
  QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << '.';
  QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ',';
  // Arabic writes its own one-character separator, which is not one byte: '.' is used.
  QTest::newRow("Arabic, Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt) << '.';
  // clang-format on
}

void StartupTest::decimalSeparator() {
  QFETCH(QLocale, locale);
  QFETCH(char, separator);
  QCOMPARE(DecimalSeparatorOf(locale), separator);
}

void StartupTest::stateAfterCreation_data() {
  // clang-format off
  QTest::addColumn<char>("separator");
  QTest::addColumn<QString>("display");
  QTest::addColumn<QString>("sum");  // 1 separator 5 + 2 =
  QTest::newRow("comma") << ',' << "0," << "3,5";
  QTest::newRow("point") << '.' << "0." << "3.5";
  // clang-format on
}

void StartupTest::stateAfterCreation() {
  QFETCH(char, separator);
  QFETCH(QString, display);
  QFETCH(QString, sum);
  FormFixture fixture(separator);
  TForm1& form = fixture.Form();
  QCOMPARE(fixture.Display(), display);
  QCOMPARE(form.Afficheur()->ShownFontColor(), std::uint32_t{0});
  QVERIFY(form.EnMemoire()->text().isEmpty());
  QCOMPARE(form.RadioGroup1()->ItemIndex(), 0);
  QCOMPARE(form.RadioGroup2()->ItemIndex(), 0);
  QCOMPARE(form.Core().State().PendingOperator, '\0');
  fixture.Click({"SpeedButton1", "Virgule", "SpeedButton5", "Addition", "SpeedButton2", "Egal"});
  QCOMPARE(fixture.Display(), sum);
  fixture.Click({"MS"});
  QCOMPARE(form.EnMemoire()->text(), QStringLiteral("M"));
}

void StartupTest::helpAndAboutCommands() {
  FormFixture fixture;
  fixture.Form().findChild<QAction*>("Rubriquesdelaide1")->trigger();
  fixture.Form().findChild<QAction*>("Aproposde1")->trigger();
  fixture.Form().findChild<QAction*>("Aproposde1")->trigger();
  QCOMPARE(fixture.help.shown, 1);
  QCOMPARE(fixture.about.executed, 2);
  QCOMPARE(fixture.help.closedAll, 0);
}

void StartupTest::destroyingTheWindowClosesHelpWindows() {
  RecordingHelp help;
  {
    TForm1::Services services;
    services.help = &help;
    TForm1 form(',', services);
    form.findChild<QAction*>("Rubriquesdelaide1")->trigger();
    QCOMPARE(help.closedAll, 0);
  }
  QCOMPARE(help.shown, 1);
  QCOMPARE(help.closedAll, 1);
}

void StartupTest::headlessExample_data() {
  // clang-format off
  QTest::addColumn<char>("separator");
  QTest::addColumn<QString>("result");
  QTest::newRow("comma") << ',' << "22,8571428571429";
  QTest::newRow("point") << '.' << "22.8571428571429";
  // clang-format on
}

void StartupTest::headlessExample() {
  QFETCH(char, separator);
  QFETCH(QString, result);
  std::ostringstream out;
  QCOMPARE(RunHeadlessExample(out, separator), 0);
  const QString printed = QString::fromStdString(out.str());
  QVERIFY(printed.contains(QStringLiteral("aucun écran")));
  QVERIFY(printed.contains(QStringLiteral("no display")));
  QVERIFY(printed.trimmed().endsWith(result));
}

void StartupTest::displayAvailable_data() {
  // clang-format off
  QTest::addColumn<bool>("x11OrWayland");
  QTest::addColumn<QString>("variable");  // the one variable set, or empty for none
  QTest::addColumn<bool>("available");
  QTest::newRow("x11: nothing set") << true << "" << false;
  QTest::newRow("x11: DISPLAY") << true << "DISPLAY" << true;
  QTest::newRow("x11: WAYLAND_DISPLAY") << true << "WAYLAND_DISPLAY" << true;
  QTest::newRow("x11: QT_QPA_PLATFORM") << true << "QT_QPA_PLATFORM" << true;
  QTest::newRow("x11: only HOME") << true << "HOME" << false;
  QTest::newRow("x11: only XDG_SESSION_TYPE") << true << "XDG_SESSION_TYPE" << false;
  // Without X11 or Wayland the desktop is the system's own: always there.
  QTest::newRow("own desktop: nothing set") << false << "" << true;
  QTest::newRow("own desktop: DISPLAY") << false << "DISPLAY" << true;
  QTest::newRow("own desktop: only HOME") << false << "HOME" << true;
  // clang-format on
}

void StartupTest::displayAvailable() {
  QFETCH(bool, x11OrWayland);
  QFETCH(QString, variable);
  QFETCH(bool, available);
  const std::string set = variable.toStdString();
  const Environment environment = [&set](const char* name) {
    return !set.empty() && set == name ? std::string(":150") : std::string();
  };
  QCOMPARE(DisplayAvailable(environment, x11OrWayland), available);
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
