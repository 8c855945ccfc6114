// solvanex: the calculator's window. Start-up loads the help viewer first, then opens the
// application and its window; shut-down destroys the window (which closes the help windows)
// before the help viewer is unloaded. Without any display it runs a worked example through the
// calculator core instead and says why.
#include <QApplication>
#include <QLocale>
#include <iostream>

#include "help/HelpLifecycle.h"
#include "help/hh.h"
#include "mainwindow/CommandLine.h"
#include "mainwindow/FormFont.h"
#include "mainwindow/MainWindow.h"
#include "mainwindow/ProgramServices.h"
#include "mainwindow/QtTranslations.h"
#include "mainwindow/Startup.h"
#include "mainwindow/StartupProbe.h"
#include "mainwindow/ToolkitBeep.h"
#include "mainwindow/ToolkitRegionalTexts.h"

int main(int argc, char** argv) {
  using namespace solvanex;
  // --help and --version answer without a window, whether or not there is a display.
  if (const auto status = AnswerInformationSwitch(argc, argv, std::cout, std::cerr)) return *status;
  if (!DisplayAvailable(ProcessEnvironment())) {
    return RunHeadlessExample(std::cout, DecimalSeparatorOf(QLocale::system()));
  }

  help::DiagnosticsEnvironment helpEnvironment = help::SystemDiagnosticsEnvironment(argc, argv);
#ifndef _WIN32
  helpEnvironment.regional = ToolkitRegionalTexts(QLocale());
#endif
  help::HelpStartup(std::move(helpEnvironment));
  int status = 0;
  {
    QApplication application(argc, argv);
    // The application title is the main window's caption and that of the error boxes. It is
    // not set as Qt's display name, which would be appended to every other window's caption
    // ("A propos de..." must read as it stands).
    QApplication::setApplicationName(QStringLiteral("Solvanex"));
    // The installed menu entry solvanex.desktop: desktop shells show its name and icon for the
    // running window.
    QGuiApplication::setDesktopFileName(QStringLiteral("solvanex"));
    InstallFrenchQtTranslations(application);
    // The program's dialogs, its error boxes included, speak in the window's classic dialog font.
    // Set before the window is built, it is also the font the display line's text editor starts
    // in, so start-up loads no other face.
    QApplication::setFont(FormFont());
    UseToolkitBeep();

    HtmlHelpAccess helpViewer;
    AboutBoxCommand aboutBox1;
    TForm1::Services services;
    services.help = help::HtmlHelpAvailable() ? &helpViewer : nullptr;
    services.about = &aboutBox1;
    {
      TForm1 form1(DecimalSeparatorOf(QLocale::system()), services);
      form1.winId();
      ReportFirstExposeIfAsked(form1.windowHandle());
      form1.show();
      status = QApplication::exec();
    }  // Form1 destroyed here: its FormDestroy closes the help windows while the viewer is loaded.
  }
  help::HelpShutdown();
  return status;
}
