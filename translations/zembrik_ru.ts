<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>Плавный спуск</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>Мгновенный сброс</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Поворот влево</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Поворот вправо</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>Третий поворот</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Запас</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>код клавиши %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1 и %2 используют одну клавишу: %3.</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>Повторов пока нет: каждая сыгранная игра сохраняется.</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>Последний повтор нельзя посмотреть: %1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Ряды</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Фигуры</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>Фигур/с</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>Клавиш/фигуру</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>По 1 ряду</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>По 2 ряда</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>По 3 ряда</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>По 4+ ряда</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Спринт</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>Ультра</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>не завершена</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>своё %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>Рекорд с %1</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>Рекорд %1 %2</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ИГРА ОКОНЧЕНА</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>СПРИНТ ПРОЙДЕН</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>ВРЕМЯ ВЫШЛО</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Новый рекорд!</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W: посмотреть эту игру</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>ПОВТОР %1×  ПАУЗА
P: продолжить
Esc: стоп</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>ПОВТОР %1×
F: скорость   P: пауза
Esc: стоп</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>ПОВТОР: %1 %2×
ПАУЗА  P: продолжить
Esc: стоп</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>ПОВТОР: %1 %2×
F: скорость   P: пауза
Esc: стоп</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>задержка автоповтора</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>Сколько удерживаемая клавиша движения ждёт после первого шага, прежде чем двигать сама, в шагах по 1/60 с.</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>интервал автоповтора</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>Шагов между движениями удерживаемой клавиши, когда она повторяет. 0 — фигура сразу доезжает до стенки.</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>интервал плавного спуска</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>Шагов на каждый ряд спуска фигуры, пока удерживается клавиша плавного спуска. 0 — фигура сразу падает на дно.</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>сразу</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 мс</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>Управление: как действуют удерживаемые клавиши. Классика: собственный автоповтор игры, быстрее на высоких уровнях. Своё: ваши значения, в любом режиме; рекорды игр со своим управлением хранятся отдельно от классических.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>управление</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Своё</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n шаг</numerusform>
            <numerusform>%n шага</numerusform>
            <numerusform>%n шагов</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>Загрузка~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>Ряды:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Уровень:</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>Уровень, а после дефиса — сколько осталось до следующего: каждая новая фигура добавляет 1 (до 99), каждый убранный ряд добавляет 1, и на 100 уровень растёт.</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>Zembrik не может записать свои настройки (%1). Играть можно, но изменения клавиш и параметров не сохранятся.</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>Pause — продолжить</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>P — продолжить</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>Начать игру на выбранном уровне с этими параметрами. То же делает клавиша старта (Enter, если вы не изменили её в окне «Управление»).</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>Выберите клавиши, которые двигают, поворачивают, сбрасывают и откладывают фигуры, и клавишу, начинающую игру.</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>Выберите набор фигур и вид блоков, включите или выключите звук и задайте, как игра заполняет окно.</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>Версия игры и её авторы.</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>Начальный уровень: щёлкните клетку ниже, чтобы выбрать его. H0–H9: фигуры падают, на каждом уровне быстрее. M0–M9: каждая фигура сразу ложится на стопку и на каждом уровне ждёт меньше, прежде чем закрепиться. После M9 идёт последний уровень, ?!, где стопка скрыта; игра его уже не покидает.</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>Уровень, с которого начинается новая игра.</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>Начальный уровень: верхний ряд H0–H9, нижний ряд M0–M9.</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>Старт с H%1: фигуры падают сами, на каждом уровне быстрее.</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>Старт с M%1: каждая фигура сразу ложится на стопку; у вас есть миг, чтобы сдвинуть и повернуть её до закрепления, на каждом уровне короче.</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>Запас: может ли клавиша запаса отложить падающую фигуру, раз для каждой фигуры, и вернуть отложенную.</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>Тяжесть: что делают блоки сверху, когда ряды убраны. ~ опускаются и закрывают пустоту; ✓ свободные группы падают до упора и могут убрать ещё ряды; ! остаются на месте, оставляя пустоту.</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>Тень: показывает ли контур, куда упадёт фигура.</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>Число следующих: сколько следующих фигур показано, одна или три.</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>Подъём: на сколько рядов поворот может поднять фигуру над самым низким достигнутым рядом: 0, 1 или 3. Больше — и фигура может выкрутиться вверх из тесного места.</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>Без запаса.</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>Запас разрешён: клавиша запаса меняет падающую фигуру на отложенную, раз для каждой фигуры.</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ После очистки ряды сверху опускаются и закрывают пустоту.</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ После очистки свободные группы блоков падают до упора и могут убрать ещё ряды.</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! После очистки блоки сверху остаются на месте.</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>Без тени.</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>Тень: контур показывает, куда упадёт фигура.</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>Показывать следующую фигуру.</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>Показывать три следующие фигуры.</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>Поворот никогда не поднимает фигуру над самым низким достигнутым рядом.</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>Поворот может поднять фигуру на один ряд над самым низким достигнутым рядом.</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>Поворот может поднять фигуру до трёх рядов над самым низким достигнутым рядом.</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>Спринт</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>Ультра</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>запас</translation>
    </message>
    <message>
        <source>no hold</source>
        <translation>без запаса</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>каскад</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>пустоты остаются</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>ряды смыкаются</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>3 следующих</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>1 следующая</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>подъём %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>своё управление</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>Рекорд для %1</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>Контакт: zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>Создано на C++20 и Qt 6</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>САЙТ: https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Благодарности:</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>Звуковые эффекты синтезированы командой Zembrik</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>Запас: выкл.</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>Запас: вкл.</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>Тяжесть: ряды смыкаются</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>Тяжесть: каскад</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>Тяжесть: пустоты остаются</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>Тень: выкл.</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>Тень: вкл.</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>Следующие фигуры: 1</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>Следующие фигуры: 3</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>Подъём: %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Управление</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Начальный уровень</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Начальный уровень %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>Режим: %1</translation>
    </message>
    <message>
        <source>Mode: what a game is played for. Classic until the stack tops out, Sprint to clear 40 lines as fast as you can, Ultra to score as much as you can in two minutes.</source>
        <translation>Режим: цель игры. Классика — пока стопка не дойдёт до верха, Спринт — убрать 40 рядов как можно быстрее, Ультра — набрать как можно больше очков за две минуты.</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>Классика: играть, пока стопка не дойдёт до верха.</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>Спринт: убрать 40 рядов на время. Игра заканчивается на 40-м ряду, с вашим временем.</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>Ультра: набрать как можно больше очков за две минуты игрового времени.</translation>
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
        <translation>Назад</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Гид</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Left stick</source>
        <translation>Левый стик</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>Правый стик</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Левый бампер</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Правый бампер</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Крестовина вверх</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Крестовина вниз</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Крестовина влево</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Крестовина вправо</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Доп. кнопка</translation>
    </message>
    <message>
        <source>Paddle 1</source>
        <translation>Лепесток 1</translation>
    </message>
    <message>
        <source>Paddle 2</source>
        <translation>Лепесток 2</translation>
    </message>
    <message>
        <source>Paddle 3</source>
        <translation>Лепесток 3</translation>
    </message>
    <message>
        <source>Paddle 4</source>
        <translation>Лепесток 4</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Сенсорная панель</translation>
    </message>
    <message>
        <source>pad button %1</source>
        <translation>кнопку геймпада «%1»</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Геймпад</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>Геймпад: %1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>Выберите поле и нажмите кнопку геймпада. Esc или «Назад» оставляет его как было.</translation>
    </message>
