<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>korbo::AboutWindow</name>
    <message>
        <source>About Korbo</source>
        <translation>О программе Korbo</translation>
    </message>
    <message>
        <source>Homepage :</source>
        <translation>Сайт:</translation>
    </message>
    <message>
        <source>Support/Bugs? :</source>
        <translation>Помощь/ошибки:</translation>
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
        <translation>Начать игру</translation>
    </message>
</context>
<context>
    <name>korbo::BoardAccess</name>
    <message>
        <source>Die %1, %2</source>
        <translation>Кубик %1, %2</translation>
    </message>
    <message>
        <source>Joker</source>
        <translation>Джокер</translation>
    </message>
    <message>
        <source>not thrown</source>
        <translation>не брошен</translation>
    </message>
    <message>
        <source>one</source>
        <translation>один</translation>
    </message>
    <message>
        <source>two</source>
        <translation>два</translation>
    </message>
    <message>
        <source>three</source>
        <translation>три</translation>
    </message>
    <message>
        <source>four</source>
        <translation>четыре</translation>
    </message>
    <message>
        <source>five</source>
        <translation>пять</translation>
    </message>
    <message>
        <source>six</source>
        <translation>шесть</translation>
    </message>
    <message>
        <source>%1, held</source>
        <extracomment>a die&apos;s face and where it lies: &quot;five, held&quot;</extracomment>
        <translation>%1, отложен</translation>
    </message>
    <message>
        <source>%1, in play</source>
        <translation>%1, в игре</translation>
    </message>
    <message>
        <source>would score %1</source>
        <translation>получится %1</translation>
    </message>
    <message>
        <source>scored %1</source>
        <translation>записано %1</translation>
    </message>
</context>
<context>
    <name>korbo::BoardView</name>
    <message>
        <source>Throws the dice in play, or starts a game</source>
        <translation>Бросает кубики из зоны броска или начинает игру</translation>
    </message>
</context>
<context>
    <name>korbo::Category</name>
    <message>
        <source>Ones</source>
        <translation>Единицы</translation>
    </message>
    <message>
        <source>Score all 1&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Сумма всех единиц (за 80+ в категориях 1–6 — бонус 40)</translation>
    </message>
    <message>
        <source>Twos</source>
        <translation>Двойки</translation>
    </message>
    <message>
        <source>Score all 2&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Сумма всех двоек (за 80+ в категориях 1–6 — бонус 40)</translation>
    </message>
    <message>
        <source>Threes</source>
        <translation>Тройки</translation>
    </message>
    <message>
        <source>Score all 3&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Сумма всех троек (за 80+ в категориях 1–6 — бонус 40)</translation>
    </message>
    <message>
        <source>Fours</source>
        <translation>Четвёрки</translation>
    </message>
    <message>
        <source>Score all 4&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Сумма всех четвёрок (за 80+ в категориях 1–6 — бонус 40)</translation>
    </message>
    <message>
        <source>Fives</source>
        <translation>Пятёрки</translation>
    </message>
    <message>
        <source>Score all 5&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Сумма всех пятёрок (за 80+ в категориях 1–6 — бонус 40)</translation>
    </message>
    <message>
        <source>Sixes</source>
        <translation>Шестёрки</translation>
    </message>
    <message>
        <source>Score all 6&apos;s (80+ for categories 1-6 get 40 bonus)</source>
        <translation>Сумма всех шестёрок (за 80+ в категориях 1–6 — бонус 40)</translation>
    </message>
    <message>
        <source>Quad</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Quads</source>
        <translation>Каре</translation>
    </message>
    <message>
        <source>Score the face value of all dice if there is 4 the same</source>
        <translation>Сумма очков всех кубиков, если среди них 4 одинаковых</translation>
    </message>
    <message>
        <source>Twins</source>
        <translation>Двойняшки</translation>
    </message>
    <message>
        <source>10 points for each pair, 40 points for 3 pairs</source>
        <translation>10 очков за каждую пару, 40 очков за 3 пары</translation>
    </message>
    <message>
        <source>Triples</source>
        <translation>Тройняшки</translation>
    </message>
    <message>
        <source>Triplets</source>
        <translation>Тройняшки</translation>
    </message>
    <message>
        <source>15 points for a set of three, 40 for two sets</source>
        <translation>15 очков за три одинаковых кубика, 40 — за два таких набора</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Нечётные</translation>
    </message>
    <message>
        <source>Score all odd dice, bonus 11 for 6 odd dice</source>
        <translation>Сумма нечётных кубиков, бонус 11 за 6 нечётных</translation>
    </message>
    <message>
        <source>Evens</source>
        <translation>Чётные</translation>
    </message>
    <message>
        <source>Score all even dice, bonus 10 for 6 even dice</source>
        <translation>Сумма чётных кубиков, бонус 10 за 6 чётных</translation>
    </message>
    <message>
        <source>Flush</source>
        <translation>Стрит</translation>
    </message>
    <message>
        <source>35 points for a run of 5 dice, 50 points for a run of 6</source>
        <translation>35 очков за стрит из 5 кубиков, 50 очков за стрит из 6</translation>
    </message>
    <message>
        <source>PotLuck</source>
        <translation>Шанс</translation>
    </message>
    <message>
        <source>Pot Luck</source>
        <translation>Шанс</translation>
    </message>
    <message>
        <source>Score the face value of the dice</source>
        <translation>Сумма очков всех кубиков</translation>
    </message>
    <message>
        <source>Korbo</source>
        <translation>Korbo</translation>
    </message>
    <message>
        <source>6 dice the same scores 60 points</source>
        <translation>6 одинаковых кубиков дают 60 очков</translation>
    </message>
