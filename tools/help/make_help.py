#!/usr/bin/env python3
"""Make Korbo's help page, "How to Play".

Writes assets/help/korbo.htm: one self-contained HTML file (its style sheet and
its dice pictures are inside it; it loads nothing and runs no script), which
the game opens in the browser from Help / How to Play (F1).

The example throws in the categories table are scored by the small scorer in
this script, and the script checks those scores against the values written
down here before it writes anything, so the table cannot drift from the rules.

Usage:
    python3 tools/help/make_help.py              # writes assets/help/korbo.htm
    python3 tools/help/make_help.py --out FILE   # writes somewhere else
    python3 tools/help/make_help.py --check      # only checks the examples

Needs only the Python standard library.  A rerun writes an identical file.
"""

import argparse
import collections
import html
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_OUT = os.path.join(ROOT, "assets", "help", "korbo.htm")

# The board's colours.
BOARD_GREEN = "#00a000"    # RGB(0,160,0)
PALE_GREEN = "#c0ffc0"     # RGB(192,255,192)
LIGHT_GREEN = "#80ff80"    # RGB(128,255,128), the records window
DARK_GREEN = "#004000"     # RGB(0,64,0), the score sheet's text
MID_GREEN = "#007000"      # RGB(0,112,0)
PREVIEW_YELLOW = "#ffff00" # a category's score on a first click
SCORE_GREEN = "#00ff00"    # a category's score once entered


# ---------------------------------------------------------------------------
# Scoring, the same rules as the game's
# ---------------------------------------------------------------------------

CATEGORIES = ["Ones", "Twos", "Threes", "Fours", "Fives", "Sixes", "Quad",
              "Twins", "Triples", "Odds", "Evens", "Flush", "PotLuck", "Korbo"]
UPPER_BONUS, UPPER_BONUS_NEEDS = 40, 80
KORBO, KORBO_AGAIN = 60, 60


