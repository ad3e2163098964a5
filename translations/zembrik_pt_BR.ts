<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>zembrik::ControlsDialog</name>
    <message>
        <source>Move left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Soft drop</source>
        <translation>Descida suave</translation>
    </message>
    <message>
        <source>Hard drop</source>
        <translation>Queda direta</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Third turn</source>
        <translation>Terceiro giro</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Reservar</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>key code %1</source>
        <translation>código de tecla %1</translation>
    </message>
    <message>
        <source>%1 and %2 share %3.</source>
        <translation>%1 e %2 compartilham %3.</translation>
    </message>
    <message>
        <source>Controls Settings</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Padrões</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>zembrik::GameSession</name>
    <message>
        <source>There is no replay to watch yet: every game you play is kept.</source>
        <translation>Ainda não há replay para assistir: toda partida que você joga é guardada.</translation>
    </message>
    <message>
        <source>The newest replay cannot be watched: %1</source>
        <translation>O replay mais recente não pode ser assistido: %1</translation>
    </message>
</context>
<context>
    <name>zembrik::GameWords</name>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linhas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Peças</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pieces/s</source>
        <translation>Peças/s</translation>
    </message>
    <message>
        <source>Keys/piece</source>
        <translation>Teclas/peça</translation>
    </message>
    <message>
        <source>Handling</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>1-row clears</source>
        <translation>Linhas simples</translation>
    </message>
    <message>
        <source>2-row clears</source>
        <translation>Linhas duplas</translation>
    </message>
    <message>
        <source>3-row clears</source>
        <translation>Linhas triplas</translation>
    </message>
    <message>
        <source>4+ row clears</source>
        <translation>4+ linhas</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
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
        <translation>inacabada</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>custom %1</source>
        <translation>próprio %1</translation>
    </message>
    <message>
        <source>Best from %1</source>
        <translation>Melhor desde %1</translation>
    </message>
    <message>
        <source>Best %1 from %2</source>
        <translation>Melhor %1 (%2)</translation>
    </message>
    <message>
        <source>GAME OVER</source>
        <translation>FIM DE JOGO</translation>
    </message>
    <message>
        <source>SPRINT FINISHED</source>
        <translation>CONCLUÍDO!</translation>
    </message>
    <message>
        <source>TIME UP</source>
        <translation>TEMPO ESGOTADO</translation>
    </message>
    <message>
        <source>New best!</source>
        <translation>Novo recorde!</translation>
    </message>
    <message>
        <source>W: watch this game</source>
        <translation>W: assistir a esta partida</translation>
    </message>
    <message>
        <source>REPLAY %1×  PAUSED
P: resume
Esc: stop</source>
        <translation>REPLAY %1×  PAUSADO
P: continuar
Esc: parar</translation>
    </message>
    <message>
        <source>REPLAY %1×
F: speed   P: pause
Esc: stop</source>
        <translation>REPLAY %1×
F: velocidade   P: pausa
Esc: parar</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
PAUSED  P: resume
Esc: stop</source>
        <translation>REPLAY %1 %2×
PAUSADO  P: continuar
Esc: parar</translation>
    </message>
    <message>
        <source>%1 REPLAY %2×
F: speed   P: pause
Esc: stop</source>
        <translation>REPLAY %1 %2×
F: velocidade   P: pausa
Esc: parar</translation>
    </message>
