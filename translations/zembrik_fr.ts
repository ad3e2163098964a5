<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>Descente douce</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>Chute directe</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>Troisième rotation</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Réserve</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>code de touche %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1 et %2 partagent %3.</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>Aucune rediffusion à regarder pour l’instant : chaque partie jouée est conservée.</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>La rediffusion la plus récente ne peut pas être regardée : %1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Pièces</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>Pièces/s</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>Touches/pièce</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>Maniement</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>Doubles</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>Triples</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>4 lignes et +</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>Ultra</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>inachevée</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>perso %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>Record depuis %1</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>Record %1 %2</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>PARTIE TERMINÉE</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>SPRINT TERMINÉ</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>TEMPS ÉCOULÉ</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Nouveau record !</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W : revoir cette partie</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>REDIFFUSION %1×  EN PAUSE
P : reprendre
Échap : arrêter</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>REDIFFUSION %1×
F : vitesse   P : pause
Échap : arrêter</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>REDIFFUSION %1 %2×
PAUSE  P : reprendre
Échap : arrêter</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>REDIFFUSION %1 %2×
F : vitesse   P : pause
Échap : arrêter</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>délai de répétition</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>Combien de temps une touche de déplacement maintenue attend après son premier pas avant de déplacer à nouveau d’elle-même, en pas de 1/60 s.</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>intervalle de répétition</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>Pas entre les déplacements d’une touche maintenue une fois qu’elle se répète. 0 pousse la pièce jusqu’au bord d’un coup.</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>intervalle de descente douce</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>Pas pour chaque ligne que descend une pièce tant que la touche de descente douce est maintenue. 0 la pose au fond d’un coup.</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>aussitôt</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>Maniement : l’effet des touches maintenues. Classique : la répétition propre au jeu, plus rapide aux niveaux élevés. Personnalisé : vos propres valeurs, dans tous les modes ; les records des parties personnalisées sont gardés à part des classiques.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>maniement</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n pas</numerusform>
            <numerusform>%n pas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>Chargement~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>Lignes :</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau :</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>Le niveau, puis après le tiret la distance jusqu’au suivant : chaque pièce qui arrive ajoute 1 (jusqu’à 99), chaque ligne effacée ajoute 1, et à 100 le niveau monte.</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>Zembrik ne peut pas enregistrer ses réglages (%1). Vous pouvez jouer, mais les changements de touches et d’options ne seront pas conservés.</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>Pause pour reprendre</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>P pour reprendre</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Temps :</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>Lance une partie au niveau choisi avec ces options. La touche de départ (Entrée, sauf si vous la changez dans Commandes) fait de même.</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>Choisissez les touches qui déplacent, tournent, lâchent et mettent en réserve les pièces, et la touche qui lance une partie.</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>Choisissez le jeu de formes et l’aspect des blocs, le son ou le silence, et la façon dont le jeu remplit sa fenêtre.</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>La version du jeu et ses auteurs.</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>Le niveau de départ : cliquez sur une case ci-dessous pour le choisir. H0 à H9 : les pièces tombent, plus vite à chaque niveau. M0 à M9 : chaque pièce se pose aussitôt sur la pile et attend moins à chaque niveau avant de se bloquer. Après M9 vient le dernier niveau, ?!, où la pile est cachée ; une partie ne le quitte jamais.</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>Le niveau où commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>Le niveau de départ : rangée du haut H0 à H9, rangée du bas M0 à M9.</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>Départ en H%1 : les pièces tombent d’elles-mêmes, plus vite à chaque niveau.</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>Départ en M%1 : chaque pièce se pose aussitôt sur la pile ; vous avez un instant pour la déplacer et la tourner avant qu’elle se bloque, plus court à chaque niveau.</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>Réserve : si la touche de réserve peut mettre de côté la pièce qui tombe, une fois par pièce, et rappeler celle qui y est gardée.</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>Gravité : ce que font les blocs au-dessus une fois des lignes effacées. ~ ils descendent pour combler le vide ; ✓ les groupes libres tombent aussi bas que possible et peuvent effacer d’autres lignes ; ! ils restent en place et laissent le vide.</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>Ombre : si un contour montre où la pièce qui tombe se poserait.</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>Nb de suivantes : combien de pièces à venir sont montrées, une ou trois.</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>Escalade : de combien de lignes une rotation peut élever une pièce au-dessus de la plus basse qu’elle a atteinte : 0, 1 ou 3. Davantage permet à une pièce de sortir d’un passage étroit en tournant.</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>Pas de réserve.</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>Réserve permise : la touche de réserve échange la pièce qui tombe avec celle mise de côté, une fois par pièce.</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ Après un effacement, les lignes au-dessus descendent pour combler le vide.</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ Après un effacement, les groupes de blocs libres tombent aussi bas que possible et peuvent effacer d’autres lignes.</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! Après un effacement, les blocs au-dessus restent en place.</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>Pas d’ombre.</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>Ombre : un contour montre où la pièce qui tombe se poserait.</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>Montrer la pièce suivante.</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>Montrer les trois pièces suivantes.</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>Une rotation n’élève jamais une pièce au-dessus de la plus basse ligne atteinte.</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>Une rotation peut élever une pièce d’une ligne au-dessus de la plus basse ligne atteinte.</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>Une rotation peut élever une pièce jusqu’à trois lignes au-dessus de la plus basse ligne atteinte.</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Sprint</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>Ultra</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>réserve</translation>
    </message>
    <message>
        <source>no hold</source>
        <translation>sans réserve</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>cascade</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>vides restent</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>lignes refermées</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>3 suivantes</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>1 suivante</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>escalade %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>maniement personnalisé</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>Record pour %1</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>Contact : zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>Réalisé avec C++20 et Qt 6</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>SITE WEB : https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Merci à :</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>Effets sonores synthétisés par l’équipe Zembrik</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>Réserve : non</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>Réserve : oui</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>Gravité : les lignes se referment</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>Gravité : cascade</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>Gravité : les vides restent</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>Ombre : non</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>Ombre : oui</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>Pièces suivantes : 1</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>Pièces suivantes : 3</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>Escalade : %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Niveau de départ</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Niveau de départ %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Mode : %1</translation>
    </message>
    <message>
        <source>Mode: what a game is played for. Classic until the stack tops out, Sprint to clear 40 lines as fast as you can, Ultra to score as much as you can in two minutes.</source>
        <translation>Mode : le but d’une partie. Classique jusqu’à ce que la pile atteigne le haut, Sprint pour effacer 40 lignes au plus vite, Ultra pour marquer le plus de points possible en deux minutes.</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>Classique : jouer jusqu’à ce que la pile atteigne le haut.</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>Sprint : effacer 40 lignes contre la montre. La partie s’arrête à la 40e ligne, avec votre temps.</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>Ultra : marquer le plus de points possible en deux minutes de jeu.</translation>
    </message>
