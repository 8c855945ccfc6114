// The help windows the module has opened, one per help file, and the two commands that act on
// them. A window that its user closes is only hidden, so that displaying the same file again
// brings it back where the reader left it; closing all deletes them.
#pragma once

#include <QMap>
#include <QPointer>
#include <QString>

class QWidget;

namespace solvanex::help {

class HelpWindow;

class HelpWindows {
 public:
  // The windows of the module, for the life of the loaded module.
  static HelpWindows& Instance();
  // Deletes the windows still open when the module is unloaded while the application runs,
  // since their code goes away with it.
  ~HelpWindows();

  // Shows `topic` (or the default topic when empty) of the help file named by `argument`, in
  // the window of that file, opened if need be. On a file that cannot be opened, tells the
  // user in a message box and returns null.
  QWidget* DisplayTopic(const QString& argument, const QString& topic);

  void CloseAll();

 private:
  HelpWindows() = default;
  // Keyed by the canonical path of the file, so that two names of one file share a window.
  QMap<QString, QPointer<HelpWindow>> windows_;
};

}  // namespace solvanex::help