</context>
<context>
    <name>zembrik::HandlingPanel</name>
    <message>
        <source>auto-repeat delay</source>
        <translation>atraso da repetição</translation>
    </message>
    <message>
        <source>How long a held move key waits after its first move before it moves again by itself, in steps of 1/60 s.</source>
        <translation>Quanto tempo uma tecla de movimento segurada espera após o primeiro passo antes de mover de novo sozinha, em passos de 1/60 s.</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>intervalo da repetição</translation>
    </message>
    <message>
        <source>Steps between the moves of a held move key once it repeats. 0 moves the piece to the wall at once.</source>
        <translation>Passos entre os movimentos de uma tecla segurada depois que ela começa a repetir. 0 leva a peça até a parede na hora.</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>intervalo da descida suave</translation>
    </message>
    <message>
        <source>Steps for each row a piece falls while the soft-drop key is held. 0 drops it to the floor at once.</source>
        <translation>Passos para cada linha que a peça desce enquanto a tecla de descida suave é segurada. 0 a leva ao fundo na hora.</translation>
    </message>
    <message>
        <source>at once</source>
        <translation>na hora</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>Handling: how held keys act. Classic: the game&apos;s own auto-repeat, quicker at the higher levels. Custom: your own numbers, in every mode; the records of custom games are kept apart from the classic ones.</source>
        <translation>Controle: como agem as teclas seguradas. Clássico: a repetição própria do jogo, mais rápida nos níveis altos. Próprio: seus próprios valores, em todos os modos; os recordes das partidas com controle próprio ficam separados dos clássicos.</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>controle</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Próprio</translation>
    </message>
    <message numerus="yes">
        <source>%n step(s)</source>
        <translation>
            <numerusform>%n passo</numerusform>
            <numerusform>%n passos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zembrik::MainWindow</name>
    <message>
        <source>Loading~</source>
        <translation>Carregando~</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Lines:</source>
        <translation>Linhas:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>The level, then after the dash how far it is to the next one: every piece that comes in adds 1 (up to 99), every row cleared adds 1, and at 100 the level goes up.</source>
        <translation>O nível e, depois do traço, quanto falta para o próximo: cada peça que entra soma 1 (até 99), cada linha eliminada soma 1, e em 100 o nível sobe.</translation>
    </message>
    <message>
        <source>Zembrik cannot write its settings (%1). You can play, but changes to the keys and options will not be kept.</source>
        <translation>O Zembrik não consegue gravar suas configurações (%1). Você pode jogar, mas as mudanças nas teclas e opções não serão guardadas.</translation>
    </message>
    <message>
        <source>Pause to resume</source>
        <translation>Pause para continuar</translation>
    </message>
    <message>
        <source>P to resume</source>
        <translation>P para continuar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
