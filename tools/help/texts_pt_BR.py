"""The help page's Brazilian Portuguese texts, written to assets/help/korbo_pt_BR.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_pt_BR.md, and the player is "você".  The menus
and buttons named by %(name)s come from translations/korbo_pt_BR.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_pt_BR.ts as the game shows it, numbers with a
decimal comma as the game writes them in Brazilian Portuguese.
"""

LANGUAGE = "pt_BR"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["um a seis jogadores", "catorze rodadas", "um turno", "exatamente uma vez",
    "até seis", "12 caracteres", "nada é registrado", "reserva", "área de lançamento",
    "botão direito", "três curingas", "bobo da corte", "não conta", "amarelo", "verde",
    "0 pontos", "vencedor sublinhado", "fundo transparente", "mais 60",
    "80 ou mais", "Teclas de seta", "Shift+Tab", "Esc", "usar um curinga nele",
    "placar", "Dica", "Treinador", "jogadores do computador", "Feitos brilhantes",
    "histórico de partidas", "Ana (computador)"]

TITLE = "Korbo - Como jogar"
HEADLINE = "Como jogar"
CONTENTS = "Conteúdo"
FOOTER = "Korbo &ndash; seis dados, catorze rodadas, três curingas. Divirta-se!"

# Keys as Brazilian keyboards (ABNT2) and Brazilian programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Teclas de seta",
    "Ctrl": "Ctrl",
    "End": "End",
    "Enter": "Enter",
    "Escape": "Esc",
    "Home": "Home",
    "Page Down": "Page Down",
    "Page Up": "Page Up",
    "Shift": "Shift",
    "Space": "Espaço",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Categoria", "O que vale", "Exemplos")
