"""The help page's German texts, written to assets/help/korbo_de.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_de.md, and the player is "du".  The menus and
buttons named by %(name)s come from translations/korbo_de.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_de.ts as the game shows it, numbers with a
decimal comma as the game writes them in German.
"""

LANGUAGE = "de"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["einen bis sechs Spieler", "vierzehn Runden", "einen Zug", "genau einmal",
    "bis zu sechs", "12 Zeichen", "nichts wird gewertet", "Ablage", "Wurffeld",
    "Rechtsklick", "drei Joker", "Narrenfiguren", "zählt nicht", "Gelb", "grün",
    "0 Punkte", "Sieger ist unterstrichen", "durchsichtigem", "weitere 60",
    "80 oder mehr", "Pfeiltasten", "Umschalt+Tab", "Esc", "einen Joker auf ihn setzen",
    "Punktetabelle", "Hinweis", "Trainer", "Computerspieler", "Glanzleistungen",
    "Spielverlauf", "Anna (Computer)"]

TITLE = "Korbo - Spielanleitung"
HEADLINE = "Spielanleitung"
CONTENTS = "Inhalt"
FOOTER = "Korbo &ndash; sechs Würfel, vierzehn Runden, drei Joker. Viel Spaß!"

# Keys as a German keyboard and German programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Pfeiltasten",
    "Ctrl": "Strg",
    "End": "Ende",
    "Enter": "Enter",
    "Escape": "Esc",
    "Home": "Pos1",
    "Page Down": "Bild ab",
    "Page Up": "Bild auf",
    "Shift": "Umschalt",
    "Space": "Leertaste",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Kategorie", "Was sie zählt", "Beispiele")
