#include "win32/Display.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/Beep.h"
#include "win32/BaseWindow.h"
#include "win32/Clipboard.h"

namespace solvanex::win32 {

namespace {

constexpr std::size_t kShownLimit = 4096;
constexpr wchar_t kHiddenMark = L'\u2026';
constexpr wchar_t kLoneCarriageReturn = L'\u240D';
constexpr wchar_t kLoneLineFeed = L'\u240A';
constexpr UINT_PTR kSubclassId = 1;

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

std::wstring Display::ShownText() const {
  std::wstring shown;
  shown.reserve(text_.size() - hidden_ + 1);
  if (hidden_ > 0) shown += kHiddenMark;
  for (std::size_t i = hidden_; i < text_.size(); ++i) {
    const wchar_t c = text_[i];
    if (c == L'\r' && i + 1 < text_.size() && text_[i + 1] == L'\n') {
      shown += L"\r\n";
      ++i;
    } else if (c == L'\r') {
      shown += kLoneCarriageReturn;
    } else if (c == L'\n') {
      shown += kLoneLineFeed;
    } else {
      shown += c;
    }
  }
  return shown;
}

void Display::Show() {
  hidden_ = text_.size() > kShownLimit ? text_.size() - kShownLimit : 0;
  // Never hide half of a CR LF pair or of a surrogate pair.
  if (hidden_ > 0 && ((text_[hidden_] == L'\n' && text_[hidden_ - 1] == L'\r') ||
                      IS_LOW_SURROGATE(text_[hidden_]))) {
    ++hidden_;
  }
  const std::wstring shown = ShownText();
  DefSubclassProc(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
}

void Display::ExactRange(int shownFrom, int shownTo, std::size_t* from, std::size_t* to) const {
  // Every shown character stands for one character of the text, the ellipsis for the hidden
  // head.
  const auto exact = [this](int pos) -> std::size_t {
    if (pos <= 0) return 0;
    const std::size_t index =
        hidden_ > 0 ? static_cast<std::size_t>(pos) - 1 + hidden_ : static_cast<std::size_t>(pos);
    return std::min(index, text_.size());
  };
  *from = exact(shownFrom);
  *to = std::max(*from, exact(shownTo));
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
  DWORD shownFrom = 0;
  DWORD shownTo = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&shownFrom),
               reinterpret_cast<LPARAM>(&shownTo));
  std::size_t from = 0;
  std::size_t to = 0;
  ExactRange(static_cast<int>(shownFrom), static_cast<int>(shownTo), &from, &to);
  text_.replace(from, to - from, with);
  Show();
  // The caret goes after what was put in.
  const std::size_t caret = from + with.size();
  const std::size_t shownCaret = caret < hidden_ ? 0 : caret - hidden_ + (hidden_ > 0 ? 1 : 0);
  SendMessageW(hwnd_, EM_SETSEL, shownCaret, shownCaret);
}

void Display::CopySelection() const {
  DWORD shownFrom = 0;
  DWORD shownTo = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&shownFrom),
               reinterpret_cast<LPARAM>(&shownTo));
  std::size_t from = 0;
  std::size_t to = 0;
  ExactRange(static_cast<int>(shownFrom), static_cast<int>(shownTo), &from, &to);
  if (to > from) WriteClipboardText(GetParent(hwnd_), text_.substr(from, to - from));
}

LRESULT Display::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      text_ = lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      Show();
      return TRUE;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.size());
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      const std::size_t count = std::min<std::size_t>(text_.size(), wParam - 1);
      std::copy_n(text_.data(), count, buffer);
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
