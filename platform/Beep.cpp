#include "platform/Beep.h"

#include "platform/BeepSound.h"

namespace solvanex::platform {

namespace {
std::function<void(unsigned)>& Observer() {
  static std::function<void(unsigned)> observer;
  return observer;
}
std::function<void(unsigned)>& Sound() {
  static std::function<void(unsigned)> sound;
  return sound;
}
}  // namespace

void MessageBeep(unsigned type) {
  if (Observer()) {
    Observer()(type);
  } else if (Sound()) {
    Sound()(type);
  } else {
    PlayBeepSound(type);
  }
}

void SetBeepSound(std::function<void(unsigned type)> sound) {
  Sound() = std::move(sound);
}

void SetBeepObserver(std::function<void(unsigned type)> observer) {
  Observer() = std::move(observer);
}

}  // namespace solvanex::platform
