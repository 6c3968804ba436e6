"""The help page's Dutch texts, written to assets/help/korbo_nl.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_nl.md, and the player is "je".  The menus and
buttons named by %(name)s come from translations/korbo_nl.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_nl.ts as the game shows it, numbers with a
decimal comma as the game writes them in Dutch.
"""

LANGUAGE = "nl"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["één tot zes spelers", "veertien rondes", "één beurt", "precies één keer",
    "tot zes", "12 tekens", "wordt niets vastgelegd", "bewaarrij", "werpvlak",
    "rechtsklik op een dobbelsteen", "drie jokers", "narren", "telt niet", "geel", "groen", "0 punten",
    "winnaar onderstreept", "doorzichtige", "nog eens 60", "80 of meer", "Pijltoetsen",
    "Shift+Tab", "Esc", "er een joker op zetten", "scorekaart", "Hint", "Coach",
    "Computerspelers", "Topprestaties",
    "spelgeschiedenis", "Anna (computer)"]

TITLE = "Korbo - Speluitleg"
HEADLINE = "Speluitleg"
CONTENTS = "Inhoud"
FOOTER = "Korbo &ndash; zes dobbelstenen, veertien rondes, drie jokers. Veel plezier!"

# Keys as Dutch keyboards and Dutch programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Pijltoetsen",
    "Ctrl": "Ctrl",
    "End": "End",
    "Enter": "Enter",
    "Escape": "Esc",
    "Home": "Home",
    "Page Down": "Page Down",
    "Page Up": "Page Up",
    "Shift": "Shift",
    "Space": "Spatiebalk",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Categorie", "Wat ze oplevert", "Voorbeelden")
