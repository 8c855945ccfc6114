#include "mainwindow/ProgramServices.h"

#include "help/hh.h"

namespace solvanex {

void HtmlHelpAccess::ShowHelpTopics() {
  // Owned by the desktop, so the help window lives on its own beside the calculator's.
  help::CallHtmlHelp(help::GetDesktopWindow(), help::kHelpFileName, help::HH_DISPLAY_TOPIC, 0);
}

void HtmlHelpAccess::CloseAllHelpWindows() {
  help::CallHtmlHelp(nullptr, nullptr, help::HH_CLOSE_ALL, 0);
}

AboutBoxCommand::AboutBoxCommand() {
  aboutBox1_.SetProductName(QStringLiteral("SOLVANEX"));
  aboutBox1_.SetVersion(QStringLiteral("Version 1.00 - Win 9x et Win XP"));
  aboutBox1_.SetCopyright(TAboutBox::DefaultCopyright());
}

}  // namespace solvanex
