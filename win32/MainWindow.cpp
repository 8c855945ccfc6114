#include "win32/MainWindow.h"

#include <commctrl.h>

#include "clinical/Keypad.h"
#include "form/Buttons.h"
#include "form/ErrorText.h"
#include "form/Layout.h"
#include "form/Menus.h"
#include "form/Window.h"
#include "win32/Banner.h"
#include "win32/Clipboard.h"
#include "win32/FormWin32.h"
#include "win32/ResourceIds.h"
#include "win32/StartupProbe.h"
#include "win32/Wide.h"

namespace solvanex::win32 {

namespace {

constexpr int kDisplayId = 10;
constexpr int kMemoryId = 11;
constexpr int kRadioGroup1Id = 12;
constexpr int kRadioGroup2Id = 13;
constexpr int kStatusBarId = 14;
constexpr int kFirstButtonId = 1000;
constexpr UINT kFirstMenuId = 100;
// Posted when a handler's error has been caught: the box opens once the handler, and whatever
// called it (a key press starting the release timer), has returned.
constexpr UINT kShowErrorBox = WM_APP + 1;

constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_CLIPCHILDREN;

bool IsUserInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && message != WM_MOUSEMOVE) ||
         (message >= WM_NCLBUTTONDOWN && message <= WM_NCXBUTTONDBLCLK);
}

}  // namespace

void ShowModalErrorBox(HWND owner, const std::wstring& caption, const std::wstring& text) {
  MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

// What the calculator core sees of the window: the display, the memory indicator, the choices.
class TForm1::View : public CalculatorView {
 public:
  explicit View(TForm1& form) : form_(form) {}
  std::string DisplayText() const override { return ToUtf8(form_.display_.Text()); }
  void SetDisplayText(const std::string& text) override { form_.display_.SetText(ToWide(text)); }
  void SetDisplayColor(std::uint32_t color) override { form_.display_.SetTextColor(color); }
  void SetMemoryIndicator(const std::string& caption) override {
    SetWindowTextW(form_.enMemoire_, ToWide(caption).c_str());
  }
  Choices SelectedChoices() const override {
    return {form_.radioGroup1_->ItemIndex(), form_.radioGroup2_->ItemIndex()};
  }

 private:
  TForm1& form_;
};

TForm1::TForm1(char decimalSeparator, Services services)
    : services_(std::move(services)), decimalSeparator_(decimalSeparator) {
  BaseWindow::SetErrorReporter([this](std::exception_ptr error) { OnHandlerError(error); });
}

TForm1::~TForm1() {
  if (Handle() != nullptr) DestroyWindow(Handle());
  BaseWindow::SetErrorReporter({});
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
  if (font_ != nullptr) DeleteObject(font_);
  if (icon_ != nullptr) DestroyIcon(icon_);
  if (smallIcon_ != nullptr) DestroyIcon(smallIcon_);
  for (const HBITMAP image : menuImages_) DeleteObject(image);
}

void TForm1::Create() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const Dpi& dpi = services_.dpi;
  icon_ =
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                    GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  RegisterClass(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE), icon_);
  BuildMenu();
  const form::Size client = form::kClientSize;
  const RECT place =
      CentredWindowRect({dpi.Scale(client.width), dpi.Scale(client.height)}, kWindowStyle, 0, true);
  const int left = place.left;
  const int top = place.top;
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  CreateBase(0, kClassName, ToWide(form::kCaption).c_str(), kWindowStyle, left, top, width, height,
             nullptr, mainMenu1_);
  if (Handle() == nullptr) return;
  // The menu bar may wrap to more lines than AdjustWindowRectEx assumed: the client area is
  // made exactly the layout's size.
  RECT have;
  GetClientRect(Handle(), &have);
  const int extra = dpi.Scale(client.height) - (have.bottom - have.top);
  if (extra != 0)
    SetWindowPos(Handle(), nullptr, left, top - extra / 2, width, height + extra,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  if (icon_ != nullptr)
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  if (smallIcon_ != nullptr) {
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  }
}

void TForm1::Show(int showCommand) {
  ShowWindow(Handle(), showCommand);
  // The first control in tab order takes the focus: the checked item of the first group. Given
  // here rather than at creation, the window is activated once, by showing it; the item is
  // painted with its focus mark in the first painting all the same.
  SetFocus(radioGroup1_->ItemHandle(radioGroup1_->ItemIndex()));
  UpdateWindow(Handle());
}

