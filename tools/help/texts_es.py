"""The help page's Spanish texts, written to assets/help/korbo_es.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_es.md, and the player is "tú".  The menus and
buttons named by %(name)s come from translations/korbo_es.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_es.ts as the game shows it, numbers with a
decimal comma as the game writes them in Spanish.
"""

LANGUAGE = "es"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["de uno a seis jugadores", "catorce rondas", "un turno", "una sola vez",
    "hasta seis", "12 caracteres", "no se registra nada", "reserva", "zona de tirada",
    "clic derecho", "tres comodines", "bufón", "no cuenta", "amarillo", "verde",
    "0 puntos", "ganador subrayado", "fondo transparente", "otros 60", "80 o más",
    "Teclas de flecha", "Mayús+Tab", "Esc", "usar un comodín en él",
    "hoja de puntuaciones", "Pista", "Entrenador", "jugadores del PC", "Grandes hazañas",
    "historial de partidas", "Anna (PC)"]

TITLE = "Korbo - Cómo jugar"
HEADLINE = "Cómo jugar"
CONTENTS = "Índice"
FOOTER = "Korbo &ndash; seis dados, catorce rondas, tres comodines. ¡Que te diviertas!"

# Keys as Spanish keyboards and Spanish programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Teclas de flecha",
    "Ctrl": "Ctrl",
    "End": "Fin",
    "Enter": "Intro",
    "Escape": "Esc",
    "Home": "Inicio",
    "Page Down": "Av Pág",
    "Page Up": "Re Pág",
    "Shift": "Mayús",
    "Space": "Espacio",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Categoría", "Qué suma", "Ejemplos")
