"""The help page's English texts: the game's own language, written to
assets/help/korbo.htm.

Words only; make_help.py lays them out.  A body names the game's menus, buttons
and keys, and the figures of the rules, by %(name)s (see vocabulary() in
make_help.py), so a literal percent sign is written %%.  Category rules and
section bodies are HTML; titles and notes are plain text.
"""

LANGUAGE = "en"

# Phrases the page must hold in this language, checked by the tests: the facts
# a player comes to the page for, in the words this language uses.
MUST_TELL = ["one to six players", "fourteen rounds", "one turn", "exactly once", "up to six",
    "12 characters", "nothing is recorded", "held row", "Right-click a die",
    "three jokers", "jester", "does not count", "yellow", "green", "score of 0",
    "winner underlined", "transparent", "another 60", "reach 80", "Arrow keys",
    "Shift+Tab", "Escape", "play a joker on it",
    "history of games", "Anna (computer)"]

TITLE = "Korbo - How to Play"
HEADLINE = "How to Play"
CONTENTS = "Contents"
FOOTER = "Korbo &ndash; six dice, fourteen rounds, three jokers. Have fun!"

# The categories table: its column heads, and for each category its name, how it
# scores, and a note for each example throw (by its dice).
TABLE_HEAD = ("#", "Category", "What it scores", "Examples")
CATEGORIES = {
    "Ones": ("Ones", "1 for every die showing one.",
             {"111526": "three ones", "234566": "no ones"}),
    "Twos": ("Twos", "2 for every die showing two.",
             {"222213": "four twos"}),
    "Threes": ("Threes", "3 for every die showing three.",
               {"333314": "four threes"}),
    "Fours": ("Fours", "4 for every die showing four.",
              {"444412": "four fours"}),
    "Fives": ("Fives", "5 for every die showing five.",
              {"555552": "five fives"}),
    "Sixes": ("Sixes", "6 for every die showing six.",
              {"666613": "four sixes"}),
    "Quad": ("Quad", "At least four dice the same: the total of <em>all six</em> dice. "
                     "Fewer than four alike: 0.",
             {"555523": "four fives", "666666": "six of a kind counts too",
              "555223": "only three alike"}),
    "Twins": ("Twins", "10 for each pair. Three pairs make 40. Pairs never share a die: "
                       "three of a kind is one pair, four of a kind is two pairs; "
                       "six of a kind and four-plus-two both count as three pairs.",
              {"334516": "one pair", "333512": "three alike is one pair",
               "444425": "four alike is two pairs", "224466": "three pairs",
               "333355": "four-plus-two"}),
    "Triples": ("Triples", "15 for a set of three alike, 40 for two sets. Four or five alike "
                           "is still one set; six alike is two sets.",
                {"222451": "one set", "444445": "five alike is one set",
                 "333666": "two sets", "111111": "six alike"}),
    "Odds": ("Odds", "The total of the odd dice (ones, threes and fives). "
                     "All six odd: 11 more.",
             {"135246": "1 + 3 + 5", "555533": "26 + bonus 11"}),
    "Evens": ("Evens", "The total of the even dice (twos, fours and sixes). "
                       "All six even: 10 more.",
              {"246135": "2 + 4 + 6", "666644": "32 + bonus 10"}),
    "Flush": ("Flush", "A run of five (1-2-3-4-5 or 2-3-4-5-6): 35. "
                       "All six different (1 to 6): 50.",
              {"123452": "run of five", "234566": "run of five",
               "123456": "all six", "123356": "no run"}),
    "PotLuck": ("PotLuck", "The total of all six dice, whatever they show.",
                {"665541": "6+6+5+5+4+1", "112123": "it takes anything"}),
    "Korbo": ("Korbo", "Six of a kind: 60. And once you have a Korbo entered with 60, "
                       "every further six of a kind you enter, in any category, "
                       "adds another 60 to your Korbo.",
              {"444444": "six fours", "444443": "five is not enough"}),
}
BONUS_RULE = ("%(upper_bonus)d when Ones to Sixes together reach %(bonus_needs)d or more. "
              "It is added as soon as you get there, even before all six are filled.")

