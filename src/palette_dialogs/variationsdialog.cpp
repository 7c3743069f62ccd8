// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palette_dialogs/variationsdialog.h"
#include "palette_dialogs/dialogdress.h"

#include "palette_dialogs/variationgrid.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

VariationsDialog::VariationsDialog(const ShownPalette &shown, const PaletteWaves &own,
                                   VariationRandom &random, QWidget *parent)
    : QDialog(parent), shown_(shown), own_(own), random_(random), grid_(new VariationGrid)
{
    dressDialog(this, tr("Variations"));
    auto *layout = new QVBoxLayout(this);
    auto *about =
        new QLabel(tr("%1 in the middle, eight variations around it. Click one, or move with "
                      "the arrow keys and press Enter, to take it; More draws eight new; "
                      "Escape takes none.")
                       .arg(paletteTitle(shown)));
    about->setWordWrap(true);
    layout->addWidget(about);
    layout->addWidget(grid_, 0, Qt::AlignHCenter);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton *more = buttons->addButton(tr("&More"), QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    connect(more, &QPushButton::clicked, this, &VariationsDialog::drawMore);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(grid_, &VariationGrid::chosen, this, [this](int cell) {
        emit paletteChosen(palette(cell));
        accept();
    });
    drawMore();
    grid_->setFocus();
}

void VariationsDialog::drawMore()
{
    const PaletteVariations variations = paletteVariations(shown_.waves, random_);
    // The palette as it is in the middle, the variations around it in reading order.
    for (int cell = 0, drawn = 0; cell < VariationGrid::kCells; ++cell) {
        cells_[std::size_t(cell)] =
            cell == VariationGrid::kMiddle ? shown_.waves : variations[std::size_t(drawn++)];
    }
    grid_->setPalettes(cells_);
}

ShownPalette VariationsDialog::palette(int cell) const
{
    const PaletteWaves &waves = cells_[std::size_t(cell)];
    if (cell == VariationGrid::kMiddle) {
        return shown_;
    }
    return {shown_.number, waves, !sameStrip(waves, own_)};
}
