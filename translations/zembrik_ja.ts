<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>ソフトドロップ</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>ハードドロップ</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>左回転</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>右回転</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>第三の回転</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>キーコード %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1と%2が %3 を共有しています。</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>初期値</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>見られるリプレイはまだありません。プレイしたゲームはすべて保存されます。</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>最新のリプレイを再生できません: %1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>ライン</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>ピース</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>ピース/秒</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>キー/ピース</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>1 ライン消し</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>2 ライン消し</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>3 ライン消し</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>4+ ライン消し</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>ノーマル</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>スプリント</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>ウルトラ</translation>
    </message>
    <message>
        <source>unfinished</source>
        <translation>未完了</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>カスタム %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>ベスト（%1 から）</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>%1ベスト %2</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>スプリント達成</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>タイムアップ</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>自己ベスト！</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W: このゲームを見る</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>リプレイ %1×  一時停止中
P: 再開
Esc: 終了</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>リプレイ %1×
F: 速度   P: 一時停止
Esc: 終了</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>%1 リプレイ %2×
一時停止中  P: 再開
Esc: 終了</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>%1 リプレイ %2×
F: 速度   P: 一時停止
Esc: 終了</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>リピート開始までの時間</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>移動キーを押し続けたとき、最初の移動から自動で動き出すまでの待ち時間（1/60 秒単位のステップ）。</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>リピート間隔</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>リピート中に押し続けた移動キーが動く間隔のステップ数。0 ならピースは一瞬で壁まで動きます。</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>ソフトドロップ間隔</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>ソフトドロップキーを押している間、ピースが 1 段落ちるのにかかるステップ数。0 なら一瞬で底まで落ちます。</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>即時</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ミリ秒</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>操作: キーを押し続けたときの動き方。ノーマル: ゲーム本来のリピートで、高いレベルほど速くなります。カスタム: 自分で決めた値で、どのモードでも使えます。カスタムのゲームの記録はノーマルとは別に保存されます。</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>ノーマル</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n ステップ</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>読み込み中~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>スコア:</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>ライン:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>レベル:</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>レベルと、ダッシュの後に次のレベルまでの進み具合。新しいピースが出るたびに 1（99 まで）、ラインを消すたびに 1 増え、100 でレベルが上がります。</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>Zembrik は設定を書き込めません（%1）。プレイはできますが、キーやオプションの変更は保存されません。</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>Pause で再開</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>P で再開</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>タイム:</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>選んだレベルとこれらのオプションでゲームを始めます。スタートキー（キー設定で変えない限り Enter）でも同じです。</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>ピースの移動・回転・落下・ホールドのキーと、ゲームを始めるキーを選びます。</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>形状セットとブロックの見た目、サウンドのオン・オフ、ウィンドウの使い方を選びます。</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>ゲームのバージョンと制作者。</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>開始レベル: 下のマスをクリックして選びます。H0〜H9: ピースが落ち、レベルごとに速くなります。M0〜M9: ピースはすぐに積み上げの上に着地し、固定までの待ち時間がレベルごとに短くなります。M9 の次は最後のレベル ?! で、積み上げが見えなくなり、ゲームはそこから出ません。</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>新しいゲームの開始レベル。</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>開始レベル: 上の段が H0〜H9、下の段が M0〜M9。</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>H%1 から開始: ピースは自然に落ち、レベルごとに速くなります。</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>M%1 から開始: ピースはすぐに積み上げの上に着地し、固定までの少しの間に動かしたり回したりできます。その時間はレベルごとに短くなります。</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>ホールド: ホールドキーで落下中のピースを脇に置き（ピースごとに 1 回）、置いていたピースを戻せるかどうか。</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>重力: ラインが消えた後、上のブロックがどうなるか。~ 下がって隙間を埋める。✓ 離れたかたまりが落ちきり、さらにラインを消すことがある。! その場に残り、隙間が空いたまま。</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>ゴースト: 落下中のピースの着地点を輪郭で示すかどうか。</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>ネクスト数: 次に来るピースをいくつ表示するか（1 つか 3 つ）。</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>クライム: 回転でピースを到達した最も低い段から何段まで持ち上げられるか（0、1、3）。多いほど狭い所から回転で抜け出しやすくなります。</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>ホールドなし。</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>ホールドあり: ホールドキーで落下中のピースと脇に置いたピースを入れ替えます（ピースごとに 1 回）。</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ ラインが消えると、上の段が下がって隙間を埋めます。</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ ラインが消えると、離れたブロックのかたまりが落ちきり、さらにラインを消すことがあります。</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! ラインが消えても、上のブロックはその場に残ります。</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>ゴーストなし。</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>ゴースト: 落下中のピースの着地点を輪郭で示します。</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>次のピースを表示します。</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>次の 3 つのピースを表示します。</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>回転でピースが到達した最も低い段より上がることはありません。</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>回転でピースを到達した最も低い段から 1 段上げられます。</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>回転でピースを到達した最も低い段から最大 3 段上げられます。</translation>
    </message>
    <message>
        <source>Sprint</source>
        <translation>スプリント</translation>
    </message>
    <message>
        <source>Ultra</source>
        <translation>ウルトラ</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>no hold</source>
        <translation>ホールドなし</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>連鎖</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>隙間が残る</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>段が詰まる</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>ネクスト 3</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>ネクスト 1</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>クライム %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>カスタム操作</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>%1 のベスト</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>連絡先: zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>C++20 と Qt 6 で作成</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>ウェブサイト: https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>謝辞:</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>効果音は Zembrik チームが合成しました</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>ホールド: オフ</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>ホールド: オン</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>重力: 段が詰まる</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>重力: 連鎖</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>重力: 隙間が残る</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>ゴースト: オフ</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>ゴースト: オン</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>ネクスト: 1</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>ネクスト: 3</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>クライム: %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>キー設定</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>開始レベル</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>開始レベル %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>ノーマル</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Mode: %1</source>
        <translation>モード: %1</translation>
    </message>
    <message>
        <source>Mode: what a game is played for. Classic until the stack tops out, Sprint to clear 40 lines as fast as you can, Ultra to score as much as you can in two minutes.</source>
        <translation>モード: ゲームの目的。ノーマルは積み上げが天井に届くまで、スプリントはできるだけ速く 40 ラインを消す、ウルトラは 2 分間でできるだけ多く得点する。</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>ノーマル: 積み上げが天井に届くまでプレイします。</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>スプリント: 時間を競って 40 ラインを消します。40 ライン目でゲームが終わり、タイムが記録されます。</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>ウルトラ: ゲーム時間 2 分でできるだけ多く得点します。</translation>
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
        <translation>バック</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Left stick</source>
        <translation>左スティック</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>右スティック</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>左ショルダー</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>右ショルダー</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>十字キー上</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>十字キー下</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>十字キー左</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>十字キー右</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Paddle 1</source>
        <translation>背面ボタン 1</translation>
    </message>
    <message>
        <source>Paddle 2</source>
        <translation>背面ボタン 2</translation>
    </message>
    <message>
        <source>Paddle 3</source>
        <translation>背面ボタン 3</translation>
    </message>
    <message>
        <source>Paddle 4</source>
        <translation>背面ボタン 4</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>タッチパッド</translation>
    </message>
    <message>
        <source>pad button %1</source>
        <translation>パッドのボタン %1</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>パッド</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>パッド: %1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>枠を選んでパッドのボタンを押してください。Esc かバックで元のままになります。</translation>
    </message>