# The keys table: (the keys, what they do).
KEYS = [
    ("%(tab)s, %(shift_tab)s", "The next or the previous control of the window; a "
     "yellow and black ring shows where the keys are"),
    ("%(arrows)s", "On the board: move over the top row of categories, the "
     "dice with the throw button at their right, and the bottom row of categories"),
    ("%(space)s, %(enter)s", "Press what the ring is on: the throw button throws "
     "(or starts a game), a die goes into the held row or back into play, a category "
     "shows its score and the second press enters it"),
    ("%(one)s to %(six)s", "Hold or unhold that die, and go to it; in the "
     "User Defined dice window, pick that face for Load Image"),
    ("%(f)s", "On a die: every die showing its face on that side goes over with "
     "it, as a right-click does"),
    ("%(j)s", "On a die: play a joker on it"),
    ("%(t)s", "Throw, wherever the ring is on the board"),
    ("%(s)s", "On a category: play its sounds"),
    ("%(l)s", "Say the last line again (%(say_again)s)"),
    ("%(d)s", "Say the dice: the held row, then the throwing area (%(say_dice)s)"),
    ("%(w)s", "Say whose turn it is, the round and the jokers left (%(say_turn)s)"),
    ("%(f1)s", "This help page (%(how_to_play)s)"),
    ("%(f2)s, %(ctrln)s", "New game (%(new)s); during a game it offers to stop it"),
    ("%(ctrlq)s", "Quit (%(exit)s)"),
    ("%(ctrlplus)s, %(ctrlminus)s, %(ctrl0)s", "Zoom the board in, out, and back to its designed size (%(zoom_in)s, %(zoom_out)s, %(actual_size)s); the board also grows and shrinks with its window"),
    ("%(f11)s", "Full screen (%(full_screen)s); %(f11)s or %(escape)s leaves it"),
    ("%(f5)s", "A hint: the best next move (%(hint)s)"),
    ("%(f6)s", "The score sheet (%(scores)s)"),
    ("%(ctrlf6)s", "From the board into the score sheet, and back (%(go_to_scores)s); in the "
     "sheet the arrow keys go from score to score, %(home)s and %(end)s to the row's caption and "
     "its last player, %(page_up)s and %(page_down)s to the top row and the totals"),
    ("%(f7)s", "The statistics (%(statistics)s)"),
    ("%(alt_game)s, %(alt_view)s, %(alt_help)s", "Open the Game, View and Help menus; the "
     "underlined letter picks an entry"),
    ("%(alt)s + click", "On a category button: plays its sounds"),
    ("%(enter)s", "In the other windows: presses the button with the focus, or "
     "OK in About and Save in the User Defined dice window"),
    ("%(escape)s", "Closes Records, the score sheet, Statistics, About and the monitor "
     "as their close box does; in Players and the User Defined dice window it is "
     "Cancel; the Options window keeps its changes, as its close box does"),
]

