// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures in and out: open, drop, paste, copy and Save As, with their dialogs and messages.

#include "main_window/form1.h"

#include "dialogs/filedialogs.h"
#include "main_window/statusline.h"
#include "palette/picturerecipe.h"
#include "surface/picturebox.h"

#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>

namespace {

// The first local file among the addresses, as the system spells its path (bytes that need not
// be UTF-8), or nothing.
QByteArray firstLocalFile(const QMimeData &data)
{
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile()) {
            return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        }
    }
    return {};
}

// Encoded picture data among what was copied or dropped (image/png, image/jpeg, ...): read
// through the same checks as a file. Only a picture that another part of this program handed
// over decoded has none.
QByteArray encodedPicture(const QMimeData &data)
{
    for (const QString &format : data.formats()) {
        if (format.startsWith(QLatin1String("image/"))) {
            return data.data(format);
        }
    }
    return {};
}

} // namespace

bool Form1::openPicture(const QString &path)
{
    return openPictureFile(QFile::encodeName(path));
}

bool Form1::openPictureFile(const QByteArray &nativePath)
{
    const PictureRead read = readPictureFile(nativePath);
    const QString path = QFile::decodeName(nativePath); // shown, with � for bytes that are no UTF-8
    if (!read.error.isEmpty()) {
        reportFailure(
            tr("Picture not opened"),
            tr("%1\ncould not be opened.\n\n%2").arg(QDir::toNativeSeparators(path), read.error));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return takePicture(read.picture, path, read.recipe);
}

// A picture comes in remembering no strip column, unless it holds a recipe that fits it: then
// its palette comes onto the strip and its pixels remember their columns again, in one step.
bool Form1::takePicture(const QImage &picture, const QString &source, const PngChunk &recipe)
{
    const PictureRead checked = checkPicture(picture);
    if (!checked.error.isEmpty()) {
        return reportNotTaken(source, checked.error);
    }
    PictureSurface &canvas = Picture1->surface();
    const QImage fitted = fitToCanvas(checked.picture, canvas.size(), toQRgb(canvas.BackColor()));
    RecipeRead taken;
    if (recipe.damaged) {
        taken.error = tr("its palette and strip columns are damaged");
    } else if (recipe.data && picture.size() != canvas.size()) {
        taken.error = tr("its strip columns are for a picture of another size");
    } else if (recipe.data) {
        taken = decodeRecipe(*recipe.data, fitted);
    }
    recordStep(tr("Open picture"), [&] {
        canvas.edit([&](QImage &image, QImage &columns) {
            image = fitted;
            columns = taken.columns.isNull() ? emptyColumnPlane(image.size()) : taken.columns;
            return image.rect();
        });
        NewPictureName(); // a new picture: saving never overwrites the one it came from
        if (!taken.columns.isNull()) {
            showPalette(taken.palette);
        }
    });
    const QString from = QDir::toNativeSeparators(source);
    if (!taken.columns.isNull()) {
        statusLine_->remark(tr("Picture opened from %1 with its palette: %2 is on the "
                               "strip.")
                                .arg(from, paletteTitle(taken.palette)));
    } else if (!taken.error.isEmpty()) {
        statusLine_->remark(
            tr("Picture opened from %1 without its palette: %2.").arg(from, taken.error));
    } else {
        statusLine_->remark(tr("Picture opened from %1.").arg(from));
    }
    return true;
}

bool Form1::takeEncodedPicture(const QByteArray &bytes, const QString &source)
{
    const PictureRead read = readPictureBytes(bytes);
    return read.error.isEmpty() ? takePicture(read.picture, source, read.recipe)
                                : reportNotTaken(source, read.error);
}

bool Form1::reportNotTaken(const QString &source, const QString &reason)
{
    reportFailure(tr("Picture not opened"),
                  tr("The picture from %1 could not be taken.\n\n%2").arg(source, reason));
    return false;
}

bool Form1::pastePicture()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (const QByteArray bytes = data ? encodedPicture(*data) : QByteArray(); !bytes.isEmpty()) {
        return takeEncodedPicture(bytes, tr("the clipboard"));
    }
    if (data && data->hasImage()) {
        return takePicture(qvariant_cast<QImage>(data->imageData()), tr("the clipboard"));
    }
    if (data && !firstLocalFile(*data).isEmpty()) {
        return openPictureFile(firstLocalFile(*data));
    }
    statusLine_->remark(data && data->hasText() ? tr("The clipboard holds text, not a picture.")
                                                : tr("The clipboard holds no picture."));
    return false;
}

