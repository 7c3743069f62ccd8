// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saving: the whole "save on disk D:" click against writing the same bytes. Opening: a picture
// of the canvas's size against loading it and copying the canvas once.
#include "benchcases.h"
#include "main_window/form1.h"
#include "picture_files/bitmapfile.h"
#include "surface/picturebox.h"

#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

// The baseline: a file of the saved picture's size written with QSaveFile and committed.
void SaveFileOfTheSameSize(benchmark::State &state)
{
    QTemporaryDir folder;
    const QByteArray bytes(encodeBitmap(QImage(kCanvasSize, QImage::Format_RGB32)).size(), 'x');
    const QString path = folder.filePath(QStringLiteral("T20270305210407.jpg"));
    measure(state, [&] {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            state.SkipWithError("could not write the file");
        }
    });
}
BENCHMARK(SaveFileOfTheSameSize)->UseRealTime();

// The whole click on "save on disk D:": the copy into the hidden box, the bitmap, the file.
void SaveClick(benchmark::State &state)
{
    QTemporaryDir folder;
    Form1 form(&localNow, folder.path());
    form.Command8->click(); // something on the canvas
    measure(state, [&] { form.Command6->click(); });
}
BENCHMARK(SaveClick)->UseRealTime();

// For reference: the copy into the hidden box and the bitmap in memory, without the file.
void CopyAndEncode(benchmark::State &state)
{
    QWidget window;
    PictureBox canvas(QRect(0, 0, 529, 441), &window);
    PictureBox copy(QRect(0, 0, 529, 441), &window);
    QByteArray encoded;
    measure(state, [&] {
        copy.surface().copyFrom(canvas.surface());
        encodeBitmap(copy.surface().Image(), encoded);
        benchmark::DoNotOptimize(encoded.data());
    });
}
BENCHMARK(CopyAndEncode)->UseRealTime();

// A PNG of the canvas's size with something in it, in the folder.
QString canvasSizedPng(const QTemporaryDir &folder)
{
    QImage picture(kCanvasSize, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            picture.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        }
    }
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    picture.save(path);
    return path;
}

// The baseline: QImage::load of the file and one copy of the canvas.
void LoadPngAndMemcpy(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = canvasSizedPng(folder);
    QImage canvas(kCanvasSize, QImage::Format_RGB32);
    canvas.fill(Qt::gray);
    QImage copy(kCanvasSize, QImage::Format_RGB32);
    measure(state, [&] {
        QImage loaded;
        if (!loaded.load(path)) {
            state.SkipWithError("could not load the picture");
        }
        std::memcpy(copy.bits(), canvas.constBits(), std::size_t(canvas.sizeInBytes()));
        benchmark::DoNotOptimize(copy.bits());
    });
}
BENCHMARK(LoadPngAndMemcpy)->UseRealTime();

// File → Open… of a picture of the canvas's size: reading it, the canvas, its undo step.
void OpenPicture(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = canvasSizedPng(folder);
    Form1 form(&localNow, folder.path());
    measure(state, [&] {
        if (!form.openPicture(path)) {
            state.SkipWithError("could not open the picture");
        }
    });
}
BENCHMARK(OpenPicture)->UseRealTime();

} // namespace
