// ChoiceGroup: a choice group without a title, its items side by side in columns inside an
// etched frame (RadioGroup1, RadioGroup2). The items are radio buttons of the program's own
// window class, drawn with their caption in the group's colour, which the system's radio
// buttons would ignore under a visual style. Exactly one item is checked after start-up; a
// click or an arrow key checks another. The checked item is the group's tab stop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "win32/BaseWindow.h"
#include "win32/Dpi.h"

namespace solvanex::win32 {

class InputGate;

class ChoiceItem : public BaseWindow {
 public:
  static constexpr wchar_t kClassName[] = L"SolvanexChoiceItem";

  ChoiceItem(class ChoiceGroup& group, int index) : group_(group), index_(index) {}
  void Create(HWND parent, const std::wstring& caption, const RECT& bounds);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void Paint(HDC dc) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ChoiceGroup& group_;
  int index_;
  bool checked_ = false;
  HFONT font_ = nullptr;
};

class ChoiceGroup : public BaseWindow {
 public:
  static constexpr wchar_t kClassName[] = L"SolvanexChoiceGroup";

  ChoiceGroup(const InputGate* gate) : gate_(gate) {}
  ~ChoiceGroup() override;

  // Creates the frame at bounds with one item per caption, in columns columns.
  void Create(HWND parent, int id, const std::vector<std::wstring>& items, int columns,
              COLORREF color, const RECT& bounds, HFONT font, const Dpi& dpi);

  // The checked item, -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  HWND ItemHandle(int index) const;
  int ItemCount() const { return static_cast<int>(items_.size()); }
  COLORREF Color() const { return color_; }
  const Dpi& Scale() const { return dpi_; }

  // An item was clicked or chosen by an arrow key.
  void Choose(int index, bool takeFocus);
  bool InputOpen() const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  const InputGate* gate_;
  COLORREF color_ = 0;
  Dpi dpi_;
  std::vector<std::unique_ptr<ChoiceItem>> items_;
};

}  // namespace solvanex::win32
