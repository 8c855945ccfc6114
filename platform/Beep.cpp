#include "platform/Beep.h"

#include "platform/BeepSound.h"

namespace solvanex::platform {

namespace {
std::function<void(unsigned)>& Observer() {
  static std::function<void(unsigned)> observer;
  return observer;
}
}  // namespace

void MessageBeep(unsigned type) {
  if (Observer()) {
    Observer()(type);
    return;
  }
  PlayBeepSound(type);
}

void SetBeepObserver(std::function<void(unsigned type)> observer) {
  Observer() = std::move(observer);
}

}  // namespace solvanex::platform
