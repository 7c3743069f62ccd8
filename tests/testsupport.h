#pragma once

#include "surface/colorvalue.h"

#include <QDateTime>
#include <QImage>
#include <QPoint>
#include <QString>
#include <Qt>

#include <memory>

class Form1;
class PictureBox;
class QWidget;

// A window for a test: its clock stands at `moment` and it saves into `saveFolder`.
std::unique_ptr<Form1> makeForm(const QString &saveFolder,
                                const QDateTime &moment = QDateTime({2027, 3, 5}, {21, 4, 7}));

// The widget position of drawable-area pixel (x, y) of a picture box.
QPoint boxPoint(const PictureBox *box, int x, int y);

// Sends one mouse event to a widget, as the window system would deliver it.
void sendMouse(QWidget *widget, int type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// How many pixels of the image have exactly this colour.
int countPixels(const QImage &image, ColorValue colour);

// Whether pixel (x, y) lies within `radius` of (cx, cy).
bool insideDisc(int x, int y, int cx, int cy, int radius);
