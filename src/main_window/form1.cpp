// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/form1.h"

#include "canvas_tools/brush.h"
#include "canvas_tools/colourreplacement.h"
#include "canvas_tools/helpoverlay.h"
#include "main_window/appicon.h"
#include "main_window/clientarea.h"
#include "main_window/form1layout.h"
#include "palette/paletteexport.h"
#include "palette/paletteline.h"
#include "palette/sinepalette.h"
#include "picture_files/bitmapfile.h"
#include "picture_files/picturename.h"
#include "surface/devicepixels.h"
#include "surface/picturebox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QToolTip>

#include <cmath>

namespace {

// The only button mask that paints: the left button held alone.
constexpr int kLeftButtonOnly = 1;
// The button that picks a colour from the canvas.
constexpr int kRightButton = 2;
// How long a passing remark stays on screen, in milliseconds.
constexpr int kRemarkTime = 4000;
// The canvas's outer size, which bounds the whole-canvas work.
constexpr int kCanvasOuterWidth = Form1Layout::kPicture1.width();
constexpr int kCanvasOuterHeight = Form1Layout::kPicture1.height();

// The platform's key for a standard action, or `usual` where the platform has none.
QKeySequence standardKey(QKeySequence::StandardKey action, QKeyCombination usual)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(action);
    return keys.isEmpty() ? QKeySequence(usual) : keys.first();
}

// The first local file among the addresses, or nothing.
QString firstLocalFile(const QMimeData &data)
{
    for (const QUrl &url : data.urls()) {
        if (url.isLocalFile()) {
            return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

Form1::Form1(Clock clock, QString saveFolder, PaletteNumber firstPalette)
    : clock_(std::move(clock)), saveFolder_(std::move(saveFolder)), lastFolder_(saveFolder_),
      windowSurface_(Form1Layout::kLayoutSize), scrollArea_(new QScrollArea(this)),
      clientArea_(new ClientArea(windowSurface_, Form1Layout::kLayoutSize)), commands_()
{
    setWindowTitle(QStringLiteral("form1"));
    setWindowIcon(sinepaintIcon());
    setAcceptDrops(true);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setFocusPolicy(Qt::NoFocus); // the focus goes round the controls only
    scrollArea_->setWidget(clientArea_);
    // The area fills a larger window, and scrolls in a smaller one.
    scrollArea_->setWidgetResizable(true);
    setCentralWidget(scrollArea_);
    windowSurface_.setChangeListener(
        [this](const QRect &changed) { clientArea_->update(repaintRect(changed)); });
    createControls();
    createMenus();
    setTabOrder();
    resize(Form1Layout::kRestoredClientSize + QSize(0, menuBar()->sizeHint().height()));
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

QPushButton *Form1::createButton(const char *caption, const QRect &geometry)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), clientArea_);
    button->setGeometry(geometry);
    return button;
}

void Form1::createControls()
{
    using namespace Form1Layout;
    Command5 = createButton(
        "FREEHAND - PICK UP A COLOR FROM PALETTE AND DRAW IMAGE USING MOUSEDOWN ACTION", kCommand5);
    Picture1 = new PictureBox(kPicture1, clientArea_);
    Picture3 = new PictureBox(kPicture3, clientArea_);
    Picture3->hide();
    Picture2 = new PictureBox(kPicture2, clientArea_);
    Command9 = createButton("GENERATIVE ART BY THE SINEPAINT DEVELOPERS", kCommand9);
    Command7 = createButton("new image", kCommand7);
    Command1 = createButton("change palette", kCommand1);
    Command4 = createButton("change color", kCommand4);
    Command2 = createButton("brush selection", kCommand2);
    Command6 = createButton("save on disk D:", kCommand6);
    Command8 = createButton("help", kCommand8);
    Command3 = createButton("exit", kCommand3);

    fitBannerCaption(Command5);
    fitBannerCaption(Command9);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture2->setFocusPolicy(Qt::StrongFocus);
    // Every movement over the canvas counts, with or without a button held.
    Picture1->setMouseTracking(true);
    Command6->setToolTip(QStringLiteral("Pictures are saved in %1")
                             .arg(QDir::toNativeSeparators(QDir(saveFolder_).absolutePath())));
}

void Form1::setTabOrder()
{
    const QWidget *const order[] = {Command1, Command3, Command7, Picture1, Picture2, Command2,
                                    Command4, Command5, Picture3, Command6, Command8, Command9};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
    }
}

