"""The help page's French texts, written to assets/help/korbo_fr.htm.

Words only; make_help.py lays them out, as for texts_en.py.  The game's terms
are those of translations/glossary_fr.md, and the player is "vous".  The menus
and buttons named by %(name)s come from translations/korbo_fr.ts, the keys from
KEY_NAMES below; a line of the game quoted in the prose (a title, a status line,
a question) is copied from korbo_fr.ts as the game shows it, numbers with a
decimal comma as the game writes them in French.  The prose puts a non-breaking
space before "?", "!", ":" and ";" and inside the quotation marks « »; a quoted
line of the game keeps the plain space the game shows.
"""

LANGUAGE = "fr"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["un à six joueurs", "quatorze manches", "un tour", "une seule fois",
    "jusqu'à six", "12 caractères", "rien n'est enregistré", "réserve", "piste",
    "clic droit", "trois jokers", "bouffons", "ne compte pas", "jaune", "vert",
    "0 point", "gagnant souligné", "transparent", "60 de plus", "80 ou plus",
    "Touches fléchées", "Maj+Tab", "Échap", "jouer un joker sur lui",
    "feuille de marque", "Indice", "Entraîneur", "joueurs ordinateur", "Coups d'éclat",
    "historique des parties", "Anna (ordinateur)"]

TITLE = "Korbo - Comment jouer"
HEADLINE = "Comment jouer"
CONTENTS = "Sommaire"
FOOTER = "Korbo &ndash; six dés, quatorze manches, trois jokers. Bonne partie&nbsp;!"

# Keys as a French keyboard and French programs name them.
KEY_NAMES = {
    "Alt": "Alt",
    "Arrow keys": "Touches fléchées",
    "Ctrl": "Ctrl",
    "End": "Fin",
    "Enter": "Entrée",
    "Escape": "Échap",
    "Home": "Début",
    "Page Down": "Page suiv.",
    "Page Up": "Page préc.",
    "Shift": "Maj",
    "Space": "Espace",
    "Tab": "Tab",
}

TABLE_HEAD = ("#", "Catégorie", "Ce qu'elle rapporte", "Exemples")
CATEGORIES = {
    "Ones": ("As", "1 pour chaque dé qui montre un 1.",
             {"111526": "trois 1", "234566": "aucun 1"}),
    "Twos": ("Deux", "2 pour chaque dé qui montre un 2.",
             {"222213": "quatre 2"}),
    "Threes": ("Trois", "3 pour chaque dé qui montre un 3.",
               {"333314": "quatre 3"}),
    "Fours": ("Quatre", "4 pour chaque dé qui montre un 4.",
              {"444412": "quatre 4"}),
    "Fives": ("Cinq", "5 pour chaque dé qui montre un 5.",
              {"555552": "cinq 5"}),
    "Sixes": ("Six", "6 pour chaque dé qui montre un 6.",
              {"666613": "quatre 6"}),
    "Quad": ("Carré", "Au moins quatre dés identiques&nbsp;: le total des <em>six</em> dés. "
                      "Moins de quatre identiques&nbsp;: 0.",
             {"555523": "quatre 5", "666666": "six identiques comptent aussi",
              "555223": "seulement trois identiques"}),
    "Twins": ("Doubles", "10 par paire, 40 pour trois paires. Deux paires ne partagent jamais "
                         "un dé&nbsp;: trois dés identiques font une paire, quatre identiques "
                         "deux paires&nbsp;; six identiques, tout comme quatre plus deux, "
                         "comptent pour trois paires.",
              {"334516": "une paire", "333512": "trois identiques font une paire",
               "444425": "quatre identiques font deux paires", "224466": "trois paires",
               "333355": "quatre plus deux"}),
    "Triples": ("Brelan", "15 pour un brelan (trois dés identiques), 40 pour deux brelans. "
                          "Quatre ou cinq identiques ne font toujours qu'un brelan&nbsp;; six "
                          "identiques en font deux.",
                {"222451": "un brelan", "444445": "cinq identiques font un brelan",
                 "333666": "deux brelans", "111111": "six identiques"}),
    "Odds": ("Impairs", "Le total des dés impairs (les 1, les 3 et les 5). "
                        "Les six impairs&nbsp;: 11 de plus.",
             {"135246": "1 + 3 + 5", "555533": "26 + bonus de 11"}),
    "Evens": ("Pairs", "Le total des dés pairs (les 2, les 4 et les 6). "
                       "Les six pairs&nbsp;: 10 de plus.",
              {"246135": "2 + 4 + 6", "666644": "32 + bonus de 10"}),
    "Flush": ("Suite", "Une suite de cinq (1-2-3-4-5 ou 2-3-4-5-6)&nbsp;: 35. "
                       "Les six dés tous différents (1 à 6)&nbsp;: 50.",
              {"123452": "suite de cinq", "234566": "suite de cinq",
               "123456": "les six", "123356": "pas de suite"}),
    "PotLuck": ("Chance", "Le total des six dés, quels qu'ils soient.",
                {"665541": "6+6+5+5+4+1", "112123": "elle prend tout"}),
    "Korbo": ("Korbo", "Six dés identiques&nbsp;: 60. Et une fois votre Korbo inscrit à 60, "
                       "chaque nouvelle série de six identiques que vous inscrivez, dans "
                       "n'importe quelle catégorie, ajoute 60 de plus à votre Korbo.",
              {"444444": "six 4", "444443": "cinq ne suffisent pas"}),
}
BONUS_RULE = ("%(upper_bonus)d quand les catégories As à Six atteignent ensemble "
              "%(bonus_needs)d ou plus. Le bonus s'ajoute dès que vous y êtes, même avant "
              "que les six soient remplies.")

