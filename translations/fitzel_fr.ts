<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QtPlatform</name>
    <message>
        <source>filled</source>
        <translation>occupée</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>dealt</source>
        <translation>distribuée</translation>
    </message>
    <message>
        <source>current</source>
        <translation>en cours</translation>
    </message>
</context>
<context>
    <name>fitzel</name>
    <message>
        <source>Fitzel! - Error</source>
        <translation>Fitzel! – Erreur</translation>
    </message>
    <message>
        <source>Fitzel! cannot go on: a data file is missing or broken.

File: %1
Fault: %2</source>
        <translation>Fitzel! ne peut pas continuer&#xa0;: un fichier de données est absent ou endommagé.

Fichier&#xa0;: %1
Erreur&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please enter the number of the deal, from 1 to %1.     </source>
        <translation>Veuillez saisir le numéro de la donne, de 1 à %1.     </translation>
    </message>
    <message>
        <source>Fitzel! - Deal by Number.</source>
        <translation>Fitzel! – Donne par numéro.</translation>
    </message>
    <message>
        <source>A deal number is a whole number from 1 to %1.     </source>
        <translation>Un numéro de donne est un nombre entier de 1 à %1.     </translation>
    </message>
    <message>
        <source>Fitzel! - Par.</source>
        <translation>Fitzel! – Par.</translation>
    </message>
    <message>
        <source>Par for deal %1: %2. Your score: %3.     </source>
        <translation>Par de la donne %1&#xa0;: %2. Votre score&#xa0;: %3.     </translation>
    </message>
    <message>
        <source>Par for deal %1: at least %2. Your score: %3.     </source>
        <translation>Par de la donne %1&#xa0;: au moins %2. Votre score&#xa0;: %3.     </translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>C’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>It is not a regular file (a device, a pipe or a socket)</source>
        <translation>Ce n’est pas un fichier ordinaire (un périphérique, un tube ou une socket)</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Another copy of Fitzel! is saving its scores</source>
        <translation>Une autre copie de Fitzel! enregistre ses scores</translation>
    </message>
    <message>
        <source>The lock file cannot be made</source>
        <translation>Le fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>A game is still in progress! Are you sure you want to exit?     </source>
        <translation>Une partie est en cours&#x202f;! Voulez-vous vraiment quitter&#x202f;?     </translation>
    </message>
    <message>
        <source>Fitzel! - Exit?</source>
        <translation>Fitzel! – Quitter&#x202f;?</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>too large: more than %1 MiB</source>
        <translation>trop grand&#xa0;: plus de %1 Mio</translation>
    </message>
    <message>
        <source>Not a picture that can be loaded (%1)</source>
        <translation>Pas une image qui puisse être chargée (%1)</translation>
    </message>
    <message>
        <source>too large: %1 x %2</source>
        <translation>trop grande&#xa0;: %1 × %2</translation>
    </message>
    <message>
        <source>a bitmap header that does not hold together (%1 x %2)</source>
        <translation>un en-tête de bitmap incohérent (%1 × %2)</translation>
    </message>
    <message>
        <source>cut short: %1 bytes of the %2 its header promises</source>
        <translation>tronqué&#xa0;: %1 octets sur les %2 qu’annonce son en-tête</translation>
    </message>
    <message>
        <source>The first 35 lines are not within the file&apos;s first MiB.</source>
        <translation>Les 35 premières lignes ne tiennent pas dans le premier Mio du fichier.</translation>
    </message>
    <message>
        <source>The file holds %1 lines; the game needs 35.</source>
        <translation>Le fichier contient %1 lignes&#x202f;; le jeu en demande 35.</translation>
    </message>
    <message>
        <source>Game Over - No Pieces Left!     </source>
        <translation>Partie terminée – il ne reste plus de pièce&#x202f;!     </translation>
    </message>
    <message>
        <source>Fitzel! - Game Over!</source>
        <translation>Fitzel! – Partie terminée&#x202f;!</translation>
    </message>
    <message>
        <source>Time Left
%1</source>
        <translation>Temps
%1</translation>
    </message>
    <message>
        <source>Score
%1</source>
        <translation>Score
%1</translation>
    </message>
    <message>
        <source>Please enter your name.     </source>
        <translation>Veuillez saisir votre nom.     </translation>
    </message>
    <message>
        <source>Fitzel! - Player Name.</source>
        <translation>Fitzel! – Nom du joueur.</translation>
    </message>
    <message>
        <source>You got the high score!     </source>
        <translation>Vous avez le meilleur score&#x202f;!     </translation>
    </message>
    <message>
        <source>Fitzel! - High Score!</source>
        <translation>Fitzel! – Meilleur score&#x202f;!</translation>
    </message>
    <message>
        <source>The high scores could not be saved in %1: %2     </source>
        <translation>Les meilleurs scores n’ont pas pu être enregistrés dans %1&#xa0;: %2     </translation>
    </message>
    <message>
        <source>Fitzel! - Scores Not Saved!</source>
        <translation>Fitzel! – Scores non enregistrés&#x202f;!</translation>
    </message>
    <message>
        <source>Your score no longer makes the table: another game has stored better scores meanwhile.     </source>
        <translation>Votre score n’entre plus dans le tableau&#xa0;: une autre partie y a entre-temps enregistré de meilleurs scores.     </translation>
    </message>
    <message>
        <source>Fitzel! - High Scores.</source>
        <translation>Fitzel! – Meilleurs scores.</translation>
    </message>
    <message>
        <source>the program&apos;s folder takes no new files, and there is no home folder to keep them in</source>
        <translation>le dossier du programme n’accepte pas de nouveaux fichiers, et il n’y a pas de dossier personnel où les garder</translation>
    </message>
    <message>
        <source>There is not room enough on the disk for it</source>
        <translation>Il n’y a pas assez de place sur le disque</translation>
    </message>
