// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>

class PictureSurface;

// One line of the help text and the y it is printed at.
struct HelpRow {
    float y;
    const char *text;
};

// The help panel, in canvas pixels: x 20..430, y 20..150, light grey.
inline constexpr int kHelpPanelLeft = 20;
inline constexpr int kHelpPanelRight = 430;
inline constexpr int kHelpPanelTop = 20;
inline constexpr int kHelpPanelBottom = 150;
// Every help row starts at this x.
inline constexpr float kHelpTextX = 30;

// The seven rows of the summary of the command buttons, as the user reads them.
inline constexpr std::array<HelpRow, 7> kHelpRows{{
    {40, QT_TRANSLATE_NOOP("HelpOverlay", "COMMAND BUTTONS")},
    {55, QT_TRANSLATE_NOOP("HelpOverlay", "new image: clear the canvas and prepare picture name")},
    {70, QT_TRANSLATE_NOOP("HelpOverlay", "change palette: select new random generated palette")},
    {85, QT_TRANSLATE_NOOP(
             "HelpOverlay",
             "change color: click the button, pick up the color form palete, click on image")},
    {100, QT_TRANSLATE_NOOP("HelpOverlay", "brush selection: select brush dimension")},
    {115, QT_TRANSLATE_NOOP(
              "HelpOverlay",
              "save on disk D: save the image as TYearMoDaHoMiSe.jpg (it takes some seconds)")},
    {130, "*"},
}};

// Paints the help panel into the canvas, then writes the rows onto it.
void drawHelpOverlay(PictureSurface &canvas);
