<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>Sanft fallen</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>Sofort fallen</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Links drehen</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Rechts drehen</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>Dritte Drehung</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>Tastencode %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1 und %2 teilen sich %3.</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>Noch gibt es keine Wiederholung zum Ansehen: Jedes Spiel, das du spielst, wird aufbewahrt.</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>Die neueste Wiederholung kann nicht angesehen werden: %1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Reihen</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Steine</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>Steine/s</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>Tasten/Stein</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>1 Reihe geräumt</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>2 Reihen geräumt</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>3 Reihen geräumt</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>4+ Reihen geräumt</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
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
        <translation>nicht beendet</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>eigene %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>Bestes ab %1</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>Rekord %1, %2</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>SPIELENDE</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>GESCHAFFT!</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>ZEIT UM</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Neue Bestleistung!</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W: dieses Spiel ansehen</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>WIEDERHOLUNG %1×  PAUSE
P: weiter
Esc: beenden</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>WIEDERHOLUNG %1×
F: Tempo   P: Pause
Esc: beenden</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>WIEDERHOLUNG %1 %2×
PAUSE  P: weiter
Esc: beenden</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>WIEDERHOLUNG %1 %2×
F: Tempo   P: Pause
Esc: beenden</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>Verzögerung der Tastenwiederholung</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>Wie lange eine gehaltene Bewegungstaste nach ihrem ersten Schritt wartet, bevor sie von selbst weiterbewegt, in Schritten von 1/60 s.</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>Intervall der Tastenwiederholung</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>Schritte zwischen den Bewegungen einer gehaltenen Bewegungstaste, sobald sie wiederholt. 0 schiebt den Stein sofort bis an die Wand.</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>Intervall des sanften Fallens</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>Schritte je Reihe, die ein Stein fällt, solange die Taste für sanftes Fallen gehalten wird. 0 lässt ihn sofort bis zum Boden fallen.</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>sofort</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>Steuerverhalten: wie gehaltene Tasten wirken. Klassisch: die eigene Tastenwiederholung des Spiels, auf höheren Stufen schneller. Eigene: deine eigenen Werte, in jedem Modus; die Bestleistungen eigener Spiele werden getrennt von den klassischen geführt.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>Steuerverhalten</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n Schritt</numerusform>
            <numerusform>%n Schritte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>Wird geladen~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>Reihen:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>Die Stufe, nach dem Strich, wie weit es bis zur nächsten ist: Jeder neue Stein zählt 1 (bis 99), jede geräumte Reihe zählt 1, und bei 100 steigt die Stufe.</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>Zembrik kann seine Einstellungen nicht schreiben (%1). Du kannst spielen, aber Änderungen an Tasten und Optionen werden nicht behalten.</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>Pause: weiter</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>P: weiter</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>Startet ein Spiel auf der gewählten Stufe mit diesen Optionen. Die Starttaste (Enter, solange du sie unter Steuerung nicht änderst) tut dasselbe.</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>Wähle die Tasten, die die Steine bewegen, drehen, fallen lassen und halten, und die Taste, die ein Spiel startet.</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>Wähle den Formensatz und das Aussehen der Blöcke, Ton an oder aus und wie das Spiel sein Fenster füllt.</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>Die Version des Spiels und wer es gemacht hat.</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>Die Startstufe: Klicke unten auf ein Feld, um sie zu wählen. H0 bis H9: Die Steine fallen, auf jeder Stufe schneller. M0 bis M9: Jeder Stein landet sofort auf dem Stapel und wartet auf jeder Stufe kürzer, bevor er einrastet. Nach M9 kommt die letzte Stufe, ?!, auf der der Stapel verborgen ist; ein Spiel verlässt sie nie.</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>Die Stufe, auf der ein neues Spiel beginnt.</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>Die Startstufe: obere Reihe H0 bis H9, untere Reihe M0 bis M9.</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>Start auf H%1: Die Steine fallen von selbst, auf jeder Stufe schneller.</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>Start auf M%1: Jeder Stein landet sofort auf dem Stapel; du hast einen Moment, ihn zu bewegen und zu drehen, bevor er einrastet, auf jeder Stufe kürzer.</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>Halten: ob die Haltetaste den fallenden Stein beiseitelegen darf, einmal je Stein, und den dort aufbewahrten zurückholt.</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>Schwerkraft: was die Blöcke darüber tun, wenn Reihen geräumt sind. ~ sie rücken nach unten und schließen die Lücke; ✓ lose Gruppen fallen so weit sie können und räumen vielleicht weitere Reihen; ! sie bleiben, wo sie sind, und lassen die Lücke.</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>Schatten: ob ein Umriss zeigt, wo der fallende Stein landen würde.</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>Anzahl Nächste: wie viele der kommenden Steine gezeigt werden, einer oder drei.</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>Klettern: um wie viele Reihen eine Drehung einen Stein über die tiefste erreichte Reihe heben darf: 0, 1 oder 3. Mehr lässt einen Stein sich aus einer engen Stelle nach oben drehen.</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>Kein Halten.</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>Halten erlaubt: Die Haltetaste tauscht den fallenden Stein mit dem beiseitegelegten, einmal je Stein.</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ Nach dem Räumen rücken die Reihen darüber nach unten und schließen die Lücke.</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ Nach dem Räumen fallen lose Blockgruppen so weit sie können und räumen vielleicht weitere Reihen.</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! Nach dem Räumen bleiben die Blöcke darüber, wo sie sind.</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>Kein Schatten.</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>Schatten: Ein Umriss zeigt, wo der fallende Stein landen würde.</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>Den nächsten Stein zeigen.</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>Die nächsten drei Steine zeigen.</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>Eine Drehung hebt einen Stein nie über die tiefste erreichte Reihe.</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>Eine Drehung darf einen Stein eine Reihe über die tiefste erreichte Reihe heben.</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>Eine Drehung darf einen Stein bis zu drei Reihen über die tiefste erreichte Reihe heben.</translation>
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
        <translation>Halten</translation>
    </message>
    <message>
        <source>no hold</source>
        <translation>kein Halten</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>Kaskade</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>Lücken bleiben</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>Reihen schließen</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>3 nächste</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>1 nächster</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>Klettern %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>eigene Steuerung</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>Bestleistung für %1</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>Kontakt: zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>Gebaut mit C++20 und Qt 6</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>WEBSITE: https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Dank an:</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>Klangeffekte synthetisiert vom Zembrik-Team</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>Halten: aus</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>Halten: an</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>Schwerkraft: Reihen schließen</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>Schwerkraft: Kaskade</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>Schwerkraft: Lücken bleiben</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>Schatten: aus</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>Schatten: an</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>Nächste Steine: 1</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>Nächste Steine: 3</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>Klettern: %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Startstufe</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Startstufe %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Modus: %1</translation>
    </message>
    <message>
        <source>Mode: what a game is played for. Classic until the stack tops out, Sprint to clear 40 lines as fast as you can, Ultra to score as much as you can in two minutes.</source>
        <translation>Modus: worum es in einem Spiel geht. Klassisch, bis der Stapel oben anstößt, Sprint, um so schnell wie möglich 40 Reihen zu räumen, Ultra, um in zwei Minuten so viele Punkte wie möglich zu holen.</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>Klassisch: spielen, bis der Stapel oben anstößt.</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>Sprint: 40 Reihen gegen die Uhr räumen. Das Spiel endet mit der 40. Reihe, mit deiner Zeit.</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>Ultra: in zwei Minuten Spielzeit so viele Punkte wie möglich holen.</translation>
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
        <translation>Zurück</translation>
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
        <translation>Linker Stick</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>Rechter Stick</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Schulter L</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Schulter R</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Steuerkreuz oben</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Steuerkreuz unten</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Steuerkreuz links</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Steuerkreuz rechts</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Paddle 1</source>
        <translation>Paddle 1</translation>
    </message>
    <message>
        <source>Paddle 2</source>
        <translation>Paddle 2</translation>
    </message>
    <message>
        <source>Paddle 3</source>
        <translation>Paddle 3</translation>
    </message>
    <message>
        <source>Paddle 4</source>
        <translation>Paddle 4</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Touchpad</translation>
    </message>
    <message>
        <source>pad button %1</source>
        <translation>Pad-Taste %1</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>Gamepad: %1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>Wähle ein Feld und drücke eine Taste am Gamepad. Esc oder Zurück lässt es, wie es war.</translation>
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
        <translation>Drehung um die Mitte</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>Drehung oben</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>Hoher Kontrast, gemustert</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>blox shape - </source>
        <translation>Formen - </translation>
    </message>
    <message>
        <source>blox style - </source>
        <translation>Stil - </translation>
    </message>
    <message>
        <source>NOISY</source>
        <translation>LAUT</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>leise</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Scharf</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>Wie das Spiel sein Fenster füllt. Scharf: in ganzen Stufen (2x, 3x ...), jedes Pixel ein scharfes Quadrat, mit Schwarz drumherum. Füllen: so groß, wie das Fenster erlaubt, in jeder Größe.</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>Fenster-