</context>
<context>
    <name>fitzel::BoardOverlay</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Cursor on cell %1, %2, %3</source>
        <translation>Curseur sur la case %1, %2, %3</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>occupée</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>the piece fits</source>
        <translation>la pièce rentre</translation>
    </message>
    <message>
        <source>the piece does not fit</source>
        <translation>la pièce ne rentre pas</translation>
    </message>
</context>
<context>
    <name>fitzel::DealMenu</name>
    <message>
        <source>&amp;Deals</source>
        <translation>&amp;Donnes</translation>
    </message>
    <message>
        <source>&amp;Replay Last Deal</source>
        <translation>&amp;Rejouer la dernière donne</translation>
    </message>
    <message>
        <source>Deal by &amp;Number...</source>
        <translation>Donne par &amp;numéro…</translation>
    </message>
    <message>
        <source>&amp;Watch the Par Play</source>
        <translation>&amp;Voir la partie du par</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Show &amp;Par After the Game</source>
        <translation>Afficher le &amp;par après la partie</translation>
    </message>
</context>
<context>
    <name>fitzel::ParHint</name>
    <message>
        <source>A game played with hints does not enter the high-score table! Are you sure you want a hint?     </source>
        <translation>Une partie jouée avec des indices n’entre pas dans le tableau des meilleurs scores&#x202f;! Voulez-vous vraiment un indice&#x202f;?     </translation>
    </message>
    <message>
        <source>Fitzel! - Hint?</source>
        <translation>Fitzel! – Indice&#x202f;?</translation>
    </message>
    <message>
        <source>Hint: cell %1</source>
        <translation>Indice&#xa0;: case %1</translation>
    </message>
    <message>
        <source>Hint: skip</source>
        <translation>Indice&#xa0;: passer</translation>
    </message>
    <message>
        <source>Hint: let the time run out</source>
        <translation>Indice&#xa0;: laisser le temps s’écouler</translation>
    </message>
</context>
<context>
    <name>fitzel::ParWatch</name>
    <message>
        <source>A game is still in progress! Are you sure you want to watch the par play of its deal?     </source>
        <translation>Une partie est en cours&#x202f;! Voulez-vous vraiment voir la partie du par de sa donne&#x202f;?     </translation>
    </message>
    <message>
        <source>Fitzel! - Watch the Par Play?</source>
        <translation>Fitzel! – Voir la partie du par&#x202f;?</translation>
    </message>
    <message>
        <source>The par play of deal %1 scored %2.     </source>
        <translation>La partie du par de la donne %1 a marqué %2 points.     </translation>
    </message>
    <message>
        <source>Fitzel! - Par.</source>
        <translation>Fitzel! – Par.</translation>
    </message>
    <message>
        <source>Par play: let the time run out</source>
        <translation>Partie du par&#xa0;: laisser le temps s’écouler</translation>
    </message>
    <message>
        <source>Par play: cell %1</source>
        <translation>Partie du par&#xa0;: case %1</translation>
    </message>
    <message>
        <source>Par play: skip</source>
        <translation>Partie du par&#xa0;: passer</translation>
    </message>
</context>
<context>
    <name>fitzel::frmAbout</name>
    <message>
        <source>Fitzel! - About.</source>
        <translation>Fitzel! – À propos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Système…</translation>
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
        <translation>Fitzel!  Un jeu de pièces à la «&#xa0;Quadrel&#xa0;» qu’il faut placer dans une grille pour former des blocs&#x202f;!</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Fitzel developers</source>
        <translation>Copyright © 2026 Les auteurs de Fitzel</translation>
    </message>
    <message>
        <source>The picture is too narrow to hold three cells.</source>
        <translation>L’image est trop étroite pour contenir trois cases.</translation>
    </message>
    <message>
        <source>System Information is unavailable at this time.     </source>
        <translation>Les informations système ne sont pas disponibles pour le moment.     </translation>
    </message>
</context>
<context>
    <name>fitzel::frmHelp</name>
    <message>
        <source>Fitzel! - How To Play.</source>
        <translation>Fitzel! – Comment jouer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Instructions:</source>
        <translation>Instructions&#xa0;:</translation>
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
        <translation>La partie haute de l’écran montre 35 pièces tirées au hasard, que vous devez placer
sur le plateau principal. Chaque pièce tirée apparaît dans la petite grille (3x3), qui
vous montre sa case clé, au centre. Cliquez alors sur le plateau principal pour y
placer la pièce&#xa0;: la case centrale de la petite grille se pose là où vous cliquez,
pourvu que la pièce ne chevauche aucune autre pièce et ne dépasse pas du bord.
Les blocs rapportent des points&#xa0;: 9 (3x3) – 30 points, 6 (3x2 ou 2x3) – 15 points
et 4 (2x2) – 5 points. Une fois les points gagnés, les blocs disparaissent et font
de la place pour continuer. La partie se termine quand il ne reste plus de pièce
à placer.</translation>
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
        <translation>Pièce %1</translation>
    </message>
    <message>
        <source>Board cell %1</source>
        <translation>Case %1 du plateau</translation>
    </message>
    <message>
        <source>no game yet</source>
        <translation>pas encore de partie</translation>
    </message>
    <message>
        <source>Preview cell %1</source>
        <translation>Case %1 de l’aperçu</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Show Placement &amp;Preview</source>
        <translation>Afficher l’&amp;aperçu du placement</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>How To &amp;Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>Show High Scores</source>
        <translation>Afficher les meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>fitzel::frmScores</name>
    <message>
        <source>Fitzel! - Scores.</source>
        <translation>Fitzel! – Scores.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
