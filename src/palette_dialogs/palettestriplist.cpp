// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/palettestriplist.h"

#include "palette/palettecatalogue.h"
#include "palette/sinepalette.h"
#include "surface/picturesurface.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

PaletteStripList::PaletteStripList(PaletteCatalogue &catalogue, QWidget *parent)
    : QAbstractScrollArea(parent), catalogue_(catalogue)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = viewport()->font();
    font.setStyleStrategy(QFont::NoAntialias); // nothing painted is smoothed
    viewport()->setFont(font);
    setAccessibleName(QStringLiteral("Numbered palettes"));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    updateScrollRange();
    setCurrent(kFirstPaletteNumber);
}

PaletteNumber PaletteStripList::firstShown() const
{
    return PaletteNumber(verticalScrollBar()->value());
}

int PaletteStripList::rowsInSight() const
{
    return std::max(1, viewport()->height() / kRowHeight);
}

void PaletteStripList::updateScrollRange()
{
    const int rows = rowsInSight();
    verticalScrollBar()->setRange(int(kFirstPaletteNumber),
                                  std::max(int(kLastPaletteNumber) - rows + 1, 1));
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setSingleStep(1);
}

void PaletteStripList::setCurrent(PaletteNumber number, bool atTop)
{
    current_ = std::clamp(number, kFirstPaletteNumber, kLastPaletteNumber);
    const int first = verticalScrollBar()->value();
    const int rows = rowsInSight();
    if (atTop) {
        verticalScrollBar()->setValue(int(current_));
    } else if (int(current_) < first) {
        verticalScrollBar()->setValue(int(current_));
    } else if (int(current_) >= first + rows) {
        verticalScrollBar()->setValue(int(current_) - rows + 1);
    }
    setAccessibleDescription(QStringLiteral("Palette %1").arg(current_));
    viewport()->update();
}

void PaletteStripList::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette &colours = palette();
    painter.fillRect(viewport()->rect(), colours.base());
    const int rows = viewport()->height() / kRowHeight + 1;
    for (int i = 0; i < rows; ++i) {
        const auto number = PaletteNumber(firstShown() + PaletteNumber(i));
        if (number > kLastPaletteNumber) {
            break;
        }
        const QRect row(0, i * kRowHeight, viewport()->width(), kRowHeight);
        const bool isCurrent = number == current_;
        if (isCurrent) {
            painter.fillRect(row, colours.highlight());
        }
        painter.setPen(colours.color(isCurrent ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(QRect(4, row.top(), kNumberWidth - 12, kRowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(number));
        painter.drawImage(QPoint(kNumberWidth, row.top() + (kRowHeight - kStripHeight) / 2),
                          stripPicture(catalogue_, number, kStripHeight));
    }
}

void PaletteStripList::keyPressEvent(QKeyEvent *event)
{
    const auto at = qint64(current_);
    const qint64 page = rowsInSight();
    auto go = [&](qint64 number) {
        setCurrent(
            PaletteNumber(std::clamp<qint64>(number, kFirstPaletteNumber, kLastPaletteNumber)));
    };
    switch (event->key()) {
    case Qt::Key_Up:
        go(at - 1);
        break;
    case Qt::Key_Down:
        go(at + 1);
        break;
    case Qt::Key_PageUp:
        go(at - page);
        break;
    case Qt::Key_PageDown:
        go(at + page);
        break;
    case Qt::Key_Home:
        go(kFirstPaletteNumber);
        break;
    case Qt::Key_End:
        go(kLastPaletteNumber);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen(current_);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PaletteStripList::mouseReleaseEvent(QMouseEvent *event)
{
    const int row = int(event->position().y()) / kRowHeight;
    const qint64 number = qint64(firstShown()) + row;
    if (event->button() == Qt::LeftButton && number <= kLastPaletteNumber) {
        setCurrent(PaletteNumber(number));
        emit chosen(current_);
    }
}

void PaletteStripList::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

QImage PaletteStripList::stripPicture(PaletteCatalogue &catalogue, PaletteNumber number, int height)
{
    PictureSurface strip(QSize(kStripWidth, height));
    drawPaletteStrip(strip, catalogue.waves(number));
    return strip.Image();
}
