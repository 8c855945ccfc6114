#include "win32/AboutBox.h"

#include <algorithm>
#include <stdexcept>

#include "form/About.h"
#include "form/Layout.h"
#include "form/MemoryText.h"
#include "platform/Beep.h"
#include "win32/Banner.h"
#include "win32/FormWin32.h"
#include "win32/Wide.h"

namespace solvanex::win32 {

namespace {

std::wstring Cut(const std::wstring& value) {
  const std::u16string_view text(reinterpret_cast<const char16_t*>(value.data()), value.size());
  return value.substr(0, form::about::CappedLength(text));
}

// The thousands separator of the user's regional settings.
std::string ThousandsSeparator() {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8) <= 0) {
    return " ";
  }
  return ToUtf8(separator);
}

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

TFAbout::TFAbout(MemoryStatusSource memoryStatus, const Dpi& dpi)
    : memoryStatus_(std::move(memoryStatus)), dpi_(dpi) {}

TFAbout::~TFAbout() {
  if (Handle() != nullptr) DestroyWindow(Handle());
  if (font_ != nullptr) DeleteObject(font_);
  if (bold_ != nullptr) DeleteObject(bold_);
  if (banner_ != nullptr) DeleteObject(banner_);
}

void TFAbout::Create(HWND owner) {
  owner_ = owner;
  RegisterClass(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE));
  const RECT place = CentredWindowRect(
      {dpi_.Scale(form::about::kClientSize.width), dpi_.Scale(form::about::kClientSize.height)},
      kDialogStyle, kDialogExStyle, false);
  if (CreateBase(kDialogExStyle, kClassName, ToWide(form::about::kCaption).c_str(), kDialogStyle,
                 place.left, place.top, place.right - place.left, place.bottom - place.top, owner,
                 nullptr) == nullptr) {
    throw std::runtime_error("A propos de... : la fenêtre n'a pas pu être créée");
  }
  LOGFONTW face{};
  face.lfHeight = dpi_.Scale(form::about::kFontHeight);
  face.lfCharSet = DEFAULT_CHARSET;
  const std::wstring faceName = ToWide(form::about::kFontName);
  wcsncpy_s(face.lfFaceName, LF_FACESIZE, faceName.c_str(), _TRUNCATE);
  font_ = CreateFontIndirectW(&face);
  face.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectW(&face);

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const RECT button = dpi_.Scale(ToRect(form::about::kButtonRect));
  button1_ =
      CreateWindowExW(0, L"BUTTON", ToWide(form::about::kButtonCaption).c_str(),
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, button.left,
                      button.top, button.right - button.left, button.bottom - button.top, Handle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
  SendMessageW(button1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  banner_ = LoadBanner(dpi_.Scale(form::about::kImageRect.width),
                       dpi_.Scale(form::about::kImageRect.height));
  lblPhysMem_ = NewLabel(form::about::kPhysMem);
  lblPhysRes_ = NewLabel(form::about::kPhysRes);
  // Created at the height the first painting settles on, so that the line is never seen at the
  // middle of a taller control.
  for (const auto& [line, layout] :
       {std::pair{&line1_, &form::about::kLine1}, std::pair{&line2_, &form::about::kLine2}}) {
    const RECT place = dpi_.Scale(ToRect(layout->rect));
    line->Create(Handle(), place.left, place.top);
    line->SetLine(layout->type);
    line->SetPenColor(ToColorRef(layout->color));
    line->SetBounds(place.left, place.top, place.right - place.left, layout->rect.height);
  }
  label1_ = NewLabel(form::about::kLabel1);
  label2_ = NewLabel(form::about::kLabel2);
  label3_ = NewLabel(form::about::kLabel3);
  FormCreate();
}

HWND TFAbout::NewLabel(const form::about::LabelLayout& layout) {
  const std::wstring name = ToWide(layout.name);
  const HWND label = CreateWindowExW(
      0, L"STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, dpi_.Scale(layout.left),
      dpi_.Scale(layout.top), 1, 1, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(layout.bold ? bold_ : font_), FALSE);
  SetLabelText(label, name);
  return label;
}

void TFAbout::SetLabelText(HWND label, const std::wstring& text) {
  SetWindowTextW(label, text.c_str());
  // Sized to its text, and never past the dialog's right edge.
  const HDC dc = GetDC(label);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
  RECT measured{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  RECT place;
  GetWindowRect(label, &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  const int room = dpi_.Scale(form::about::kTextRight) - place.left;
  SetWindowPos(label, nullptr, 0, 0, std::min<int>(measured.right, room), measured.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TFAbout::Label(int index) const {
  switch (index) {
    case 1:
      return label1_;
    case 2:
      return label2_;
    case 3:
      return label3_;
    default:
      return nullptr;
  }
}

void TFAbout::FormCreate() {
  platform::MessageBeep(0);
  const platform::MemoryStatus status = memoryStatus_();
  SetLabelText(lblPhysMem_,
               ToWide(form::PhysicalMemoryText(status.totalPhysical, ThousandsSeparator())));
  SetLabelText(lblPhysRes_, ToWide(form::FreeResourcesText(status.memoryLoad)));
}

void TFAbout::ShowTexts(const std::wstring& productName, const std::wstring& version,
                        const std::wstring& copyright) {
  SetLabelText(label1_, productName);
  SetLabelText(label2_, version);
  SetLabelText(label3_, copyright);
}

void TFAbout::ShowModal() {
  // While the dialog is shown the main window takes no input.
  const bool ownerWasEnabled = owner_ != nullptr && IsWindowEnabled(owner_);
  if (ownerWasEnabled) EnableWindow(owner_, FALSE);
  ShowWindow(Handle(), SW_SHOW);
  SetFocus(button1_);
  MSG msg;
  while (!closed_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(Handle(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (msg.message == WM_QUIT && !closed_) PostQuitMessage(static_cast<int>(msg.wParam));
  if (ownerWasEnabled) {
    EnableWindow(owner_, TRUE);
    SetActiveWindow(owner_);
  }
}

void TFAbout::Button1Click() {
  if (Handle() != nullptr) DestroyWindow(Handle());
}

void TFAbout::PaintBanner(HDC dc) {
  if (banner_ == nullptr) return;
  const HDC source = CreateCompatibleDC(dc);
  const HGDIOBJ old = SelectObject(source, banner_);
  BITMAP info{};
  GetObjectW(banner_, sizeof info, &info);
  BitBlt(dc, dpi_.Scale(form::about::kImageRect.left), dpi_.Scale(form::about::kImageRect.top),
         info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

LRESULT TFAbout::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(Handle(), &paint);
      PaintBanner(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Button1Click();
      return 0;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      Button1Click();
      return 0;
    default:
      return BaseWindow::HandleMessage(message, wParam, lParam);
  }
}

TAboutBox::TAboutBox() : copyright_(DefaultCopyright()) {}

std::wstring TAboutBox::DefaultCopyright() {
  return ToWide(form::about::kCopyright);
}

void TAboutBox::SetProductName(const std::wstring& value) {
  productName_ = Cut(value);
}

void TAboutBox::SetVersion(const std::wstring& value) {
  version_ = Cut(value);
}

void TAboutBox::SetCopyright(const std::wstring& value) {
  copyright_ = Cut(value);
}

void TAboutBox::Execute() {
  std::unique_ptr<TFAbout> dialog;
  try {
    dialog = std::make_unique<TFAbout>(memoryStatus_, dpi_);
    dialog->Create(owner_);
  } catch (const std::exception&) {
    platform::MessageBeep(0);
    return;
  }
  dialog->ShowTexts(productName_, version_, copyright_);
  if (observer_) observer_(*dialog);
  dialog->ShowModal();
}

}  // namespace solvanex::win32