</context>
<context>
    <name>korbo::CommandLine</name>
    <message>
        <source>Korbo, a dice game for one to six players at one machine.</source>
        <translation>Korbo — игра в кубики для одного–шести игроков за одним компьютером.</translation>
    </message>
    <message>
        <source>Type in the dice of every throw, and watch the game&apos;s counters.</source>
        <translation>Вводить кубики каждого броска вручную и следить за счётчиками игры.</translation>
    </message>
    <message>
        <source>The same as --debug.</source>
        <translation>То же, что --debug.</translation>
    </message>
</context>
<context>
    <name>korbo::DiceText</name>
    <message numerus="yes">
        <source>%n joker(s) left</source>
        <translation>
            <numerusform>остался %n джокер</numerusform>
            <numerusform>осталось %n джокера</numerusform>
            <numerusform>осталось %n джокеров</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>korbo::Game</name>
    <message>
        <source>Throw all six again</source>
        <translation>Перебросьте все шесть</translation>
    </message>
    <message>
        <source>Hold only %1 and throw</source>
        <translation>Отложите только %1 и бросайте</translation>
    </message>
    <message>
        <source>Hold %1 and throw</source>
        <translation>Отложите %1 и бросайте</translation>
    </message>
    <message>
        <source>Play a joker on the %1</source>
        <translation>Перебросьте %1 джокером</translation>
    </message>
    <message>
        <source>Enter %1</source>
        <translation>Запишите в категорию %1</translation>
    </message>
    <message>
        <source>throwing all six</source>
        <translation>перебросить все шесть</translation>
    </message>
    <message>
        <source>Throwing all six</source>
        <translation>Перебросить все шесть</translation>
    </message>
    <message>
        <source>holding %1</source>
        <translation>отложить %1</translation>
    </message>
    <message>
        <source>Holding %1</source>
        <translation>Отложить %1</translation>
    </message>
    <message>
        <source>a joker on the %1</source>
        <translation>перебросить %1 джокером</translation>
    </message>
    <message>
        <source>A joker on the %1</source>
        <translation>Перебросить %1 джокером</translation>
    </message>
    <message>
        <source>%1: %2 expected</source>
        <extracomment>a hint: what to do, then the points best play expects from here</extracomment>
        <translation>%1: ожидается %2</translation>
    </message>
    <message>
        <source>%1 cost %2 %3 points on average; %4 was best.</source>
        <translation>Категория %1: %2 теряет в среднем %3 очка; лучший ход: %4.</translation>
    </message>
    <message>
        <source>%1 costs %2 points on average; %3 was best</source>
        <translation>%1 — это в среднем на %2 очка меньше; лучший ход: %3</translation>
    </message>
    <message>
        <source>%1 lost %2 points on average against best play: %3% of its %4.</source>
        <translation>%1: в среднем на %2 очка меньше, чем при лучшей игре; это %3 % от её %4.</translation>
    </message>
    <message>
        <source>%1 throws all the dice again</source>
        <translation>%1 перебрасывает все кубики</translation>
    </message>
    <message>
        <source>%1 holds only %2</source>
        <translation>%1 откладывает только %2</translation>
    </message>
    <message>
        <source>%1 holds %2</source>
        <translation>%1 откладывает %2</translation>
    </message>
    <message>
        <source>%1 plays a joker on the %2</source>
        <translation>%1 перебрасывает %2 джокером</translation>
    </message>
    <message>
        <source>%1 chooses %2</source>
        <translation>%1 выбирает категорию %2</translation>
    </message>
    <message>
        <source>1st Throw</source>
        <translation>1-й бросок</translation>
    </message>
    <message>
        <source>2nd Throw</source>
        <translation>2-й бросок</translation>
    </message>
    <message>
        <source>3rd Throw</source>
        <translation>3-й бросок</translation>
    </message>
    <message>
        <source>4th Throw</source>
        <translation>4-й бросок</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Начать игру</translation>
    </message>
    <message>
        <source>%1&apos;s last go</source>
        <translation>%1, последний ход</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1-й</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2-й</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3-й</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4-й</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5-й</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6-й</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7-й</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8-й</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9-й</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10-й</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11-й</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12-й</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13-й</translation>
    </message>
    <message>
        <source>%1&apos;s %2 turn</source>
        <extracomment>the window&apos;s title for a turn, &quot;Ann&apos;s 1st turn&quot;; %2 is the round&apos;s ordinal</extracomment>
        <translation>%1, %2 ход</translation>
    </message>
    <message>
        <source>Off you go, %1</source>
        <translation>Ваш ход, %1</translation>
    </message>
    <message>
        <source>Sort your dice and throw again, %1</source>
        <translation>Разложите кубики и бросайте снова, %1</translation>
    </message>
    <message>
        <source>Have another throw, %1</source>
        <translation>Бросайте ещё раз, %1</translation>
    </message>
    <message>
        <source>One more throw left on this go, %1</source>
        <translation>В этом ходе остался последний бросок, %1</translation>
    </message>
    <message>
        <source>Throwing over %1, choose your catagory</source>
        <translation>Броски закончились, %1, выберите категорию</translation>
    </message>
    <message>
        <source>Joker - Use one to re-throw any die at any point in the game</source>
        <translation>Джокер — перебросьте им любой кубик в любой момент игры</translation>
    </message>
    <message>
        <source>Drop the Joker on the Die you would like to throw again</source>
        <translation>Положите джокер на кубик, который хотите перебросить</translation>
    </message>
    <message>
        <source>Play a joker on this Die</source>
        <translation>Перебросьте этот кубик джокером</translation>
    </message>
    <message>
        <source>You already scored on that catagory!</source>
        <translation>Эта категория уже заполнена!</translation>
    </message>
    <message>
        <source>Throw some dice first!</source>
        <translation>Сначала бросьте кубики!</translation>
    </message>
    <message>
        <source>%1 would score %2</source>
        <translation>%1: получится %2</translation>
    </message>
    <message>
        <source>%1 scored %2</source>
        <translation>%1: записано %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Korbo v%1</source>
        <translation>Korbo v%1</translation>
    </message>
    <message>
        <source>No dice thrown yet.</source>
        <translation>Кубики ещё не брошены.</translation>
    </message>
    <message>
        <source>Held %1.</source>
        <translation>Отложены: %1.</translation>
    </message>
    <message>
        <source>Thrown %1.</source>
        <translation>Брошены: %1.</translation>
    </message>
    <message>
        <source>%1, round %2 of %3, %4.</source>
        <extracomment>&quot;Ann&apos;s 1st turn, round 1 of 14, 3 jokers left.&quot;</extracomment>
        <translation>%1, раунд %2 из %3, %4.</translation>
    </message>
    <message>
        <source>Welcome to Korbo</source>
        <translation>Добро пожаловать в Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::HistoryStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is, and keeps no history of games while it is there.</source>
        <translation>%1 — это %2, а не файл. Korbo оставляет его как есть и не ведёт историю игр, пока он там.</translation>
    </message>
    <message>
        <source>The history of games in %1 was written by a newer version of Korbo. It is left as it is, and this version keeps no history of games.</source>
        <translation>История игр в %1 записана более новой версией Korbo. Она остаётся как есть, а эта версия не ведёт историю игр.</translation>
    </message>
    <message>
        <source>Korbo could not read the history of games, and keeps none in this run:</source>
        <translation>Korbo не удалось прочитать историю игр, и в этом сеансе она не ведётся:</translation>
    </message>
    <message>
        <source>The history of games was damaged, and a new one is begun.</source>
        <translation>История игр была повреждена; начата новая.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept aside:</source>
        <translation>Не удалось отложить повреждённый файл:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Прежний файл сохранён как</translation>
    </message>
    <message>
        <source>Korbo could not keep this game in the history of games:</source>
        <translation>Korbo не удалось сохранить эту игру в истории игр:</translation>
    </message>
    <message>
        <source>Korbo could not clear the history of games:</source>
        <translation>Korbo не удалось очистить историю игр:</translation>
    </message>
