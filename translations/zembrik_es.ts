<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>Mover a la izquierda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover a la derecha</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>Bajada suave</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>Caída directa</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>Tercer giro</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Reservar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>código de tecla %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1 y %2 comparten %3.</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>Aún no hay ninguna repetición que ver: cada partida que juegues se guarda.</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>No se puede ver la repetición más reciente: %1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>Piezas/s</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>Teclas/pieza</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>Manejo</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>Filas sencillas</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>Filas dobles</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>Filas triples</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>4+ filas</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
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
        <translation>sin terminar</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>propio %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>Récord desde %1</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>Récord %1 (%2)</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIN DE LA PARTIDA</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>¡COMPLETADO!</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>¡TIEMPO!</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>¡Nuevo récord!</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W: ver esta partida</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>REPETICIÓN %1×  EN PAUSA
P: seguir
Esc: parar</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>REPETICIÓN %1×
F: velocidad   P: pausa
Esc: parar</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>REPETICIÓN %1 %2×
PAUSA  P: seguir
Esc: parar</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>REPETICIÓN %1 %2×
F: velocidad   P: pausa
Esc: parar</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>retardo de repetición</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>Cuánto espera una tecla de movimiento mantenida tras su primer paso antes de volver a mover por sí sola, en pasos de 1/60 s.</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>intervalo de repetición</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>Pasos entre los movimientos de una tecla mantenida una vez que se repite. 0 lleva la pieza a la pared al instante.</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>intervalo de bajada suave</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>Pasos por cada fila que baja una pieza mientras se mantiene la tecla de bajada suave. 0 la deja en el fondo al instante.</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>al instante</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>Manejo: cómo actúan las teclas mantenidas. Clásico: la repetición propia del juego, más rápida en los niveles altos. Propio: tus propios valores, en todos los modos; los récords de las partidas con manejo propio se guardan aparte de los clásicos.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>manejo</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Propio</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n paso</numerusform>
            <numerusform>%n pasos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>Cargando~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>Líneas:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>El nivel y, tras el guion, cuánto falta para el siguiente: cada pieza que entra suma 1 (hasta 99), cada fila eliminada suma 1, y al llegar a 100 sube el nivel.</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>Zembrik no puede guardar su configuración (%1). Puedes jugar, pero los cambios en las teclas y opciones no se conservarán.</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>Pausa para seguir</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>P para seguir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>Empieza una partida en el nivel elegido con estas opciones. La tecla de inicio (Intro, salvo que la cambies en Controles) hace lo mismo.</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>Elige las teclas que mueven, giran, dejan caer y reservan las piezas, y la tecla que empieza una partida.</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>Elige el juego de formas y el aspecto de los bloques, el sonido sí o no, y cómo llena el juego su ventana.</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>La versión del juego y quién lo hizo.</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>El nivel inicial: haz clic abajo en una casilla para elegirlo. H0 a H9: las piezas caen, más rápido en cada nivel. M0 a M9: cada pieza se posa al instante sobre la pila y espera menos en cada nivel antes de fijarse. Tras M9 llega el último nivel, ?!, donde la pila está oculta; una partida nunca sale de él.</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>El nivel en que empieza una partida nueva.</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>El nivel inicial: fila de arriba H0 a H9, fila de abajo M0 a M9.</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>Empezar en H%1: las piezas caen solas, más rápido en cada nivel.</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>Empezar en M%1: cada pieza se posa al instante sobre la pila; tienes un momento para moverla y girarla antes de que se fije, más breve en cada nivel.</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>Reserva: si la tecla de reserva puede apartar la pieza que cae, una vez por pieza, y recuperar la que se guardó allí.</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>Gravedad: qué hacen los bloques de arriba al eliminarse filas. ~ bajan para cerrar el hueco; ✓ los grupos sueltos caen todo lo que pueden y pueden eliminar más filas; ! se quedan donde están y dejan el hueco.</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>Sombra: si un contorno muestra dónde se posaría la pieza que cae.</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>N.º de siguientes: cuántas de las próximas piezas se muestran, una o tres.</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>Escalada: cuántas filas puede un giro subir una pieza por encima de la fila más baja que alcanzó: 0, 1 o 3. Más permite que una pieza salga girando de un hueco estrecho.</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>Sin reserva.</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>Reserva permitida: la tecla de reserva cambia la pieza que cae por la apartada, una vez por pieza.</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ Tras eliminar filas, las de arriba bajan para cerrar el hueco.</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ Tras eliminar filas, los grupos sueltos de bloques caen todo lo que pueden y pueden eliminar más filas.</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! Tras eliminar filas, los bloques de arriba se quedan donde están.</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>Sin sombra.</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>Sombra: un contorno muestra dónde se posaría la pieza que cae.</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>Mostrar la siguiente pieza.</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>Mostrar las tres siguientes piezas.</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>Un giro nunca sube una pieza por encima de la fila más baja que alcanzó.</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>Un giro puede subir una pieza una fila por encima de la fila más baja que alcanzó.</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>Un giro puede subir una pieza hasta tres filas por encima de la fila más baja que alcanzó.</translation>
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
        <translation>reserva</translation>
    </message>
    <message>
        <source>no hold</source>
        <translation>sin reserva</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>cascada</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>huecos quedan</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>filas se cierran</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>3 siguientes</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>1 siguiente</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>escalada %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>manejo propio</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>Récord para %1</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>Contacto: zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>Hecho con C++20 y Qt 6</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>SITIO WEB: https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Gracias a:</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>Efectos de sonido sintetizados por el equipo de Zembrik</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>Reserva: no</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>Reserva: sí</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>Gravedad: las filas se cierran</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>Gravedad: cascada</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>Gravedad: los huecos quedan</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>Sombra: no</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>Sombra: sí</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>Piezas siguientes: 1</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>Piezas siguientes: 3</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>Escalada: %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Nivel inicial</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Nivel inicial %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Modo: %1</translation>
    </message>
    <message>
        <source>Mode: what a game is played for. Classic until the stack tops out, Sprint to clear 40 lines as fast as you can, Ultra to score as much as you can in two minutes.</source>
        <translation>Modo: el objetivo de la partida. Clásico hasta que la pila llegue arriba, Sprint para eliminar 40 líneas lo antes posible, Ultra para sumar todos los puntos que puedas en dos minutos.</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>Clásico: jugar hasta que la pila llegue arriba.</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>Sprint: eliminar 40 líneas contra el reloj. La partida termina en la línea 40, con tu tiempo.</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>Ultra: sumar todos los puntos que puedas en dos minutos de juego.</translation>
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
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick</source>
        <translation>Stick izquierdo</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>Stick derecho</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Hombro izq.</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Hombro der.</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Cruceta arriba</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Cruceta abajo</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Cruceta izquierda</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Cruceta derecha</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Paddle 1</source>
        <translation>Paleta 1</translation>
    </message>
    <message>
        <source>Paddle 2</source>
        <translation>Paleta 2</translation>
    </message>
    <message>
        <source>Paddle 3</source>
        <translation>Paleta 3</translation>
    </message>
    <message>
        <source>Paddle 4</source>
        <translation>Paleta 4</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Panel táctil</translation>
    </message>
    <message>
        <source>pad button %1</source>
        <translation>el botón del mando %1</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>Mando: %1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>Elige una casilla y pulsa un botón del mando. Esc o Atrás la deja como estaba.</translation>
    </message>
