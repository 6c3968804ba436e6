<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>Over Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Website :</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Hulp/fouten? :</translation>
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
        <translation>Spel starten</translation>
    </message>
</context>
<context>
    <name>korbo::BoardAccess</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Dobbelsteen %1, %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>niet gegooid</translation>
    </message>
    <message>
        <source>one</source>
        <translation>één</translation>
    </message>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, bewaard</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, in het spel</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>zou %1 opleveren</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>%1 gescoord</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Gooit de dobbelstenen die in het spel zijn, of start een spel</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Enen</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle enen tellen (80 of meer in categorie 1-6 geeft 40 bonus)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Tweeën</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle tweeën tellen (80 of meer in categorie 1-6 geeft 40 bonus)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Drieën</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle drieën tellen (80 of meer in categorie 1-6 geeft 40 bonus)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle vieren tellen (80 of meer in categorie 1-6 geeft 40 bonus)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Vijven</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle vijven tellen (80 of meer in categorie 1-6 geeft 40 bonus)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Zessen</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Alle zessen tellen (80 of meer in categorie 1-6 geeft 40 bonus)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Vierlingen</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Alle ogen tellen als er vier gelijk zijn</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Tweelingen</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 punten per paar, 40 punten voor drie paar</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Drieling</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Drielingen</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 punten voor drie gelijke, 40 voor twee keer drie gelijke</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Oneven</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Alle oneven dobbelstenen tellen, 11 bonus voor zes oneven</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Alle even dobbelstenen tellen, 10 bonus voor zes even</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 punten voor een straat van vijf dobbelstenen, 50 voor een straat van zes</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Kans</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Alle ogen tellen</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>Zes gelijke dobbelstenen leveren 60 punten op</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, een dobbelspel voor één tot zes spelers aan één computer.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Typ de dobbelstenen van elke worp zelf in en volg de tellers van het spel.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>Hetzelfde als --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>%n joker over</numerusform>
            <numerusform>%n jokers over</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Alle zes opnieuw gooien</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Alleen %1 bewaren en gooien</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>%1 bewaren en gooien</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Een joker op de %1 zetten</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>%1 invullen</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>alle zes opnieuw gooien</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Alle zes opnieuw gooien</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>%1 bewaren</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>%1 bewaren</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>een joker op de %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Een joker op de %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: %2 verwacht</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>%1 kostte %2 gemiddeld %3 punten; %4 was het beste.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 kost gemiddeld %2 punten; %3 was het beste</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 verloor gemiddeld %2 punten ten opzichte van het beste spel en haalde %3% van diens %4.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 gooit alle dobbelstenen opnieuw</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 bewaart alleen %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 bewaart %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 zet een joker op de %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 kiest %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1e worp</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2e worp</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3e worp</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4e worp</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spel starten</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Laatste beurt van %1</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1e</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6e</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7e</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8e</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9e</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10e</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11e</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12e</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13e</translation>
    </message>
    <message>
        <source>%1&apos;s %2 turn</source>
        <extracomment>the window&apos;s title for a turn, &quot;Ann&apos;s 1st turn&quot;; %2 is the round&apos;s ordinal</extracomment>
        <translation>%2 beurt van %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>Jouw beurt, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Sorteer je dobbelstenen en gooi nog eens, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Gooi nog eens, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Nog één worp in deze beurt, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Klaar met gooien, %1, kies je categorie</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Joker - Gooi er op elk moment in het spel één dobbelsteen mee opnieuw</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Laat de joker los op de dobbelsteen die je opnieuw wilt gooien</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Een joker op deze dobbelsteen zetten</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>Die categorie heb je al ingevuld!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Gooi eerst de dobbelstenen!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1 zou %2 opleveren</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1 leverde %2 op</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel afgelopen</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Nog geen dobbelstenen gegooid.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>Bewaard: %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>Gegooid: %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, ronde %2 van %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Welkom bij Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 is %2, geen bestand. Korbo laat het zoals het is en houdt geen spelgeschiedenis bij zolang het daar staat.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>De spelgeschiedenis in %1 is geschreven door een nieuwere versie van Korbo. Ze blijft zoals ze is, en deze versie houdt geen spelgeschiedenis bij.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo kon de spelgeschiedenis niet lezen en houdt er in deze sessie geen bij:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>De spelgeschiedenis was beschadigd; er wordt een nieuwe begonnen.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Het beschadigde bestand kon niet opzij worden gezet:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Het bestand zoals het was, is bewaard als</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo kon dit spel niet in de spelgeschiedenis bewaren:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo kon de spelgeschiedenis niet wissen:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Coach</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>&amp;Scorekaart afdrukken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Beeld</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>S&amp;pelers...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Scorekaart</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Naar de scorekaart</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Recordlijsten</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>&amp;Laatste regel voorlezen</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>&amp;Dobbelstenen voorlezen</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>&amp;Beurt voorlezen</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Vensters schikken</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opties...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Speluitleg</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>Online naar een &amp;update zoeken</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Taal van het &amp;bureaublad</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 is %2, geen bestand. Korbo laat het zoals het is: de standaardinstellingen gelden, en de instellingen kunnen niet worden opgeslagen zolang het er staat.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Korbo kon de recordlijsten niet opslaan:</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Korbo afsluiten</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Weet je zeker dat je Korbo wilt afsluiten?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Korbo kon niet opslaan:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Scorekaart afdrukken</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Speluitleg</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>De helppagina korbo.htm staat niet waar het spel is geïnstalleerd.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>Tijdens een spel kun je de spelers niet wijzigen</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Huidig spel beëindigen?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Dit spel stoppen?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>Korbo&apos;s tabel van het beste spel kan niet worden gebruikt:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Computerspelers spelen elke beurt alleen voor de punten van die beurt, en Hint en Coach zijn niet beschikbaar.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Testdobbelstenen</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Voer 6 dobbelstenen in</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>To&amp;etsen</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Ware grootte</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Volledi&amp;g scherm</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>S&amp;tatistieken...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Maf</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Lieveheersbeestjes</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Regenboog</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Knopen</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Eigen</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Korbo - Opties</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Gekke geluiden</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Heel gekke geluiden</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Stil gooien</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animatie</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Voor dobbelstenen die meer stuiteren</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Tekstknoppen</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...in plaats van mooie plaatjes</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Dradenkruis</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...in plaats van de gewone muispijl</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>1e worp vanzelf</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>De 1e worp gaat vanzelf</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Koploper tonen</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>De naam van de koploper het hele spel door onderstrepen op de scorekaart</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Records tonen</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>NIEUWE records tonen aan het eind van het spel</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Dobbelsteenstijl</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Je eigen dobbelstenen importeren</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Een andere dobbelsteenstijl kiezen</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Importeren ...</translation>
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
        <translation>Spelersnamen</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Naam van speler %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Speler %1 wordt gespeeld door de pc</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1 wordt gespeeld door de pc</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 is %2, geen bestand. Korbo laat het zoals het is: de recordlijsten beginnen leeg en kunnen niet worden opgeslagen zolang het er staat.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Het bestand met de recordlijsten kon niet worden gelezen. De lijsten beginnen leeg.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>Het bestand met de recordlijsten was beschadigd: %n regel kon niet worden gelezen en ontbreekt in de lijsten.</numerusform>
            <numerusform>Het bestand met de recordlijsten was beschadigd: %n regels konden niet worden gelezen en ontbreken in de lijsten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>Het bestand met de recordlijsten was beschadigd, maar elk record erin kon worden gelezen.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Het bestand kon niet opzij worden gezet en wordt opnieuw geschreven:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Het bestand zoals het was, is bewaard als</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>Het bestand met de recordlijsten is beschadigd terwijl Korbo draaide. Het bestand zoals het was, is bewaard als</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Korbo - Recordlijsten</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Topprestaties</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Dappere pogingen</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pl.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Plaats, naam, score, datum</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Deselecteren</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Vandaag zoeken</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Naam zoeken:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Te zoeken naam</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>een named pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>een koppeling naar niets</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>een koppeling die niet te volgen is (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>een koppeling naar %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>het is %1, geen bestand, en blijft zoals het is</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, aan kop</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Korbo - Scorekaart</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotaal</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Korbo - Statistieken</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Speler:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>Speler &amp;wissen...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>&amp;Alles wissen...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (computer)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Nog geen uitgespeelde spellen.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n spel: gewonnen %1, gedeelde eerste plaats %2. Gemiddelde %3 (beste spel %4), hoogste totaal %5, laagste %6, standaardafwijking %7. Bonus boven in %8 % van de spellen (beste spel %9 %). Korbo&apos;s %10, extra Korbo&apos;s %11.</numerusform>
            <numerusform>%n spellen: gewonnen %1, gedeelde eerste plaats %2. Gemiddelde %3 (beste spel %4), hoogste totaal %5, laagste %6, standaardafwijking %7. Bonus boven in %8 % van de spellen (beste spel %9 %). Korbo&apos;s %10, extra Korbo&apos;s %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>&amp;Totalen</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Bereiken</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Categorieën</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>C&amp;oach</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Gemiddelde van het laatste spel</numerusform>
            <numerusform>Gemiddelde van de laatste %n spellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Totalen van %n spel van %1 tot %2. Het gemiddelde van de laatste %3 spellen is %4.</numerusform>
            <numerusform>Totalen van %n spellen van %1 tot %2. Het gemiddelde van de laatste %3 spellen is %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Jouw spellen, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Beste spel, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>%1 tot %2: %3 % (beste spel %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>De meeste van je totalen, %1 %, liggen van %2 tot %3. Het gemiddelde van het beste spel is %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Jouw gemiddelde</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Beste spel</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (beste spel %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>%1 kost je het meest: %2 punten per spel tegen %3 bij het beste spel.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Punten verloren ten opzichte van het beste spel</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>In %n spel met de coach kostten je keuzes gemiddeld %1 punten per spel; het laatste kostte %2.</numerusform>
            <numerusform>In %n spellen met de coach kostten je keuzes gemiddeld %1 punten per spel; het laatste kostte %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Spelgeschiedenis exporteren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Door komma&apos;s gescheiden waarden (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Spelgeschiedenis wissen</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Alle spellen van %1 vergeten? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Alle spellen van alle spelers vergeten? Dit kan niet ongedaan worden gemaakt.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Grafieken</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Korbo - Eigen dobbelstenen</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>Afbeelding &amp;laden ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Pictogrammen of GIF-afbeeldingen (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>Let hierop als je eigen dobbelstenen voor Korbo maakt:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- De afbeelding moet een GIF of een pictogram zijn.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Hoogstens 48x48 pixels groot</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Het mooist met een doorzichtige achtergrond</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Voor zijde %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Korbo - Eigen dobbelstenen!</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Kies een dobbelsteen om te wijzigen!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Kies een GIF of ICO voor dobbelsteen nr. %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Korbo - Eigen dobbelstenen</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Variabelen</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Worp</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Ingevuld</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Beoordeling van de categorieën door de pc</translation>
    </message>
    <message>
        <source>true</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>nee</translation>
    </message>
</context>
</TS>