void TForm1::BuildMenu() {
  mainMenu1_ = CreateMenu();
  std::vector<ACCEL> shortcuts;
  HMENU popup = nullptr;
  std::string_view popupName;
  const auto items = form::MenuTable();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const form::MenuItemLayout& item = items[i];
    if (popup == nullptr || item.menuName != popupName) {
      popup = CreatePopupMenu();
      popupName = item.menuName;
      AppendMenuW(mainMenu1_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                  ToWide(item.menuCaption).c_str());
    }
    const UINT id = kFirstMenuId + static_cast<UINT>(i);
    if (item.command == form::MenuCommand::None) {
      AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring caption = ToWide(item.caption);
    if (!item.accelerator.Empty()) {
      caption += L'\t' + ToWide(form::AcceleratorText(item.accelerator));
      const form::Modifiers modifiers = item.accelerator.modifiers;
      const BYTE flags = FVIRTKEY | ((modifiers & form::kCtrl) ? FCONTROL : 0) |
                         ((modifiers & form::kShift) ? FSHIFT : 0) |
                         ((modifiers & form::kAlt) ? FALT : 0);
      shortcuts.push_back(
          {flags, static_cast<WORD>(item.accelerator.letter), static_cast<WORD>(id)});
    }
    AppendMenuW(popup, MF_STRING, id, caption.c_str());
  }
  accelerators_ = CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}

void TForm1::LoadImages() {
  if (imagesLoaded_) return;
  imagesLoaded_ = true;
  const auto items = form::MenuTable();
  const int size = services_.dpi.Scale(16);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::wstring imageName = ToWide(form::MenuImageName(items[i].image));
    if (imageName.empty()) continue;
    // Resource names are upper case.
    std::wstring name = L"MENU_";
    for (const wchar_t c : imageName) name += static_cast<wchar_t>(towupper(c));
    const HBITMAP image = LoadPngResource(name.c_str(), size, size, GetSysColor(COLOR_MENU));
    if (image == nullptr) continue;
    menuImages_.push_back(image);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP;
    info.hbmpItem = image;
    SetMenuItemInfoW(mainMenu1_, kFirstMenuId + static_cast<UINT>(i), FALSE, &info);
  }
}

UINT TForm1::MenuCommandId(std::string_view name) const {
  const auto items = form::MenuTable();
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].name == name) return kFirstMenuId + static_cast<UINT>(i);
  }
  return 0;
}

void TForm1::FinishStartup() {
  if (tooltips_ != nullptr || !IsWindowVisible(Handle())) return;
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, services_.dpi.Scale(400));
  for (const auto& [control, text] : tooltipTexts_) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tooltipTexts_.clear();
}

void TForm1::BuildControls() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const Dpi& dpi = services_.dpi;
  LOGFONTW face{};
  face.lfHeight = dpi.Scale(form::kDisplayFontHeight);
  face.lfCharSet = DEFAULT_CHARSET;
  const std::wstring faceName = ToWide(form::kDisplayFontName);
  wcsncpy_s(face.lfFaceName, LF_FACESIZE, faceName.c_str(), _TRUNCATE);
  font_ = CreateFontIndirectW(&face);
  const auto setFont = [this](HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  };

  display_.Create(Handle(), kDisplayId, Scaled(ToRect(form::kAfficheurRect)), dpi);
  display_.SetText(ToWide(form::kAfficheurInitialText));
  hints_[display_.Handle()] = ToWide(form::kAfficheurHint);

  const RECT memory = Scaled(ToRect(form::kEnMemoireRect));
  enMemoire_ = CreateWindowExW(
      0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | SS_CENTER | SS_CENTERIMAGE,
      memory.left, memory.top, memory.right - memory.left, memory.bottom - memory.top, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMemoryId)), instance, nullptr);
  setFont(enMemoire_);
  hints_[enMemoire_] = ToWide(form::kEnMemoireHint);

  int id = kFirstButtonId;
  for (const form::FormButton& row : form::FormButtons()) {
    auto button = std::make_unique<KeyButton>(&gate_);
    button->Create(Handle(), id++, ToWide(row.Caption()), ToColorRef(row.CaptionColor()),
                   Scaled(ToRect(row.layout->rect)));
    setFont(button->Handle());
    bindings_[button->Handle()] = row.binding;
    if (!row.Hint().empty()) hints_[button->Handle()] = ToWide(row.Hint());
    if (row.ShowsTooltip()) tooltipTexts_.emplace_back(button->Handle(), ToWide(row.Hint()));
    buttons_.push_back(std::move(button));
  }

  const auto buildGroup = [&](const form::ChoiceGroupLayout& row, int groupId) {
    auto group = std::make_unique<ChoiceGroup>(&gate_);
    group->Create(Handle(), groupId, {ToWide(row.items[0]), ToWide(row.items[1])}, row.columns,
                  ToColorRef(row.color), Scaled(ToRect(row.rect)), font_, dpi);
    group->SetItemIndex(0);
    const std::wstring hint = ToWide(row.hint);
    hints_[group->Handle()] = hint;
    tooltipTexts_.emplace_back(group->Handle(), hint);
    for (int i = 0; i < group->ItemCount(); ++i)
      tooltipTexts_.emplace_back(group->ItemHandle(i), hint);
    return group;
  };
  radioGroup1_ = buildGroup(form::kRadioGroup1, kRadioGroup1Id);
  radioGroup2_ = buildGroup(form::kRadioGroup2, kRadioGroup2Id);

  const RECT bar = Scaled(ToRect(form::kStatusBarRect));
  statusBar1_ = CreateWindowExW(
      0, STATUSCLASSNAMEW, nullptr,
      WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, bar.left, bar.top,
      bar.right - bar.left, bar.bottom - bar.top, Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance, nullptr);
  setFont(statusBar1_);
  // Each panel's right edge; the last reaches the end of the bar.
  std::vector<int> parts;
  int right = 0;
  for (const int width : form::kPanelWidths) parts.push_back(right += dpi.Scale(width));
  parts.push_back(-1);
  SendMessageW(statusBar1_, SB_SETPARTS, parts.size(), reinterpret_cast<LPARAM>(parts.data()));
  SendMessageW(statusBar1_, SB_SETTEXTW, 0,
               reinterpret_cast<LPARAM>(ToWide(form::kCopyright).c_str()));
  SendMessageW(statusBar1_, SB_SETTEXTW, form::kHintPanel,
               reinterpret_cast<LPARAM>(ToWide(form::kWindowHint).c_str()));

  view_ = std::make_unique<View>(*this);
  calculator_ = std::make_unique<Calculator>(*view_, decimalSeparator_, ClinicalFormulas());
}

