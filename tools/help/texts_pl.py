"""The help page's Polish texts, written to assets/help/korbo_pl.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_pl.md, and the player is "ty".  The menus
and buttons named by %(name)s come from translations/korbo_pl.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_pl.ts as the game shows it, numbers with a
decimal comma as the game writes them in Polish.
"""

LANGUAGE = "pl"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["jednego do sześciu graczy", "czternaście rund", "jedną turę", "dokładnie raz",
    "do sześciu", "12 znaków", "nic nie zostaje zapisane", "rzędu zatrzymanych kostek",
    "pole rzutu", "prawym przyciskiem", "trzy jokery", "błazna", "nie liczy się", "żółto",
    "zielono", "0 punktów", "zwycięzca jest podkreślony", "przezroczystym", "kolejne 60",
    "80 lub więcej", "Strzałki", "Shift+Tab", "Esc", "używa na niej jokera", "tabela wyników",
    "Podpowiedź", "Trener", "Gracze komputerowi", "Wysokie loty",
    "historii gier", "Anna (komputer)"]

TITLE = "Korbo - Jak grać"
HEADLINE = "Jak grać"
CONTENTS = "Spis treści"
FOOTER = "Korbo &ndash; sześć kostek, czternaście rund, trzy jokery. Miłej zabawy!"

# Keys as Polish keyboards and Polish programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Strzałki",
    "Ctrl": "Ctrl",
    "End": "End",
    "Enter": "Enter",
    "Escape": "Esc",
    "Home": "Home",
    "Page Down": "Page Down",
    "Page Up": "Page Up",
    "Shift": "Shift",
    "Space": "Spacja",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Kategoria", "Jak się liczy", "Przykłady")
