#include "win32/BaseWindow.h"

namespace solvanex::win32 {

namespace {

BaseWindow::ErrorReporter& Reporter() {
  static BaseWindow::ErrorReporter reporter;
  return reporter;
}

}  // namespace

BaseWindow::~BaseWindow() {
  if (hwnd_ != nullptr) {
    // The object goes first: the window must not call into it any more.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void BaseWindow::RegisterClass(const wchar_t* className, UINT style, HBRUSH background,
                               HICON icon) {
  WNDCLASSEXW windowClass{};
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (GetClassInfoExW(instance, className, &windowClass)) return;
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.hIcon = icon;
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
}

void BaseWindow::SetErrorReporter(ErrorReporter reporter) {
  Reporter() = std::move(reporter);
}

void BaseWindow::Report(std::exception_ptr error) {
  if (!Reporter()) return;
  try {
    Reporter()(std::move(error));
  } catch (...) {
    // Reporting must not fail into the system: there is nobody left to tell.
  }
}

HWND BaseWindow::CreateBase(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                            DWORD style, int x, int y, int width, int height, HWND parent,
                            HMENU menu) {
  return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                         GetModuleHandleW(nullptr), this);
}

LRESULT BaseWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK BaseWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  const LRESULT result = Guarded([&] { return self->HandleMessage(message, wParam, lParam); });
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->OnDestroyed();
  }
  return result;
}

std::optional<LRESULT> BaseWindow::AnswerPainting(UINT message, WPARAM wParam,
                                                  const std::function<void(HDC)>& paint) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT painting;
      const HDC dc = BeginPaint(hwnd_, &painting);
      paint(dc);
      EndPaint(hwnd_, &painting);
      return 0;
    }
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCPAINT: {
      // Without a frame or scroll bars there is nothing outside the client area: the default
      // answer would only fetch a device context of the whole window to draw nothing on it.
      constexpr LONG_PTR kFramed =
          WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_HSCROLL | WS_VSCROLL;
      constexpr LONG_PTR kEdged =
          WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME;
      if ((GetWindowLongPtrW(hwnd_, GWL_STYLE) & kFramed) == 0 &&
          (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & kEdged) == 0) {
        return 0;
      }
      return std::nullopt;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace solvanex::win32
