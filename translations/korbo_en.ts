<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>%n joker left</numerusform>
            <numerusform>%n jokers left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>The records file was damaged: %n of its lines could not be read and is left out of the lists.</numerusform>
            <numerusform>The records file was damaged: %n of its lines could not be read and are left out of the lists.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n game: won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</numerusform>
            <numerusform>%n games: won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Average of the last game</numerusform>
            <numerusform>Average of the last %n games</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Totals of %n game from %1 to %2. The average of the last %3 games is %4.</numerusform>
            <numerusform>Totals of %n games from %1 to %2. The average of the last %3 games is %4.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>In %n coached game your choices cost %1 points a game on average; the last cost %2.</numerusform>
            <numerusform>In %n coached games your choices cost %1 points a game on average; the last cost %2.</numerusform>
        </translation>
    </message>
</context>
</TS>
