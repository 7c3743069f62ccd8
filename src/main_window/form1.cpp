// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"

#include "canvas_tools/brush.h"
#include "canvas_tools/colourreplacement.h"
#include "canvas_tools/helpoverlay.h"
#include "main_window/bannerfit.h"
#include "main_window/clientarea.h"
#include "main_window/form1layout.h"
#include "main_window/statusline.h"
#include "palette/sinepalette.h"
#include "palette_dialogs/focusring.h"
#include "picture_files/bitmapfile.h"
#include "picture_files/picturename.h"
#include "surface/devicepixels.h"
#include "surface/picturebox.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>

namespace {

// The only button mask that paints: the left button held alone.
constexpr int kLeftButtonOnly = 1;
// The button that picks a colour from the canvas.
constexpr int kRightButton = 2;
// The canvas's outer size, which bounds the whole-canvas work.
constexpr int kCanvasOuterWidth = Form1Layout::kPicture1.width();
constexpr int kCanvasOuterHeight = Form1Layout::kPicture1.height();

} // namespace

Form1::Form1(Clock clock, QString saveFolder, PaletteNumber firstPalette)
    : clock_(std::move(clock)), saveFolder_(std::move(saveFolder)), lastFolder_(saveFolder_),
      windowSurface_(Form1Layout::kLayoutSize), scrollArea_(new QScrollArea(this)),
      clientArea_(new ClientArea(windowSurface_, Form1Layout::kLayoutSize)), commands_()
{
    setWindowTitle(QStringLiteral("form1"));
    setAcceptDrops(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus); // the focus goes round the controls only
    scrollArea_->setWidget(clientArea_);
    // The area fills a larger window, and scrolls in a smaller one.
    scrollArea_->setWidgetResizable(true);
    setCentralWidget(scrollArea_);
    windowSurface_.setChangeListener(
        [this](const QRect &changed) { clientArea_->update(repaintRect(changed)); });
    statusLine_ = new StatusLine;
    setStatusBar(statusLine_);
    createControls();
    createMenus();
    connect(Picture1, &PictureBox::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PictureBox::mouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::mouseUp, this, &Form1::Picture1_MouseUp);
    connect(Picture2, &PictureBox::mouseDown, this, &Form1::Picture2_MouseDown);
    showOverCanvas();
    new FocusRing(clientArea_); // the focus plainly seen on the black window and its buttons
    setTabOrder();
    resize(Form1Layout::kRestoredClientSize +
           QSize(0, menuBar()->sizeHint().height() + statusLine_->sizeHint().height()));
    palette_.number = firstPalette - 1; // the start shows the next: firstPalette
    Form_Load();
}

QString Form1::defaultFolderForPictures()
{
    return defaultSaveFolder();
}

QString Form1::picturePath() const
{
    return ::picturePath(saveFolder_, imeslike);
}

QWidget *Form1::clientArea() const
{
    return clientArea_;
}

QPushButton *Form1::createButton(const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, clientArea_);
    button->setGeometry(geometry);
    return button;
}

void Form1::createControls()
{
    using namespace Form1Layout;
    Command5 = createButton(
        tr("FREEHAND - PICK UP A COLOR FROM PALETTE AND DRAW IMAGE USING MOUSEDOWN ACTION"),
        kCommand5);
    Picture1 = new PictureBox(kPicture1, clientArea_);
    Picture1->surface().keepColumns(); // each pixel remembers the strip column of its colour
    Picture3 = new PictureBox(kPicture3, clientArea_);
    // Never shown, and as a window of its own never among the controls that assistive
    // technology lists.
    Picture3->setWindowFlag(Qt::Window);
    Picture3->hide();
    Picture2 = new PictureBox(kPicture2, clientArea_);
    Command9 = createButton(tr("GENERATIVE ART BY THE SINEPAINT DEVELOPERS"), kCommand9);
    Command7 = createButton(tr("new image"), kCommand7);
    Command1 = createButton(tr("change palette"), kCommand1);
    Command4 = createButton(tr("change color"), kCommand4);
    Command2 = createButton(tr("brush selection"), kCommand2);
    Command6 = createButton(tr("save on disk D:"), kCommand6);
    Command8 = createButton(tr("help"), kCommand8);
    Command3 = createButton(tr("exit"), kCommand3);

    Command4->setCheckable(true); // it looks pressed while a replacement is armed
    fitBannerCaption(Command5);
    fitBannerCaption(Command9);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture2->setFocusPolicy(Qt::StrongFocus);
    // Every movement over the canvas counts, with or without a button held.
    Picture1->setMouseTracking(true);

    // What the boxes and the indicator are, for the pointer and for assistive technology.
    const QString canvasUse =
        tr("Drag with the left button to paint; press with the right button to pick a colour.");
    Picture1->setToolTip(canvasUse);
    Picture1->setAccessibleName(tr("Canvas"));
    Picture1->setAccessibleDescription(canvasUse);
    Picture2->setAccessibleName(tr("Palette strip"));
    brushSize_ = new QLabel(clientArea_); // shows nothing: the window draws the indicator
    brushSize_->setGeometry(kBrushSize);
    brushSize_->setAccessibleName(tr("Brush size"));
}

void Form1::setTabOrder()
{
    // The hidden copy, Picture3, would come after Command5; it never takes the focus.
    const QWidget *const order[] = {Command1, Command3, Command7, Picture1, Picture2, Command2,
                                    Command4, Command5, Command6, Command8, Command9};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
    }
}

