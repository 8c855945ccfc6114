#include "win32/Display.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/Beep.h"
#include "win32/BaseWindow.h"
#include "win32/Clipboard.h"

namespace solvanex::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

std::u16string ToU16(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace

Display::~Display() {
  if (hwnd_ != nullptr) RemoveWindowSubclass(hwnd_, SubclassProcedure, kSubclassId);
  if (font_ != nullptr) DeleteObject(font_);
}

void Display::Create(HWND parent, int id, const RECT& bounds, const Dpi& dpi) {
  // Always a multi-line edit, right-aligned; single-line behaviour comes from the key filter.
  const DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_RIGHT | ES_AUTOHSCROLL |
                      ES_AUTOVSCROLL | ES_READONLY;
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", style, bounds.left, bounds.top,
                          bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (hwnd_ == nullptr) return;
  // The exact text may be far longer than what the control holds.
  SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
  SetWindowSubclass(hwnd_, SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  LOGFONTW face{};
  face.lfHeight = dpi.Scale(-11);
  face.lfCharSet = DEFAULT_CHARSET;
  wcscpy_s(face.lfFaceName, L"MS Sans Serif");
  font_ = CreateFontIndirectW(&face);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
}

void Display::SetText(const std::wstring& text) {
  SetWindowTextW(hwnd_, text.c_str());
}

std::wstring Display::Text() const {
  return std::wstring(text_.Text().begin(), text_.Text().end());
}

std::wstring Display::ShownText() const {
  // The control breaks its lines at CR LF only.
  std::wstring shown;
  shown.reserve(text_.Shown().size() + 16);
  for (const char16_t c : text_.Shown()) {
    if (c == form::ShownText::kBreak) {
      shown += L"\r\n";
    } else {
      shown += static_cast<wchar_t>(c);
    }
  }
  return shown;
}

void Display::Show() {
  const std::wstring shown = ShownText();
  DefSubclassProc(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
}

int Display::ShownPosition(int editPosition) const {
  const std::u16string& shown = text_.Shown();
  int edit = 0;
  int pos = 0;
  while (pos < static_cast<int>(shown.size()) && edit < editPosition) {
    edit += shown[static_cast<std::size_t>(pos)] == form::ShownText::kBreak ? 2 : 1;
    ++pos;
  }
  return pos;
}

int Display::EditPosition(int shownPosition) const {
  const std::u16string& shown = text_.Shown();
  int edit = 0;
  for (int pos = 0; pos < shownPosition && pos < static_cast<int>(shown.size()); ++pos) {
    edit += shown[static_cast<std::size_t>(pos)] == form::ShownText::kBreak ? 2 : 1;
  }
  return edit;
}

void Display::SelectedRange(int* from, int* to) const {
  DWORD editFrom = 0;
  DWORD editTo = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&editFrom),
               reinterpret_cast<LPARAM>(&editTo));
  *from = text_.TextIndex(ShownPosition(static_cast<int>(editFrom)));
  *to = std::max(*from, text_.TextIndex(ShownPosition(static_cast<int>(editTo))));
}

void Display::SetTextColor(COLORREF color) {
  if (color_ == color) return;
  color_ = color;
  // Shown at once, whatever the focus.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool Display::ReadOnly() const {
  return (GetWindowLongPtrW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
}

void Display::SetReadOnly(bool readOnly) {
  SendMessageW(hwnd_, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void Display::SelectAll() {
  SendMessageW(hwnd_, EM_SETSEL, 0, -1);
}

HBRUSH Display::ControlColor(HDC dc) const {
  ::SetTextColor(dc, color_);
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

void Display::ReplaceSelection(const std::wstring& with) {
  int from = 0;
  int to = 0;
  SelectedRange(&from, &to);
  text_.Replace(from, to, ToU16(with));
  Show();
  // The caret goes after what was put in.
  const int caret = EditPosition(text_.ShownPosition(from + static_cast<int>(with.size())));
  SendMessageW(hwnd_, EM_SETSEL, caret, caret);
}

void Display::CopySelection() const {
  int from = 0;
  int to = 0;
  SelectedRange(&from, &to);
  if (to <= from) return;
  const std::u16string& text = text_.Text();
  WriteClipboardText(GetParent(hwnd_), std::wstring(text.begin() + from, text.begin() + to));
}

LRESULT Display::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      text_.Set(ToU16(lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L""));
      Show();
      return TRUE;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.Text().size());
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      const std::size_t count = std::min<std::size_t>(text_.Text().size(), wParam - 1);
      std::copy_n(text_.Text().data(), count, buffer);
      buffer[count] = L'\0';
      return static_cast<LRESULT>(count);
    }
    case WM_COPY:
      CopySelection();
      return 0;
    case WM_CUT:
      if (ReadOnly()) return 0;
      CopySelection();
      ReplaceSelection(L"");
      return 0;
    case WM_CLEAR:
      if (!ReadOnly()) ReplaceSelection(L"");
      return 0;
    case WM_PASTE:
      if (ReadOnly()) return 0;
      if (const auto text = ReadClipboardText(GetParent(hwnd_))) ReplaceSelection(*text);
      return 0;
    case WM_UNDO:
    case EM_UNDO:
    case EM_REPLACESEL:
      // The control's own undo and replacement would edit only what it shows.
      return 0;
    case WM_KEYDOWN:
      switch (wParam) {
        case VK_RETURN:
          platform::MessageBeep(0);
          return 0;
        case VK_UP:
          wParam = VK_LEFT;
          break;
        case VK_DOWN:
          wParam = VK_RIGHT;
          break;
        default:
          break;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r') return 0;
      // Typing edits only what is shown: the display is read-only to the user anyway.
      if (wParam >= 0x20 && !ReadOnly()) {
        ReplaceSelection(std::wstring(1, static_cast<wchar_t>(wParam)));
        return 0;
      }
      break;
    case WM_SETFOCUS: {
      const LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
      // Not when the focus came with a left-button press on the control.
      if (GetKeyState(VK_LBUTTON) >= 0) SelectAll();
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Display::SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR /*id*/, DWORD_PTR data) {
  auto* self = reinterpret_cast<Display*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProcedure, kSubclassId);
    self->hwnd_ = nullptr;
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
  return BaseWindow::Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
}

}  // namespace solvanex::win32
