#include "mainwindow/ProgramServices.h"

#include "controls/FormTypes.h"
#include "form/About.h"
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
  aboutBox1_.SetProductName(ToQString(form::about::kProductName));
  aboutBox1_.SetVersion(ToQString(form::about::kVersion));
  aboutBox1_.SetCopyright(TAboutBox::DefaultCopyright());
}

}  // namespace solvanex
