<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QtPlatform</name>
    <message>
        <source>filled</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>dealt</source>
        <translation>ausgeteilt</translation>
    </message>
    <message>
        <source>current</source>
        <translation>aktuell</translation>
    </message>
</context>
<context>
    <name>fitzel</name>
    <message>
        <source>Fitzel! - Error</source>
        <translation>Fitzel! – Fehler</translation>
    </message>
    <message>
        <source>Fitzel! cannot go on: a data file is missing or broken.

File: %1
Fault: %2</source>
        <translation>Fitzel! kann nicht weiterlaufen: Eine Datendatei fehlt oder ist beschädigt.

Datei: %1
Fehler: %2</translation>
    </message>
    <message>
        <source>Please enter the number of the deal, from 1 to %1.     </source>
        <translation>Bitte geben Sie die Nummer der Partie ein, von 1 bis %1.     </translation>
    </message>
    <message>
        <source>Fitzel! - Deal by Number.</source>
        <translation>Fitzel! – Partie nach Nummer.</translation>
    </message>
    <message>
        <source>A deal number is a whole number from 1 to %1.     </source>
        <translation>Eine Partienummer ist eine ganze Zahl von 1 bis %1.     </translation>
    </message>
    <message>
        <source>Fitzel! - Par.</source>
        <translation>Fitzel! – Par.</translation>
    </message>
    <message>
        <source>Par for deal %1: %2. Your score: %3.     </source>
        <translation>Par für Partie %1: %2. Ihre Punktzahl: %3.     </translation>
    </message>
    <message>
        <source>Par for deal %1: at least %2. Your score: %3.     </source>
        <translation>Par für Partie %1: mindestens %2. Ihre Punktzahl: %3.     </translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket)</source>
        <translation>Es ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Another copy of Fitzel! is saving its scores</source>
        <translation>Ein anderes laufendes Fitzel! speichert gerade seine Punkte</translation>
    </message>
    <message>
        <source>The lock file cannot be made</source>
        <translation>Die Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>A game is still in progress! Are you sure you want to exit?     </source>
        <translation>Es läuft noch ein Spiel! Wollen Sie wirklich beenden?     </translation>
    </message>
    <message>
        <source>Fitzel! - Exit?</source>
        <translation>Fitzel! – Beenden?</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>too large: more than %1 MiB</source>
        <translation>zu groß: mehr als %1 MiB</translation>
    </message>
    <message>
        <source>Not a picture that can be loaded (%1)</source>
        <translation>Kein Bild, das sich laden lässt (%1)</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>zu groß: %1 × %2</translation>
    </message>
    <message>
        <source>a bitmap header that does not hold together (%1 x %2)</source>
        <translation>ein Bitmap-Kopf, der nicht stimmig ist (%1 × %2)</translation>
    </message>
    <message>
        <source>cut short: %1 bytes of the %2 its header promises</source>
        <translation>abgeschnitten: %1 Byte von den %2, die sein Kopf verspricht</translation>
    </message>
    <message>
        <source>The first 35 lines are not within the file&apos;s first MiB.</source>
        <translation>Die ersten 35 Zeilen liegen nicht im ersten MiB der Datei.</translation>
    </message>
    <message>
        <source>The file holds %1 lines; the game needs 35.</source>
        <translation>Die Datei enthält %1 Zeilen; das Spiel braucht 35.</translation>
    </message>
    <message>
        <source>Game Over - No Pieces Left!     </source>
        <translation>Spiel vorbei – keine Teile mehr übrig!     </translation>
    </message>
    <message>
        <source>Fitzel! - Game Over!</source>
        <translation>Fitzel! – Spiel vorbei!</translation>
    </message>
    <message>
        <source>Time Left
%1</source>
        <translation>Restzeit
%1</translation>
    </message>
    <message>
        <source>Score
%1</source>
        <translation>Punkte