</context>
<context>
    <name>zembrik::MenuPanel</name>
    <message>
        <source>Start a game at the chosen level with these options. The start key (Enter unless you change it in Controls) does the same.</source>
        <translation>Inicia uma partida no nível escolhido com estas opções. A tecla de início (Enter, a menos que você a mude em Controles) faz o mesmo.</translation>
    </message>
    <message>
        <source>Choose the keys that move, turn, drop and hold the pieces, and the key that starts a game.</source>
        <translation>Escolha as teclas que movem, giram, derrubam e reservam as peças, e a tecla que inicia uma partida.</translation>
    </message>
    <message>
        <source>Choose the shape set and the look of the blocks, sound on or off, and how the game fills its window.</source>
        <translation>Escolha o conjunto de formas e a aparência dos blocos, som ligado ou desligado, e como o jogo preenche sua janela.</translation>
    </message>
    <message>
        <source>The version of the game and who made it.</source>
        <translation>A versão do jogo e quem o fez.</translation>
    </message>
    <message>
        <source>The start level: click a face below to choose it. H0 to H9: the pieces fall, faster at each level. M0 to M9: each piece lands on the stack at once and waits less at each level before it locks. After M9 comes the last level, ?!, where the stack is hidden; a game never leaves it.</source>
        <translation>O nível inicial: clique em uma casa abaixo para escolhê-lo. H0 a H9: as peças caem, mais rápido a cada nível. M0 a M9: cada peça pousa na pilha na hora e espera menos a cada nível antes de travar. Depois de M9 vem o último nível, ?!, onde a pilha fica escondida; uma partida nunca sai dele.</translation>
    </message>
    <message>
        <source>The level a new game starts at.</source>
        <translation>O nível em que uma nova partida começa.</translation>
    </message>
    <message>
        <source>The start level: top row H0 to H9, bottom row M0 to M9.</source>
        <translation>O nível inicial: fileira de cima H0 a H9, fileira de baixo M0 a M9.</translation>
    </message>
    <message>
        <source>Start at H%1: the pieces fall by themselves, faster at each level.</source>
        <translation>Começar em H%1: as peças caem sozinhas, mais rápido a cada nível.</translation>
    </message>
    <message>
        <source>Start at M%1: each piece lands on the stack at once; you have a moment to move and turn it before it locks, shorter at each level.</source>
        <translation>Começar em M%1: cada peça pousa na pilha na hora; você tem um momento para movê-la e girá-la antes que trave, mais curto a cada nível.</translation>
    </message>
    <message>
        <source>Holding: whether the hold key may put the falling piece aside, once for each piece, and bring back the one kept there.</source>
        <translation>Reserva: se a tecla de reserva pode pôr de lado a peça que cai, uma vez por peça, e trazer de volta a que ficou guardada.</translation>
    </message>
    <message>
        <source>Gravity: what the blocks above do once rows are cleared. ~ they move down to close the gap; ✓ loose groups fall as far as they can and may clear more rows; ! they stay where they are, leaving the gap.</source>
        <translation>Gravidade: o que os blocos de cima fazem quando linhas são eliminadas. ~ descem para fechar o vão; ✓ grupos soltos caem o máximo que podem e podem eliminar mais linhas; ! ficam onde estão, deixando o vão.</translation>
    </message>
    <message>
        <source>Shadow: whether an outline shows where the falling piece would land.</source>
        <translation>Sombra: se um contorno mostra onde a peça que cai pousaria.</translation>
    </message>
    <message>
        <source># of Next: how many of the coming pieces are shown, one or three.</source>
        <translation>Nº de próximas: quantas das próximas peças são mostradas, uma ou três.</translation>
    </message>
    <message>
        <source>Climbing: how many rows a turn may lift a piece above the lowest row it has reached: 0, 1 or 3. More lets a piece turn its way up out of a tight spot.</source>
        <translation>Escalada: quantas linhas um giro pode erguer uma peça acima da linha mais baixa que ela alcançou: 0, 1 ou 3. Mais permite que uma peça saia girando de um lugar apertado.</translation>
    </message>
    <message>
        <source>No hold.</source>
        <translation>Sem reserva.</translation>
    </message>
    <message>
        <source>Hold allowed: the hold key swaps the falling piece with the one kept aside, once for each piece.</source>
        <translation>Reserva permitida: a tecla de reserva troca a peça que cai pela guardada, uma vez por peça.</translation>
    </message>
    <message>
        <source>~ After a clear the rows above move down to close the gap.</source>
        <translation>~ Depois de eliminar, as linhas de cima descem para fechar o vão.</translation>
    </message>
    <message>
        <source>✓ After a clear loose groups of blocks fall as far as they can, and may clear more rows.</source>
        <translation>✓ Depois de eliminar, grupos soltos de blocos caem o máximo que podem e podem eliminar mais linhas.</translation>
    </message>
    <message>
        <source>! After a clear the blocks above stay where they are.</source>
        <translation>! Depois de eliminar, os blocos de cima ficam onde estão.</translation>
    </message>
    <message>
        <source>No shadow.</source>
        <translation>Sem sombra.</translation>
    </message>
    <message>
        <source>Shadow: an outline shows where the falling piece would land.</source>
        <translation>Sombra: um contorno mostra onde a peça que cai pousaria.</translation>
    </message>
    <message>
        <source>Show the next piece.</source>
        <translation>Mostrar a próxima peça.</translation>
    </message>
    <message>
        <source>Show the next three pieces.</source>
        <translation>Mostrar as próximas três peças.</translation>
    </message>
    <message>
        <source>A turn never lifts a piece above the lowest row it has reached.</source>
        <translation>Um giro nunca ergue uma peça acima da linha mais baixa que ela alcançou.</translation>
    </message>
    <message>
        <source>A turn may lift a piece one row above the lowest row it has reached.</source>
        <translation>Um giro pode erguer uma peça uma linha acima da linha mais baixa que ela alcançou.</translation>
    </message>
    <message>
        <source>A turn may lift a piece up to three rows above the lowest row it has reached.</source>
        <translation>Um giro pode erguer uma peça até três linhas acima da linha mais baixa que ela alcançou.</translation>
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
        <translation>sem reserva</translation>
    </message>
    <message>
        <source>cascade</source>
        <translation>cascata</translation>
    </message>
    <message>
        <source>gaps stay</source>
        <translation>vãos ficam</translation>
    </message>
    <message>
        <source>rows close</source>
        <translation>linhas se fecham</translation>
    </message>
    <message>
        <source>3 next</source>
        <translation>3 próximas</translation>
    </message>
    <message>
        <source>1 next</source>
        <translation>1 próxima</translation>
    </message>
    <message>
        <source>climb %1</source>
        <translation>escalada %1</translation>
    </message>
    <message>
        <source>custom handling</source>
        <translation>controle próprio</translation>
    </message>
    <message>
        <source>Best for %1</source>
        <translation>Recorde para %1</translation>
    </message>
    <message>
        <source>Contact: zembrik-team@example.org</source>
        <translation>Contato: zembrik-team@example.org</translation>
    </message>
    <message>
        <source>Built with C++20 and Qt 6</source>
        <translation>Feito com C++20 e Qt 6</translation>
    </message>
    <message>
        <source>Version%1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>WEBSITE: https://zembrik.example.org</source>
        <translation>SITE: https://zembrik.example.org</translation>
    </message>
    <message>
        <source>Thanks to:</source>
        <translation>Agradecimentos:</translation>
    </message>
    <message>
        <source>Sound effects synthesised by the Zembrik team</source>
        <translation>Efeitos sonoros sintetizados pela equipe do Zembrik</translation>
    </message>
    <message>
        <source>Holding: off</source>
        <translation>Reserva: não</translation>
    </message>
    <message>
        <source>Holding: on</source>
        <translation>Reserva: sim</translation>
    </message>
    <message>
        <source>Gravity: rows close</source>
        <translation>Gravidade: as linhas se fecham</translation>
    </message>
    <message>
        <source>Gravity: cascade</source>
        <translation>Gravidade: cascata</translation>
    </message>
    <message>
        <source>Gravity: gaps stay</source>
        <translation>Gravidade: os vãos ficam</translation>
    </message>
    <message>
        <source>Shadow: off</source>
        <translation>Sombra: não</translation>
    </message>
    <message>
        <source>Shadow: on</source>
        <translation>Sombra: sim</translation>
    </message>
    <message>
        <source>Next pieces: 1</source>
        <translation>Próximas peças: 1</translation>
    </message>
    <message>
        <source>Next pieces: 3</source>
        <translation>Próximas peças: 3</translation>
    </message>
    <message>
        <source>Climbing: %1</source>
        <translation>Escalada: %1</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Controls</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Start level</source>
        <translation>Nível inicial</translation>
    </message>
    <message>
        <source>Start level %1</source>
        <translation>Nível inicial %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
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
        <translation>Modo: o objetivo da partida. Clássico até a pilha chegar ao topo, Sprint para eliminar 40 linhas o mais rápido possível, Ultra para fazer o máximo de pontos em dois minutos.</translation>
    </message>
    <message>
        <source>Classic: play until the stack tops out.</source>
        <translation>Clássico: jogar até a pilha chegar ao topo.</translation>
    </message>
    <message>
        <source>Sprint: clear 40 lines against the clock. The game ends on the 40th line, with your time.</source>
        <translation>Sprint: eliminar 40 linhas contra o relógio. A partida termina na 40ª linha, com o seu tempo.</translation>
    </message>
    <message>
        <source>Ultra: score as much as you can in two minutes of game time.</source>
        <translation>Ultra: fazer o máximo de pontos em dois minutos de jogo.</translation>
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
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Left stick</source>
        <translation>Analógico esquerdo</translation>
    </message>
    <message>
        <source>Right stick</source>
        <translation>Analógico direito</translation>
    </message>
    <message>
        <source>Left shoulder</source>
        <translation>Ombro esq.</translation>
    </message>
    <message>
        <source>Right shoulder</source>
        <translation>Ombro dir.</translation>
    </message>
    <message>
        <source>D-pad up</source>
        <translation>Direcional cima</translation>
    </message>
    <message>
        <source>D-pad down</source>
        <translation>Direcional baixo</translation>
    </message>
    <message>
        <source>D-pad left</source>
        <translation>Direcional esq.</translation>
    </message>
    <message>
        <source>D-pad right</source>
        <translation>Direcional dir.</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Diversos</translation>
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
        <translation>o botão do controle %1</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Pad: %1</source>
        <translation>Controle: %1</translation>
    </message>
    <message>
        <source>Choose a box, then press a button on the pad. Esc or Back leaves it as it was.</source>
        <translation>Escolha uma caixa e aperte um botão do controle. Esc ou Voltar a deixa como estava.</translation>
    </message>
