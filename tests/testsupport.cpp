// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "testsupport.h"

#include "main_window/form1.h"
#include "palette_dialogs/numberfield.h"
#include "surface/picturebox.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

std::unique_ptr<Form1> makeForm(const QString &saveFolder, const QDateTime &moment)
{
    return std::make_unique<Form1>([moment] { return moment; }, saveFolder);
}

std::unique_ptr<Form1> makeFormWithMovingClock(const QString &saveFolder)
{
    return std::make_unique<Form1>(
        [seconds = 7]() mutable {
            return QDateTime({2027, 3, 5}, {21, 4, 0}).addSecs(seconds++);
        },
        saveFolder);
}

QPoint boxPoint(const PictureBox *box, int x, int y)
{
    return box->contentsRect().topLeft() + QPoint(x, y);
}

void sendMouse(QWidget *widget, int type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPointF fraction)
{
    const QPointF inWindow = widget->mapTo(widget->window(), QPointF(position)) + fraction;
    QMouseEvent event(static_cast<QEvent::Type>(type), QPointF(position), inWindow,
                      widget->mapToGlobal(QPointF(position)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
}

void clickOn(PictureBox *box, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QPoint at = boxPoint(box, x, y);
    sendMouse(box, QEvent::MouseButtonPress, at, button, button, modifiers);
    sendMouse(box, QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
}

void dragOn(PictureBox *box, const QList<QPoint> &pixels)
{
    auto at = [&](QPoint pixel) { return boxPoint(box, pixel.x(), pixel.y()); };
    sendMouse(box, QEvent::MouseButtonPress, at(pixels.first()), Qt::LeftButton, Qt::LeftButton);
    for (qsizetype i = 1; i < pixels.size(); ++i) {
        sendMouse(box, QEvent::MouseMove, at(pixels[i]), Qt::NoButton, Qt::LeftButton);
    }
    sendMouse(box, QEvent::MouseButtonRelease, at(pixels.last()), Qt::LeftButton, Qt::NoButton);
}

int countPixels(const QImage &image, ColorValue colour)
{
    const QRgb wanted = toQRgb(colour);
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        count += int(std::count(row, row + image.width(), wanted));
    }
    return count;
}

bool insideDisc(int x, int y, int cx, int cy, int radius)
{
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

void typeAndLeave(NumberField *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    // What Tab does to the field, whether or not its window has the focus here.
    QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &leaving);
}
