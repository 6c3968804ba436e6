"""The help page's Italian texts, written to assets/help/korbo_it.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_it.md, and the player is "tu".  The menus and
buttons named by %(name)s come from translations/korbo_it.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_it.ts as the game shows it, numbers with a
decimal comma as the game writes them in Italian.
"""

LANGUAGE = "it"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["da uno a sei giocatori", "quattordici giri", "un turno", "esattamente una volta",
    "fino a sei", "12 caratteri", "non viene registrato nulla", "riserva", "area di lancio",
    "clic destro", "tre jolly", "giullari", "non conta", "giallo", "verde",
    "0 punti", "vincitore sottolineato", "sfondo trasparente", "altri 60",
    "80 o più", "Tasti freccia", "Maiusc+Tab", "Esc", "usa un jolly su quel dado",
    "tabella dei punteggi", "Suggerimento", "Allenatore", "giocatori computer",
    "Grandi imprese",
    "storico delle partite", "Anna (computer)"]

TITLE = "Korbo - Come si gioca"
HEADLINE = "Come si gioca"
CONTENTS = "Indice"
FOOTER = "Korbo &ndash; sei dadi, quattordici giri, tre jolly. Buon divertimento!"

# Keys as an Italian keyboard and Italian programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Tasti freccia",
    "Ctrl": "Ctrl",
    "End": "Fine",
    "Enter": "Invio",
    "Escape": "Esc",
    "Home": "Home",
    "Page Down": "PagGiù",
    "Page Up": "PagSu",
    "Shift": "Maiusc",
    "Space": "Spazio",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Categoria", "Cosa conta", "Esempi")