</context>
<context>
    <name>zembrik::PadColumn</name>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick</source>
        <translation>Stick gauche</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>Stick droit</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Épaule gauche</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Épaule droite</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Croix haut</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Croix bas</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Croix gauche</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Croix droite</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Paddle 1</source>
        <translation>Palette 1</translation>
    </message>
    <message>
        <source>Paddle 2</source>
        <translation>Palette 2</translation>
    </message>
    <message>
        <source>Paddle 3</source>
        <translation>Palette 3</translation>
    </message>
    <message>
        <source>Paddle 4</source>
        <translation>Palette 4</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Pavé tactile</translation>
    </message>
    <message>
        <source>pad button %1</source>
        <translation>le bouton de manette %1</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Manette</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>Manette : %1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>Choisis une case, puis appuie sur un bouton de la manette. Échap ou Retour la laisse telle quelle.</translation>
    </message>
</context>
<context>
    <name>zembrik::Panels</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsDialog</name>
    <message>
        <source>Turning about the centre</source>
        <translation>Rotation autour du centre</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>Rotation en haut</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plat</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>Contraste élevé, à motifs</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>réglages</translation>
    </message>
    <message>
        <source>blox shape - </source>
        <translation>formes - </translation>
    </message>
    <message>
        <source>blox style - </source>
        <translation>style - </translation>
    </message>
    <message>
        <source>NOISY</source>
        <translation>SONORE</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>muet</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>débogage</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>Comment le jeu remplit sa fenêtre. Net : par paliers entiers (2x, 3x ...), chaque pixel un carré net, avec du noir autour. Remplir : aussi grand que la fenêtre le permet, à toute taille.</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>échelle de
