// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/filedialogs.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

QString chosen(QFileDialog &dialog, QString *selectedFilter = nullptr)
{
    dialog.resize(roomySize(&dialog));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    if (selectedFilter) {
        *selectedFilter = dialog.selectedNameFilter();
    }
    return dialog.selectedFiles().value(0);
}

} // namespace

QSize roomySize(const QWidget *dialog)
{
    const QScreen *screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() : QSize(800, 500);
    return dialog->sizeHint().expandedTo(QSize(800, 500)).boundedTo(room * 0.9);
}

QString askForFileToOpen(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filters)
{
    QFileDialog dialog(parent, title, folder, filters);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosen(dialog);
}

QString askForFileToSave(QWidget *parent, const QString &title, const QString &path,
                         const QString &filters, QString *selectedFilter,
                         QFileDialog::Options options)
{
    QFileDialog dialog(parent, title, path, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOptions(options);
    return chosen(dialog, selectedFilter);
}

QString askForFolder(QWidget *parent, const QString &title, const QString &folder)
{
    QFileDialog dialog(parent, title, folder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosen(dialog);
}
