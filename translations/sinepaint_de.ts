<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>FREEHAND - PICK UP A COLOR FROM PALETTE AND DRAW IMAGE USING MOUSEDOWN ACTION</source>
        <translation>FREIHAND - FARBE AUS DER PALETTE NEHMEN UND MIT GEDRÜCKTER MAUSTASTE MALEN</translation>
    </message>
    <message>
        <source>GENERATIVE ART BY THE SINEPAINT DEVELOPERS</source>
        <translation>GENERATIVE KUNST VON DEN SINEPAINT-ENTWICKLERN</translation>
    </message>
    <message>
        <source>new image</source>
        <translation>neues Bild</translation>
    </message>
    <message>
        <source>change palette</source>
        <translation>Palette wechseln</translation>
    </message>
    <message>
        <source>change color</source>
        <translation>Farbe ersetzen</translation>
    </message>
    <message>
        <source>brush selection</source>
        <translation>Pinselauswahl</translation>
    </message>
    <message>
        <source>save on disk D:</source>
        <translation>auf D: speichern</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Drag with the left button to paint; press with the right button to pick a colour.</source>
        <translation>Mit gedrückter linker Maustaste malen; mit der rechten Maustaste eine Farbe aufnehmen.</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Leinwand</translation>
    </message>
    <message>
        <source>Palette strip</source>
        <translation>Palettenstreifen</translation>
    </message>
    <message>
        <source>Brush size</source>
        <translation>Pinselgröße</translation>
    </message>
    <message>
        <source>Change palette</source>
        <translation>Palette wechseln</translation>
    </message>
    <message>
        <source>%1 is on the strip.</source>
        <translation>%1 liegt auf dem Streifen.</translation>
    </message>
    <message>
        <source>New image</source>
        <translation>Neues Bild</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Brush radius %1</source>
        <translation>Pinselradius %1</translation>
    </message>
    <message>
        <source>: ] and [ make it larger and smaller, &quot;brush selection&quot; steps it.</source>
        <translation>: ] und [ machen ihn größer und kleiner, „Pinselauswahl“ schaltet ihn weiter.</translation>
    </message>
    <message>
        <source>Change color: your next press on the canvas turns every pixel of the colour pressed into the painting colour. Escape cancels.</source>
        <translation>Farbe ersetzen: Ihr nächster Klick auf die Leinwand färbt jedes Pixel der angeklickten Farbe in die Malfarbe um. Escape bricht ab.</translation>
    </message>
    <message>
        <source>Change color cancelled: the canvas is as it was.</source>
        <translation>Farbe ersetzen abgebrochen: Die Leinwand ist wie zuvor.</translation>
    </message>
    <message>
        <source>Change color</source>
        <translation>Farbe ersetzen</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Pinselstrich</translation>
    </message>
    <message>
        <source>Colour step</source>
        <translation>Farbschritt</translation>
    </message>
    <message>
        <source>Pixels of the stroke&apos;s path for each strip column (1 to 50):</source>
        <translation>Pixel des Strichwegs je Streifenspalte (1 bis 50):</translation>
    </message>
    <message>
        <source>Colour along the stroke: one strip column every %1 of the path.</source>
        <translation>Farbe entlang des Strichs: eine Streifenspalte alle %1 des Wegs.</translation>
    </message>
    <message>
        <source>pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>&amp;Brush/&amp;Mirror</source>
        <translation>Pi&amp;nsel/&amp;Spiegeln</translation>
    </message>
    <message>
        <source>Paint each disc again where this mirror puts it</source>
        <translation>Jede Scheibe noch einmal dort malen, wohin dieser Spiegel sie setzt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New image</source>
        <translation>&amp;Neues Bild</translation>
    </message>
    <message>
        <source>Clear the canvas for a new picture under a new name</source>
        <translation>Die Leinwand für ein neues Bild unter neuem Namen leeren</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open a picture onto the canvas (PNG, BMP, JPEG, GIF, WebP, TIFF and more)</source>
        <translation>Ein Bild auf die Leinwand öffnen (PNG, BMP, JPEG, GIF, WebP, TIFF und mehr)</translation>
    </message>
    <message>
        <source>&amp;Save on disk D:</source>
        <translation>Auf Datenträger D: &amp;speichern</translation>
    </message>
    <message>
        <source>Save the canvas as a bitmap named after the date and time, in %1</source>
        <translation>Die Leinwand als Bitmap speichern, nach Datum und Uhrzeit benannt, in %1</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save the canvas as PNG, BMP or JPEG under a name you choose</source>
        <translation>Die Leinwand als PNG, BMP oder JPEG unter einem Namen Ihrer Wahl speichern</translation>
    </message>
    <message>
        <source>&amp;Export animation…</source>
        <translation>Animation &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export one full cycle of the picture&apos;s live colours as an animated WebP or as PNG frames</source>
        <translation>Einen vollen Umlauf der lebenden Farben des Bildes als animiertes WebP oder als PNG-Einzelbilder exportieren</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Close sinepaint</source>
        <translation>sinepaint schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Take back the last stroke, colour replacement, new image, picture or palette</source>
        <translation>Den letzten Strich, die letzte Farbersetzung, das neue Bild, das Bild oder die Palette zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Do again the step undo took back</source>
        <translation>Den zurückgenommenen Schritt wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the canvas as a picture</source>
        <translation>Die Leinwand als Bild kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Paste a picture onto the canvas</source>
        <translation>Ein Bild auf die Leinwand einfügen</translation>
    </message>
    <message>
        <source>Change &amp;color</source>
        <translation>&amp;Farbe ersetzen</translation>
    </message>
    <message>
        <source>Arm a replacement: your next press on the canvas turns every pixel of the colour pressed into the painting colour</source>
        <translation>Eine Ersetzung vorbereiten: Ihr nächster Klick auf die Leinwand färbt jedes Pixel der angeklickten Farbe in die Malfarbe um</translation>
    </message>
    <message>
        <source>Ca&amp;ncel change color</source>
        <translation>Farbe ersetzen a&amp;bbrechen</translation>
    </message>
    <message>
        <source>Disarm change color, leaving the canvas as it is</source>
        <translation>Farbe ersetzen aufheben, die Leinwand bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>&amp;Palette</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>Change &amp;palette</source>
        <translation>Palette &amp;wechseln</translation>
    </message>
    <message>
        <source>Draw a new random palette on the strip</source>
        <translation>Eine neue Zufallspalette auf den Streifen legen</translation>
    </message>
    <message>
        <source>&amp;Go to palette…</source>
        <translation>&amp;Gehe zu Palette…</translation>
    </message>
    <message>
        <source>Put a numbered palette, 1 to 1,000,000, on the strip</source>
        <translation>Eine nummerierte Palette, 1 bis 1.000.000, auf den Streifen legen</translation>
    </message>
    <message>
        <source>&amp;Edit palette…</source>
        <translation>Palette &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>Change the phase, period, amplitude and offset of the strip&apos;s three waves</source>
        <translation>Phase, Periode, Amplitude und Versatz der drei Wellen des Streifens ändern</translation>
    </message>
    <message>
        <source>&amp;Browse palettes…</source>
        <translation>Paletten &amp;durchblättern…</translation>
    </message>
    <message>
        <source>Look through the kept palettes and the numbered ones, and take one</source>
        <translation>Die behaltenen und die nummerierten Paletten durchsehen und eine übernehmen</translation>
    </message>
    <message>
        <source>&amp;Variations…</source>
        <translation>&amp;Variationen…</translation>
    </message>
    <message>
        <source>See eight palettes near the strip&apos;s, and take one</source>
        <translation>Acht Paletten nahe der des Streifens sehen und eine übernehmen</translation>
    </message>
    <message>
        <source>&amp;Copy palette</source>
        <translation>Palette &amp;kopieren</translation>
    </message>
    <message>
        <source>Copy the palette as a line of text</source>
        <translation>Die Palette als Textzeile kopieren</translation>
    </message>
    <message>
        <source>Pa&amp;ste palette</source>
        <translation>Palette &amp;einfügen</translation>
    </message>
    <message>
        <source>Put the palette of a pasted line on the strip; several lines are kept</source>
        <translation>Die Palette einer eingefügten Zeile auf den Streifen legen; mehrere Zeilen werden behalten</translation>
    </message>
    <message>
        <source>&amp;Keep palette</source>
        <translation>Palette be&amp;halten</translation>
    </message>
    <message>
        <source>Keep the strip&apos;s palette for this run</source>
        <translation>Die Palette des Streifens für diese Sitzung behalten</translation>
    </message>
    <message>
        <source>&amp;Export palette…</source>
        <translation>Palette e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Export the palette as a GIMP palette, a PNG, a text line, JSON, GLSL or CSS</source>
        <translation>Die Palette als GIMP-Palette, PNG, Textzeile, JSON, GLSL oder CSS exportieren</translation>
    </message>
    <message>
        <source>Export kep&amp;t palettes…</source>
        <translation>Behaltene Paletten exp&amp;ortieren…</translation>
    </message>
    <message>
        <source>Export the kept palettes as lines of text or a folder of GIMP palettes</source>
        <translation>Die behaltenen Paletten als Textzeilen oder als Ordner mit GIMP-Paletten exportieren</translation>
    </message>
    <message>
        <source>&amp;Live palette</source>
        <translation>&amp;Lebende Palette</translation>
    </message>
    <message>
        <source>Let the painted pixels follow the strip: each shows the colour of the strip column it was painted from</source>
        <translation>Die gemalten Pixel folgen dem Streifen: Jedes zeigt die Farbe der Streifenspalte, aus der es gemalt wurde</translation>
    </message>
    <message>
        <source>C&amp;ycle colours</source>
        <translation>Farben &amp;rotieren</translation>
    </message>
    <message>
        <source>Turn the strip&apos;s colours round and round; off, the palette stays where it stopped</source>
        <translation>Die Farben des Streifens immer weiter drehen; aus, bleibt die Palette, wo sie anhielt</translation>
    </message>
    <message>
        <source>Cycle spee&amp;d…</source>
        <translation>Rotations&amp;tempo…</translation>
    </message>
    <message>
        <source>Choose how many seconds one full turn of the colours takes</source>
        <translation>Wählen, wie viele Sekunden eine volle Drehung der Farben dauert</translation>
    </message>
    <message>
        <source>&amp;Brush</source>
        <translation>Pi&amp;nsel</translation>
    </message>
    <message>
        <source>&amp;Brush selection</source>
        <translation>&amp;Pinselauswahl</translation>
    </message>
    <message>
        <source>Make the brush one step larger: radius 2 to 10, then 2 again</source>
        <translation>Den Pinsel eine Stufe größer machen: Radius 2 bis 10, dann wieder 2</translation>
    </message>
    <message>
        <source>&amp;Larger brush</source>
        <translation>&amp;Größerer Pinsel</translation>
    </message>
    <message>
        <source>Make the brush larger, up to radius 10</source>
        <translation>Den Pinsel größer machen, bis Radius 10</translation>
    </message>
    <message>
        <source>&amp;Smaller brush</source>
        <translation>&amp;Kleinerer Pinsel</translation>
    </message>
    <message>
        <source>Make the brush smaller, down to radius 2</source>
        <translation>Den Pinsel kleiner machen, bis Radius 2</translation>
    </message>
    <message>
        <source>&amp;Connected strokes</source>
        <translation>&amp;Verbundene Striche</translation>
    </message>
    <message>
        <source>Paint a disc at every pixel between two pointer positions, for unbroken strokes</source>
        <translation>An jedem Pixel zwischen zwei Zeigerpositionen eine Scheibe malen, für lückenlose Striche</translation>
    </message>
    <message>
        <source>Colour &amp;along the stroke</source>
        <translation>&amp;Farbe entlang des Strichs</translation>
    </message>
    <message>
        <source>Let the colour walk along the strip from the column picked as the stroke goes on</source>
        <translation>Die Farbe wandert im Lauf des Strichs von der gewählten Spalte aus den Streifen entlang</translation>
    </message>
    <message>
        <source>Colour s&amp;tep…</source>
        <translation>Farbs&amp;chritt…</translation>
    </message>
    <message>
        <source>Choose how many pixels of a stroke&apos;s path each strip column lasts, with colour along the stroke</source>
        <translation>Wählen, wie viele Pixel des Strichwegs jede Streifenspalte reicht, bei Farbe entlang des Strichs</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keiner</translation>
    </message>
    <message>
        <source>&amp;Left and right</source>
        <translation>&amp;Links und rechts</translation>
    </message>
    <message>
        <source>&amp;Top and bottom</source>
        <translation>&amp;Oben und unten</translation>
    </message>
    <message>
        <source>&amp;Four ways</source>
        <translation>&amp;Vierfach</translation>
    </message>
    <message>
        <source>Kaleidoscope &amp;6</source>
        <translation>Kaleidoskop &amp;6</translation>
    </message>
    <message>
        <source>Kaleidoscope &amp;8</source>
        <translation>Kaleidoskop &amp;8</translation>
    </message>
    <message>
        <source>&amp;Next mirror</source>
        <translation>&amp;Nächster Spiegel</translation>
    </message>
    <message>
        <source>Go on to the next mirror, round</source>
        <translation>Zum nächsten Spiegel weiterschalten, im Kreis</translation>
    </message>
    <message>
        <source>Show &amp;guides</source>
        <translation>&amp;Hilfslinien zeigen</translation>
    </message>
    <message>
        <source>Show the brush&apos;s outline under the pointer and the mirror&apos;s axes over the canvas</source>
        <translation>Den Umriss des Pinsels unter dem Zeiger und die Achsen des Spiegels über der Leinwand zeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Show what each button does, on the canvas</source>
        <translation>Auf der Leinwand zeigen, was jeder Knopf tut</translation>
    </message>
    <message>
        <source>&amp;Keys and commands</source>
        <translation>&amp;Tasten und Befehle</translation>
    </message>
    <message>
        <source>List every command with its menu, key and what it does</source>
        <translation>Jeden Befehl mit Menü, Taste und Wirkung auflisten</translation>
    </message>
    <message>
        <source>&amp;About sinepaint</source>
        <translation>Ü&amp;ber sinepaint</translation>
    </message>
    <message>
        <source>Show the version, the licence and the Qt the program runs on</source>
        <translation>Version, Lizenz und das Qt zeigen, auf dem das Programm läuft</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>Show Qt&apos;s own about box</source>
        <translation>Qts eigenes Info-Fenster zeigen</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>About sinepaint</source>
        <translation>Über sinepaint</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;sinepaint %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;A generative-art paint program: paint with colours from palettes whose red, green and blue are sine waves.&lt;/p&gt;&lt;p&gt;Copyright © The sinepaint developers. Licensed under the GNU General Public License, version 3 or later (GPL-3.0-or-later). This is free software: you are free to change and redistribute it. There is NO WARRANTY, to the extent permitted by law.&lt;/p&gt;&lt;p&gt;Runs on Qt %2.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;sinepaint %1&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Ein Malprogramm für generative Kunst: Malen Sie mit Farben aus Paletten, deren Rot, Grün und Blau Sinuswellen sind.&lt;/p&gt;&lt;p&gt;Copyright © Die sinepaint-Entwickler. Lizenziert unter der GNU General Public License, Version 3 oder später (GPL-3.0-or-later). Dies ist freie Software: Sie dürfen sie ändern und weitergeben. Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.&lt;/p&gt;&lt;p&gt;Läuft auf Qt %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Cycling colours: one full turn in %1 s.</source>
        <translation>Farben rotieren: eine volle Drehung in %1 s.</translation>
    </message>
    <message>
        <source>Cycle colours</source>
        <translation>Farben rotieren</translation>
    </message>
    <message>
        <source>Cycle speed</source>
        <translation>Rotationstempo</translation>
    </message>
    <message>
        <source>Seconds for one full turn of the colours (%1 to %2):</source>
        <translation>Sekunden für eine volle Drehung der Farben (%1 bis %2):</translation>
    </message>
    <message>
        <source>Animation not exported</source>
        <translation>Animation nicht exportiert</translation>
    </message>
    <message>
        <source>No pixel of the picture remembers a strip column, so its colours cannot cycle: paint with colours picked from the strip first.</source>
        <translation>Kein Pixel des Bildes kennt seine Streifenspalte, daher können seine Farben nicht rotieren: Malen Sie zuerst mit Farben vom Streifen.</translation>
    </message>
    <message>
        <source>The animation could not be written to
%1

Reason: %2

Nothing was written.</source>
        <translation>Die Animation konnte nicht geschrieben werden nach
%1

Grund: %2

Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Animation of %1 frames, one full turn in %2 s, exported to %3.</source>
        <translation>Animation aus %1 Einzelbildern, eine volle Drehung in %2 s, exportiert nach %3.</translation>
    </message>
    <message>
        <source>Export animation</source>
        <translation>Animation exportieren</translation>
    </message>
    <message>
        <source>Frames in one full turn of the colours (%1 to %2):</source>
        <translation>Einzelbilder in einer vollen Drehung der Farben (%1 bis %2):</translation>
    </message>
    <message>
        <source>Animated WebP (*.webp)</source>
        <translation>Animiertes WebP (*.webp)</translation>
    </message>
    <message>
        <source>PNG frames in a folder (*)</source>
        <translation>PNG-Einzelbilder in einem Ordner (*)</translation>
    </message>
    <message>
        <source>Folder for the frames</source>
        <translation>Ordner für die Einzelbilder</translation>
    </message>
    <message>
        <source>Exporting the animation…</source>
        <translation>Die Animation wird exportiert…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Variations</source>
        <translation>Variationen</translation>
    </message>
    <message>
        <source>%1 is kept already.</source>
        <translation>%1 ist schon behalten.</translation>
    </message>
    <message>
        <source>%1 is kept: %2 kept, first in Browse palettes.</source>
        <translation>%1 ist behalten: %2 behalten, zuerst in Paletten durchblättern.</translation>
    </message>
    <message>
        <source>Kept palettes not exported</source>
        <translation>Behaltene Paletten nicht exportiert</translation>
    </message>
    <message>
        <source>The kept palettes could not be written to
%1

Reason: %2</source>
        <translation>Die behaltenen Paletten konnten nicht geschrieben werden nach
%1

Grund: %2</translation>
    </message>
    <message>
        <source>%1 kept palettes exported to %2.</source>
        <translation>%1 behaltene Paletten exportiert nach %2.</translation>
    </message>
    <message>
        <source>No kept palettes</source>
        <translation>Keine behaltenen Paletten</translation>
    </message>
    <message>
        <source>No palette is kept yet: Palette → Keep palette (Ctrl+K) keeps the one on the strip.</source>
        <translation>Noch ist keine Palette behalten: Palette → Palette behalten (Strg+K) behält die auf dem Streifen.</translation>
    </message>
    <message>
        <source>Export kept palettes</source>
        <translation>Behaltene Paletten exportieren</translation>
    </message>
    <message>
        <source>Palette lines, one a line (*.txt);;GIMP palettes, one a file, into a folder (*)</source>
        <translation>Palettenzeilen, eine je Zeile (*.txt);;GIMP-Paletten, eine je Datei, in einen Ordner (*)</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>
Press to pick the colour under the pointer.</source>
        <translation>
Klicken, um die Farbe unter dem Zeiger aufzunehmen.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>No steps yet</source>
        <translation>Noch keine Schritte</translation>
    </message>
    <message>
        <source>Undone: %1 steps, %2.</source>
        <translation>Rückgängig gemacht: %1 Schritte, %2.</translation>
    </message>
    <message>
        <source>Redone: %1 steps, %2.</source>
        <translation>Wiederholt: %1 Schritte, %2.</translation>
    </message>
    <message>
        <source>back to the start</source>
        <translation>zurück zum Anfang</translation>
    </message>
    <message>
        <source>to just after </source>
        <translation>bis direkt nach </translation>
    </message>
    <message>
        <source>Live palette</source>
        <translation>Lebende Palette</translation>
    </message>
    <message>
        <source>Go to palette</source>
        <translation>Gehe zu Palette</translation>
    </message>
    <message>
        <source>Palette not pasted</source>
        <translation>Palette nicht eingefügt</translation>
    </message>
    <message>
        <source>The clipboard holds no palette.

%1</source>
        <translation>Die Zwischenablage enthält keine Palette.

%1</translation>
    </message>
    <message>
        <source>Line %1 of the clipboard is no palette, so none is taken.

%2</source>
        <translation>Zeile %1 der Zwischenablage ist keine Palette, daher wird keine übernommen.

%2</translation>
    </message>
    <message>
        <source>Paste palette</source>
        <translation>Palette einfügen</translation>
    </message>
    <message>
        <source>%1 palettes kept; %2 is on the strip.</source>
        <translation>%1 Paletten behalten; %2 liegt auf dem Streifen.</translation>
    </message>
    <message>
        <source>Palette not exported</source>
        <translation>Palette nicht exportiert</translation>
    </message>
    <message>
        <source>The palette could not be written to
%1

Reason: %2</source>
        <translation>Die Palette konnte nicht geschrieben werden nach
%1

Grund: %2</translation>
    </message>
    <message>
        <source>Palette number (%1 to %2):</source>
        <translation>Palettennummer (%1 bis %2):</translation>
    </message>
    <message>
        <source>Edit palette</source>
        <translation>Palette bearbeiten</translation>
    </message>
    <message>
        <source>Browse palettes</source>
        <translation>Paletten durchblättern</translation>
    </message>
    <message>
        <source>Export palette</source>
        <translation>Palette exportieren</translation>
    </message>
    <message>
        <source>GIMP palette swatches</source>
        <translation>Farbfelder der GIMP-Palette</translation>
    </message>
    <message>
        <source>Swatches, taken at evenly spaced columns (%1 to %2):</source>
        <translation>Farbfelder, aus gleichmäßig verteilten Spalten (%1 bis %2):</translation>
    </message>
    <message>
        <source>Picture not opened</source>
        <translation>Bild nicht geöffnet</translation>
    </message>
    <message>
        <source>%1
could not be opened.

%2</source>
        <translation>%1
konnte nicht geöffnet werden.

%2</translation>
    </message>
    <message>
        <source>its palette and strip columns are damaged</source>
        <translation>seine Palette und Streifenspalten sind beschädigt</translation>
    </message>
    <message>
        <source>its strip columns are for a picture of another size</source>
        <translation>seine Streifenspalten gehören zu einem Bild anderer Größe</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Picture opened from %1 with its palette: %2 is on the strip.</source>
        <translation>Bild aus %1 mit seiner Palette geöffnet: %2 liegt auf dem Streifen.</translation>
    </message>
    <message>
        <source>Picture opened from %1 without its palette: %2.</source>
        <translation>Bild aus %1 ohne seine Palette geöffnet: %2.</translation>
    </message>
    <message>
        <source>Picture opened from %1.</source>
        <translation>Bild aus %1 geöffnet.</translation>
    </message>
    <message>
        <source>The picture from %1 could not be taken.

%2</source>
        <translation>Das Bild aus %1 konnte nicht übernommen werden.

%2</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>der Zwischenablage</translation>
    </message>
    <message>
        <source>The clipboard holds text, not a picture.</source>
        <translation>Die Zwischenablage enthält Text, kein Bild.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <source>Picture not saved</source>
        <translation>Bild nicht gespeichert</translation>
    </message>
    <message>
        <source>The picture was not saved as
%1

%2</source>
        <translation>Das Bild wurde nicht gespeichert als
%1

%2</translation>
    </message>
    <message>
        <source> %1 painted pixels no longer showed their strip columns&apos; colours and were saved without them: turn on Live palette first to keep them.</source>
        <translation> %1 gemalte Pixel zeigten nicht mehr die Farben ihrer Streifenspalten und wurden ohne sie gespeichert: Schalten Sie zuerst Lebende Palette ein, um sie zu behalten.</translation>
    </message>
    <message>
        <source>Save picture as</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>the drop</source>
        <translation>dem Abgelegten</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

Reason: %2

Your drawing is still here: free some space or make the folder writable, then save again.</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1

Grund: %2

Ihre Zeichnung ist noch da: Schaffen Sie Platz oder machen Sie den Ordner beschreibbar, dann speichern Sie erneut.</translation>
    </message>
    <message>
        <source>Picture saved again as %1, replacing the save of %2.</source>
        <translation>Bild erneut als %1 gespeichert, anstelle der Speicherung von %2.</translation>
    </message>
    <message>
        <source>Picture saved as %1.</source>
        <translation>Bild als %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>HelpOverlay</name>
    <message>
        <source>COMMAND BUTTONS</source>
        <translation>BEFEHLSKNÖPFE</translation>
    </message>
    <message>
        <source>new image: clear the canvas and prepare picture name</source>
        <translation>neues Bild: Leinwand leeren, Bildnamen vorbereiten</translation>
    </message>
    <message>
        <source>change palette: select new random generated palette</source>
        <translation>Palette wechseln: neue Zufallspalette wählen</translation>
    </message>
    <message>
        <source>change color: click the button, pick up the color form palete, click on image</source>
        <translation>Farbe ersetzen: Knopf, Palettenfarbe, dann Bild anklicken</translation>
    </message>
    <message>
        <source>brush selection: select brush dimension</source>
        <translation>Pinselauswahl: Pinselgröße wählen</translation>
    </message>
    <message>
        <source>save on disk D: save the image as TYearMoDaHoMiSe.jpg (it takes some seconds)</source>
        <translation>auf D: speichern: Bild als TYearMoDaHoMiSe.jpg sichern</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Keys and commands</source>
        <translation>Tasten und Befehle</translation>
    </message>
    <message>
        <source>Type to search the commands</source>
        <translation>Tippen, um die Befehle zu durchsuchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Was er tut</translation>
    </message>
</context>
<context>
    <name>Mirror</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Left and right</source>
        <translation>Links und rechts</translation>
    </message>
    <message>
        <source>Top and bottom</source>
        <translation>Oben und unten</translation>
    </message>
    <message>
        <source>Four ways</source>
        <translation>Vierfach</translation>
    </message>
    <message>
        <source>Kaleidoscope 6</source>
        <translation>Kaleidoskop 6</translation>
    </message>
    <message>
        <source>Kaleidoscope 8</source>
        <translation>Kaleidoskop 8</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>A GIMP palette holds 2 to 525 swatches.</source>
        <translation>Eine GIMP-Palette hat 2 bis 525 Farbfelder.</translation>
    </message>
    <message>
        <source>The name must end in .gpl (a GIMP palette), .png (a picture one pixel high), .txt (the palette&apos;s line), .json, .glsl or .css.</source>
        <translation>Der Name muss auf .gpl (eine GIMP-Palette), .png (ein Bild, ein Pixel hoch), .txt (die Zeile der Palette), .json, .glsl oder .css enden.</translation>
    </message>
    <message>
        <source>GIMP palette (*.gpl)</source>
        <translation>GIMP-Palette (*.gpl)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Palette line (*.txt)</source>
        <translation>Palettenzeile (*.txt)</translation>
    </message>
    <message>
        <source>JSON for code (*.json)</source>
        <translation>JSON für Code (*.json)</translation>
    </message>
    <message>
        <source>GLSL function (*.glsl)</source>
        <translation>GLSL-Funktion (*.glsl)</translation>
    </message>
    <message>
        <source>CSS gradient (*.css)</source>
        <translation>CSS-Verlauf (*.css)</translation>
    </message>
    <message>
        <source>The %1 %2 %3 is too large: the largest is %4.</source>
        <translation>%1 %2 %3 ist zu groß: höchstens %4.</translation>
    </message>
    <message>
        <source>The %1 %2 %3 is too near zero: %4.</source>
        <translation>%1 %2 %3 ist zu nahe an null: %4.</translation>
    </message>
    <message>
        <source>It is not a palette line. A palette line reads like this:
sinepaint palette 1: red phase 0.5 period 30; green phase 1 period 40; blue phase 2 period 50</source>
        <translation>Das ist keine Palettenzeile. Eine Palettenzeile sieht so aus:
sinepaint palette 1: red phase 0.5 period 30; green phase 1 period 40; blue phase 2 period 50</translation>
    </message>
    <message>
        <source>The palette number %1 is not a whole number from %2 to %3.</source>
        <translation>Die Palettennummer %1 ist keine ganze Zahl von %2 bis %3.</translation>
    </message>
    <message>
        <source>write 0 for it</source>
        <translation>schreiben Sie 0 dafür</translation>
    </message>
    <message>
        <source>the strip would have no colours</source>
        <translation>der Streifen hätte keine Farben</translation>
    </message>
    <message>
        <source>The %1 phase %2 is not a finite number.</source>
        <translation>%1 phase %2 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>The %1 period %2 is not a finite number.</source>
        <translation>%1 period %2 ist keine endliche Zahl.</translation>
    </message>
    <message>
        <source>The %1 period %2 is too near zero: the strip would have no colours.</source>
        <translation>%1 period %2 ist zu nahe an null: Der Streifen hätte keine Farben.</translation>
    </message>
    <message>
        <source>The %1 %2 %3 is not a number from 0 to 255.</source>
        <translation>%1 %2 %3 ist keine Zahl von 0 bis 255.</translation>
    </message>
    <message>
        <source>Palette %1</source>
        <translation>Palette %1</translation>
    </message>
    <message>
        <source> (changed)</source>
        <translation> (geändert)</translation>
    </message>
    <message>
        <source>its palette and strip columns are damaged</source>
        <translation>seine Palette und Streifenspalten sind beschädigt</translation>
    </message>
    <message>
        <source>its palette and strip columns are in a form this version cannot read</source>
        <translation>seine Palette und Streifenspalten liegen in einer Form vor, die diese Version nicht lesen kann</translation>
    </message>
    <message>
        <source>its palette line cannot be read: %1</source>
        <translation>seine Palettenzeile kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>its strip columns are for a picture of another size</source>
        <translation>seine Streifenspalten gehören zu einem Bild anderer Größe</translation>
    </message>
    <message>
        <source>its strip columns name a column past the strip&apos;s last, %1</source>
        <translation>seine Streifenspalten nennen eine Spalte jenseits der letzten des Streifens, %1</translation>
    </message>
    <message>
        <source>its pixels no longer show its palette&apos;s colours (%1 differ), as if changed by another program</source>
        <translation>seine Pixel zeigen nicht mehr die Farben seiner Palette (%1 weichen ab), als hätte ein anderes Programm sie geändert</translation>
    </message>
</context>
<context>
    <name>PaletteBrowser</name>
    <message>
        <source>Browse palettes</source>
        <translation>Paletten durchblättern</translation>
    </message>
    <message>
        <source>The kept palettes, then the numbered ones, 1 to 1,000,000, as the strip shows them. The strip shows the palette you move to; double-click it, or press Enter, to take it; Escape puts the strip back.</source>
        <translation>Die behaltenen Paletten, dann die nummerierten, 1 bis 1.000.000, wie der Streifen sie zeigt. Der Streifen zeigt die Palette, zu der Sie gehen; ein Doppelklick oder Enter übernimmt sie; Escape stellt den Streifen wieder her.</translation>
    </message>
    <message>
        <source>&amp;Go to number:</source>
        <translation>&amp;Gehe zu Nummer:</translation>
    </message>
</context>
<context>
    <name>PaletteEditor</name>
    <message>
        <source>phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Phase (radians)</source>
        <translation>Phase (Radiant)</translation>
    </message>
    <message>
        <source>period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Period (columns a radian)</source>
        <translation>Periode (Spalten je Radiant)</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>&amp;Red</source>
        <translation>&amp;Rot</translation>
    </message>
    <message>
        <source>&amp;Green</source>
        <translation>&amp;Grün</translation>
    </message>
    <message>
        <source>&amp;Blue</source>
        <translation>&amp;Blau</translation>
    </message>
    <message>
        <source>Edit palette</source>
        <translation>Palette bearbeiten</translation>
    </message>
    <message>
        <source>%1. Each channel is a sine wave along the strip: its phase is where the wave starts, its period how many columns make one radian, its amplitude how far it swings about its offset. Type a number, then Tab or a pause; the strip follows every change.</source>
        <translation>%1. Jeder Kanal ist eine Sinuswelle entlang des Streifens: Die Phase ist, wo die Welle beginnt, die Periode, wie viele Spalten einen Radiant ergeben, die Amplitude, wie weit sie um ihren Versatz schwingt. Tippen Sie eine Zahl, dann Tab oder eine Pause; der Streifen folgt jeder Änderung.</translation>
    </message>
    <message>
        <source>Back to the numbered palette&apos;s own waves</source>
        <translation>Zurück zu den eigenen Wellen der nummerierten Palette</translation>
    </message>
    <message>
        <source>%1 is not taken: the %2 %3 is a number from %4 to %5%6.</source>
        <translation>%1 wird nicht übernommen: %3 (%2) ist eine Zahl von %4 bis %5%6.</translation>
    </message>
    <message>
        <source>, not 0</source>
        <translation>, nicht 0</translation>
    </message>
</context>
<context>
    <name>PaletteStripList</name>
    <message>
        <source>Palettes</source>
        <translation>Paletten</translation>
    </message>
    <message>
        <source>Kept %1: %2</source>
        <translation>Behalten %1: %2</translation>
    </message>
    <message>
        <source>kept %1</source>
        <translation>behalten %1</translation>
    </message>
</context>
<context>
    <name>PictureFiles</name>
    <message>
        <source>The export was cancelled.</source>
        <translation>Der Export wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The WebP encoder could not be set up.</source>
        <translation>Der WebP-Kodierer konnte nicht eingerichtet werden.</translation>
    </message>
    <message>
        <source>Frame %1 could not be encoded.</source>
        <translation>Einzelbild %1 konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The animation could not be put together.</source>
        <translation>Die Animation konnte nicht zusammengesetzt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Frame %1 could not be written.</source>
        <translation>Einzelbild %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Frame %1 could not be put in place.</source>
        <translation>Einzelbild %1 konnte nicht an seinen Platz gebracht werden.</translation>
    </message>
    <message>
        <source>An animation is written as a .webp file or into a folder, not as %1.</source>
        <translation>Eine Animation wird als .webp-Datei oder in einen Ordner geschrieben, nicht als %1.</translation>
    </message>
    <message>
        <source>a file without an ending</source>
        <translation>eine Datei ohne Endung</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>An animation has at least one frame.</source>
        <translation>Eine Animation hat mindestens ein Einzelbild.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist and could not be created.</source>
        <translation>Der Ordner %1 existiert nicht und konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The finished file could not be put in place.</source>
        <translation>Die fertige Datei konnte nicht an ihren Platz gebracht werden.</translation>
    </message>
    <message>
        <source>its pixel data leaves pixels undefined</source>
        <translation>seine Pixeldaten lassen Pixel undefiniert</translation>
    </message>
    <message>
        <source>it holds no picture data</source>
        <translation>es enthält keine Bilddaten</translation>
    </message>
    <message>
        <source>The picture has more than %1 scans; pictures of up to %1 scans can be opened.</source>
        <translation>Das Bild hat mehr als %1 Scans; Bilder mit bis zu %1 Scans können geöffnet werden.</translation>
    </message>
    <message>
        <source>It is not a picture in a format this program can read.</source>
        <translation>Es ist kein Bild in einem Format, das dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>It is a folder</source>
        <translation>Es ist ein Ordner</translation>
    </message>
    <message>
        <source>It is a named pipe</source>
        <translation>Es ist eine benannte Pipe</translation>
    </message>
    <message>
        <source>It is a socket</source>
        <translation>Es ist ein Socket</translation>
    </message>
    <message>
        <source>It is a device</source>
        <translation>Es ist ein Gerät</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>It is a file of the system&apos;s process information (under /proc), not a picture file.</source>
        <translation>Es ist eine Datei der Prozessinformationen des Systems (unter /proc), keine Bilddatei.</translation>
    </message>
    <message>
        <source>It is a file of the system&apos;s device information (under /sys), not a picture file.</source>
        <translation>Es ist eine Datei der Geräteinformationen des Systems (unter /sys), keine Bilddatei.</translation>
    </message>
    <message>
        <source>The picture is %1 × %2 pixels; pictures of up to %3 million pixels can be opened.</source>
        <translation>Das Bild hat %1 × %2 Pixel; Bilder mit bis zu %3 Millionen Pixeln können geöffnet werden.</translation>
    </message>
    <message>
        <source>, not a picture file.</source>
        <translation>, keine Bilddatei.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It cannot be opened: %1.</source>
        <translation>Sie kann nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source>It cannot be read.</source>
        <translation>Sie kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is %1 bytes; picture files of up to 1 GiB (%2 bytes) can be opened.</source>
        <translation>Die Datei hat %1 Bytes; Bilddateien bis 1 GiB (%2 Bytes) können geöffnet werden.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>It could not be read to its end.</source>
        <translation>Sie konnte nicht bis zum Ende gelesen werden.</translation>
    </message>
    <message>
        <source>It holds no data.</source>
        <translation>Sie enthält keine Daten.</translation>
    </message>
    <message>
        <source>It holds no picture.</source>
        <translation>Sie enthält kein Bild.</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.jpe *.jfif *.gif *.bmp *.dib *.webp *.tif *.tiff *.ico *.cur *.tga *.pbm *.pgm *.ppm *.pnm)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.jpe *.jfif *.gif *.bmp *.dib *.webp *.tif *.tiff *.ico *.cur *.tga *.pbm *.pgm *.ppm *.pnm)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Pictures are saved as .png, .bmp or .jpg, not as .%1.</source>
        <translation>Bilder werden als .png, .bmp oder .jpg gespeichert, nicht als .%1.</translation>
    </message>
    <message>
        <source>The picture could not be encoded (%1).</source>
        <translation>Das Bild konnte nicht kodiert werden (%1).</translation>
    </message>
    <message>
        <source>its end is missing</source>
        <translation>sein Ende fehlt</translation>
    </message>
    <message>
        <source>its pixel data ends before the picture does</source>
        <translation>seine Pixeldaten enden vor dem Bild</translation>
    </message>
    <message>
        <source>The picture is damaged and cannot be read.</source>
        <translation>Das Bild ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture is incomplete: %1.</source>
        <translation>Das Bild ist unvollständig: %1.</translation>
    </message>
    <message>
        <source>its data does not cover the picture</source>
        <translation>seine Daten decken das Bild nicht ab</translation>
    </message>
    <message>
        <source>The picture&apos;s data is stored in a way this program does not read.</source>
        <translation>Die Daten des Bildes sind auf eine Weise gespeichert, die dieses Programm nicht liest.</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Pointer position</source>
        <translation>Zeigerposition</translation>
    </message>
    <message>
        <source>Colour under the pointer</source>
        <translation>Farbe unter dem Zeiger</translation>
    </message>
    <message>
        <source>The colour under the pointer</source>
        <translation>Die Farbe unter dem Zeiger</translation>
    </message>
    <message>
        <source>Painting colour</source>
        <translation>Malfarbe</translation>
    </message>
    <message>
        <source>The painting colour: %1</source>
        <translation>Die Malfarbe: %1</translation>
    </message>
    <message>
        <source>Brush radius %1</source>
        <translation>Pinselradius %1</translation>
    </message>
    <message>
        <source>%1 · Mirror: %2%3%4</source>
        <translation>%1 · Spiegel: %2%3%4</translation>
    </message>
    <message>
        <source>Connected strokes</source>
        <translation>Verbundene Striche</translation>
    </message>
    <message>
        <source>Separate discs</source>
        <translation>Einzelne Scheiben</translation>
    </message>
    <message>
        <source> · Colour along the stroke</source>
        <translation> · Farbe entlang des Strichs</translation>
    </message>
    <message>
        <source> · Live palette</source>
        <translation> · Lebende Palette</translation>
    </message>
</context>
<context>
    <name>VariationGrid</name>
    <message>
        <source>Variations</source>
        <translation>Variationen</translation>
    </message>
    <message>
        <source>The palette as it is</source>
        <translation>Die Palette, wie sie ist</translation>
    </message>
    <message>
        <source>Variation %1</source>
        <translation>Variation %1</translation>
    </message>
</context>
<context>
    <name>VariationsDialog</name>
    <message>
        <source>Variations</source>
        <translation>Variationen</translation>
    </message>
    <message>
        <source>%1 in the middle, eight variations around it. Click one, or move with the arrow keys and press Enter, to take it; More draws eight new; Escape takes none.</source>
        <translation>%1 in der Mitte, acht Variationen darum. Klicken Sie eine an oder gehen Sie mit den Pfeiltasten hin und drücken Enter, um sie zu übernehmen; Mehr zieht acht neue; Escape übernimmt keine.</translation>
    </message>
    <message>
        <source>&amp;More</source>
        <translation>&amp;Mehr</translation>
    </message>
</context>
<context>
    <name>WavePlot</name>
    <message>
        <source>The waves</source>
        <translation>Die Wellen</translation>
    </message>
</context>
</TS>
