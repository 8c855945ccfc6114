// BaseWindow: the one window procedure of every window class the program registers. It finds
// the C++ object of a window (stored at creation) and hands it each message. It is also the one
// place where an error raised by a handler is caught: no exception ever crosses the window
// procedure into the system; it goes to the handler-error reporter, which shows it once the
// message has been handled (the main window's error box).
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <optional>

namespace solvanex::win32 {

class BaseWindow {
 public:
  BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;
  virtual ~BaseWindow();

  HWND Handle() const { return hwnd_; }

  // Registers a window class named className whose procedure is this base's (once per class).
  static void RegisterClass(const wchar_t* className, UINT style = 0, HBRUSH background = nullptr,
                            HICON icon = nullptr);

  // Who is told of an error raised by a handler: the main window while it exists. Without one
  // the error is dropped after the message has been answered by the default procedure.
  using ErrorReporter = std::function<void(std::exception_ptr)>;
  static void SetErrorReporter(ErrorReporter reporter);

  // Runs handler for one message of hwnd, catching whatever it raises (the one catching place,
  // also used by the program's subclassed system controls): the error goes to the reporter and
  // the message counts as handled, with result 0.
  template <typename Handler>
  static LRESULT Guarded(Handler&& handler) {
    try {
      return handler();
    } catch (...) {
      Report(std::current_exception());
      return 0;
    }
  }

 protected:
  // Creates the window with this object behind it; lpParam is taken by the base.
  HWND CreateBase(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menu);

  // Handles one message; the default procedure answers what it does not.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Answers the painting messages of a control that draws itself whole through paint(dc):
  // WM_PAINT, WM_PRINTCLIENT, WM_ERASEBKGND (nothing to erase under a whole painting), and
  // WM_NCPAINT when the control has no frame. Empty for any other message.
  std::optional<LRESULT> AnswerPainting(UINT message, WPARAM wParam,
                                        const std::function<void(HDC)>& paint);

  // Called once the window has been destroyed (after WM_NCDESTROY); the handle is then null.
  virtual void OnDestroyed() {}

 private:
  static void Report(std::exception_ptr error);
  static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND hwnd_ = nullptr;
};

}  // namespace solvanex::win32
