// Display: the calculator's display line (Afficheur), a system edit control set up as the
// right-aligned, read-only, multi-line edit it must be, and subclassed so that
// - it keeps its text exactly as set or pasted (WM_GETTEXT answers the exact text), while the
//   edit control shows only what it can lay out quickly: only CR LF breaks a line, a lone CR or
//   LF shows as a mark, and a long text shows its end after one ellipsis;
// - Enter is swallowed with the platform beep, Up and Down move the caret as Left and Right;
// - focus arriving by keyboard or program selects all, a click into it does not;
// - its text colour (black, or red for an error message) shows at once, focused or not.
#pragma once

#include <string>

#include "form/ShownText.h"
#include "win32/Dpi.h"

namespace solvanex::win32 {

class Display {
 public:
  Display() = default;
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;
  ~Display();

  void Create(HWND parent, int id, const RECT& bounds, const Dpi& dpi);
  HWND Handle() const { return hwnd_; }

  // The exact text.
  std::wstring Text() const;
  void SetText(const std::wstring& text);
  // What the edit control shows of it.
  std::wstring ShownText() const;

  COLORREF TextColor() const { return color_; }
  void SetTextColor(COLORREF color);

  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  void SelectAll();

  // Answers the parent's WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT for the display.
  HBRUSH ControlColor(HDC dc) const;

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Show();
  // Positions in the edit control, where each shown line break is CR LF, and in the shown text,
  // where it is one character.
  int ShownPosition(int editPosition) const;
  int EditPosition(int shownPosition) const;
  // The range [from, to) of the exact text that the control's selection stands for.
  void SelectedRange(int* from, int* to) const;
  void ReplaceSelection(const std::wstring& with);
  void CopySelection() const;

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  form::ShownText text_;
  COLORREF color_ = 0;
};

}  // namespace solvanex::win32
