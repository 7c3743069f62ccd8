// Saving: the whole "save on disk D:" click against writing the same bytes.
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

} // namespace