CATEGORIES = {
    "Ones": ("Uno", "1 per ogni dado che mostra un uno.",
             {"111526": "tre 1", "234566": "nessun 1"}),
    "Twos": ("Due", "2 per ogni dado che mostra un due.",
             {"222213": "quattro 2"}),
    "Threes": ("Tre", "3 per ogni dado che mostra un tre.",
               {"333314": "quattro 3"}),
    "Fours": ("Quattro", "4 per ogni dado che mostra un quattro.",
              {"444412": "quattro 4"}),
    "Fives": ("Cinque", "5 per ogni dado che mostra un cinque.",
              {"555552": "cinque 5"}),
    "Sixes": ("Sei", "6 per ogni dado che mostra un sei.",
              {"666613": "quattro 6"}),
    "Quad": ("Poker", "Almeno quattro dadi uguali: la somma di <em>tutti e sei</em> i "
                      "dadi. Meno di quattro uguali: 0.",
             {"555523": "quattro 5", "666666": "vale anche con sei uguali",
              "555223": "solo tre uguali"}),
    "Twins": ("Coppie", "10 per ogni coppia, 40 per tre coppie. Le coppie non si dividono "
                        "mai un dado: tre uguali fanno una coppia, quattro uguali due coppie; "
                        "sei uguali e quattro più due uguali contano entrambi come tre coppie.",
              {"334516": "una coppia", "333512": "tre uguali fanno una coppia",
               "444425": "quattro uguali fanno due coppie", "224466": "tre coppie",
               "333355": "quattro più due"}),
    "Triples": ("Tris", "15 per un tris (tre dadi uguali), 40 per due tris. Quattro o cinque "
                        "uguali sono comunque un solo tris; sei uguali sono due tris.",
                {"222451": "un tris", "444445": "cinque uguali sono un tris",
                 "333666": "due tris", "111111": "sei uguali"}),
    "Odds": ("Dispari", "La somma dei dadi dispari (gli 1, i 3 e i 5). "
                        "Tutti e sei dispari: 11 in più.",
             {"135246": "1 + 3 + 5", "555533": "26 + bonus 11"}),
    "Evens": ("Pari", "La somma dei dadi pari (i 2, i 4 e i 6). "
                      "Tutti e sei pari: 10 in più.",
              {"246135": "2 + 4 + 6", "666644": "32 + bonus 10"}),
    "Flush": ("Scala", "Una scala di cinque (1-2-3-4-5 o 2-3-4-5-6): 35. "
                       "Tutti e sei diversi (da 1 a 6): 50.",
              {"123452": "scala di cinque", "234566": "scala di cinque",
               "123456": "tutti e sei", "123356": "nessuna scala"}),
    "PotLuck": ("Fortuna", "La somma di tutti e sei i dadi, qualunque cosa mostrino.",
                {"665541": "6+6+5+5+4+1", "112123": "prende tutto"}),
    "Korbo": ("Korbo", "Sei dadi uguali: 60. E una volta segnato un Korbo da 60, ogni altro "
                       "lancio con sei dadi uguali che segni, in qualsiasi categoria, "
                       "aggiunge altri 60 al tuo Korbo.",
              {"444444": "sei 4", "444443": "cinque non bastano"}),
}
BONUS_RULE = ("%(upper_bonus)d quando le categorie da Uno a Sei insieme arrivano a "
              "%(bonus_needs)d o più. Si aggiunge appena ci arrivi, anche prima di aver "
              "riempito tutte e sei le categorie.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "Il controllo successivo o precedente della finestra; un "
     "anello giallo e nero mostra dove agiscono i tasti"),
    ("%(arrows)s", "Sul tavolo: si spostano sulla fila superiore delle categorie, sui dadi "
     "con il pulsante di lancio alla loro destra e sulla fila inferiore delle categorie"),
    ("%(space)s, %(enter)s", "Premono ciò su cui si trova l'anello: il pulsante di lancio "
     "lancia (o inizia una partita), un dado va in riserva o torna in gioco, una categoria "
     "mostra il suo punteggio e la seconda pressione lo segna"),
    ("da %(one)s a %(six)s", "Mettono quel dado in riserva o lo rimettono in gioco, e "
     "l'anello va su di esso; nella finestra «Dadi personali di Korbo» scelgono quella "
     "faccia per %(load)s"),
    ("%(f)s", "Su un dado: tutti i dadi dalla stessa parte che mostrano la sua faccia si "
     "spostano con lui, come con un clic destro"),
    ("%(j)s", "Su un dado: usa un jolly su quel dado"),
    ("%(t)s", "Lancia, ovunque si trovi l'anello sul tavolo"),
    ("%(s)s", "Su una categoria: fa sentire i suoi suoni"),
    ("%(l)s", "Ripete l'ultima riga (%(say_again)s)"),
    ("%(d)s", "Legge i dadi: prima la riserva, poi l'area di lancio (%(say_dice)s)"),
    ("%(w)s", "Dice di chi è il turno, il giro e i jolly rimasti (%(say_turn)s)"),
    ("%(f1)s", "Questa pagina di aiuto (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Nuova partita (%(new)s); durante una partita chiede se interromperla"),
    ("%(ctrlq)s", "Esci (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Ingrandire il tavolo, rimpicciolirlo o riportarlo alle dimensioni originali (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); cresce e si riduce anche con la sua finestra"),
    ("%(f11)s", "Schermo intero (%(full_screen)s); %(f11)s o %(escape)s lo lascia"),
    ("%(f5)s", "Un suggerimento: la mossa migliore (%(hint)s)"),
    ("%(f6)s", "La tabella dei punteggi (%(scores)s)"),
    ("%(ctrlf6)s", "Dal tavolo alla tabella dei punteggi e ritorno (%(go_to_scores)s); nella "
     "tabella i tasti freccia vanno da un punteggio all'altro, %(home)s e %(end)s alla "
     "didascalia della riga e al suo ultimo giocatore, %(page_up)s e %(page_down)s alla "
     "prima riga e ai totali"),
    ("%(f7)s", "Le statistiche (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Aprono i menu Partita, Visualizza e "
     "Aiuto; la lettera sottolineata sceglie una voce"),
    ("%(alt)s + clic", "Su un pulsante di categoria: fa sentire i suoi suoni"),
    ("%(enter)s", "Nelle altre finestre: preme il pulsante che ha il focus, altrimenti OK "
     "in «Informazioni su Korbo» e Salva nella finestra «Dadi personali di Korbo»"),
    ("%(escape)s", "Chiude le classifiche, la tabella dei punteggi, le statistiche, "
     "«Informazioni su Korbo» e la finestra «Variabili», come il loro pulsante di "
     "chiusura; in «Nomi dei giocatori» e nella finestra «Dadi personali di Korbo» "
     "equivale ad Annulla; la finestra «Opzioni di Korbo» conserva le modifiche, come "
     "con il suo pulsante di chiusura"),
]

