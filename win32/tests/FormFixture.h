// The real main window, built in the test process and driven by messages as the system would
// drive it: clicks (BM_CLICK), keys posted to the control with the focus and run through the
// window's own message handling (WM_KEYDOWN, WM_CHAR), menu commands, WM_GETTEXT. Error boxes
// are recorded instead of shown, unless a test shows the real one.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "win32/MainWindow.h"

namespace solvanex::win32::test {

struct ShownBox {
  std::wstring caption;
  std::wstring text;
};

class FormFixture {
 public:
  // A fresh window at 96 dpi (or dpi), separator ',' unless told otherwise.
  explicit FormFixture(char separator = ',', int dpi = 96, ErrorBoxFunction box = {});
  ~FormFixture();

  TForm1& Form() { return *form_; }
  HWND Window() const { return form_->Handle(); }

  // Clicks the button named name (BM_CLICK), then lets the window handle what it posted.
  void Click(const std::string& name);
  // Posts a key to the control that has the focus (or the window) and pumps the queue, as the
  // message loop would: WM_KEYDOWN, the WM_CHAR it produces where it produces one, WM_KEYUP.
  void Key(UINT virtualKey, wchar_t character = 0);
  void Char(wchar_t character) { Key(0, character); }
  void Command(const std::string& menuItem);
  void Pump();
  // Handles messages for about milliseconds (timer ticks included).
  void PumpFor(DWORD milliseconds);

  std::wstring DisplayText() const;  // by WM_GETTEXT
  std::string DisplayUtf8() const;
  std::wstring WindowText(HWND control) const;

  const std::vector<ShownBox>& Boxes() const { return boxes_; }
  void ClearBoxes() { boxes_.clear(); }

 private:
  std::vector<ShownBox> boxes_;
  std::unique_ptr<TForm1> form_;
};

// The clipboard's text, and setting it (empty: an empty clipboard).
std::wstring ClipboardText();
void SetClipboardText(const std::wstring& text);

}  // namespace solvanex::win32::test