QAction *Form1::addCommand(QMenu *menu, const QString &text, const QKeySequence &key,
                           void (Form1::*handler)(), QPushButton *button)
{
    auto *action = menu->addAction(text);
    action->setShortcut(key);
    addAction(action); // its key works wherever the focus is in the window
    connect(action, &QAction::triggered, this, handler);
    if (button) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        const QString named =
            QStringLiteral("Shortcut: %1").arg(key.toString(QKeySequence::NativeText));
        button->setToolTip(button->toolTip().isEmpty() ? named : button->toolTip() + u'\n' + named);
    }
    return action;
}

void Form1::createMenus()
{
    // The platform's standard keys where there are such, and Ctrl and a letter of the caption
    // for the others: palette (G, as in generate), replace colour (R), brush (B).
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    commands_.newImage = addCommand(file, QStringLiteral("&New image"),
                                    standardKey(QKeySequence::New, Qt::CTRL | Qt::Key_N),
                                    &Form1::Command7_Click, Command7);
    commands_.open =
        addCommand(file, QStringLiteral("&Open…"),
                   standardKey(QKeySequence::Open, Qt::CTRL | Qt::Key_O), &Form1::askToOpen);
    commands_.save = addCommand(file, QStringLiteral("&Save on disk D:"),
                                standardKey(QKeySequence::Save, Qt::CTRL | Qt::Key_S),
                                &Form1::Command6_Click, Command6);
    commands_.saveAs =
        addCommand(file, QStringLiteral("Save &As…"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &Form1::askToSaveAs);
    file->addSeparator();
    commands_.quit = addCommand(file, QStringLiteral("&Quit"),
                                standardKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q),
                                &Form1::Command3_Click, Command3);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    commands_.undo =
        addCommand(edit, QStringLiteral("&Undo"), QKeySequence(QKeySequence::Undo), &Form1::undo);
    commands_.redo =
        addCommand(edit, QStringLiteral("&Redo"), QKeySequence(QKeySequence::Redo), &Form1::redo);
    // Both usual redo keys everywhere, and the platform's own besides.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                 QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence &own : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(own)) {
            redoKeys.append(own);
        }
    }
    commands_.redo->setShortcuts(redoKeys);
    edit->addSeparator();
    commands_.copy = addCommand(edit, QStringLiteral("&Copy"), QKeySequence(QKeySequence::Copy),
                                &Form1::copyCanvas);
    commands_.paste = addCommand(edit, QStringLiteral("&Paste"), QKeySequence(QKeySequence::Paste),
                                 &Form1::pasteCanvas);
    edit->addSeparator();
    commands_.changeColor =
        addCommand(edit, QStringLiteral("Change &color"), QKeySequence(Qt::CTRL | Qt::Key_R),
                   &Form1::Command4_Click, Command4);

    QMenu *palette = menuBar()->addMenu(QStringLiteral("&Palette"));
    commands_.paletteTitle = palette->addAction(QString());
    commands_.paletteTitle->setEnabled(false);
    palette->addSeparator();
    commands_.changePalette =
        addCommand(palette, QStringLiteral("Change &palette"), QKeySequence(Qt::CTRL | Qt::Key_G),
                   &Form1::Command1_Click, Command1);
    commands_.goToPalette =
        addCommand(palette, QStringLiteral("&Go to palette…"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G), &Form1::askForPalette);
    commands_.copyPalette =
        addCommand(palette, QStringLiteral("&Copy palette"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), &Form1::copyPalette);
    commands_.pastePalette =
        addCommand(palette, QStringLiteral("Pa&ste palette"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), &Form1::pastePaletteCommand);
    commands_.exportPalette =
        addCommand(palette, QStringLiteral("&Export palette…"), QKeySequence(Qt::CTRL | Qt::Key_E),
                   &Form1::askToExportPalette);

    QMenu *brush = menuBar()->addMenu(QStringLiteral("&Brush"));
    commands_.brushSelection =
        addCommand(brush, QStringLiteral("&Brush selection"), QKeySequence(Qt::CTRL | Qt::Key_B),
                   &Form1::Command2_Click, Command2);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    commands_.help = addCommand(help, QStringLiteral("&Help"),
                                standardKey(QKeySequence::HelpContents, Qt::Key_F1),
                                &Form1::Command8_Click, Command8);
    help->addSeparator();
    commands_.about =
        addCommand(help, QStringLiteral("&About sinepaint"), QKeySequence(), &Form1::showAbout);
    commands_.aboutQt = help->addAction(QStringLiteral("About &Qt"));
    connect(commands_.aboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);

    connect(Picture1, &PictureBox::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PictureBox::mouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::mouseUp, this, &Form1::endStroke);
    connect(Picture2, &PictureBox::mouseDown, this, &Form1::Picture2_MouseDown);
}