%1</translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Bitte geben Sie Ihren Namen ein.     </translation>
    </message>
    <message>
        <source>Fitzel! - Player Name.</source>
        <translation>Fitzel! – Spielername.</translation>
    </message>
    <message>
        <source>You got the high score!     </source>
        <translation>Sie haben die höchste Punktzahl erreicht!     </translation>
    </message>
    <message>
        <source>Fitzel! - High Score!</source>
        <translation>Fitzel! – Rekord!</translation>
    </message>
    <message>
        <source>The high scores could not be saved in %1: %2     </source>
        <translation>Die Bestenliste konnte nicht in %1 gespeichert werden: %2     </translation>
    </message>
    <message>
        <source>Fitzel! - Scores Not Saved!</source>
        <translation>Fitzel! – Punkte nicht gespeichert!</translation>
    </message>
    <message>
        <source>Your score no longer makes the table: another game has stored better scores meanwhile.     </source>
        <translation>Ihre Punktzahl reicht nicht mehr für die Bestenliste: Ein anderes Spiel hat inzwischen bessere Ergebnisse gespeichert.     </translation>
    </message>
    <message>
        <source>Fitzel! - High Scores.</source>
        <translation>Fitzel! – Bestenliste.</translation>
    </message>
    <message>
        <source>the program&apos;s folder takes no new files, and there is no home folder to keep them in</source>
        <translation>der Ordner des Programms nimmt keine neuen Dateien auf, und es gibt keinen persönlichen Ordner dafür</translation>
    </message>
    <message>
        <source>There is not room enough on the disk for it</source>
        <translation>Auf dem Datenträger ist nicht genug Platz dafür</translation>
    </message>
</context>
<context>
    <name>fitzel::BoardOverlay</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Cursor on cell %1, %2, %3</source>
        <translation>Cursor auf Feld %1, %2, %3</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>belegt</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>the piece fits</source>
        <translation>das Teil passt</translation>
    </message>
    <message>
        <source>the piece does not fit</source>
        <translation>das Teil passt nicht</translation>
    </message>
</context>
<context>
    <name>fitzel::DealMenu</name>
    <message>
        <source>&amp;Deals</source>
        <translation>&amp;Partien</translation>
    </message>
    <message>
        <source>&amp;Replay Last Deal</source>
        <translation>Letzte Partie &amp;wiederholen</translation>
    </message>
    <message>
        <source>Deal by &amp;Number...</source>
        <translation>Partie nach &amp;Nummer…</translation>
    </message>
    <message>
        <source>&amp;Watch the Par Play</source>
        <translation>Par-Spiel an&amp;sehen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Show &amp;Par After the Game</source>
        <translation>&amp;Par nach dem Spiel zeigen</translation>
    </message>
</context>
<context>
    <name>fitzel::ParHint</name>
    <message>
        <source>A game played with hints does not enter the high-score table! Are you sure you want a hint?     </source>
        <translation>Ein Spiel mit Tipps kommt nicht in die Bestenliste! Wollen Sie wirklich einen Tipp?     </translation>
    </message>
    <message>
        <source>Fitzel! - Hint?</source>
        <translation>Fitzel! – Tipp?</translation>
    </message>
    <message>
        <source>Hint: cell %1</source>
        <translation>Tipp: Feld %1</translation>
    </message>
    <message>
        <source>Hint: skip</source>
        <translation>Tipp: passen</translation>
    </message>
    <message>
        <source>Hint: let the time run out</source>
        <translation>Tipp: die Zeit ablaufen lassen</translation>
    </message>
</context>
<context>
    <name>fitzel::ParWatch</name>
    <message>
        <source>A game is still in progress! Are you sure you want to watch the par play of its deal?     </source>
        <translation>Es läuft noch ein Spiel! Wollen Sie wirklich das Par-Spiel seiner Partie ansehen?     </translation>
    </message>
    <message>
        <source>Fitzel! - Watch the Par Play?</source>
        <translation>Fitzel! – Par-Spiel ansehen?</translation>
    </message>
    <message>
        <source>The par play of deal %1 scored %2.     </source>
        <translation>Das Par-Spiel der Partie %1 erzielte %2 Punkte.     </translation>
    </message>
    <message>
        <source>Fitzel! - Par.</source>
        <translation>Fitzel! – Par.</translation>
    </message>
    <message>
        <source>Par play: let the time run out</source>
        <translation>Par-Spiel: die Zeit ablaufen lassen</translation>
    </message>
    <message>
        <source>Par play: cell %1</source>
        <translation>Par-Spiel: Feld %1</translation>
    </message>
    <message>
        <source>Par play: skip</source>
        <translation>Par-Spiel: passen</translation>
    </message>