# The sections: anchor -> (title, body), in any order (make_help.py orders them).
SECTIONS = {
    "aim": ("The aim of the game", """
<p>Korbo is a dice game for one to six players sharing one computer. Everyone
throws the same six dice in turn and tries to score as many points as possible
by fitting each throw into one of fourteen <a href="#categories">categories</a>.
The highest total at the end wins.</p>
<ul>
<li>A game has <b>fourteen rounds</b>. In every round each player takes
<b>one turn</b>, in the order the players were named.</li>
<li>Every turn ends by filling <b>one</b> of your fourteen categories, so by the
end of the game every player has filled every category exactly once.</li>
<li>Each category can be used only once. When the dice don't suit anything
that's still open, you have to enter them somewhere anyway, even for 0.
Choosing where to take the poor scores is half the game.</li>
</ul>
"""),
    "start": ("Players and starting a game", """
<h3>Naming the players</h3>
<p>Choose %(players)s to type the names of up to <b>six</b> players, one to a
box, up to <b>12 characters</b> each. Players take their turns in the order of
the boxes; empty boxes between names are closed up. The names stay for the
games that follow until you change them.</p>

<h3>Starting</h3>
<p>Click the %(start)s button, or choose %(new)s (or press %(f2)s). If no one
has been named yet, the players window opens first. The title above the board
says whose turn it is (for example <i>Anna's 1st turn</i>, and <i>last go</i> in
the fourteenth round).</p>

<h3>Stopping a game in progress</h3>
<p>Choosing %(new)s while a game is on asks %(stop)s. Answer <b>Yes</b> to end
the game there and then: the score sheet is cleared and <b>nothing is
recorded</b> &ndash; an unfinished game never reaches the records. Answer
<b>No</b> to carry on playing.</p>
"""),
    "turn": ("Your turn", """
<h3>Throwing</h3>
<p>You have up to <b>four throws</b> in a turn. The big button names the throw
that comes next: %(t1)s, %(t2)s, %(t3)s, %(t4)s. After the fourth it says
%(fin)s: there is nothing left to throw and you must choose a category. You don't
have to use all four throws &ndash; you can score after any of them.</p>

<h3>Keeping dice</h3>
<p>Between throws you sort the dice:</p>
<ul>
<li><b>Click a die</b> in the throwing area to move it <b>down into the held
row</b>. Held dice are kept: the next throw leaves them alone.</li>
<li><b>Click a held die</b> to move it back <b>up into the throwing area</b>,
so it will be thrown again.</li>
<li><b>Right-click a die</b> to move <b>every die showing that face</b> on the
same side at once &ndash; a quick way to keep all your fives, or to throw all
your ones again.</li>
</ul>
<p>Only the dice in the throwing area are thrown. With every die held the throw
button does nothing, and no throw is used up.</p>

<h3>Jokers</h3>
<p>Each player has <b>three jokers</b> for the whole game, shown as little
jester tokens on the board. <b>Drag a joker onto any die</b> to throw just
that one die again. You can do it at any moment of your turn once you have made
your first throw &ndash; also after the fourth throw, when the button already
says %(fin)s. A joker does <b>not</b> count as one of your four throws. A joker
used is gone for the rest of the game, so save them for the moments that
matter: one die short of a Korbo, a Flush or the fourth of a Quad.</p>
"""),
    "choose": ("Choosing a category", """
<p>Each of the fourteen categories has its own button on the board.</p>
<ol>
<li><b>Point</b> at a button: the status line says what the category
scores.</li>
<li><b>Click</b> it once: the score these dice would make there appears in
<span class="yellow">yellow</span>. Nothing is entered yet.</li>
<li><b>Click the same button again</b> to enter that score. It turns
<span class="green">green</span>, your turn ends and the next player is up.</li>
</ol>
<p>You can look at several categories first &ndash; a single click on each shows
what it would be worth &ndash; and then enter the one you like with a second
click. You may also enter a <b>score of 0</b> when nothing better is left; like
every entry, it is final. A category you have already filled shows its score
and can't be chosen again. A new throw clears the yellow figures, so you can
look, throw again and look again.</p>
"""),
    "categories": ("The fourteen categories", """
<p>The first six are the <b>upper categories</b>; the last eight the lower ones.
Dice are always counted as a set of six, so it doesn't matter which are held and
which were thrown last.</p>
%(table)s
<h3>Korbo pays again</h3>
<p>Once your Korbo box holds a 60, <b>every further six of a kind</b> earns you
<b>another 60</b> in Korbo &ndash; whichever category you enter it in. Say you
have entered six fours in Korbo. Later you throw six twos and put them in Twos:
Twos gets 12 and your Korbo grows from 60 to 120. If you had to enter Korbo as
0, this never happens, however many six-of-a-kinds you throw afterwards.</p>
"""),
    "sheet": ("The score sheet", """
<p>%(scores)s (or %(f6)s) shows the score sheet: a column for every player, with
each entry as it is made, the <b>Subtotal</b> of the six upper categories, the
<b>Bonus</b> (40, or 0 once all six are filled without reaching 80) and the
<b>total</b> at the foot.</p>
<ul>
<li>While the <b>Show Leader</b> option is on, the name and total of the player
in the lead are <u>underlined</u>.</li>
<li>When the last turn is played the sheet appears by itself, with the
<u>winner underlined</u> whatever the option says.</li>
<li>%(print)s prints the sheet as it stands, during a game.</li>
</ul>
"""),
    "records": ("Records", """
<p>%(records)s opens the two all-time lists kept on this computer:</p>
<dl>
<dt>Brilliant Highs</dt><dd>the 99 best totals ever played;</dd>
<dt>Super Tries</dt><dd>the 99 lowest totals &ndash; a record of its own.</dd>
</dl>
<p>Each line shows the place, the total, the player's name and the date. At the
end of every <b>complete</b> game, each player's total is offered to both lists
and goes in wherever it earns a place. A game stopped early is never recorded.</p>
<ul>
<li>Type a name next to %(find)s and click it (or press Enter) to mark every line
of that player in both lists; capitals don't matter. Clicking a line copies its
name into the box.</li>
<li>%(today)s marks every line played today.</li>
<li>%(unselect)s clears the marks.</li>
</ul>
<p>While the <b>Show Records</b> option is on, the records window pops up by
itself after a game that set new records.</p>
"""),
    "statistics": ("Statistics", """
<p>Every <b>complete</b> game is kept in a history of games on this computer; a game
stopped early is not, just as with the records. %(statistics)s (or %(f7)s) opens the
Korbo Statistics window, which shows one player at a time: choose one in the
%(player_list)s list. A player is a name, capitals ignored; a computer player of the
same name is kept apart, as <i>Anna (computer)</i>.</p>
<p>The line of figures under the list gives the games played and won (won means the
highest total, not shared, in a game of two or more players), shared first places,
the average, best and lowest total, the standard deviation, how often the upper
bonus was earned, and the Korbos and extra Korbos; beside the average and the bonus
stands what best play reaches. Best play's figures come from 200,000 games played
by Korbo itself with its best strategy.</p>
<p>Below, four tabs each show a plot with its figures in words beside it, which
%(tab)s reaches and a screen reader reads:</p>
<dl>
<dt>%(tab_totals)s</dt><dd>each game's total over time, with the average of the
last ten games;</dd>
<dt>%(tab_ranges)s</dt><dd>how often your totals fall in each range of 50 points,
beside best play's;</dd>
<dt>%(tab_categories)s</dt><dd>each category's average beside best play's, the one
that costs you most named first;</dd>
<dt>%(tab_coach)s</dt><dd>shown once games have been played with the coach on: the
points the choices cost in each of them.</dd>
</dl>
<p>%(export)s saves the whole history as a CSV file, one row per player per game,
which spreadsheets open. %(clear_player)s forgets the chosen player's games and
%(clear_all)s every game, each only after asking; this cannot be undone. The
records lists are not touched.</p>
"""),
    "options": ("Options", """
<p>%(options)s lets you set the game up the way you like it.</p>
<dl>
<dt>Sounds: Off / On / Zany</dt>
<dd>No sound at all, the normal sounds, or a sillier set of noises for the
same moments.</dd>
<dt>Mute Dice</dt>
<dd>Keeps the other sounds but silences the rattle of the dice.</dd>
<dt>Animation</dt>
<dd>Dice roll across the board and slide between the rows. Switch it off for
quicker play: the dice simply jump into place.</dd>
<dt>Text Buttons</dt>
<dd>The category buttons carry the category names instead of pictures.</dd>
<dt>Crosshair</dt>
<dd>A crosshair mouse pointer over the board instead of the arrow.</dd>
<dt>Auto 1st Throw</dt>
<dd>The first throw of every turn is made for you.</dd>
<dt>Show Leader</dt>
<dd>Underlines the leader on the score sheet during the game.</dd>
<dt>Show Records</dt>
<dd>Shows the records window after a game that set new records.</dd>
<dt>Dice styles</dt>
<dd>Seven looks for the dice: <b>Standard</b>, <b>Traditional</b>,
<b>Ladybirds</b>, <b>Rainbow</b>, <b>Buttons</b>, <b>Photo</b> and <b>User
Defined</b>. Each player keeps the style they play with: pick a style during
your own turn and your dice show in it on every turn of yours, while the others
keep theirs &ndash; a handy way to see at a glance whose turn it is. A style
picked while no game is on is the one players start with until they choose
their own.</dd>
</dl>
<h3>Your own dice</h3>
<p>Pick <b>User Defined</b> and click %(import)s. In the window that opens,
click a face (or the number above it), click %(load)s and choose a picture for
that face, a GIF or an icon (<code>.ico</code>) file; do the same for the other
faces, then click %(save)s. Pictures may be at most <b>48 x 48 pixels</b>, and
look best at exactly that size with a <b>transparent background</b>. Korbo
keeps its own copy of each picture, so you may move or delete the originals
afterwards.</p>
"""),
    "computer": ("Computer players, hints and the coach", """
<h3>Computer players</h3>
<p>Tick the <b>PC</b> box beside a name in %(players)s and the computer plays
that seat (from the keyboard, the PC boxes come after Cancel: %(tab)s to one and
%(space)s ticks it). It plays the best game there is: for every throw it works out which
choice gives the highest final score on average, taking into account every
category still open, the bonus, the jokers left and the throws to come. It
plays at a pace you can follow and says on the status line what it does
(<i>Blue holds 5 5 5</i>, <i>Blue plays a joker on the 2</i>). While it plays,
the board does not answer your clicks, but %(new)s still stops the game.</p>

<h3>Hint</h3>
<p>In your turn, once the dice are on the board, choose %(hint)s (or press
%(f5)s). The status line says the best next move and the final score best play
expects from here (<i>Hold 6 6 and throw: 404.4 expected</i>), and a yellow
ring marks the dice to hold, the die for a joker or the category to enter,
until you make your next move. A hint never moves a die or enters a score.</p>

<h3>Coach</h3>
<p>Tick %(coach)s and after each of your decisions &ndash; the dice you hold
for a throw, a joker, a category entry &ndash; that was not the best one, the
status line says what it cost on average and what was best (<i>Entering Twins
costs 3.4 points on average; Triples was best</i>). When a game ends, the score
sheet adds a summary for each player: the points lost against best play, and
the share of best play's expected score you played at. Korbo remembers the
coach between games; the records are the same with it on or off.</p>
"""),
    "hints": ("Hints and tips", """
<div class="tip"><b>Go for the bonus early.</b> Three of each face in the upper
categories makes only %(three)d; four of each makes %(four)d. So the 40 points
for reaching 80 need four of a kind most of the time &ndash; or big Fives and
Sixes to make up for thin Ones and Twos. Settle the upper categories while
there are plenty of rounds left to try again.</div>
<div class="tip"><b>Keep PotLuck for a poor throw.</b> PotLuck takes anything,
so it is your safety net on a turn where nothing else fits. Spend it early and
you may have to enter a 0 later.</div>
<div class="tip"><b>Korbo pays again.</b> A Korbo entered with 60 makes every
later six of a kind worth 60 more. Once you have one, chasing another is often
worth a whole turn.</div>
<div class="tip"><b>Where to put the 0.</b> When you have to take a zero, put it
where you had little hope anyway: Ones costs you at most a few points, Korbo or
Flush is often a long shot late in the game.</div>
<div class="tip"><b>Know your overlaps.</b> Four of a kind plus a pair is 40 in
Twins and already a Quad; five or six alike fit Quad, the upper category of that
face, Triples and (six) Korbo. Click through the buttons to compare &ndash; the
first click costs nothing.</div>
<div class="tip"><b>Save the jokers.</b> A joker after the fourth throw can
still rescue a turn: one die missing from a run, or the sixth die for a
Korbo.</div>
<div class="tip"><b>Listen to the categories.</b> Hold %(alt)s and click a
category button to hear its sounds without entering anything.</div>
"""),
    "keys": ("Keys", """
<p>Everything in Korbo can be done from the keyboard.</p>
<table class="keys">
%(rows)s
</table>

<h3>With a screen reader</h3>
<p>Korbo speaks to a screen reader such as Orca without moving the focus: every new
line of the status strip (prompts, the computer players' moves, hints, the coach's
costs, Game Over), and after each throw or joker the dice, the held row first, then
the throwing area, followed by the prompt. Lines wait for each other, so none is cut
short.</p>
<p>A turn by keys: %(t)s throws. Each die is read as its number, face and place, for
example "Die 3, five, held"; %(one)s to %(six)s hold or free a die, %(f)s on a die moves
every die of its face, %(j)s plays a joker on it. The arrow keys reach the categories;
each is read with the score it would give now, or the score entered. %(space)s once
shows the score, twice enters it. %(l)s, %(d)s and %(w)s repeat the last line, read the
dice, and tell whose turn it is; %(f6)s opens the score sheet.</p>
<p>%(ctrlf6)s takes the keys into the score sheet, a table with the players' names
over its columns and the categories, subtotal, bonus and total beside its rows: the
arrow keys go from score to score, and the screen reader names the row and the
player as they change; the leader's total is read "in the lead". %(escape)s closes the
sheet and the keys go back to the board. In the Records window each list is read by
its title and each line as position, name, score and date.</p>
"""),
    "files": ("Where Korbo keeps its files", """
<p>On Linux, Korbo keeps what it remembers in your home folder:</p>
<table>
<tr><th>File</th><th>What it holds</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>your settings: sounds,
animation, dice style and the other options</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>the records lists,
Brilliant Highs and Super Tries</td></tr>
<tr><td><code>~/.local/share/korbo/history.sqlite</code></td><td>the history of
games, for the statistics (an SQLite database)</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>your User Defined dice, one picture a face (icons end in <code>.ico</code>)</td></tr>
</table>
<p>To start the records afresh, delete <code>data.dat</code> while Korbo is closed.
%(clear_all)s in the Statistics window starts the history afresh. Copy the folder to
take your records and your history to another computer.</p>
"""),
}
