// The real help viewer and About dialog behind the window's service interfaces. Only the
// program links these; the window and its tests see the interfaces alone.
#pragma once

#include "about/About.h"
#include "mainwindow/Services.h"

namespace solvanex {

// The HTML Help viewer loaded at start-up (help/hh.h). Give it to the window only while the
// viewer is loaded: the window then never calls into a missing viewer.
class HtmlHelpAccess : public HelpAccess {
 public:
  void ShowHelpTopics() override;
  void CloseAllHelpWindows() override;
};

// AboutBox1: the About component with the program's texts.
class AboutBoxCommand : public AboutCommand {
 public:
  AboutBoxCommand();
  void Execute() override { aboutBox1_.Execute(); }

 private:
  TAboutBox aboutBox1_;
};

}  // namespace solvanex