KEYS = [
    ("%(tab)s, %(shift_tab)s", "Passer à l'élément suivant ou précédent de la fenêtre&nbsp;; un anneau "
     "jaune et noir montre où agissent les touches"),
    ("%(arrows)s", "Sur le plateau&nbsp;: parcourir la rangée du haut des catégories, les "
     "dés avec le bouton de lancer à leur droite, et la rangée du bas des catégories"),
    ("%(space)s, %(enter)s", "Actionner l'élément où se trouve l'anneau&nbsp;: le bouton de lancer "
     "lance (ou commence une partie), un dé passe dans la réserve ou revient en jeu, une "
     "catégorie montre son score et un second appui l'inscrit"),
    ("%(one)s à %(six)s", "Garder ce dé ou le remettre en jeu, et y placer l'anneau&nbsp;; "
     "dans la fenêtre «&nbsp;Korbo - Dés personnalisés&nbsp;», choisir cette face pour "
     "%(load)s"),
    ("%(f)s", "Sur un dé&nbsp;: faire passer avec lui de l'autre côté tous les dés de la même "
     "face qui sont du même côté, comme un clic droit"),
    ("%(j)s", "Sur un dé&nbsp;: jouer un joker sur lui"),
    ("%(t)s", "Lancer, où que soit l'anneau sur le plateau"),
    ("%(s)s", "Sur une catégorie&nbsp;: jouer ses sons"),
    ("%(l)s", "Répéter la dernière ligne (%(say_again)s)"),
    ("%(d)s", "Dire les dés&nbsp;: la réserve, puis la piste (%(say_dice)s)"),
    ("%(w)s", "Dire à qui est le tour, la manche et les jokers restants (%(say_turn)s)"),
    ("%(f1)s", "Cette page d'aide (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "Nouvelle partie (%(new)s)&nbsp;; pendant une partie, Korbo propose de "
     "l'arrêter"),
    ("%(ctrlq)s", "Quitter (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Agrandir le plateau, le réduire, ou lui rendre sa taille d'origine (%(zoom_in)s, %(zoom_out)s, %(actual_size)s) ; il suit aussi la taille de sa fenêtre"),
    ("%(f11)s", "Plein écran (%(full_screen)s) ; %(f11)s ou %(escape)s en sort"),
    ("%(f5)s", "Un indice&nbsp;: le meilleur coup suivant (%(hint)s)"),
    ("%(f6)s", "La feuille de marque (%(scores)s)"),
    ("%(ctrlf6)s", "Passer du plateau à la feuille de marque, et retour (%(go_to_scores)s)&nbsp;; "
     "dans la feuille, les touches fléchées vont de score en score, %(home)s et %(end)s à "
     "l'intitulé de la ligne et à son dernier joueur, %(page_up)s et %(page_down)s à la "
     "première ligne et aux totaux"),
    ("%(f7)s", "Les statistiques (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Ouvrir les menus Partie, Affichage et "
     "Aide&nbsp;; la lettre soulignée choisit une entrée"),
    ("%(alt)s + clic", "Sur un bouton de catégorie&nbsp;: jouer ses sons"),
    ("%(enter)s", "Dans les autres fenêtres&nbsp;: appuyer sur le bouton qui a le focus, "
     "sinon sur OK dans «&nbsp;À propos de Korbo&nbsp;» et sur Enregistrer dans la fenêtre "
     "«&nbsp;Korbo - Dés personnalisés&nbsp;»"),
    ("%(escape)s", "Fermer les records, la feuille de marque, les statistiques, "
     "«&nbsp;À propos de Korbo&nbsp;» et la fenêtre «&nbsp;Variables&nbsp;», comme "
     "leur bouton de fermeture&nbsp;; dans les fenêtres «&nbsp;Noms des joueurs&nbsp;» "
     "et «&nbsp;Korbo - Dés personnalisés&nbsp;», Échap vaut Annuler&nbsp;; la fenêtre "
     "«&nbsp;Korbo - Options&nbsp;» garde ses changements, comme avec son bouton de "
     "fermeture"),
]

