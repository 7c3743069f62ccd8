// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/palettebrowser.h"

#include "palette/palettecatalogue.h"
#include "palette/sinepalette.h"
#include "surface/picturesurface.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

// Where the parts of a row lie: the number at the left, then the strip, 525 pixels as on the
// window.
constexpr int kNumberWidth = 72;
constexpr int kStripWidth = 525;
constexpr int kRowHeight = 22;
constexpr int kStripHeight = 16;
// Rows the list shows at once.
constexpr int kVisibleRows = 18;

// The numbered palettes as rows: row r is palette r + 1.
class PaletteListModel : public QAbstractListModel {
public:
    explicit PaletteListModel(QObject *parent) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(kLastPaletteNumber);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            return QStringLiteral("Palette %1").arg(index.row() + 1);
        }
        return {};
    }
};

// Paints a row: its number, and its strip exactly as the window's strip shows the palette.
class PaletteStripDelegate : public QStyledItemDelegate {
public:
    PaletteStripDelegate(PaletteCatalogue &catalogue, QObject *parent)
        : QStyledItemDelegate(parent), catalogue_(catalogue)
    {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return {kNumberWidth + kStripWidth + 8, kRowHeight};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        option.widget->style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                            option.widget);
        const QRect row = option.rect;
        painter->setPen(option.palette.color(
            option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(row.left() + 4, row.top(), kNumberWidth - 8, row.height()),
                          Qt::AlignRight | Qt::AlignVCenter, QString::number(index.row() + 1));
        const PaletteNumber number = PaletteNumber(index.row() + 1);
        painter->drawImage(
            QPoint(row.left() + kNumberWidth, row.top() + (row.height() - kStripHeight) / 2),
            PaletteBrowser::stripPicture(catalogue_, number, kStripHeight));
    }

private:
    PaletteCatalogue &catalogue_;
};

} // namespace

PaletteBrowser::PaletteBrowser(PaletteCatalogue &catalogue, PaletteNumber shown, QWidget *parent)
    : QDialog(parent), list_(new QListView), numberField_(new QSpinBox)
{
    setWindowTitle(QStringLiteral("Browse palettes"));
    auto *layout = new QVBoxLayout(this);
    auto *about = new QLabel(QStringLiteral(
        "The numbered palettes, 1 to 1,000,000, as the strip shows them. Click a strip, or "
        "press Enter on it, to take that palette; Escape takes none."));
    about->setWordWrap(true);
    layout->addWidget(about);
    numberField_->setRange(int(kFirstPaletteNumber), int(kLastPaletteNumber));
    numberField_->setValue(int(shown));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Go to number:"), numberField_);
    layout->addLayout(form);

    list_->setModel(new PaletteListModel(list_));
    list_->setItemDelegate(new PaletteStripDelegate(catalogue, list_));
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAccessibleName(QStringLiteral("Numbered palettes"));
    QFont font = list_->font();
    font.setStyleStrategy(QFont::NoAntialias);
    list_->setFont(font);
    const int frame = 2 * list_->frameWidth();
    list_->setMinimumSize(kNumberWidth + kStripWidth + 8 + frame + 24,
                          kVisibleRows * kRowHeight + frame);
    layout->addWidget(list_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false); // Enter is the list's
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(numberField_, &QSpinBox::valueChanged, this,
            [this](int number) { goTo(PaletteNumber(number)); });
    auto take = [this](const QModelIndex &index) {
        if (index.isValid() && isVisible()) { // a click may also activate: take it once
            emit paletteChosen(PaletteNumber(index.row() + 1));
            accept();
        }
    };
    connect(list_, &QListView::clicked, this, take);
    connect(list_, &QListView::activated, this, take);
    goTo(shown);
    list_->setFocus();
}

void PaletteBrowser::goTo(PaletteNumber number)
{
    const QModelIndex index = list_->model()->index(int(number) - 1, 0);
    list_->setCurrentIndex(index);
    list_->scrollTo(index, QAbstractItemView::PositionAtTop);
}

QImage PaletteBrowser::stripPicture(PaletteCatalogue &catalogue, PaletteNumber number, int height)
{
    PictureSurface strip(QSize(kStripWidth, height));
    drawPaletteStrip(strip, catalogue.waves(number));
    return strip.Image();
}
