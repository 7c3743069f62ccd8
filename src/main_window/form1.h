// SPDX-FileCopyrightText: 2026 The sinepaint developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas_tools/history.h"
#include "canvas_tools/livecolours.h"
#include "canvas_tools/stroke.h"
#include "dialogs/keyswindow.h"
#include "palette/palettecatalogue.h"
#include "palette/palettenumber.h"
#include "palette/paletterandom.h"
#include "palette/palettevariations.h"
#include "picture_files/bitmapwriter.h"
#include "picture_files/picturefile.h"
#include "picture_files/picturename.h"
#include "surface/colorvalue.h"
#include "surface/picturesurface.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>

#include <functional>
#include <optional>

class ClientArea;
class QMenu;
class QLabel;
class StatusLine;
class PictureBox;
class QAction;
class QTimer;
class QDragEnterEvent;
class QDropEvent;
class QPushButton;
class QScrollArea;

// The program's one window: a menu bar over the canvas, the palette strip, the command buttons
// and the brush-size indicator, the state they share, and the handlers of their events. The
// controls keep their places in a client area that scrolls when the window is smaller than
// the layout. Its members are defined by responsibility: the form in form1.cpp, the command
// table in form1_commands.cpp, undo and redo in form1_history.cpp, pictures in and out in
// form1_pictures.cpp, palette commands in form1_palettes.cpp.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    // Tells the local date and time; tests give their own.
    using Clock = std::function<QDateTime()>;

    // Opens the window maximised and ready for work, showing palette `firstPalette`. Pictures
    // are saved in `saveFolder`.
    explicit Form1(Clock clock = &localNow, QString saveFolder = defaultFolderForPictures(),
                   PaletteNumber firstPalette = kFirstPaletteNumber);

    static QString defaultFolderForPictures();

    // The window's own drawing surface: its black background and the brush-size indicator.
    const PictureSurface &windowSurface() const { return windowSurface_; }
    // Where the next picture will be saved.
    QString picturePath() const;
    // The changes undo and redo step through.
    const History &history() const { return history_; }
    // The area below the menu bar that holds the controls at their places.
    QWidget *clientArea() const;
    // The palette on the strip.
    const ShownPalette &palette() const { return palette_; }
    // The status bar below the client area.
    const StatusLine *statusLine() const { return statusLine_; }

    // The commands, each one action shared by its menu item, its button and its key.
    struct Commands {
        QAction *newImage, *open, *save, *saveAs, *exportAnimation, *quit;
        QAction *undo, *redo, *copy, *paste, *changeColor, *cancelChangeColor;
        QAction *paletteTitle; // the number of the palette on the strip, not a command
        QAction *changePalette, *goToPalette, *editPalette, *browsePalettes;
        QAction *copyPalette, *pastePalette, *exportPalette, *livePalette;
        QAction *variations, *keepPalette, *exportKeptPalettes;
        QAction *cycleColours, *cycleSpeed;
        QAction *brushSelection, *largerBrush, *smallerBrush, *connectedStrokes;
        QAction *colourAlongStroke, *colourStep;
        QAction *mirrorNone, *mirrorLeftRight, *mirrorTopBottom, *mirrorFourWays;
        QAction *mirrorKaleidoscope6, *mirrorKaleidoscope8, *nextMirror, *showGuides;
        QAction *help, *keysAndCommands, *about, *aboutQt;
    };
    const Commands &commands() const { return commands_; }
    // Every command of the table as Help → Keys and commands lists it, in menu order.
    const QList<KeysRow> &keysRows() const { return keysRows_; }
    // Edit → History: the last steps, newest first, filled each time it opens.
    QMenu *historyMenu() const { return historyMenu_; }

    // What the commands' dialogs hand on, and drops and pastes. Each is one step that can be
    // undone, or a message and no change at all; each returns whether it worked. Pictures in and
    // out are in form1_pictures.cpp, palettes in form1_palettes.cpp.
    bool openPicture(const QString &path);
    // The same for a path as the system spells it, which need not be UTF-8.
    bool openPictureFile(const QByteArray &nativePath);
    bool takePicture(const QImage &picture, const QString &source, const PngChunk &recipe = {});
    bool takeEncodedPicture(const QByteArray &bytes, const QString &source);
    bool pastePicture();
    bool savePictureAs(const QString &typedPath, PictureFormat chosen);
    bool goToPalette(PaletteNumber number);
    bool pastePalette();
    bool exportPaletteTo(const QString &path, int swatches = 525);
    // The palettes kept this run (Palette → Keep palette), in the order they were kept, and
    // their export as lines or GIMP palettes.
    const QList<ShownPalette> &keptPalettes() const { return kept_; }
    bool exportKeptPalettesTo(const QString &path);
    // Variations are drawn from this seed on: the same seed, the same variations.
    void seedVariations(std::uint64_t seed) { variationRandom_ = VariationRandom(seed); }
    // One full cycle of the picture's live colours in `frames` frames, to a .webp file or a
    // folder of PNG frames; `goOn(k)` may stop it before frame k (a progress dialog's Cancel).
    bool exportAnimationTo(const QString &path, int frames,
                           const std::function<bool(int)> &goOn = {});

    // The controls, each at its fixed place.
    QPushButton *Command1; // Command1: "change palette"
    QPushButton *Command2; // Command2: "brush selection"
    QPushButton *Command3; // Command3: "exit"
    QPushButton *Command4; // Command4: "change color"
    QPushButton *Command5; // Command5: the freehand banner; clicking it does nothing
    QPushButton *Command6; // Command6: "save on disk D:"
    QPushButton *Command7; // Command7: "new image"
    QPushButton *Command8; // Command8: "help"
    QPushButton *Command9; // Command9: the credit banner; clicking it does nothing
    PictureBox *Picture1;  // Picture1: the canvas
    PictureBox *Picture2;  // Picture2: the palette strip
    PictureBox *Picture3;  // Picture3: hidden copy of the canvas, written to the picture file

    // The window's state, shared by the handlers. Empty values count as 0 (black).
    qint16 mera = 0;                     // mera: brush radius in pixels, 2..10
    std::optional<ColorValue> color;     // color: the painting colour, empty until the first pick
    StripColumn colorColumn = kNoColumn; // the strip column `color` was picked from, if any
    qint16 spremeni = 0;                 // spremeni: colour replacement 0 off, 1 armed
    std::optional<ColorValue> color1;    // color1: the colour a replacement turns into `color`
    std::optional<ColorValue> color2;    // color2: the pixel under test; the one-pass scan keeps
                                         // it in a register, so it stays empty
    int sir = 0;                         // sir: last column the whole-canvas work covers
    int vis = 0;                         // vis: last row the whole-canvas work covers
    QString imeslike;                    // imeslike: the picture name, T and the date and time

    // The brush's modes, chosen in the Brush menu; off at every start.
    bool connectedStrokes = false; // a stroke paints a disc at every pixel between two moves
    Mirror mirror = Mirror::none;  // where each disc is painted again
    // The colour walks along the strip from the column picked as the pointer travels, one
    // column every `colourStep` pixels of the stroke's path (1 to 50).
    bool colourAlongStroke = false;
    int colourStep = 4;
    // Brush → Show guides, on at every start: the brush's outline under the pointer, at each
    // mirror copy, and the mirror's axes over the canvas.
    bool showGuides = true;

    // Chosen in the Palette menu, off at every start: every painted pixel that remembers its
    // strip column shows that column's colour on the strip, and follows every change of it.
    bool livePalette = false;
    // Palette → Cycle colours turns the strip's phases together, one full turn in
    // `cycleSeconds` (1 to 60); off at every start.
    bool cycleColours = false;
    int cycleSeconds = 8;