SECTIONS = {
    "aim": ("Le but du jeu", """
<p>Korbo est un jeu de dés pour un à six joueurs sur un même ordinateur. Chacun
à son tour lance les mêmes six dés et tente de marquer le plus de points
possible en plaçant chaque lancer dans l'une des quatorze
<a href="#categories">catégories</a>. Le plus haut total à la fin l'emporte.</p>
<ul>
<li>Une partie compte <b>quatorze manches</b>. À chaque manche, chaque joueur joue
<b>un tour</b>, dans l'ordre où les joueurs ont été nommés.</li>
<li>Chaque tour se termine en remplissant <b>une</b> de vos quatorze catégories&nbsp;:
à la fin de la partie, chaque joueur a donc rempli chaque catégorie une seule
fois.</li>
<li>Une catégorie ne sert qu'une fois. Quand les dés ne conviennent à rien de ce
qui reste libre, il faut quand même les inscrire quelque part, quitte à marquer 0.
Bien choisir où placer les mauvais lancers, c'est la moitié du jeu.</li>
</ul>
"""),
    "start": ("Les joueurs et le début de la partie", """
<h3>Nommer les joueurs</h3>
<p>Choisissez %(players)s et tapez les noms des joueurs, jusqu'à <b>six</b>, un
par case, de <b>12 caractères</b> au plus chacun. Les joueurs jouent dans l'ordre des cases&nbsp;; les cases vides entre
deux noms sont ignorées. Les noms restent pour les parties suivantes, jusqu'à ce
que vous les changiez.</p>

<h3>Commencer</h3>
<p>Cliquez sur le bouton %(start)s ou choisissez %(new)s (ou appuyez sur %(f2)s).
Si personne n'a encore été nommé, la fenêtre «&nbsp;Noms des joueurs&nbsp;» s'ouvre
d'abord. Le titre au-dessus du plateau indique à qui est le tour (par exemple
<i>1er tour pour Anna</i>, et <i>Dernier tour pour Anna</i> à la quatorzième
manche).</p>

<h3>Arrêter une partie en cours</h3>
<p>Si vous choisissez %(new)s pendant une partie, Korbo demande&nbsp;: %(stop)s Répondez
<b>Oui</b> pour terminer la partie sur-le-champ&nbsp;: la feuille de marque est
effacée et <b>rien n'est enregistré</b> &ndash; une partie inachevée n'entre jamais
dans les records. Répondez <b>Non</b> pour continuer à jouer.</p>
"""),
    "turn": ("Votre tour", """
<h3>Lancer</h3>
<p>Vous avez droit à <b>quatre lancers</b> au plus par tour. Le grand bouton
indique le lancer suivant&nbsp;: %(t1)s, %(t2)s, %(t3)s, %(t4)s. Après le
quatrième, il affiche %(fin)s&nbsp;: il n'y a plus rien à lancer et vous devez
choisir une catégorie. Rien ne vous oblige à faire les quatre lancers &ndash; vous
pouvez inscrire votre score après n'importe lequel.</p>

<h3>Garder des dés</h3>
<p>Entre deux lancers, vous triez les dés&nbsp;:</p>
<ul>
<li><b>Cliquez sur un dé</b> de la piste pour le faire <b>descendre dans la
réserve</b>. Les dés en réserve sont gardés&nbsp;: le lancer suivant n'y touche
pas.</li>
<li><b>Cliquez sur un dé en réserve</b> pour le renvoyer <b>sur la piste</b>&nbsp;:
il sera relancé.</li>
<li>D'un <b>clic droit sur un dé</b>, vous déplacez d'un coup <b>tous les dés qui
montrent la même face</b> du même côté &ndash; pratique pour garder tous vos 5, ou
pour relancer tous vos 1.</li>
</ul>
<p>Seuls les dés de la piste sont lancés. Si tous les dés sont en réserve, le
bouton de lancer ne fait rien et aucun lancer n'est perdu.</p>

<h3>Jokers</h3>
<p>Chaque joueur dispose de <b>trois jokers</b> pour toute la partie, représentés
sur le plateau par de petits bouffons. <b>Faites glisser un joker sur un dé</b>
pour relancer ce seul dé. Vous pouvez le faire à tout moment de votre tour dès
votre premier lancer &ndash; même après le quatrième, quand le bouton affiche déjà
%(fin)s. Un joker <b>ne compte pas</b> comme l'un de vos quatre lancers. Un joker
utilisé est perdu pour le reste de la partie&nbsp;: gardez-les pour les moments
qui comptent, quand il ne manque qu'un dé pour un Korbo, une Suite ou le
quatrième d'un Carré.</p>
"""),
    "choose": ("Choisir une catégorie", """
<p>Chacune des quatorze catégories a son propre bouton sur le plateau.</p>
<ol>
<li><b>Pointez</b> la souris sur un bouton&nbsp;: la ligne d'état dit ce que rapporte la
catégorie.</li>
<li><b>Cliquez</b> une fois dessus&nbsp;: le score que ces dés y rapporteraient
s'affiche en <span class="yellow">jaune</span>. Rien n'est encore inscrit.</li>
<li><b>Cliquez encore sur le même bouton</b> pour inscrire ce score. Il passe au
<span class="green">vert</span>, votre tour se termine et c'est au joueur
suivant.</li>
</ol>
<p>Vous pouvez d'abord regarder plusieurs catégories &ndash; un simple clic sur
chacune montre ce qu'elle vaudrait &ndash;, puis inscrire celle qui vous convient
d'un second clic. Vous pouvez aussi inscrire <b>0 point</b> quand il ne reste
rien de mieux&nbsp;; comme toute inscription, c'est définitif. Une catégorie déjà
remplie affiche son score et ne peut plus être choisie. Un nouveau lancer efface
les chiffres jaunes&nbsp;: vous pouvez regarder, relancer et regarder encore.</p>
"""),
    "categories": ("Les quatorze catégories", """
<p>Les six premières sont les <b>catégories du haut</b>, les huit dernières celles
du bas. Les dés comptent toujours comme un ensemble de six&nbsp;: peu importe
lesquels sont en réserve et lesquels viennent d'être lancés. Sur le plateau,
Carré et Brelan s'écrivent au pluriel, Carrés et Brelans.</p>
%(table)s
<h3>Le Korbo rapporte encore</h3>
<p>Dès que votre case Korbo contient un 60, <b>chaque nouvelle série de six dés
identiques</b> vous rapporte <b>60 de plus</b> en Korbo &ndash; quelle que soit la
catégorie où vous l'inscrivez. Disons que vous avez inscrit six 4 en Korbo. Plus
tard, vous lancez six 2 et les inscrivez en Deux&nbsp;: Deux reçoit 12 et votre
Korbo passe de 60 à 120. Si vous avez dû inscrire 0 en Korbo, cela n'arrive
jamais, quel que soit le nombre de séries de six identiques que vous lancez
ensuite.</p>
"""),
    "sheet": ("La feuille de marque", """
<p>%(scores)s (ou %(f6)s) affiche la feuille de marque, la fenêtre «&nbsp;Korbo -
Feuille de marque&nbsp;»&nbsp;: une colonne par joueur, avec chaque score dès qu'il
est inscrit, le <b>Sous-total</b> des six catégories du haut, le <b>Bonus</b> (40,
ou 0 une fois les six remplies sans atteindre 80) et le <b>Total</b> en bas.</p>
<ul>
<li>Tant que l'option <b>Voir le meneur</b> est cochée, le nom et le total du
joueur en tête sont <u>soulignés</u>.</li>
<li>Après le dernier tour, la feuille s'affiche d'elle-même, avec le <u>gagnant
souligné</u>, quelle que soit l'option.</li>
<li>%(print)s imprime la feuille telle qu'elle est, même en cours de
partie.</li>
</ul>
"""),
    "records": ("Les records", """
<p>%(records)s ouvre les deux listes de records de tous les temps tenues sur cet
ordinateur&nbsp;:</p>
<dl>
<dt>Coups d'éclat</dt><dd>les 99 meilleurs totaux jamais réalisés&nbsp;;</dd>
<dt>Belles tentatives</dt><dd>les 99 totaux les plus bas &ndash; un record comme
un autre.</dd>
</dl>
<p>Chaque ligne indique le rang, le total, le nom du joueur et la date. À la fin
de chaque partie <b>complète</b>, le total de chaque joueur est proposé aux deux
listes et y entre partout où il mérite une place. Une partie arrêtée en route
n'est jamais enregistrée.</p>
<ul>
<li>Tapez un nom à côté de %(find)s et cliquez sur ce bouton (ou appuyez sur
%(enter)s) pour marquer toutes les lignes de ce joueur dans les deux
listes&nbsp;; majuscules et minuscules sont confondues. Un clic sur une ligne
copie son nom dans la case.</li>
<li>%(today)s marque toutes les lignes jouées aujourd'hui.</li>
<li>%(unselect)s efface les marques.</li>
</ul>
<p>Tant que l'option <b>Voir les records</b> est cochée, la fenêtre des records
s'ouvre d'elle-même après une partie qui a établi de nouveaux records.</p>
"""),
    "statistics": ("Les statistiques", """
<p>Chaque partie <b>complète</b> est conservée dans l'historique des parties de cet
ordinateur&nbsp;; une partie arrêtée en route ne l'est pas, comme pour les records.
%(statistics)s (ou %(f7)s) ouvre la fenêtre «&nbsp;Korbo - Statistiques&nbsp;», qui
montre un joueur à la fois&nbsp;: choisissez-le dans la liste %(player_list)s en
haut de la fenêtre. Un joueur est un nom, majuscules et minuscules confondues&nbsp;;
un joueur ordinateur du même nom est tenu à part, comme <i>Anna
(ordinateur)</i>.</p>
<p>La ligne de chiffres sous la liste donne les parties jouées et gagnées (gagner,
c'est avoir seul le plus haut total d'une partie à deux joueurs ou plus), les
premières places partagées, le total moyen, le meilleur et le plus bas, l'écart
type, la part des parties où le bonus du haut a été obtenu, ainsi que les Korbos et
les Korbos en plus&nbsp;; à côté de la moyenne et du bonus figure ce qu'atteint le
meilleur jeu. Les chiffres du meilleur jeu viennent de 200&nbsp;000 parties jouées
par Korbo lui-même avec sa meilleure stratégie.</p>
<p>En dessous, quatre onglets montrent chacun un graphique avec, à côté, ses
chiffres sous forme de texte, que %(tab)s atteint et qu'un lecteur d'écran
lit&nbsp;:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>le total de chaque partie au fil du temps, avec la
moyenne des dix dernières parties&nbsp;;</dd>
<dt>%(tab_ranges)s</dt><dd>la fréquence de vos totaux dans chaque plage de 50
points, à côté de celle du meilleur jeu&nbsp;;</dd>
<dt>%(tab_categories)s</dt><dd>la moyenne de chaque catégorie à côté de celle du
meilleur jeu, en commençant par celle qui vous coûte le plus&nbsp;;</dd>
<dt>%(tab_coach)s</dt><dd>présent dès que des parties ont été jouées avec
l'entraîneur&nbsp;: les points que les choix ont coûtés dans chacune.</dd>
</dl>
<p>%(export)s enregistre tout l'historique dans un fichier CSV que les tableurs
savent ouvrir, avec une ligne par joueur et par partie. %(clear_player)s oublie les
parties du joueur choisi et %(clear_all)s toutes les parties, chacun après vous
avoir demandé confirmation&nbsp;; c'est définitif. Les listes de records restent
intactes.</p>
"""),
    "options": ("Options", """
<p>%(options)s vous permet de régler le jeu à votre goût.</p>
<dl>
<dt>Sons&nbsp;: Coupés / Activés / Loufoques</dt>
<dd>Aucun son, les sons normaux, ou des bruitages plus farfelus pour les mêmes
moments.</dd>
<dt>Dés muets</dt>
<dd>Garde les autres sons mais fait taire le roulement des dés.</dd>
<dt>Animation</dt>
<dd>Les dés roulent sur le plateau et glissent d'une rangée à l'autre.
Décochez-la pour jouer plus vite&nbsp;: les dés sautent directement à leur
place.</dd>
<dt>Boutons texte</dt>
<dd>Les boutons des catégories portent le nom des catégories au lieu
d'images.</dd>
<dt>Réticule</dt>
<dd>Un pointeur de souris en forme de réticule sur le plateau, au lieu de la
flèche.</dd>
<dt>1er lancer auto</dt>
<dd>Le premier lancer de chaque tour se fait tout seul.</dd>
<dt>Voir le meneur</dt>
<dd>Souligne le joueur en tête sur la feuille de marque pendant la partie.</dd>
<dt>Voir les records</dt>
<dd>Affiche les records après une partie qui en a établi de nouveaux.</dd>
<dt>Style des dés</dt>
<dd>Sept apparences pour les dés&nbsp;: <b>Standard</b>, <b>Classique</b>,
<b>Coccinelles</b>, <b>Arc-en-ciel</b>, <b>Boutons</b>, <b>Photo</b> et
<b>Personnalisé</b>. Chaque joueur garde le style avec lequel il joue&nbsp;:
choisissez un style pendant votre tour et vos dés l'adopteront à chacun de vos
tours, tandis que les autres gardent le leur &ndash; pratique pour voir d'un coup
d'œil à qui est le tour. Un style choisi hors partie est celui avec lequel tous
commencent, jusqu'à ce que chacun choisisse le sien.</dd>
</dl>
<h3>Vos propres dés</h3>
<p>Choisissez <b>Personnalisé</b> et cliquez sur %(import)s. Dans la fenêtre
«&nbsp;Korbo - Dés personnalisés&nbsp;» qui s'ouvre, cliquez sur une face (ou sur
le numéro au-dessus), cliquez sur %(load)s et choisissez une image pour cette
face, un fichier GIF ou icône (<code>.ico</code>)&nbsp;; faites de même pour les
autres faces, puis cliquez sur %(save)s. Les images doivent faire au plus <b>48 x 48
pixels</b> et donnent le meilleur résultat à exactement cette taille, sur un
<b>fond transparent</b>. Korbo garde sa propre copie de chaque image&nbsp;: vous pouvez
ensuite déplacer ou supprimer les originaux.</p>
"""),
    "computer": ("Joueurs ordinateur, indices et entraîneur", """
<h3>Joueurs ordinateur</h3>
<p>Cochez la case <b>PC</b> à côté d'un nom dans %(players)s et l'ordinateur joue
à cette place (au clavier, les cases PC viennent après %(cancel)s&nbsp;: %(tab)s
pour en atteindre une, %(space)s pour la cocher). Les joueurs ordinateur jouent
le meilleur jeu possible&nbsp;: à chaque lancer, ils calculent le choix qui
rapporte en moyenne le plus haut total final, en tenant compte de chaque
catégorie encore libre, du bonus, des jokers restants et des lancers à venir.
Ils jouent à un rythme que vous pouvez suivre et disent sur la ligne d'état ce
qu'ils font (<i>Bleu garde 5 5 5</i>, <i>Bleu joue un joker sur le 2</i>).
Pendant qu'un joueur ordinateur joue, le plateau ne répond pas à vos clics, mais
%(new)s arrête toujours la partie.</p>

<h3>Indice</h3>
<p>Pendant votre tour, une fois les dés sur le plateau, choisissez %(hint)s (ou
appuyez sur %(f5)s). La ligne d'état donne le meilleur coup suivant et le total
final que le meilleur jeu promet à partir d'ici (<i>Garder 6 6 et relancer : 404,4
points attendus</i>), et un anneau jaune marque les dés à garder, le dé pour un
joker ou la catégorie à inscrire, jusqu'à votre coup suivant. Un indice ne
déplace jamais un dé et n'inscrit jamais de score.</p>

<h3>Entraîneur</h3>
<p>Cochez %(coach)s et, après chacune de vos décisions &ndash; les dés gardés avant
un lancer, un joker, une inscription &ndash; qui n'était pas la meilleure, la ligne
d'état dit ce qu'elle vous a coûté en moyenne et quel était le meilleur choix
(<i>Doubles a coûté en moyenne 3,4 points à Anna ; meilleur choix : Suite.</i>).
À la fin d'une partie, la feuille de marque ajoute un bilan pour chaque
joueur&nbsp;: les points perdus face au meilleur jeu, et le pourcentage du total
attendu du meilleur jeu qu'il a atteint. Korbo se souvient de l'entraîneur d'une
partie à l'autre&nbsp;; les records sont les mêmes, qu'il soit activé ou non.</p>
"""),
    "hints": ("Conseils et astuces", """
<div class="tip"><b>Visez le bonus tôt.</b> Trois dés de chaque face dans les
catégories du haut ne font que %(three)d&nbsp;; quatre de chaque font %(four)d. Les
40 points du bonus à 80 demandent donc le plus souvent quatre dés
identiques &ndash; ou de gros Cinq et Six pour compenser de maigres As et Deux.
Remplissez les catégories du haut tant qu'il reste assez de manches
pour réessayer.</div>
<div class="tip"><b>Gardez la Chance pour un mauvais lancer.</b> La Chance prend
tout&nbsp;: c'est votre filet de sécurité pour un tour où rien d'autre ne va.
Utilisez-la trop tôt et vous devrez peut-être inscrire un 0 plus tard.</div>
<div class="tip"><b>Le Korbo rapporte encore.</b> Avec un Korbo inscrit à 60, chaque
série de six identiques qui suit vaut 60 de plus. Une fois que vous en avez un,
en chercher un autre vaut souvent d'y consacrer un tour entier.</div>
<div class="tip"><b>Où mettre le 0&nbsp;?</b> Quand il faut prendre un zéro,
placez-le là où vous aviez peu d'espoir de toute façon&nbsp;: les As ne vous coûtent
que quelques points, le Korbo ou la Suite sont souvent bien improbables en fin de
partie.</div>
<div class="tip"><b>Connaissez les recoupements.</b> Quatre dés identiques plus
une paire valent 40 en Doubles et forment déjà un Carré&nbsp;; cinq ou six
identiques vont en Carré, dans la catégorie du haut de leur face, en Brelan et
(pour six) en Korbo. Cliquez sur les boutons pour comparer &ndash; le premier clic
ne coûte rien.</div>
<div class="tip"><b>Économisez les jokers.</b> Un joker après le quatrième lancer
peut encore sauver un tour&nbsp;: un dé qui manque à une suite, ou le sixième dé
d'un Korbo.</div>
<div class="tip"><b>Écoutez les catégories.</b> Maintenez %(alt)s et cliquez sur
un bouton de catégorie pour entendre ses sons sans rien inscrire.</div>
"""),
    "keys": ("Clavier", """
<p>Tout, dans Korbo, peut se faire au clavier.</p>
<table class="keys">
%(rows)s
</table>

<h3>Avec un lecteur d'écran</h3>
<p>Korbo parle à un lecteur d'écran comme Orca sans déplacer le focus&nbsp;: chaque
nouvelle ligne de la ligne d'état (invitations, coups des joueurs ordinateur,
indices, coûts signalés par l'entraîneur, «&nbsp;Partie terminée&nbsp;»), et après
chaque lancer ou joker, les dés, la réserve d'abord, puis la piste, suivis de
l'invitation. Les lignes s'attendent les unes les autres&nbsp;: aucune n'est
coupée.</p>
<p>Un tour au clavier&nbsp;: %(t)s lance. Chaque dé est lu avec son numéro, sa face
et sa place, par exemple «&nbsp;Dé 3, cinq, en réserve&nbsp;»&nbsp;; %(one)s à
%(six)s gardent un dé ou le remettent en jeu, %(f)s sur un dé déplace tous les
dés de sa face, %(j)s joue un joker sur lui. Les touches fléchées mènent aux
catégories&nbsp;; chacune est lue avec le score qu'elle donnerait maintenant, ou
le score inscrit. Un appui sur %(space)s montre le score, un second l'inscrit.
%(l)s, %(d)s et %(w)s répètent la dernière ligne, disent les dés et disent à qui
est le tour&nbsp;; %(f6)s ouvre la feuille de marque.</p>
<p>%(ctrlf6)s emmène les touches dans la feuille de marque, un tableau avec le nom
des joueurs en tête des colonnes et les catégories, le sous-total, le bonus et
le total en tête des lignes&nbsp;: les touches fléchées vont de score en score, et
le lecteur d'écran nomme la ligne et le joueur quand ils changent&nbsp;; le total
du joueur en tête est suivi de «&nbsp;en tête&nbsp;». %(escape)s ferme la feuille et les
touches reviennent au plateau. Dans la fenêtre des records, chaque liste est lue
avec son titre et chaque ligne comme rang, nom, score et date.</p>
"""),
    "files": ("Où Korbo range ses fichiers", """
<p>Sous Linux, Korbo garde ce dont il se souvient dans votre dossier
personnel&nbsp;:</p>
<table>
<tr><th>Fichier</th><th>Ce qu'il contient</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>vos réglages&nbsp;: sons,
animation, style des dés et les autres options</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>les listes de records,
Coups d'éclat et Belles tentatives</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>l'historique des
parties, pour les statistiques (une base de données SQLite)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>vos dés personnalisés, une image par face (les icônes se terminent par
<code>.ico</code>)</td></tr>
</table>
<p>Pour repartir de zéro avec les records, supprimez <code>data.dat</code> pendant
que Korbo est fermé. %(clear_all)s, dans la fenêtre «&nbsp;Korbo -
Statistiques&nbsp;», fait repartir l'historique de zéro. Copiez le dossier pour
emporter vos records et votre historique sur un autre ordinateur.</p>
"""),
}