</context>
<context>
    <name>fitzel::frmAbout</name>
    <message>
        <source>Fitzel! - About.</source>
        <translation>Fitzel! – Über das Spiel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo…</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>Fitzel!</source>
        <translation>Fitzel!</translation>
    </message>
    <message>
        <source>Fitzel!  A game with &apos;Quadrel&apos; style pieces that you must fit into a grid to create blocks!</source>
        <translation>Fitzel!  Ein Spiel mit Teilen im Stil von „Quadrel“, die Sie in ein Gitter einpassen müssen, um Blöcke zu bilden!</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Fitzel developers</source>
        <translation>Copyright © 2026 Die Fitzel-Entwickler</translation>
    </message>
    <message>
        <source>The picture is too narrow to hold three cells.</source>
        <translation>Das Bild ist zu schmal für drei Felder.</translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Die Systeminformationen sind derzeit nicht verfügbar.     </translation>
    </message>
</context>
<context>
    <name>fitzel::frmHelp</name>
    <message>
        <source>Fitzel! - How To Play.</source>
        <translation>Fitzel! – Spielanleitung.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Anleitung:</translation>
    </message>
    <message>
        <source>The top part of the display shows 35 pieces that are selected at random, for you to
fit onto the main board.  As they are selected they will appear in the smaller grid
(3x3) to show you they key square, which is in the center.  You must now click 
somewhere on the main board to fit the piece, eith the centre square on the small
grid appearing where you click on the main grid, only if the piece fits without
hitting another piece, or going off the edge.  Points are awarded for blocks of
9 (3x3) - 30 pts, 6 (3x2 or 2x3) - 15 pts, and 4 (2x2) - 5 pts.  As points are
awarded, the blocks will be removed making room to continue.  The game ends
when there are no more pieces left to place.</source>
        <translation>Im oberen Teil der Anzeige erscheinen 35 zufällig ausgewählte Teile, die Sie auf das
Hauptspielfeld setzen. Jedes ausgewählte Teil erscheint im kleinen Gitter (3x3), das
Ihnen sein Schlüsselfeld in der Mitte zeigt. Klicken Sie dann auf das Hauptspielfeld,
um das Teil einzupassen: Das mittlere Feld des kleinen Gitters kommt dorthin, wo Sie
klicken – aber nur, wenn das Teil kein anderes Teil überdeckt und nicht über den
Rand ragt. Punkte gibt es für Blöcke aus 9 (3x3) – 30 Punkte, 6 (3x2 oder 2x3) –
15 Punkte und 4 (2x2) – 5 Punkte. Sobald die Punkte vergeben sind, verschwinden die
Blöcke und machen Platz zum Weiterspielen. Das Spiel endet, wenn keine Teile mehr
zu setzen sind.</translation>
    </message>
</context>
<context>
    <name>fitzel::frmMain</name>
    <message>
        <source>Fitzel!</source>
        <translation>Fitzel!</translation>
    </message>
    <message>
        <source>Piece %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <source>Board cell %1</source>
        <translation>Spielfeld, Feld %1</translation>
    </message>
    <message>
        <source>no game yet</source>
        <translation>noch kein Spiel</translation>
    </message>
    <message>
        <source>Preview cell %1</source>
        <translation>Vorschau, Feld %1</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Show Placement &amp;Preview</source>
        <translation>&amp;Vorschau der Platzierung zeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>Show High Scores</source>
        <translation>Bestenliste zeigen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Fitzel!</translation>
    </message>
</context>
<context>
    <name>fitzel::frmScores</name>
    <message>
        <source>Fitzel! - Scores.</source>
        <translation>Fitzel! – Bestenliste.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