</context>
<context>
    <name>korbo::MainWindow</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Тренер</translation>
    </message>
    <message>
        <source>&amp;Print Scores</source>
        <translation>Пе&amp;чать таблицы очков</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Players...</source>
        <translation>&amp;Игроки...</translation>
    </message>
    <message>
        <source>&amp;Scores</source>
        <translation>&amp;Таблица очков</translation>
    </message>
    <message>
        <source>&amp;Go to Scores</source>
        <translation>&amp;Перейти к таблице очков</translation>
    </message>
    <message>
        <source>&amp;Records</source>
        <translation>&amp;Рекорды</translation>
    </message>
    <message>
        <source>Say Agai&amp;n</source>
        <translation>Озвучить &amp;снова</translation>
    </message>
    <message>
        <source>Say &amp;Dice</source>
        <translation>Озвучить &amp;кубики</translation>
    </message>
    <message>
        <source>Say &amp;Turn</source>
        <translation>Озвучить &amp;ход</translation>
    </message>
    <message>
        <source>&amp;Arrange</source>
        <translation>&amp;Упорядочить окна</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>How to &amp;Play</source>
        <translation>&amp;Как играть</translation>
    </message>
    <message>
        <source>Check online for &amp;Update</source>
        <translation>&amp;Проверить обновления</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе Korbo</translation>
    </message>
    <message>
        <source>The &amp;Desktop&apos;s Language</source>
        <translation>&amp;Язык системы</translation>
    </message>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the settings are the defaults, and cannot be saved while it is there.</source>
        <translation>%1 — %2, а не обычный файл. Korbo ничего там не трогает: действуют настройки по умолчанию, и сохранить их не получится, пока это так.</translation>
    </message>
    <message>
        <source>Korbo could not save the records:</source>
        <translation>Korbo не удалось сохранить рекорды:</translation>
    </message>
    <message>
        <source>Quit Korbo</source>
        <translation>Выход из Korbo</translation>
    </message>
    <message>
        <source>Are you sure you want to quit?</source>
        <translation>Вы действительно хотите выйти из Korbo?</translation>
    </message>
    <message>
        <source>Korbo could not save:</source>
        <translation>Korbo не удалось сохранить:</translation>
    </message>
    <message>
        <source>Print Scores</source>
        <translation>Печать таблицы очков</translation>
    </message>
    <message>
        <source>How to Play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>The help page korbo.htm is not where the game was installed.</source>
        <translation>Страницы справки korbo.htm нет там, куда установлена игра.</translation>
    </message>
    <message>
        <source>Can&apos;t change players in a game</source>
        <translation>Во время игры нельзя менять игроков</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Завершить текущую игру?</translation>
    </message>
    <message>
        <source>Stop this game?</source>
        <translation>Прервать эту игру?</translation>
    </message>
    <message>
        <source>Korbo&apos;s table of best play cannot be used:</source>
        <translation>Не удаётся использовать таблицу лучшей игры Korbo:</translation>
    </message>
    <message>
        <source>Computer players will play each turn for that turn&apos;s points alone, and Hint and Coach are not available.</source>
        <translation>Компьютерные игроки будут в каждом ходе добиваться только очков этого хода, а подсказка и тренер будут недоступны.</translation>
    </message>
    <message>
        <source>Test Dice</source>
        <translation>Тестовые кубики</translation>
    </message>
    <message>
        <source>Enter 6 dice</source>
        <translation>Введите значения 6 кубиков</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>К&amp;лавиши</translation>
    </message>
    <message>
        <source>&amp;Zoom In</source>
        <translation>Увели&amp;чить</translation>
    </message>
    <message>
        <source>A&amp;ctual Size</source>
        <translation>&amp;Обычный размер</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>Во &amp;весь экран</translation>
    </message>
    <message>
        <source>Zoom O&amp;ut</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>Stat&amp;istics...</source>
        <translation>Ст&amp;атистика...</translation>
    </message>
