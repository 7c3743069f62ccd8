// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/palettebrowser.h"
#include "palette_dialogs/dialogdress.h"

#include "palette_dialogs/palettestriplist.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Rows the list shows at once.
constexpr int kVisibleRows = 18;

} // namespace

PaletteBrowser::PaletteBrowser(PaletteCatalogue &catalogue, const QList<ShownPalette> &kept,
                               PaletteNumber shown, QWidget *parent)
    : QDialog(parent), list_(new PaletteStripList(catalogue, kept)), numberField_(new QSpinBox)
{
    dressDialog(this, tr("Browse palettes"));
    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(
        tr("The kept palettes, then the numbered ones, 1 to 1,000,000, as the strip shows them. "
           "The strip shows the palette you move to; double-click it, or press Enter, to take it; "
           "Escape puts the strip back."));
    about->setWordWrap(true);
    layout->addWidget(about);
    numberField_->setRange(int(kFirstPaletteNumber), int(kLastPaletteNumber));
    numberField_->setValue(int(shown));
    auto *form = new QFormLayout;
    form->addRow(tr("&Go to number:"), numberField_);
    layout->addLayout(form);

    const int frame = 2 * list_->frameWidth();
    list_->setMinimumSize(PaletteStripList::kNumberWidth + PaletteStripList::kStripWidth + 8 +
                              frame + list_->verticalScrollBar()->sizeHint().width(),
                          kVisibleRows * PaletteStripList::kRowHeight + frame);
    layout->addWidget(list_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false); // Enter is the list's
    layout->addWidget(buttons);

    list_->setCurrent(shown, true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(numberField_, &QSpinBox::valueChanged, this,
            [this](int number) { list_->setCurrent(PaletteNumber(number), true); });
    connect(list_, &PaletteStripList::currentChanged, this, [this](const ShownPalette &palette) {
        if (list_->currentRow() >= list_->rowCount() - int(kLastPaletteNumber)) {
            const QSignalBlocker quiet(numberField_); // it follows, and goes nowhere itself
            numberField_->setValue(int(palette.number));
        }
        emit paletteShown(palette);
    });
    connect(list_, &PaletteStripList::chosen, this, [this](const ShownPalette &palette) {
        emit paletteChosen(palette);
        accept();
    });
    list_->setFocus();
}