</context>
<context>
    <name>zembrik::Panels</name>
    <message>
        <source>PAUSED</source>
        <translation>PAUSADO</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsDialog</name>
    <message>
        <source>Turning about the centre</source>
        <translation>Giro pelo centro</translation>
    </message>
    <message>
        <source>Turning at the top</source>
        <translation>Giro no topo</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clássico</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>High contrast, patterned</source>
        <translation>Alto contraste, com padrões</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>configurações</translation>
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
        <translation>SOM</translation>
    </message>
    <message>
        <source>quiet</source>
        <translation>mudo</translation>
    </message>
    <message>
        <source>ENJOY</source>
        <translation>JOGAR</translation>
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
        <translation>Preencher</translation>
    </message>
    <message>
        <source>How the game fills its window. Sharp: in whole steps (2x, 3x ...), every pixel a sharp square, with black around. Fill: as large as the window allows, at any size.</source>
        <translation>Como o jogo preenche sua janela. Nítido: em passos inteiros (2x, 3x ...), cada pixel um quadrado nítido, com preto em volta. Preencher: do maior tamanho que a janela permitir, em qualquer escala.</translation>
    </message>
    <message>
        <source>window
scaling</source>
        <translation>escala da
janela</translation>
    </message>
    <message>
        <source>Pause when the window