CATEGORIES = {
    "Ones": ("Jedynki", "1 za każdą kostkę z jedynką.",
             {"111526": "trzy jedynki", "234566": "ani jednej jedynki"}),
    "Twos": ("Dwójki", "2 za każdą kostkę z dwójką.",
             {"222213": "cztery dwójki"}),
    "Threes": ("Trójki", "3 za każdą kostkę z trójką.",
               {"333314": "cztery trójki"}),
    "Fours": ("Czwórki", "4 za każdą kostkę z czwórką.",
              {"444412": "cztery czwórki"}),
    "Fives": ("Piątki", "5 za każdą kostkę z piątką.",
              {"555552": "pięć piątek"}),
    "Sixes": ("Szóstki", "6 za każdą kostkę z szóstką.",
              {"666613": "cztery szóstki"}),
    "Quad": ("Kareta", "Co najmniej cztery jednakowe kostki: suma oczek <em>wszystkich "
                       "sześciu</em> kostek. Mniej niż cztery jednakowe: 0.",
             {"555523": "cztery piątki", "666666": "sześć jednakowych też się liczy",
              "555223": "tylko trzy jednakowe"}),
    "Twins": ("Pary", "10 za każdą parę, 40 za trzy pary. Pary nigdy nie dzielą się "
                      "kostką: trzy jednakowe to jedna para, cztery jednakowe to dwie pary; "
                      "sześć jednakowych oraz cztery plus dwie jednakowe liczą się jako trzy "
                      "pary.",
              {"334516": "jedna para", "333512": "trzy jednakowe to jedna para",
               "444425": "cztery jednakowe to dwie pary", "224466": "trzy pary",
               "333355": "cztery plus dwie"}),
    "Triples": ("Trojaczki", "15 za trzy jednakowe kostki, 40 za dwa takie zestawy. Cztery "
                             "lub pięć jednakowych to wciąż jeden zestaw; sześć jednakowych "
                             "to dwa.",
                {"222451": "jeden zestaw", "444445": "pięć jednakowych to jeden zestaw",
                 "333666": "dwa zestawy", "111111": "sześć jednakowych"}),
    "Odds": ("Nieparzyste", "Suma nieparzystych kostek (jedynek, trójek i piątek). "
                            "Wszystkie sześć nieparzyste: 11 więcej.",
             {"135246": "1 + 3 + 5", "555533": "26 + premia 11"}),
    "Evens": ("Parzyste", "Suma parzystych kostek (dwójek, czwórek i szóstek). "
                          "Wszystkie sześć parzyste: 10 więcej.",
              {"246135": "2 + 4 + 6", "666644": "32 + premia 10"}),
    "Flush": ("Strit", "Strit z pięciu kostek (1-2-3-4-5 lub 2-3-4-5-6): 35. "
                       "Wszystkie sześć różne (od 1 do 6): 50.",
              {"123452": "strit z pięciu", "234566": "strit z pięciu",
               "123456": "wszystkie sześć", "123356": "brak strita"}),
    "PotLuck": ("Szansa", "Suma oczek wszystkich sześciu kostek, bez względu na to, co "
                          "pokazują.",
                {"665541": "6+6+5+5+4+1", "112123": "przyjmie wszystko"}),
    "Korbo": ("Korbo", "Sześć jednakowych kostek: 60. A gdy masz już Korbo wpisane za 60, "
                       "każde kolejne sześć jednakowych, które wpiszesz, w dowolnej "
                       "kategorii, dodaje do twojego Korbo kolejne 60.",
              {"444444": "sześć czwórek", "444443": "pięć to za mało"}),
}
BONUS_RULE = ("%(upper_bonus)d, gdy kategorie od Jedynek do Szóstek dadzą razem "
              "%(bonus_needs)d lub więcej. Premia dolicza się, gdy tylko tyle uzbierasz, "
              "nawet zanim wypełnisz wszystkie sześć.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "Następny lub poprzedni element okna; żółto-czarny "
     "pierścień pokazuje, gdzie działają klawisze"),
    ("%(arrows)s", "Na planszy: ruch po górnym rzędzie kategorii, po kostkach z "
     "przyciskiem rzutu po ich prawej stronie i po dolnym rzędzie kategorii"),
    ("%(space)s, %(enter)s", "Naciska to, na czym stoi pierścień: przycisk rzutu rzuca "
     "(albo zaczyna grę), kostka przechodzi do rzędu zatrzymanych kostek lub wraca do "
     "gry, kategoria pokazuje swój wynik, a drugie naciśnięcie go wpisuje"),
    ("Od %(one)s do %(six)s", "Zatrzymuje tę kostkę albo ją zwalnia i przenosi na nią "
     "pierścień; w oknie „Korbo – własne kostki” wybiera tę ściankę dla przycisku "
     "%(load)s"),
    ("%(f)s", "Na kostce: wszystkie kostki z tą samą liczbą oczek po tej samej stronie "
     "przechodzą razem z nią, tak jak po kliknięciu prawym przyciskiem"),
    ("%(j)s", "Na kostce: używa na niej jokera"),
    ("%(t)s", "Rzuca, gdziekolwiek na planszy stoi pierścień"),
    ("%(s)s", "Na kategorii: odtwarza jej dźwięki"),
    ("%(l)s", "Powtarza ostatni komunikat (%(say_again)s)"),
    ("%(d)s", "Odczytuje kostki: najpierw rząd zatrzymanych, potem pole rzutu "
     "(%(say_dice)s)"),
    ("%(w)s", "Mówi, czyja jest tura, która trwa runda i ile zostało jokerów "
     "(%(say_turn)s)"),
    ("%(f1)s", "Ta strona pomocy (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Nowa gra (%(new)s); w trakcie gry Korbo pyta, czy ją przerwać"),
    ("%(ctrlq)s", "Zakończ grę (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Powiększ planszę, pomniejsz ją lub przywróć jej pierwotny rozmiar (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); plansza rośnie i maleje także razem z oknem"),
    ("%(f11)s", "Pełny ekran (%(full_screen)s); %(f11)s lub %(escape)s go opuszcza"),
    ("%(f5)s", "Podpowiedź: najlepszy następny ruch (%(hint)s)"),
    ("%(f6)s", "Tabela wyników (%(scores)s)"),
    ("%(ctrlf6)s", "Z planszy do tabeli wyników i z powrotem (%(go_to_scores)s); w "
     "tabeli strzałki przechodzą od wyniku do wyniku, %(home)s i %(end)s do nazwy wiersza "
     "i do jego ostatniego gracza, %(page_up)s i %(page_down)s do górnego wiersza i do "
     "sum"),
    ("%(f7)s", "Statystyki (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Otwierają menu Gra, Widok i Pomoc; "
     "podkreślona litera wybiera pozycję"),
    ("%(alt)s + kliknięcie", "Na przycisku kategorii: odtwarza jej dźwięki"),
    ("%(enter)s", "W pozostałych oknach: naciska przycisk, który ma fokus, a poza tym OK "
     "w oknie „O grze Korbo” i Zapisz w oknie „Korbo – własne kostki”"),
    ("%(escape)s", "Zamyka rekordy, tabelę wyników, statystyki, okno „O grze Korbo” i "
     "okno „Zmienne”, tak jak ich przycisk zamykania; w oknach „Imiona graczy” i "
     "„Korbo – własne kostki” działa jak Anuluj; okno „Korbo – opcje” zachowuje "
     "zmiany, tak jak jego przycisk zamykania"),
]