</context>
<context>
    <name>korbo::Options</name>
    <message>
        <source>Off</source>
        <translation>Выключены</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Включены</translation>
    </message>
    <message>
        <source>Zany</source>
        <translation>Безумные</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандарт</translation>
    </message>
    <message>
        <source>Traditional</source>
        <translation>Классика</translation>
    </message>
    <message>
        <source>Ladybirds</source>
        <translation>Божьи коровки</translation>
    </message>
    <message>
        <source>Rainbow</source>
        <translation>Радуга</translation>
    </message>
    <message>
        <source>Buttons</source>
        <translation>Пуговицы</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>User Defined</source>
        <translation>Свои</translation>
    </message>
</context>
<context>
    <name>korbo::OptionsDialog</name>
    <message>
        <source>Korbo Options</source>
        <translation>Настройки Korbo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Sounds Off</source>
        <translation>Без звуков</translation>
    </message>
    <message>
        <source>Silly Sounds</source>
        <translation>Забавные звуки</translation>
    </message>
    <message>
        <source>Very Silly Sounds</source>
        <translation>Очень забавные звуки</translation>
    </message>
    <message>
        <source>Mute Dice</source>
        <translation>Тихие кубики</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>For bouncier dice</source>
        <translation>Чтобы кубики прыгали живее</translation>
    </message>
    <message>
        <source>Text Buttons</source>
        <translation>Простые кнопки</translation>
    </message>
    <message>
        <source>...instead of fancy graphical ones</source>
        <translation>...вместо нарядных картинок</translation>
    </message>
    <message>
        <source>Crosshair</source>
        <translation>Перекрестие</translation>
    </message>
    <message>
        <source>...instead of standard arrow mouse pointer</source>
        <translation>...вместо обычной стрелки мыши</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Auto 1st Throw</source>
        <translation>Авто 1-й бросок</translation>
    </message>
    <message>
        <source>1st dice throw thrown automatically</source>
        <translation>Первый бросок делается автоматически</translation>
    </message>
    <message>
        <source>Show Leader</source>
        <translation>Показ лидера</translation>
    </message>
    <message>
        <source>Underline current winner&apos;s name on scoreboard throughout game</source>
        <translation>Всю игру подчёркивать в таблице очков имя лидера</translation>
    </message>
    <message>
        <source>Show Records</source>
        <translation>Показ рекордов</translation>
    </message>
    <message>
        <source>Pop up NEW Records at end of game</source>
        <translation>Показывать НОВЫЕ рекорды в конце игры</translation>
    </message>
    <message>
        <source>Dice Style</source>
        <translation>Стиль кубиков</translation>
    </message>
    <message>
        <source>Import your own dice</source>
        <translation>Загрузить свои кубики</translation>
    </message>
    <message>
        <source>Select different dice style</source>
        <translation>Выбрать другой стиль кубиков</translation>
    </message>
    <message>
        <source>Import ...</source>
        <translation>Импорт ...</translation>
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
        <translation>Имена игроков</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Имя игрока %1</translation>
    </message>
    <message>
        <source>Player %1 played by the PC</source>
        <translation>Игрок %1: играет ПК</translation>
    </message>
    <message>
        <source>%1 played by the PC</source>
        <translation>%1: играет ПК</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>ПК</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsStore</name>
    <message>
        <source>%1 is %2, not a file. Korbo leaves it as it is: the records lists start empty, and cannot be saved while it is there.</source>
        <translation>%1 — %2, а не обычный файл. Korbo ничего там не трогает: списки рекордов будут пустыми, и сохранить их не получится, пока это так.</translation>
    </message>
    <message>
        <source>The records file could not be read. The lists start empty.</source>
        <translation>Не удалось прочитать файл рекордов. Списки будут пустыми.</translation>
    </message>
    <message numerus="yes">
        <source>The records file was damaged: %n of its lines could not be read and are left out of the lists.</source>
        <translation>
            <numerusform>Файл рекордов был повреждён: %n строку не удалось прочитать, и она не вошла в списки.</numerusform>
            <numerusform>Файл рекордов был повреждён: %n строки не удалось прочитать, и они не вошли в списки.</numerusform>
            <numerusform>Файл рекордов был повреждён: %n строк не удалось прочитать, и они не вошли в списки.</numerusform>
        </translation>
    </message>
    <message>
        <source>The records file was damaged, but every record in it could be read.</source>
        <translation>Файл рекордов был повреждён, но все записи в нём удалось прочитать.</translation>
    </message>
    <message>
        <source>The file could not be kept aside, and will be written anew:</source>
        <translation>Сохранить копию файла не удалось, он будет записан заново:</translation>
    </message>
    <message>
        <source>The file as it was is kept as</source>
        <translation>Прежний файл сохранён как</translation>
    </message>
    <message>
        <source>The records file was damaged while Korbo ran. The file as it was is kept as</source>
        <translation>Файл рекордов был повреждён во время работы Korbo. Прежний файл сохранён как</translation>
    </message>
