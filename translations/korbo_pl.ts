<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>O grze Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Strona domowa:</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Pomoc i błędy:</translation>
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
        <translation>Zacznij grę</translation>
    </message>
</context>
<context>
    <name>korbo::BoardAccess</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Kostka %1, %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>nierzucona</translation>
    </message>
    <message>
        <source>one</source>
        <translation>jeden</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dwa</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trzy</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cztery</translation>
    </message>
    <message>
        <source>five</source>
        <translation>pięć</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sześć</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, zatrzymana</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, w grze</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>do zdobycia %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>zapisano %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Rzuca kostkami w grze albo zaczyna grę</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Jedynki</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma wszystkich jedynek (80+ w kategoriach 1-6 daje premię 40)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Dwójki</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma wszystkich dwójek (80+ w kategoriach 1-6 daje premię 40)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trójki</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma wszystkich trójek (80+ w kategoriach 1-6 daje premię 40)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Czwórki</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma wszystkich czwórek (80+ w kategoriach 1-6 daje premię 40)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Piątki</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma wszystkich piątek (80+ w kategoriach 1-6 daje premię 40)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Szóstki</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Suma wszystkich szóstek (80+ w kategoriach 1-6 daje premię 40)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Kareta</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Suma oczek wszystkich kostek, jeśli cztery są jednakowe</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Pary</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 punktów za każdą parę, 40 punktów za trzy pary</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Trojaczki</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Trojaczki</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 punktów za trzy jednakowe kostki, 40 za dwa takie zestawy</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Nieparzyste</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Suma nieparzystych kostek, premia 11 za sześć nieparzystych</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Parzyste</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Suma parzystych kostek, premia 10 za sześć parzystych</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Strit</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 punktów za strit z pięciu kostek, 50 za strit z sześciu</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Szansa</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Szansa</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Suma oczek wszystkich kostek</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>Sześć jednakowych kostek daje 60 punktów</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, gra w kości dla jednego do sześciu graczy przy jednym komputerze.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Wpisuj kostki każdego rzutu i obserwuj liczniki gry.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>To samo co --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>został %n joker</numerusform>
            <numerusform>zostały %n jokery</numerusform>
            <numerusform>zostało %n jokerów</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Przerzuć wszystkie kostki</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Zatrzymaj tylko %1 i rzuć</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>Zatrzymaj %1 i rzuć</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Użyj jokera na %1</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>Wpisz do kategorii %1</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>przerzut wszystkich kostek</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Przerzut wszystkich kostek</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>zatrzymanie %1</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>Zatrzymanie %1</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>joker na %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Joker na %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: oczekiwany wynik %2</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>%1: %2 traci średnio %3 pkt; najlepszy wybór: %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 kosztuje średnio %2 pkt; najlepszy wybór: %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 traci średnio %2 pkt względem najlepszej gry i osiąga %3% jej oczekiwanego wyniku %4.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 przerzuca wszystkie kostki</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 zatrzymuje tylko %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 zatrzymuje %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 używa jokera na %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 wybiera kategorię %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1. rzut</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2. rzut</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3. rzut</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4. rzut</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Zacznij grę</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Ostatnia tura: %1</translation>
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
        <translation>%2 tura: %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>Twoja kolej, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Wybierz kostki i rzuć jeszcze raz, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Rzuć jeszcze raz, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Został ci ostatni rzut w tej turze, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Koniec rzutów, %1, wybierz kategorię</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Joker - Użyj go, by przerzucić dowolną kostkę w dowolnej chwili gry</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Upuść jokera na kostkę, którą chcesz przerzucić</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Użyj jokera na tej kostce</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>Masz już wynik w tej kategorii!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Najpierw rzuć kostkami!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1: do zdobycia %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1: zapisano %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Jeszcze nie rzucono kostkami.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>Zatrzymane: %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>Rzucone: %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, runda %2 z %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Witaj w Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 to %2, a nie plik. Korbo zostawia go bez zmian i nie prowadzi historii gier, dopóki tam jest.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>Historię gier w %1 zapisała nowsza wersja Korbo. Zostaje bez zmian, a ta wersja nie prowadzi historii gier.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo nie mogło odczytać historii gier i w tej sesji żadnej nie prowadzi:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>Historia gier była uszkodzona; rozpoczęto nową.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Nie udało się odłożyć uszkodzonego pliku na bok:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Plik w dotychczasowej postaci zachowano jako</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo nie mogło zapisać tej gry w historii gier:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo nie mogło wyczyścić historii gier:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Trener</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>&amp;Drukuj wyniki</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Gracze...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Wyniki</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Przejdź do wyników</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>Powiedz &amp;jeszcze raz</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>Odczytaj &amp;kostki</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Odczytaj &amp;turę</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Ułóż okna</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Jak grać</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>Sprawdź &amp;aktualizacje w sieci</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>Ję&amp;zyk</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Język &amp;systemu</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 to %2, a nie plik. Korbo niczego tam nie zmienia: obowiązują ustawienia domyślne i nie da się ich zapisać, dopóki ta ścieżka jest zajęta.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Nie udało się zapisać rekordów:</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Zakończ Korbo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Czy na pewno chcesz wyjść?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Nie udało się zapisać:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Drukuj wyniki</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>Strony pomocy korbo.htm nie ma tam, gdzie zainstalowano grę.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>W trakcie gry nie można zmieniać graczy</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Zakończyć bieżącą grę?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Przerwać tę grę?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>Nie można użyć tabeli najlepszej gry Korbo:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Gracze komputerowi zagrają każdą turę tylko o punkty z tej tury, a Podpowiedź i Trener są niedostępne.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Kostki testowe</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Wpisz 6 kostek</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Klawisze</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Powięk&amp;sz</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Rozmiar &amp;normalny</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Pełny ekr&amp;an</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Pomni&amp;ejsz</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Stat&amp;ystyki...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Zwariowane</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowe</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Klasyczne</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Biedronki</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Tęcza</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Guziki</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Zdjęcia</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Własne</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Korbo – opcje</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Bez dźwięków</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Zabawne dźwięki</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Bardzo zabawne dźwięki</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Wycisz kostki</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Bardziej skoczne kostki</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Przyciski tekstowe</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...zamiast ozdobnych obrazków</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Celownik</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...zamiast zwykłej strzałki myszy</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>Auto 1. rzut</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>Pierwszy rzut w turze wykonuje się sam</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Pokaż lidera</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Przez całą grę podkreślaj w tabeli wyników imię prowadzącego gracza</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Pokaż rekordy</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>Pokazuj NOWE rekordy na koniec gry</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Styl kostek</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Wczytaj własne kostki</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Wybierz inny styl kostek</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Importuj ...</translation>
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
        <translation>Imiona graczy</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Imię gracza %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Gracz %1: gra PC</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1: gra PC</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 to %2, a nie plik. Korbo niczego tam nie zmienia: listy rekordów zaczynają się puste i nie da się ich zapisać, dopóki ta ścieżka jest zajęta.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Nie udało się odczytać pliku rekordów. Listy zaczynają się puste.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>Plik rekordów był uszkodzony: %n wiersz nie dał się odczytać i nie ma go na listach.</numerusform>
            <numerusform>Plik rekordów był uszkodzony: %n wiersze nie dały się odczytać i nie ma ich na listach.</numerusform>
            <numerusform>Plik rekordów był uszkodzony: %n wierszy nie dało się odczytać i nie ma ich na listach.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>Plik rekordów był uszkodzony, ale udało się odczytać wszystkie zapisane w nim rekordy.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Nie udało się odłożyć pliku na bok, więc zostanie zapisany od nowa:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Plik w dotychczasowej postaci zachowano jako</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>Plik rekordów uszkodził się w trakcie działania Korbo. Plik w dotychczasowej postaci zachowano jako</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Korbo – rekordy</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Wysokie loty</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Dzielne próby</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Poz.</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Pozycja, imię, wynik, data</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Odznacz</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Dzisiejsze</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Znajdź imię:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Szukane imię</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>potok nazwany</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>urządzenie</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>gniazdo</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>obiekt innego rodzaju</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>dowiązanie donikąd</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>dowiązanie, którego nie da się rozwiązać (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>dowiązanie wskazujące na %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>nie można utworzyć folderu %1</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>to %1, a nie plik, więc pozostaje bez zmian</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, na prowadzeniu</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Korbo – wyniki</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Suma górna</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Korbo – statystyki</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Gracz:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>Wyczyść gr&amp;acza...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>Wyczyść &amp;wszystko...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (komputer)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Nie ma jeszcze ukończonych gier.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n gra: wygrane %1, ex aequo na pierwszym miejscu %2. Średnia %3 (najlepsza gra %4), najwyższy wynik %5, najniższy %6, odchylenie standardowe %7. Premia górna w %8 % gier (najlepsza gra %9 %). Korbo %10, dodatkowe Korbo %11.</numerusform>
            <numerusform>%n gry: wygrane %1, ex aequo na pierwszym miejscu %2. Średnia %3 (najlepsza gra %4), najwyższy wynik %5, najniższy %6, odchylenie standardowe %7. Premia górna w %8 % gier (najlepsza gra %9 %). Korbo %10, dodatkowe Korbo %11.</numerusform>
            <numerusform>%n gier: wygrane %1, ex aequo na pierwszym miejscu %2. Średnia %3 (najlepsza gra %4), najwyższy wynik %5, najniższy %6, odchylenie standardowe %7. Premia górna w %8 % gier (najlepsza gra %9 %). Korbo %10, dodatkowe Korbo %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>&amp;Sumy</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Przedziały</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Kategorie</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>T&amp;rener</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Suma</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Średnia z ostatniej gry</numerusform>
            <numerusform>Średnia z ostatnich %n gier</numerusform>
            <numerusform>Średnia z ostatnich %n gier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Sumy z %n gry od %1 do %2. Średnia z ostatnich %3 gier wynosi %4.</numerusform>
            <numerusform>Sumy z %n gier od %1 do %2. Średnia z ostatnich %3 gier wynosi %4.</numerusform>
            <numerusform>Sumy z %n gier od %1 do %2. Średnia z ostatnich %3 gier wynosi %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Twoje gry, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Najlepsza gra, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>Od %1 do %2: %3 % (najlepsza gra %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>Najwięcej twoich wyników, %1 %, mieści się od %2 do %3. Średnia najlepszej gry to %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Twoja średnia</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Najlepsza gra</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (najlepsza gra %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>Najwięcej tracisz na kategorii %1: %2 pkt na grę wobec %3 pkt w najlepszej grze.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Punkty stracone względem najlepszej gry</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>W %n grze z trenerem twoje wybory kosztowały średnio %1 pkt na grę; ostatnia kosztowała %2.</numerusform>
            <numerusform>W %n grach z trenerem twoje wybory kosztowały średnio %1 pkt na grę; ostatnia kosztowała %2.</numerusform>
            <numerusform>W %n grach z trenerem twoje wybory kosztowały średnio %1 pkt na grę; ostatnia kosztowała %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Eksportuj historię gier</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Wartości rozdzielone przecinkami (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Wyczyść historię gier</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Zapomnieć wszystkie gry gracza %1? Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Zapomnieć wszystkie gry wszystkich graczy? Tego nie można cofnąć.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Wykresy</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Korbo – własne kostki</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>&amp;Wczytaj obraz ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Ikony lub obrazy GIF (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>Na co zwrócić uwagę, tworząc własne kostki do Korbo:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- Obraz musi być w formacie GIF lub ICO.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Rozmiar najwyżej 48x48 pikseli</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Najlepiej wygląda przezroczyste tło</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Dla ścianki %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Korbo – własne kostki!</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Wybierz ściankę do zmiany!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Wybierz plik GIF lub ICO dla ścianki nr %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Korbo – własne kostki</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Zmienne</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Rzut</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Runda</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Zajęte</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Ocena kategorii przez PC</translation>
    </message>
    <message>
        <source>true</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>False</source>
        <translation>nie</translation>
    </message>
</context>
</TS>