void TForm1::FormCreate() {
  FillDigitButtons();
  ButtonClick(*Button("CE"));
}

void TForm1::FormDestroy() {
  CloseAllHelpWindowsQuietly(services_.help);
}

void TForm1::FillDigitButtons() {
  // The digits are found by their captions, walking the buttons in creation order.
  for (const auto& button : buttons_) {
    wchar_t caption[8];
    const int length = GetWindowTextW(button->Handle(), caption, 8);
    const int digit = form::DigitOfCaption(ToUtf8(std::wstring_view(caption, length)));
    if (digit >= 0) digitButtons_[static_cast<std::size_t>(digit)] = button.get();
  }
}

KeyButton* TForm1::Button(std::string_view name) const {
  const auto& rows = form::FormButtons();
  for (std::size_t i = 0; i < rows.size() && i < buttons_.size(); ++i) {
    if (rows[i].Name() == name) return buttons_[i].get();
  }
  return nullptr;
}

KeyButton* TForm1::DigitButton(char digit) const {
  if (digit < '0' || digit > '9') return nullptr;
  return digitButtons_[static_cast<std::size_t>(digit - '0')];
}

void TForm1::ButtonClick(KeyButton& button) {
  if (!gate_.IsOpen()) return;
  const auto found = bindings_.find(button.Handle());
  if (found == bindings_.end() || found->second == nullptr || !found->second->click) return;
  // The digit, operator and formula handlers read the live caption, as the sender's.
  wchar_t caption[64];
  const int length = GetWindowTextW(button.Handle(), caption, 64);
  found->second->click(*calculator_, ToUtf8(std::wstring_view(caption, length)));
}

void TForm1::PressButton(KeyButton* button) {
  if (button == nullptr) return;
  button->SetDown(true);
  // The click goes through the window procedure, where an error it raises is caught.
  SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button->Handle()), BN_CLICKED),
               reinterpret_cast<LPARAM>(button->Handle()));
  // Also after a click that ended in an error: no button stays down. A running timer keeps its
  // period, so one tick releases a whole burst of keys.
  if (!timerRunning_) {
    SetTimer(Handle(), kTimer1, form::kTimerInterval, nullptr);
    timerRunning_ = true;
  }
}

void TForm1::Timer1Timer() {
  KillTimer(Handle(), kTimer1);
  timerRunning_ = false;
  for (const auto& button : buttons_) {
    if (button->IsDown()) button->SetDown(false);
  }
}

void TForm1::FormKeyDown(WPARAM key) {
  const std::string_view button = form::KeyDownButton(ToFormKey(key));
  if (!button.empty()) PressButton(Button(button));
}

