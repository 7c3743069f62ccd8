// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures in and out: open, drop, paste, copy and Save As, with their dialogs and messages.

#include "main_window/form1.h"

#include "main_window/statusline.h"
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

// The first local file among the addresses, or nothing.
QString firstLocalFile(const QMimeData &data)
{
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
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
    const PictureRead read = readPicture(path);
    if (!read.error.isEmpty()) {
        reportFailure(QStringLiteral("Picture not opened"),
                      QStringLiteral("%1\ncould not be opened.\n\n%2")
                          .arg(QDir::toNativeSeparators(path), read.error));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return takePicture(read.picture, path);
}

bool Form1::takePicture(const QImage &picture, const QString &source)
{
    const PictureRead checked = checkPicture(picture);
    if (!checked.error.isEmpty()) {
        return reportNotTaken(source, checked.error);
    }
    PictureSurface &canvas = Picture1->surface();
    const QImage fitted = fitToCanvas(checked.picture, canvas.size(), toQRgb(canvas.BackColor()));
    recordStep(Picture1, QStringLiteral("Open picture"), [&] {
        canvas.edit([&](QImage &image) {
            image = fitted;
            return image.rect();
        });
        NewPictureName(); // a new picture: saving never overwrites the one it came from
    });
    statusLine_->remark(
        QStringLiteral("Picture opened from %1.").arg(QDir::toNativeSeparators(source)));
    return true;
}

bool Form1::takeEncodedPicture(const QByteArray &bytes, const QString &source)
{
    const PictureRead read = readPictureBytes(bytes);
    return read.error.isEmpty() ? takePicture(read.picture, source)
                                : reportNotTaken(source, read.error);
}

bool Form1::reportNotTaken(const QString &source, const QString &reason)
{
    reportFailure(
        QStringLiteral("Picture not opened"),
        QStringLiteral("The picture from %1 could not be taken.\n\n%2").arg(source, reason));
    return false;
}

bool Form1::pastePicture()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (const QByteArray bytes = data ? encodedPicture(*data) : QByteArray(); !bytes.isEmpty()) {
        return takeEncodedPicture(bytes, QStringLiteral("the clipboard"));
    }
    if (data && data->hasImage()) {
        return takePicture(qvariant_cast<QImage>(data->imageData()),
                           QStringLiteral("the clipboard"));
    }
    if (data && !firstLocalFile(*data).isEmpty()) {
        return openPicture(firstLocalFile(*data));
    }
    statusLine_->remark(data && data->hasText()
                            ? QStringLiteral("The clipboard holds text, not a picture.")
                            : QStringLiteral("The clipboard holds no picture."));
    return false;
}

bool Form1::savePictureAs(const QString &typedPath, PictureFormat chosen)
{
    const SaveTarget target = saveTarget(typedPath, chosen);
    if (!target.error.isEmpty()) {
        reportFailure(QStringLiteral("Picture not saved"),
                      QStringLiteral("The picture was not saved as\n%1\n\n%2")
                          .arg(QDir::toNativeSeparators(typedPath), target.error));
        return false;
    }
    if (const auto failure =
            writePicture(Picture1->surface().Image(), target.path, target.format)) {
        reportSaveFailure(target.path, *failure);
        return false;
    }
    lastFolder_ = QFileInfo(target.path).absolutePath();
    reportSaved(target.path);
    return true;
}

void Form1::askToOpen()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open picture"), lastFolder_,
                                     openFilters().join(QStringLiteral(";;")));
    if (!path.isEmpty()) {
        openPicture(path);
    }
}

void Form1::askToSaveAs()
{
    QFileDialog dialog(this, QStringLiteral("Save picture as"), lastFolder_);
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
        takeEncodedPicture(bytes, QStringLiteral("the drop"));
    } else if (data->hasImage()) {
        takePicture(qvariant_cast<QImage>(data->imageData()), QStringLiteral("the drop"));
    } else if (const QString path = firstLocalFile(*data); !path.isEmpty()) {
        openPicture(path);
    } else {
        return;
    }
    event->acceptProposedAction();
}

void Form1::reportSaveFailure(const QString &path, const QString &reason)
{
    reportFailure(QStringLiteral("Picture not saved"),
                  QStringLiteral("The picture could not be saved as\n%1\n\nReason: %2\n\n"
                                 "Your drawing is still here: free some space or make the "
                                 "folder writable, then save again.")
                      .arg(QDir::toNativeSeparators(path), reason));
}

void Form1::reportSaved(const QString &path)
{
    statusLine_->remark(QStringLiteral("Picture saved as %1.")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
}

void Form1::reportFailure(const QString &title, const QString &text)
{
    auto *message = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}
