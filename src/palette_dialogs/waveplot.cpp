// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/waveplot.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace {

constexpr QRgb kBackground = 0xff202020;
constexpr QRgb kGuide = 0xff404040; // the rows of 0, 126 and 252
constexpr std::array<QRgb, 3> kCurveColours = {0xffff3030, 0xff30ff30, 0xff5070ff};

int rowOf(int value)
{
    return WavePlot::kPlotHeight - 1 - value / 2;
}

} // namespace

WavePlot::WavePlot(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("The waves"));
}

QSize WavePlot::sizeHint() const
{
    return {kColumns, kPlotHeight + kGap + kStripHeight};
}

QImage WavePlot::plotPicture(const PaletteWaves &waves)
{
    QImage picture(kColumns, kPlotHeight + kGap + kStripHeight, QImage::Format_RGB32);
    picture.fill(kBackground);
    for (const int guide : {0, 126, 252}) {
        std::fill_n(reinterpret_cast<QRgb *>(picture.scanLine(rowOf(guide))), kColumns, kGuide);
    }
    std::array<std::array<int, kColumns>, 3> rows{};
    for (int x = 0; x < kColumns; ++x) {
        const QRgb colour = toQRgb(paletteColumnColor(waves, x));
        const std::array<int, 3> values = {qRed(colour), qGreen(colour), qBlue(colour)};
        for (int y = kPlotHeight + kGap; y < picture.height(); ++y) {
            picture.setPixel(x, y, colour);
        }
        for (std::size_t channel = 0; channel < 3; ++channel) {
            rows[channel][std::size_t(x)] = rowOf(values[channel]);
        }
    }
    // Each curve as a run of rows in every column, from its row there to the row before the
    // next column's, so that it is unbroken however steep.
    for (std::size_t channel = 0; channel < 3; ++channel) {
        for (int x = 0; x < kColumns; ++x) {
            const int row = rows[channel][std::size_t(x)];
            const int next = rows[channel][std::size_t(std::min(x + 1, kColumns - 1))];
            const int top = std::min(row, next < row ? next + 1 : row);
            const int bottom = std::max(row, next > row ? next - 1 : row);
            for (int y = top; y <= bottom; ++y) {
                picture.setPixel(x, y, kCurveColours[channel]);
            }
        }
    }
    return picture;
}

void WavePlot::setWaves(const PaletteWaves &waves)
{
    picture_ = plotPicture(waves);
    update();
}

void WavePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(rect(), picture_); // nearest neighbour at every scale
}
