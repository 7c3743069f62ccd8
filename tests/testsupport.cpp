#include "testsupport.h"

#include "main_window/form1.h"
#include "surface/picturebox.h"

#include <QApplication>
#include <QMouseEvent>

std::unique_ptr<Form1> makeForm(const QString &saveFolder, const QDateTime &moment)
{
    return std::make_unique<Form1>([moment] { return moment; }, saveFolder);
}

QPoint boxPoint(const PictureBox *box, int x, int y)
{
    return box->contentsRect().topLeft() + QPoint(x, y);
}

void sendMouse(QWidget *widget, int type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    QMouseEvent event(static_cast<QEvent::Type>(type), QPointF(position),
                      widget->mapToGlobal(QPointF(position)), button, buttons, modifiers);
    QApplication::sendEvent(widget, &event);
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