SECTIONS = {
    "aim": ("Lo scopo del gioco", """
<p>Korbo è un gioco di dadi da uno a sei giocatori che condividono lo stesso
computer. A turno, tutti lanciano gli stessi sei dadi e cercano di fare più punti
possibile sistemando ogni lancio in una delle quattordici
<a href="#categories">categorie</a>. Alla fine vince chi ha il totale più alto.</p>
<ul>
<li>Una partita dura <b>quattordici giri</b>. In ogni giro ciascun giocatore gioca
<b>un turno</b>, nell'ordine in cui i giocatori sono stati inseriti.</li>
<li>Ogni turno finisce riempiendo <b>una</b> delle tue quattordici categorie: così, a
fine partita, ogni giocatore ha riempito ogni categoria esattamente una volta.</li>
<li>Ogni categoria si può usare una volta sola. Se i dadi non vanno bene per
nessuna di quelle ancora libere, devi comunque segnarli da qualche parte, anche
per 0. Scegliere dove mettere i punteggi scarsi è metà del gioco.</li>
</ul>
"""),
    "start": ("Giocatori e inizio della partita", """
<h3>Inserire i giocatori</h3>
<p>Scegli %(players)s e scrivi i nomi dei giocatori, fino a <b>sei</b>, uno per
casella, ciascuno lungo al massimo <b>12 caratteri</b>. I giocatori fanno il loro
turno nell'ordine delle caselle; le caselle vuote tra i nomi vengono saltate. I
nomi restano per le partite successive finché non li cambi.</p>

<h3>Iniziare</h3>
<p>Fai clic sul pulsante %(start)s, oppure scegli %(new)s (o premi %(f2)s). Se non
è ancora stato inserito nessun giocatore, si apre prima la finestra «Nomi dei
giocatori». Il titolo sopra il tavolo dice di chi è il turno (per esempio <i>1º
turno di Anna</i>, e nel quattordicesimo giro <i>Ultimo turno di Anna</i>).</p>

<h3>Interrompere una partita in corso</h3>
<p>Se scegli %(new)s durante una partita, Korbo chiede: %(stop)s Rispondi
<b>Sì</b> per chiudere subito la partita: la tabella dei punteggi si svuota e
<b>non viene registrato nulla</b> &ndash; una partita non finita non entra mai
nelle classifiche. Rispondi <b>No</b> per continuare a giocare.</p>
"""),
    "turn": ("Il tuo turno", """
<h3>Lanciare</h3>
<p>In ogni turno hai fino a <b>quattro lanci</b>. Il pulsante grande indica il
lancio successivo: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Dopo il quarto mostra %(fin)s:
non c'è più niente da lanciare e devi scegliere una categoria. Non sei obbligato a
usare tutti e quattro i lanci &ndash; puoi segnare dopo uno qualsiasi.</p>

<h3>Tenere i dadi</h3>
<p>Tra un lancio e l'altro sistemi i dadi:</p>
<ul>
<li><b>Fai clic su un dado</b> nell'area di lancio per spostarlo <b>giù nella
riserva</b>. I dadi in riserva restano fermi: il lancio successivo li lascia
stare.</li>
<li><b>Fai clic su un dado in riserva</b> per riportarlo <b>su nell'area di
lancio</b>, così verrà lanciato di nuovo.</li>
<li>Con un <b>clic destro su un dado</b> sposti insieme <b>tutti i dadi con la
stessa faccia</b> dalla stessa parte &ndash; un modo rapido per tenere tutti i 5,
o per rilanciare tutti gli 1.</li>
</ul>
<p>Vengono lanciati solo i dadi nell'area di lancio. Se tutti i dadi sono in
riserva, il pulsante di lancio non fa nulla e non si consuma nessun lancio.</p>

<h3>Jolly</h3>
<p>Ogni giocatore ha <b>tre jolly</b> per tutta la partita, che stanno sul tavolo
come piccoli giullari. <b>Trascina un jolly su un dado qualsiasi</b> per rilanciare
solo quel dado. Puoi farlo in qualunque momento del tuo turno dopo il primo lancio
&ndash; anche dopo il quarto, quando il pulsante mostra già %(fin)s. Un jolly
<b>non conta</b> come uno dei tuoi quattro lanci. Un jolly usato è perso per il
resto della partita, quindi conservali per i momenti che contano: quando ti manca un
solo dado per un Korbo, per una Scala o per il quarto dado di un Poker.</p>
"""),
    "choose": ("Scegliere una categoria", """
<p>Ognuna delle quattordici categorie ha il suo pulsante sul tavolo.</p>
<ol>
<li><b>Punta</b> il mouse su un pulsante: la barra di stato dice cosa conta la
categoria.</li>
<li><b>Fai clic</b> una volta: il punteggio che questi dadi darebbero lì appare in
<span class="yellow">giallo</span>. Non è ancora segnato niente.</li>
<li><b>Fai di nuovo clic sullo stesso pulsante</b> per segnare quel punteggio.
Diventa <span class="green">verde</span>, il tuo turno finisce e tocca al
giocatore successivo.</li>
</ol>
<p>Puoi guardare prima diverse categorie &ndash; un solo clic su ciascuna mostra
quanto varrebbe &ndash; e poi segnare quella che preferisci con un secondo clic.
Puoi anche segnare <b>0 punti</b> quando non resta niente di meglio; come ogni
punteggio segnato, è definitivo. Una categoria che hai già riempito mostra il suo
punteggio e non si può scegliere di nuovo. Un nuovo lancio cancella i numeri
gialli, quindi puoi guardare, rilanciare e guardare ancora.</p>
"""),
    "categories": ("Le quattordici categorie", """
<p>Le prime sei sono le <b>categorie superiori</b>, le ultime otto quelle
inferiori. I dadi contano sempre come un gruppo di sei, quindi non importa quali
siano in riserva e quali siano stati lanciati per ultimi.</p>
%(table)s
<h3>Korbo paga ancora</h3>
<p>Quando nella casella di Korbo c'è un 60, <b>ogni altro lancio con sei dadi
uguali</b> ti fa guadagnare <b>altri 60</b> in Korbo &ndash; in qualunque categoria
tu lo segni. Mettiamo che tu abbia segnato sei 4 in Korbo. Più avanti lanci sei 2
e li segni in Due: Due riceve 12 e il tuo Korbo passa da 60 a 120. Se hai dovuto
segnare 0 in Korbo, questo non succede mai, per quante volte tu lanci poi sei dadi
uguali.</p>
"""),
    "sheet": ("La tabella dei punteggi", """
<p>%(scores)s (o %(f6)s) mostra la tabella dei punteggi, la finestra «Punteggi di
Korbo»: una colonna per ogni giocatore, con ogni punteggio appena viene segnato, il
<b>Parziale</b> delle sei categorie superiori, il <b>Bonus</b> (40, oppure 0 quando
tutte e sei sono riempite senza arrivare a 80) e in fondo il <b>Totale</b>.</p>
<ul>
<li>Finché l'opzione <b>Mostra capolista</b> è attiva, il nome e il totale del
giocatore in testa sono <u>sottolineati</u>.</li>
<li>Quando si gioca l'ultimo turno la tabella compare da sola, con il
<u>vincitore sottolineato</u>, qualunque cosa dica l'opzione.</li>
<li>%(print)s stampa la tabella così com'è, anche durante una partita.</li>
</ul>
"""),
    "records": ("Classifiche", """
<p>%(records)s apre le due classifiche di sempre conservate su questo
computer:</p>
<dl>
<dt>Grandi imprese</dt><dd>i 99 totali più alti mai giocati;</dd>
<dt>Tentativi eroici</dt><dd>i 99 totali più bassi &ndash; anche questo è un
record.</dd>
</dl>
<p>Ogni riga mostra la posizione, il totale, il nome del giocatore e la data. Alla
fine di ogni partita <b>completa</b>, il totale di ogni giocatore viene proposto a
entrambe le classifiche ed entra dovunque si guadagni un posto. Una partita
interrotta prima della fine non viene mai registrata.</p>
<ul>
<li>Scrivi un nome accanto a %(find)s e fai clic sul pulsante (o premi %(enter)s)
per evidenziare ogni riga di quel giocatore in entrambe le classifiche; maiuscole e
minuscole non contano. Un clic su una riga copia il suo nome nella casella.</li>
<li>%(today)s evidenzia ogni riga giocata oggi.</li>
<li>%(unselect)s toglie le evidenziazioni.</li>
</ul>
<p>Finché l'opzione <b>Mostra classifiche</b> è attiva, la finestra delle
classifiche si apre da sola dopo una partita che ha stabilito nuovi record.</p>
"""),
    "statistics": ("Statistiche", """
<p>Ogni partita <b>completa</b> viene conservata nello storico delle partite di
questo computer; una partita interrotta prima della fine no, come per le
classifiche. %(statistics)s (o %(f7)s) apre la finestra «Statistiche di Korbo», che
mostra un giocatore alla volta: sceglilo nell'elenco %(player_list)s in alto. Un
giocatore è un nome, senza badare a maiuscole e minuscole; un giocatore computer con
lo stesso nome è tenuto a parte, come <i>Anna (computer)</i>.</p>
<p>La riga di cifre sotto l'elenco dà le partite giocate e quelle vinte (vince chi
ha, da solo, il totale più alto in una partita con due o più giocatori), i primi
posti a pari merito, il totale medio, migliore e più basso, la deviazione standard,
quante volte si è ottenuto il bonus superiore, i Korbo e i Korbo extra; accanto alla
media e al bonus c'è quello che raggiunge il gioco migliore. Le cifre del gioco
migliore vengono da 200.000 partite giocate da Korbo stesso con la sua strategia
migliore.</p>
<p>Sotto, quattro schede mostrano ognuna un grafico con accanto le sue cifre a
parole, che raggiungi con %(tab)s e che un lettore di schermo legge:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>il totale di ogni partita nel tempo, con la media delle
ultime dieci partite;</dd>
<dt>%(tab_ranges)s</dt><dd>quanto spesso i tuoi totali cadono in ogni fascia di 50
punti, accanto al gioco migliore;</dd>
<dt>%(tab_categories)s</dt><dd>la media di ogni categoria accanto a quella del
gioco migliore, a cominciare da quella che ti costa di più;</dd>
<dt>%(tab_coach)s</dt><dd>compare quando ci sono partite giocate con l'allenatore
attivo: i punti che le scelte sono costate in ognuna.</dd>
</dl>
<p>%(export)s salva tutto lo storico in un file CSV che i fogli di calcolo aprono,
con una riga per giocatore e per partita. %(clear_player)s dimentica le partite del
giocatore scelto e %(clear_all)s tutte le partite, ognuno solo dopo aver chiesto
conferma; non si può annullare. Le classifiche restano come sono.</p>
"""),
    "options": ("Opzioni", """
<p>Con %(options)s imposti il gioco come preferisci.</p>
<dl>
<dt>Suoni: Spenti / Accesi / Pazzi</dt>
<dd>Nessun suono, i suoni normali, oppure una serie di rumori più buffi per gli
stessi momenti.</dd>
<dt>Dadi muti</dt>
<dd>Mantiene gli altri suoni ma fa tacere il rumore dei dadi.</dd>
<dt>Animazione</dt>
<dd>I dadi rotolano sul tavolo e scivolano da una fila all'altra. Disattivala per
giocare più in fretta: i dadi saltano semplicemente al loro posto.</dd>
<dt>Pulsanti testo</dt>
<dd>I pulsanti delle categorie mostrano i nomi delle categorie invece delle
immagini.</dd>
<dt>Mirino</dt>
<dd>Sul tavolo il puntatore del mouse è un mirino invece della freccia.</dd>
<dt>1º lancio auto</dt>
<dd>Il primo lancio di ogni turno viene fatto per te.</dd>
<dt>Mostra capolista</dt>
<dd>Durante la partita sottolinea chi è in testa nella tabella dei punteggi.</dd>
<dt>Mostra classifiche</dt>
<dd>Mostra le classifiche dopo una partita che ha stabilito nuovi record.</dd>
<dt>Stile dei dadi</dt>
<dd>Sette aspetti per i dadi: <b>Standard</b>, <b>Classici</b>, <b>Coccinelle</b>,
<b>Arcobaleno</b>, <b>Bottoni</b>, <b>Foto</b> e <b>Personali</b>. Ogni giocatore
mantiene lo stile con cui gioca: scegli uno stile durante il tuo turno e i tuoi
dadi appariranno così in ogni tuo turno, mentre gli altri mantengono il loro
&ndash; un modo comodo per vedere a colpo d'occhio di chi è il turno. Uno stile
scelto quando non c'è una partita in corso è quello con cui tutti iniziano, finché
ciascuno non sceglie il proprio.</dd>
</dl>
<h3>I tuoi dadi</h3>
<p>Scegli <b>Personali</b> e fai clic su %(import)s: si apre la finestra «Dadi
personali di Korbo». Lì fai clic su una faccia (o sul numero sopra di essa), poi su
%(load)s, e scegli un'immagine per quella faccia, un file GIF o un'icona
(<code>.ico</code>); fai lo stesso per le altre facce, poi fai clic su %(save)s.
Le immagini possono essere al massimo di <b>48 x 48 pixel</b> e rendono meglio
proprio a quella misura e con uno <b>sfondo trasparente</b>. Korbo conserva una sua
copia di ogni immagine, quindi dopo puoi spostare o cancellare gli originali.</p>
"""),
    "computer": ("Giocatori computer, suggerimenti e allenatore", """
<h3>Giocatori computer</h3>
<p>Spunta la casella <b>PC</b> accanto a un nome in %(players)s e quel posto lo
gioca il computer (da tastiera, le caselle PC vengono dopo %(cancel)s: raggiungine
una con %(tab)s e spuntala con %(space)s). Gioca nel modo migliore possibile: a
ogni lancio calcola quale scelta dà in media il totale finale più alto, tenendo
conto di ogni categoria ancora libera, del bonus, dei jolly rimasti e dei lanci che
verranno. Gioca a un ritmo che puoi seguire e dice nella barra di stato cosa fa
(<i>Blu tiene 5 5 5</i>, <i>Blu usa un jolly su un 2</i>). Mentre gioca, il tavolo
non risponde ai tuoi clic, ma con %(new)s puoi comunque interrompere la
partita.</p>

<h3>Suggerimento</h3>
<p>Durante il tuo turno, quando i dadi sono sul tavolo, scegli %(hint)s (o premi
%(f5)s). La barra di stato indica la mossa migliore e il totale finale che il gioco
migliore si aspetta da qui (<i>Tieni 6 6 e lancia: attesi 404,4</i>), e un anello
giallo segna i dadi da tenere, il dado su cui usare un jolly o la categoria da
segnare, finché non fai la tua mossa. Un suggerimento non sposta mai un dado e non
segna mai punti.</p>

<h3>Allenatore</h3>
<p>Spunta %(coach)s e, dopo ogni tua decisione che non era la migliore &ndash; i
dadi che tieni per un lancio, un jolly, una categoria segnata &ndash;, la barra di
stato dice quanto ti è costata in media e cosa sarebbe stato meglio (<i>Anna,
segnare Coppie ti è costato in media 3,4 punti; era meglio Tris.</i>). Alla fine
della partita la tabella dei punteggi aggiunge un riepilogo per ogni giocatore: i
punti persi rispetto al gioco migliore e la percentuale raggiunta del totale che il
gioco migliore si aspetta. Korbo ricorda l'allenatore da una partita all'altra; per
le classifiche non fa differenza che l'allenatore sia attivo o no.</p>
"""),
    "hints": ("Consigli e trucchi", """
<div class="tip"><b>Punta presto al bonus.</b> Tre dadi per ogni faccia nelle
categorie superiori fanno solo %(three)d; quattro per ogni faccia fanno %(four)d.
Quindi per i 40 punti che arrivano con 80 servono quasi sempre quattro dadi uguali
&ndash; oppure Cinque e Sei robusti che compensino Uno e Due magri. Sistema le
categorie superiori finché restano parecchi giri per riprovare.</div>
<div class="tip"><b>Tieni Fortuna per un lancio scarso.</b> Fortuna prende tutto,
quindi è la tua rete di sicurezza in un turno in cui nient'altro va bene. Se la usi
presto, più avanti potresti dover segnare uno 0.</div>
<div class="tip"><b>Korbo paga ancora.</b> Un Korbo segnato con 60 fa valere 60
punti in più ogni successivo lancio con sei dadi uguali. Quando ne hai uno,
inseguirne un altro spesso vale un turno intero.</div>
<div class="tip"><b>Dove mettere lo 0.</b> Quando devi segnare uno zero, mettilo
dove avevi comunque poche speranze: Uno ti costa al massimo pochi punti, mentre
Korbo o Scala verso la fine della partita sono spesso un'impresa disperata.</div>
<div class="tip"><b>Conosci le sovrapposizioni.</b> Quattro uguali più una coppia
valgono 40 in Coppie e sono già un Poker; cinque o sei uguali vanno bene per Poker,
per la categoria superiore di quella faccia, per Tris e (se sono sei) per Korbo.
Fai clic sui pulsanti per confrontare &ndash; il primo clic non costa nulla.</div>
<div class="tip"><b>Risparmia i jolly.</b> Un jolly dopo il quarto lancio può
ancora salvare un turno: quando manca un dado alla scala, o il sesto dado per un
Korbo.</div>
<div class="tip"><b>Ascolta le categorie.</b> Tieni premuto %(alt)s e fai clic su
un pulsante di categoria per sentirne i suoni senza segnare nulla.</div>
"""),
    "keys": ("Tastiera", """
<p>In Korbo tutto si può fare anche con la tastiera.</p>
<table class="keys">
%(rows)s
</table>

<h3>Con un lettore di schermo</h3>
<p>Korbo parla a un lettore di schermo come Orca senza spostare il focus: ogni
nuova riga della barra di stato (gli inviti a giocare, le mosse dei giocatori
computer, i suggerimenti, i costi indicati dall'allenatore, «Partita finita») e,
dopo ogni lancio o jolly, i dadi, prima la riserva e poi l'area di lancio, seguiti
dall'invito. Le righe si aspettano l'una con l'altra, così nessuna viene
troncata.</p>
<p>Un turno con i tasti: %(t)s lancia. Ogni dado viene letto con numero, faccia e
posizione, per esempio «Dado 3, cinque, in riserva»; i tasti da %(one)s a %(six)s
mettono un dado in riserva o lo rimettono in gioco, %(f)s su un dado sposta tutti i
dadi con la stessa faccia, %(j)s usa un jolly su quel dado. I tasti freccia
raggiungono le categorie; ognuna viene letta con il punteggio che darebbe ora, o
con quello segnato. Premendo %(space)s una volta si vede il punteggio, la seconda
volta lo si segna. %(l)s, %(d)s e %(w)s ripetono l'ultima riga, leggono i dadi e
dicono di chi è il turno; %(f6)s apre la tabella dei punteggi.</p>
<p>%(ctrlf6)s porta i tasti nella tabella dei punteggi, una tabella con i nomi dei
giocatori sopra le colonne e le categorie, Parziale, Bonus e Totale accanto alle
righe: i tasti freccia vanno da un punteggio all'altro, e il lettore di schermo
dice la riga e il giocatore quando cambiano; il totale di chi è in testa viene
letto con «in testa». %(escape)s chiude la tabella e i tasti tornano al tavolo.
Nella finestra delle classifiche ogni classifica viene letta con il suo titolo e
ogni riga come posizione, nome, punti e data.</p>
"""),
    "files": ("Dove Korbo conserva i suoi file", """
<p>Su Linux, Korbo conserva ciò che ricorda nella tua cartella home:</p>
<table>
<tr><th>File</th><th>Cosa contiene</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>le tue impostazioni: suoni,
animazione, stile dei dadi e le altre opzioni</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>le classifiche, Grandi
imprese e Tentativi eroici</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>lo storico delle
partite, per le statistiche (un database SQLite)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>i tuoi dadi personali, un'immagine per faccia (le icone finiscono in
<code>.ico</code>)</td></tr>
</table>
<p>Per ricominciare le classifiche da zero, cancella <code>data.dat</code> mentre
Korbo è chiuso. %(clear_all)s, nella finestra «Statistiche di Korbo», fa
ricominciare lo storico da zero. Copia la cartella per portare le tue classifiche e
il tuo storico su un altro computer.</p>
"""),
}
