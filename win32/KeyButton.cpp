#include "win32/KeyButton.h"

#include <uxtheme.h>
#include <vssym32.h>
#include <windowsx.h>

#include "win32/ButtonTheme.h"
#include "win32/InputGate.h"

namespace solvanex::win32 {

void KeyButton::Create(HWND parent, int id, const std::wstring& caption, COLORREF color,
                       const RECT& bounds) {
  RegisterClass(kClassName, CS_DBLCLKS);
  color_ = color;
  CreateBase(0, kClassName, caption.c_str(), WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
             bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void KeyButton::SetDown(bool down) {
  if (programDown_ == down) return;
  programDown_ = down;
  RedrawNow();
}

void KeyButton::RedrawNow() {
  if (Handle() != nullptr) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void KeyButton::Click() {
  const HWND parent = GetParent(Handle());
  if (parent == nullptr) return;
  const int id = GetDlgCtrlID(Handle());
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
}

bool KeyButton::ContainsPoint(LPARAM lParam) const {
  RECT client;
  GetClientRect(Handle(), &client);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&client, point) != FALSE;
}

void KeyButton::Paint(HDC dc) const {
  RECT face;
  GetClientRect(Handle(), &face);
  const bool down = IsDown();
  const bool enabled = IsWindowEnabled(Handle()) != FALSE;
  // The system's push button face: the visual style's when one is active, else the classic one.
  if (const HTHEME theme = ButtonTheme::Get()) {
    const int state = !enabled ? PBS_DISABLED : down ? PBS_PRESSED : PBS_NORMAL;
    DrawThemeParentBackground(Handle(), dc, &face);
    DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &face, nullptr);
  } else {
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  }
  wchar_t caption[64];
  const int length = GetWindowTextW(Handle(), caption, static_cast<int>(std::size(caption)));
  RECT text = face;
  // A pressed caption sinks by one pixel with the face.
  if (down) OffsetRect(&text, 1, 1);
  const HGDIOBJ oldFont = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, enabled ? color_ : GetSysColor(COLOR_GRAYTEXT));
  DrawTextW(dc, caption, length, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
}

LRESULT KeyButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto answer = AnswerPainting(message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *answer;
  }
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam) != 0) InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(Handle(), message, wParam, lParam);
      InvalidateRect(Handle(), nullptr, FALSE);
      return result;
    }
    case WM_ENABLE:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_THEMECHANGED:
      ButtonTheme::Reset();
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (gate_ != nullptr && !gate_->IsOpen()) return 0;
      SetCapture(Handle());
      tracking_ = true;
      mouseDown_ = true;
      RedrawNow();
      return 0;
    case WM_MOUSEMOVE:
      if (tracking_ && mouseDown_ != ContainsPoint(lParam)) {
        mouseDown_ = !mouseDown_;
        RedrawNow();
      }
      return 0;
    case WM_LBUTTONUP:
      if (tracking_) {
        const bool inside = ContainsPoint(lParam);
        ReleaseCapture();  // ends the tracking (WM_CAPTURECHANGED)
        if (inside) Click();
      }
      return 0;
    case WM_CAPTURECHANGED:
      if (tracking_) {
        tracking_ = false;
        mouseDown_ = false;
        RedrawNow();
      }
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    case BM_SETSTATE:
      SetDown(wParam != 0);
      return 0;
    case BM_GETSTATE:
      return IsDown() ? BST_PUSHED : 0;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    default:
      return BaseWindow::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace solvanex::win32