bool Form1::savePictureAs(const QString &typedPath, PictureFormat chosen)
{
    const SaveTarget target = saveTarget(typedPath, chosen);
    if (!target.error.isEmpty()) {
        reportFailure(tr("Picture not saved"),
                      tr("The picture was not saved as\n%1\n\n%2")
                          .arg(QDir::toNativeSeparators(typedPath), target.error));
        return false;
    }
    // A PNG keeps the palette and the strip columns beside the pixels.
    qsizetype dropped = 0;
    const QByteArray recipe =
        target.format == PictureFormat::Png ? pictureRecipe(&dropped) : QByteArray();
    if (const auto failure =
            writePicture(Picture1->surface().Image(), target.path, target.format, recipe)) {
        reportSaveFailure(target.path, *failure);
        return false;
    }
    lastFolder_ = QFileInfo(target.path).absolutePath();
    reportSaved(target.path);
    if (dropped > 0) {
        statusLine_->remark(
            statusLine_->currentMessage() +
            tr(" %1 painted pixels no longer showed their strip columns' colours and "
               "were saved without them: turn on Live palette first to keep them.")
                .arg(dropped));
    }
    return true;
}

void Form1::askToOpen()
{
    const QString path = askForFileToOpen(this, tr("Open picture"), lastFolder_,
                                          openFilters().join(QStringLiteral(";;")));
    if (!path.isEmpty()) {
        openPicture(path);
    }
}

void Form1::askToSaveAs()
{
    QFileDialog dialog(this, tr("Save picture as"), lastFolder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = saveFilters();
    dialog.setNameFilters(filters);
    // A name typed without an ending gets the chosen filter's.
    auto chosen = [&] {
        return PictureFormat(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    };
    dialog.setDefaultSuffix(pictureEnding(chosen()));
    dialog.selectFile(imeslike + u'.' + pictureEnding(chosen()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&] { dialog.setDefaultSuffix(pictureEnding(chosen())); });
    dialog.resize(roomySize(&dialog));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        savePictureAs(dialog.selectedFiles().constFirst(), chosen());
    }
}

void Form1::copyCanvas()
{
    QGuiApplication::clipboard()->setImage(Picture1->surface().Image());
}

void Form1::pasteCanvas()
{
    pastePicture();
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasImage() || !encodedPicture(*data).isEmpty() || !firstLocalFile(*data).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (const QByteArray bytes = encodedPicture(*data); !bytes.isEmpty()) {
        takeEncodedPicture(bytes, tr("the drop"));
    } else if (data->hasImage()) {
        takePicture(qvariant_cast<QImage>(data->imageData()), tr("the drop"));
    } else if (const QByteArray path = firstLocalFile(*data); !path.isEmpty()) {
        openPictureFile(path);
    } else {
        return;
    }
    event->acceptProposedAction();
}

void Form1::reportSaveFailure(const QString &path, const QString &reason)
{
    reportFailure(tr("Picture not saved"),
                  tr("The picture could not be saved as\n%1\n\nReason: %2\n\n"
                     "Your drawing is still here: free some space or make the "
                     "folder writable, then save again.")
                      .arg(QDir::toNativeSeparators(path), reason));
}

void Form1::reportSaved(const QString &path, const QDateTime &replacedSave)
{
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    statusLine_->remark(replacedSave.isValid()
                            ? tr("Picture saved again as %1, replacing the save of %2.")
                                  .arg(shown, replacedSave.toString(QStringLiteral("HH:mm:ss")))
                            : tr("Picture saved as %1.").arg(shown));
}

void Form1::reportFailure(const QString &title, const QString &text)
{
    auto *message = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}
