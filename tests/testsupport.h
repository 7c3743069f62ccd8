// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/colorvalue.h"

#include <QAction>
#include <QDateTime>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <Qt>

#include <memory>

class Form1;
class NumberField;
class PictureBox;

// A window for a test: its clock stands at `moment` and it saves into `saveFolder`.
std::unique_ptr<Form1> makeForm(const QString &saveFolder,
                                const QDateTime &moment = QDateTime({2027, 3, 5}, {21, 4, 7}));

// A window whose clock reads 2027-03-05 21:04:07 first and moves on a second each time it is
// read, so that each picture name is new.
std::unique_ptr<Form1> makeFormWithMovingClock(const QString &saveFolder);

// The widget position of drawable-area pixel (x, y) of a picture box.
QPoint boxPoint(const PictureBox *box, int x, int y);

// Sends one mouse event to a widget, as the window system would deliver it: `position` in the
// widget, and its position in the window shifted by `fraction` of a pixel, as a pointer on a
// scaled screen may be.
void sendMouse(QWidget *widget, int type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               QPointF fraction = {});

// A press and release of `button` on drawable-area pixel (x, y) of a picture box.
void clickOn(PictureBox *box, int x, int y, Qt::MouseButton button = Qt::LeftButton,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A left-button drag over a picture box: pressed at the first pixel, moved to each of the
// others, released at the last.
void dragOn(PictureBox *box, const QList<QPoint> &pixels);

// How many pixels of the image have exactly this colour.
int countPixels(const QImage &image, ColorValue colour);

// Whether pixel (x, y) lies within `radius` of (cx, cy).
bool insideDisc(int x, int y, int cx, int cy, int radius);

// Types `text` into a number field as a user would, its old value selected first, and leaves
// the field as Tab does.
void typeAndLeave(NumberField *field, const QString &text);

// Triggers `command` and returns the dialog of this kind it shows over `window`, or null: the
// one visible, as one closed before may still wait to be deleted.
template <class Dialog> Dialog *openDialog(QWidget &window, QAction *command)
{
    command->trigger();
    Dialog *shown = nullptr;
    for (Dialog *dialog : window.template findChildren<Dialog *>()) {
        shown = dialog->isVisible() ? dialog : shown;
    }
    return shown;
}
