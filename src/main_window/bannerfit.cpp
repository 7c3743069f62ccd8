// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/bannerfit.h"

#include <QFontMetricsF>
#include <QPushButton>

#include <cmath>

void fitBannerCaption(QPushButton *banner)
{
    // Widths grow about in proportion to the size: start from that guess, then measure around
    // it.
    const QString caption = banner->text();
    const qreal margins =
        banner->sizeHint().width() - banner->fontMetrics().horizontalAdvance(caption);
    const qreal room = banner->width() - margins;
    QFont font = banner->font();
    const qreal largest = font.pointSizeF();
    auto fits = [&](qreal size) {
        font.setPointSizeF(size);
        return QFontMetricsF(font).horizontalAdvance(caption) <= room;
    };
    if (fits(largest)) {
        return;
    }
    qreal size =
        std::floor(2 * largest * room / QFontMetricsF(banner->font()).horizontalAdvance(caption)) /
        2;
    while (size > 1 && !fits(size)) {
        size -= 0.5;
    }
    while (size + 0.5 < largest && fits(size + 0.5)) {
        size += 0.5;
    }
    font.setPointSizeF(size);
    banner->setFont(font);
}
