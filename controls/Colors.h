// Colour values as the calculator stores them (form/Color.h), and the colour Qt paints with for
// each.
#pragma once

#include <QColor>
#include <cstdint>

#include "form/Color.h"

namespace solvanex {

using form::clBlack;
using form::clBtnFace;
using form::clRed;
using form::clSystemColor;
using form::clWhite;
using form::clWindow;
using form::clWindowText;
using form::Rgb;

// The colour to paint with: a system colour is looked up in the classic light palette (the
// nearest palette role), a plain colour is taken as it is.
QColor ToQColor(std::uint32_t color);

}  // namespace solvanex
