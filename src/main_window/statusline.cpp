// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/statusline.h"

#include "main_window/messagelabel.h"

#include <QLabel>
#include <QPixmap>
#include <QTimer>

namespace {

// How long a remark stays, in milliseconds.
constexpr int kRemarkTime = 10000;
// The swatch's side in pixels.
constexpr int kSwatchSide = 14;

} // namespace

StatusLine::StatusLine()
    : message_(new MessageLabel), remarkTime_(new QTimer(this)), pointer_(addField()),
      pointerColour_(addField()), swatch_(new QLabel), colour_(addField()), radius_(addField()),
      modes_(addField()), palette_(addField())
{
    addWidget(message_, 1);
    remarkTime_->setSingleShot(true);
    remarkTime_->setInterval(kRemarkTime);
    connect(remarkTime_, &QTimer::timeout, this, &StatusLine::clearMessage);
    pointer_->setAccessibleName(tr("Pointer position"));
    pointerColour_->setAccessibleName(tr("Colour under the pointer"));
    pointerColour_->setToolTip(tr("The colour under the pointer"));
    setSizeGripEnabled(false);
    QFont sharp = font(); // text without smoothing, as everything the program paints
    sharp.setStyleStrategy(QFont::NoAntialias);
    setFont(sharp);
    swatch_->setFixedSize(kSwatchSide, kSwatchSide);
    swatch_->setAccessibleName(tr("Painting colour"));
    insertPermanentWidget(2, swatch_);
    showColour(0);
}

QSize StatusLine::minimumSizeHint() const
{
    return {0, QStatusBar::minimumSizeHint().height()};
}

QLabel *StatusLine::addField()
{
    auto *field = new QLabel;
    field->setContentsMargins(6, 0, 6, 0);
    addPermanentWidget(field);
    return field;
}

void StatusLine::showColour(ColorValue colour)
{
    if (shownColour_ == colour) {
        return;
    }
    shownColour_ = colour;
    const QColor shown = toQColor(colour);
    QPixmap square(kSwatchSide, kSwatchSide);
    square.fill(shown);
    swatch_->setPixmap(square);
    const QString hex = shown.name(QColor::HexRgb).toUpper();
    colour_->setText(hex);
    colour_->setToolTip(tr("The painting colour: %1").arg(hex));
    swatch_->setAccessibleDescription(hex);
}

void StatusLine::showRadius(int radius)
{
    radius_->setText(tr("Brush radius %1").arg(radius));
}

void StatusLine::showModes(bool connectedStrokes, Mirror mirror, bool livePalette,
                           bool colourAlongStroke)
{
    modes_->setText(tr("%1 · Mirror: %2%3%4")
                        .arg(connectedStrokes ? tr("Connected strokes") : tr("Separate discs"),
                             mirrorName(mirror),
                             colourAlongStroke ? tr(" · Colour along the stroke") : QString(),
                             livePalette ? tr(" · Live palette") : QString()));
}

void StatusLine::showPalette(const QString &title)
{
    palette_->setText(title);
}

void StatusLine::showPointer(std::optional<QPoint> pixel, ColorValue colour)
{
    pointer_->setText(pixel ? QStringLiteral("%1, %2").arg(pixel->x()).arg(pixel->y()) : QString());
    pointerColour_->setText(pixel ? toQColor(colour).name(QColor::HexRgb).toUpper() : QString());
}

void StatusLine::remark(const QString &sentence)
{
    message_->setMessage(sentence);
    remarkTime_->start();
}

void StatusLine::announce(const QString &sentence)
{
    message_->setMessage(sentence);
    remarkTime_->stop();
}

QString StatusLine::currentMessage() const
{
    return message_->message();
}

void StatusLine::clearMessage()
{
    remarkTime_->stop();
    message_->setMessage({});
}

QString StatusLine::pointerText() const
{
    return pointer_->text();
}

QString StatusLine::pointerColourText() const
{
    return pointerColour_->text();
}

QString StatusLine::colourText() const
{
    return colour_->text();
}

QString StatusLine::radiusText() const
{
    return radius_->text();
}

QString StatusLine::modesText() const
{
    return modes_->text();
}

QString StatusLine::paletteText() const
{
    return palette_->text();
}