void TForm1::FormKeyPress(wchar_t character) {
  // A key held with Ctrl or Alt is a command, not typing; AltGr (Ctrl and Alt) types.
  if (!form::TypesCharacter(HeldModifiers(), true)) return;
  const int digit = form::DigitOfCharacter(character);
  if (digit >= 0) {
    PressButton(DigitButton(static_cast<char>('0' + digit)));
    return;
  }
  const std::string_view button = form::CharacterButton(character);
  if (!button.empty()) PressButton(Button(button));
}

void TForm1::Quitter1Click() {
  // Ends the loop: the window is destroyed as by its close box.
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::Coller1Click() {
  display_.SelectAll();
  SendMessageW(display_.Handle(), WM_COPY, 0, 0);
}

void TForm1::Coller2Click() {
  // An empty text counts as no text: pasting it would only wipe the display.
  if (!ClipboardHasText()) return;
  const auto text = ReadClipboardText(Handle());
  if (!text || text->empty()) return;
  // The display is read-only to the user; only this command writes into it, and only for the
  // length of the paste.
  display_.SetReadOnly(false);
  display_.SetText(L"");
  SendMessageW(display_.Handle(), WM_PASTE, 0, 0);
  display_.SetReadOnly(true);
}

void TForm1::Rubriquesdelaide1Click() {
  if (services_.help != nullptr) {
    services_.help->ShowHelpTopics();
    return;
  }
  MessageBoxW(Handle(), ToWide(form::kHelpUnavailable).c_str(), ToWide(form::kCaption).c_str(),
              MB_OK | MB_ICONINFORMATION);
}

void TForm1::Aproposde1Click() {
  if (services_.about != nullptr) services_.about->Execute();
}

void TForm1::RunCommand(UINT id) {
  const auto items = form::MenuTable();
  if (id < kFirstMenuId || id - kFirstMenuId >= items.size()) return;
  if (!gate_.IsOpen()) return;
  switch (items[id - kFirstMenuId].command) {
    case form::MenuCommand::None:
      break;
    case form::MenuCommand::Quit:
      Quitter1Click();
      break;
    case form::MenuCommand::Copy:
      Coller1Click();
      break;
    case form::MenuCommand::Paste:
      Coller2Click();
      break;
    case form::MenuCommand::HelpTopics:
      Rubriquesdelaide1Click();
      break;
    case form::MenuCommand::About:
      Aproposde1Click();
      break;
  }
}

void TForm1::OnHandlerError(std::exception_ptr error) {
  // Until the box has closed no input reaches the window: keys already queued behind the
  // failing one must not act before it.
  gate_.Close();
  std::string text;
  try {
    std::rethrow_exception(error);
  } catch (...) {
    text = form::CurrentErrorBoxMessage();
  }
  pendingErrors_.push_back(ToWide(text));
  if (Handle() != nullptr) PostMessageW(Handle(), kShowErrorBox, 0, 0);
}

void TForm1::ShowQueuedErrors() {
  while (!pendingErrors_.empty()) {
    const std::wstring text = std::move(pendingErrors_.front());
    pendingErrors_.erase(pendingErrors_.begin());
    try {
      if (services_.errorBox) services_.errorBox(Handle(), ToWide(form::kCaption), text);
    } catch (...) {
      // The box itself failing must not take the window down with it.
    }
    gate_.Open();
  }
}

bool TForm1::IsOwnWindow(HWND hwnd) const {
  return hwnd != nullptr && Handle() != nullptr && (hwnd == Handle() || IsChild(Handle(), hwnd));
}

bool TForm1::PreviewMessage(MSG& msg) {
  if (!IsOwnWindow(msg.hwnd)) return false;
  if (msg.message == WM_MOUSEMOVE) {
    // Told when the pointer leaves the control, so that the loop wakes to follow it out of the
    // window as well (nothing else would come to say so).
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, msg.hwnd, 0};
    TrackMouseEvent(&track);
  }
  if (!gate_.IsOpen() && IsUserInput(msg.message)) return true;
  // Menu shortcuts are matched first and go no further.
  if (accelerators_ != nullptr && TranslateAcceleratorW(Handle(), accelerators_, &msg)) return true;
  // The window sees every key before the focused control does; the window itself handles the
  // keys sent to it in its own procedure.
  if (msg.hwnd != Handle()) {
    if (msg.message == WM_KEYDOWN) {
      FormKeyDown(msg.wParam);
    } else if (msg.message == WM_CHAR) {
      FormKeyPress(static_cast<wchar_t>(msg.wParam));
    }
  }
  return false;
}

bool TForm1::PumpPending() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return false;
    if (!PreviewMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  FinishStartup();
  return true;
}

