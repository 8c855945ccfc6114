// Plain positions and sizes of the window's controls, in client-area pixels at 96 dpi; each front
// end turns them into its own rectangle type and scales them to the screen.
#pragma once

namespace solvanex::form {

struct Size {
  int width = 0;
  int height = 0;
  friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  constexpr int Right() const { return left + width; }   // one past the last column
  constexpr int Bottom() const { return top + height; }  // one past the last row
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace solvanex::form