void Form1::fitBannerCaption(QPushButton *banner)
{
    // The largest size of the default font, up to its own and in half points, at which the
    // whole caption fits within the margins the style gives a button. Widths grow about in
    // proportion to the size: start from that guess, then measure around it.
    const QString caption = banner->text();
    const qreal margins =
        banner->sizeHint().width() - banner->fontMetrics().horizontalAdvance(caption);
    const qreal room = banner->width() - margins;
    QFont font = banner->font();
    const qreal largest = font.pointSizeF();
    auto fits = [&](qreal size) {
        font.setPointSizeF(size);
        return QFontMetricsF(font).horizontalAdvance(caption) <= room;
    };
    if (fits(largest)) {
        return;
    }
    qreal size =
        std::floor(2 * largest * room / QFontMetricsF(banner->font()).horizontalAdvance(caption)) /
        2;
    while (size > 1 && !fits(size)) {
        size -= 0.5;
    }
    while (size + 0.5 < largest && fits(size + 0.5)) {
        size += 0.5;
    }
    font.setPointSizeF(size);
    banner->setFont(font);
}

template <typename Change> void Form1::recordStep(PictureBox *box, Change &&change)
{
    endStroke();
    history_.begin({&box->surface()}, currentState());
    change();
    history_.end(currentState());
    updateUndoCommands();
}

void Form1::endStroke()
{
    if (history_.recording()) {
        history_.end(currentState());
        updateUndoCommands();
    }
}

void Form1::undo()
{
    endStroke();
    if (const auto state = history_.undo()) {
        showState(*state);
    }
    updateUndoCommands();
}

void Form1::redo()
{
    endStroke();
    if (const auto state = history_.redo()) {
        showState(*state);
    }
    updateUndoCommands();
}

StepState Form1::currentState() const
{
    return {imeslike, palette_};
}

// The pixels are back already: the rest of the state follows them.
void Form1::showState(const StepState &state)
{
    imeslike = state.pictureName;
    palette_ = state.palette;
    const QString title = paletteTitle(palette_);
    Picture2->setToolTip(title);
    commands_.paletteTitle->setText(title);
}

void Form1::updateUndoCommands()
{
    commands_.undo->setEnabled(history_.canUndo());
    commands_.redo->setEnabled(history_.canRedo());
}

void Form1::Form_Load()
{
    showMaximized();
    windowSurface_.setBackColor(RGB(0, 0, 0));
    sir = kCanvasOuterWidth;
    vis = kCanvasOuterHeight;
    mera = kSmallestBrushRadius;
    spremeni = 0;
    ShowBrushSize();
    NewPictureName();
    NewPalette();
    updateUndoCommands();
    Command1->setFocus();
}

// "change palette"
void Form1::Command1_Click()
{
    recordStep(Picture2, [this] { NewPalette(); });
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
    spremeni = 1;
}

// "save on disk D:"
void Form1::Command6_Click()
{
    SaveToDisk();
}

// "new image"
void Form1::Command7_Click()
{
    recordStep(Picture1, [this] {
        Picture1->surface().Cls();
        NewPictureName();
    });
}

// "help"
void Form1::Command8_Click()
{
    recordStep(Picture1, [this] { drawHelpOverlay(Picture1->surface()); });
}

// An armed replacement takes a press of any button; otherwise the right button picks the
// colour under the pointer, as a press on the strip does.
void Form1::Picture1_MouseDown(int Button, int /*Shift*/, float X, float Y)
{
    if (spremeni == 1) {
        color1 = Picture1->surface().Point(X, Y);
        ReplaceColor();
    } else if (Button == kRightButton) {
        color = Picture1->surface().Point(X, Y);
    }
}

