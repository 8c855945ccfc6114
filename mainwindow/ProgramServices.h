// The real About dialog behind the window's service interface (the real help viewer is the help
// access's HtmlHelpAccess). Only the
// program links these; the window and its tests see the interfaces alone.
#pragma once

#include "about/About.h"
#include "form/Services.h"

namespace solvanex {

// AboutBox1: the About component with the program's texts.
class AboutBoxCommand : public AboutCommand {
 public:
  AboutBoxCommand();
  void Execute() override { aboutBox1_.Execute(); }

 private:
  TAboutBox aboutBox1_;
};

}  // namespace solvanex
