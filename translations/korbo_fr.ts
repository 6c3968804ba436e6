<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>À propos de Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Site web :</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Aide/Bogues :</translation>
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
        <translation>Commencer</translation>
    </message>
</context>
<context>
    <name>korbo::BoardAccess</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Dé %1, %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Joker</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>pas encore lancé</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, en réserve</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, en jeu</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>rapporterait %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>a rapporté %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Lance les dés en jeu ou commence une partie</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Total des 1 (80 ou plus dans les catégories 1 à 6 : bonus de 40)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Total des 2 (80 ou plus dans les catégories 1 à 6 : bonus de 40)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Total des 3 (80 ou plus dans les catégories 1 à 6 : bonus de 40)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Total des 4 (80 ou plus dans les catégories 1 à 6 : bonus de 40)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Total des 5 (80 ou plus dans les catégories 1 à 6 : bonus de 40)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Total des 6 (80 ou plus dans les catégories 1 à 6 : bonus de 40)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Total de tous les dés si quatre sont identiques</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Doubles</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 points par paire, 40 points pour 3 paires</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Brelans</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 points pour trois dés identiques, 40 pour deux brelans</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Impairs</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Total des dés impairs, bonus de 11 pour 6 dés impairs</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Pairs</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Total des dés pairs, bonus de 10 pour 6 dés pairs</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 points pour une suite de 5 dés, 50 points pour une suite de 6</translation>
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
        <translation>Total des dés</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>6 dés identiques rapportent 60 points</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo, un jeu de dés pour un à six joueurs sur un même ordinateur.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Saisir les dés de chaque lancer et suivre les compteurs du jeu.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>Identique à --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>%n joker restant</numerusform>
            <numerusform>%n jokers restants</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Relancer les six dés</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Ne garder que %1 et relancer</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>Garder %1 et relancer</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Jouer un joker sur le %1</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>Inscrire en %1</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>relancer les six dés</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Relancer les six dés</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>garder %1</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>Garder %1</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>un joker sur le %1</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Un joker sur le %1</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1 : %2 points attendus</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>%1 a coûté en moyenne %3 points à %2 ; meilleur choix : %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 coûte en moyenne %2 points ; meilleur choix : %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1 a perdu en moyenne %2 points face au meilleur jeu : %3 % de ses %4 points.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 relance tous les dés</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 ne garde que %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 garde %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 joue un joker sur le %2</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 choisit %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1er lancer</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2e lancer</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3e lancer</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4e lancer</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>Dernier tour pour %1</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1er</translation>
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
        <translation>%2 tour pour %1</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>À vous de jouer, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Triez vos dés et relancez, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Lancez encore, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>Plus qu&apos;un lancer pour ce tour, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Fini de lancer, %1 : choisissez votre catégorie</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Joker - Permet de relancer un dé à tout moment de la partie</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Déposez le joker sur le dé que vous voulez relancer</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Jouer un joker sur ce dé</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>Vous avez déjà marqué dans cette catégorie !</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Lancez d&apos;abord les dés !</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1 rapporterait %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1 a rapporté %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Aucun dé lancé pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>En réserve : %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>Sur la piste : %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, manche %2 sur %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Bienvenue dans Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 est %2, pas un fichier. Korbo le laisse tel quel et ne garde aucun historique des parties tant qu&apos;il est là.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>L&apos;historique des parties dans %1 a été écrit par une version plus récente de Korbo. Il est laissé tel quel, et cette version ne garde aucun historique des parties.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo n&apos;a pas pu lire l&apos;historique des parties et n&apos;en garde aucun pendant cette session :</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>L&apos;historique des parties était endommagé ; un nouveau est commencé.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Le fichier endommagé n&apos;a pas pu être mis de côté :</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Le fichier d&apos;origine est conservé sous</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo n&apos;a pas pu garder cette partie dans l&apos;historique des parties :</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo n&apos;a pas pu effacer l&apos;historique des parties :</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Entraîneur</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>Im&amp;primer la feuille de marque</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Joueurs...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Feuille de marque</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Aller à la feuille de marque</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>Ré&amp;péter la dernière ligne</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>Dire les &amp;dés</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Dire le &amp;tour</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>Di&amp;sposer les fenêtres</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>Langue du &amp;bureau</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 est %2 et non un fichier ordinaire. Korbo le laisse tel quel : les réglages sont ceux par défaut et ne pourront pas être enregistrés tant qu&apos;il sera là.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Korbo n&apos;a pas pu enregistrer les records :</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Quitter Korbo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Voulez-vous vraiment quitter Korbo ?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Korbo n&apos;a pas pu enregistrer :</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Imprimer la feuille de marque</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>La page d&apos;aide korbo.htm ne se trouve pas là où le jeu a été installé.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>Impossible de changer les joueurs pendant une partie</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Abandonner la partie en cours ?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Arrêter cette partie ?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>La table du meilleur jeu de Korbo est inutilisable :</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Les joueurs ordinateur joueront chaque tour pour ses seuls points, et les menus Indice et Entraîneur sont indisponibles.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Dés de test</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Saisissez 6 dés</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>&amp;Zoom avant</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>Taille ré&amp;elle</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Ple&amp;in écran</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>Zoo&amp;m arrière</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Statisti&amp;ques...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Coupés</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activés</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Loufoques</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Coccinelles</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Arc-en-ciel</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Boutons</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Personnalisé</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Korbo - Options</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Sons coupés</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Sons rigolos</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Sons très rigolos</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Dés muets</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Pour des dés plus bondissants</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Boutons texte</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...au lieu des jolis boutons illustrés</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Réticule</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...au lieu de la flèche habituelle de la souris</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>1er lancer auto</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>Le 1er lancer de chaque tour se fait tout seul</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Voir le meneur</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Souligner le nom du joueur en tête sur la feuille de marque pendant toute la partie</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Voir les records</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>Afficher les NOUVEAUX records en fin de partie</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Style des dés</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Importer vos propres dés</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Choisir un autre style de dés</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Importer ...</translation>
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
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Joueur %1 joué par le PC</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1 joué par le PC</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 est %2 et non un fichier ordinaire. Korbo le laisse tel quel : les listes de records démarrent vides et ne pourront pas être enregistrées tant qu&apos;il sera là.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Le fichier des records n&apos;a pas pu être lu. Les listes démarrent vides.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>Le fichier des records était endommagé : %n ligne n&apos;a pas pu être lue et a été écartée des listes.</numerusform>
            <numerusform>Le fichier des records était endommagé : %n lignes n&apos;ont pas pu être lues et ont été écartées des listes.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>Le fichier des records était endommagé, mais tous ses records ont pu être lus.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Le fichier n&apos;a pas pu être mis de côté et sera réécrit :</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Le fichier d&apos;origine est conservé sous</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>Le fichier des records a été endommagé pendant que Korbo tournait. Le fichier d&apos;origine est conservé sous</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Korbo - Records</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Coups d&apos;éclat</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Belles tentatives</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Rang, nom, score, date</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Désélectionner</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Chercher :</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Nom à chercher</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>un lien impossible à suivre (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un lien vers %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>c&apos;est %1 et non un fichier ordinaire ; il est laissé tel quel</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, en tête</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Feuille de marque</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Korbo - Feuille de marque</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Korbo - Statistiques</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>E&amp;ffacer le joueur...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>Effacer &amp;tout...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (ordinateur)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Aucune partie terminée pour l&apos;instant.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n partie : %1 gagnée, première place partagée %2. Moyenne %3 (meilleur jeu %4), meilleur total %5, plus bas %6, écart type %7. Bonus du haut dans %8 % des parties (meilleur jeu %9 %). Korbos %10, Korbos en plus %11.</numerusform>
            <numerusform>%n parties : %1 gagnées, première place partagée %2. Moyenne %3 (meilleur jeu %4), meilleur total %5, plus bas %6, écart type %7. Bonus du haut dans %8 % des parties (meilleur jeu %9 %). Korbos %10, Korbos en plus %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>T&amp;otaux</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Plages</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Catégories</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>&amp;Entraîneur</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Moyenne de la dernière partie</numerusform>
            <numerusform>Moyenne des %n dernières parties</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Totaux de %n partie du %1 au %2. La moyenne des %3 dernières parties est %4.</numerusform>
            <numerusform>Totaux de %n parties du %1 au %2. La moyenne des %3 dernières parties est %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Vos parties, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Meilleur jeu, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>De %1 à %2 : %3 % (meilleur jeu %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>La plupart de vos totaux, %1 %, vont de %2 à %3. La moyenne du meilleur jeu est %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Votre moyenne</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Meilleur jeu</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1 : %2 (meilleur jeu %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>%1 vous coûte le plus : %2 points par partie contre %3 au meilleur jeu.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Points perdus face au meilleur jeu</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>Sur %n partie avec l&apos;entraîneur, vos choix vous ont coûté en moyenne %1 points par partie ; la dernière, %2.</numerusform>
            <numerusform>Sur %n parties avec l&apos;entraîneur, vos choix vous ont coûté en moyenne %1 points par partie ; la dernière, %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Oublier toutes les parties de %1 ? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Oublier toutes les parties de tous les joueurs ? Cela ne peut pas être annulé.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Graphiques</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Korbo - Dés personnalisés</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>&amp;Charger une image ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Images icône ou GIF (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>À savoir pour créer des dés personnalisés pour Korbo :</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- L&apos;image doit être au format GIF ou icône.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Taille maximale : 48x48 pixels</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Pour un meilleur rendu, choisissez un fond transparent</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Pour la face %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Korbo - Dés personnalisés !</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Choisissez un dé à modifier !</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Choisissez un GIF ou un ICO pour le dé n° %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Korbo - Dés personnalisés</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Variables</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Occupé</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Évaluation des catégories par le PC</translation>
    </message>
    <message>
        <source>true</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>False</source>
        <translation>non</translation>
    </message>
</context>
</TS>
