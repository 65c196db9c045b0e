<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QtPlatform</name>
    <message>
        <source>filled</source>
        <translation>ocupada</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>dealt</source>
        <translation>repartida</translation>
    </message>
    <message>
        <source>current</source>
        <translation>actual</translation>
    </message>
</context>
<context>
    <name>fitzel</name>
    <message>
        <source>Fitzel! - Error</source>
        <translation>Fitzel! – Error</translation>
    </message>
    <message>
        <source>Fitzel! cannot go on: a data file is missing or broken.

File: %1
Fault: %2</source>
        <translation>Fitzel! no puede continuar: falta un archivo de datos o está dañado.

Archivo: %1
Error: %2</translation>
    </message>
    <message>
        <source>Please enter the number of the deal, from 1 to %1.     </source>
        <translation>Introduzca el número del reparto, del 1 al %1.     </translation>
    </message>
    <message>
        <source>Fitzel! - Deal by Number.</source>
        <translation>Fitzel! – Reparto por número.</translation>
    </message>
    <message>
        <source>A deal number is a whole number from 1 to %1.     </source>
        <translation>Un número de reparto es un número entero del 1 al %1.     </translation>
    </message>
    <message>
        <source>Fitzel! - Par.</source>
        <translation>Fitzel! – Par.</translation>
    </message>
    <message>
        <source>Par for deal %1: %2. Your score: %3.     </source>
        <translation>Par del reparto %1: %2. Su puntuación: %3.     </translation>
    </message>
    <message>
        <source>Par for deal %1: at least %2. Your score: %3.     </source>
        <translation>Par del reparto %1: al menos %2. Su puntuación: %3.     </translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket)</source>
        <translation>No es un archivo normal (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Another copy of Fitzel! is saving its scores</source>
        <translation>Otra copia de Fitzel! está guardando sus puntuaciones</translation>
    </message>
    <message>
        <source>The lock file cannot be made</source>
        <translation>No se puede crear el archivo de bloqueo</translation>
    </message>
    <message>
        <source>A game is still in progress! Are you sure you want to exit?     </source>
        <translation>¡Todavía hay una partida en curso! ¿Seguro que quiere salir?     </translation>
    </message>
    <message>
        <source>Fitzel! - Exit?</source>
        <translation>Fitzel! – ¿Salir?</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>too large: more than %1 MiB</source>
        <translation>demasiado grande: más de %1 MiB</translation>
    </message>
    <message>
        <source>Not a picture that can be loaded (%1)</source>
        <translation>No es una imagen que se pueda cargar (%1)</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>demasiado grande: %1 × %2</translation>
    </message>
    <message>
        <source>a bitmap header that does not hold together (%1 x %2)</source>
        <translation>una cabecera de mapa de bits incoherente (%1 × %2)</translation>
    </message>
    <message>
        <source>cut short: %1 bytes of the %2 its header promises</source>
        <translation>truncado: %1 bytes de los %2 que promete su cabecera</translation>
    </message>
    <message>
        <source>The first 35 lines are not within the file&apos;s first MiB.</source>
        <translation>Las primeras 35 líneas no caben en el primer MiB del archivo.</translation>
    </message>
    <message>
        <source>The file holds %1 lines; the game needs 35.</source>
        <translation>El archivo tiene %1 líneas; el juego necesita 35.</translation>
    </message>
    <message>
        <source>Game Over - No Pieces Left!     </source>
        <translation>¡Fin de la partida: no quedan piezas!     </translation>
    </message>
    <message>
        <source>Fitzel! - Game Over!</source>
        <translation>Fitzel! – ¡Fin de la partida!</translation>
    </message>
    <message>
        <source>Time Left
%1</source>
        <translation>Tiempo
%1</translation>
    </message>
    <message>
        <source>Score
%1</source>
        <translation>Puntos
%1</translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Introduzca su nombre, por favor.     </translation>
    </message>
    <message>
        <source>Fitzel! - Player Name.</source>
        <translation>Fitzel! – Nombre del jugador.</translation>
    </message>
    <message>
        <source>You got the high score!     </source>
        <translation>¡Ha conseguido la mejor puntuación!     </translation>
    </message>
    <message>
        <source>Fitzel! - High Score!</source>
        <translation>Fitzel! – ¡Récord!</translation>
    </message>
    <message>
        <source>The high scores could not be saved in %1: %2     </source>
        <translation>No se pudieron guardar las mejores puntuaciones en %1: %2     </translation>
    </message>
    <message>
        <source>Fitzel! - Scores Not Saved!</source>
        <translation>Fitzel! – ¡Puntuaciones no guardadas!</translation>
    </message>
    <message>
        <source>Your score no longer makes the table: another game has stored better scores meanwhile.     </source>
        <translation>Su puntuación ya no entra en la tabla: otra partida ha guardado mientras tanto mejores puntuaciones.     </translation>
    </message>
    <message>
        <source>Fitzel! - High Scores.</source>
        <translation>Fitzel! – Mejores puntuaciones.</translation>
    </message>
    <message>
        <source>the program&apos;s folder takes no new files, and there is no home folder to keep them in</source>
        <translation>la carpeta del programa no admite archivos nuevos y no hay carpeta personal donde guardarlos</translation>
    </message>
    <message>
        <source>There is not room enough on the disk for it</source>
        <translation>No hay espacio suficiente en el disco</translation>
    </message>
</context>
<context>
    <name>fitzel::BoardOverlay</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Cursor on cell %1, %2, %3</source>
        <translation>Cursor en la casilla %1, %2, %3</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>ocupada</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>the piece fits</source>
        <translation>la pieza cabe</translation>
    </message>
    <message>
        <source>the piece does not fit</source>
        <translation>la pieza no cabe</translation>
    </message>
</context>
<context>
    <name>fitzel::DealMenu</name>
    <message>
        <source>&amp;Deals</source>
        <translation>&amp;Repartos</translation>
    </message>
    <message>
        <source>&amp;Replay Last Deal</source>
        <translation>&amp;Repetir el último reparto</translation>
    </message>
    <message>
        <source>Deal by &amp;Number...</source>
        <translation>Reparto por &amp;número…</translation>
    </message>
    <message>
        <source>&amp;Watch the Par Play</source>
        <translation>&amp;Ver la partida del par</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Show &amp;Par After the Game</source>
        <translation>Mostrar el par &amp;después de la partida</translation>
    </message>
</context>
<context>
    <name>fitzel::ParHint</name>
    <message>
        <source>A game played with hints does not enter the high-score table! Are you sure you want a hint?     </source>
        <translation>¡Una partida jugada con pistas no entra en la tabla de mejores puntuaciones! ¿Seguro que quiere una pista?     </translation>
    </message>
    <message>
        <source>Fitzel! - Hint?</source>
        <translation>Fitzel! – ¿Pista?</translation>
    </message>
    <message>
        <source>Hint: cell %1</source>
        <translation>Pista: casilla %1</translation>
    </message>
    <message>
        <source>Hint: skip</source>
        <translation>Pista: pasar</translation>
    </message>
    <message>
        <source>Hint: let the time run out</source>
        <translation>Pista: dejar que se agote el tiempo</translation>
    </message>
</context>
<context>
    <name>fitzel::ParWatch</name>
    <message>
        <source>A game is still in progress! Are you sure you want to watch the par play of its deal?     </source>
        <translation>¡Todavía hay una partida en curso! ¿Seguro que quiere ver la partida del par de su reparto?     </translation>
    </message>
    <message>
        <source>Fitzel! - Watch the Par Play?</source>
        <translation>Fitzel! – ¿Ver la partida del par?</translation>
    </message>
    <message>
        <source>The par play of deal %1 scored %2.     </source>
        <translation>La partida del par del reparto %1 ha conseguido %2 puntos.     </translation>
    </message>
    <message>
        <source>Fitzel! - Par.</source>
        <translation>Fitzel! – Par.</translation>
    </message>
    <message>
        <source>Par play: let the time run out</source>
        <translation>Partida del par: dejar que se agote el tiempo</translation>
    </message>
    <message>
        <source>Par play: cell %1</source>
        <translation>Partida del par: casilla %1</translation>
    </message>
    <message>
        <source>Par play: skip</source>
        <translation>Partida del par: pasar</translation>
    </message>
</context>
<context>
    <name>fitzel::frmAbout</name>
    <message>
        <source>Fitzel! - About.</source>
        <translation>Fitzel! – Acerca de.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Sistema…</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>Fitzel!</source>
        <translation>Fitzel!</translation>
    </message>
    <message>
        <source>Fitzel!  A game with &apos;Quadrel&apos; style pieces that you must fit into a grid to create blocks!</source>
        <translation>Fitzel!  ¡Un juego con piezas al estilo «Quadrel» que debe encajar en una cuadrícula para formar bloques!</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Fitzel developers</source>
        <translation>Copyright © 2026 Los autores de Fitzel</translation>
    </message>
    <message>
        <source>The picture is too narrow to hold three cells.</source>
        <translation>La imagen es demasiado estrecha para tres casillas.</translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>La información del sistema no está disponible en este momento.     </translation>
    </message>
</context>
<context>
    <name>fitzel::frmHelp</name>
    <message>
        <source>Fitzel! - How To Play.</source>
        <translation>Fitzel! – Cómo jugar.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instrucciones:</translation>
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
        <translation>La parte superior de la pantalla muestra 35 piezas elegidas al azar, que debe
encajar en el tablero principal. Cada pieza elegida aparece en la cuadrícula
pequeña (3x3), que le muestra su casilla clave, en el centro. Haga clic entonces
en el tablero principal para colocar la pieza: la casilla central de la cuadrícula
pequeña queda donde haga clic, siempre que la pieza no se superponga a otra ni se
salga del borde. Los bloques dan puntos: 9 (3x3) – 30 puntos, 6 (3x2 o 2x3) –
15 puntos y 4 (2x2) – 5 puntos. Cuando se conceden los puntos, los bloques
desaparecen y dejan sitio para seguir. La partida termina cuando no quedan
piezas por colocar.</translation>
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
        <translation>Pieza %1</translation>
    </message>
    <message>
        <source>Board cell %1</source>
        <translation>Casilla %1 del tablero</translation>
    </message>
    <message>
        <source>no game yet</source>
        <translation>aún no hay partida</translation>
    </message>
    <message>
        <source>Preview cell %1</source>
        <translation>Casilla %1 de la vista previa</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pasar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Show Placement &amp;Preview</source>
        <translation>Mostrar la &amp;vista previa de la colocación</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>Show High Scores</source>
        <translation>Mostrar las mejores puntuaciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>fitzel::frmScores</name>
    <message>
        <source>Fitzel! - Scores.</source>
        <translation>Fitzel! – Puntuaciones.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
