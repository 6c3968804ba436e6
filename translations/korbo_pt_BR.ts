<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>Sobre o Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Site :</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Suporte/Erros? :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>korbo::Board</name>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
</context>
<context>
    <name>korbo::BoardAccess</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Dado %1, %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Curinga</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>não lançado</translation>
    </message>
    <message>
        <source>one</source>
        <translation>um</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, guardado</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, em jogo</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>valeria %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>ficou com %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Lança os dados em jogo ou inicia uma partida</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Ases</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Soma todos os 1 (80 ou mais nas categorias 1-6 dão 40 de bônus)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dois</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Soma todos os 2 (80 ou mais nas categorias 1-6 dão 40 de bônus)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Soma todos os 3 (80 ou mais nas categorias 1-6 dão 40 de bônus)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatros</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Soma todos os 4 (80 ou mais nas categorias 1-6 dão 40 de bônus)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Soma todos os 5 (80 ou mais nas categorias 1-6 dão 40 de bônus)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Soma todos os 6 (80 ou mais nas categorias 1-6 dão 40 de bônus)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Quadra</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Soma de todos os dados, se houver 4 iguais</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Duplas</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 pontos por par, 40 pontos por 3 pares</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Trincas</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Trincas</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 pontos por uma trinca, 40 por duas trincas</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Ímpares</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Soma dos dados ímpares, bônus de 11 com 6 dados ímpares</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Pares</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Soma dos dados pares, bônus de 10 com 6 dados pares</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 pontos por uma sequência de 5 dados, 50 pontos por uma de 6</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Sorte</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Sorte</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Soma de todos os dados</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>6 dados iguais valem 60 pontos</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, um jogo de dados para um a seis jogadores no mesmo computador.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Digite os dados de cada lance e acompanhe os contadores do jogo.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>O mesmo que --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>%n curinga restante</numerusform>
            <numerusform>%n curingas restantes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Lance os seis de novo</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Guarde só %1 e lance</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>Guarde %1 e lance</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Use um curinga no %1</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>Marque %1</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>lançar os seis de novo</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Lançar os seis de novo</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>guardar %1</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>Guardar %1</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>um curinga no %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Um curinga no %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: expectativa de %2</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>%2: marcar %1 custou %3 pontos em média; o melhor era %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 custa %2 pontos em média; o melhor era %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 perdeu em média %2 pontos em relação ao jogo ideal: %3% dos %4 esperados.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 lança todos os dados de novo</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 guarda só %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 guarda %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 usa um curinga no %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 escolhe %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1º lance</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2º lance</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3º lance</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4º lance</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar partida</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Último turno de %1</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1º</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3º</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5º</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6º</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7º</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8º</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9º</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10º</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11º</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12º</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13º</translation>
    </message>
    <message>
        <source>%1&apos;s %2 turn</source>
        <extracomment>the window&apos;s title for a turn, &quot;Ann&apos;s 1st turn&quot;; %2 is the round&apos;s ordinal</extracomment>
        <translation>%2 turno de %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>É a sua vez, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Separe seus dados e lance de novo, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Lance mais uma vez, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Resta um lance neste turno, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Acabaram os lances, %1, escolha sua categoria</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Curinga - Use um para lançar de novo qualquer dado, a qualquer momento da partida</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Solte o curinga no dado que você quer lançar de novo</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Usar um curinga neste dado</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>Você já marcou pontos nessa categoria!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Lance os dados primeiro!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1 valeria %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1 ficou com %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Nenhum dado lançado ainda.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>Guardados: %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>Lançados: %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, rodada %2 de %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Boas-vindas ao Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 é %2, não um arquivo. O Korbo o deixa como está e não guarda o histórico de partidas enquanto ele estiver lá.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>O histórico de partidas em %1 foi gravado por uma versão mais nova do Korbo. Ele fica como está, e esta versão não guarda histórico de partidas.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>O Korbo não conseguiu ler o histórico de partidas e não guardará nenhum nesta sessão:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>O histórico de partidas estava danificado; um novo é iniciado.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Não foi possível pôr de lado o arquivo danificado:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>O arquivo original foi mantido como</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>O Korbo não conseguiu guardar esta partida no histórico de partidas:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>O Korbo não conseguiu apagar o histórico de partidas:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Treinador</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>&amp;Imprimir placar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Jogadores...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Placar</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Ir para o placar</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Recordes</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>Dizer de &amp;novo</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>Dizer os &amp;dados</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Dizer o &amp;turno</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>Organi&amp;zar</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opções...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Como jogar</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>Procurar &amp;atualizações on-line</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre o Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Idioma da área de &amp;trabalho</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 é %2, não um arquivo comum. O Korbo não mexe nisso: as configurações ficam no padrão e não podem ser salvas enquanto isso estiver lá.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>O Korbo não conseguiu salvar os recordes:</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Sair do Korbo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Tem certeza de que quer sair?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>O Korbo não conseguiu salvar:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Imprimir placar</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>A página de ajuda korbo.htm não está onde o jogo foi instalado.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>Não é possível trocar os jogadores durante uma partida</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Encerrar a partida atual?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Interromper esta partida?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>A tabela de jogo ideal do Korbo não pode ser usada:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Os jogadores do computador vão jogar cada turno só pelos pontos desse turno, e Dica e Treinador não estarão disponíveis.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Dados de teste</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Digite 6 dados</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Teclas</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Tamanho r&amp;eal</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Tela &amp;cheia</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Red&amp;uzir</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>E&amp;statísticas...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Maluco</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Tradicional</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Joaninhas</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arco-íris</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Personalizado</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Opções do Korbo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Sem sons</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Sons bobos</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Sons muito bobos</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Dados mudos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Para dados mais saltitantes</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Botões de texto</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...em vez dos botões com figuras</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Mira</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...em vez da seta comum do mouse</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>1º lance automático</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>O 1º lance de cada turno é feito automaticamente</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Mostrar líder</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Sublinhar no placar o nome do líder durante toda a partida</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Mostrar recordes</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>Mostrar os NOVOS recordes no fim da partida</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Estilo dos dados</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Importar seus próprios dados</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Escolher outro estilo de dados</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Importar ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>korbo::PlayersDialog</name>
    <message>
        <source>Players Names</source>
        <translation>Nomes dos jogadores</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nome do jogador %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Jogador %1 controlado pelo PC</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1 controlado pelo PC</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 é %2, não um arquivo comum. O Korbo não mexe nisso: as listas de recordes começam vazias e não podem ser salvas enquanto isso estiver lá.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Não foi possível ler o arquivo de recordes. As listas começam vazias.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>O arquivo de recordes estava danificado: %n linha não pôde ser lida e ficou fora das listas.</numerusform>
            <numerusform>O arquivo de recordes estava danificado: %n linhas não puderam ser lidas e ficaram fora das listas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>O arquivo de recordes estava danificado, mas todos os recordes dele puderam ser lidos.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Não foi possível pôr o arquivo de lado; ele será gravado de novo:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>O arquivo original foi mantido como</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>O arquivo de recordes foi danificado enquanto o Korbo estava aberto. O arquivo original foi mantido como</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Recordes do Korbo</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Feitos brilhantes</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Belas tentativas</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Posição, nome, pontos, data</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Buscar os de hoje</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Buscar nome:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Nome a buscar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>um pipe nomeado</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>um dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>um socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>um tipo especial de arquivo</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>um link para lugar nenhum</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>um link que não pode ser seguido (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>um link para %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>é %1, não um arquivo comum, e fica como está</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, na liderança</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Placar</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Placar do Korbo</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bônus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Estatísticas do Korbo</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jogador:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>&amp;Limpar jogador...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>Limpar &amp;tudo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (computador)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Ainda não há partidas terminadas.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n partida: vitórias %1, primeiro lugar dividido %2. Média %3 (jogo ideal %4), melhor total %5, mais baixo %6, desvio padrão %7. Bônus de cima em %8 % das partidas (jogo ideal %9 %). Korbos %10, Korbos extras %11.</numerusform>
            <numerusform>%n partidas: vitórias %1, primeiro lugar dividido %2. Média %3 (jogo ideal %4), melhor total %5, mais baixo %6, desvio padrão %7. Bônus de cima em %8 % das partidas (jogo ideal %9 %). Korbos %10, Korbos extras %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>T&amp;otais</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Faixas</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorias</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>T&amp;reinador</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Média da última partida</numerusform>
            <numerusform>Média das últimas %n partidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Totais de %n partida de %1 a %2. A média das últimas %3 partidas é %4.</numerusform>
            <numerusform>Totais de %n partidas de %1 a %2. A média das últimas %3 partidas é %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Suas partidas, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Jogo ideal, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>De %1 a %2: %3 % (jogo ideal %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>A maioria dos seus totais, %1 %, fica de %2 a %3. A média do jogo ideal é %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Sua média</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Jogo ideal</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (jogo ideal %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>%1 é o que mais lhe custa: %2 pontos por partida contra %3 do jogo ideal.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Pontos perdidos em relação ao jogo ideal</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>Em %n partida com treinador, suas escolhas custaram em média %1 pontos por partida; a última, %2.</numerusform>
            <numerusform>Em %n partidas com treinador, suas escolhas custaram em média %1 pontos por partida; a última, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar histórico</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgulas (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Limpar histórico</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Esquecer todas as partidas de %1? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Esquecer todas as partidas de todos os jogadores? Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Gráficos</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Dados personalizados do Korbo</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>&amp;Abrir imagem ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Imagens GIF ou ícone (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>O que observar ao criar dados personalizados para o Korbo:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- A imagem deve estar no formato GIF ou ícone.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Tamanho máximo de 48x48 pixels</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Para um resultado melhor, use fundo transparente</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Para a face %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Dados personalizados do Korbo!</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Selecione um dado para trocar!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Selecione um GIF ou ICO para o dado nº %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Dados personalizados do Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Variáveis</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Lance</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Rodada</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Avaliação das categorias pelo PC</translation>
    </message>
    <message>
        <source>true</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>False</source>
        <translation>não</translation>
    </message>
</context>
</TS>