CATEGORIES = {
    "Ones": ("Enen", "1 voor elke dobbelsteen met een één.",
             {"111526": "drie enen", "234566": "geen enen"}),
    "Twos": ("Tweeën", "2 voor elke dobbelsteen met een twee.",
             {"222213": "vier tweeën"}),
    "Threes": ("Drieën", "3 voor elke dobbelsteen met een drie.",
               {"333314": "vier drieën"}),
    "Fours": ("Vieren", "4 voor elke dobbelsteen met een vier.",
              {"444412": "vier vieren"}),
    "Fives": ("Vijven", "5 voor elke dobbelsteen met een vijf.",
              {"555552": "vijf vijven"}),
    "Sixes": ("Zessen", "6 voor elke dobbelsteen met een zes.",
              {"666613": "vier zessen"}),
    "Quad": ("Vierlingen", "Minstens vier gelijke dobbelstenen: de som van de ogen van "
                           "<em>alle zes</em> dobbelstenen. Minder dan vier gelijke: 0.",
             {"555523": "vier vijven", "666666": "zes gelijke tellen ook",
              "555223": "maar drie gelijke"}),
    "Twins": ("Tweelingen", "10 voor elk paar, 40 voor drie paar. Paren delen nooit een "
                            "dobbelsteen: drie gelijke zijn één paar, vier gelijke twee paar; "
                            "zes gelijke en vier plus twee gelijke tellen allebei als drie paar.",
              {"334516": "één paar", "333512": "drie gelijke zijn één paar",
               "444425": "vier gelijke zijn twee paar", "224466": "drie paar",
               "333355": "vier plus twee"}),
    "Triples": ("Drielingen", "15 voor een drieling (drie gelijke), 40 voor twee drielingen. "
                              "Vier of vijf gelijke zijn nog steeds één drieling, zes gelijke "
                              "zijn er twee.",
                {"222451": "één drieling", "444445": "vijf gelijke zijn één drieling",
                 "333666": "twee drielingen", "111111": "zes gelijke"}),
    "Odds": ("Oneven", "De som van de oneven dobbelstenen (enen, drieën en vijven). "
                       "Alle zes oneven: 11 extra.",
             {"135246": "1 + 3 + 5", "555533": "26 + bonus 11"}),
    "Evens": ("Even", "De som van de even dobbelstenen (tweeën, vieren en zessen). "
                      "Alle zes even: 10 extra.",
              {"246135": "2 + 4 + 6", "666644": "32 + bonus 10"}),
    "Flush": ("Straat", "Een straat van vijf (1-2-3-4-5 of 2-3-4-5-6): 35. "
                        "Alle zes verschillend (1 tot en met 6): 50.",
              {"123452": "straat van vijf", "234566": "straat van vijf",
               "123456": "alle zes", "123356": "geen straat"}),
    "PotLuck": ("Kans", "De som van de ogen van alle zes dobbelstenen, wat ze ook laten zien.",
                {"665541": "6+6+5+5+4+1", "112123": "alles is goed"}),
    "Korbo": ("Korbo", "Zes gelijke dobbelstenen: 60. En staat je Korbo eenmaal op 60, dan "
                       "levert elke volgende worp met zes gelijke die je invult, in welke "
                       "categorie ook, je Korbo nog eens 60 op.",
              {"444444": "zes vieren", "444443": "vijf gelijke is niet genoeg"}),
}
BONUS_RULE = ("%(upper_bonus)d als Enen tot en met Zessen samen %(bonus_needs)d of meer "
              "halen. De bonus komt erbij zodra je zover bent, ook als nog niet alle zes "
              "zijn ingevuld.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "Naar het volgende of vorige bedieningselement van het "
     "venster; een geel-zwarte ring laat zien waar de toetsen werken"),
    ("%(arrows)s", "Op het speelbord: langs de bovenste rij categorieën, de dobbelstenen "
     "met de werpknop rechts ernaast, en de onderste rij categorieën"),
    ("%(space)s, %(enter)s", "Drukt op waar de ring staat: de werpknop gooit (of start "
     "een spel), een dobbelsteen gaat naar de bewaarrij of terug in het spel, een "
     "categorie laat haar score zien en de tweede keer wordt die ingevuld"),
    ("%(one)s tot en met %(six)s", "Die dobbelsteen bewaren of weer in het spel brengen, "
     "en de ring gaat ernaartoe; in het venster “Korbo - Eigen dobbelstenen” die zijde "
     "kiezen voor %(load)s"),
    ("%(f)s", "Op een dobbelsteen: elke dobbelsteen met hetzelfde aantal ogen aan "
     "dezelfde kant gaat mee, net als bij een rechtsklik"),
    ("%(j)s", "Op een dobbelsteen: er een joker op zetten"),
    ("%(t)s", "Gooien, waar de ring op het speelbord ook staat"),
    ("%(s)s", "Op een categorie: haar geluiden afspelen"),
    ("%(l)s", "De laatste regel nog eens voorlezen (%(say_again)s)"),
    ("%(d)s", "De dobbelstenen voorlezen: eerst de bewaarrij, dan het werpvlak "
     "(%(say_dice)s)"),
    ("%(w)s", "Zeggen wie aan de beurt is, welke ronde het is en hoeveel jokers er over "
     "zijn (%(say_turn)s)"),
    ("%(f1)s", "Deze helppagina (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Nieuw spel (%(new)s); tijdens een spel vraagt Korbo of dat moet "
     "stoppen"),
    ("%(ctrlq)s", "Afsluiten (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Het speelbord groter, kleiner of weer op de oorspronkelijke grootte tonen (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); het groeit en krimpt ook mee met zijn venster"),
    ("%(f11)s", "Volledig scherm (%(full_screen)s); %(f11)s of %(escape)s verlaat het"),
    ("%(f5)s", "Een hint: de beste volgende zet (%(hint)s)"),
    ("%(f6)s", "De scorekaart (%(scores)s)"),
    ("%(ctrlf6)s", "Van het speelbord naar de scorekaart en terug (%(go_to_scores)s); op "
     "de kaart gaan de pijltoetsen van score naar score, %(home)s en %(end)s naar het "
     "opschrift van de rij en naar de laatste speler, %(page_up)s en %(page_down)s naar "
     "de bovenste rij en naar de totalen"),
    ("%(f7)s", "De statistieken (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Openen de menu's Spel, Beeld en Help; "
     "de onderstreepte letter kiest een onderdeel"),
    ("%(alt)s + klik", "Op een categorieknop: speelt haar geluiden af"),
    ("%(enter)s", "In de andere vensters: drukt op de knop met de focus, anders op OK in "
     "“Over Korbo” en op Opslaan in het venster “Korbo - Eigen dobbelstenen”"),
    ("%(escape)s", "Sluit de recordlijsten, de scorekaart, de statistieken, “Over "
     "Korbo” en het venster “Variabelen”, net als hun sluitknop; in “Spelersnamen” en "
     "“Korbo - Eigen dobbelstenen” werkt Esc als Annuleren; het venster “Korbo - "
     "Opties” houdt zijn wijzigingen, net als bij zijn sluitknop"),
]

