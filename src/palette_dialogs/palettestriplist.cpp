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

PaletteStripList::PaletteStripList(PaletteCatalogue &catalogue, QList<ShownPalette> kept,
                                   QWidget *parent)
    : QAbstractScrollArea(parent), catalogue_(catalogue), kept_(std::move(kept))
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = viewport()->font();
    font.setStyleStrategy(QFont::NoAntialias); // nothing painted is smoothed
    viewport()->setFont(font);
    setAccessibleName(tr("Palettes"));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(),
            qOverload<>(&QWidget::update));
    updateScrollRange();
    setCurrent(kFirstPaletteNumber);
}

int PaletteStripList::rowCount() const
{
    return int(kept_.size()) + int(kLastPaletteNumber);
}

ShownPalette PaletteStripList::paletteAt(int row) const
{
    if (row < kept_.size()) {
        return kept_[row];
    }
    const auto number = PaletteNumber(row - kept_.size() + 1);
    return {number, catalogue_.waves(number), false};
}

PaletteNumber PaletteStripList::firstShown() const
{
    const int row = verticalScrollBar()->value();
    return row < kept_.size() ? kept_[row].number : PaletteNumber(row - kept_.size() + 1);
}

int PaletteStripList::rowsInSight() const
{
    return std::max(1, viewport()->height() / kRowHeight);
}

int PaletteStripList::rowAt(int y) const
{
    const int row = verticalScrollBar()->value() + y / kRowHeight;
    return y >= 0 && row < rowCount() ? row : -1;
}

void PaletteStripList::updateScrollRange()
{
    const int rows = rowsInSight();
    verticalScrollBar()->setRange(0, std::max(rowCount() - rows, 0));
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setSingleStep(1);
}

void PaletteStripList::setCurrent(PaletteNumber number, bool atTop)
{
    number = std::clamp(number, kFirstPaletteNumber, kLastPaletteNumber);
    setCurrentRow(int(kept_.size()) + int(number) - 1, atTop);
}

void PaletteStripList::setCurrentRow(int row, bool atTop)
{
    const int was = currentRow_;
    currentRow_ = std::clamp(row, 0, rowCount() - 1);
    const int first = verticalScrollBar()->value();
    const int rows = rowsInSight();
    if (atTop || currentRow_ < first) {
        verticalScrollBar()->setValue(currentRow_);
    } else if (currentRow_ >= first + rows) {
        verticalScrollBar()->setValue(currentRow_ - rows + 1);
    }
    const ShownPalette shown = currentPalette();
    setAccessibleDescription(currentRow_ < kept_.size()
                                 ? tr("Kept %1: %2").arg(currentRow_ + 1).arg(paletteTitle(shown))
                                 : paletteTitle(shown));
    viewport()->update();
    if (currentRow_ != was) {
        emit currentChanged(shown);
    }
}

void PaletteStripList::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const QPalette &colours = palette();
    painter.fillRect(viewport()->rect(), colours.base());
    const int rows = viewport()->height() / kRowHeight + 1;
    const int top = verticalScrollBar()->value();
    for (int i = 0; i < rows && top + i < rowCount(); ++i) {
        const int row = top + i;
        const ShownPalette shown = paletteAt(row);
        const QRect line(0, i * kRowHeight, viewport()->width(), kRowHeight);
        const bool isCurrent = row == currentRow_;
        if (isCurrent) {
            painter.fillRect(line, colours.highlight());
        }
        painter.setPen(colours.color(isCurrent ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(
            QRect(4, line.top(), kNumberWidth - 12, kRowHeight), Qt::AlignRight | Qt::AlignVCenter,
            row < kept_.size() ? tr("kept %1").arg(row + 1) : QString::number(shown.number));
        painter.drawImage(QPoint(kNumberWidth, line.top() + (kRowHeight - kStripHeight) / 2),
                          stripPicture(shown.waves, kStripHeight));
        if (row == kept_.size() - 1) { // the kept palettes end here
            painter.fillRect(QRect(0, line.bottom(), line.width(), 1), colours.text());
        }
    }
}

void PaletteStripList::typeDigit(int digit)
{
    if (!lastDigit_.isValid() || lastDigit_.elapsed() > kTypingPauseMilliseconds) {
        typed_.clear();
    }
    lastDigit_.start();
    typed_ += QChar(u'0' + digit);
    const qint64 number = typed_.toLongLong();
    if (number < kFirstPaletteNumber || number > kLastPaletteNumber) {
        typed_ = QString::number(digit); // a new number begins
        if (digit == 0) {
            typed_.clear();
            return;
        }
    }
    setCurrent(PaletteNumber(typed_.toUInt()), true);
}

void PaletteStripList::keyPressEvent(QKeyEvent *event)
{
    const int page = rowsInSight();
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentRow(currentRow_ - 1);
        break;
    case Qt::Key_Down:
        setCurrentRow(currentRow_ + 1);
        break;
    case Qt::Key_PageUp:
        setCurrentRow(currentRow_ - page);
        break;
    case Qt::Key_PageDown:
        setCurrentRow(currentRow_ + page);
        break;
    case Qt::Key_Home:
        setCurrentRow(0);
        break;
    case Qt::Key_End:
        setCurrentRow(rowCount() - 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit chosen(currentPalette());
        break;
    default:
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9 &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            typeDigit(event->key() - Qt::Key_0);
            break;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void PaletteStripList::mousePressEvent(QMouseEvent *event)
{
    const int row = rowAt(int(event->position().y()));
    if (event->button() == Qt::LeftButton && row >= 0) {
        setCurrentRow(row);
    }
}

void PaletteStripList::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int row = rowAt(int(event->position().y()));
    if (event->button() == Qt::LeftButton && row >= 0) {
        setCurrentRow(row);
        emit chosen(currentPalette());
    }
}

void PaletteStripList::wheelEvent(QWheelEvent *event)
{
    // A notch (120) moves the current row by one; a touchpad's small turns add up to it.
    wheelTurned_ += event->angleDelta().y();
    const int rows = wheelTurned_ / 120;
    wheelTurned_ -= rows * 120;
    if (rows != 0) {
        setCurrentRow(currentRow_ - rows);
    }
    event->accept();
}

void PaletteStripList::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

QImage PaletteStripList::stripPicture(PaletteCatalogue &catalogue, PaletteNumber number, int height)
{
    return stripPicture(catalogue.waves(number), height);
}

QImage PaletteStripList::stripPicture(const PaletteWaves &waves, int height)
{
    PictureSurface strip(QSize(kStripWidth, height));
    drawPaletteStrip(strip, waves);
    return strip.Image();
}
