#include "HelpWindows.h"

#include "HelpBook.h"
#include "HelpLocation.h"
#include "HelpWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

#include <utility>

namespace solvanex::help {

namespace {

const QString kMessageTitle = QStringLiteral("Aide HTML");

void ShowOpenError(const QString& named, const QString& located) {
  const QFileInfo file(located);
  // A file that exists and reads but is no help file is told apart from a missing one.
  const QString message =
      file.isFile() && file.isReadable()
          ? QStringLiteral("Le fichier « %1 » n'est pas un fichier d'aide HTML compilé valide.")
          : QStringLiteral("Impossible d'ouvrir le fichier d'aide « %1 ».");
  QMessageBox::warning(nullptr, kMessageTitle, message.arg(named));
}

}  // namespace

HelpWindows& HelpWindows::Instance() {
  static HelpWindows windows;
  return windows;
}

HelpWindows::~HelpWindows() {
  // At process exit the application is gone already and has taken its windows' resources.
  if (QCoreApplication::instance() != nullptr) CloseAll();
}

QWidget* HelpWindows::DisplayTopic(const QString& argument, const QString& topic) {
  const HelpRequest request = ParseHelpArgument(argument);
  if (request.file.isEmpty()) return nullptr;
  const QString requestedTopic = topic.isEmpty() ? request.topic : topic;

  const QString located = LocateHelpFile(request.file, DefaultSearchDirs());
  const QString canonical = QFileInfo(located).canonicalFilePath();
  HelpWindow* window = canonical.isEmpty() ? nullptr : windows_.value(canonical).data();

  if (window == nullptr) {
    std::optional<HelpBook> book = canonical.isEmpty() ? std::nullopt : LoadHelpBook(canonical);
    if (!book) {
      ShowOpenError(request.file, located);
      return nullptr;
    }
    window = new HelpWindow(std::move(*book));
    windows_.insert(canonical, window);
    window->ShowTopic(requestedTopic);
  } else if (!requestedTopic.isEmpty()) {
    window->ShowTopic(requestedTopic);
  }

  window->showNormal();
  window->raise();
  window->activateWindow();
  return window;
}

void HelpWindows::CloseAll() {
  // Deleted at once, not later: the caller may unload the module right after this call.
  const QMap<QString, QPointer<HelpWindow>> windows = std::exchange(windows_, {});
  for (const QPointer<HelpWindow>& window : windows) delete window.data();
}

}  // namespace solvanex::help
