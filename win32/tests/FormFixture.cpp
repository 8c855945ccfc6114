#include "FormFixture.h"

#include <commctrl.h>

#include "win32/Clipboard.h"
#include "win32/Wide.h"

namespace solvanex::win32::test {

namespace {

// The common controls once per test program, as the program's start-up does.
void InitControls() {
  static const bool done = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  (void)done;
}

}  // namespace

FormFixture::FormFixture(char separator, int dpi, ErrorBoxFunction box) {
  InitControls();
  TForm1::Services services;
  services.dpi = Dpi(dpi);
  services.endsProgram = false;
  services.errorBox =
      box ? std::move(box)
          : ErrorBoxFunction([this](HWND, const std::wstring& caption, const std::wstring& text) {
              boxes_.push_back({caption, text});
            });
  form_ = std::make_unique<TForm1>(separator, std::move(services));
  form_->Create();
  form_->Show(SW_SHOWNOACTIVATE);
  Pump();
}

FormFixture::~FormFixture() {
  form_.reset();
  // What destroying the window left in the queue, with no window left to preview it.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void FormFixture::Pump() {
  form_->PumpPending();
}

void FormFixture::PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    Pump();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  Pump();
}

void FormFixture::Click(const std::string& name) {
  KeyButton* button = form_->Button(name);
  if (button != nullptr) SendMessageW(button->Handle(), BM_CLICK, 0, 0);
  Pump();
}

void FormFixture::Key(UINT virtualKey, wchar_t character) {
  HWND target = GetFocus();
  if (target == nullptr) target = Window();
  if (virtualKey != 0) PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
  if (character != 0) PostMessageW(target, WM_CHAR, character, 1);
  if (virtualKey != 0) PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
  Pump();
}

void FormFixture::Command(const std::string& menuItem) {
  SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(form_->MenuCommandId(menuItem), 0), 0);
  Pump();
}

std::wstring FormFixture::WindowText(HWND control) const {
  const LRESULT length = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied =
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

std::wstring FormFixture::DisplayText() const {
  return WindowText(form_->Afficheur().Handle());
}

std::string FormFixture::DisplayUtf8() const {
  return ToUtf8(DisplayText());
}

std::wstring ClipboardText() {
  return ReadClipboardText(nullptr).value_or(L"");
}

void SetClipboardText(const std::wstring& text) {
  if (text.empty()) {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
    return;
  }
  WriteClipboardText(nullptr, text);
}

}  // namespace solvanex::win32::test
