// KeyButton: one of the 55 keypad buttons. A flat push button of its own window class, drawn by
// itself in the system's push-button look with its caption in the button's colour; released or
// pressed (while the mouse holds it down, or while the program shows it pressed). It never
// takes the keyboard focus: a click leaves the focus where it was. A click, by mouse or by
// BM_CLICK, is sent to the parent as WM_COMMAND with BN_CLICKED, like a system button's.
#pragma once

#include <string>

#include "win32/BaseWindow.h"

namespace solvanex::win32 {

class InputGate;

class KeyButton : public BaseWindow {
 public:
  static constexpr wchar_t kClassName[] = L"SolvanexKeyButton";

  // gate: mouse presses are ignored while it is closed; may be null.
  KeyButton(const InputGate* gate) : gate_(gate) {}

  void Create(HWND parent, int id, const std::wstring& caption, COLORREF color, const RECT& bounds);

  COLORREF Color() const { return color_; }
  // Pressed as the program shows it (BM_SETSTATE), or as the mouse holds it.
  bool IsDown() const { return programDown_ || mouseDown_; }
  // Sets the pressed look and redraws at once (not merely schedules a repaint).
  void SetDown(bool down);

  // Draws the button into dc, at the size of its client area.
  void Paint(HDC dc) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Click();
  void RedrawNow();
  bool ContainsPoint(LPARAM lParam) const;

  const InputGate* gate_;
  COLORREF color_ = 0;
  HFONT font_ = nullptr;
  bool programDown_ = false;
  bool mouseDown_ = false;
  bool tracking_ = false;
};

}  // namespace solvanex::win32