CATEGORIES = {
    "Ones": ("Einser", "1 für jeden Würfel mit einer Eins.",
             {"111526": "drei Einsen", "234566": "keine Eins"}),
    "Twos": ("Zweier", "2 für jeden Würfel mit einer Zwei.",
             {"222213": "vier Zweien"}),
    "Threes": ("Dreier", "3 für jeden Würfel mit einer Drei.",
               {"333314": "vier Dreien"}),
    "Fours": ("Vierer", "4 für jeden Würfel mit einer Vier.",
              {"444412": "vier Vieren"}),
    "Fives": ("Fünfer", "5 für jeden Würfel mit einer Fünf.",
              {"555552": "fünf Fünfen"}),
    "Sixes": ("Sechser", "6 für jeden Würfel mit einer Sechs.",
              {"666613": "vier Sechsen"}),
    "Quad": ("Vierlinge", "Mindestens vier gleiche Würfel: die Augensumme <em>aller sechs</em> "
                          "Würfel. Weniger als vier gleiche: 0.",
             {"555523": "vier Fünfen", "666666": "sechs gleiche zählen auch",
              "555223": "nur drei gleiche"}),
    "Twins": ("Zwillinge", "10 für jedes Paar, 40 für drei Paare. Paare teilen sich nie einen "
                           "Würfel: Drei gleiche sind ein Paar, vier gleiche zwei Paare; sechs "
                           "gleiche und vier plus zwei gleiche zählen beide als drei Paare.",
              {"334516": "ein Paar", "333512": "drei gleiche sind ein Paar",
               "444425": "vier gleiche sind zwei Paare", "224466": "drei Paare",
               "333355": "vier plus zwei"}),
    "Triples": ("Drillinge", "15 für einen Drilling (drei gleiche), 40 für zwei Drillinge. "
                             "Vier oder fünf gleiche sind trotzdem nur ein Drilling, sechs "
                             "gleiche sind zwei.",
                {"222451": "ein Drilling", "444445": "fünf gleiche sind ein Drilling",
                 "333666": "zwei Drillinge", "111111": "sechs gleiche"}),
    "Odds": ("Ungerade", "Die Summe der ungeraden Würfel (Einsen, Dreien und Fünfen). "
                         "Alle sechs ungerade: 11 mehr.",
             {"135246": "1 + 3 + 5", "555533": "26 + Bonus 11"}),
    "Evens": ("Gerade", "Die Summe der geraden Würfel (Zweien, Vieren und Sechsen). "
                        "Alle sechs gerade: 10 mehr.",
              {"246135": "2 + 4 + 6", "666644": "32 + Bonus 10"}),
    "Flush": ("Straße", "Eine Straße aus fünf Würfeln (1-2-3-4-5 oder 2-3-4-5-6): 35. "
                        "Alle sechs verschieden (1 bis 6): 50.",
              {"123452": "Straße aus fünf", "234566": "Straße aus fünf",
               "123456": "alle sechs", "123356": "keine Straße"}),
    "PotLuck": ("Chance", "Die Augensumme aller sechs Würfel, ganz gleich, was sie zeigen.",
                {"665541": "6+6+5+5+4+1", "112123": "sie nimmt alles"}),
    "Korbo": ("Korbo", "Sechs gleiche Würfel: 60. Steht dein Korbo erst einmal auf 60, "
                       "bringt ihm jeder weitere Wurf mit sechs gleichen Würfeln, den du "
                       "einträgst, weitere 60 &ndash; ganz gleich, in welcher Kategorie.",
              {"444444": "sechs Vieren", "444443": "fünf gleiche reichen nicht"}),
}
BONUS_RULE = ("%(upper_bonus)d, wenn Einser bis Sechser zusammen %(bonus_needs)d oder mehr "
              "erreichen. Der Bonus kommt dazu, sobald du so weit bist, auch wenn noch "
              "nicht alle sechs gefüllt sind.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "Zum nächsten oder vorigen Bedienelement des Fensters; ein "
     "gelb-schwarzer Ring zeigt, wo die Tasten gerade wirken"),
    ("%(arrows)s", "Auf dem Spielfeld: über die obere Reihe der Kategorien, die Würfel "
     "mit dem Wurfknopf rechts daneben und die untere Reihe der Kategorien"),
    ("%(space)s, %(enter)s", "Drückt, worauf der Ring steht: Der Wurfknopf würfelt (oder "
     "startet ein Spiel), ein Würfel kommt in die Ablage oder zurück ins Spiel, eine "
     "Kategorie zeigt ihre Punkte, und ein zweiter Druck trägt sie ein"),
    ("%(one)s bis %(six)s", "Diesen Würfel ablegen oder wieder ins Spiel bringen, und der "
     "Ring geht zu ihm; im Fenster „Korbo Eigene Würfel“ diese Seite für %(load)s wählen"),
    ("%(f)s", "Auf einem Würfel: Alle Würfel mit seiner Augenzahl auf derselben Seite "
     "wechseln mit ihm hinüber, wie bei einem Rechtsklick"),
    ("%(j)s", "Auf einem Würfel: einen Joker auf ihn setzen"),
    ("%(t)s", "Würfeln, ganz gleich, wo der Ring auf dem Spielfeld steht"),
    ("%(s)s", "Auf einer Kategorie: ihre Klänge abspielen"),
    ("%(l)s", "Die letzte Zeile noch einmal sagen (%(say_again)s)"),
    ("%(d)s", "Die Würfel sagen: erst die Ablage, dann das Wurffeld (%(say_dice)s)"),
    ("%(w)s", "Sagen, wer am Zug ist, welche Runde läuft und wie viele Joker übrig sind "
     "(%(say_turn)s)"),
    ("%(f1)s", "Diese Hilfeseite (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Neues Spiel (%(new)s); während eines Spiels fragt Korbo, ob es "
     "abgebrochen werden soll"),
    ("%(ctrlq)s", "Beenden (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Das Spielfeld vergrößern, verkleinern und wieder in seiner ursprünglichen Größe zeigen (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); es wächst und schrumpft auch mit seinem Fenster"),
    ("%(f11)s", "Vollbild (%(full_screen)s); %(f11)s oder %(escape)s verlässt es"),
    ("%(f5)s", "Ein Hinweis: der beste nächste Schritt (%(hint)s)"),
    ("%(f6)s", "Die Punktetabelle (%(scores)s)"),
    ("%(ctrlf6)s", "Vom Spielfeld in die Punktetabelle und zurück (%(go_to_scores)s); in "
     "der Tabelle gehen die Pfeiltasten von Eintrag zu Eintrag, %(home)s und %(end)s zur "
     "Beschriftung der Zeile und zu ihrem letzten Spieler, %(page_up)s und %(page_down)s "
     "zur obersten Zeile und zu den Summen"),
    ("%(f7)s", "Die Statistik (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Öffnen die Menüs Spiel, Ansicht und "
     "Hilfe; der unterstrichene Buchstabe wählt einen Eintrag"),
    ("%(alt)s + Klick", "Auf einem Kategorieknopf: spielt seine Klänge ab"),
    ("%(enter)s", "In den anderen Fenstern: drückt den Knopf, der den Fokus hat, sonst OK "
     "in „Über Korbo“ und Speichern im Fenster „Korbo Eigene Würfel“"),
    ("%(escape)s", "Schließt die Bestenlisten, die Punktetabelle, die Statistik, „Über "
     "Korbo“ und das Fenster „Variablen“ wie ihr Schließknopf; in den Fenstern "
     "„Spielernamen“ und „Korbo Eigene Würfel“ wirkt Esc wie Abbrechen; das Fenster "
     "„Korbo Optionen“ behält seine Änderungen, wie bei seinem Schließknopf"),
]

