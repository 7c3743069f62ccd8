// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QSize>

// Where everything sits in the window, in pixels of its client area. Positions are fixed: the
// layout does not follow the window's size.
namespace Form1Layout {

// The client size of the window when it is not maximised.
inline constexpr QSize kRestoredClientSize{492, 356};
// The client area the whole layout needs.
inline constexpr QSize kLayoutSize{831, 641};

// Outer geometry of each control: x, y, width, height.
inline constexpr QRect kCommand5{104, 48, 529, 25};  // freehand banner
inline constexpr QRect kPicture1{104, 96, 529, 441}; // the canvas
inline constexpr QRect kPicture3{96, 88, 529, 441};  // hidden copy of the canvas for saving
inline constexpr QRect kPicture2{104, 560, 529, 33}; // the palette strip
inline constexpr QRect kCommand9{104, 616, 529, 25}; // credit banner
inline constexpr QRect kCommand7{672, 320, 105, 17}; // new image
inline constexpr QRect kCommand1{672, 352, 105, 17}; // change palette
inline constexpr QRect kCommand4{672, 384, 105, 17}; // change color
inline constexpr QRect kCommand2{672, 416, 105, 17}; // brush selection
inline constexpr QRect kCommand6{672, 448, 105, 17}; // save on disk D:
inline constexpr QRect kCommand8{672, 480, 49, 17};  // help
inline constexpr QRect kCommand3{728, 480, 49, 17};  // exit
// The brush-size indicator, drawn on the window itself: its grey box with the number.
inline constexpr QRect kBrushSize{800, 417, 31, 16};

} // namespace Form1Layout