</context>
<context>
    <name>zembrik::Panels</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUSA</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsDialog</name>
    <message>
        <source>Turning about the centre</source>
        <translation>Giro sobre el centro</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>Giro arriba</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>Alto contraste, con tramas</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>configuración</translation>
    </message>
    <message>
        <source>blox shape - </source>
        <translation>formas - </translation>
    </message>
    <message>
        <source>blox style - </source>
        <translation>estilo - </translation>
    </message>
    <message>
        <source>NOISY</source>
        <translation>SONORO</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>mudo</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>depurar</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Nítido</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Llenar</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>Cómo llena el juego su ventana. Nítido: en pasos enteros (2x, 3x ...), cada píxel un cuadrado nítido, con negro alrededor. Llenar: tan grande como permita la ventana, a cualquier tamaño.</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>escala de
la ventana</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>Pausar cuando la ventana
pierde el foco</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>Pausar cuando la ventana pierde el foco</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>En modo de depuración: pulsa 1-7 para cambiar la siguiente pieza por la que quieras; pulsa 9 para algo emocionante; esta opción no se guarda.</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>No se pudo cargar el juego de formas %1:
%2
Se mantienen las formas de %3.</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>No se pudo cargar el estilo %1:
%2
Se mantiene el estilo %3.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>desde el próximo inicio</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Idioma (desde el próximo inicio)</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>Juego de formas</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>Estilo de bloques</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>Modo de depuración desactivado</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>Modo de depuración activado</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>Escala nítida</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>Escala de llenado</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>la configuración no se conserva: no hay carpeta personal (HOME no está definida)</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nivel</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>reserva</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>gravedad</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>piezas siguientes</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>sombra</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>escalada</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>tecla de mover a la izquierda</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>tecla de mover a la derecha</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>tecla de bajada suave</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>tecla de girar a la izquierda</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>tecla de girar a la derecha</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>tecla de media vuelta</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>tecla de caída directa</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>tecla de reserva</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>tecla de inicio</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>pausa al perder el foco</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>ancho de la ventana</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>alto de la ventana</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>pantalla completa</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>modo de juego</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>manejo</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>retardo de repetición</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>intervalo de repetición</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>intervalo de bajada suave</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
    </message>
    <message>
        <source>maximised</source>
        <translation>maximizada</translation>
    </message>
    <message>
        <source>scaling</source>
        <translation>escala</translation>
    </message>
    <message>
        <source> Nothing is written to it.</source>
        <translation> No se escribe nada en él.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>ocupa más de 1 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>es texto UTF-16, no texto plano</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation> Se deja tal cual salvo que cambie un ajuste que contiene.</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1: falta «%2»; se usa %3.</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1: «%2» vale «%3», que no es un número; se usa %4.</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1: «%2» vale %3, fuera de rango; se usa %4.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>No se pudo leer %1 (%2); se usa la configuración incluida.%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>No se pudo cargar %1 %2 incluido (%3).</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>No se pudo cargar %1 %2 (%3); se usa %4.</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000: el nombre «%2» (%1) no se puede usar; se usa %3.</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>Tampoco se pudo cargar %1 %2 incluido (%3).</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000: se omiten %1 línea(s) sin código de tecla 0-255.</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>No se pudo leer keycode.000 (%1); se usan los nombres de tecla incluidos.</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>No se pudo leer option_style.000 (%1); se usan el juego de formas y el estilo incluidos.%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>juego de formas</translation>
    </message>
    <message>
        <source>style</source>
        <translation>estilo</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>No se pudo leer option_more.000 (%1); se usa la configuración incluida.%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W: ver la repetición más reciente</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>Ver la repetición más reciente</translation>
    </message>
</context>
</TS>