CATEGORIES = {
    "Ones": ("Unos", "1 por cada dado que muestra un uno.",
             {"111526": "tres unos", "234566": "ningún uno"}),
    "Twos": ("Doses", "2 por cada dado que muestra un dos.",
             {"222213": "cuatro doses"}),
    "Threes": ("Treses", "3 por cada dado que muestra un tres.",
               {"333314": "cuatro treses"}),
    "Fours": ("Cuatros", "4 por cada dado que muestra un cuatro.",
              {"444412": "cuatro cuatros"}),
    "Fives": ("Cincos", "5 por cada dado que muestra un cinco.",
              {"555552": "cinco cincos"}),
    "Sixes": ("Seises", "6 por cada dado que muestra un seis.",
              {"666613": "cuatro seises"}),
    "Quad": ("Póker", "Al menos cuatro dados iguales: la suma de <em>los seis</em> dados. "
                      "Menos de cuatro iguales: 0.",
             {"555523": "cuatro cincos", "666666": "seis iguales también valen",
              "555223": "solo tres iguales"}),
    "Twins": ("Parejas", "10 por cada pareja; tres parejas valen 40. Las parejas nunca "
                         "comparten un dado: tres iguales son una pareja y cuatro iguales, "
                         "dos parejas; seis iguales y cuatro más dos cuentan ambos como tres "
                         "parejas.",
              {"334516": "una pareja", "333512": "tres iguales son una pareja",
               "444425": "cuatro iguales son dos parejas", "224466": "tres parejas",
               "333355": "cuatro más dos"}),
    "Triples": ("Tríos", "15 por un trío (tres iguales), 40 por dos tríos. Cuatro o cinco "
                         "iguales siguen siendo un solo trío; seis iguales son dos.",
                {"222451": "un trío", "444445": "cinco iguales son un trío",
                 "333666": "dos tríos", "111111": "seis iguales"}),
    "Odds": ("Impares", "La suma de los dados impares (unos, treses y cincos). "
                        "Los seis impares: 11 más.",
             {"135246": "1 + 3 + 5", "555533": "26 + bonus de 11"}),
    "Evens": ("Pares", "La suma de los dados pares (doses, cuatros y seises). "
                       "Los seis pares: 10 más.",
              {"246135": "2 + 4 + 6", "666644": "32 + bonus de 10"}),
    "Flush": ("Escalera", "Una escalera de cinco (1-2-3-4-5 o 2-3-4-5-6): 35. "
                          "Los seis distintos (del 1 al 6): 50.",
              {"123452": "escalera de cinco", "234566": "escalera de cinco",
               "123456": "los seis", "123356": "sin escalera"}),
    "PotLuck": ("Suerte", "La suma de los seis dados, muestren lo que muestren.",
                {"665541": "6+6+5+5+4+1", "112123": "acepta cualquier cosa"}),
    "Korbo": ("Korbo", "Seis iguales: 60. Y una vez que tienes un Korbo anotado con 60, "
                       "cada nueva tirada de seis iguales que anotes, en cualquier "
                       "categoría, suma otros 60 a tu Korbo.",
              {"444444": "seis cuatros", "444443": "cinco no bastan"}),
}
BONUS_RULE = ("%(upper_bonus)d cuando las categorías de Unos a Seises suman juntas "
              "%(bonus_needs)d o más. Se añade en cuanto llegas, aunque todavía no "
              "estén llenas las seis.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "El control siguiente o el anterior de la ventana; un "
     "anillo amarillo y negro muestra dónde actúan las teclas"),
    ("%(arrows)s", "En el tablero: recorren la fila superior de categorías, los dados "
     "con el botón de tirar a su derecha y la fila inferior de categorías"),
    ("%(space)s, %(enter)s", "Pulsan lo que tiene el anillo: el botón de tirar tira (o "
     "empieza una partida), un dado pasa a la reserva o vuelve al juego, una categoría "
     "muestra su puntuación y la segunda pulsación la anota"),
    ("%(one)s a %(six)s", "Guardan ese dado o lo devuelven al juego, y el anillo va a él; "
     "en la ventana «Dados propios de Korbo», eligen esa cara para %(load)s"),
    ("%(f)s", "En un dado: todos los dados que muestran su misma cara en ese lado se "
     "mueven con él, como con un clic derecho"),
    ("%(j)s", "En un dado: usar un comodín en él"),
    ("%(t)s", "Tirar, esté donde esté el anillo en el tablero"),
    ("%(s)s", "En una categoría: reproducir sus sonidos"),
    ("%(l)s", "Repetir la última línea (%(say_again)s)"),
    ("%(d)s", "Decir los dados: primero la reserva, luego la zona de tirada (%(say_dice)s)"),
    ("%(w)s", "Decir de quién es el turno, la ronda y los comodines que quedan "
     "(%(say_turn)s)"),
    ("%(f1)s", "Esta página de ayuda (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Nueva partida (%(new)s); durante una partida, Korbo pregunta si quieres "
     "detenerla"),
    ("%(ctrlq)s", "Salir (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Ampliar el tablero, reducirlo o devolverle su tamaño original (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); también crece y mengua con su ventana"),
    ("%(f11)s", "Pantalla completa (%(full_screen)s); %(f11)s o %(escape)s la deja"),
    ("%(f5)s", "Una pista: la mejor jugada siguiente (%(hint)s)"),
    ("%(f6)s", "La hoja de puntuaciones (%(scores)s)"),
    ("%(ctrlf6)s", "Del tablero a la hoja de puntuaciones y de vuelta (%(go_to_scores)s); "
     "en la hoja, las teclas de flecha van de una puntuación a otra, %(home)s y %(end)s "
     "al nombre de la fila y a su último jugador, %(page_up)s y %(page_down)s a la fila "
     "de arriba y a los totales"),
    ("%(f7)s", "Las estadísticas (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Abren los menús Juego, Ver y Ayuda; "
     "la letra subrayada elige una entrada"),
    ("%(alt)s + clic", "En un botón de categoría: reproduce sus sonidos"),
    ("%(enter)s", "En las demás ventanas: pulsa el botón que tiene el foco, o Aceptar en "
     "«Acerca de Korbo» y Guardar en la ventana «Dados propios de Korbo»"),
    ("%(escape)s", "Cierra los récords, la hoja de puntuaciones, las estadísticas, "
     "«Acerca de Korbo» y la ventana «Variables», como su botón de cerrar; en «Nombres "
     "de los jugadores» y «Dados propios de Korbo» equivale a Cancelar; la ventana "
     "«Opciones de Korbo» conserva sus cambios, como con su botón de cerrar"),
]