private:
    // The form (form1.cpp): its controls at their places.
    void createControls();
    QPushButton *createButton(const QString &caption, const QRect &geometry);
    void setTabOrder();

    // The command table (form1_commands.cpp): the menu bar, the keys and the buttons' tooltips,
    // all made from one table.
    void createMenus();
    void showAbout();
    void showAboutQt();

    // Undo and redo (form1_history.cpp). A step is recorded around a change of the canvas and
    // the strip, under the name the Edit menu shows; a stroke's step is open from its first disc
    // to the release of the button.
    void recordStep(const QString &name, const std::function<void()> &change);
    void endStroke();
    void undo();
    void redo();
    void stepThroughHistory(bool back);
    StepState currentState() const;
    void showState(const StepState &state);
    void updateUndoCommands();
    void fillHistoryMenu();
    // Undoes or redoes, as one jump, to just after step `step` (the oldest kept is step 0).
    void jumpInHistory(int step);
    void showKeysAndCommands();

    // Handlers of the window's events (form1.cpp).
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Picture1_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    void Picture1_MouseUp();
    void Picture2_MouseDown(int Button, int Shift, float X, float Y);

    // The procedures the handlers share (form1.cpp).
    void NewPalette();
    void ShowBrushSize();
    void ReplaceColor();
    void NewPictureName();
    void SaveToDisk();

    // What the status bar and the indicator's accessible text show (form1.cpp).
    void showStatus();
    void cancelChangeColor();
    void setChangeColorArmed(bool armed);

    // The brush (form1_brush.cpp): its discs, its size keys and its modes.
    void paintBrush(float X, float Y);
    void growBrush();
    void shrinkBrush();
    void setConnectedStrokes(bool on);
    void setColourAlongStroke(bool on);
    void askForColourStep();
    void setMirror(Mirror mode);
    void stepMirror();
    // What the canvas shows over its pixels (form1_guides.cpp): the outline and the guides, and
    // where the pointer is in the status bar.
    void showOverCanvas();
    void setShowGuides(bool on);
    void showPointer();

    // Pictures in and out (form1_pictures.cpp): the commands that ask with a dialog or use the
    // clipboard, drops, and the messages of a failure.
    void askToOpen();
    void askToSaveAs();
    void copyCanvas();
    void pasteCanvas();
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void reportSaveFailure(const QString &path, const QString &reason);
    // Says where the picture was saved, and when the save it replaced was made, if any.
    void reportSaved(const QString &path, const QDateTime &replacedSave = {});
    bool reportNotTaken(const QString &source, const QString &reason); // returns false
    void reportFailure(const QString &title, const QString &text);

    // Palette commands (form1_palettes.cpp).
    void askForPalette();
    void askToEditPalette();
    void askToBrowsePalettes();
    void askToExportPalette();
    void copyPalette();
    void pastePaletteCommand();
    void showPalette(const ShownPalette &palette);
    // Draws the waves on the strip, and with Live palette the canvas follows; no step.
    void drawPalette(const PaletteWaves &waves);
    // Shows `palette` as one step that can be undone, and says so.
    void takePalette(const QString &stepName, const ShownPalette &palette);
    // Where a palette dialog opens: beside the canvas, the strip and the buttons, as the screen
    // shows them, where the screen has room.
    void placeBesideControls(QWidget *dialog) const;
    // Palettes to explore (form1_explore.cpp): variations and the palettes kept this run.
    void askForVariations();
    void keepPalette();
    void askToExportKeptPalettes();

    // The living palette (form1_livepalette.cpp).
    void setLivePalette(bool on);
    // With Live palette, the remembered pixels take their columns' colours in `waves`, and
    // the painting colour its column's on the strip.
    void followStrip(const PaletteWaves &waves);
    void followColour();
    // Cycling colours (form1_cycle.cpp). Every other palette command stops the cycle first.
    void setCycleColours(bool on);
    void showCycleFrame();
    void stopCycle();
    void askForCycleSpeed();
    void askToExportAnimation();

    // The recipe Save As writes into a PNG: empty when no pixel remembers a column.
    QByteArray pictureRecipe(qsizetype *dropped) const;

    Clock clock_;
    QString saveFolder_;
    PaletteRandom random_;       // the run's one generator, used only by the palette
    ShownPalette palette_;       // the palette on the strip
    PaletteCatalogue catalogue_; // the numbered palettes the browser shows
    QList<ShownPalette> kept_;   // the palettes kept this run, oldest first
    VariationRandom variationRandom_{std::random_device{}()}; // the variations' own generator
    QString lastFolder_;                                      // where the file dialogs open
    PictureSurface windowSurface_;
    std::optional<QPoint> strokeEnd_; // the last disc of the stroke under way
    qint64 strokeTravelled_ = 0;      // how far along its path that disc lies, in pixels
    QScrollArea *scrollArea_;         // scrolls the client area in a small window
    ClientArea *clientArea_;          // holds the controls and shows windowSurface_
    QLabel *brushSize_ = nullptr;     // names the brush-size indicator to assistive technology
    StatusLine *statusLine_ = nullptr;
    Commands commands_;
    QList<KeysRow> keysRows_;
    QMenu *historyMenu_ = nullptr;
    QString lastSavePath_; // where "save on disk D:" wrote this run, and when
    QDateTime lastSaveTime_;
    BitmapWriter pictureWriter_; // writes the saved pictures
    History history_;
    QTimer *cycleTimer_ = nullptr; // a frame of the cycle at the screen's refresh rate
    QElapsedTimer cycleClock_;     // since the cycle began
    PaletteWaves cycleStart_{};    // the waves it began from
    PaletteWaves stripWaves_{};    // the waves the strip shows, cycling or not
    ColumnRuns liveRuns_;          // the canvas's runs of one column, while Live palette is on
    quint64 liveRunsVersion_ = ~quint64(0); // the plane's version they were read from
};
