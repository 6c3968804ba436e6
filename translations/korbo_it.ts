<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>Informazioni su Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Sito web :</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Assistenza/Bug? :</translation>
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
        <translation>Inizia partita</translation>
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
        <translation>Jolly</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>non lanciato</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, in riserva</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, in gioco</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>darebbe %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>segnati %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Lancia i dadi in gioco o inizia una partita</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Somma tutti gli 1 (con 80+ nelle categorie 1-6, bonus di 40)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Somma tutti i 2 (con 80+ nelle categorie 1-6, bonus di 40)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Somma tutti i 3 (con 80+ nelle categorie 1-6, bonus di 40)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quattro</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Somma tutti i 4 (con 80+ nelle categorie 1-6, bonus di 40)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinque</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Somma tutti i 5 (con 80+ nelle categorie 1-6, bonus di 40)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sei</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Somma tutti i 6 (con 80+ nelle categorie 1-6, bonus di 40)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Poker</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Somma di tutti i dadi, se almeno 4 sono uguali</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Coppie</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 punti per ogni coppia, 40 punti per 3 coppie</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 punti per un tris, 40 per due tris</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Somma dei dadi dispari, bonus di 11 con 6 dadi dispari</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Somma dei dadi pari, bonus di 10 con 6 dadi pari</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Scala</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 punti per una scala di 5 dadi, 50 punti per una di 6</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Somma di tutti i dadi</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>6 dadi uguali valgono 60 punti</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, un gioco di dadi da uno a sei giocatori sullo stesso computer.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Digita i dadi di ogni lancio e osserva i contatori del gioco.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>Come --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>%n jolly rimasto</numerusform>
            <numerusform>%n jolly rimasti</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Rilancia tutti e sei</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Tieni solo %1 e lancia</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>Tieni %1 e lancia</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Usa un jolly su un %1</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>Segna %1</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>rilanciare tutti e sei</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Rilanciare tutti e sei</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>tenere %1</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>Tenere %1</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>un jolly su un %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Un jolly su un %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: attesi %2</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>%2, segnare %1 ti è costato in media %3 punti; era meglio %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 costa in media %2 punti; era meglio %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 ha perso in media %2 punti rispetto al gioco migliore: il %3% dei %4 attesi.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 rilancia tutti i dadi</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 tiene solo %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 tiene %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 usa un jolly su un %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 sceglie %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1º lancio</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2º lancio</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3º lancio</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4º lancio</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Finito</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Ultimo turno di %1</translation>
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
        <translation>%2 turno di %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>Tocca a te, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Sistema i dadi e lancia di nuovo, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Lancia ancora, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Ti resta un ultimo lancio in questo turno, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Lanci finiti, %1: scegli la categoria</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Jolly - Usane uno per rilanciare un dado qualsiasi in qualunque momento della partita</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Rilascia il jolly sul dado che vuoi rilanciare</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Usa un jolly su questo dado</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>Hai già segnato punti in questa categoria!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Prima lancia i dadi!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1 darebbe %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1: segnati %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Nessun dado ancora lanciato.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>In riserva: %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>In gioco: %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, giro %2 di %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Benvenuti in Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 è %2, non un file. Korbo lo lascia com&apos;è e non tiene lo storico delle partite finché resta lì.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>Lo storico delle partite in %1 è stato scritto da una versione più recente di Korbo. Viene lasciato com&apos;è, e questa versione non tiene lo storico delle partite.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo non ha potuto leggere lo storico delle partite e non ne terrà nessuno in questa sessione:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>Lo storico delle partite era danneggiato; se ne comincia uno nuovo.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Non è stato possibile mettere da parte il file danneggiato:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Il file com&apos;era è conservato come</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo non ha potuto salvare questa partita nello storico delle partite:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo non ha potuto cancellare lo storico delle partite:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Allenatore</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>Stampa &amp;punteggi</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Giocatori...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Punteggi</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Vai ai punteggi</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Classifiche</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>&amp;Ripeti l&apos;ultima riga</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>Leggi i &amp;dadi</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Leggi il &amp;turno</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>Disponi &amp;finestre</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opzioni...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>Come si &amp;gioca</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>Cerca &amp;aggiornamenti online</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni su Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Lingua del &amp;desktop</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 è %2, non un file. Korbo lo lascia così com&apos;è: valgono le impostazioni predefinite, che non si potranno salvare finché resterà lì.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Korbo non è riuscito a salvare le classifiche:</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Esci da Korbo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Vuoi davvero uscire da Korbo?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Korbo non è riuscito a salvare:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Stampa punteggi</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>La pagina di aiuto korbo.htm non si trova dove è stato installato il gioco.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>Non si possono cambiare i giocatori durante una partita</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Abbandonare la partita in corso?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Interrompere questa partita?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>La tabella del gioco migliore di Korbo non si può usare:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>I giocatori computer giocheranno ogni turno solo per i punti di quel turno, e Suggerimento e Allenatore non sono disponibili.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Dadi di prova</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Inserisci 6 dadi</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasti</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Dimensioni &amp;normali</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Rid&amp;uci</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>St&amp;atistiche...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Spenti</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Accesi</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Pazzi</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Classici</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Coccinelle</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arcobaleno</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Bottoni</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Personali</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Opzioni di Korbo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Suoni spenti</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Suoni buffi</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Suoni buffissimi</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Dadi muti</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Per dadi più saltellanti</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Pulsanti testo</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...invece di quelli con le immagini</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Mirino</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...invece della solita freccia del mouse</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>1º lancio auto</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>Il 1º lancio avviene da solo</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Mostra capolista</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Sottolinea per tutta la partita il nome di chi è in testa nella tabella dei punteggi</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Mostra classifiche</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>Mostra i NUOVI record a fine partita</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Stile dei dadi</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Importa i tuoi dadi</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Scegli un altro stile di dadi</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Importa ...</translation>
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
        <translation>Nomi dei giocatori</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nome del giocatore %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Il PC gioca per il giocatore %1</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>Il PC gioca per %1</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 è %2, non un file. Korbo lo lascia così com&apos;è: le classifiche partono vuote e non si potranno salvare finché resterà lì.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Non è stato possibile leggere il file delle classifiche. Le classifiche partono vuote.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>Il file delle classifiche era danneggiato: %n riga non si è potuta leggere ed è esclusa dalle classifiche.</numerusform>
            <numerusform>Il file delle classifiche era danneggiato: %n righe non si sono potute leggere e sono escluse dalle classifiche.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>Il file delle classifiche era danneggiato, ma è stato possibile leggere tutti i record.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Non è stato possibile mettere da parte il file, che verrà riscritto da capo:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Il file com&apos;era è conservato come</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>Il file delle classifiche si è danneggiato mentre Korbo era aperto. Il file com&apos;era è conservato come</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Classifiche di Korbo</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Grandi imprese</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Tentativi eroici</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Posizione, nome, punti, data</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Deseleziona</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Partite di oggi</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Cerca nome:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Nome da cercare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una pipe con nome</translation>
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
        <translation>un elemento speciale</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un collegamento che non porta a nulla</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>un collegamento che non si può seguire (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un collegamento a %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>è %1, non un file, e resta così com&apos;è</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, in testa</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Punteggi di Korbo</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Parziale</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Statistiche di Korbo</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Giocatore:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>Cance&amp;lla giocatore...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>Cancella &amp;tutto...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (computer)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Ancora nessuna partita finita.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n partita: vinte %1, primo posto a pari merito %2. Media %3 (gioco migliore %4), totale migliore %5, più basso %6, deviazione standard %7. Bonus superiore nel %8 % delle partite (gioco migliore %9 %). Korbo %10, Korbo extra %11.</numerusform>
            <numerusform>%n partite: vinte %1, primo posto a pari merito %2. Media %3 (gioco migliore %4), totale migliore %5, più basso %6, deviazione standard %7. Bonus superiore nel %8 % delle partite (gioco migliore %9 %). Korbo %10, Korbo extra %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>T&amp;otali</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Fasce</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorie</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>&amp;Allenatore</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Media dell&apos;ultima partita</numerusform>
            <numerusform>Media delle ultime %n partite</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Totali di %n partita dal %1 al %2. La media delle ultime %3 partite è %4.</numerusform>
            <numerusform>Totali di %n partite dal %1 al %2. La media delle ultime %3 partite è %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Le tue partite, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Gioco migliore, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>Da %1 a %2: %3 % (gioco migliore %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>La maggior parte dei tuoi totali, il %1 %, va da %2 a %3. La media del gioco migliore è %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>La tua media</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Gioco migliore</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (gioco migliore %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>%1 ti costa di più: %2 punti a partita contro %3 del gioco migliore.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Punti persi rispetto al gioco migliore</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>In %n partita con l&apos;allenatore le tue scelte ti sono costate in media %1 punti a partita; l&apos;ultima %2.</numerusform>
            <numerusform>In %n partite con l&apos;allenatore le tue scelte ti sono costate in media %1 punti a partita; l&apos;ultima %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Esporta lo storico</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valori separati da virgole (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Cancella lo storico</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Dimenticare tutte le partite di %1? Non si può annullare.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Dimenticare tutte le partite di tutti i giocatori? Non si può annullare.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Grafici</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Dadi personali di Korbo</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>&amp;Carica immagine ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Immagini icona o GIF (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>Cosa tenere presente quando crei dadi personali per Korbo:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- L&apos;immagine deve essere in formato GIF o icona.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Dimensione massima di 48x48 pixel</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Per un risultato migliore usa uno sfondo trasparente</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Per la faccia %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Dadi personali di Korbo !</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Scegli un dado da cambiare!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Scegli un GIF o un ICO per il dado n. %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Dadi personali di Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Variabili</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Lancio</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Giro</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Usata</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Valutazione delle categorie del PC</translation>
    </message>
    <message>
        <source>true</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>False</source>
        <translation>no</translation>
    </message>
</context>
</TS>
