// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QTableWidget;

// One command as Help → Keys and commands lists it.
struct KeysRow {
    QString menu;    // "Brush → Mirror"
    QString command; // "Next mirror"
    QString keys;    // "Ctrl+M", several separated by commas, or empty
    QString does;    // what it does, in a sentence
};

// Help → Keys and commands: every command with its menu, keys and what it does, in menu order;
// typing in the search field keeps the rows that hold every word typed, in any column.
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    KeysWindow(const QList<KeysRow> &rows, QWidget *parent);

    QLineEdit *search() const { return search_; }
    QTableWidget *table() const { return table_; }
    // The rows shown, by command.
    QStringList shownCommands() const;

private:
    void filter(const QString &typed);

    QLineEdit *search_;
    QTableWidget *table_;
};