CATEGORIES = {
    "Ones": ("Ases", "1 para cada dado que mostra um.",
             {"111526": "três dados com 1", "234566": "nenhum 1"}),
    "Twos": ("Dois", "2 para cada dado que mostra dois.",
             {"222213": "quatro dados com 2"}),
    "Threes": ("Três", "3 para cada dado que mostra três.",
               {"333314": "quatro dados com 3"}),
    "Fours": ("Quatros", "4 para cada dado que mostra quatro.",
              {"444412": "quatro dados com 4"}),
    "Fives": ("Cincos", "5 para cada dado que mostra cinco.",
              {"555552": "cinco dados com 5"}),
    "Sixes": ("Seis", "6 para cada dado que mostra seis.",
              {"666613": "quatro dados com 6"}),
    "Quad": ("Quadra", "Pelo menos quatro dados iguais: a soma de <em>todos os seis</em> "
                       "dados. Menos de quatro iguais: 0.",
             {"555523": "quatro cincos", "666666": "seis iguais também valem",
              "555223": "só três iguais"}),
    "Twins": ("Duplas", "10 para cada par; três pares valem 40. Os pares nunca dividem um "
                        "dado: três iguais são um par, quatro iguais são dois pares; seis "
                        "iguais e quatro mais dois contam como três pares.",
              {"334516": "um par", "333512": "três iguais são um par",
               "444425": "quatro iguais são dois pares", "224466": "três pares",
               "333355": "quatro mais dois"}),
    "Triples": ("Trincas", "15 por uma trinca (três iguais), 40 por duas trincas. Quatro ou "
                           "cinco iguais ainda são uma trinca só; seis iguais são duas.",
                {"222451": "uma trinca", "444445": "cinco iguais são uma trinca",
                 "333666": "duas trincas", "111111": "seis iguais"}),
    "Odds": ("Ímpares", "A soma dos dados ímpares (os que mostram 1, 3 e 5). "
                        "Os seis ímpares: mais 11.",
             {"135246": "1 + 3 + 5", "555533": "26 + bônus de 11"}),
    "Evens": ("Pares", "A soma dos dados pares (os que mostram 2, 4 e 6). "
                       "Os seis pares: mais 10.",
              {"246135": "2 + 4 + 6", "666644": "32 + bônus de 10"}),
    "Flush": ("Sequência", "Uma sequência de cinco (1-2-3-4-5 ou 2-3-4-5-6): 35. "
                           "Os seis diferentes (1 a 6): 50.",
              {"123452": "sequência de cinco", "234566": "sequência de cinco",
               "123456": "os seis", "123356": "sem sequência"}),
    "PotLuck": ("Sorte", "A soma de todos os seis dados, seja lá o que mostrem.",
                {"665541": "6+6+5+5+4+1", "112123": "aceita qualquer coisa"}),
    "Korbo": ("Korbo", "Seis dados iguais: 60. E depois que você marcar um Korbo com 60, "
                       "cada novo lance de seis iguais que você marcar, em qualquer "
                       "categoria, soma mais 60 ao seu Korbo.",
              {"444444": "seis quatros", "444443": "cinco iguais não bastam"}),
}
BONUS_RULE = ("%(upper_bonus)d quando Ases a Seis somam juntos %(bonus_needs)d ou mais. "
              "O bônus entra assim que você chega lá, mesmo antes de preencher as seis.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "O controle seguinte ou o anterior da janela; um anel "
     "amarelo e preto mostra onde as teclas estão agindo"),
    ("%(arrows)s", "No tabuleiro: percorrem a fileira de cima das categorias, os dados "
     "com o botão de lançar à direita deles e a fileira de baixo das categorias"),
    ("%(space)s, %(enter)s", "Apertam o que está no anel: o botão de lançar lança os "
     "dados (ou inicia uma partida), um dado vai para a reserva ou volta ao jogo, uma "
     "categoria mostra quanto valeria e o segundo toque marca os pontos"),
    ("%(one)s a %(six)s", "Guardam aquele dado ou o devolvem ao jogo, e o anel vai até "
     "ele; na janela &ldquo;Dados personalizados do Korbo&rdquo;, escolhem aquela face "
     "para %(load)s"),
    ("%(f)s", "Num dado: todos os dados com a mesma face, do mesmo lado, passam junto "
     "com ele, como num clique com o botão direito"),
    ("%(j)s", "Num dado: usar um curinga nele"),
    ("%(t)s", "Lançar os dados, esteja o anel onde estiver no tabuleiro"),
    ("%(s)s", "Numa categoria: tocar os sons dela"),
    ("%(l)s", "Dizer de novo a última linha (%(say_again)s)"),
    ("%(d)s", "Dizer os dados: primeiro a reserva, depois a área de lançamento "
     "(%(say_dice)s)"),
    ("%(w)s", "Dizer de quem é a vez, a rodada e os curingas que restam (%(say_turn)s)"),
    ("%(f1)s", "Esta página de ajuda (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Nova partida (%(new)s); durante uma partida, o Korbo pergunta se deve "
     "interrompê-la"),
    ("%(ctrlq)s", "Sair (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Ampliar o tabuleiro, reduzi-lo ou voltar ao tamanho original (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); ele também cresce e diminui com a janela"),
    ("%(f11)s", "Tela cheia (%(full_screen)s); %(f11)s ou %(escape)s sai dela"),
    ("%(f5)s", "Uma dica: a melhor jogada a seguir (%(hint)s)"),
    ("%(f6)s", "O placar (%(scores)s)"),
    ("%(ctrlf6)s", "Do tabuleiro para o placar e de volta (%(go_to_scores)s); no placar, "
     "as teclas de seta vão de um valor a outro, %(home)s e %(end)s vão ao nome da linha "
     "e ao último jogador, %(page_up)s e %(page_down)s à primeira linha e aos totais"),
    ("%(f7)s", "As estatísticas (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Abrem os menus Jogo, Exibir e Ajuda; "
     "a letra sublinhada escolhe um item"),
    ("%(alt)s + clique", "Num botão de categoria: toca os sons dela"),
    ("%(enter)s", "Nas outras janelas: aperta o botão que está com o foco, ou então OK "
     "em &ldquo;Sobre o Korbo&rdquo; e Salvar na janela &ldquo;Dados personalizados do "
     "Korbo&rdquo;"),
    ("%(escape)s", "Fecha os recordes, o placar, as estatísticas, &ldquo;Sobre o "
     "Korbo&rdquo; e a janela &ldquo;Variáveis&rdquo;, como o botão de fechar delas; "
     "nas janelas &ldquo;Nomes dos jogadores&rdquo; e &ldquo;Dados personalizados do "
     "Korbo&rdquo;, Esc é o mesmo que Cancelar; a janela &ldquo;Opções do Korbo&rdquo; "
     "mantém as mudanças, como ao fechá-la pelo botão de fechar"),
]

