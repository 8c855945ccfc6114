// The keys and choice items as they draw themselves: each state gives its own picture, and a
// change of visual style (WM_THEMECHANGED) leaves them drawing with the style then in force, not
// with data that was closed meanwhile.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "FormFixture.h"

namespace solvanex::win32::test {
namespace {

// A colour no drawing uses, laid under the painting: what stays of it was not painted.
constexpr std::uint32_t kUnpainted = 0x0001fe03;

// The control's client area as it paints it into a fresh 32-bit picture (WM_PRINTCLIENT).
std::vector<std::uint32_t> Picture(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<std::uint32_t> pixels;
  if (bitmap != nullptr) {
    const HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, client.right, client.bottom};
    const HBRUSH marker = CreateSolidBrush(RGB(1, 254, 3));
    FillRect(dc, &all, marker);
    DeleteObject(marker);
    SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    pixels.assign(first, first + static_cast<std::size_t>(client.right) * client.bottom);
    SelectObject(dc, old);
    DeleteObject(bitmap);
  }
  DeleteDC(dc);
  return pixels;
}

std::size_t Colours(const std::vector<std::uint32_t>& pixels) {
  return std::set<std::uint32_t>(pixels.begin(), pixels.end()).size();
}

struct PaintCase {
  const char* name;
  // Finds the control and puts it into the state to draw; returns it.
  std::function<HWND(TForm1&)> prepare;
};

const std::vector<PaintCase>& Cases() {
  static const std::vector<PaintCase> cases = {
      {"key released", [](TForm1& form) { return form.DigitButton('7')->Handle(); }},
      {"key pressed",
       [](TForm1& form) {
         form.DigitButton('7')->SetDown(true);
         return form.DigitButton('7')->Handle();
       }},
      {"key disabled",
       [](TForm1& form) {
         EnableWindow(form.DigitButton('7')->Handle(), FALSE);
         return form.DigitButton('7')->Handle();
       }},
      {"item checked", [](TForm1& form) { return form.RadioGroup1().ItemHandle(0); }},
      {"item unchecked", [](TForm1& form) { return form.RadioGroup1().ItemHandle(1); }},
  };
  return cases;
}

TEST(PaintTest, EachStateDrawsTheSameBeforeAndAfterAChangeOfStyle) {
  std::vector<std::vector<std::uint32_t>> keyPictures;
  for (const PaintCase& row : Cases()) {
    SCOPED_TRACE(row.name);
    FormFixture fixture;
    const HWND control = row.prepare(fixture.Form());
    ASSERT_NE(control, nullptr);
    const std::vector<std::uint32_t> before = Picture(control);
    ASSERT_FALSE(before.empty());
    // A face and a caption at least, and no pixel left unpainted.
    EXPECT_GE(Colours(before), 2u);
    EXPECT_EQ(std::count(before.begin(), before.end(), kUnpainted), 0);
    // The style changes under the control twice over: each time it reopens what it draws with.
    for (int change = 0; change < 2; ++change) {
      SendMessageW(control, WM_THEMECHANGED, 0, 0);
      EXPECT_EQ(Picture(control), before) << "after change " << change + 1;
    }
    if (std::string(row.name).rfind("key", 0) == 0) keyPictures.push_back(before);
  }
  // Released, pressed and disabled look different.
  ASSERT_EQ(keyPictures.size(), 3u);
  EXPECT_NE(keyPictures[0], keyPictures[1]);
  EXPECT_NE(keyPictures[0], keyPictures[2]);
  EXPECT_NE(keyPictures[1], keyPictures[2]);
}

}  // namespace
}  // namespace solvanex::win32::test
