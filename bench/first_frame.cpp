// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a window and prints the moment its first complete frame is on screen, in nanoseconds
// of the real-time clock, then ends. `first_frame sinepaint` starts the program's window;
// `first_frame baseline` a window with the same menu bar, status bar and controls at the same
// places that draws nothing: no canvas, no strip, no indicator.
#include "main_window/form1.h"
#include "main_window/form1layout.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <memory>

namespace {

// The program's window without its drawing.
std::unique_ptr<QMainWindow> baselineWindow()
{
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("form1"));
    const char *const menus[][6] = {
        {"&File", "&New image", "&Open…", "&Save on disk D:", "Save &As…", "&Quit"},
        {"&Edit", "&Undo", "&Redo", "&Copy", "&Paste", "Change &color"},
        {"&Palette", "Change &palette", "&Go to palette…", "&Copy palette", "Pa&ste palette",
         "&Export palette…"},
        {"&Brush", "&Brush selection", nullptr, nullptr, nullptr, nullptr},
        {"&Help", "&Help", "&About sinepaint", "About &Qt", nullptr, nullptr},
    };
    for (const auto &items : menus) {
        QMenu *menu = window->menuBar()->addMenu(QString::fromUtf8(items[0]));
        for (int i = 1; i < 6 && items[i]; ++i) {
            menu->addAction(QString::fromUtf8(items[i]));
        }
    }
    auto *client = new QWidget;
    client->setMinimumSize(Form1Layout::kLayoutSize);
    using namespace Form1Layout;
    const std::pair<const char *, QRect> buttons[] = {
        {"FREEHAND - PICK UP A COLOR FROM PALETTE AND DRAW IMAGE USING MOUSEDOWN ACTION",
         kCommand5},
        {"GENERATIVE ART BY THE SINEPAINT DEVELOPERS", kCommand9},
        {"new image", kCommand7},
        {"change palette", kCommand1},
        {"change color", kCommand4},
        {"brush selection", kCommand2},
        {"save on disk D:", kCommand6},
        {"help", kCommand8},
        {"exit", kCommand3},
    };
    for (const auto &[caption, place] : buttons) {
        (new QPushButton(QString::fromLatin1(caption), client))->setGeometry(place);
    }
    for (const QRect &place : {kPicture1, kPicture2}) {
        auto *frame = new QFrame(client);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setGeometry(place);
    }
    window->setCentralWidget(client);
    // The status bar with its fields, empty.
    for (int field = 0; field < 5; ++field) {
        window->statusBar()->addPermanentWidget(new QLabel);
    }
    window->showMaximized();
    return window;
}

// Prints the moment and ends, once the window's first expose has been handled: its widgets
// are painted and the frame is flushed to the screen by then.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed() &&
            !exposed_) {
            exposed_ = true;
            QTimer::singleShot(0, this, [] {
                timespec now{};
                clock_gettime(CLOCK_REALTIME, &now);
                std::printf("%lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool exposed_ = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bool baseline = argc > 1 && qstrcmp(argv[1], "baseline") == 0;
    std::unique_ptr<QWidget> window;
    if (baseline) {
        window = baselineWindow();
    } else {
        window = std::make_unique<Form1>();
    }
    FirstFrame watcher;
    window->windowHandle()->installEventFilter(&watcher);
    return application.exec();
}