</context>
<context>
    <name>korbo::RecordsWindow</name>
    <message>
        <source>Korbo Records</source>
        <translation>Рекорды Korbo</translation>
    </message>
    <message>
        <source>Brilliant Highs</source>
        <translation>Лучшие из лучших</translation>
    </message>
    <message>
        <source>Super Tries</source>
        <translation>Отважные попытки</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Position, name, score, date</source>
        <translation>Место, имя, очки, дата</translation>
    </message>
    <message>
        <source>Unselect</source>
        <translation>Снять выбор</translation>
    </message>
    <message>
        <source>Find Today&apos;s</source>
        <translation>За сегодня</translation>
    </message>
    <message>
        <source>Find Name:</source>
        <translation>Найти имя:</translation>
    </message>
    <message>
        <source>Name to find</source>
        <translation>Имя для поиска</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>korbo::SaveFile</name>
    <message>
        <source>a folder</source>
        <translation>каталог</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>именованный канал</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>устройство</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>сокет</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>особый файл</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>ссылка в никуда</translation>
    </message>
    <message>
        <source>a link that cannot be followed (%1)</source>
        <translation>ссылка, по которой не удаётся перейти (%1)</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>ссылка на %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>не удаётся создать каталог %1</translation>
    </message>
    <message>
        <source>it is %1, not a file, and is left as it is</source>
        <translation>это %1, а не обычный файл; Korbo ничего не меняет</translation>
    </message>