skalierung</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>Pause, wenn das Fenster
den Fokus verliert</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>Pause, wenn das Fenster den Fokus verliert</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>Im Debug-Modus: Drücke die Zahlen 1-7, um den nächsten Stein in den gewünschten zu ändern; drücke 9 für etwas Aufregendes; diese Option wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>Der Formensatz %1 konnte nicht geladen werden:
%2
Die Formen von %3 bleiben.</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>Der Stil %1 konnte nicht geladen werden:
%2
Der Stil %3 bleibt.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>ab dem nächsten Start</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Sprache (ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>Formensatz</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>Blockstil</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>Debug-Modus aus</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>Debug-Modus an</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>Scharfe Skalierung</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>Füllende Skalierung</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>die Einstellungen werden nicht behalten: Es gibt keinen Home-Ordner (HOME ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>Schwerkraft</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>nächste Steine</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>Klettern</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>Taste für links</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>Taste für rechts</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>Taste für sanftes Fallen</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>Taste für Linksdrehung</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>Taste für Rechtsdrehung</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>Taste für halbe Drehung</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>Taste für sofortiges Fallen</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>Haltetaste</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>Starttaste</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>Pause bei Fokusverlust</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>Fensterbreite</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>Fensterhöhe</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>Steuerverhalten</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>Verzögerung der Tastenwiederholung</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>Intervall der Tastenwiederholung</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>Intervall des sanften Fallens</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>maximised</source>
        <translation>maximiert</translation>
    </message>
    <message>
        <source>scaling</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source> Nothing is written to it.</source>
        <translation> Es wird nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>sie ist größer als 1 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>sie ist UTF-16-Text, kein einfacher Text</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation> Sie bleibt, wie sie ist, solange keine ihrer Einstellungen geändert wird.</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1: „%2“ fehlt; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1: „%2“ mit „%3“ ist keine Zahl; %4 wird verwendet.</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1: „%2“ mit %3 liegt außerhalb des Bereichs; %4 wird verwendet.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>%1 konnte nicht gelesen werden (%2); die mitgelieferten Einstellungen werden verwendet.%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>Mitgeliefert: %1 %2 konnte nicht geladen werden (%3).</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>%1 %2 konnte nicht geladen werden (%3); %4 wird verwendet.</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000: Der Name „%2“ (%1) ist nicht verwendbar; %3 wird verwendet.</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>Mitgeliefert: %1 %2 konnte ebenfalls nicht geladen werden (%3).</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000: %1 Zeile(n) ohne Tastencode 0-255 übersprungen.</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>keycode.000 konnte nicht gelesen werden (%1); die mitgelieferten Tastennamen werden verwendet.</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>option_style.000 konnte nicht gelesen werden (%1); der mitgelieferte Formensatz und Stil werden verwendet.%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>Formensatz</translation>
    </message>
    <message>
        <source>style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>option_more.000 konnte nicht gelesen werden (%1); die mitgelieferten Einstellungen werden verwendet.%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W: neueste Wiederholung ansehen</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>Neueste Wiederholung ansehen</translation>
    </message>
</context>
</TS>