int TForm1::RunMessageLoop() {
  for (;;) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
      if (!PreviewMessage(msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    // The queue is empty: the window is painted, and the hint follows the pointer.
    ReportFirstPaintIfAsked();
    FinishStartup();
    if (Handle() != nullptr) RefreshHint();
    WaitMessage();
  }
}

std::wstring TForm1::HintOf(HWND control) const {
  const auto found = hints_.find(control);
  return found != hints_.end() ? found->second : std::wstring();
}

std::wstring TForm1::HintAt(POINT screen) const {
  if (menuOpen_ || Handle() == nullptr) return {};
  // The control under the pointer among the window's own, disabled ones included.
  HWND under = WindowFromPoint(screen);
  if (under != Handle() && !IsOwnWindow(under)) return {};
  HWND parent = Handle();
  for (;;) {
    POINT local = screen;
    ScreenToClient(parent, &local);
    const HWND child = ChildWindowFromPointEx(parent, local, CWP_SKIPINVISIBLE);
    if (child == nullptr || child == parent) break;
    parent = child;
  }
  for (HWND control = parent; control != nullptr; control = GetParent(control)) {
    const std::wstring hint = HintOf(control);
    if (!hint.empty()) return hint;
    if (control == Handle()) break;
  }
  return ToWide(form::kWindowHint);
}

void TForm1::RefreshHint() {
  POINT pointer;
  if (!GetCursorPos(&pointer)) return;
  SetCurrentHint(HintAt(pointer));
}

void TForm1::SetCurrentHint(const std::wstring& hint) {
  if (hint == currentHint_) return;
  currentHint_ = hint;
  ShowApplicationHint();
}

void TForm1::ShowApplicationHint() {
  SendMessageW(statusBar1_, SB_SETTEXTW, form::kHintPanel,
               reinterpret_cast<LPARAM>(currentHint_.c_str()));
}

std::wstring TForm1::PanelText(int panel) const {
  const LRESULT length = SendMessageW(statusBar1_, SB_GETTEXTLENGTHW, panel, 0);
  std::wstring text(LOWORD(length) + 1, L'\0');
  SendMessageW(statusBar1_, SB_GETTEXTW, panel, reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(length));
  return text;
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      BuildControls();
      FormCreate();
      // The release timer runs from creation; its first tick finds nothing pressed.
      SetTimer(Handle(), kTimer1, form::kTimerInterval, nullptr);
      timerRunning_ = true;
      return 0;
    case WM_COMMAND: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (control == nullptr) {
        RunCommand(LOWORD(wParam));
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED) {
        for (const auto& button : buttons_) {
          if (button->Handle() == control) {
            ButtonClick(*button);
            break;
          }
        }
      }
      return 0;
    }
    case WM_TIMER:
      if (wParam == kTimer1) Timer1Timer();
      return 0;
    case WM_KEYDOWN:
      if (gate_.IsOpen()) FormKeyDown(wParam);
      return 0;
    case WM_CHAR:
      if (gate_.IsOpen()) FormKeyPress(static_cast<wchar_t>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == display_.Handle()) {
        return reinterpret_cast<LRESULT>(display_.ControlColor(reinterpret_cast<HDC>(wParam)));
      }
      break;
    case WM_GETMINMAXINFO: {
      // The size is locked: the default answer first, then both limits at the current size.
      DefWindowProcW(Handle(), message, wParam, lParam);
      RECT outer;
      if (Handle() != nullptr && GetWindowRect(Handle(), &outer) && !IsRectEmpty(&outer) &&
          !IsIconic(Handle())) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = {outer.right - outer.left, outer.bottom - outer.top};
        info->ptMaxTrackSize = info->ptMinTrackSize;
      }
      return 0;
    }
    case WM_NCHITTEST: {
      // The frame's edges do not offer sizing.
      const LRESULT hit = DefWindowProcW(Handle(), message, wParam, lParam);
      if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) return HTBORDER;
      return hit;
    }
    case WM_INITMENUPOPUP:
      LoadImages();
      return 0;
    case WM_ENTERMENULOOP:
      menuOpen_ = true;
      SetCurrentHint(L"");
      return 0;
    case WM_EXITMENULOOP:
      menuOpen_ = false;
      SetCurrentHint(L"");
      return 0;
    case kShowErrorBox:
      ShowQueuedErrors();
      return 0;
    case WM_CLOSE:
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      KillTimer(Handle(), kTimer1);
      timerRunning_ = false;
      FormDestroy();
      if (services_.endsProgram) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return BaseWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace solvanex::win32