</context>
<context>
    <name>zembrik::Panels</name>
    <message>
        <source>PAUSED</source>
        <translation>ПАУЗА</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsDialog</name>
    <message>
        <source>Turning about the centre</source>
        <translation>Поворот вокруг центра</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>Поворот у верха</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Плоский</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>Высокий контраст, узоры</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>настройки</translation>
    </message>
    <message>
        <source>blox shape - </source>
        <translation>фигуры - </translation>
    </message>
    <message>
        <source>blox style - </source>
        <translation>стиль - </translation>
    </message>
    <message>
        <source>NOISY</source>
        <translation>ЗВУК</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>тихо</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>отладка</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>Чётко</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Заполнить</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>Как игра заполняет окно. Чётко: целыми шагами (2x, 3x ...), каждый пиксель — чёткий квадрат, вокруг чёрное поле. Заполнить: так крупно, как позволяет окно, в любом масштабе.</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>масштаб
окна</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>Пауза, когда окно
теряет фокус</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>Пауза, когда окно теряет фокус</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>В режиме отладки: нажмите 1–7, чтобы заменить следующую фигуру на нужную; нажмите 9 ради сюрприза; этот режим не сохраняется.</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>Не удалось загрузить набор фигур %1:
%2
Остаются фигуры из %3.</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>Не удалось загрузить стиль %1:
%2
Остаётся стиль %3.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>language</source>
        <translation>язык</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>со следующего запуска</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Язык (со следующего запуска)</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>Набор фигур</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>Стиль блоков</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>Режим отладки выключен</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>Режим отладки включён</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>Чёткое масштабирование</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>Масштабирование с заполнением</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>настройки не сохраняются: нет домашней папки (HOME не задана)</translation>
    </message>
    <message>
        <source>level</source>
        <translation>уровень</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>запас</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>тяжесть</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>следующие фигуры</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>тень</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>звук</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>подъём</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>клавиша «влево»</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>клавиша «вправо»</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>клавиша плавного спуска</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>клавиша поворота влево</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>клавиша поворота вправо</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>клавиша полуоборота</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>клавиша мгновенного сброса</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>клавиша запаса</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>клавиша старта</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>пауза при потере фокуса</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>ширина окна</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>высота окна</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>полный экран</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>режим игры</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>управление</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>задержка автоповтора</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>интервал автоповтора</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>интервал плавного спуска</translation>
    </message>
    <message>
        <source>language</source>
        <translation>язык</translation>
    </message>
    <message>
        <source>maximised</source>
        <translation>развёрнуто</translation>
    </message>
    <message>
        <source>scaling</source>
        <translation>масштабирование</translation>
    </message>
    <message>
        <source> Nothing is written to it.</source>
        <translation> В него ничего не записывается.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>он больше 1 МБ</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его нельзя прочитать</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>это текст в UTF-16, а не простой текст</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation> Он остаётся как есть, пока не изменится одна из его настроек.</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1: нет значения «%2»; используется %3.</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1: значение «%2» «%3» — не число; используется %4.</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1: значение «%2» %3 вне допустимых пределов; используется %4.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>Не удалось прочитать %1 (%2); используются поставляемые настройки.%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>Не удалось загрузить поставляемый файл (%1) %2 (%3).</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>Не удалось загрузить %1 %2 (%3); используется %4.</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000: имя «%2» (%1) непригодно; используется %3.</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>Поставляемый файл (%1) %2 тоже не удалось загрузить (%3).</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000: пропущено строк без кода клавиши 0–255: %1.</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>Не удалось прочитать keycode.000 (%1); используются поставляемые названия клавиш.</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>Не удалось прочитать option_style.000 (%1); используются поставляемые набор фигур и стиль.%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>набор фигур</translation>
    </message>
    <message>
        <source>style</source>
        <translation>стиль</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>Не удалось прочитать option_more.000 (%1); используются поставляемые настройки.%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W: смотреть последний повтор</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>Смотреть последний повтор</translation>
    </message>
</context>
</TS>
