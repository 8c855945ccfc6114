#include "win32/ChoiceGroup.h"

#include <uxtheme.h>
#include <vssym32.h>

#include <algorithm>

#include "form/Layout.h"
#include "win32/ButtonTheme.h"
#include "win32/FormWin32.h"
#include "win32/InputGate.h"

namespace solvanex::win32 {

namespace {
constexpr int kMarkSize = 13;    // the radio mark, pixels at 96 dpi
constexpr int kMarkSpacing = 4;  // between mark and caption
}  // namespace

void ChoiceItem::Create(HWND parent, const std::wstring& caption, const RECT& bounds) {
  RegisterClass(kClassName, 0);
  CreateBase(0, kClassName, caption.c_str(), WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
             bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr);
}

void ChoiceItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  // The checked item is the group's stop in the tab order.
  LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  style = checked ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(Handle(), GWL_STYLE, style);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void ChoiceItem::Paint(HDC dc) const {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const int markSize = group_.Scale().Scale(kMarkSize);
  const int markTop = (client.bottom - markSize) / 2;
  RECT mark{0, markTop, markSize, markTop + markSize};
  if (const HTHEME theme = ButtonTheme::Get()) {
    DrawThemeBackground(theme, dc, BP_RADIOBUTTON,
                        checked_ ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL, &mark, nullptr);
  } else {
    DrawFrameControl(dc, &mark, DFC_BUTTON, DFCS_BUTTONRADIO | (checked_ ? DFCS_CHECKED : 0));
  }
  wchar_t caption[64];
  const int length = GetWindowTextW(Handle(), caption, static_cast<int>(std::size(caption)));
  const HGDIOBJ oldFont = font_ != nullptr ? SelectObject(dc, font_) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, group_.Color());
  RECT text = client;
  text.left = mark.right + group_.Scale().Scale(kMarkSpacing);
  RECT measured = text;
  DrawTextW(dc, caption, length, &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  DrawTextW(dc, caption, length, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (GetFocus() == Handle()) {
    const int height = measured.bottom - measured.top;
    RECT focus{text.left - 1, (client.bottom - height) / 2 - 1,
               std::min(measured.right, client.right) + 1, (client.bottom + height) / 2 + 1};
    DrawFocusRect(dc, &focus);
  }
  if (oldFont != nullptr) SelectObject(dc, oldFont);
}

LRESULT ChoiceItem::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const auto answer = AnswerPainting(message, wParam, [this](HDC dc) { Paint(dc); })) {
    return *answer;
  }
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_THEMECHANGED:
      ButtonTheme::Reset();
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!group_.InputOpen()) return 0;
      group_.Choose(index_, true);
      return 0;
    case BM_CLICK:
      group_.Choose(index_, false);
      return 0;
    case BM_GETCHECK:
      return checked_ ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      SetChecked(wParam == BST_CHECKED);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_RADIOBUTTON | DLGC_WANTARROWS;
    case WM_KEYDOWN:
      // The arrow keys move the choice to the other item, as in a system radio group.
      switch (wParam) {
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
          if (!group_.InputOpen()) return 0;
          const int count = group_.ItemCount();
          const int step = (wParam == VK_LEFT || wParam == VK_UP) ? count - 1 : 1;
          group_.Choose((index_ + step) % count, true);
          return 0;
        }
        default:
          return BaseWindow::HandleMessage(message, wParam, lParam);
      }
    default:
      return BaseWindow::HandleMessage(message, wParam, lParam);
  }
}

ChoiceGroup::~ChoiceGroup() {
  // The items are children of the frame: their objects go before the frame's window does.
  items_.clear();
}

void ChoiceGroup::Create(HWND parent, int id, const std::vector<std::wstring>& items, int columns,
                         COLORREF color, const RECT& bounds, HFONT font, const Dpi& dpi) {
  RegisterClass(kClassName, 0, GetSysColorBrush(COLOR_BTNFACE));
  color_ = color;
  dpi_ = dpi;
  CreateBase(WS_EX_CONTROLPARENT, kClassName, L"", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
             bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  // What each column needs: the mark, its spacing and the widest caption of the column.
  const int count = static_cast<int>(items.size());
  const int rows = form::ChoiceRows(count, columns);
  std::vector<int> needed(static_cast<std::size_t>(std::max(1, columns)), 0);
  const HDC dc = GetDC(Handle());
  const HGDIOBJ oldFont = SelectObject(dc, font);
  for (int i = 0; i < count; ++i) {
    SIZE text{};
    const std::wstring& caption = items[static_cast<std::size_t>(i)];
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
    int& column = needed[static_cast<std::size_t>(i / rows)];
    column = std::max(column, dpi.Scale(kMarkSize + kMarkSpacing) + static_cast<int>(text.cx) +
                                  dpi.Scale(form::kChoiceTextSlack));
  }
  SelectObject(dc, oldFont);
  ReleaseDC(Handle(), dc);
  // The places are worked out at 96 dpi and scaled with the frame.
  for (int& width : needed) width = MulDiv(width, 96, dpi.Value());
  const form::Size size{MulDiv(bounds.right - bounds.left, 96, dpi.Value()),
                        MulDiv(bounds.bottom - bounds.top, 96, dpi.Value())};
  const std::vector<form::Rect> places = form::ChoiceItemRects(size, count, needed);
  for (int i = 0; i < count; ++i) {
    auto item = std::make_unique<ChoiceItem>(*this, i);
    item->Create(Handle(), items[static_cast<std::size_t>(i)],
                 dpi.Scale(ToRect(places[static_cast<std::size_t>(i)])));
    SendMessageW(item->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    items_.push_back(std::move(item));
  }
}

int ChoiceGroup::ItemIndex() const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i]->Checked()) return static_cast<int>(i);
  }
  return -1;
}

void ChoiceGroup::SetItemIndex(int index) {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i]->SetChecked(static_cast<int>(i) == index);
  }
}

HWND ChoiceGroup::ItemHandle(int index) const {
  if (index < 0 || index >= ItemCount()) return nullptr;
  return items_[static_cast<std::size_t>(index)]->Handle();
}

bool ChoiceGroup::InputOpen() const {
  return gate_ == nullptr || gate_->IsOpen();
}

void ChoiceGroup::Choose(int index, bool takeFocus) {
  SetItemIndex(index);
  if (takeFocus) SetFocus(ItemHandle(index));
  const HWND parent = GetParent(Handle());
  if (parent != nullptr) {
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(Handle()));
  }
}

LRESULT ChoiceGroup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    RECT frame;
    GetClientRect(Handle(), &frame);
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    EndPaint(Handle(), &paint);
    return 0;
  }
  return BaseWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace solvanex::win32