SECTIONS = {
    "aim": ("Ziel des Spiels", """
<p>Korbo ist ein Würfelspiel für einen bis sechs Spieler an einem gemeinsamen
Computer. Reihum würfeln alle mit denselben sechs Würfeln und versuchen, so viele
Punkte wie möglich zu erzielen, indem sie jeden Wurf in eine von vierzehn
<a href="#categories">Kategorien</a> eintragen. Wer am Ende die höchste Summe hat,
gewinnt.</p>
<ul>
<li>Ein Spiel hat <b>vierzehn Runden</b>. In jeder Runde macht jeder Spieler
<b>einen Zug</b>, in der Reihenfolge, in der die Spieler eingetragen sind.</li>
<li>Jeder Zug endet damit, dass du <b>eine</b> deiner vierzehn Kategorien füllst.
Am Ende des Spiels hat also jeder Spieler jede Kategorie genau einmal gefüllt.</li>
<li>Jede Kategorie lässt sich nur einmal belegen. Passen die Würfel zu nichts, was
noch frei ist, musst du sie trotzdem irgendwo eintragen, notfalls mit 0 Punkten.
Geschickt zu wählen, wo du die schwachen Würfe unterbringst, ist das halbe
Spiel.</li>
</ul>
"""),
    "start": ("Spieler und Spielbeginn", """
<h3>Spieler eintragen</h3>
<p>Wähle %(players)s und gib die Namen von bis zu <b>sechs</b> Spielern ein, einen
pro Feld, jeweils bis zu <b>12 Zeichen</b> lang. Die Spieler sind in der
Reihenfolge der Felder am Zug; leere Felder zwischen den Namen werden
übersprungen. Die Namen bleiben für die folgenden Spiele stehen, bis du sie
änderst.</p>

<h3>Ein Spiel starten</h3>
<p>Klicke auf den Knopf %(start)s oder wähle %(new)s (oder drücke %(f2)s). Ist
noch niemand eingetragen, öffnet sich zuerst das Fenster „Spielernamen“. Der Titel
über dem Spielfeld zeigt, wer am Zug ist (zum Beispiel <i>1. Zug von Anna</i>, in
der vierzehnten Runde <i>Letzter Zug von Anna</i>).</p>

<h3>Ein laufendes Spiel abbrechen</h3>
<p>Wählst du während eines Spiels %(new)s, fragt Korbo: %(stop)s Mit <b>Ja</b>
endet das Spiel sofort: Die Punktetabelle wird geleert und <b>nichts wird
gewertet</b> &ndash; ein unvollendetes Spiel kommt nie in die Bestenlisten. Mit
<b>Nein</b> spielst du weiter.</p>
"""),
    "turn": ("Dein Zug", """
<h3>Würfeln</h3>
<p>In jedem Zug hast du bis zu <b>vier Würfe</b>. Der große Knopf nennt den
nächsten Wurf: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Nach dem vierten steht dort
%(fin)s: Es gibt nichts mehr zu würfeln, und du musst eine Kategorie wählen. Du
musst nicht alle vier Würfe nutzen &ndash; du kannst nach jedem Wurf
eintragen.</p>

<h3>Würfel ablegen</h3>
<p>Zwischen den Würfen sortierst du die Würfel:</p>
<ul>
<li><b>Klicke auf einen Würfel</b> im Wurffeld, um ihn <b>nach unten in die
Ablage</b> zu legen. Abgelegte Würfel bleiben liegen: Der nächste Wurf lässt sie
in Ruhe.</li>
<li><b>Klicke auf einen abgelegten Würfel</b>, um ihn <b>zurück nach oben ins
Wurffeld</b> zu legen; dann wird er wieder geworfen.</li>
<li>Mit einem <b>Rechtsklick auf einen Würfel</b> bewegst du <b>alle Würfel mit
derselben Augenzahl</b> auf derselben Seite auf einmal &ndash; so legst du schnell
alle Fünfen ab oder wirfst alle Einsen noch einmal.</li>
</ul>
<p>Geworfen werden nur die Würfel im Wurffeld. Liegen alle Würfel in der Ablage,
tut der Wurfknopf nichts, und es geht kein Wurf verloren.</p>

<h3>Joker</h3>
<p>Jeder Spieler hat für das ganze Spiel <b>drei Joker</b>, die als kleine
Narrenfiguren auf dem Spielfeld liegen. <b>Ziehe einen Joker auf einen beliebigen
Würfel</b>, um genau diesen einen Würfel neu zu werfen. Das geht jederzeit in
deinem Zug, sobald du zum ersten Mal gewürfelt hast &ndash; auch nach dem vierten
Wurf, wenn auf dem Knopf schon %(fin)s steht. Ein Joker zählt <b>nicht</b> als
einer deiner vier Würfe. Ein eingesetzter Joker ist für den Rest des Spiels weg,
also heb sie dir für die Augenblicke auf, in denen es darauf ankommt: wenn dir ein
einziger Würfel zum Korbo, zur Straße oder zu Vierlingen fehlt.</p>
"""),
    "choose": ("Eine Kategorie wählen", """
<p>Jede der vierzehn Kategorien hat auf dem Spielfeld ihren eigenen Knopf.</p>
<ol>
<li><b>Zeige</b> mit der Maus auf einen Knopf: Die Statuszeile sagt, was die
Kategorie zählt.</li>
<li><b>Klicke</b> einmal darauf: Die Punkte, die diese Würfel dort brächten,
erscheinen in <span class="yellow">Gelb</span>. Eingetragen ist noch nichts.</li>
<li><b>Klicke noch einmal auf denselben Knopf</b>, um die Punkte einzutragen. Die
Punkte werden <span class="green">grün</span>, dein Zug endet, und der nächste Spieler
ist an der Reihe.</li>
</ol>
<p>Du kannst dir zuerst mehrere Kategorien ansehen &ndash; ein einfacher Klick auf
jede zeigt, was sie wert wäre &ndash; und dann die gewünschte mit einem zweiten
Klick eintragen. Du darfst auch <b>0 Punkte</b> eintragen, wenn nichts Besseres
übrig ist; wie jeder Eintrag ist das endgültig. Eine Kategorie, die du schon
gefüllt hast, zeigt ihre Punkte und lässt sich nicht noch einmal wählen. Ein
neuer Wurf löscht die gelben Zahlen; du kannst also schauen, noch einmal würfeln
und wieder schauen.</p>
"""),
    "categories": ("Die vierzehn Kategorien", """
<p>Die ersten sechs sind die <b>oberen Kategorien</b>, die letzten acht die
unteren. Die Würfel zählen immer als Satz von sechs; es ist also egal, welche
abgelegt sind und welche zuletzt geworfen wurden. In der Punktetabelle stehen
Vierlinge und Drillinge in der Einzahl, als Vierling und Drilling.</p>
%(table)s
<h3>Korbo zahlt sich mehrfach aus</h3>
<p>Sobald in deinem Korbo eine 60 steht, bringt dir <b>jeder weitere Wurf mit
sechs gleichen Würfeln</b> <b>weitere 60</b> im Korbo &ndash; ganz gleich, in
welche Kategorie du ihn einträgst. Angenommen, du hast sechs Vieren als Korbo
eingetragen. Später würfelst du sechs Zweien und trägst sie bei den Zweiern ein:
Dort stehen dann 12, und dein Korbo wächst von 60 auf 120. Musstest du Korbo mit
0 eintragen, geschieht das nie, egal, wie oft du danach sechs gleiche
würfelst.</p>
"""),
    "sheet": ("Die Punktetabelle", """
<p>%(scores)s (oder %(f6)s) zeigt die Punktetabelle, das Fenster „Korbo Punkte“:
eine Spalte für jeden Spieler mit jedem Eintrag, sobald er gemacht ist, dazu die
<b>Summe oben</b> der sechs oberen Kategorien, den <b>Bonus</b> (40, oder 0,
sobald alle sechs gefüllt sind, ohne 80 zu erreichen) und ganz unten die
<b>Summe</b>.</p>
<ul>
<li>Solange die Option <b>Führenden zeigen</b> eingeschaltet ist, sind Name und
Summe des Spielers in Führung <u>unterstrichen</u>.</li>
<li>Nach dem letzten Zug erscheint die Tabelle von selbst, und der <u>Sieger ist
unterstrichen</u>, ganz gleich, was die Option sagt.</li>
<li>%(print)s druckt die Tabelle mit dem aktuellen Stand, auch mitten im
Spiel.</li>
</ul>
"""),
    "records": ("Bestenlisten", """
<p>%(records)s öffnet die beiden Bestenlisten aller Zeiten, die dieser Computer
führt:</p>
<dl>
<dt>Glanzleistungen</dt><dd>die 99 besten Summen, die je gespielt wurden;</dd>
<dt>Tapfere Versuche</dt><dd>die 99 niedrigsten Summen &ndash; auch das ist ein
Rekord.</dd>
</dl>
<p>Jede Zeile zeigt Platz, Punkte, den Namen des Spielers und das Datum. Am Ende
jedes <b>vollständigen</b> Spiels wird die Summe jedes Spielers beiden Listen
angeboten und kommt überall dort hinein, wo sie einen Platz verdient. Ein
vorzeitig beendetes Spiel wird nie eingetragen.</p>
<ul>
<li>Gib neben %(find)s einen Namen ein und klicke auf den Knopf (oder drücke
%(enter)s), um jede Zeile dieses Spielers in beiden Listen zu markieren; Groß-
und Kleinschreibung spielen keine Rolle. Ein Klick auf eine Zeile übernimmt ihren
Namen in das Feld.</li>
<li>%(today)s markiert jede Zeile, die heute gespielt wurde.</li>
<li>%(unselect)s hebt die Markierungen auf.</li>
</ul>
<p>Solange die Option <b>Bestenlisten zeigen</b> eingeschaltet ist, öffnen sich
die Bestenlisten nach einem Spiel mit neuen Rekorden von selbst.</p>
"""),
    "statistics": ("Statistik", """
<p>Jedes <b>vollständige</b> Spiel kommt in den Spielverlauf auf diesem Computer;
ein vorzeitig beendetes Spiel nicht, genau wie bei den Bestenlisten. %(statistics)s
(oder %(f7)s) öffnet das Fenster „Korbo Statistik“, das jeweils einen Spieler zeigt:
Wähle ihn unter %(player_list)s aus. Ein Spieler ist ein Name, Groß- und
Kleinschreibung spielen keine Rolle; ein Computerspieler mit demselben Namen wird
getrennt geführt, als <i>Anna (Computer)</i>.</p>
<p>Die Zeile mit Zahlen unter der Liste nennt die gespielten und die gewonnenen
Spiele (gewonnen hat, wer in einem Spiel mit zwei oder mehr Spielern als Einziger
die höchste Summe hat), geteilte erste Plätze, die durchschnittliche, höchste und
niedrigste Summe, die Standardabweichung, wie oft der Bonus oben erreicht wurde,
und die Korbos und Extra-Korbos; neben dem Schnitt und dem Bonus steht, was das
beste Spiel erreicht. Die Zahlen des besten Spiels stammen aus 200.000 Spielen, die
Korbo selbst mit seiner besten Strategie gespielt hat.</p>
<p>Darunter zeigen vier Registerkarten je ein Diagramm und daneben seine Zahlen in
Worten, die du mit %(tab)s erreichst und die ein Screenreader vorliest:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>die Summe jedes Spiels im Lauf der Zeit, mit dem
Schnitt der letzten zehn Spiele;</dd>
<dt>%(tab_ranges)s</dt><dd>wie oft deine Summen in jeden Bereich von 50 Punkten
fallen, neben dem besten Spiel;</dd>
<dt>%(tab_categories)s</dt><dd>der Schnitt jeder Kategorie neben dem des besten
Spiels, vorneweg die Kategorie, die dich am meisten kostet;</dd>
<dt>%(tab_coach)s</dt><dd>erscheint, sobald Spiele mit eingeschaltetem Trainer
gespielt wurden: die Punkte, die die Entscheidungen in jedem davon gekostet
haben.</dd>
</dl>
<p>%(export)s speichert den ganzen Spielverlauf als CSV-Datei, die
Tabellenkalkulationen öffnen, mit einer Zeile pro Spieler und Spiel.
%(clear_player)s vergisst die Spiele des gewählten Spielers und %(clear_all)s alle
Spiele, beides erst nach einer Rückfrage; das lässt sich nicht rückgängig machen.
Die Bestenlisten bleiben unberührt.</p>
"""),
    "options": ("Optionen", """
<p>Unter %(options)s richtest du das Spiel nach deinem Geschmack ein.</p>
<dl>
<dt>Klänge: Aus / An / Verrückt</dt>
<dd>Gar keine Klänge, die üblichen Klänge oder albernere Geräusche für dieselben
Momente.</dd>
<dt>Würfel stumm</dt>
<dd>Die anderen Klänge bleiben, nur das Klappern der Würfel verstummt.</dd>
<dt>Animation</dt>
<dd>Die Würfel rollen über das Spielfeld und gleiten zwischen den Reihen. Schalte
sie für ein schnelleres Spiel aus: Dann springen die Würfel einfach an ihren
Platz.</dd>
<dt>Textknöpfe</dt>
<dd>Die Kategorieknöpfe tragen statt Bildern die Namen der Kategorien.</dd>
<dt>Fadenkreuz</dt>
<dd>Über dem Spielfeld ist der Mauszeiger ein Fadenkreuz statt eines Pfeils.</dd>
<dt>1. Wurf selbst</dt>
<dd>Der erste Wurf jedes Zuges geschieht von selbst.</dd>
<dt>Führenden zeigen</dt>
<dd>Unterstreicht während des Spiels den Führenden in der Punktetabelle.</dd>
<dt>Bestenlisten zeigen</dt>
<dd>Zeigt die Bestenlisten nach einem Spiel, das neue Rekorde gebracht hat.</dd>
<dt>Würfelstil</dt>
<dd>Sieben Arten von Würfeln: <b>Standard</b>, <b>Klassisch</b>,
<b>Marienkäfer</b>, <b>Regenbogen</b>, <b>Knöpfe</b>, <b>Foto</b> und
<b>Eigene</b>. Jeder Spieler behält den Stil, mit dem er spielt: Wählst du in
deinem eigenen Zug einen Stil, erscheinen deine Würfel in jedem deiner Züge darin,
während die anderen ihren behalten &ndash; so siehst du auf einen Blick, wer am
Zug ist. Ein Stil, den du wählst, während kein Spiel läuft, ist der, mit dem alle
beginnen, bis sie sich ihren eigenen aussuchen.</dd>
</dl>
<h3>Deine eigenen Würfel</h3>
<p>Wähle <b>Eigene</b> und klicke auf %(import)s, dann öffnet sich das Fenster
„Korbo Eigene Würfel“. Klicke dort auf eine Seite (oder auf die Zahl darüber), dann
auf %(load)s, und wähle ein Bild für diese Seite, ein GIF oder ein Icon
(<code>.ico</code>); mach dasselbe für die anderen Seiten und klicke dann auf
%(save)s. Die Bilder dürfen höchstens <b>48 x 48 Pixel</b> groß sein und sehen
genau in dieser Größe mit <b>durchsichtigem Hintergrund</b> am besten aus. Korbo
legt sich von jedem Bild eine eigene Kopie an; die Originale kannst du danach
also verschieben oder löschen.</p>
"""),
    "computer": ("Computerspieler, Hinweis und Trainer", """
<h3>Computerspieler</h3>
<p>Setze unter %(players)s den Haken bei <b>PC</b> neben einem Namen, dann spielt
der Computer auf diesem Platz (mit der Tastatur: Die PC-Kästchen folgen auf
%(cancel)s; mit %(tab)s springst du zu einem, mit der %(space)s setzt du den
Haken). Er
spielt so gut, wie es überhaupt geht: Für jeden Wurf rechnet er aus, welche Wahl
im Schnitt die höchste Endsumme bringt, und berücksichtigt dabei jede noch offene
Kategorie, den Bonus, die übrigen Joker und die kommenden Würfe. Er spielt in
einem Tempo, dem du folgen kannst, und sagt in der Statuszeile, was er tut
(<i>Blau hält 5 5 5</i>, <i>Blau setzt einen Joker auf die 2</i>). Solange er
spielt, reagiert das Spielfeld nicht auf deine Klicks, aber mit %(new)s kannst du
das Spiel trotzdem abbrechen.</p>

<h3>Hinweis</h3>
<p>Wähle in deinem Zug, sobald die Würfel auf dem Spielfeld liegen, %(hint)s
(oder drücke %(f5)s). Die Statuszeile nennt den besten nächsten Schritt und die
Endsumme, die du von hier aus bei bestem Spiel erwarten kannst (<i>6 6 halten und
würfeln: 404,4 erwartet</i>), und ein gelber Ring markiert die Würfel, die du
ablegen solltest, den Würfel für einen Joker oder die Kategorie zum Eintragen,
bis du deinen nächsten Schritt machst. Ein Hinweis bewegt nie einen Würfel und
trägt nie Punkte ein.</p>

<h3>Trainer</h3>
<p>Setze den Haken bei %(coach)s, und nach jeder deiner Entscheidungen &ndash; die
Würfel, die du vor einem Wurf ablegst, ein Joker, ein Eintrag &ndash;, die nicht
die beste war, sagt die Statuszeile, was sie dich im Schnitt gekostet hat und was
am besten gewesen wäre (<i>Zwillinge kostete Anna im Schnitt 3,4 Punkte; am
besten war Straße.</i>). Am Ende eines Spiels fügt die Punktetabelle für jeden
Spieler eine Zusammenfassung an: die Punkte, die er gegenüber dem besten Spiel
verloren hat, und wie viel Prozent der bei bestem Spiel zu erwartenden Summe er
erreicht hat. Korbo merkt sich den Trainer über das Spiel hinaus; für die
Bestenlisten macht es keinen Unterschied, ob er an ist oder nicht.</p>
"""),
    "hints": ("Tipps und Kniffe", """
<div class="tip"><b>Kümmere dich früh um den Bonus.</b> Dreimal jede Augenzahl in den
oberen Kategorien ergibt nur %(three)d, viermal jede ergibt %(four)d. Für die 40
Punkte ab 80 brauchst du also meistens vier gleiche &ndash; oder kräftige Fünfer
und Sechser, die magere Einser und Zweier ausgleichen. Erledige die oberen
Kategorien, solange noch genug Runden für einen neuen Versuch bleiben.</div>
<div class="tip"><b>Heb dir die Chance für einen schwachen Wurf auf.</b> Die Chance
nimmt alles und ist damit dein Sicherheitsnetz in einem Zug, in dem nichts anderes
passt. Verbrauchst du sie früh, musst du später vielleicht eine 0
eintragen.</div>
<div class="tip"><b>Korbo zahlt sich mehrfach aus.</b> Ein mit 60 eingetragener
Korbo macht jeden späteren Wurf mit sechs gleichen Würfeln 60 Punkte mehr wert.
Hast du einen, lohnt es sich oft, einen ganzen Zug auf den nächsten zu
setzen.</div>
<div class="tip"><b>Wohin mit der 0?</b> Musst du eine Null eintragen, dann dort,
wo du ohnehin wenig Hoffnung hattest: Einser kosten dich höchstens ein paar
Punkte, Korbo oder Straße sind spät im Spiel oft kaum noch zu schaffen.</div>
<div class="tip"><b>Kenne die Überschneidungen.</b> Vier gleiche und ein Paar
bringen in der Kategorie Zwillinge 40 und zählen schon für Vierlinge; fünf oder
sechs gleiche passen in Vierlinge, in Drillinge, in die obere Kategorie ihrer
Augenzahl und (bei sechs) in Korbo. Klick dich durch die Knöpfe, um zu vergleichen &ndash; der erste
Klick kostet nichts.</div>
<div class="tip"><b>Spar dir die Joker auf.</b> Ein Joker nach dem vierten Wurf
kann einen Zug noch retten: wenn ein Würfel zur Straße fehlt oder der sechste zum
Korbo.</div>
<div class="tip"><b>Hör dir die Kategorien an.</b> Halte %(alt)s gedrückt und
klicke auf einen Kategorieknopf, um seine Klänge zu hören, ohne etwas
einzutragen.</div>
"""),
    "keys": ("Tastatur", """
<p>Alles in Korbo lässt sich auch mit der Tastatur erledigen.</p>
<table class="keys">
%(rows)s
</table>

<h3>Mit einem Screenreader</h3>
<p>Korbo lässt einen Screenreader wie Orca vorlesen, ohne den Fokus zu verschieben:
jede neue Zeile der Statuszeile (Aufforderungen, die Züge der Computerspieler,
Hinweise, die Kosten, die der Trainer nennt, „Spiel vorbei“) und nach jedem Wurf
oder Joker die Würfel, erst die Ablage, dann das Wurffeld, gefolgt von der
Aufforderung. Die Zeilen warten aufeinander, sodass keine abgeschnitten
wird.</p>
<p>Ein Zug mit der Tastatur: %(t)s würfelt. Jeder Würfel wird mit Nummer,
Augenzahl und Lage vorgelesen, zum Beispiel „Würfel 3, fünf, abgelegt“; %(one)s
bis %(six)s legen einen Würfel ab oder bringen ihn wieder ins Spiel, %(f)s auf
einem Würfel bewegt alle Würfel seiner Augenzahl, %(j)s setzt einen Joker auf
ihn. Mit den Pfeiltasten erreichst du die Kategorien; jede wird mit den Punkten
vorgelesen, die sie jetzt brächte, oder mit den eingetragenen Punkten. Drückst du
einmal die %(space)s, werden die Punkte angezeigt, beim zweiten Mal eingetragen. %(l)s, %(d)s und %(w)s
wiederholen die letzte Zeile, lesen die Würfel vor und sagen, wer am Zug ist;
%(f6)s öffnet die Punktetabelle.</p>
<p>%(ctrlf6)s bringt die Tasten in die Punktetabelle, eine Tabelle mit den Namen
der Spieler über den Spalten und den Kategorien, Summe oben, Bonus und Summe
neben den Zeilen: Die Pfeiltasten gehen von Eintrag zu Eintrag, und der
Screenreader nennt Zeile und Spieler, wenn sie wechseln; die Summe des Führenden
wird mit „in Führung“ vorgelesen. %(escape)s schließt die Tabelle, und die Tasten
wirken wieder auf dem Spielfeld. In den Bestenlisten wird jede Liste mit ihrem
Titel vorgelesen und jede Zeile als Platz, Name, Punkte und Datum.</p>
"""),
    "files": ("Wo Korbo seine Dateien speichert", """
<p>Unter Linux speichert Korbo, was es sich merkt, in deinem persönlichen
Ordner:</p>
<table>
<tr><th>Datei</th><th>Was sie enthält</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>deine Einstellungen:
Klänge, Animation, Würfelstil und die übrigen Optionen</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>die Bestenlisten,
Glanzleistungen und Tapfere Versuche</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>der Spielverlauf
für die Statistik (eine SQLite-Datenbank)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>deine eigenen Würfel, ein Bild pro Seite (Icons enden auf <code>.ico</code>)</td></tr>
</table>
<p>Um die Bestenlisten neu zu beginnen, lösche <code>data.dat</code>, während Korbo
geschlossen ist. Den Spielverlauf beginnst du mit %(clear_all)s im Fenster „Korbo
Statistik“ neu. Kopiere den Ordner, um deine Bestenlisten und deinen Spielverlauf
auf einen anderen Computer mitzunehmen.</p>
"""),
}
