// The gate that keeps user input away from the window between a failing key and the closing of
// its error box: closed when a handler's error is caught, opened when the box has closed. Keys,
// clicks and pastes that arrive while it is closed (already queued behind the failing key, or
// sent while the box is open) are dropped.
#pragma once

namespace solvanex::win32 {

class InputGate {
 public:
  bool IsOpen() const { return closedCount_ == 0; }
  void Close() { ++closedCount_; }
  void Open() {
    if (closedCount_ > 0) --closedCount_;
  }

 private:
  int closedCount_ = 0;  // one per error box still to close
};

}  // namespace solvanex::win32
