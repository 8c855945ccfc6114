// A main window for tests: built with the French separator, recorders in place of the help
// viewer and the About dialog, and the error box intercepted instead of shown.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string_view>

#include "mainwindow/MainWindow.h"

class QAbstractButton;
class QWindow;

namespace solvanex::testing {

struct RecordingHelp : HelpAccess {
  int shown = 0;
  int closedAll = 0;
  void ShowHelpTopics() override { ++shown; }
  void CloseAllHelpWindows() override { ++closedAll; }
};

struct RecordingAbout : AboutCommand {
  int executed = 0;
  void Execute() override { ++executed; }
};

struct ErrorBoxCall {
  QString caption;
  QString text;
};

class FormFixture {
 public:
  explicit FormFixture(char decimalSeparator = ',');
  ~FormFixture();

  TForm1& Form() { return *form_; }
  // Shows the window and waits until it is the active window, as keys need it to be.
  bool ShowActive();
  QWindow* Window();

  QAbstractButton* Button(std::string_view name) { return form_->Button(name); }
  QString Display() const;
  // Clicks the named buttons in turn, as the mouse would.
  void Click(std::initializer_list<std::string_view> names);

  RecordingHelp help;
  RecordingAbout about;
  QList<ErrorBoxCall> errorBoxes;
  // Runs while an error box would be open.
  std::function<void()> duringErrorBox;

 private:
  std::unique_ptr<TForm1> form_;
};

}  // namespace solvanex::testing