</context>
<context>
    <name>korbo::ScoreTable</name>
    <message>
        <source>%1, in the lead</source>
        <translation>%1, лидирует</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Таблица очков</translation>
    </message>
</context>
<context>
    <name>korbo::ScoresWindow</name>
    <message>
        <source>Korbo Scores</source>
        <translation>Таблица очков Korbo</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Сумма 1–6</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Бонус</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
</context>
<context>
    <name>korbo::StatisticsWindow</name>
    <message>
        <source>Korbo Statistics</source>
        <translation>Статистика Korbo</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Игрок:</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>C&amp;lear Player...</source>
        <translation>&amp;Очистить игрока...</translation>
    </message>
    <message>
        <source>Clear &amp;All...</source>
        <translation>Очистить &amp;всё...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 (computer)</source>
        <translation>%1 (компьютер)</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Завершённых игр пока нет.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s): won %1, shared first place %2. Average %3 (best play %4), best %5, lowest %6, standard deviation %7. Upper bonus in %8 % of games (best play %9 %). Korbos %10, extra Korbos %11.</source>
        <translation>
            <numerusform>%n игра: побед %1, первое место поровну %2. Среднее %3 (лучшая игра %4), лучший итог %5, худший %6, стандартное отклонение %7. Бонус за верх в %8 % игр (лучшая игра %9 %). Korbo %10, дополнительных Korbo %11.</numerusform>
            <numerusform>%n игры: побед %1, первое место поровну %2. Среднее %3 (лучшая игра %4), лучший итог %5, худший %6, стандартное отклонение %7. Бонус за верх в %8 % игр (лучшая игра %9 %). Korbo %10, дополнительных Korbo %11.</numerusform>
            <numerusform>%n игр: побед %1, первое место поровну %2. Среднее %3 (лучшая игра %4), лучший итог %5, худший %6, стандартное отклонение %7. Бонус за верх в %8 % игр (лучшая игра %9 %). Korbo %10, дополнительных Korbo %11.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Totals</source>
        <translation>Ито&amp;ги</translation>
    </message>
    <message>
        <source>&amp;Ranges</source>
        <translation>&amp;Диапазоны</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>&amp;Категории</translation>
    </message>
    <message>
        <source>C&amp;oach</source>
        <translation>&amp;Тренер</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message numerus="yes">
        <source>Average of the last %n game(s)</source>
        <translation>
            <numerusform>Среднее за последнюю %n игру</numerusform>
            <numerusform>Среднее за последние %n игры</numerusform>
            <numerusform>Среднее за последние %n игр</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Totals of %n game(s) from %1 to %2. The average of the last %3 games is %4.</source>
        <translation>
            <numerusform>Итоги %n игры с %1 по %2. Среднее за последние %3 игр — %4.</numerusform>
            <numerusform>Итоги %n игр с %1 по %2. Среднее за последние %3 игр — %4.</numerusform>
            <numerusform>Итоги %n игр с %1 по %2. Среднее за последние %3 игр — %4.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your games, %</source>
        <translation>Ваши игры, %</translation>
    </message>
    <message>
        <source>Best play, %</source>
        <translation>Лучшая игра, %</translation>
    </message>
    <message>
        <source>%1 to %2: %3 % (best play %4 %)</source>
        <translation>От %1 до %2: %3 % (лучшая игра %4 %)</translation>
    </message>
    <message>
        <source>Most of your totals, %1 %, lie from %2 to %3. Best play&apos;s average is %4.</source>
        <translation>Больше всего ваших итогов, %1 %, — от %2 до %3. Среднее лучшей игры — %4.</translation>
    </message>
    <message>
        <source>Your average</source>
        <translation>Ваше среднее</translation>
    </message>
    <message>
        <source>Best play</source>
        <translation>Лучшая игра</translation>
    </message>
    <message>
        <source>%1: %2 (best play %3)</source>
        <translation>%1: %2 (лучшая игра %3)</translation>
    </message>
    <message>
        <source>%1 costs you most: %2 points a game against best play&apos;s %3.</source>
        <translation>Больше всего вы теряете в категории %1: %2 очка за игру против %3 при лучшей игре.</translation>
    </message>
    <message>
        <source>Points lost against best play</source>
        <translation>Потеря очков по сравнению с лучшей игрой</translation>
    </message>
    <message numerus="yes">
        <source>In %n coached game(s) your choices cost %1 points a game on average; the last cost %2.</source>
        <translation>
            <numerusform>В %n игре с тренером ваши решения стоили в среднем %1 очка за игру; последняя — %2.</numerusform>
            <numerusform>В %n играх с тренером ваши решения стоили в среднем %1 очка за игру; последняя — %2.</numerusform>
            <numerusform>В %n играх с тренером ваши решения стоили в среднем %1 очка за игру; последняя — %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Экспорт истории игр</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Значения через запятую (*.csv)</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Очистка истории игр</translation>
    </message>
    <message>
        <source>Forget every game of %1? This cannot be undone.</source>
        <translation>Забыть все игры игрока %1? Это нельзя отменить.</translation>
    </message>
    <message>
        <source>Forget every game of every player? This cannot be undone.</source>
        <translation>Забыть все игры всех игроков? Это нельзя отменить.</translation>
    </message>
    <message>
        <source>Plots</source>
        <translation>Графики</translation>
    </message>