SECTIONS = {
    "aim": ("El objetivo del juego", """
<p>Korbo es un juego de dados para jugar de uno a seis jugadores en un mismo PC.
Por turnos, todos tiran los mismos seis dados e intentan sumar tantos puntos como
puedan, encajando cada tirada en una de catorce <a href="#categories">categorías</a>.
Gana quien tenga el total más alto al final.</p>
<ul>
<li>Una partida tiene <b>catorce rondas</b>. En cada ronda, cada jugador juega
<b>un turno</b>, en el orden en que se escribieron los nombres.</li>
<li>Cada turno termina llenando <b>una</b> de tus catorce categorías, así que al final
de la partida cada jugador ha llenado cada categoría <b>una sola vez</b>.</li>
<li>Cada categoría solo se puede usar una vez. Si los dados no encajan en nada de lo
que queda libre, tienes que anotarlos en algún sitio igualmente, aunque sea con 0.
Elegir dónde colocar las malas tiradas es la mitad del juego.</li>
</ul>
"""),
    "start": ("Jugadores y comienzo de la partida", """
<h3>Escribir los nombres</h3>
<p>Elige %(players)s para escribir los nombres de hasta <b>seis</b> jugadores, uno en
cada casilla, de hasta <b>12 caracteres</b> cada uno. Los jugadores juegan sus turnos
en el orden de las casillas; las casillas vacías entre dos nombres se saltan. Los
nombres se quedan para las partidas siguientes hasta que los cambies.</p>

<h3>Empezar</h3>
<p>Haz clic en el botón %(start)s o elige %(new)s (o pulsa %(f2)s). Si todavía no hay
ningún nombre, primero se abre la ventana «Nombres de los jugadores». El título
sobre el tablero dice de quién es el turno (por ejemplo <i>1.er turno de Anna</i>, y
<i>Último turno de Anna</i> en la decimocuarta ronda).</p>

<h3>Detener una partida en curso</h3>
<p>Si eliges %(new)s durante una partida, Korbo pregunta %(stop)s Responde <b>Sí</b>
para terminar la partida en ese mismo momento: la hoja de puntuaciones se borra y
<b>no se registra nada</b> &ndash; una partida sin terminar nunca llega a los récords.
Responde <b>No</b> para seguir jugando.</p>
"""),
    "turn": ("Tu turno", """
<h3>Tirar</h3>
<p>Tienes hasta <b>cuatro tiradas</b> por turno. El botón grande indica la tirada que
viene: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Después de la cuarta pone %(fin)s: no queda
nada que tirar y tienes que elegir una categoría. No hace falta usar las cuatro
tiradas &ndash; puedes anotar después de cualquiera de ellas.</p>

<h3>Guardar dados</h3>
<p>Entre tirada y tirada ordenas los dados:</p>
<ul>
<li><b>Haz clic en un dado</b> de la zona de tirada para <b>bajarlo a la
reserva</b>. Los dados guardados se quedan ahí: la siguiente tirada no los toca.</li>
<li><b>Haz clic en un dado guardado</b> para <b>devolverlo arriba, a la zona de
tirada</b>, y se volverá a tirar.</li>
<li>Con un <b>clic derecho en un dado</b> mueves a la vez <b>todos los dados que
muestran esa cara</b> en el mismo lado &ndash; una forma rápida de guardar todos tus
cincos o de volver a tirar todos tus unos.</li>
</ul>
<p>Solo se tiran los dados de la zona de tirada. Si todos los dados están guardados,
el botón de tirar no hace nada y no se gasta ninguna tirada.</p>

<h3>Comodines</h3>
<p>Cada jugador tiene <b>tres comodines</b> para toda la partida, que aparecen en el
tablero como pequeñas fichas de bufón. <b>Arrastra un comodín sobre cualquier
dado</b> para volver a tirar solo ese dado. Puedes hacerlo en cualquier momento de
tu turno una vez hecha tu primera tirada &ndash; también después de la cuarta, cuando
el botón ya pone %(fin)s. Un comodín <b>no cuenta</b> como una de tus cuatro tiradas.
Un comodín usado se pierde para el resto de la partida, así que guárdalos para los
momentos importantes: cuando te falta un dado para un Korbo, una Escalera o el cuarto
de un Póker.</p>
"""),
    "choose": ("Elegir una categoría", """
<p>Cada una de las catorce categorías tiene su propio botón en el tablero.</p>
<ol>
<li><b>Pasa el puntero</b> por un botón: la línea de estado dice qué suma la
categoría.</li>
<li><b>Haz clic</b> una vez: la puntuación que darían estos dados ahí aparece en
<span class="yellow">amarillo</span>. Todavía no se anota nada.</li>
<li><b>Vuelve a hacer clic en el mismo botón</b> para anotar esa puntuación. Se pone
en <span class="green">verde</span>, tu turno termina y le toca al siguiente
jugador.</li>
</ol>
<p>Puedes mirar antes varias categorías &ndash; un solo clic en cada una muestra lo
que valdría &ndash; y luego anotar la que prefieras con un segundo clic. También
puedes anotar <b>0 puntos</b> cuando no queda nada mejor; como toda anotación, es
definitiva. Una categoría que ya has llenado muestra su puntuación y no se puede
volver a elegir. Una nueva tirada borra las cifras amarillas, así que puedes mirar,
volver a tirar y volver a mirar.</p>
"""),
    "categories": ("Las catorce categorías", """
<p>Las seis primeras son las <b>categorías superiores</b>; las ocho últimas, las
inferiores. Los dados cuentan siempre como un conjunto de seis, así que da igual
cuáles estén guardados y cuáles se hayan tirado los últimos.</p>
%(table)s
<h3>Korbo paga otra vez</h3>
<p>En cuanto tu casilla de Korbo tiene un 60, <b>cada nueva tirada de seis
iguales</b> te da <b>otros 60</b> en Korbo &ndash; sea cual sea la categoría donde la
anotes. Supón que has anotado seis cuatros en Korbo. Más tarde sacas seis doses y
los anotas en Doses: Doses recibe 12 y tu Korbo crece de 60 a 120. Si tuviste que
anotar Korbo con 0, esto no pasa nunca, por muchas veces que saques después seis
iguales.</p>
"""),
    "sheet": ("La hoja de puntuaciones", """
<p>%(scores)s (o %(f6)s) muestra la hoja de puntuaciones, la ventana «Puntuaciones de
Korbo»: una columna por jugador, con cada anotación en cuanto se hace, el
<b>Subtotal</b> de las seis categorías superiores, el <b>Bonus</b> (40, o 0 cuando las
seis están llenas sin llegar a 80) y el <b>Total</b> al pie.</p>
<ul>
<li>Mientras la opción <b>Mostrar líder</b> está activada, el nombre y el total del
jugador que va en cabeza aparecen <u>subrayados</u>.</li>
<li>Cuando se juega el último turno, la hoja aparece sola, con el <u>ganador
subrayado</u> diga lo que diga la opción.</li>
<li>%(print)s imprime la hoja tal como está, también a mitad de partida.</li>
</ul>
"""),
    "records": ("Récords", """
<p>%(records)s abre las dos listas de todos los tiempos que se guardan en este
PC:</p>
<dl>
<dt>Grandes hazañas</dt><dd>los 99 mejores totales jugados nunca;</dd>
<dt>Valientes intentos</dt><dd>los 99 totales más bajos &ndash; también eso es un
récord.</dd>
</dl>
<p>Cada línea muestra el puesto, el total, el nombre del jugador y la fecha. Al final
de cada partida <b>completa</b>, el total de cada jugador se ofrece a las dos listas y
entra allí donde se gane un puesto. Una partida detenida antes de tiempo nunca se
registra.</p>
<ul>
<li>Escribe un nombre junto a %(find)s y haz clic en el botón (o pulsa %(enter)s) para
marcar todas las líneas de ese jugador en ambas listas; da igual escribir en
mayúsculas o en minúsculas. Al hacer clic en una línea, su nombre se copia en la
casilla.</li>
<li>%(today)s marca todas las líneas jugadas hoy.</li>
<li>%(unselect)s quita las marcas.</li>
</ul>
<p>Mientras la opción <b>Mostrar récords</b> está activada, la ventana de récords se
abre sola después de una partida que haya batido récords.</p>
"""),
    "statistics": ("Estadísticas", """
<p>Cada partida <b>completa</b> se guarda en el historial de partidas de este PC;
una partida detenida antes de tiempo no, igual que con los récords. %(statistics)s
(o %(f7)s) abre la ventana «Estadísticas de Korbo», que muestra un jugador cada vez:
elígelo en la lista %(player_list)s de arriba. Un jugador es un nombre, sin importar
mayúsculas y minúsculas; un jugador del PC con el mismo nombre se cuenta aparte,
como <i>Anna (PC)</i>.</p>
<p>La línea de cifras bajo la lista da las partidas jugadas y las ganadas (se gana
con el total más alto, sin empate, en una partida de dos o más jugadores), los
primeros puestos compartidos, el total medio, el mejor y el más bajo, la desviación
típica, cuántas veces se consiguió el bonus de arriba, y los Korbos y Korbos extra;
junto a la media y al bonus aparece lo que alcanza el juego óptimo. Las cifras del
juego óptimo salen de 200&nbsp;000 partidas jugadas por el propio Korbo con su mejor
estrategia.</p>
<p>Debajo, cuatro pestañas muestran cada una un gráfico con sus cifras en palabras
al lado, a las que llegas con %(tab)s y que lee un lector de pantalla:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>el total de cada partida a lo largo del tiempo, con la
media de las diez últimas partidas;</dd>
<dt>%(tab_ranges)s</dt><dd>con qué frecuencia caen tus totales en cada rango de 50
puntos, junto a la del juego óptimo;</dd>
<dt>%(tab_categories)s</dt><dd>la media de cada categoría junto a la del juego
óptimo, empezando por la que más te cuesta;</dd>
<dt>%(tab_coach)s</dt><dd>aparece en cuanto hay partidas jugadas con el entrenador
activado: los puntos que costaron las decisiones en cada una.</dd>
</dl>
<p>%(export)s guarda todo el historial en un archivo CSV que abren las hojas de
cálculo, con una fila por jugador y partida. %(clear_player)s olvida las partidas
del jugador elegido y %(clear_all)s todas las partidas, cada uno solo después de
preguntarte; no se puede deshacer. Las listas de récords no se tocan.</p>
"""),
    "options": ("Opciones", """
<p>Con %(options)s preparas el juego a tu gusto.</p>
<dl>
<dt>Sonidos: Desactivados / Activados / Alocados</dt>
<dd>Ningún sonido, los sonidos normales o un juego de ruidos más disparatados para los
mismos momentos.</dd>
<dt>Dados mudos</dt>
<dd>Mantiene los demás sonidos pero silencia el traqueteo de los dados.</dd>
<dt>Animación</dt>
<dd>Los dados ruedan por el tablero y se deslizan entre las filas. Desactívala para
jugar más rápido: los dados saltan directamente a su sitio.</dd>
<dt>Botones de texto</dt>
<dd>Los botones de categoría llevan los nombres de las categorías en lugar de
dibujos.</dd>
<dt>Cursor en cruz</dt>
<dd>Sobre el tablero, el puntero es una cruz en lugar de la flecha.</dd>
<dt>1.ª tirada auto</dt>
<dd>La primera tirada de cada turno se hace sola.</dd>
<dt>Mostrar líder</dt>
<dd>Subraya al líder en la hoja de puntuaciones durante la partida.</dd>
<dt>Mostrar récords</dt>
<dd>Muestra la ventana de récords después de una partida que haya batido
récords.</dd>
<dt>Estilo de dados</dt>
<dd>Siete aspectos para los dados: <b>Estándar</b>, <b>Clásicos</b>,
<b>Mariquitas</b>, <b>Arcoíris</b>, <b>Botones</b>, <b>Foto</b> y <b>Propios</b>. Cada
jugador conserva el estilo con el que juega: si eliges un estilo durante tu propio
turno, tus dados salen con él en todos tus turnos, mientras los demás conservan el
suyo &ndash; así se ve de un vistazo de quién es el turno. Un estilo elegido cuando no
hay ninguna partida en curso es aquel con el que empiezan todos, hasta que cada uno
elija el suyo.</dd>
</dl>
<h3>Tus propios dados</h3>
<p>Elige <b>Propios</b> y haz clic en %(import)s; se abre la ventana «Dados propios de
Korbo». Haz clic en una cara (o en el número que tiene encima), luego en %(load)s, y
elige una imagen para esa cara, un GIF o un icono (<code>.ico</code>); haz lo mismo
con las demás caras y después haz clic en %(save)s. Las imágenes pueden medir como
mucho <b>48 x 48 píxeles</b> y quedan mejor justo de ese tamaño y con <b>fondo
transparente</b>. Korbo guarda su propia copia de cada imagen, así que después puedes
mover o borrar los originales.</p>
"""),
    "computer": ("Jugadores del PC, pistas y entrenador", """
<h3>Jugadores del PC</h3>
<p>Marca la casilla <b>PC</b> junto a un nombre en %(players)s y el PC juega en ese
puesto (con el teclado, las casillas PC van después de %(cancel)s: llega a una con
%(tab)s y márcala con %(space)s). Juega lo mejor que se puede jugar: en cada tirada
calcula qué elección da de media la puntuación final más alta, teniendo en cuenta
cada categoría aún libre, el bonus, los comodines que quedan y las tiradas que faltan.
Juega a un ritmo que puedes seguir y dice en la línea de estado lo que hace
(<i>Azul guarda 5 5 5</i>, <i>Azul usa un comodín en el 2</i>). Mientras juega, el
tablero no responde a tus clics, pero %(new)s sigue deteniendo la partida.</p>

<h3>Pista</h3>
<p>En tu turno, cuando los dados ya están en el tablero, elige %(hint)s (o pulsa
%(f5)s). La línea de estado dice la mejor jugada siguiente y la puntuación final que
el juego óptimo espera desde ahí (<i>Guarda 6 6 y tira: 404,4 esperados</i>), y un
anillo amarillo marca los dados que conviene guardar, el dado para un comodín o la
categoría donde anotar, hasta que hagas tu siguiente jugada. Una pista nunca mueve
un dado ni anota puntos.</p>

<h3>Entrenador</h3>
<p>Marca %(coach)s y, después de cada decisión tuya que no fuera la mejor &ndash; los
dados que guardas para una tirada, un comodín, una anotación &ndash;, la línea de
estado dice cuánto te costó de media y qué era lo mejor (<i>Elegir Parejas le costó a
Anna 3,4 puntos de media; lo mejor era Escalera.</i>). Al acabar una partida, la hoja
de puntuaciones añade un resumen para cada jugador: los puntos perdidos frente al
juego óptimo y qué parte de la puntuación que espera el juego óptimo consiguió.
Korbo recuerda el entrenador de una partida a otra; los récords son los mismos con él
activado o desactivado.</p>
"""),
    "hints": ("Consejos y trucos", """
<div class="tip"><b>Ve a por el bonus pronto.</b> Tres de cada cara en las categorías
superiores solo suman %(three)d; cuatro de cada una suman %(four)d. Así que los 40
puntos por llegar a 80 piden casi siempre cuatro iguales &ndash; o buenos Cincos y
Seises que compensen unos Unos y Doses flojos. Resuelve las categorías superiores
mientras quedan rondas de sobra para volver a intentarlo.</div>
<div class="tip"><b>Deja Suerte para una mala tirada.</b> Suerte acepta cualquier
cosa, así que es tu red de seguridad en un turno en que no encaja nada más. Si la
gastas pronto, quizá tengas que anotar un 0 más adelante.</div>
<div class="tip"><b>Korbo paga otra vez.</b> Un Korbo anotado con 60 hace que cada
tirada posterior de seis iguales valga 60 más. Cuando ya tienes uno, ir a por otro
suele merecer un turno entero.</div>
<div class="tip"><b>Dónde poner el 0.</b> Cuando tengas que anotar un cero, ponlo donde
de todos modos tenías poca esperanza: Unos te cuesta como mucho unos pocos puntos, y
Korbo o Escalera suelen quedar muy lejos al final de la partida.</div>
<div class="tip"><b>Conoce los solapamientos.</b> Cuatro iguales más una pareja valen
40 en Parejas y ya son un Póker; cinco o seis iguales encajan en Póker, en la
categoría superior de esa cara, en Tríos y (con seis) en Korbo. Prueba los botones
uno a uno para comparar &ndash; el primer clic no cuesta nada.</div>
<div class="tip"><b>Guarda los comodines.</b> Un comodín después de la cuarta tirada
aún puede salvar un turno: cuando falta un dado para la escalera, o el sexto para un
Korbo.</div>
<div class="tip"><b>Escucha las categorías.</b> Mantén pulsada la tecla %(alt)s y haz
clic en un botón de categoría para oír sus sonidos sin anotar nada.</div>
"""),
    "keys": ("Teclado", """
<p>Todo en Korbo se puede hacer con el teclado.</p>
<table class="keys">
%(rows)s
</table>

<h3>Con un lector de pantalla</h3>
<p>Korbo habla con un lector de pantalla como Orca sin mover el foco: le pasa cada
nueva línea de la barra de estado (las indicaciones, las jugadas de los jugadores del
PC, las pistas, lo que cuesta cada jugada según el entrenador, «Fin de la partida») y,
tras cada tirada o comodín, los dados, primero la reserva y luego la zona de tirada,
seguidos de la indicación. Las líneas se esperan unas a otras, así que ninguna se
corta.</p>
<p>Un turno con el teclado: %(t)s tira. Cada dado se lee con su número, su cara y su
lugar, por ejemplo «Dado 3, cinco, guardado»; de %(one)s a %(six)s guardan o liberan
un dado, %(f)s en un dado mueve todos los dados de su cara y %(j)s usa un comodín en
él. Las teclas de flecha llegan a las categorías; cada una se lee con la puntuación
que daría ahora, o con la que ya tiene anotada. Pulsar %(space)s una vez muestra la
puntuación, y una segunda vez la anota. %(l)s, %(d)s y %(w)s repiten la última línea,
leen los dados y dicen de quién es el turno; %(f6)s abre la hoja de puntuaciones.</p>
<p>%(ctrlf6)s lleva las teclas a la hoja de puntuaciones, una tabla con los nombres de
los jugadores encima de las columnas y las categorías, el subtotal, el bonus y el
total junto a las filas: las teclas de flecha van de una puntuación a otra, y el
lector de pantalla nombra la fila y el jugador cuando cambian; el total del líder se
lee «en cabeza». %(escape)s cierra la hoja y las teclas vuelven al tablero. En la
ventana de récords, cada lista se lee por su título y cada línea como puesto, nombre,
puntos y fecha.</p>
"""),
    "files": ("Dónde guarda Korbo sus archivos", """
<p>En Linux, Korbo guarda lo que recuerda en tu carpeta personal:</p>
<table>
<tr><th>Archivo</th><th>Qué contiene</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>tus ajustes: sonidos,
animación, estilo de dados y las demás opciones</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>las listas de récords,
Grandes hazañas y Valientes intentos</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>el historial de
partidas, para las estadísticas (una base de datos SQLite)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>tus dados propios, una imagen por cara (los iconos terminan en <code>.ico</code>)</td></tr>
</table>
<p>Para empezar los récords de cero, borra <code>data.dat</code> con Korbo cerrado.
%(clear_all)s, en la ventana «Estadísticas de Korbo», empieza el historial de cero.
Copia la carpeta para llevarte tus récords y tu historial a otro PC.</p>
"""),
}