SECTIONS = {
    "aim": ("Cel gry", """
<p>Korbo to gra w kości dla jednego do sześciu graczy przy jednym komputerze.
Wszyscy po kolei rzucają tymi samymi sześcioma kostkami i starają się zdobyć jak
najwięcej punktów, wpisując każdy rzut do jednej z czternastu
<a href="#categories">kategorii</a>. Wygrywa ten, kto na końcu ma najwyższą
sumę.</p>
<ul>
<li>Gra ma <b>czternaście rund</b>. W każdej rundzie każdy gracz rozgrywa
<b>jedną turę</b>, w kolejności, w jakiej gracze zostali wpisani.</li>
<li>Każda tura kończy się wypełnieniem <b>jednej</b> z twoich czternastu
kategorii, więc na koniec gry każdy gracz wypełnił każdą kategorię dokładnie
raz.</li>
<li>Każdej kategorii można użyć tylko raz. Gdy kostki nie pasują do niczego, co
jest jeszcze wolne, i tak musisz je gdzieś wpisać, choćby za 0. Umiejętny wybór
miejsca na słabe wyniki to połowa gry.</li>
</ul>
"""),
    "start": ("Gracze i początek gry", """
<h3>Wpisywanie graczy</h3>
<p>Wybierz %(players)s i wpisz imiona graczy, <b>do sześciu</b> osób, po
jednym w polu, każde <b>do 12 znaków</b>. Gracze rozgrywają tury w kolejności
pól; puste pola między imionami są pomijane. Imiona zostają na kolejne gry,
dopóki ich nie zmienisz.</p>

<h3>Początek gry</h3>
<p>Kliknij przycisk %(start)s albo wybierz %(new)s (lub naciśnij %(f2)s). Jeśli
nikt nie został jeszcze wpisany, najpierw otworzy się okno „Imiona graczy”.
Tytuł nad planszą mówi, czyja jest tura (na przykład <i>1. tura: Anna</i>, a w
czternastej rundzie <i>Ostatnia tura: Anna</i>).</p>

<h3>Przerywanie trwającej gry</h3>
<p>Gdy w trakcie gry wybierzesz %(new)s, Korbo zapyta: %(stop)s Odpowiedz
<b>Tak</b>, a gra od razu się skończy: tabela wyników zostanie wyczyszczona i
<b>nic nie zostaje zapisane</b> &ndash; niedokończona gra nigdy nie trafia do
rekordów. Odpowiedz <b>Nie</b>, aby grać dalej.</p>
"""),
    "turn": ("Twoja tura", """
<h3>Rzucanie</h3>
<p>W każdej turze masz do <b>czterech rzutów</b>. Duży przycisk podaje następny
rzut: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Po czwartym widnieje na nim %(fin)s: nie
ma już czym rzucać i musisz wybrać kategorię. Nie musisz wykorzystywać
wszystkich czterech rzutów &ndash; wynik możesz wpisać po każdym z nich.</p>

<h3>Zatrzymywanie kostek</h3>
<p>Między rzutami układasz kostki:</p>
<ul>
<li><b>Kliknij kostkę</b> na polu rzutu, aby przenieść ją <b>w dół, do rzędu
zatrzymanych kostek</b>. Zatrzymane kostki zostają na miejscu: następny rzut ich
nie rusza.</li>
<li><b>Kliknij zatrzymaną kostkę</b>, aby przenieść ją z powrotem <b>w górę, na
pole rzutu</b>; wtedy znów zostanie rzucona.</li>
<li><b>Kliknij kostkę prawym przyciskiem</b> myszy, aby przenieść naraz
<b>wszystkie kostki z tą samą liczbą oczek</b> po tej samej stronie &ndash; to
szybki sposób, by zatrzymać wszystkie piątki albo jeszcze raz rzucić wszystkimi
jedynkami.</li>
</ul>
<p>Rzucane są tylko kostki na polu rzutu. Gdy wszystkie kostki są zatrzymane,
przycisk rzutu nic nie robi i żaden rzut nie przepada.</p>

<h3>Jokery</h3>
<p>Każdy gracz ma na całą grę <b>trzy jokery</b>, leżące na planszy jako małe
figurki błazna. <b>Przeciągnij jokera na dowolną kostkę</b>, aby przerzucić tylko
tę jedną kostkę. Możesz to zrobić w każdej chwili swojej tury, gdy tylko
wykonasz pierwszy rzut &ndash; także po czwartym rzucie, gdy na przycisku widnieje
już %(fin)s. Joker <b>nie liczy się</b> jako jeden z twoich czterech rzutów.
Zużyty joker przepada do końca gry, więc zachowaj jokery na chwile, w których
naprawdę się liczą: gdy brakuje jednej kostki do Korbo, do strita albo czwartej
do karety.</p>
"""),
    "choose": ("Wybór kategorii", """
<p>Każda z czternastu kategorii ma na planszy własny przycisk.</p>
<ol>
<li><b>Wskaż</b> przycisk myszą: pasek stanu powie, jak liczy się ta
kategoria.</li>
<li><b>Kliknij</b> go raz: wynik, jaki dałyby tam te kostki, pojawi się na
<span class="yellow">żółto</span>. Nic nie zostało jeszcze wpisane.</li>
<li><b>Kliknij ten sam przycisk jeszcze raz</b>, aby wpisać ten wynik. Wynik zabarwi się
na <span class="green">zielono</span>, twoja tura się skończy, a kolej przejdzie
na następnego gracza.</li>
</ol>
<p>Możesz najpierw obejrzeć kilka kategorii &ndash; pojedyncze kliknięcie każdej
pokazuje, ile byłaby warta &ndash; a potem wpisać wybraną drugim kliknięciem.
Możesz też wpisać <b>0 punktów</b>, gdy nic lepszego nie zostało; jak każdy
wpis, jest to ostateczne. Kategoria już wypełniona pokazuje swój wynik i nie da
się jej wybrać ponownie. Nowy rzut czyści żółte liczby, więc możesz
popatrzeć, rzucić jeszcze raz i znów popatrzeć.</p>
"""),
    "categories": ("Czternaście kategorii", """
<p>Pierwsze sześć to <b>kategorie górne</b>, ostatnie osiem to kategorie dolne.
Kostki zawsze liczą się jako komplet sześciu, więc nie ma znaczenia, które są
zatrzymane, a które zostały rzucone na końcu.</p>
%(table)s
<h3>Korbo płaci wielokrotnie</h3>
<p>Gdy w twoim Korbo stoi już 60, <b>każde kolejne sześć jednakowych</b> daje ci
w Korbo <b>kolejne 60</b> &ndash; bez względu na to, do której kategorii je
wpiszesz. Powiedzmy, że do Korbo trafiło sześć czwórek. Później wyrzucasz sześć
dwójek i wpisujesz je do Dwójek: Dwójki dostają 12, a twoje Korbo rośnie z 60 do
120. Jeśli Korbo trzeba było wpisać za 0, to nigdy się nie zdarzy, bez względu na to,
ile razy potem wyrzucisz sześć jednakowych.</p>
"""),
    "sheet": ("Tabela wyników", """
<p>%(scores)s (lub %(f6)s) pokazuje tabelę wyników, okno „Korbo – wyniki”:
kolumnę dla każdego gracza z każdym wpisem, gdy tylko zostanie dokonany, a w
niej wiersze <b>Suma górna</b> (sześciu górnych kategorii), <b>Premia</b> (40 albo
0, gdy wszystkie sześć jest wypełnione, a 80 nie zostało osiągnięte) i na samym
dole <b>Suma</b>.</p>
<ul>
<li>Gdy opcja <b>Pokaż lidera</b> jest włączona, imię i suma prowadzącego
gracza są <u>podkreślone</u>.</li>
<li>Po ostatniej turze tabela pojawia się sama, a <u>zwycięzca jest
podkreślony</u> bez względu na ustawienie tej opcji.</li>
<li>%(print)s drukuje tabelę w jej bieżącym stanie, także w trakcie gry.</li>
</ul>
"""),
    "records": ("Rekordy", """
<p>%(records)s otwiera dwie listy rekordów wszech czasów, prowadzone na tym
komputerze:</p>
<dl>
<dt>Wysokie loty</dt><dd>99 najlepszych sum, jakie kiedykolwiek padły;</dd>
<dt>Dzielne próby</dt><dd>99 najniższych sum &ndash; to też swego rodzaju
rekord.</dd>
</dl>
<p>Każdy wiersz pokazuje pozycję, wynik, imię gracza i datę. Na koniec każdej
<b>pełnej</b> gry suma każdego gracza jest zgłaszana do obu list i trafia
wszędzie tam, gdzie zasłużyła na miejsce. Gra przerwana przed czasem nigdy nie zostaje zapisana.</p>
<ul>
<li>Wpisz imię obok przycisku %(find)s i kliknij go (lub naciśnij %(enter)s), aby
zaznaczyć każdy wiersz tego gracza na obu listach; wielkość liter nie ma
znaczenia. Kliknięcie wiersza kopiuje jego imię do pola.</li>
<li>%(today)s zaznacza każdy wiersz z dzisiejszych gier.</li>
<li>%(unselect)s usuwa zaznaczenia.</li>
</ul>
<p>Gdy opcja <b>Pokaż rekordy</b> jest włączona, okno rekordów otwiera się samo
po grze, w której padły nowe rekordy.</p>
"""),
    "statistics": ("Statystyki", """
<p>Każda <b>pełna</b> gra trafia do historii gier na tym komputerze; gra przerwana
przed czasem nie trafia, tak jak przy rekordach. %(statistics)s (lub %(f7)s) otwiera
okno „Korbo – statystyki”, które pokazuje jednego gracza naraz: wybierz go z listy
%(player_list)s u góry okna. Gracz to imię, bez względu na wielkość liter; gracz
komputerowy o tym samym imieniu jest liczony osobno, jako <i>Anna
(komputer)</i>.</p>
<p>Wiersz liczb pod listą podaje rozegrane i wygrane gry (wygrywa ten, kto sam ma
najwyższą sumę w grze dwóch lub więcej graczy), pierwsze miejsca ex aequo, średnią,
najwyższą i najniższą sumę, odchylenie standardowe, jak często udało się zdobyć
premię górną, a także Korbo i dodatkowe Korbo; obok średniej i premii stoi to, co
osiąga najlepsza gra. Liczby najlepszej gry pochodzą z 200&nbsp;000 gier
rozegranych przez samo Korbo według jego najlepszej strategii.</p>
<p>Poniżej są cztery karty; każda pokazuje wykres, a obok niego jego liczby opisane
słowami, do których przechodzisz klawiszem %(tab)s i które odczytuje czytnik
ekranu:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>sumy kolejnych gier w czasie, ze średnią z ostatnich
dziesięciu gier;</dd>
<dt>%(tab_ranges)s</dt><dd>jak często twoje sumy mieszczą się w kolejnych
przedziałach po 50 punktów, w porównaniu z najlepszą grą;</dd>
<dt>%(tab_categories)s</dt><dd>średnia każdej kategorii obok średniej najlepszej
gry, a na początku ta kategoria, na której tracisz najwięcej;</dd>
<dt>%(tab_coach)s</dt><dd>pojawia się, gdy są gry rozegrane z włączonym trenerem:
ile punktów kosztowały wybory w każdej z nich.</dd>
</dl>
<p>Przycisk %(export)s zapisuje całą historię gier w pliku CSV, który otworzy każdy
arkusz kalkulacyjny (jeden wiersz na gracza w każdej grze). %(clear_player)s
zapomina gry wybranego gracza, a %(clear_all)s wszystkie gry, każdy z nich dopiero
po potwierdzeniu; tego nie można cofnąć. Listy rekordów pozostają nietknięte.</p>
"""),
    "options": ("Opcje", """
<p>Okno %(options)s pozwala ustawić grę tak, jak lubisz.</p>
<dl>
<dt>Dźwięki: Wyłączone / Włączone / Zwariowane</dt>
<dd>Całkiem bez dźwięku, zwykłe dźwięki albo jeszcze zabawniejszy zestaw odgłosów
w tych samych chwilach.</dd>
<dt>Wycisz kostki</dt>
<dd>Pozostałe dźwięki zostają, milknie tylko grzechot kostek.</dd>
<dt>Animacja</dt>
<dd>Kostki toczą się po planszy i przesuwają między rzędami. Wyłącz ją, aby
grać szybciej: kostki po prostu przeskakują na swoje miejsce.</dd>
<dt>Przyciski tekstowe</dt>
<dd>Przyciski kategorii zamiast obrazków pokazują nazwy kategorii.</dd>
<dt>Celownik</dt>
<dd>Nad planszą wskaźnik myszy jest celownikiem zamiast strzałki.</dd>
<dt>Auto 1. rzut</dt>
<dd>Pierwszy rzut w każdej turze wykonuje się sam.</dd>
<dt>Pokaż lidera</dt>
<dd>Podkreśla prowadzącego w tabeli wyników w trakcie gry.</dd>
<dt>Pokaż rekordy</dt>
<dd>Pokazuje okno rekordów po grze, w której padły nowe rekordy.</dd>
<dt>Styl kostek</dt>
<dd>Siedem wyglądów kostek: <b>Standardowe</b>, <b>Klasyczne</b>,
<b>Biedronki</b>, <b>Tęcza</b>, <b>Guziki</b>, <b>Zdjęcia</b> i <b>Własne</b>.
Każdy gracz zachowuje styl, którym gra: wybierz styl w swojej turze, a twoje
kostki będą w nim w każdej twojej turze, podczas gdy pozostali zachowają swoje
&ndash; to wygodny sposób, by od razu widzieć, czyja jest tura. Styl wybrany, gdy
żadna gra nie trwa, to ten, od którego gracze zaczynają, dopóki nie wybiorą
własnego.</dd>
</dl>
<h3>Twoje własne kostki</h3>
<p>Wybierz <b>Własne</b> i kliknij %(import)s. W oknie „Korbo – własne kostki”,
które się otworzy, kliknij ściankę (albo liczbę nad nią), kliknij %(load)s i
wybierz obraz dla tej ścianki, plik GIF albo ikonę (<code>.ico</code>); zrób to
samo dla pozostałych ścianek, a potem kliknij %(save)s. Obrazy mogą mieć
najwyżej <b>48 x 48 pikseli</b> i najlepiej wyglądają dokładnie w tym rozmiarze,
z <b>przezroczystym tłem</b>. Korbo zachowuje własną kopię każdego obrazu, więc
oryginały możesz potem przenieść albo usunąć.</p>
"""),
    "computer": ("Gracze komputerowi, podpowiedzi i trener", """
<h3>Gracze komputerowi</h3>
<p>Wybierz %(players)s i zaznacz pole <b>PC</b> obok imienia, a na tym miejscu
zagra komputer (z klawiatury: pola PC są za przyciskiem %(cancel)s; %(tab)s przechodzi
do nich, a %(space)s zaznacza pole). Gra najlepiej, jak się da: przy każdym
rzucie oblicza, który wybór daje średnio najwyższą sumę końcową, biorąc pod uwagę
każdą wolną jeszcze kategorię, premię, pozostałe jokery i rzuty, które go jeszcze
czekają. Gra w tempie, za którym łatwo nadążyć, i podaje na pasku stanu, co
robi (<i>Niebieski zatrzymuje 5 5 5</i>, <i>Niebieski używa jokera na 2</i>).
Gdy gra, plansza nie reaguje na twoje kliknięcia, ale %(new)s nadal przerywa
grę.</p>

<h3>Podpowiedź</h3>
<p>W swojej turze, gdy kostki są już na planszy, wybierz %(hint)s (lub naciśnij
%(f5)s). Pasek stanu poda najlepszy następny ruch i sumę końcową, jakiej najlepsza
gra może się stąd spodziewać (<i>Zatrzymaj 6 6 i rzuć: oczekiwany wynik
404,4</i>), a żółty pierścień zaznaczy kostki do zatrzymania, kostkę dla jokera
albo kategorię do wpisania, dopóki nie wykonasz następnego ruchu. Podpowiedź
nigdy nie przesuwa kostek ani nie wpisuje wyników.</p>

<h3>Trener</h3>
<p>Włącz %(coach)s, a po każdej twojej decyzji (kostki zatrzymane przed rzutem,
joker, wpis do kategorii), która nie była najlepsza, pasek stanu powie, ile średnio cię kosztowała i co byłoby najlepsze (<i>Pary:
Anna traci średnio 3,4 pkt; najlepszy wybór: Trojaczki.</i>). Na koniec gry
tabela wyników dodaje podsumowanie dla każdego gracza: punkty stracone względem
najlepszej gry i to, jaką część oczekiwanego wyniku najlepszej gry udało się
osiągnąć. Korbo pamięta ustawienie trenera między grami; rekordy są takie same,
czy trener jest włączony, czy nie.</p>
"""),
    "hints": ("Rady i sztuczki", """
<div class="tip"><b>Postaraj się wcześnie o premię.</b> Po trzy kostki każdej
liczby oczek w górnych kategoriach dają tylko %(three)d; po cztery dają
%(four)d. Na 40 punktów za osiągnięcie 80 zwykle trzeba więc czterech
jednakowych &ndash; albo mocnych Piątek i Szóstek, które nadrobią słabe Jedynki
i Dwójki. Załatw górne kategorie, póki zostało dość rund na kolejne
próby.</div>
<div class="tip"><b>Zachowaj Szansę na słaby rzut.</b> Szansa przyjmie wszystko,
więc jest twoją siatką asekuracyjną w turze, w której nic innego nie pasuje.
Wykorzystaj ją wcześnie, a później być może trzeba będzie wpisać 0.</div>
<div class="tip"><b>Korbo płaci wielokrotnie.</b> Korbo wpisane za 60 sprawia, że
każde późniejsze sześć jednakowych jest warte o 60 więcej. Gdy już je masz,
pogoń za kolejnym często jest warta całej tury.</div>
<div class="tip"><b>Gdzie wpisać 0.</b> Gdy musisz wpisać zero, wpisz je tam,
gdzie i tak nie było wielkich nadziei: Jedynki kosztują cię najwyżej kilka
punktów, a Korbo czy Strit pod koniec gry często są mało prawdopodobne.</div>
<div class="tip"><b>Poznaj, co się pokrywa.</b> Cztery jednakowe plus para to 40
w Parach i od razu Kareta; pięć lub sześć jednakowych pasuje do Karety, do górnej
kategorii tej liczby oczek, do Trojaczków i (przy sześciu) do Korbo. Przeklikaj
przyciski, by porównać &ndash; pierwsze kliknięcie nic nie kosztuje.</div>
<div class="tip"><b>Oszczędzaj jokery.</b> Joker po czwartym rzucie wciąż może
uratować turę: gdy brakuje jednej kostki do strita albo szóstej do Korbo.</div>
<div class="tip"><b>Posłuchaj kategorii.</b> Przytrzymaj %(alt)s i kliknij
przycisk kategorii, aby usłyszeć jej dźwięki, niczego nie wpisując.</div>
"""),
    "keys": ("Klawiatura", """
<p>Wszystko w Korbo można zrobić z klawiatury.</p>
<table class="keys">
%(rows)s
</table>

<h3>Z czytnikiem ekranu</h3>
<p>Korbo przekazuje czytnikowi ekranu, takiemu jak Orca, wszystko bez
przesuwania fokusu: każdy nowy komunikat paska stanu (wezwania do ruchu, ruchy
graczy komputerowych, podpowiedzi, koszty podawane przez trenera, „Koniec gry”),
a po każdym rzucie lub jokerze kostki, najpierw rząd zatrzymanych, potem pole
rzutu, a po nich wezwanie do ruchu. Komunikaty czekają na siebie nawzajem, więc
żaden nie zostaje ucięty.</p>
<p>Tura z klawiatury: %(t)s rzuca. Każda kostka jest odczytywana jako numer,
liczba oczek i miejsce, na przykład „Kostka 3, pięć, zatrzymana”; klawisze od
%(one)s do %(six)s zatrzymują lub zwalniają kostkę, %(f)s na kostce przenosi
wszystkie kostki z tą samą liczbą oczek, %(j)s używa na niej jokera. Strzałkami
dochodzisz do kategorii; każda jest odczytywana z wynikiem, jaki dałaby teraz,
albo z wpisanym wynikiem. Pierwsze naciśnięcie klawisza %(space)s pokazuje
wynik, drugie go wpisuje.
%(l)s, %(d)s i %(w)s powtarzają ostatni komunikat, odczytują kostki i mówią,
czyja jest tura; %(f6)s otwiera tabelę wyników.</p>
<p>%(ctrlf6)s przenosi klawisze do tabeli wyników, w której imiona graczy stoją
nad kolumnami, a kategorie, Suma górna, Premia i Suma obok wierszy: strzałki
przechodzą od wyniku do wyniku, a czytnik ekranu podaje wiersz i gracza, gdy się
zmieniają; suma prowadzącego jest odczytywana z dopiskiem „na prowadzeniu”.
%(escape)s zamyka tabelę, a klawisze wracają na planszę. W oknie rekordów każda
lista jest odczytywana ze swoim tytułem, a każdy wiersz jako pozycja, imię,
wynik i data.</p>
"""),
    "files": ("Gdzie Korbo trzyma swoje pliki", """
<p>W Linuksie Korbo trzyma to, co zapamiętuje, w twoim folderze domowym:</p>
<table>
<tr><th>Plik</th><th>Co zawiera</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>twoje ustawienia: dźwięki,
animację, styl kostek i pozostałe opcje</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>listy rekordów, Wysokie
loty i Dzielne próby</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>historię gier
na potrzeby statystyk (bazę danych SQLite)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>twoje własne kostki, jeden obraz na ściankę (ikony kończą się na
<code>.ico</code>)</td></tr>
</table>
<p>Aby zacząć rekordy od nowa, usuń <code>data.dat</code>, gdy Korbo jest zamknięte.
Historię gier zaczniesz od nowa przyciskiem %(clear_all)s w oknie „Korbo –
statystyki”. Skopiuj ten folder, aby przenieść rekordy i historię gier na inny
komputer.</p>
"""),
}
