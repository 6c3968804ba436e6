<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>Acerca de Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Página web :</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>¿Ayuda/Errores? :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>korbo::Board</name>
    <message>
        <source>Start Game</source>
        <translation>Jugar</translation>
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
        <translation>Comodín</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>sin tirar</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
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
        <translation>%1, en juego</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>sumaría %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>suma %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Tira los dados en juego o empieza una partida</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Unos</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma todos los unos (80 o más en las categorías 1-6 dan 40 de bonus)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Doses</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma todos los doses (80 o más en las categorías 1-6 dan 40 de bonus)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Treses</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma todos los treses (80 o más en las categorías 1-6 dan 40 de bonus)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Cuatros</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma todos los cuatros (80 o más en las categorías 1-6 dan 40 de bonus)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma todos los cincos (80 o más en las categorías 1-6 dan 40 de bonus)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Seises</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma todos los seises (80 o más en las categorías 1-6 dan 40 de bonus)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Póker</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Suma todos los dados si hay 4 iguales</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 puntos por cada pareja, 40 puntos por 3 parejas</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Tríos</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Tríos</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 puntos por un trío, 40 por dos tríos</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Impares</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Suma los dados impares, 11 de bonus con 6 dados impares</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Pares</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Suma los dados pares, 10 de bonus con 6 dados pares</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Escalera</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 puntos por una escalera de 5 dados, 50 puntos por una de 6</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Suma todos los dados</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>6 dados iguales valen 60 puntos</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, un juego de dados para uno a seis jugadores en un mismo equipo.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Escribir los dados de cada tirada y ver los contadores del juego.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>Lo mismo que --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>queda %n comodín</numerusform>
            <numerusform>quedan %n comodines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Vuelve a tirar los seis</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Guarda solo %1 y tira</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>Guarda %1 y tira</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Usa un comodín en el %1</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>Anota en %1</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>tirar los seis</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Tirar los seis</translation>
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
        <translation>un comodín en el %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Un comodín en el %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: %2 esperados</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>Elegir %1 le costó a %2 %3 puntos de media; lo mejor era %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 cuesta %2 puntos de media; lo mejor era %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 perdió %2 puntos de media frente al juego óptimo: logró el %3 % de los %4 esperados.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 vuelve a tirar todos los dados</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 guarda solo %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 guarda %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 usa un comodín en el %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 elige %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1.ª tirada</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2.ª tirada</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3.ª tirada</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4.ª tirada</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Último turno de %1</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.er</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.º</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.er</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.º</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.º</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.º</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7.º</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8.º</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9.º</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10.º</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11.º</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12.º</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13.er</translation>
    </message>
    <message>
        <source>%1&apos;s %2 turn</source>
        <extracomment>the window&apos;s title for a turn, &quot;Ann&apos;s 1st turn&quot;; %2 is the round&apos;s ordinal</extracomment>
        <translation>%2 turno de %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>Te toca, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Ordena tus dados y vuelve a tirar, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Tira otra vez, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Te queda una tirada en este turno, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Se acabaron las tiradas, %1; elige tu categoría</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Comodín - Úsalo para volver a tirar cualquier dado en cualquier momento de la partida</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Suelta el comodín sobre el dado que quieras volver a tirar</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Usa un comodín en este dado</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>¡Ya has anotado en esa categoría!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>¡Primero tira los dados!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1 sumaría %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1 suma %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Aún no se ha tirado ningún dado.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>Guardados: %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>En juego: %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, ronda %2 de %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Te damos la bienvenida a Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 es %2, no un archivo. Korbo lo deja como está y no guarda el historial de partidas mientras siga ahí.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>El historial de partidas de %1 lo escribió una versión más reciente de Korbo. Se deja como está, y esta versión no guarda historial de partidas.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo no pudo leer el historial de partidas y no guardará ninguno en esta sesión:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>El historial de partidas estaba dañado; se empieza uno nuevo.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>No se pudo apartar el archivo dañado:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>El archivo tal como estaba se conserva como</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo no pudo guardar esta partida en el historial de partidas:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo no pudo borrar el historial de partidas:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entrenador</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>&amp;Imprimir puntuaciones</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Jugadores...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Ir a puntuaciones</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>Repetir ú&amp;ltima línea</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>Decir los &amp;dados</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Decir el &amp;turno</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Colocar ventanas</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Cómo jugar</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>&amp;Buscar actualizaciones en línea</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Idioma del &amp;escritorio</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 es %2, no un archivo. Korbo lo deja como está: se usan los ajustes predeterminados, que no se podrán guardar mientras siga ahí.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Korbo no pudo guardar los récords:</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Salir de Korbo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>¿Seguro que quieres salir?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Korbo no pudo guardar:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Imprimir puntuaciones</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>La página de ayuda korbo.htm no está donde se instaló el juego.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>No se pueden cambiar los jugadores durante una partida</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>¿Abandonar la partida?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>¿Detener esta partida?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>No se puede usar la tabla de juego óptimo de Korbo:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Los jugadores del PC jugarán cada turno solo por los puntos de ese turno, y Pista y Entrenador no estarán disponibles.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Dados de prueba</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Escribe 6 dados</translation>
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
        <translation>Tamaño &amp;normal</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pantalla co&amp;mpleta</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Red&amp;ucir</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Desactivados</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activados</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Alocados</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Clásicos</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Mariquitas</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcoíris</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Botones</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Propios</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Opciones de Korbo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Sin sonidos</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Sonidos graciosos</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Sonidos muy alocados</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Dados mudos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Pantalla</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Para unos dados más saltarines</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Botones de texto</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...en lugar de los botones con dibujos</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Cursor en cruz</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...en lugar del puntero de flecha normal</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>1.ª tirada auto</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>La 1.ª tirada de dados se hace sola</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Mostrar líder</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Subrayar durante toda la partida el nombre de quien va ganando en la hoja de puntuaciones</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Mostrar récords</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>Mostrar los NUEVOS récords al final de la partida</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Estilo de dados</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Importar tus propios dados</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Elegir otro estilo de dados</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Importar ...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>korbo::PlayersDialog</name>
    <message>
        <source>Players Names</source>
        <translation>Nombres de los jugadores</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Jugador %1 manejado por el PC</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1 manejado por el PC</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>%1 es %2, no un archivo. Korbo lo deja como está: las listas de récords empiezan vacías y no se podrán guardar mientras siga ahí.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>No se pudo leer el archivo de récords. Las listas empiezan vacías.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>El archivo de récords estaba dañado: no se pudo leer %n de sus líneas, que queda fuera de las listas.</numerusform>
            <numerusform>El archivo de récords estaba dañado: no se pudieron leer %n de sus líneas, que quedan fuera de las listas.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>El archivo de récords estaba dañado, pero se pudieron leer todos sus récords.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>No se pudo apartar el archivo y se escribirá de nuevo:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>El archivo tal como estaba se conserva como</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>El archivo de récords se dañó mientras Korbo estaba abierto. El archivo tal como estaba se conserva como</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Récords de Korbo</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Grandes hazañas</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Valientes intentos</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Posición, nombre, puntos, fecha</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Buscar hoy</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Buscar nombre:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Nombre que buscar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un enlace que no apunta a nada</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>un enlace que no se puede seguir (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un enlace a %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>es %1, no un archivo, y se deja como está</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, en cabeza</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Puntuaciones de Korbo</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
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
        <translation>Estadísticas de Korbo</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>&amp;Borrar jugador...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>Borrar &amp;todo...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (PC)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Todavía no hay partidas terminadas.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n partida: ganadas %1, primer puesto compartido %2. Media %3 (juego óptimo %4), mejor total %5, más bajo %6, desviación típica %7. Bonus de arriba en el %8 % de las partidas (juego óptimo %9 %). Korbos %10, Korbos extra %11.</numerusform>
            <numerusform>%n partidas: ganadas %1, primer puesto compartido %2. Media %3 (juego óptimo %4), mejor total %5, más bajo %6, desviación típica %7. Bonus de arriba en el %8 % de las partidas (juego óptimo %9 %). Korbos %10, Korbos extra %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>T&amp;otales</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Rangos</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorías</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>E&amp;ntrenador</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Media de la última partida</numerusform>
            <numerusform>Media de las últimas %n partidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Totales de %n partida del %1 al %2. La media de las últimas %3 partidas es %4.</numerusform>
            <numerusform>Totales de %n partidas del %1 al %2. La media de las últimas %3 partidas es %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Tus partidas, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Juego óptimo, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>De %1 a %2: %3 % (juego óptimo %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>La mayoría de tus totales, el %1 %, va de %2 a %3. La media del juego óptimo es %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Tu media</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Juego óptimo</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (juego óptimo %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>%1 es lo que más te cuesta: %2 puntos por partida frente a %3 del juego óptimo.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Puntos perdidos frente al juego óptimo</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>En %n partida con entrenador tus decisiones te costaron %1 puntos por partida de media; la última, %2.</numerusform>
            <numerusform>En %n partidas con entrenador tus decisiones te costaron %1 puntos por partida de media; la última, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exportar historial</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Borrar historial</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>¿Olvidar todas las partidas de %1? No se puede deshacer.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>¿Olvidar todas las partidas de todos los jugadores? No se puede deshacer.</translation>
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
        <translation>Dados propios de Korbo</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>&amp;Cargar imagen ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Imágenes GIF o de icono (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>Ten en cuenta al crear dados propios para Korbo:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- La imagen debe estar en formato GIF o icono.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Tamaño máximo de 48x48 píxeles</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Para un mejor resultado, usa un fondo transparente</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Para la cara %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>¡Dados propios de Korbo!</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>¡Elige el dado que quieres cambiar!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Elige un GIF o ICO para el dado n.º %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Dados propios de Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Ocupado</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Evaluación de categorías del PC</translation>
    </message>
    <message>
        <source>true</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>False</source>
        <translation>no</translation>
    </message>
</context>
</TS>
