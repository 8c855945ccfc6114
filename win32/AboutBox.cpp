#include "win32/AboutBox.h"

#include <algorithm>
#include <stdexcept>

#include "about/MemoryText.h"
#include "platform/Beep.h"
#include "win32/Banner.h"
#include "win32/Wide.h"

namespace solvanex::win32 {

namespace {

std::wstring Cut(const std::wstring& value) {
  return value.size() > TAboutBox::kMaxLength ? value.substr(0, TAboutBox::kMaxLength) : value;
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
  RECT outer{0, 0, dpi_.Scale(kClientWidth), dpi_.Scale(kClientHeight)};
  AdjustWindowRectEx(&outer, kDialogStyle, FALSE, kDialogExStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  if (CreateBase(kDialogExStyle, kClassName, L"A propos de...", kDialogStyle,
                 work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, owner,
                 nullptr) == nullptr) {
    throw std::runtime_error("A propos de... : la fenêtre n'a pas pu être créée");
  }
  LOGFONTW face{};
  face.lfHeight = dpi_.Scale(-11);
  face.lfCharSet = DEFAULT_CHARSET;
  wcscpy_s(face.lfFaceName, L"MS Sans Serif");
  font_ = CreateFontIndirectW(&face);
  face.lfWeight = FW_BOLD;
  bold_ = CreateFontIndirectW(&face);

  const HINSTANCE instance = GetModuleHandleW(nullptr);
  button1_ =
      CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      dpi_.Scale(208), dpi_.Scale(223), dpi_.Scale(74), dpi_.Scale(26), Handle(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), instance, nullptr);
  SendMessageW(button1_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  banner_ = LoadBanner(dpi_.Scale(298), dpi_.Scale(81));
  lblPhysMem_ = NewLabel(L"lblPhysMem", 86, 173, font_);
  lblPhysRes_ = NewLabel(L"lblPhysRes", 86, 193, font_);
  // Created at the height the first painting settles on, so that the line is never seen at the
  // middle of a taller control.
  line1_.Create(Handle(), dpi_.Scale(86), dpi_.Scale(158));
  line1_.SetLine(LineType::ltHorizontal);
  line1_.SetBounds(dpi_.Scale(86), dpi_.Scale(158), dpi_.Scale(196), 10);
  line2_.Create(Handle(), dpi_.Scale(86), dpi_.Scale(159));
  line2_.SetLine(LineType::ltHorizontal);
  line2_.SetPenColor(RGB(255, 255, 255));
  line2_.SetBounds(dpi_.Scale(86), dpi_.Scale(159), dpi_.Scale(196), 10);
  label1_ = NewLabel(L"Label1", 88, 96, bold_);
  label2_ = NewLabel(L"Label2", 88, 120, font_);
  label3_ = NewLabel(L"Label3", 88, 136, font_);
  FormCreate();
}

HWND TFAbout::NewLabel(const wchar_t* name, int left, int top, HFONT font) {
  const HWND label =
      CreateWindowExW(0, L"STATIC", name, WS_CHILD | WS_VISIBLE | SS_NOPREFIX, dpi_.Scale(left),
                      dpi_.Scale(top), 1, 1, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
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
  const int room = dpi_.Scale(kClientWidth - 4) - place.left;
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
  SetLabelText(lblPhysMem_, ToWide(PhysicalMemoryText(status.totalPhysical, ThousandsSeparator())));
  SetLabelText(lblPhysRes_, ToWide(FreeResourcesText(status.memoryLoad)));
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
  BitBlt(dc, dpi_.Scale(-4), dpi_.Scale(-4), info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
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
  return L"© 2026 Solvanex";
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