</context>
<context>
    <name>zembrik::Panels</name>
    <message>
        <source>PAUSED</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsDialog</name>
    <message>
        <source>Turning about the centre</source>
        <translation>中心で回転</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>上端で回転</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>クラシック</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>フラット</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>ハイコントラスト・模様付き</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>blox shape - </source>
        <translation>形状 - </translation>
    </message>
    <message>
        <source>blox style - </source>
        <translation>スタイル - </translation>
    </message>
    <message>
        <source>NOISY</source>
        <translation>音あり</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>消音</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>debug</source>
        <translation>デバッグ</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>くっきり</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>ウィンドウでのゲームの表示方法。くっきり: 整数倍（2x、3x ……）で拡大し、各ピクセルをくっきりした正方形にして周りは黒。全体: ウィンドウに収まる最大の大きさで、倍率は問いません。</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>ウィンドウ
拡大</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>ウィンドウのフォーカスが
外れたら一時停止</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>ウィンドウのフォーカスが外れたら一時停止</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>デバッグモードでは、数字の 1〜7 で次のピースを好きなものに変えられます。9 を押すと何かが起こります。この設定は保存されません。</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>形状セット %1 を読み込めませんでした:
%2
%3 の形状のままです。</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>スタイル %1 を読み込めませんでした:
%2
スタイル %3 のままです。</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>from the next start</source>
        <translation>次回の起動から</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>言語（次回の起動から）</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>形状セット</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>ブロックのスタイル</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>サウンド オン</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>サウンド オフ</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>デバッグモード オフ</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>デバッグモード オン</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>くっきり拡大</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>全体に拡大</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>設定は保存されません: ホームフォルダーがありません（HOME が未設定）</translation>
    </message>
    <message>
        <source>level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>重力</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>ネクスト</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>ゴースト</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>クライム</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>左移動キー</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>右移動キー</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>ソフトドロップキー</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>左回転キー</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>右回転キー</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>半回転キー</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>ハードドロップキー</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>ホールドキー</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>スタートキー</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>フォーカス喪失時の一時停止</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>ウィンドウの幅</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>ウィンドウの高さ</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>フルスクリーン</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>ゲームモード</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>リピート開始までの時間</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>リピート間隔</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>ソフトドロップ間隔</translation>
    </message>
    <message>
        <source>language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>maximised</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>scaling</source>
        <translation>拡大方法</translation>
    </message>
    <message>
        <source> Nothing is written to it.</source>
        <translation> このファイルには何も書き込みません。</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>1 MB より大きいため</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み取れないため</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>プレーンテキストではなく UTF-16 テキストのため</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation> 中の設定を変えない限り、そのまま残します。</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1: 「%2」がありません。%3 を使います。</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1: 「%2」の値「%3」は数値ではありません。%4 を使います。</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1: 「%2」の値 %3 は範囲外です。%4 を使います。</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>%1 を読み込めませんでした（%2）。付属の設定を使います。%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>付属の%1 %2 を読み込めませんでした（%3）。</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>%1 %2 を読み込めませんでした（%3）。%4 を使います。</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000: %1の名前「%2」は使えません。%3 を使います。</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>付属の%1 %2 も読み込めませんでした（%3）。</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000: キーコード 0〜255 のない %1 行を飛ばしました。</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>keycode.000 を読み込めませんでした（%1）。付属のキー名を使います。</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>option_style.000 を読み込めませんでした（%1）。付属の形状セットとスタイルを使います。%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>形状セット</translation>
    </message>
    <message>
        <source>style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>option_more.000 を読み込めませんでした（%1）。付属の設定を使います。%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W: 最新のリプレイを見る</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>最新のリプレイを見る</translation>
    </message>
</context>
</TS>
