// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/dialogdress.h"

#include "palette_dialogs/focusring.h"

#include <QDialog>

void dressDialog(QDialog *dialog, const QString &title)
{
    dialog->setWindowTitle(title);
    QFont sharp = dialog->font();
    sharp.setStyleStrategy(QFont::NoAntialias);
    dialog->setFont(sharp);
    new FocusRing(dialog);
}
