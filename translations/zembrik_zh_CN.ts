<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>软降</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>硬降</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>左转</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右转</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>第三旋转</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>暂存</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>键码 %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1和%2共用 %3。</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>还没有可观看的回放：你玩的每一局都会保存。</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>无法观看最新的回放：%1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>行数</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>方块数</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>方块/秒</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>按键/方块</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>操控</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>单行消除</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>双行消除</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>三行消除</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>四行以上消除</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>竞速</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>限时</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>自定义 %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>%1 起最佳</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>%2 起%1最佳</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>竞速完成</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>时间到</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>新纪录！</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W：观看本局</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>回放 %1×  已暂停
P：继续
Esc：停止</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>回放 %1×
F：速度   P：暂停
Esc：停止</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>%1回放 %2×
已暂停  P：继续
Esc：停止</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>%1回放 %2×
F：速度   P：暂停
Esc：停止</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>自动重复延迟</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>按住移动键时，第一次移动后要等多久才开始自动重复，单位为 1/60 秒的步。</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>自动重复间隔</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>自动重复开始后，按住的移动键每次移动之间的步数。0 表示立刻移到墙边。</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>软降间隔</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>按住软降键时，方块每下落一行所用的步数。0 表示立刻落到底。</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>立即</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>操控：按住按键时的效果。经典：游戏自带的自动重复，等级越高越快。自定义：使用你自己的数值，适用于所有模式；自定义操控的纪录与经典的分开保存。</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>操控</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n 步</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>正在加载~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>行数：</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>等级：</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>等级，短横线后是距下一级的进度：每出现一个方块加 1（最多到 99），每消除一行加 1，满 100 升一级。</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>Zembrik 无法写入设置（%1）。你可以继续游戏，但对按键和选项的更改不会保存。</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>按 Pause 继续</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>按 P 继续</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>时间：</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>以选定的等级和这些选项开始游戏。开始键（默认为 Enter，可在按键设置中更改）作用相同。</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>选择移动、旋转、下落和暂存方块的按键，以及开始游戏的按键。</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>选择形状集和方块外观、开关声音，以及游戏如何填充窗口。</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>游戏版本和制作者。</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>起始等级：点击下方的格子来选择。H0 到 H9：方块下落，每级更快。M0 到 M9：每个方块立即落到堆上，每级锁定前的等待更短。M9 之后是最后一级 ?!，堆叠被隐藏；游戏不会离开这一级。</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>新游戏的起始等级。</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>起始等级：上排 H0 到 H9，下排 M0 到 M9。</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>从 H%1 开始：方块自行下落，每级更快。</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>从 M%1 开始：每个方块立即落到堆上；锁定前有片刻可以移动和旋转，每级更短。</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>暂存：暂存键能否把下落中的方块放到一旁（每个方块一次），并取回之前暂存的方块。</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>重力：消行后上方的方块如何变化。~ 下移填补空隙；✓ 松散的块组尽量下落，可能再消除更多行；! 原地不动，留下空隙。</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>影子：是否用轮廓显示下落方块的落点。</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>预览数：显示接下来的几个方块，一个或三个。</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>攀升：旋转最多能把方块抬高到已到达最低行之上几行：0、1 或 3。越多越容易从窄处转出来。</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>不可暂存。</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>允许暂存：暂存键把下落中的方块与暂存的方块交换，每个方块一次。</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ 消行后上方的行下移填补空隙。</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ 消行后松散的块组尽量下落，可能再消除更多行。</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! 消行后上方的方块原地不动。</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>不显示影子。</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>影子：用轮廓显示下落方块的落点。</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>显示下一个方块。</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>显示接下来的三个方块。</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>旋转不会把方块抬高到已到达的最低行之上。</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>旋转可以把方块抬高到已到达最低行之上一行。</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>旋转可以把方块抬高到已到达最低行之上最多三行。</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>竞速</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>限时</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>暂存</translation>
    </message>
    <message>
        <source>no hold</source>
        <translation>无暂存</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>连锁</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>留空</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>行下移</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>预览 3</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>预览 1</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>攀升 %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>自定义操控</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>最佳纪录：%1</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>联系方式：zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>使用 C++20 和 Qt 6 构建</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>网站：https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>鸣谢：</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>音效由 Zembrik 团队合成</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>暂存：关</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>暂存：开</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>重力：行下移</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>重力：连锁</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>重力：留空</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>影子：关</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>影子：开</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>预览：1 个</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>预览：3 个</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>攀升：%1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>起始等级</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>起始等级 %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>模式：%1</translation>
    </message>
    <message>
        <source>Mode: what a game is played for. Classic until the stack tops out, Sprint to clear 40 lines as fast as you can, Ultra to score as much as you can in two minutes.</source>
        <translation>模式：游戏的目标。经典：玩到方块堆到顶；竞速：尽快消除 40 行；限时：在两分钟内尽量多得分。</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>经典：玩到方块堆到顶为止。</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>竞速：与时间赛跑，消除 40 行。消除第 40 行时游戏结束，并记下你的用时。</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>限时：在两分钟游戏时间内尽量多得分。</translation>
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
        <translation>返回</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>主页键</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Left stick</source>
        <translation>左摇杆</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>右摇杆</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>左肩键</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>右肩键</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>十字键上</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>十字键下</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>十字键左</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>十字键右</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>其他键</translation>
    </message>
    <message>
        <source>Paddle 1</source>
        <translation>背键 1</translation>
    </message>
    <message>
        <source>Paddle 2</source>
        <translation>背键 2</translation>
    </message>
    <message>
        <source>Paddle 3</source>
        <translation>背键 3</translation>
    </message>
    <message>
        <source>Paddle 4</source>
        <translation>背键 4</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>触控板</translation>
    </message>
    <message>
        <source>pad button %1</source>
        <translation>手柄键 %1</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>手柄</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>手柄：%1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>选一个框，再按手柄上的键。Esc 或“返回”键保持原样。</translation>
    </message>
