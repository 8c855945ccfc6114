// The module's two exported entry points. Everything else of the module is hidden.
#include "HtmlHelp.h"

#include "HelpWindows.h"

#include <QApplication>
#include <QThread>

#include <cwchar>

namespace {

using solvanex::help::HelpWindows;

// Widgets can only be made on the thread of a running QApplication.
bool CanShowWindows() {
  const auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  return application != nullptr && QThread::currentThread() == application->thread();
}

void* RunCommand(const QString& file, bool hasFile, unsigned int command, const QString& topic) {
  if (!CanShowWindows()) return nullptr;
  try {
    switch (command) {
      case HH_DISPLAY_TOPIC:
        return hasFile ? HelpWindows::Instance().DisplayTopic(file, topic) : nullptr;
      case HH_CLOSE_ALL:
        HelpWindows::Instance().CloseAll();
        return nullptr;
      default:
        return nullptr;
    }
  } catch (...) {
    // Nothing may cross into a caller that knows only C.
    return nullptr;
  }
}

}  // namespace

extern "C" void* HtmlHelpA(void*, const char* file, unsigned int command, std::uintptr_t data) {
  // The topic in data only means something to HH_DISPLAY_TOPIC.
  const auto* topic = command == HH_DISPLAY_TOPIC ? reinterpret_cast<const char*>(data) : nullptr;
  return RunCommand(file != nullptr ? QString::fromUtf8(file) : QString(), file != nullptr, command,
                    topic != nullptr ? QString::fromUtf8(topic) : QString());
}

extern "C" void* HtmlHelpW(void*, const wchar_t* file, unsigned int command, std::uintptr_t data) {
  const auto* topic =
      command == HH_DISPLAY_TOPIC ? reinterpret_cast<const wchar_t*>(data) : nullptr;
  const auto fromWide = [](const wchar_t* text) {
    return QString::fromWCharArray(text, static_cast<qsizetype>(std::wcslen(text)));
  };
  return RunCommand(file != nullptr ? fromWide(file) : QString(), file != nullptr, command,
                    topic != nullptr ? fromWide(topic) : QString());
}