def score(dice, category):
    """What six dice score in a category (by name)."""
    assert len(dice) == 6 and all(1 <= d <= 6 for d in dice), dice
    counts = collections.Counter(dice)
    if category in CATEGORIES[:6]:
        face = CATEGORIES.index(category) + 1
        return face * counts[face]
    if category == "Quad":
        return sum(dice) if max(counts.values()) >= 4 else 0
    if category == "Twins":
        pairs = sum(n // 2 for n in counts.values())
        return 40 if pairs == 3 else 10 * pairs
    if category == "Triples":
        sets = sum(n // 3 for n in counts.values())
        return {0: 0, 1: 15, 2: 40}[sets]
    if category == "Odds":
        odd = [d for d in dice if d % 2]
        return sum(odd) + (11 if len(odd) == 6 else 0)
    if category == "Evens":
        even = [d for d in dice if d % 2 == 0]
        return sum(even) + (10 if len(even) == 6 else 0)
    if category == "Flush":
        if len(counts) == 6:
            return 50
        if {1, 2, 3, 4, 5} <= counts.keys() or {2, 3, 4, 5, 6} <= counts.keys():
            return 35
        return 0
    if category == "PotLuck":
        return sum(dice)
    if category == "Korbo":
        return KORBO if len(counts) == 1 else 0
    raise ValueError(category)


def dice_of(text):
    return [int(ch) for ch in text]


# ---------------------------------------------------------------------------
# Small HTML helpers
# ---------------------------------------------------------------------------

PIPS = {
    1: [(12, 12)],
    2: [(7, 7), (17, 17)],
    3: [(7, 7), (12, 12), (17, 17)],
    4: [(7, 7), (17, 7), (7, 17), (17, 17)],
    5: [(7, 7), (17, 7), (12, 12), (7, 17), (17, 17)],
    6: [(7, 6), (17, 6), (7, 12), (17, 12), (7, 18), (17, 18)],
}


def die(face, size=22, cls="die"):
    """One die as a small inline picture."""
    pips = "".join('<circle cx="%d" cy="%d" r="2.3"/>' % p for p in PIPS[face])
    return ('<svg class="%s" width="%d" height="%d" viewBox="0 0 24 24" role="img" '
            'aria-label="%d"><rect x="1" y="1" width="22" height="22" rx="4.5"/>'
            '<g>%s</g></svg>' % (cls, size, size, face, pips))


def throw(text, size=22):
    """Six dice in a row, with the digits for readers that show no pictures."""
    return ('<span class="throw" title="%s">%s</span>'
            % (" ".join(text), "".join(die(int(ch), size) for ch in text)))


def esc(text):
    return html.escape(text, quote=False)


def key(text):
    return "<kbd>%s</kbd>" % esc(text)


def menu(*path):
    return '<span class="menu">%s</span>' % " / ".join(esc(p) for p in path)


def ui(text):
    """A text the game shows, exactly as it shows it."""
    return '<span class="ui">%s</span>' % esc(text)


# ---------------------------------------------------------------------------
# The categories table
# ---------------------------------------------------------------------------

# (category, how it scores, [(dice, expected score, note)])
CATEGORY_ROWS = [
    ("Ones", "1 for every die showing one.",
     [("111526", 3, "three ones"), ("234566", 0, "no ones")]),
    ("Twos", "2 for every die showing two.",
     [("222213", 8, "four twos")]),
    ("Threes", "3 for every die showing three.",
     [("333314", 12, "four threes")]),
    ("Fours", "4 for every die showing four.",
     [("444412", 16, "four fours")]),
    ("Fives", "5 for every die showing five.",
     [("555552", 25, "five fives")]),
    ("Sixes", "6 for every die showing six.",
     [("666613", 24, "four sixes")]),
    ("Quad", "At least four dice the same: the total of <em>all six</em> dice. "
             "Fewer than four alike: 0.",
     [("555523", 25, "four fives"), ("666666", 36, "six of a kind counts too"),
      ("555223", 0, "only three alike")]),
    ("Twins", "10 for each pair. Three pairs make 40. Pairs never share a die: "
              "three of a kind is one pair, four of a kind is two pairs; "
              "six of a kind and four-plus-two both count as three pairs.",
     [("334516", 10, "one pair"), ("333512", 10, "three alike is one pair"),
      ("444425", 20, "four alike is two pairs"), ("224466", 40, "three pairs"),
      ("333355", 40, "four-plus-two")]),
    ("Triples", "15 for a set of three alike, 40 for two sets. Four or five alike "
                "is still one set; six alike is two sets.",
     [("222451", 15, "one set"), ("444445", 15, "five alike is one set"),
      ("333666", 40, "two sets"), ("111111", 40, "six alike")]),
    ("Odds", "The total of the odd dice (ones, threes and fives). "
             "All six odd: 11 more.",
     [("135246", 9, "1 + 3 + 5"), ("555533", 37, "26 + bonus 11")]),
    ("Evens", "The total of the even dice (twos, fours and sixes). "
              "All six even: 10 more.",
     [("246135", 12, "2 + 4 + 6"), ("666644", 42, "32 + bonus 10")]),
    ("Flush", "A run of five (1-2-3-4-5 or 2-3-4-5-6): 35. "
              "All six different (1 to 6): 50.",
     [("123452", 35, "run of five"), ("234566", 35, "run of five"),
      ("123456", 50, "all six"), ("123356", 0, "no run")]),
    ("PotLuck", "The total of all six dice, whatever they show.",
     [("665541", 27, "6+6+5+5+4+1"), ("112123", 10, "it takes anything")]),
    ("Korbo", "Six of a kind: 60. And once you have a Korbo entered with 60, "
              "every further six of a kind you enter, in any category, "
              "adds another 60 to your Korbo.",
     [("444444", 60, "six fours"), ("444443", 0, "five is not enough")]),
]


def check_examples():
    """Scores every example of the table; returns a list of mismatches."""
    wrong = []
    for name, _, examples in CATEGORY_ROWS:
        for dice, expected, note in examples:
            got = score(dice_of(dice), name)
            if got != expected:
                wrong.append("%s %s: table says %d, rules give %d (%s)"
                             % (name, dice, expected, got, note))
    # A few facts the text states in words.
    if 3 * sum(range(1, 7)) >= UPPER_BONUS_NEEDS:
        wrong.append("three of each face should fall short of the upper bonus")
    if 4 * sum(range(1, 7)) < UPPER_BONUS_NEEDS:
        wrong.append("four of each face should reach the upper bonus")
    if score([6] * 6, "Quad") != 36 or score([6] * 6, "Sixes") != 36:
        wrong.append("six sixes should score 36 in Quad and in Sixes")
    return wrong


def category_table():
    rows = []
    for i, (name, rule, examples) in enumerate(CATEGORY_ROWS, start=1):
        cells = []
        for dice, expected, note in examples:
            cells.append('<div class="example">%s <span class="arrow">&rarr;</span> '
                         '<b>%d</b> <span class="note">%s</span></div>'
                         % (throw(dice, 18), expected, esc(note)))
        group = "upper" if i <= 6 else "lower"
        rows.append('<tr class="%s"><td class="num">%d</td><th scope="row">%s</th>'
                    '<td>%s</td><td class="examples">%s</td></tr>'
                    % (group, i, esc(name), rule, "".join(cells)))
        if i == 6:
            rows.append('<tr class="bonusrow"><td class="num"></td><th scope="row">Bonus</th>'
                        '<td colspan="2">%d when Ones to Sixes together reach %d or more. '
                        'It is added as soon as you get there, even before all six are '
                        'filled.</td></tr>' % (UPPER_BONUS, UPPER_BONUS_NEEDS))
    return ('<table class="cats">\n<thead><tr><th class="num">#</th><th>Category</th>'
            '<th>What it scores</th><th>Examples</th></tr></thead>\n<tbody>\n%s\n'
            '</tbody>\n</table>' % "\n".join(rows))


# ---------------------------------------------------------------------------
# The page
# ---------------------------------------------------------------------------

STYLE = """
:root { --board: %(board)s; --pale: %(pale)s; --light: %(light)s; --dark: %(dark)s; --mid: %(mid)s; }
* { box-sizing: border-box; }
html { background: var(--board); }
body { margin: 0 auto; max-width: 60em; padding: 0 1em 2em; color: #102010;
       font: 16px/1.55 Verdana, "DejaVu Sans", "Bitstream Vera Sans", Tahoma, sans-serif; }
header { text-align: center; color: #fff; padding: 1.4em 0 1em; }
header h1 { margin: 0; font-size: 2.6em; letter-spacing: .08em; text-shadow: 2px 2px 0 var(--dark); }
header p { margin: .3em 0 0; font-size: 1.05em; }
header .dice { margin-top: .6em; }
header .dice svg { margin: 0 .25em; }
nav, section { background: var(--pale); border: 2px solid var(--dark); border-radius: 10px;
               padding: .6em 1.4em 1em; margin: 0 0 1.1em; }
nav h2 { margin-top: .4em; }
nav ol { columns: 2; column-gap: 2em; margin: .3em 0 0; padding-left: 1.4em; }
nav a { color: var(--dark); }
h2 { color: var(--dark); border-bottom: 3px solid var(--board); padding-bottom: .15em;
     margin: .5em 0 .6em; font-size: 1.45em; }
h3 { color: var(--mid); margin: 1.1em 0 .3em; font-size: 1.12em; }
a { color: var(--mid); }
p, ul, ol { margin: .45em 0; }
li { margin: .2em 0; }
kbd { display: inline-block; min-width: 1.6em; padding: 0 .35em; border: 1px solid #555;
      border-bottom-width: 2px; border-radius: 4px; background: #fff; color: #000;
      font-family: inherit; font-size: .85em; font-weight: bold; line-height: 1.5;
      text-align: center; }
.menu { font-weight: bold; color: var(--dark); white-space: nowrap; }
.ui { font-weight: bold; color: #000; background: #fff; border: 1px solid #9c9;
      border-radius: 3px; padding: 0 .3em; white-space: nowrap; }
.yellow { background: %(yellow)s; padding: 0 .3em; border: 1px solid #aa0; }
.green { background: %(green)s; padding: 0 .3em; border: 1px solid #0a0; }
.tip { background: #fff; border-left: 6px solid var(--board); border-radius: 6px;
       padding: .5em .9em; margin: .7em 0; }
.tip b:first-child { color: var(--mid); }
svg.die rect { fill: #fff; stroke: #222; stroke-width: 1.3; }
svg.die circle { fill: #111; }
svg.big rect { fill: #fff; stroke: var(--dark); stroke-width: 1.3; }
svg.big circle { fill: var(--dark); }
.throw { white-space: nowrap; }
.throw svg { vertical-align: middle; margin-right: 2px; }
table { border-collapse: collapse; width: 100%%; background: #fff; margin: .6em 0; }
th, td { border: 1px solid #7b7; padding: .35em .55em; text-align: left; vertical-align: top; }
thead th { background: var(--board); color: #fff; }
table.cats th[scope=row] { color: var(--dark); white-space: nowrap; }
table.cats tr.upper td, table.cats tr.upper th { background: #f2fff2; }
table.cats tr.bonusrow td, table.cats tr.bonusrow th { background: var(--light); font-weight: bold; }
td.num, th.num { text-align: right; width: 2em; color: #555; }
td.examples { width: 46%%; }
.example { margin: .15em 0; white-space: nowrap; }
.example .note { color: #555; font-size: .85em; white-space: normal; }
.arrow { color: #777; }
table.keys td:first-child { white-space: nowrap; width: 11em; }
dl { margin: .4em 0; }
dt { font-weight: bold; color: var(--dark); margin-top: .55em; }
dd { margin: .1em 0 0 1.4em; }
code { font-family: "DejaVu Sans Mono", Consolas, monospace; font-size: .92em;
       background: #fff; padding: 0 .25em; border-radius: 3px; }
footer { text-align: center; color: #fff; font-size: .9em; }
@media print {
  html { background: #fff; }
  header { color: var(--dark); }
  header h1 { text-shadow: none; }
  nav { display: none; }
  section { break-inside: avoid-page; border-color: #999; }
}
""" % {"board": BOARD_GREEN, "pale": PALE_GREEN, "light": LIGHT_GREEN, "dark": DARK_GREEN,
       "mid": MID_GREEN, "yellow": PREVIEW_YELLOW, "green": SCORE_GREEN}


def section(anchor, title, body):
    return '<section id="%s">\n<h2>%s</h2>\n%s\n</section>' % (anchor, esc(title), body.strip())


SECTIONS = []


def add(anchor, title):
    def register(make):
        SECTIONS.append((anchor, title, make))
        return make
    return register


@add("aim", "The aim of the game")
def aim():
    return """
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
"""


@add("start", "Players and starting a game")
def start():
    return """
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
""" % {"players": menu("View", "Players..."), "start": ui("Start Game"),
       "new": menu("Game", "New"), "f2": key("F2"), "stop": ui("Stop this game?")}


@add("turn", "Your turn")
def turn():
    return """
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
""" % {"t1": ui("1st Throw"), "t2": ui("2nd Throw"), "t3": ui("3rd Throw"),
       "t4": ui("4th Throw"), "fin": ui("Finished")}


@add("choose", "Choosing a category")
def choose():
    return """
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
"""


@add("categories", "The fourteen categories")
def categories():
    return """
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
""" % {"table": category_table()}


@add("sheet", "The score sheet")
def sheet():
    return """
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
""" % {"scores": menu("View", "Scores"), "f6": key("F6"), "print": menu("Game", "Print Scores")}


@add("records", "Records")
def records():
    return """
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
""" % {"records": menu("View", "Records"), "find": ui("Find Name:"),
       "today": ui("Find Today's"), "unselect": ui("Unselect")}


@add("options", "Options")
def options():
    return """
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
""" % {"options": menu("View", "Options..."), "import": ui("Import ..."),
       "load": ui("Load Image ..."), "save": ui("Save")}


@add("computer", "Computer players, hints and the coach")
def computer():
    return """
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
""" % {"players": menu("View", "Players..."), "new": menu("Game", "New"),
       "tab": key("Tab"), "space": key("Space"), "hint": menu("Game", "Hint"), "f5": key("F5"), "coach": menu("Game", "Coach")}


@add("hints", "Hints and tips")
def hints():
    bonus_three = 3 * sum(range(1, 7))
    bonus_four = 4 * sum(range(1, 7))
    return """
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
""" % {"three": bonus_three, "four": bonus_four, "alt": key("Alt")}


@add("keys", "Keys")
def keys():
    def keys_of(*names):
        return ", ".join(key(n) for n in names)
    rows = [
        (keys_of("Tab", "Shift+Tab"), "The next or the previous control of the window; a "
         "yellow and black ring shows where the keys are"),
        (keys_of("Arrow keys"), "On the board: move over the top row of categories, the "
         "dice with the throw button at their right, and the bottom row of categories"),
        (keys_of("Space", "Enter"), "Press what the ring is on: the throw button throws "
         "(or starts a game), a die goes into the held row or back into play, a category "
         "shows its score and the second press enters it"),
        ("%s to %s" % (key("1"), key("6")), "Hold or unhold that die, and go to it; in the "
         "User Defined dice window, pick that face for Load Image"),
        (keys_of("F"), "On a die: every die showing its face on that side goes over with "
         "it, as a right-click does"),
        (keys_of("J"), "On a die: play a joker on it"),
        (keys_of("T"), "Throw, wherever the ring is on the board"),
        (keys_of("S"), "On a category: play its sounds"),
        (keys_of("L"), "Say the last line again (%s)" % menu("View", "Say Again")),
        (keys_of("D"), "Say the dice: the held row, then the throwing area (%s)" % menu("View", "Say Dice")),
        (keys_of("W"), "Say whose turn it is, the round and the jokers left (%s)" % menu("View", "Say Turn")),
        (keys_of("F1"), "This help page (%s)" % menu("Help", "How to Play")),
        (keys_of("F2"), "New game (%s); during a game it offers to stop it" % menu("Game", "New")),
        (keys_of("F5"), "A hint: the best next move (%s)" % menu("Game", "Hint")),
        (keys_of("F6"), "The score sheet (%s)" % menu("View", "Scores")),
        (keys_of("Ctrl+F6"), "From the board into the score sheet, and back (%s); in the "
         "sheet the arrow keys go from score to score, %s and %s to the row's caption and "
         "its last player, %s and %s to the top row and the totals" % (menu("View", "Go to Scores"),
         key("Home"), key("End"), key("Page Up"), key("Page Down"))),
        (keys_of("Alt+G", "Alt+V", "Alt+H"), "Open the Game, View and Help menus; the "
         "underlined letter picks an entry"),
        ("%s + click" % key("Alt"), "On a category button: plays its sounds"),
        (keys_of("Enter"), "In the other windows: presses the button with the focus, or "
         "OK in About and Save in the User Defined dice window"),
        (keys_of("Escape"), "Closes Records, the score sheet, About and the monitor as "
         "their close box does; in Players and the User Defined dice window it is Cancel; "
         "the Options window keeps its changes, as its close box does"),
    ]
    return """
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
""" % {"rows": "\n".join("<tr><td>%s</td><td>%s</td></tr>" % row for row in rows),
       "t": key("T"), "one": key("1"), "six": key("6"), "f": key("F"), "j": key("J"),
       "space": key("Space"), "l": key("L"), "d": key("D"), "w": key("W"), "f6": key("F6"),
       "ctrlf6": key("Ctrl+F6"), "escape": key("Escape")}


@add("files", "Where Korbo keeps its files")
def files():
    return """
<p>On Linux, Korbo keeps what it remembers in your home folder:</p>
<table>
<tr><th>File</th><th>What it holds</th></tr>
<tr><td><code>~/.config/korbo/Korbo.ini</code></td><td>your settings: sounds,
animation, dice style and the other options</td></tr>
<tr><td><code>~/.local/share/korbo/data.dat</code></td><td>the records lists,
Brilliant Highs and Super Tries</td></tr>
<tr><td><code>~/.local/share/korbo/dudd1.gif</code> &hellip; <code>dudd6.gif</code></td>
<td>your User Defined dice, one picture a face (icons end in <code>.ico</code>)</td></tr>
</table>
<p>To start the records afresh, delete <code>data.dat</code> while Korbo is
closed. Copy the folder to take your records to another computer.</p>
"""


def page():
    nav = "\n".join('<li><a href="#%s">%s</a></li>' % (a, esc(t)) for a, t, _ in SECTIONS)
    body = "\n\n".join(section(a, t, make()) for a, t, make in SECTIONS)
    banner = "".join(die(f, 34, "die big") for f in (1, 2, 3, 4, 5, 6))
    return """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Korbo - How to Play</title>
<style>%(style)s</style>
</head>
<body>
<header>
<h1>KORBO</h1>
<p>How to Play</p>
<div class="dice">%(banner)s</div>
</header>

<nav>
<h2>Contents</h2>
<ol>
%(nav)s
</ol>
</nav>

%(body)s

<footer><p>Korbo &ndash; six dice, fourteen rounds, three jokers. Have fun!</p></footer>
</body>
</html>
""" % {"style": STYLE, "banner": banner, "nav": nav, "body": body}


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=DEFAULT_OUT, help="file to write (default: %(default)s)")
    parser.add_argument("--check", action="store_true", help="only check the example scores")
    args = parser.parse_args(argv)

    wrong = check_examples()
    if wrong:
        for line in wrong:
            print("make_help: " + line, file=sys.stderr)
        return 1
    if args.check:
        print("make_help: every example scores as the table says")
        return 0

    text = page()
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("make_help: wrote %s (%d bytes)" % (args.out, len(text.encode("utf-8"))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