loses focus</source>
        <translation>Pausar quando a janela
perde o foco</translation>
    </message>
    <message>
        <source>Pause when the window loses focus</source>
        <translation>Pausar quando a janela perde o foco</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>In debug mode: press number 1-7 to change the next piece into which you want; press number 9 for something exciting; this option won&apos;t be saved.</source>
        <translation>No modo de depuração: aperte 1-7 para trocar a próxima peça pela que quiser; aperte 9 para algo emocionante; esta opção não é salva.</translation>
    </message>
    <message>
        <source>The shape set %1 could not be loaded:
%2
The shapes of %3 stay.</source>
        <translation>Não foi possível carregar o conjunto de formas %1:
%2
As formas de %3 continuam.</translation>
    </message>
    <message>
        <source>The style %1 could not be loaded:
%2
The style %3 stays.</source>
        <translation>Não foi possível carregar o estilo %1:
%2
O estilo %3 continua.</translation>
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
        <translation>a partir do próximo início</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Idioma (a partir do próximo início)</translation>
    </message>
    <message>
        <source>Shape set</source>
        <translation>Conjunto de formas</translation>
    </message>
    <message>
        <source>Block style</source>
        <translation>Estilo dos blocos</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Som desligado</translation>
    </message>
    <message>
        <source>Debug mode off</source>
        <translation>Modo de depuração desligado</translation>
    </message>
    <message>
        <source>Debug mode on</source>
        <translation>Modo de depuração ligado</translation>
    </message>
    <message>
        <source>Sharp scaling</source>
        <translation>Escala nítida</translation>
    </message>
    <message>
        <source>Fill scaling</source>
        <translation>Escala de preenchimento</translation>
    </message>