void Form1::Picture1_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    PictureSurface &canvas = Picture1->surface();
    canvas.FillStyle = PictureSurface::kFillSolid;
    if (Button != kLeftButtonOnly) {
        return;
    }
    if (!history_.recording()) {
        history_.begin({&canvas}, currentState()); // the stroke's first disc
    }
    canvas.FillColor = color.value_or(0);
    canvas.Circle(X, Y, mera, color.value_or(0));
}

// A press with any button on the strip picks the colour under the pointer.
void Form1::Picture2_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    color = Picture2->surface().Point(X, Y);
}

// The palette after the one on the strip.
void Form1::NewPalette()
{
    const PaletteNumber next = palette_.number + 1;
    showPalette({next, numberedPaletteWaves(next, random_), false});
}

void Form1::showPalette(const ShownPalette &palette)
{
    drawPaletteStrip(Picture2->surface(), palette.waves);
    showState({imeslike, palette});
}

void Form1::ShowBrushSize()
{
    drawBrushSizeIndicator(windowSurface_, mera);
}

void Form1::ReplaceColor()
{
    const ColorValue from = color1.value_or(0);
    // A point off the canvas reads as no colour, and no canvas pixel has that.
    if (from != kNoColor) {
        const QRgb to = toQRgb(color.value_or(0));
        recordStep(Picture1, [&] {
            Picture1->surface().edit(
                [&](QImage &canvas) { return replaceColour(canvas, toQRgb(from), to); });
        });
    }
    spremeni = 0;
}

void Form1::NewPictureName()
{
    imeslike = pictureName(clock_());
}

void Form1::SaveToDisk()
{
    Picture3->surface().copyFrom(Picture1->surface());
    const QString path = picturePath();
    if (const auto failure = pictureWriter_.SavePicture(Picture3->surface().Image(), path)) {
        reportSaveFailure(path, *failure);
    }
}

void Form1::reportSaveFailure(const QString &path, const QString &reason)
{
    reportFailure(QStringLiteral("Picture not saved"),
                  QStringLiteral("The picture could not be saved as\n%1\n\nReason: %2\n\n"
                                 "Your drawing is still here: free some space or make the "
                                 "folder writable, then save again.")
                      .arg(QDir::toNativeSeparators(path), reason));
}

void Form1::reportFailure(const QString &title, const QString &text)
{
    auto *message = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

bool Form1::openPicture(const QString &path)
{
    const PictureRead read = readPicture(path);
    if (!read.error.isEmpty()) {
        reportFailure(QStringLiteral("Picture not opened"),
                      QStringLiteral("%1\ncould not be opened.\n\n%2")
                          .arg(QDir::toNativeSeparators(path), read.error));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return takePicture(read.picture, path);
}

bool Form1::takePicture(const QImage &picture, const QString &source)
{
    const PictureRead checked = checkPicture(picture);
    if (!checked.error.isEmpty()) {
        reportFailure(QStringLiteral("Picture not opened"),
                      QStringLiteral("The picture from %1 could not be taken.\n\n%2")
                          .arg(source, checked.error));
        return false;
    }
    PictureSurface &canvas = Picture1->surface();
    const QImage fitted = fitToCanvas(checked.picture, canvas.size(), toQRgb(canvas.BackColor()));
    recordStep(Picture1, [&] {
        canvas.edit([&](QImage &image) {
            image = fitted;
            return image.rect();
        });
        NewPictureName(); // a new picture: saving never overwrites the one it came from
    });
    return true;
}

bool Form1::pastePicture()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        return takePicture(qvariant_cast<QImage>(data->imageData()),
                           QStringLiteral("the clipboard"));
    }
    if (data && !firstLocalFile(*data).isEmpty()) {
        return openPicture(firstLocalFile(*data));
    }
    if (data && data->hasText()) {
        QToolTip::showText(Picture1->mapToGlobal(Picture1->rect().center()),
                           QStringLiteral("The clipboard holds text, not a picture."), Picture1, {},
                           kRemarkTime);
    }
    return false;
}

bool Form1::savePictureAs(const QString &typedPath, PictureFormat chosen)
{
    const SaveTarget target = saveTarget(typedPath, chosen);
    if (const auto failure =
            writePicture(Picture1->surface().Image(), target.path, target.format)) {
        reportSaveFailure(target.path, *failure);
        return false;
    }
    lastFolder_ = QFileInfo(target.path).absolutePath();
    return true;
}