void Form1::Form_Load()
{
    showMaximized();
    windowSurface_.setBackColor(RGB(0, 0, 0));
    sir = kCanvasOuterWidth;
    vis = kCanvasOuterHeight;
    mera = kSmallestBrushRadius;
    setChangeColorArmed(false); // spremeni = 0
    ShowBrushSize();
    NewPictureName();
    NewPalette();
    updateUndoCommands();
    setMirror(Mirror::none);
    Command1->setFocus();
}

// "change palette"
void Form1::Command1_Click()
{
    stopCycle();
    recordStep(tr("Change palette"), [this] { NewPalette(); });
    statusLine_->remark(tr("%1 is on the strip.").arg(paletteTitle(palette_)));
}

// "brush selection"
void Form1::Command2_Click()
{
    mera = qint16(nextBrushRadius(mera));
    ShowBrushSize();
}

// "exit": the window closes, and with it the program.
void Form1::Command3_Click()
{
    close();
}

// "change color" arms the replacement for the next press on the canvas.
void Form1::Command4_Click()
{
    setChangeColorArmed(true);
}

// "save on disk D:"
void Form1::Command6_Click()
{
    SaveToDisk();
}

// "new image"
void Form1::Command7_Click()
{
    recordStep(tr("New image"), [this] {
        Picture1->surface().Cls();
        NewPictureName();
    });
}

// "help"
void Form1::Command8_Click()
{
    recordStep(tr("Help"), [this] { drawHelpOverlay(Picture1->surface()); });
}

// An armed replacement takes a press of any button; otherwise the right button picks the
// colour under the pointer, as a press on the strip does (and the strip column that pixel
// remembers), and with connected strokes the left button begins a stroke with its first disc.
void Form1::Picture1_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    if (spremeni == 1) {
        color1 = Picture1->surface().Point(X, Y);
        ReplaceColor();
    } else if (Button == kRightButton) {
        color = Picture1->surface().Point(X, Y);
        colorColumn = Picture1->surface().ColumnAt(X, Y);
        showStatus();
    } else if (Button == kLeftButtonOnly && connectedStrokes) {
        paintBrush(X, Y);
    }
    showPointer();
}

void Form1::Picture1_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    Picture1->surface().FillStyle = PictureSurface::kFillSolid;
    if (Button == kLeftButtonOnly) {
        paintBrush(X, Y);
        showPointer(); // the colour under it has changed
    }
}

// The stroke ends with the button's release.
void Form1::Picture1_MouseUp()
{
    strokeEnd_.reset();
    endStroke();
}

// A press with any button on the strip picks the colour under the pointer, and its column.
void Form1::Picture2_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    color = Picture2->surface().Point(X, Y);
    const auto pixel = Picture2->surface().pixelAt(X, Y);
    colorColumn = pixel ? StripColumn(pixel->x()) : kNoColumn;
    showStatus();
}

// The palette after the one on the strip.
void Form1::NewPalette()
{
    const PaletteNumber next = palette_.number + 1;
    showPalette({next, numberedPaletteWaves(next, random_), false});
}

void Form1::ShowBrushSize()
{
    drawBrushSizeIndicator(windowSurface_, mera);
    showStatus();
    Picture1->refreshOverlay();
}

void Form1::showStatus()
{
    const QString radius = tr("Brush radius %1").arg(mera);
    brushSize_->setAccessibleDescription(radius);
    brushSize_->setToolTip(
        radius + tr(": ] and [ make it larger and smaller, \"brush selection\" steps it."));
    statusLine_->showRadius(mera);
    statusLine_->showColour(color.value_or(0));
    statusLine_->showModes(connectedStrokes, mirror, livePalette, colourAlongStroke);
    statusLine_->showPalette(paletteTitle(palette_));
    showPointer(); // the colour under it may have changed
}

void Form1::setChangeColorArmed(bool armed)
{
    spremeni = armed ? 1 : 0;
    Command4->setChecked(armed);
    commands_.cancelChangeColor->setEnabled(armed);
    if (armed) {
        statusLine_->announce(
            tr("Change color: your next press on the canvas turns every pixel of the "
               "colour pressed into the painting colour. Escape cancels."));
    } else {
        statusLine_->clearMessage();
    }
}

void Form1::cancelChangeColor()
{
    if (spremeni == 1) {
        setChangeColorArmed(false);
        statusLine_->remark(tr("Change color cancelled: the canvas is as it was."));
    }
}

void Form1::ReplaceColor()
{
    const ColorValue from = color1.value_or(0);
    // A point off the canvas reads as no colour, and no canvas pixel has that.
    if (from != kNoColor) {
        const QRgb to = toQRgb(color.value_or(0));
        // The pixels replaced remember the painting colour's column.
        recordStep(tr("Change color"), [&] {
            Picture1->surface().edit([&](QImage &canvas, QImage &columns) {
                return replaceColour(canvas, columns, toQRgb(from), to, colorColumn);
            });
        });
    }
    setChangeColorArmed(false);
}

void Form1::NewPictureName()
{
    imeslike = pictureName(clock_());
}

void Form1::SaveToDisk()
{
    Picture3->surface().copyFrom(Picture1->surface());
    const QString path = picturePath();
    // The name is one per picture: a second save writes over the first.
    const bool again = path == lastSavePath_ && QFileInfo::exists(path);
    if (const auto failure = pictureWriter_.SavePicture(Picture3->surface().Image(), path)) {
        reportSaveFailure(path, *failure);
    } else {
        reportSaved(path, again ? lastSaveTime_ : QDateTime());
        lastSavePath_ = path;
        lastSaveTime_ = clock_();
    }
}
