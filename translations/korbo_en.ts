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
</TS>