la fenêtre</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>Pause quand la fenêtre
perd le focus</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>Pause quand la fenêtre perd le focus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>En mode débogage : appuyez sur 1-7 pour changer la pièce suivante en celle que vous voulez ; appuyez sur 9 pour une surprise ; cette option n’est pas enregistrée.</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>Le jeu de formes %1 n’a pas pu être chargé :
%2
Les formes de %3 restent.</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>Le style %1 n’a pas pu être chargé :
%2
Le style %3 reste.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>au prochain démarrage</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Langue (au prochain démarrage)</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>Jeu de formes</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>Style des blocs</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>Mode débogage désactivé</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>Mode débogage activé</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>Mise à l’échelle nette</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>Mise à l’échelle remplie</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>les réglages ne sont pas conservés : il n’y a pas de dossier personnel (HOME n’est pas défini)</translation>
    </message>
    <message>
        <source>level</source>
        <translation>niveau</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>réserve</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>gravité</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>pièces suivantes</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ombre</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>son</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>escalade</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>touche gauche</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>touche droite</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>touche de descente douce</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>touche de rotation à gauche</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>touche de rotation à droite</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>touche de demi-tour</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>touche de chute directe</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>touche de réserve</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>touche de départ</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>pause à la perte du focus</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>largeur de la fenêtre</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>hauteur de la fenêtre</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>plein écran</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>mode de jeu</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>maniement</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>délai de répétition</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>intervalle de répétition</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>intervalle de descente douce</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
    </message>
    <message>
        <source>maximised</source>
        <translation>agrandie</translation>
    </message>
    <message>
        <source>scaling</source>
        <translation>mise à l’échelle</translation>
    </message>
    <message>
        <source> Nothing is written to it.</source>
        <translation> Rien n’y est écrit.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>il dépasse 1 Mo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>c’est du texte UTF-16, pas du texte brut</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation> Il reste tel quel sauf si un réglage qu’il contient change.</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1 : « %2 » manque ; %3 est utilisé.</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1 : « %2 » vaut « %3 », qui n’est pas un nombre ; %4 est utilisé.</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1 : « %2 » vaut %3, hors limites ; %4 est utilisé.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>%1 n’a pas pu être lu (%2) ; les réglages fournis sont utilisés.%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>Fourni : %1 %2 n’a pas pu être chargé (%3).</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>%1 %2 n’a pas pu être chargé (%3) ; %4 est utilisé.</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000 : le nom « %2 » (%1) n’est pas utilisable ; %3 est utilisé.</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>Fourni : %1 %2 n’a pas pu être chargé non plus (%3).</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000 : %1 ligne(s) sans code de touche 0-255 ignorée(s).</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>keycode.000 n’a pas pu être lu (%1) ; les noms de touches fournis sont utilisés.</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>option_style.000 n’a pas pu être lu (%1) ; le jeu de formes et le style fournis sont utilisés.%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>jeu de formes</translation>
    </message>
    <message>
        <source>style</source>
        <translation>style</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>option_more.000 n’a pas pu être lu (%1) ; les réglages fournis sont utilisés.%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W : regarder la dernière rediffusion</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>Regarder la dernière rediffusion</translation>
    </message>
</context>
</TS>