SECTIONS = {
    "aim": ("O objetivo do jogo", """
<p>Korbo é um jogo de dados para um a seis jogadores no mesmo computador. Cada um na
sua vez lança os mesmos seis dados e tenta fazer o máximo de pontos, encaixando
cada lance em uma de catorze <a href="#categories">categorias</a>. Quem tiver o
maior total no fim vence.</p>
<ul>
<li>Uma partida tem <b>catorze rodadas</b>. Em cada rodada, cada jogador joga
<b>um turno</b>, na ordem em que os jogadores foram cadastrados.</li>
<li>Todo turno termina com você preenchendo <b>uma</b> das suas catorze categorias;
assim, no fim da partida, cada jogador terá preenchido cada categoria exatamente uma
vez.</li>
<li>Cada categoria só pode ser usada uma vez. Quando os dados não servem para nada
que ainda esteja livre, você tem que marcá-los em algum lugar mesmo assim, nem que
seja com 0. Escolher onde encaixar os lances ruins é metade do jogo.</li>
</ul>
"""),
    "start": ("Jogadores e início da partida", """
<h3>Cadastrar os jogadores</h3>
<p>Escolha %(players)s e digite os nomes de até <b>seis</b> jogadores, um em cada
campo, com até <b>12 caracteres</b> cada. Os jogadores jogam na ordem dos campos;
campos vazios entre os nomes são ignorados. Os nomes continuam lá nas partidas
seguintes, até você mudá-los.</p>

<h3>Começar</h3>
<p>Clique no botão %(start)s ou escolha %(new)s (ou aperte %(f2)s). Se ninguém foi
cadastrado ainda, a janela &ldquo;Nomes dos jogadores&rdquo; abre primeiro. O título
acima do tabuleiro diz de quem é a vez (por exemplo <i>1º turno de Ana</i> e, na
décima quarta rodada, <i>Último turno de Ana</i>).</p>

<h3>Interromper uma partida em andamento</h3>
<p>Se você escolher %(new)s durante uma partida, o Korbo pergunta: %(stop)s
Responda <b>Sim</b> para encerrar a partida na hora: o placar é apagado e <b>nada é
registrado</b> &ndash; uma partida inacabada nunca entra nos recordes. Responda
<b>Não</b> para continuar jogando.</p>
"""),
    "turn": ("O seu turno", """
<h3>Lançar</h3>
<p>Você tem até <b>quatro lances</b> por turno. O botão grande mostra o lance que vem
a seguir: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Depois do quarto, ele mostra %(fin)s: não
há mais nada para lançar e você precisa escolher uma categoria. Você não é obrigado a
usar os quatro lances &ndash; pode marcar pontos depois de qualquer um deles.</p>

<h3>Guardar dados</h3>
<p>Entre um lance e outro, você separa os dados:</p>
<ul>
<li><b>Clique em um dado</b> na área de lançamento para movê-lo <b>para baixo, para
a reserva</b>. Os dados guardados ficam onde estão: o próximo lance não mexe
neles.</li>
<li><b>Clique em um dado guardado</b> para levá-lo de volta <b>para cima, para a área
de lançamento</b>; assim ele será lançado de novo.</li>
<li>Clique com o <b>botão direito</b> em um dado para mover de uma vez <b>todos os
dados com a mesma face</b> que estão do mesmo lado &ndash; um jeito rápido de guardar
todos os seus 5 ou de lançar de novo todos os seus 1.</li>
</ul>
<p>Só os dados da área de lançamento são lançados. Com todos os dados guardados, o
botão de lançar não faz nada, e nenhum lance é gasto.</p>

<h3>Curingas</h3>
<p>Cada jogador tem <b>três curingas</b> para a partida inteira, que aparecem no
tabuleiro como pequenas fichas de bobo da corte. <b>Arraste um curinga até qualquer
dado</b> para lançar de novo só aquele dado. Você pode fazer isso a qualquer momento
do seu turno depois do primeiro lance &ndash; até depois do quarto lance, quando o
botão já mostra %(fin)s. Um curinga <b>não conta</b> como um dos seus quatro lances.
Um curinga usado some pelo resto da partida; por isso, guarde-os para os momentos que
importam: quando falta um dado para um Korbo, uma Sequência ou uma Quadra.</p>
"""),
    "choose": ("Escolher uma categoria", """
<p>Cada uma das catorze categorias tem seu próprio botão no tabuleiro.</p>
<ol>
<li><b>Aponte</b> para um botão: a linha de status explica como a categoria pontua.</li>
<li><b>Clique</b> nele uma vez: os pontos que esses dados fariam ali aparecem em
<span class="yellow">amarelo</span>. Ainda não foi marcado nada.</li>
<li><b>Clique de novo no mesmo botão</b> para marcar esses pontos. Os pontos ficam
<span class="green">verdes</span>, o seu turno termina e é a vez do próximo
jogador.</li>
</ol>
<p>Você pode olhar várias categorias antes &ndash; um clique em cada uma mostra
quanto ela valeria &ndash; e depois marcar a que preferir com um segundo clique.
Também pode marcar <b>0 pontos</b> quando não sobrar nada melhor; como toda marcação,
é definitivo. Uma categoria que você já preencheu mostra seus pontos e não pode ser
escolhida de novo. Um novo lance apaga os números amarelos; então você pode olhar,
lançar de novo e olhar outra vez.</p>
"""),
    "categories": ("As catorze categorias", """
<p>As seis primeiras são as <b>categorias de cima</b>; as oito últimas, as de baixo.
Os dados sempre contam como um conjunto de seis, então não importa quais estão
guardados e quais foram lançados por último.</p>
%(table)s
<h3>O Korbo paga de novo</h3>
<p>Depois que o seu Korbo tiver um 60, <b>cada novo lance de seis iguais</b> rende
<b>mais 60</b> no Korbo &ndash; seja qual for a categoria em que você o marcar.
Digamos que você marcou seis quatros no Korbo. Mais tarde, você tira seis dados com 2 e
os marca em Dois: Dois fica com 12 e o seu Korbo cresce de 60 para 120. Se você teve que
marcar o Korbo com 0, isso nunca acontece, por mais lances de seis iguais que você
tire depois.</p>
"""),
    "sheet": ("O placar", """
<p>%(scores)s (ou %(f6)s) mostra o placar, a janela &ldquo;Placar do Korbo&rdquo;: uma
coluna para cada jogador, com cada marcação assim que é feita, o <b>Subtotal</b> das
seis categorias de cima, o <b>Bônus</b> (40, ou 0 depois que as seis forem
preenchidas sem chegar a 80) e, embaixo, o <b>Total</b>.</p>
<ul>
<li>Enquanto a opção <b>Mostrar líder</b> estiver ligada, o nome e o total do jogador
na liderança ficam <u>sublinhados</u>.</li>
<li>Quando o último turno é jogado, o placar aparece sozinho, com o <u>vencedor
sublinhado</u>, seja qual for a opção.</li>
<li>%(print)s imprime o placar como está, mesmo no meio da partida.</li>
</ul>
"""),
    "records": ("Recordes", """
<p>%(records)s abre as duas listas de recordes de todos os tempos guardadas neste
computador:</p>
<dl>
<dt>Feitos brilhantes</dt><dd>os 99 maiores totais já jogados;</dd>
<dt>Belas tentativas</dt><dd>os 99 menores totais &ndash; também é um recorde.</dd>
</dl>
<p>Cada linha mostra a posição, os pontos, o nome do jogador e a data. No fim de
toda partida <b>completa</b>, o total de cada jogador é oferecido às duas listas e
entra onde merecer um lugar. Uma partida interrompida antes do fim nunca é
registrada.</p>
<ul>
<li>Digite um nome ao lado de %(find)s e clique no botão (ou aperte %(enter)s) para
marcar todas as linhas desse jogador nas duas listas; maiúsculas e minúsculas não
importam. Clicar em uma linha copia o nome dela para o campo.</li>
<li>%(today)s marca todas as linhas jogadas hoje.</li>
<li>%(unselect)s tira as marcas.</li>
</ul>
<p>Enquanto a opção <b>Mostrar recordes</b> estiver ligada, a janela de recordes abre
sozinha depois de uma partida que bateu recordes.</p>
"""),
    "statistics": ("Estatísticas", """
<p>Toda partida <b>completa</b> fica guardada no histórico de partidas deste
computador; uma partida interrompida antes do fim, não, assim como nos recordes.
%(statistics)s (ou %(f7)s) abre a janela &ldquo;Estatísticas do Korbo&rdquo;, que
mostra um jogador de cada vez: escolha-o na lista %(player_list)s, no alto da
janela. Um jogador é um nome, sem diferença entre maiúsculas e minúsculas; um
jogador do computador com o mesmo nome fica separado, como <i>Ana
(computador)</i>.</p>
<p>A linha de números abaixo da lista mostra as partidas jogadas e as vencidas
(vence quem tem sozinho o maior total numa partida de dois ou mais jogadores), os
primeiros lugares divididos, o total médio, o melhor e o mais baixo, o desvio
padrão, quantas vezes o bônus de cima foi conquistado, e os Korbos e Korbos extras;
ao lado da média e do bônus aparece o que o jogo ideal alcança. Os números do jogo
ideal vêm de 200.000 partidas jogadas pelo próprio Korbo com a sua melhor
estratégia.</p>
<p>Embaixo, quatro abas mostram cada uma um gráfico com os seus números descritos
em texto ao lado, que %(tab)s alcança e que um leitor de tela lê:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>o total de cada partida ao longo do tempo, com a média
das últimas dez partidas;</dd>
<dt>%(tab_ranges)s</dt><dd>com que frequência os seus totais caem em cada faixa de
50 pontos, ao lado do jogo ideal;</dd>
<dt>%(tab_categories)s</dt><dd>a média de cada categoria ao lado da média do jogo
ideal, começando pela que mais lhe custa;</dd>
<dt>%(tab_coach)s</dt><dd>aparece quando há partidas jogadas com o treinador
ligado: os pontos que as escolhas custaram em cada uma.</dd>
</dl>
<p>%(export)s salva todo o histórico num arquivo CSV que as planilhas abrem, com uma
linha por jogador e por partida. %(clear_player)s esquece as partidas do jogador
escolhido e %(clear_all)s todas as partidas, cada um só depois de perguntar; isso
não pode ser desfeito. As listas de recordes não são afetadas.</p>
"""),
    "options": ("Opções", """
<p>Em %(options)s você deixa o jogo do seu jeito.</p>
<dl>
<dt>Sons: Desligado / Ligado / Maluco</dt>
<dd>Nenhum som, os sons normais ou barulhos mais bobos para os mesmos momentos.</dd>
<dt>Dados mudos</dt>
<dd>Mantém os outros sons, mas cala o chacoalhar dos dados.</dd>
<dt>Animação</dt>
<dd>Os dados rolam pelo tabuleiro e deslizam entre as fileiras. Desligue para jogar
mais rápido: os dados simplesmente pulam para o lugar.</dd>
<dt>Botões de texto</dt>
<dd>Os botões das categorias mostram os nomes delas em vez de figuras.</dd>
<dt>Mira</dt>
<dd>Sobre o tabuleiro, o ponteiro do mouse é uma mira em vez da seta.</dd>
<dt>1º lance automático</dt>
<dd>O primeiro lance de cada turno é feito automaticamente.</dd>
<dt>Mostrar líder</dt>
<dd>Sublinha o líder no placar durante a partida.</dd>
<dt>Mostrar recordes</dt>
<dd>Mostra a janela de recordes depois de uma partida que bateu recordes.</dd>
<dt>Estilo dos dados</dt>
<dd>Sete visuais para os dados: <b>Padrão</b>, <b>Tradicional</b>,
<b>Joaninhas</b>, <b>Arco-íris</b>, <b>Botões</b>, <b>Foto</b> e
<b>Personalizado</b>. Cada jogador fica com o estilo com que joga: escolha um estilo
durante o seu turno e os seus dados aparecem nele em todos os seus turnos, enquanto os
outros mantêm os deles &ndash; um jeito prático de ver num relance de quem é a vez.
Um estilo escolhido quando não há partida em andamento é o estilo com que todos
começam, até escolherem o seu.</dd>
</dl>
<h3>Os seus próprios dados</h3>
<p>Escolha <b>Personalizado</b> e clique em %(import)s; na janela que abre, clique em
uma face (ou no número acima dela), clique em %(load)s e escolha uma imagem para essa
face, um arquivo GIF ou de ícone (<code>.ico</code>); faça o mesmo com as outras faces
e então clique em %(save)s. As imagens podem ter no máximo <b>48 x 48 pixels</b> e
ficam melhores exatamente nesse tamanho, com <b>fundo transparente</b>. O Korbo guarda
uma cópia própria de cada imagem, então você pode mover ou apagar os originais
depois.</p>
"""),
    "computer": ("Jogadores do computador, dicas e treinador", """
<h3>Jogadores do computador</h3>
<p>Marque a caixa <b>PC</b> ao lado de um nome em %(players)s e o computador joga
nesse lugar (pelo teclado, as caixas PC vêm depois de %(cancel)s: %(tab)s leva até
uma delas e %(space)s a marca). Ele joga o melhor jogo possível: a cada lance, calcula
qual escolha dá, em média, o maior total final, levando em conta cada categoria ainda
livre, o bônus, os curingas que restam e os lances que ainda vêm. Ele joga num ritmo
que dá para acompanhar e diz na linha de status o que faz (<i>Azul guarda 5 5 5</i>,
<i>Azul usa um curinga no 2</i>). Enquanto ele joga, o tabuleiro não responde aos seus
cliques, mas %(new)s ainda interrompe a partida.</p>

<h3>Dica</h3>
<p>No seu turno, depois que os dados estiverem no tabuleiro, escolha %(hint)s (ou
aperte %(f5)s). A linha de status diz a melhor jogada a seguir e o total final que o
jogo ideal espera a partir dali (<i>Guarde 6 6 e lance: expectativa de 404,4</i>), e
um anel amarelo marca os dados a guardar, o dado para um curinga ou a categoria a
marcar, até você fazer a próxima jogada. Uma dica nunca move um dado nem marca
pontos.</p>

<h3>Treinador</h3>
<p>Marque %(coach)s e, depois de cada decisão sua que não foi a melhor &ndash; os
dados que você guarda antes de um lance, um curinga, uma categoria marcada &ndash;, a
linha de status diz quanto ela custou em média e o que teria sido melhor (<i>Ana:
marcar Duplas custou 3,4 pontos em média; o melhor era Sequência.</i>). Quando a
partida termina, o placar acrescenta um resumo para cada jogador: os pontos perdidos
em relação ao jogo ideal e a porcentagem do total esperado pelo jogo ideal que ele
alcançou. O Korbo lembra do treinador de uma partida para a outra; para os recordes,
tanto faz se ele está ligado ou não.</p>
"""),
    "hints": ("Dicas e truques", """
<div class="tip"><b>Corra atrás do bônus cedo.</b> Três dados de cada face nas
categorias de cima dão só %(three)d; quatro de cada dão %(four)d. Então os 40 pontos
por chegar a 80 quase sempre pedem quatro iguais &ndash; ou Cincos e Seis fortes para
compensar Ases e Dois fracos. Resolva as categorias de cima enquanto ainda sobram
rodadas para tentar de novo.</div>
<div class="tip"><b>Guarde a Sorte para um lance ruim.</b> A Sorte aceita qualquer
coisa; por isso ela é a sua rede de segurança num turno em que nada mais serve. Gaste
cedo e talvez você tenha que marcar um 0 mais tarde.</div>
<div class="tip"><b>O Korbo paga de novo.</b> Um Korbo marcado com 60 faz cada lance
posterior de seis iguais valer 60 a mais. Quando você já tem um, muitas vezes vale a
pena gastar um turno inteiro atrás de outro.</div>
<div class="tip"><b>Onde pôr o 0.</b> Quando tiver que marcar um zero, ponha onde você
já tinha pouca esperança: Ases custam no máximo alguns pontos, e Korbo ou Sequência
costumam ser difíceis no fim da partida.</div>
<div class="tip"><b>Conheça as sobreposições.</b> Quatro iguais mais um par valem 40 em
Duplas e já são uma Quadra; cinco ou seis iguais servem para Quadra, para a categoria
de cima daquela face, para Trincas e (com seis) para Korbo. Clique pelos botões para
comparar &ndash; o primeiro clique não custa nada.</div>
<div class="tip"><b>Guarde os curingas.</b> Um curinga depois do quarto lance ainda
pode salvar um turno: quando falta um dado para a sequência ou o sexto dado para o
Korbo.</div>
<div class="tip"><b>Ouça as categorias.</b> Segure %(alt)s e clique em um botão de
categoria para ouvir os sons dela sem marcar nada.</div>
"""),
    "keys": ("Teclado", """
<p>Tudo no Korbo pode ser feito pelo teclado.</p>
<table class="keys">
%(rows)s
</table>

<h3>Com um leitor de tela</h3>
<p>O Korbo fala com um leitor de tela como o Orca sem mover o foco: cada linha nova
da linha de status (os avisos, as jogadas dos jogadores do computador, as dicas, os
custos apontados pelo treinador, &ldquo;Fim de jogo&rdquo;) e, depois de cada lance ou
curinga, os dados, primeiro a reserva e depois a área de lançamento, seguidos do
aviso. As linhas esperam umas pelas outras, então nenhuma é cortada.</p>
<p>Um turno pelo teclado: %(t)s lança os dados. Cada dado é lido com o número, a face
e o lugar, por exemplo &ldquo;Dado 3, cinco, guardado&rdquo;; %(one)s a %(six)s
guardam um dado ou o devolvem ao jogo, %(f)s num dado move todos os dados da mesma
face, %(j)s usa um curinga nele. As teclas de seta levam às categorias; cada uma é
lida com os pontos que daria agora ou com os pontos marcados. %(space)s uma vez
mostra os pontos, duas vezes os marca. %(l)s, %(d)s e %(w)s repetem a última linha,
leem os dados e dizem de quem é a vez; %(f6)s abre o placar.</p>
<p>%(ctrlf6)s leva as teclas para o placar, uma tabela com os nomes dos jogadores
sobre as colunas e as categorias, o subtotal, o bônus e o total ao lado das linhas:
as teclas de seta vão de um valor a outro, e o leitor de tela diz a linha e o jogador
quando eles mudam; o total do líder é lido com &ldquo;na liderança&rdquo;.
%(escape)s fecha o placar e as teclas voltam ao tabuleiro. Na janela de recordes,
cada lista é lida pelo seu título e cada linha como posição, nome, pontos e
data.</p>
"""),
    "files": ("Onde o Korbo guarda os seus arquivos", """
<p>No Linux, o Korbo guarda o que lembra na sua pasta pessoal:</p>
<table>
<tr><th>Arquivo</th><th>O que contém</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>as suas configurações: sons,
animação, estilo dos dados e as outras opções</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>as listas de recordes,
Feitos brilhantes e Belas tentativas</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>o histórico de
partidas, para as estatísticas (um banco de dados SQLite)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>os seus dados personalizados, uma imagem por face (os ícones terminam em
<code>.ico</code>)</td></tr>
</table>
<p>Para recomeçar os recordes do zero, apague <code>data.dat</code> com o Korbo
fechado. %(clear_all)s, na janela &ldquo;Estatísticas do Korbo&rdquo;, recomeça o
histórico do zero. Copie a pasta para levar os seus recordes e o seu histórico para
outro computador.</p>
"""),
}