</context>
<context>
    <name>zembrik::SettingsNotes</name>
    <message>
        <source>the settings are not kept: there is no home folder (HOME is not set)</source>
        <translation>as configurações não são guardadas: não há pasta pessoal (HOME não está definida)</translation>
    </message>
    <message>
        <source>level</source>
        <translation>nível</translation>
    </message>
    <message>
        <source>hold</source>
        <translation>reserva</translation>
    </message>
    <message>
        <source>gravity</source>
        <translation>gravidade</translation>
    </message>
    <message>
        <source>next pieces</source>
        <translation>próximas peças</translation>
    </message>
    <message>
        <source>shadow</source>
        <translation>sombra</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>som</translation>
    </message>
    <message>
        <source>climbing</source>
        <translation>escalada</translation>
    </message>
    <message>
        <source>move left key</source>
        <translation>tecla de mover para a esquerda</translation>
    </message>
    <message>
        <source>move right key</source>
        <translation>tecla de mover para a direita</translation>
    </message>
    <message>
        <source>soft drop key</source>
        <translation>tecla de descida suave</translation>
    </message>
    <message>
        <source>rotate left key</source>
        <translation>tecla de girar para a esquerda</translation>
    </message>
    <message>
        <source>rotate right key</source>
        <translation>tecla de girar para a direita</translation>
    </message>
    <message>
        <source>half turn key</source>
        <translation>tecla de meia-volta</translation>
    </message>
    <message>
        <source>hard drop key</source>
        <translation>tecla de queda direta</translation>
    </message>
    <message>
        <source>hold key</source>
        <translation>tecla de reserva</translation>
    </message>
    <message>
        <source>start key</source>
        <translation>tecla de início</translation>
    </message>
    <message>
        <source>pause on focus loss</source>
        <translation>pausa ao perder o foco</translation>
    </message>
    <message>
        <source>window width</source>
        <translation>largura da janela</translation>
    </message>
    <message>
        <source>window height</source>
        <translation>altura da janela</translation>
    </message>
    <message>
        <source>full screen</source>
        <translation>tela cheia</translation>
    </message>
    <message>
        <source>game mode</source>
        <translation>modo de jogo</translation>
    </message>
    <message>
        <source>handling</source>
        <translation>controle</translation>
    </message>
    <message>
        <source>auto-repeat delay</source>
        <translation>atraso da repetição</translation>
    </message>
    <message>
        <source>auto-repeat interval</source>
        <translation>intervalo da repetição</translation>
    </message>
    <message>
        <source>soft-drop interval</source>
        <translation>intervalo da descida suave</translation>
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
        <translation> Nada é gravado nele.</translation>
    </message>
    <message>
        <source>it is larger than 1 MB</source>
        <translation>tem mais de 1 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>it is UTF-16 text, not plain text</source>
        <translation>é texto UTF-16, não texto simples</translation>
    </message>
    <message>
        <source> It is left as it is unless a setting it holds is changed.</source>
        <translation> Ele fica como está, a menos que uma configuração dele seja alterada.</translation>
    </message>
    <message>
        <source>%1: the %2 is missing; %3 is used.</source>
        <translation>%1: falta “%2”; é usado %3.</translation>
    </message>
    <message>
        <source>%1: the %2 &quot;%3&quot; is not a number; %4 is used.</source>
        <translation>%1: “%2” vale “%3”, que não é um número; é usado %4.</translation>
    </message>
    <message>
        <source>%1: the %2 %3 is out of range; %4 is used.</source>
        <translation>%1: “%2” vale %3, fora do intervalo; é usado %4.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); the shipped settings are used.%3</source>
        <translation>Não foi possível ler %1 (%2); são usadas as configurações incluídas.%3</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded (%3).</source>
        <translation>Não foi possível carregar %1 %2 incluído (%3).</translation>
    </message>
    <message>
        <source>The %1 %2 could not be loaded (%3); %4 is used.</source>
        <translation>Não foi possível carregar %1 %2 (%3); é usado %4.</translation>
    </message>
    <message>
        <source>option_style.000: the %1 name &quot;%2&quot; is not usable; %3 is used.</source>
        <translation>option_style.000: o nome “%2” (%1) não pode ser usado; é usado %3.</translation>
    </message>
    <message>
        <source>The shipped %1 %2 could not be loaded either (%3).</source>
        <translation>Também não foi possível carregar %1 %2 incluído (%3).</translation>
    </message>
    <message>
        <source>keycode.000: %1 line(s) without a key code 0-255 skipped.</source>
        <translation>keycode.000: %1 linha(s) sem código de tecla 0-255 ignorada(s).</translation>
    </message>
    <message>
        <source>keycode.000 could not be read (%1); the shipped key names are used.</source>
        <translation>Não foi possível ler keycode.000 (%1); são usados os nomes de teclas incluídos.</translation>
    </message>
    <message>
        <source>option_style.000 could not be read (%1); the shipped shape set and style are used.%2</source>
        <translation>Não foi possível ler option_style.000 (%1); são usados o conjunto de formas e o estilo incluídos.%2</translation>
    </message>
    <message>
        <source>shape set</source>
        <translation>conjunto de formas</translation>
    </message>
    <message>
        <source>style</source>
        <translation>estilo</translation>
    </message>
    <message>
        <source>option_more.000 could not be read (%1); the shipped settings are used.%2</source>
        <translation>Não foi possível ler option_more.000 (%1); são usadas as configurações incluídas.%2</translation>
    </message>
</context>
<context>
    <name>zembrik::WatchRow</name>
    <message>
        <source>W: watch the newest replay</source>
        <translation>W: assistir ao replay mais recente</translation>
    </message>
    <message>
        <source>Watch the newest replay</source>
        <translation>Assistir ao replay mais recente</translation>
    </message>
</context>
</TS>