</context>
<context>
    <name>korbo::UserDiceDialog</name>
    <message>
        <source>Korbo User Defined Dice</source>
        <translation>Свои кубики Korbo</translation>
    </message>
    <message>
        <source>&amp;Load Image ...</source>
        <translation>&amp;Загрузить ...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Icon or GIF images (*.gif *.ico)</source>
        <translation>Значки или изображения GIF (*.gif *.ico)</translation>
    </message>
    <message>
        <source>Points to note when creating User Defined Dice for Korbo:</source>
        <translation>Что учесть, создавая свои кубики для Korbo:</translation>
    </message>
    <message>
        <source>- Image format must be GIF or Icon.</source>
        <translation>- Изображение должно быть в формате GIF или ICO.</translation>
    </message>
    <message>
        <source>- Maximum size of 48x48 pixels</source>
        <translation>- Размер не больше 48x48 пикселей</translation>
    </message>
    <message>
        <source>- For best results specify a transparent background color</source>
        <translation>- Лучше всего — с прозрачным фоном</translation>
    </message>
    <message>
        <source>For face %1</source>
        <translation>Для грани %1</translation>
    </message>
    <message>
        <source>Korbo User Dice !</source>
        <translation>Свои кубики Korbo!</translation>
    </message>
    <message>
        <source>Select a Dice to change!</source>
        <translation>Выберите грань, которую хотите изменить!</translation>
    </message>
    <message>
        <source>Select a GIF or ICO for Dice #%1</source>
        <translation>Выберите GIF или ICO для грани %1</translation>
    </message>
    <message>
        <source>Korbo User Dice</source>
        <translation>Свои кубики Korbo</translation>
    </message>
</context>
<context>
    <name>korbo::VarsMonitor</name>
    <message>
        <source>VarsMonitor</source>
        <translation>Переменные</translation>
    </message>
    <message>
        <source>Throw</source>
        <translation>Бросок</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Раунд</translation>
    </message>
    <message>
        <source>playergo</source>
        <translation>Игрок</translation>
    </message>
    <message>
        <source>FLAG</source>
        <translation>Занято</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>PC Catagory Evaluation</source>
        <translation>Оценка категорий ПК</translation>
    </message>
    <message>
        <source>true</source>
        <translation>да</translation>
    </message>
    <message>
        <source>False</source>
        <translation>нет</translation>
    </message>
</context>
</TS>
