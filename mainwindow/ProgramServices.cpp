#include "mainwindow/ProgramServices.h"

#include "controls/FormTypes.h"
#include "form/About.h"

namespace solvanex {

AboutBoxCommand::AboutBoxCommand() {
  aboutBox1_.SetProductName(ToQString(form::about::kProductName));
  aboutBox1_.SetVersion(ToQString(form::about::kVersion));
  aboutBox1_.SetCopyright(TAboutBox::DefaultCopyright());
}

}  // namespace solvanex
