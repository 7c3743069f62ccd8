#include "main_window/form1.h"

#include "canvas_tools/brush.h"
#include "canvas_tools/colourreplacement.h"
#include "canvas_tools/helpoverlay.h"
#include "main_window/appicon.h"
#include "main_window/clientarea.h"
#include "main_window/form1layout.h"
#include "palette/sinepalette.h"
#include "picture_files/bitmapfile.h"
#include "picture_files/picturename.h"
#include "surface/devicepixels.h"
#include "surface/picturebox.h"

#include <QDir>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include <cmath>

namespace {

// The only button mask that paints: the left button held alone.
constexpr int kLeftButtonOnly = 1;
// The canvas's outer size, which bounds the whole-canvas work.
constexpr int kCanvasOuterWidth = Form1Layout::kPicture1.width();
constexpr int kCanvasOuterHeight = Form1Layout::kPicture1.height();

// The platform's key for a standard action, or `usual` where the platform has none.
QKeySequence standardKey(QKeySequence::StandardKey action, QKeyCombination usual)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(action);
    return keys.isEmpty() ? QKeySequence(usual) : keys.first();
}

} // namespace

Form1::Form1(Clock clock, QString saveFolder)
    : clock_(std::move(clock)), saveFolder_(std::move(saveFolder)),
      windowSurface_(Form1Layout::kLayoutSize),
      clientArea_(new ClientArea(windowSurface_, Form1Layout::kLayoutSize))
{
    setWindowTitle(QStringLiteral("form1"));
    setWindowIcon(sinepaintIcon());
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus); // the focus goes round the controls only
    setWidget(clientArea_);
    setWidgetResizable(true); // the area fills a larger window, and scrolls in a smaller one
    resize(Form1Layout::kRestoredClientSize);
    windowSurface_.setChangeListener(
        [this](const QRect &changed) { clientArea_->update(repaintRect(changed)); });
    createControls();
    connectHandlers();
    setTabOrder();
    createShortcuts();
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

void Form1::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Form1::Command8_Click);
    connect(Picture1, &PictureBox::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &PictureBox::mouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &PictureBox::mouseUp, this, &Form1::endStroke);
    connect(Picture2, &PictureBox::mouseDown, this, &Form1::Picture2_MouseDown);
}

void Form1::setTabOrder()
{
    const QWidget *const order[] = {Command1, Command3, Command7, Picture1, Picture2, Command2,
                                    Command4, Command5, Picture3, Command6, Command8, Command9};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
    }
}

void Form1::createShortcuts()
{
    // The platform's standard keys where there are such, and Ctrl and a letter of the caption
    // for the others: palette (G, as in generate), replace colour (R), brush (B).
    const std::pair<QPushButton *, QKeySequence> keys[] = {
        {Command7, standardKey(QKeySequence::New, Qt::CTRL | Qt::Key_N)},
        {Command1, QKeySequence(Qt::CTRL | Qt::Key_G)},
        {Command4, QKeySequence(Qt::CTRL | Qt::Key_R)},
        {Command2, QKeySequence(Qt::CTRL | Qt::Key_B)},
        {Command6, standardKey(QKeySequence::Save, Qt::CTRL | Qt::Key_S)},
        {Command8, standardKey(QKeySequence::HelpContents, Qt::Key_F1)},
        {Command3, standardKey(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q)},
    };
    for (const auto &[button, key] : keys) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
        const QString named =
            QStringLiteral("Shortcut: %1").arg(key.toString(QKeySequence::NativeText));
        button->setToolTip(button->toolTip().isEmpty() ? named : button->toolTip() + u'\n' + named);
    }
    auto *undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &Form1::undo);
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &extra :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        if (!redoKeys.contains(extra)) {
            redoKeys.append(extra);
        }
    }
    auto *redoKey = new QShortcut(this);
    redoKey->setKeys(redoKeys);
    connect(redoKey, &QShortcut::activated, this, &Form1::redo);
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
    history_.begin({&box->surface()}, imeslike);
    change();
    history_.end(imeslike);
}

void Form1::endStroke()
{
    if (history_.recording()) {
        history_.end(imeslike);
    }
}

void Form1::undo()
{
    endStroke();
    if (const auto name = history_.undo()) {
        imeslike = *name;
    }
}

void Form1::redo()
{
    endStroke();
    if (const auto name = history_.redo()) {
        imeslike = *name;
    }
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

void Form1::Picture1_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    if (spremeni != 1) {
        return;
    }
    color1 = Picture1->surface().Point(X, Y);
    ReplaceColor();
}

void Form1::Picture1_MouseMove(int Button, int /*Shift*/, float X, float Y)
{
    PictureSurface &canvas = Picture1->surface();
    canvas.FillStyle = PictureSurface::kFillSolid;
    if (Button != kLeftButtonOnly) {
        return;
    }
    if (!history_.recording()) {
        history_.begin({&canvas}, imeslike); // the stroke's first disc
    }
    canvas.FillColor = color.value_or(0);
    canvas.Circle(X, Y, mera, color.value_or(0));
}

// A press with any button on the strip picks the colour under the pointer.
void Form1::Picture2_MouseDown(int /*Button*/, int /*Shift*/, float X, float Y)
{
    color = Picture2->surface().Point(X, Y);
}

void Form1::NewPalette()
{
    PaletteDraws draws{};
    for (float &draw : draws) {
        draw = random_.next();
    }
    drawPaletteStrip(Picture2->surface(), paletteWaves(draws));
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
    auto *message = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Picture not saved"),
        QStringLiteral("The picture could not be saved as\n%1\n\nReason: %2\n\n"
                       "Your drawing is still here: free some space or make the folder "
                       "writable, then save again.")
            .arg(QDir::toNativeSeparators(path), reason),
        QMessageBox::Ok, this);
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}
