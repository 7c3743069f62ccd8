// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/keyswindow.h"

#include "dialogs/filedialogs.h"
#include "palette_dialogs/dialogdress.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

KeysWindow::KeysWindow(const QList<KeysRow> &rows, QWidget *parent)
    : QDialog(parent), search_(new QLineEdit), table_(new QTableWidget(int(rows.size()), 4))
{
    dressDialog(this, tr("Keys and commands"));
    search_->setPlaceholderText(tr("Type to search the commands"));
    search_->setAccessibleName(tr("Search"));
    search_->setClearButtonEnabled(true);
    table_->setHorizontalHeaderLabels({tr("Menu"), tr("Command"), tr("Key"), tr("What it does")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setWordWrap(false);
    for (int row = 0; row < rows.size(); ++row) {
        const KeysRow &command = rows[row];
        const QString cells[] = {command.menu, command.command, command.keys, command.does};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            table_->setItem(row, column, item);
        }
    }
    table_->resizeColumnsToContents();
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(search_);
    layout->addWidget(table_);
    layout->addWidget(buttons);
    connect(search_, &QLineEdit::textChanged, this, &KeysWindow::filter);
    resize(roomySize(this));
    search_->setFocus();
}

QStringList KeysWindow::shownCommands() const
{
    QStringList shown;
    for (int row = 0; row < table_->rowCount(); ++row) {
        if (!table_->isRowHidden(row)) {
            shown.append(table_->item(row, 1)->text());
        }
    }
    return shown;
}

void KeysWindow::filter(const QString &typed)
{
    const QStringList words = typed.split(u' ', Qt::SkipEmptyParts);
    for (int row = 0; row < table_->rowCount(); ++row) {
        QString text;
        for (int column = 0; column < 4; ++column) {
            text += table_->item(row, column)->text() + u' ';
        }
        const bool holds = std::all_of(words.begin(), words.end(), [&](const QString &word) {
            return text.contains(word, Qt::CaseInsensitive);
        });
        table_->setRowHidden(row, !holds);
    }
}
