#include "form/Layout.h"

#include <algorithm>
#include <numeric>

namespace solvanex::form {

std::vector<Rect> PanelRects(std::span<const int> widths, Size bar) {
  std::vector<Rect> panels;
  panels.reserve(widths.size() + 1);
  const int height = std::max(0, bar.height - kPanelGap);
  int x = 0;
  for (const int width : widths) {
    panels.push_back({x, kPanelGap, std::max(0, width - kPanelGap), height});
    x += width;
  }
  panels.push_back({x, kPanelGap, std::max(0, bar.width - x), height});
  return panels;
}

int ChoiceInnerWidth(Size group) {
  return group.width - 2 * kChoiceInsetX;
}

int ChoiceRows(int count, int columns) {
  columns = std::max(1, columns);
  return std::max(1, (count + columns - 1) / columns);
}

bool ChoiceColumnsFit(std::span<const int> needed, int innerWidth) {
  return std::accumulate(needed.begin(), needed.end(), 0) <= innerWidth;
}

std::vector<int> ChoiceColumnWidths(std::span<const int> needed, int innerWidth) {
  const int columns = std::max<int>(1, static_cast<int>(needed.size()));
  const int equal = innerWidth / columns;
  std::vector<int> widths(needed.size(), equal);
  if (std::any_of(needed.begin(), needed.end(), [equal](int n) { return n > equal; })) {
    const int total = std::accumulate(needed.begin(), needed.end(), 0);
    const int spare = std::max(0, innerWidth - total) / columns;
    for (std::size_t c = 0; c < needed.size(); ++c) widths[c] = needed[c] + spare;
  }
  return widths;
}

std::vector<Rect> ChoiceItemRects(Size group, int count, std::span<const int> needed) {
  std::vector<Rect> rects;
  if (count <= 0 || needed.empty()) return rects;
  const int columns = static_cast<int>(needed.size());
  const int rows = ChoiceRows(count, columns);
  const std::vector<int> widths = ChoiceColumnWidths(needed, ChoiceInnerWidth(group));
  const int rowHeight = (group.height - 2 * kChoiceInsetY) / rows;
  rects.reserve(static_cast<std::size_t>(count));
  int x = kChoiceInsetX;
  for (int column = 0; column < columns; ++column) {
    for (int row = 0; row < rows; ++row) {
      if (column * rows + row >= count) break;
      rects.push_back({x, kChoiceInsetY + row * rowHeight, widths[static_cast<std::size_t>(column)],
                       rowHeight});
    }
    x += widths[static_cast<std::size_t>(column)];
  }
  return rects;
}

}  // namespace solvanex::form