</context>
<context>
    <name>zembrik::Panels</name>
    <message>
        <source>PAUSED</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsDialog</name>
    <message>
        <source>Turning about the centre</source>
        <translation>绕中心旋转</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>贴顶旋转</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>经典</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>扁平</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>高对比度，带花纹</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>blox shape - </source>
        <translation>形状 - </translation>
    </message>
    <message>
        <source>blox style - </source>
        <translation>样式 - </translation>
    </message>
    <message>
        <source>NOISY</source>
        <translation>有声</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>清晰</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填满</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>游戏如何填充窗口。清晰：按整数倍（2x、3x ……）放大，每个像素都是清晰的方块，四周留黑。填满：在窗口允许的范围内尽量放大，倍数不限。</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>窗口
缩放</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>窗口失去焦点时
暂停</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>窗口失去焦点时暂停</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>调试模式下：按数字 1-7 把下一个方块换成你想要的；按 9 会有惊喜；此选项不会保存。</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>无法加载形状集 %1：
%2
继续使用 %3 的形状。</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>无法加载样式 %1：
%2
继续使用样式 %3。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>下次启动时生效</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>语言（下次启动时生效）</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>形状集</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>方块样式</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>声音开</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>声音关</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>调试模式关</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>调试模式开</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>清晰缩放</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>填满缩放</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>设置不会保存：没有主文件夹（未设置 HOME）</translation>
    </message>
    <message>
        <source>level</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>暂存</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>重力</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>预览方块</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>影子</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>攀升</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>左移键</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>右移键</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>软降键</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>左转键</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>右转键</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>半圈旋转键</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>硬降键</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>暂存键</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>开始键</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>失去焦点时暂停</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>窗口宽度</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>窗口高度</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>游戏模式</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>操控</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>自动重复延迟</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>自动重复间隔</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>软降间隔</translation>
    </message>
    <message>
        <source>language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>maximised</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>scaling</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source> Nothing is written to it.</source>
        <translation>不会向其写入任何内容。</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>文件大于 1 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>文件无法读取</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>文件是 UTF-16 文本，不是纯文本</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation>除非其中的设置被更改，否则保持原样。</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1：缺少“%2”；使用 %3。</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1：“%2”的值“%3”不是数字；使用 %4。</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1：“%2”的值 %3 超出范围；使用 %4。</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>无法读取 %1（%2）；使用自带的设置。%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>无法加载自带的%1 %2（%3）。</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>无法加载%1 %2（%3）；使用 %4。</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000：%1名称“%2”不可用；使用 %3。</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>自带的%1 %2 也无法加载（%3）。</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000：跳过了 %1 行没有 0-255 键码的内容。</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>无法读取 keycode.000（%1）；使用自带的按键名称。</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>无法读取 option_style.000（%1）；使用自带的形状集和样式。%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>形状集</translation>
    </message>
    <message>
        <source>style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>无法读取 option_more.000（%1）；使用自带的设置。%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W：观看最新回放</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>观看最新回放</translation>
    </message>
</context>
</TS>