bool Form1::goToPalette(PaletteNumber number)
{
    if (number < kFirstPaletteNumber || number > kLastPaletteNumber) {
        return false;
    }
    recordStep(Picture2, [&] {
        showPalette({number, numberedPaletteWaves(number, random_), false});
    });
    return true;
}

bool Form1::pastePalette()
{
    PaletteLineRead read = readPaletteLine(QGuiApplication::clipboard()->text());
    if (!read.error.isEmpty()) {
        reportFailure(QStringLiteral("Palette not pasted"),
                      QStringLiteral("The clipboard holds no palette.\n\n%1").arg(read.error));
        return false;
    }
    PaletteRandom scratch; // the run's generator stays where it is
    read.palette.changed =
        !sameStrip(read.palette.waves, numberedPaletteWaves(read.palette.number, scratch));
    recordStep(Picture2, [&] { showPalette(read.palette); });
    return true;
}

bool Form1::exportPaletteTo(const QString &path)
{
    if (const auto failure = exportPalette(palette_, path)) {
        reportFailure(QStringLiteral("Palette not exported"),
                      QStringLiteral("The palette could not be written to\n%1\n\nReason: %2")
                          .arg(QDir::toNativeSeparators(path), *failure));
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    return true;
}

void Form1::askToOpen()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open picture"), lastFolder_,
                                     openFilters().join(QStringLiteral(";;")));
    if (!path.isEmpty()) {
        openPicture(path);
    }
}

void Form1::askToSaveAs()
{
    QFileDialog dialog(this, QStringLiteral("Save picture as"), lastFolder_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters = saveFilters();
    dialog.setNameFilters(filters);
    // A name typed without an ending gets the chosen filter's.
    auto chosen = [&] {
        return PictureFormat(std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    };
    dialog.setDefaultSuffix(pictureEnding(chosen()));
    dialog.selectFile(imeslike + u'.' + pictureEnding(chosen()));
    connect(&dialog, &QFileDialog::filterSelected, &dialog,
            [&] { dialog.setDefaultSuffix(pictureEnding(chosen())); });
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        savePictureAs(dialog.selectedFiles().constFirst(), chosen());
    }
}

void Form1::askForPalette()
{
    bool ok = false;
    const int number = QInputDialog::getInt(this, QStringLiteral("Go to palette"),
                                            QStringLiteral("Palette number (%1 to %2):")
                                                .arg(kFirstPaletteNumber)
                                                .arg(kLastPaletteNumber),
                                            int(palette_.number), int(kFirstPaletteNumber),
                                            int(kLastPaletteNumber), 1, &ok);
    if (ok) {
        goToPalette(PaletteNumber(number));
    }
}

void Form1::askToExportPalette()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Export palette"),
        QDir(lastFolder_).filePath(QStringLiteral("sinepaint-palette-%1.gpl").arg(palette_.number)),
        paletteExportFilters().join(QStringLiteral(";;")));
    if (!path.isEmpty()) {
        exportPaletteTo(path);
    }
}

void Form1::copyCanvas()
{
    QGuiApplication::clipboard()->setImage(Picture1->surface().Image());
}

void Form1::pasteCanvas()
{
    pastePicture();
}

void Form1::copyPalette()
{
    QGuiApplication::clipboard()->setText(paletteLine(palette_));
}

void Form1::pastePaletteCommand()
{
    pastePalette();
}

void Form1::showAbout()
{
    QMessageBox::about(
        this, QStringLiteral("About sinepaint"),
        QStringLiteral("<p><b>sinepaint %1</b></p>"
                       "<p>A generative-art paint program: paint with colours from palettes "
                       "whose red, green and blue are sine waves.</p>"
                       "<p>Copyright © The sinepaint developers. Licensed under the GNU General "
                       "Public License, version 3 or later (GPL-3.0-or-later). This is free "
                       "software: you are free to change and redistribute it. There is NO "
                       "WARRANTY, to the extent permitted by law.</p>"
                       "<p>Runs on Qt %2.</p>")
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion())));
}

void Form1::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasImage() || !firstLocalFile(*data).isEmpty()) {
        event->acceptProposedAction();
    }
}

void Form1::dropEvent(QDropEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (data->hasImage()) {
        takePicture(qvariant_cast<QImage>(data->imageData()), QStringLiteral("the drop"));
    } else if (const QString path = firstLocalFile(*data); !path.isEmpty()) {
        openPicture(path);
    } else {
        return;
    }
    event->acceptProposedAction();
}