SECTIONS = {
    "aim": ("Het doel van het spel", """
<p>Korbo is een dobbelspel voor één tot zes spelers aan één computer. Om de
beurt gooit iedereen met dezelfde zes dobbelstenen en probeert zo veel mogelijk
punten te scoren door elke worp in een van veertien
<a href="#categories">categorieën</a> in te vullen. Wie aan het eind het hoogste
totaal heeft, wint.</p>
<ul>
<li>Een spel heeft <b>veertien rondes</b>. In elke ronde krijgt elke speler
<b>één beurt</b>, in de volgorde waarin de spelers zijn ingevoerd.</li>
<li>Elke beurt eindigt doordat je <b>één</b> van je veertien categorieën invult.
Aan het eind van het spel heeft dus elke speler elke categorie precies één keer
ingevuld.</li>
<li>Elke categorie kun je maar één keer gebruiken. Passen de dobbelstenen bij
niets wat nog open is, dan moet je ze toch ergens invullen, desnoods voor 0.
Slim kiezen waar je de zwakke worpen kwijt kunt, is het halve spel.</li>
</ul>
"""),
    "start": ("Spelers en het begin van een spel", """
<h3>De spelers invoeren</h3>
<p>Kies %(players)s en typ de namen van maximaal <b>zes</b> spelers, één per
vak, elk tot <b>12 tekens</b> lang. De spelers zijn aan de beurt in de volgorde
van de vakken; lege vakken tussen de namen worden overgeslagen. De namen blijven
staan voor de volgende spellen, tot je ze verandert.</p>

<h3>Een spel starten</h3>
<p>Klik op de knop %(start)s, of kies %(new)s (of druk op %(f2)s). Is er nog
niemand ingevoerd, dan gaat eerst het venster “Spelersnamen” open. De titel boven
het speelbord laat zien wie aan de beurt is (bijvoorbeeld <i>1e beurt van
Anna</i>, en in de veertiende ronde <i>Laatste beurt van Anna</i>).</p>

<h3>Een lopend spel stoppen</h3>
<p>Kies je tijdens een spel %(new)s, dan vraagt Korbo: %(stop)s Met <b>Ja</b>
stopt het spel meteen: de scorekaart wordt leeggemaakt en er <b>wordt niets
vastgelegd</b> &ndash; een onvoltooid spel komt nooit in de recordlijsten. Met
<b>Nee</b> speel je verder.</p>
"""),
    "turn": ("Jouw beurt", """
<h3>Gooien</h3>
<p>In elke beurt heb je maximaal <b>vier worpen</b>. De grote knop noemt de worp
die nu komt: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Na de vierde staat er %(fin)s: er
valt niets meer te gooien en je moet een categorie kiezen. Je hoeft niet alle
vier worpen te gebruiken &ndash; je kunt na elke worp invullen.</p>

<h3>Dobbelstenen bewaren</h3>
<p>Tussen de worpen sorteer je de dobbelstenen:</p>
<ul>
<li><b>Klik op een dobbelsteen</b> in het werpvlak om hem <b>naar beneden in de
bewaarrij</b> te zetten. Bewaarde dobbelstenen blijven liggen: de volgende worp
laat ze met rust.</li>
<li><b>Klik op een bewaarde dobbelsteen</b> om hem <b>terug naar boven in het
werpvlak</b> te zetten; dan wordt hij weer gegooid.</li>
<li>Met een <b>rechtsklik op een dobbelsteen</b> verplaats je <b>alle
dobbelstenen met hetzelfde aantal ogen</b> aan dezelfde kant in één keer
&ndash; zo bewaar je snel al je vijven, of gooi je al je enen nog eens.</li>
</ul>
<p>Alleen de dobbelstenen in het werpvlak worden gegooid. Liggen alle
dobbelstenen in de bewaarrij, dan doet de werpknop niets en gaat er geen worp
verloren.</p>

<h3>Jokers</h3>
<p>Elke speler heeft voor het hele spel <b>drie jokers</b>, die als kleine
narren op het speelbord liggen. <b>Sleep een joker naar een willekeurige
dobbelsteen</b> om precies die ene dobbelsteen opnieuw te gooien. Dat kan op elk
moment in je beurt zodra je voor het eerst hebt gegooid &ndash; ook na de vierde
worp, als er op de knop al %(fin)s staat. Een joker <b>telt niet</b> als een van
je vier worpen. Een gebruikte joker is voor de rest van het spel weg, dus bewaar
ze voor de momenten waarop het erop aankomt: als je nog één dobbelsteen mist
voor een Korbo, een Straat of de vierde van een Vierling.</p>
"""),
    "choose": ("Een categorie kiezen", """
<p>Elk van de veertien categorieën heeft een eigen knop op het speelbord.</p>
<ol>
<li><b>Wijs</b> een knop aan met de muis: de statusregel zegt wat de categorie
oplevert.</li>
<li><b>Klik</b> er één keer op: de score die deze dobbelstenen daar zouden
opleveren verschijnt in het <span class="yellow">geel</span>. Er is nog niets
ingevuld.</li>
<li><b>Klik nog een keer op dezelfde knop</b> om die score in te vullen. Die wordt
<span class="green">groen</span>, je beurt is voorbij en de volgende speler is
aan de beurt.</li>
</ol>
<p>Je kunt eerst naar een paar categorieën kijken &ndash; één klik op elke laat
zien wat ze waard zou zijn &ndash; en daarna de categorie die je wilt met een
tweede klik invullen. Je mag ook <b>0 punten</b> invullen als er niets beters
over is; net als elke invulling is dat definitief. Een categorie die je al hebt
ingevuld, laat haar score zien en kan niet nog eens gekozen worden. Een nieuwe
worp wist de gele getallen, dus je kunt kijken, nog eens gooien en weer
kijken.</p>
"""),
    "categories": ("De veertien categorieën", """
<p>De eerste zes zijn de <b>bovenste categorieën</b>, de laatste acht de
onderste. De dobbelstenen tellen altijd als een set van zes, dus het maakt niet
uit welke bewaard zijn en welke het laatst zijn gegooid. Op de scorekaart staan
Vierlingen en Drielingen in het enkelvoud, als Vierling en Drieling.</p>
%(table)s
<h3>Korbo betaalt vaker uit</h3>
<p>Zodra er in je Korbo een 60 staat, levert <b>elke volgende worp met zes
gelijke dobbelstenen</b> je <b>nog eens 60</b> op in Korbo &ndash; in welke
categorie je die worp ook invult. Stel, je hebt zes vieren als Korbo ingevuld.
Later gooi je zes tweeën en vult die in bij Tweeën: daar komt 12 te staan, en je
Korbo groeit van 60 naar 120. Moest je Korbo met 0 invullen, dan gebeurt dat
nooit, hoe vaak je daarna ook zes gelijke gooit.</p>
"""),
    "sheet": ("De scorekaart", """
<p>%(scores)s (of %(f6)s) laat de scorekaart zien, het venster “Korbo -
Scorekaart”: een kolom voor elke speler met elke invulling zodra die gedaan is,
het <b>Subtotaal</b> van de zes bovenste categorieën, de <b>Bonus</b> (40, of 0
zodra alle zes zijn ingevuld zonder 80 te halen) en onderaan het
<b>Totaal</b>.</p>
<ul>
<li>Zolang de optie <b>Koploper tonen</b> aan staat, zijn de naam en het totaal
van de speler die aan kop gaat <u>onderstreept</u>.</li>
<li>Na de laatste beurt verschijnt de kaart vanzelf, met de <u>winnaar
onderstreept</u>, wat de optie ook zegt.</li>
<li>%(print)s drukt de kaart af zoals ze er nu bij staat, ook midden in een
spel.</li>
</ul>
"""),
    "records": ("Recordlijsten", """
<p>%(records)s opent de twee recordlijsten van alle tijden die deze computer
bijhoudt:</p>
<dl>
<dt>Topprestaties</dt><dd>de 99 hoogste totalen die ooit zijn gespeeld;</dd>
<dt>Dappere pogingen</dt><dd>de 99 laagste totalen &ndash; ook dat is een
record.</dd>
</dl>
<p>Elke regel laat de plaats, het totaal, de naam van de speler en de datum
zien. Aan het eind van elk <b>volledig</b> spel wordt het totaal van elke speler
aan beide lijsten aangeboden en komt het overal waar het een plaats verdient. Een
spel dat voortijdig is gestopt, wordt nooit vastgelegd.</p>
<ul>
<li>Typ naast %(find)s een naam en klik op de knop (of druk op %(enter)s) om elke
regel van die speler in beide lijsten te markeren; hoofdletters maken niet uit.
Een klik op een regel zet de naam ervan in het vak.</li>
<li>%(today)s markeert elke regel die vandaag is gespeeld.</li>
<li>%(unselect)s haalt de markeringen weg.</li>
</ul>
<p>Zolang de optie <b>Records tonen</b> aan staat, gaan de recordlijsten na een
spel met nieuwe records vanzelf open.</p>
"""),
    "statistics": ("Statistieken", """
<p>Elk <b>volledig</b> spel wordt bewaard in de spelgeschiedenis op deze computer;
een spel dat voortijdig is gestopt niet, net als bij de recordlijsten.
%(statistics)s (of %(f7)s) opent het venster “Korbo - Statistieken”, dat één speler
tegelijk laat zien: kies die in de lijst %(player_list)s bovenaan. Een speler is een
naam, hoofdletters maken niet uit; een computerspeler met dezelfde naam wordt apart
bijgehouden, als <i>Anna (computer)</i>.</p>
<p>De regel met cijfers onder de lijst noemt de gespeelde en de gewonnen spellen
(winnen is in een spel met twee of meer spelers als enige het hoogste totaal
hebben), de gedeelde eerste plaatsen, het gemiddelde, hoogste en laagste totaal, de
standaardafwijking, hoe vaak de bonus boven is gehaald, en de Korbo's en extra
Korbo's; naast het gemiddelde en de bonus staat wat het beste spel haalt. De
cijfers van het beste spel komen uit 200.000 spellen die Korbo zelf met zijn beste
strategie heeft gespeeld.</p>
<p>Daaronder tonen vier tabbladen elk een grafiek met ernaast de cijfers in
woorden, die je met %(tab)s bereikt en die een schermlezer voorleest:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>het totaal van elk spel in de loop van de tijd, met het
gemiddelde van de laatste tien spellen;</dd>
<dt>%(tab_ranges)s</dt><dd>hoe vaak je totalen in elk bereik van 50 punten vallen,
naast die van het beste spel;</dd>
<dt>%(tab_categories)s</dt><dd>het gemiddelde van elke categorie naast dat van het
beste spel, met de categorie die je het meest kost voorop;</dd>
<dt>%(tab_coach)s</dt><dd>verschijnt zodra er spellen met de coach aan zijn
gespeeld: de punten die de keuzes in elk daarvan hebben gekost.</dd>
</dl>
<p>%(export)s slaat de hele spelgeschiedenis op als CSV-bestand dat spreadsheets
kunnen openen, met één regel per speler per spel. %(clear_player)s vergeet de
spellen van de gekozen speler en %(clear_all)s alle spellen, allebei pas nadat je
het hebt bevestigd; dat kan niet ongedaan worden gemaakt. De recordlijsten blijven
zoals ze zijn.</p>
"""),
    "options": ("Opties", """
<p>Met %(options)s stel je het spel in zoals jij het wilt.</p>
<dl>
<dt>Geluid: Uit / Aan / Maf</dt>
<dd>Helemaal geen geluid, de gewone geluiden, of gekkere geluiden voor dezelfde
momenten.</dd>
<dt>Stil gooien</dt>
<dd>De andere geluiden blijven, alleen het geratel van de dobbelstenen
verstomt.</dd>
<dt>Animatie</dt>
<dd>De dobbelstenen rollen over het speelbord en glijden tussen de rijen. Zet
haar uit voor een sneller spel: dan springen de dobbelstenen gewoon op hun
plaats.</dd>
<dt>Tekstknoppen</dt>
<dd>De categorieknoppen dragen de namen van de categorieën in plaats van
plaatjes.</dd>
<dt>Dradenkruis</dt>
<dd>Boven het speelbord is de muisaanwijzer een dradenkruis in plaats van een
pijl.</dd>
<dt>1e worp vanzelf</dt>
<dd>De eerste worp van elke beurt gaat vanzelf.</dd>
<dt>Koploper tonen</dt>
<dd>Onderstreept tijdens het spel de koploper op de scorekaart.</dd>
<dt>Records tonen</dt>
<dd>Laat de recordlijsten zien na een spel dat nieuwe records heeft
opgeleverd.</dd>
<dt>Dobbelsteenstijl</dt>
<dd>Zeven soorten dobbelstenen: <b>Standaard</b>, <b>Klassiek</b>,
<b>Lieveheersbeestjes</b>, <b>Regenboog</b>, <b>Knopen</b>, <b>Foto</b> en
<b>Eigen</b>. Elke speler houdt de stijl waarmee hij speelt: kies je tijdens je
eigen beurt een stijl, dan verschijnen je dobbelstenen in elke beurt van jou in
die stijl, terwijl de anderen de hunne houden &ndash; zo zie je in één oogopslag
wie aan de beurt is. Een stijl die je kiest terwijl er geen spel loopt, is die
waarmee iedereen begint, tot ze hun eigen stijl kiezen.</dd>
</dl>
<h3>Je eigen dobbelstenen</h3>
<p>Kies <b>Eigen</b> en klik op %(import)s; dan gaat het venster “Korbo - Eigen
dobbelstenen” open. Klik daar op een zijde (of op het getal erboven), klik op
%(load)s en kies een afbeelding voor die zijde, een GIF of een pictogram
(<code>.ico</code>); doe hetzelfde voor de andere zijden en klik dan op
%(save)s. De afbeeldingen mogen hoogstens <b>48 x 48 pixels</b> groot zijn en
zien er op precies dat formaat met een <b>doorzichtige achtergrond</b> het
mooist uit. Korbo bewaart een eigen kopie van elke afbeelding, dus je kunt de
originelen daarna verplaatsen of verwijderen.</p>
"""),
    "computer": ("Computerspelers, hints en de coach", """
<h3>Computerspelers</h3>
<p>Vink in %(players)s het vakje <b>PC</b> naast een naam aan, dan speelt de
computer op die plaats (met het toetsenbord: de PC-vakjes komen na %(cancel)s;
met %(tab)s ga je naar een vakje en met de %(space)s vink je het aan). Hij
speelt zo goed als het maar kan: voor elke worp rekent hij uit welke keuze
gemiddeld het hoogste eindtotaal oplevert, en houdt daarbij rekening met elke
categorie die nog open is, de bonus, de jokers die over zijn en de worpen die nog
komen. Hij speelt in een tempo dat je kunt volgen en zegt op de statusregel wat
hij doet (<i>Blauw bewaart 5 5 5</i>, <i>Blauw zet een joker op de 2</i>).
Zolang hij speelt, reageert het speelbord niet op je klikken, maar met %(new)s
kun je het spel toch stoppen.</p>

<h3>Hint</h3>
<p>Kies in je beurt, zodra de dobbelstenen op het speelbord liggen, %(hint)s (of
druk op %(f5)s). De statusregel noemt de beste volgende zet en het eindtotaal
dat je vanaf hier bij het beste spel kunt verwachten (<i>6 6 bewaren en gooien:
404,4 verwacht</i>), en een gele ring markeert de dobbelstenen die je moet
bewaren, de dobbelsteen voor een joker of de categorie om in te vullen, tot je
je volgende zet doet. Een hint verplaatst nooit een dobbelsteen en vult nooit
een score in.</p>

<h3>Coach</h3>
<p>Vink %(coach)s aan, en na elke beslissing van je &ndash; de dobbelstenen die
je voor een worp bewaart, een joker, een invulling &ndash; die niet de beste
was, zegt de statusregel wat die je gemiddeld heeft gekost en wat het beste was
geweest (<i>Tweelingen kostte Anna gemiddeld 3,4 punten; Straat was het
beste.</i>). Aan het eind van een spel voegt de scorekaart voor elke speler een
samenvatting toe: de punten die hij ten opzichte van het beste spel heeft
verloren, en hoeveel procent van het bij het beste spel te verwachten totaal hij
heeft gehaald. Korbo onthoudt de coach ook na het spel; voor de recordlijsten
maakt het niet uit of hij aan of uit staat.</p>
"""),
    "hints": ("Tips en trucs", """
<div class="tip"><b>Werk vroeg aan de bonus.</b> Drie keer elk aantal ogen in de
bovenste categorieën levert maar %(three)d op, vier keer elk %(four)d. Voor de
40 punten bij 80 of meer heb je dus meestal vier gelijke nodig &ndash; of flinke
Vijven en Zessen die magere Enen en Tweeën goedmaken. Vul de bovenste
categorieën in zolang er nog genoeg rondes over zijn voor een nieuwe
poging.</div>
<div class="tip"><b>Bewaar Kans voor een zwakke worp.</b> Kans neemt alles aan en
is dus je vangnet in een beurt waarin niets anders past. Gebruik je haar vroeg,
dan moet je later misschien een 0 invullen.</div>
<div class="tip"><b>Korbo betaalt vaker uit.</b> Een Korbo die met 60 is
ingevuld, maakt elke latere worp met zes gelijke 60 punten meer waard. Heb je er
een, dan is het vaak de moeite waard om een hele beurt op de volgende te
jagen.</div>
<div class="tip"><b>Waar laat je de 0?</b> Moet je een nul invullen, doe dat dan
waar je toch al weinig hoop had: Enen kosten je hoogstens een paar punten, Korbo
of Straat is laat in het spel vaak nauwelijks nog te halen.</div>
<div class="tip"><b>Ken de overlappingen.</b> Vier gelijke plus een paar levert
bij Tweelingen 40 op en is al een Vierling; vijf of zes gelijke passen in
Vierling, in de bovenste categorie van hun aantal ogen, in Drieling en (bij zes)
in Korbo. Klik de knoppen langs om te vergelijken &ndash; de eerste klik kost
niets.</div>
<div class="tip"><b>Spaar je jokers.</b> Een joker na de vierde worp kan een
beurt nog redden: als er één dobbelsteen aan een straat ontbreekt, of de zesde
voor een Korbo.</div>
<div class="tip"><b>Luister naar de categorieën.</b> Houd %(alt)s ingedrukt en
klik op een categorieknop om haar geluiden te horen zonder iets in te
vullen.</div>
"""),
    "keys": ("Toetsenbord", """
<p>Alles in Korbo kan ook met het toetsenbord.</p>
<table class="keys">
%(rows)s
</table>

<h3>Met een schermlezer</h3>
<p>Korbo laat een schermlezer zoals Orca voorlezen zonder de focus te
verplaatsen: elke nieuwe regel van de statusregel (aansporingen, de zetten van
de computerspelers, hints, de kosten die de coach noemt, “Spel afgelopen”), en na
elke worp of joker de dobbelstenen, eerst de bewaarrij, dan het werpvlak,
gevolgd door de aansporing. De regels wachten op elkaar, zodat er geen wordt
afgebroken.</p>
<p>Een beurt met het toetsenbord: %(t)s gooit. Elke dobbelsteen wordt voorgelezen
met zijn nummer, aantal ogen en plaats, bijvoorbeeld “Dobbelsteen 3, vijf,
bewaard”; %(one)s tot en met %(six)s bewaren een dobbelsteen of brengen hem weer
in het spel, %(f)s op een dobbelsteen verplaatst alle dobbelstenen met zijn
aantal ogen, %(j)s zet er een joker op. Met de pijltoetsen bereik je de
categorieën; elke categorie wordt voorgelezen met de score die ze nu zou
opleveren, of met de ingevulde score. Druk je één keer op de %(space)s, dan
verschijnt de score, de tweede keer wordt die ingevuld. %(l)s, %(d)s en %(w)s
herhalen de laatste regel, lezen de dobbelstenen voor en zeggen wie aan de beurt
is; %(f6)s opent de scorekaart.</p>
<p>%(ctrlf6)s brengt de toetsen naar de scorekaart, een tabel met de namen van
de spelers boven de kolommen en de categorieën, Subtotaal, Bonus en Totaal naast
de rijen: de pijltoetsen gaan van score naar score, en de schermlezer noemt de
rij en de speler als die veranderen; het totaal van de koploper wordt
voorgelezen met “aan kop”. %(escape)s sluit de kaart, en de toetsen werken weer
op het speelbord. In de recordlijsten wordt elke lijst voorgelezen met haar
titel en elke regel als plaats, naam, score en datum.</p>
"""),
    "files": ("Waar Korbo zijn bestanden bewaart", """
<p>Onder Linux bewaart Korbo wat het onthoudt in je persoonlijke map:</p>
<table>
<tr><th>Bestand</th><th>Wat erin staat</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>je instellingen: geluid,
animatie, dobbelsteenstijl en de andere opties</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>de recordlijsten,
Topprestaties en Dappere pogingen</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>de
spelgeschiedenis, voor de statistieken (een SQLite-database)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>je eigen dobbelstenen, één afbeelding per zijde (pictogrammen eindigen op
<code>.ico</code>)</td></tr>
</table>
<p>Wil je de recordlijsten opnieuw beginnen, verwijder dan <code>data.dat</code>
terwijl Korbo gesloten is. Met %(clear_all)s in het venster “Korbo - Statistieken”
begin je de spelgeschiedenis opnieuw. Kopieer de map om je recordlijsten en je
spelgeschiedenis mee te nemen naar een andere computer.</p>
"""),
}
