// Placement rules of the composite controls that are not drawing: the panels of the status bar
// and the items of a choice group. Each front end measures its texts and asks here where things
// go.
#pragma once

#include <span>
#include <vector>

#include "form/Geometry.h"

namespace solvanex::form {

// The status bar's panels side by side: each but the last takes its width less a gap, the last
// what is left; a gap above them all. Sizes never go below zero.
inline constexpr int kPanelGap = 2;
std::vector<Rect> PanelRects(std::span<const int> widths, Size bar);

// The items of a choice group keep clear of the frame by this much.
inline constexpr int kChoiceInsetX = 3;
inline constexpr int kChoiceInsetY = 6;
// Room for the focus frame around an item's text, added to what the indicator, its spacing and
// the text measure.
inline constexpr int kChoiceTextSlack = 3;

// The width inside the frame that the columns share.
int ChoiceInnerWidth(Size group);

// How many rows count items in columns take.
int ChoiceRows(int count, int columns);

// Whether the columns fit side by side when each needs needed[c] pixels.
bool ChoiceColumnsFit(std::span<const int> needed, int innerWidth);

// The widths of the columns: equal shares of innerWidth, unless a column's widest item would be
// cut; then each column gets what its items need and what is left over is shared.
std::vector<int> ChoiceColumnWidths(std::span<const int> needed, int innerWidth);

// Where each of count items goes in a group of size group, column by column (item i in column
// i / rows), given the width each column needs.
std::vector<Rect> ChoiceItemRects(Size group, int count, std::span<const int> needed);

}  // namespace solvanex::form
