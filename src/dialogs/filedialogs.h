// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFileDialog>
#include <QSize>

// The size at which a dialog's names, sizes and dates show whole: at least 800 x 500, or 90 %
// of a smaller screen's room.
QSize roomySize(const QWidget *dialog);

// The file dialogs, each opened at that size; an empty path when cancelled.
QString askForFileToOpen(QWidget *parent, const QString &title, const QString &folder,
                         const QString &filters);
QString askForFileToSave(QWidget *parent, const QString &title, const QString &path,
                         const QString &filters, QString *selectedFilter = nullptr,
                         QFileDialog::Options options = {});
QString askForFolder(QWidget *parent, const QString &title, const QString &folder);
