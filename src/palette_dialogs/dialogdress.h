// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QDialog;

// What every palette dialog has: its title, its text drawn without smoothing (as everything
// the program paints), and a ring around the focused control (FocusRing).
void dressDialog(QDialog *dialog, const QString &title);
