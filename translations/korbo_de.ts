<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>Über Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Webseite :</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Hilfe/Fehler? :</translation>
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
        <translation>Spiel starten</translation>
    </message>
</context>
<context>
    <name>korbo::BoardAccess</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Würfel %1, %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nicht geworfen</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, abgelegt</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, im Spiel</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>brächte %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>erzielte %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Wirft die Würfel im Spiel oder startet ein Spiel</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Einser</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle Einsen zählen (ab 80 in den Kategorien 1-6 gibt es 40 Bonus)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle Zweien zählen (ab 80 in den Kategorien 1-6 gibt es 40 Bonus)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle Dreien zählen (ab 80 in den Kategorien 1-6 gibt es 40 Bonus)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vierer</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle Vieren zählen (ab 80 in den Kategorien 1-6 gibt es 40 Bonus)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Fünfer</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle Fünfen zählen (ab 80 in den Kategorien 1-6 gibt es 40 Bonus)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Sechser</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle Sechsen zählen (ab 80 in den Kategorien 1-6 gibt es 40 Bonus)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Vierlinge</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Augensumme aller Würfel, wenn vier gleich sind</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 Punkte je Paar, 40 Punkte für drei Paare</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Drillinge</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 Punkte für drei Gleiche, 40 für zweimal drei Gleiche</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Alle ungeraden Würfel zählen, 11 Bonus für sechs ungerade</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Alle geraden Würfel zählen, 10 Bonus für sechs gerade</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 Punkte für eine Straße aus fünf Würfeln, 50 für eine aus sechs</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Augensumme der Würfel</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>Sechs gleiche Würfel bringen 60 Punkte</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, ein Würfelspiel für einen bis sechs Spieler an einem Rechner.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Die Würfel jedes Wurfs selbst eintippen und die Zähler des Spiels beobachten.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>Dasselbe wie --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>%n Joker übrig</numerusform>
            <numerusform>%n Joker übrig</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Alle sechs neu würfeln</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Nur %1 halten und würfeln</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>%1 halten und würfeln</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Einen Joker auf die %1 setzen</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>%1 eintragen</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>alle sechs neu zu würfeln</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Alle sechs neu zu würfeln</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>%1 zu halten</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>%1 zu halten</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>ein Joker auf die %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Ein Joker auf die %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: %2 erwartet</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>%1 kostete %2 im Schnitt %3 Punkte; am besten war %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 kostet im Schnitt %2 Punkte; am besten war %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 verlor gegenüber dem besten Spiel im Schnitt %2 Punkte: %3 % von dessen %4.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 würfelt alle Würfel neu</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 hält nur %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 hält %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 setzt einen Joker auf die %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 wählt %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1. Wurf</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2. Wurf</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3. Wurf</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4. Wurf</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Letzter Zug von %1</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7.</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8.</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9.</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10.</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11.</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12.</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13.</translation>
    </message>
    <message>
        <source>%1&apos;s %2 turn</source>
        <extracomment>the window&apos;s title for a turn, &quot;Ann&apos;s 1st turn&quot;; %2 is the round&apos;s ordinal</extracomment>
        <translation>%2 Zug von %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>Los geht&apos;s, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Sortiere deine Würfel und wirf noch einmal, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Wirf noch einmal, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Ein Wurf bleibt dir in diesem Zug noch, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Fertig geworfen, %1, wähle deine Kategorie</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Joker - Damit würfelst du jederzeit im Spiel einen Würfel neu</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Lege den Joker auf den Würfel, den du neu werfen willst</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Einen Joker auf diesen Würfel setzen</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>In dieser Kategorie hast du schon Punkte!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Wirf erst einmal die Würfel!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1 brächte %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1 erzielte %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Noch keine Würfel geworfen.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>Abgelegt %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>Geworfen %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, Runde %2 von %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Willkommen bei Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 ist %2, keine Datei. Korbo lässt es, wie es ist, und führt keinen Spielverlauf, solange es dort ist.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>Der Spielverlauf in %1 wurde von einer neueren Version von Korbo geschrieben. Er bleibt, wie er ist, und diese Version führt keinen Spielverlauf.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo konnte den Spielverlauf nicht lesen und führt in dieser Sitzung keinen:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>Der Spielverlauf war beschädigt; ein neuer wird begonnen.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Die beschädigte Datei konnte nicht beiseitegelegt werden:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Die Datei, wie sie war, liegt jetzt unter</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo konnte dieses Spiel nicht in den Spielverlauf aufnehmen:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo konnte den Spielverlauf nicht löschen:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 ist %2, keine Datei. Korbo lässt es, wie es ist: Es gelten die Grundeinstellungen, und sie können nicht gespeichert werden, solange es dort liegt.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Korbo konnte die Bestenlisten nicht speichern:</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>Korbos Tabelle des besten Spiels kann nicht verwendet werden:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Computerspieler spielen jeden Zug nur auf dessen eigene Punkte, und Hinweis und Trainer stehen nicht zur Verfügung.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Trainer</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>Punkte &amp;drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Spieler...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Punkte</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Zu den Punkten</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Bestenlisten</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>&amp;Letzte Zeile sagen</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>&amp;Würfel sagen</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Z&amp;ug sagen</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Anordnen</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>Online nach &amp;Aktualisierung suchen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Korbo</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Korbo beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Möchtest du Korbo wirklich beenden?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Korbo konnte nicht speichern:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Punkte drucken</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>Die Hilfeseite korbo.htm liegt nicht dort, wo das Spiel installiert wurde.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>Während eines Spiels können die Spieler nicht geändert werden</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Laufendes Spiel beenden?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Dieses Spiel abbrechen?</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Testwürfel</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Gib 6 Würfel ein</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Sprache des &amp;Desktops</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Tasten</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Normale Größe</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>S&amp;tatistik...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Verrückt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Marienkäfer</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenbogen</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knöpfe</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Korbo Optionen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Klänge aus</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Alberne Klänge</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Sehr alberne Klänge</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Würfel stumm</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Für hüpfendere Würfel</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Textknöpfe</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...statt schicker Bildknöpfe</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Fadenkreuz</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...statt des gewöhnlichen Mauspfeils</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>1. Wurf selbst</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>Der 1. Wurf geschieht von selbst</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Führenden zeigen</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Den Namen des Führenden im ganzen Spiel in der Punktetabelle unterstreichen</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Bestenlisten zeigen</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>NEUE Bestleistungen am Spielende zeigen</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Würfelstil</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Eigene Würfel einlesen</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Einen anderen Würfelstil wählen</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Einlesen ...</translation>
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
        <translation>Spielernamen</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Spieler %1 wird vom PC gespielt</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1 wird vom PC gespielt</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 ist %2, keine Datei. Korbo lässt es, wie es ist: Die Bestenlisten beginnen leer und können nicht gespeichert werden, solange es dort liegt.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Die Datei der Bestenlisten konnte nicht gelesen werden. Die Listen beginnen leer.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>Die Datei der Bestenlisten war beschädigt: %n Zeile konnte nicht gelesen werden und fehlt in den Listen.</numerusform>
            <numerusform>Die Datei der Bestenlisten war beschädigt: %n Zeilen konnten nicht gelesen werden und fehlen in den Listen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>Die Datei der Bestenlisten war beschädigt, doch jeder Eintrag darin konnte gelesen werden.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Die Datei konnte nicht beiseitegelegt werden und wird neu geschrieben:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Die Datei, wie sie war, liegt jetzt unter</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>Die Datei der Bestenlisten wurde beschädigt, während Korbo lief. Die Datei, wie sie war, liegt jetzt unter</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Korbo Bestenlisten</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Glanzleistungen</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Tapfere Versuche</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Platz, Name, Punkte, Datum</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Abwählen</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Heutige finden</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Name finden:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Gesuchter Name</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>eine Verknüpfung ins Leere</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>eine Verknüpfung, der nicht gefolgt werden kann (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>eine Verknüpfung auf %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>es ist %1, keine Datei, und bleibt, wie es ist</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, in Führung</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punkte</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Korbo Punkte</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Summe oben</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Korbo Statistik</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>Spieler &amp;löschen...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>&amp;Alle löschen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (Computer)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Noch keine beendeten Spiele.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n Spiel: gewonnen %1, geteilter erster Platz %2. Schnitt %3 (bestes Spiel %4), höchste Summe %5, niedrigste %6, Standardabweichung %7. Bonus oben in %8 % der Spiele (bestes Spiel %9 %). Korbos %10, Extra-Korbos %11.</numerusform>
            <numerusform>%n Spiele: gewonnen %1, geteilter erster Platz %2. Schnitt %3 (bestes Spiel %4), höchste Summe %5, niedrigste %6, Standardabweichung %7. Bonus oben in %8 % der Spiele (bestes Spiel %9 %). Korbos %10, Extra-Korbos %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>S&amp;ummen</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Bereiche</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorien</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>&amp;Trainer</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Schnitt des letzten Spiels</numerusform>
            <numerusform>Schnitt der letzten %n Spiele</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Summen von %n Spiel vom %1 bis %2. Der Schnitt der letzten %3 Spiele ist %4.</numerusform>
            <numerusform>Summen von %n Spielen vom %1 bis %2. Der Schnitt der letzten %3 Spiele ist %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Deine Spiele, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Bestes Spiel, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>%1 bis %2: %3 % (bestes Spiel %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>Die meisten deiner Summen, %1 %, liegen von %2 bis %3. Der Schnitt des besten Spiels ist %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Dein Schnitt</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Bestes Spiel</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (bestes Spiel %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>%1 kostet dich am meisten: %2 Punkte pro Spiel gegenüber %3 beim besten Spiel.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Verlorene Punkte gegenüber dem besten Spiel</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>In %n Spiel mit Trainer kosteten dich deine Entscheidungen im Schnitt %1 Punkte pro Spiel; das letzte kostete %2.</numerusform>
            <numerusform>In %n Spielen mit Trainer kosteten dich deine Entscheidungen im Schnitt %1 Punkte pro Spiel; das letzte kostete %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Spielverlauf exportieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Spielverlauf löschen</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Alle Spiele von %1 vergessen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Alle Spiele aller Spieler vergessen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Diagramme</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Korbo Eigene Würfel</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>Bild &amp;laden ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Icon- oder GIF-Bilder (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>Worauf du bei eigenen Würfeln für Korbo achten solltest:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- Das Bild muss im Format GIF oder Icon sein.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Höchstens 48x48 Pixel groß</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Am besten mit durchsichtigem Hintergrund</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Für Seite %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Korbo Eigene Würfel !</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Wähle einen Würfel zum Ändern!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Wähle ein GIF oder ICO für Würfel Nr. %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Korbo Eigene Würfel</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Variablen</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Belegt</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Bewertung der Kategorien durch den PC</translation>
    </message>
    <message>
        <source>true</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>nein</translation>
    </message>
</context>
</TS>
