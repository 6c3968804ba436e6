#!/usr/bin/env python3
"""Make Korbo's help pages, "How to Play".

Writes one page for every language that has its texts in this folder
(texts_<language>.py): assets/help/korbo.htm in English, korbo_<language>.htm in
the others.  Each page is one self-contained HTML file (its style sheet and its
dice pictures are inside it; it loads nothing and runs no script), which the
game opens in the browser from Help / How to Play (F1), in the language in use.

The layout, the dice pictures and the scores are made here, once for every
language; a language's texts module holds only words.  The names of menus,
buttons and windows, and the lines the game shows, are not written there: they
are looked up in the game's own catalogue, translations/korbo_<language>.ts,
so a page always names what the player sees.

The example throws in the categories table are scored by the small scorer in
this script, and the script checks those scores against the values written
down here before it writes anything, so the table cannot drift from the rules.

Usage:
    python3 tools/help/make_help.py                          # writes every page
    python3 tools/help/make_help.py --language de            # writes korbo_de.htm
    python3 tools/help/make_help.py --language de --out FILE # writes somewhere else
    python3 tools/help/make_help.py --check                  # writes nothing

Needs only the Python standard library.  A rerun writes identical files.
"""

import argparse
import collections
import functools
import glob
import html
import os
import re
import runpy
import sys
import types
import xml.etree.ElementTree as ElementTree

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
HELP_FOLDER = os.path.join(ROOT, "assets", "help")
TRANSLATIONS = os.path.join(ROOT, "translations")

# The game's sources are written in English: its texts are the English ones.
SOURCE_LANGUAGE = "en"

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
# Languages
# ---------------------------------------------------------------------------

def drop_mnemonic(text):
    """A menu or button caption as it reads: "&New" is "New", "&&" one "&"."""
    return re.sub(r"&(.)", r"\1", text)


def mnemonic(text):
    """The letter Alt picks a caption with: "G" for "&Game"."""
    found = re.search(r"&([^&])", text.replace("&&", ""))
    if not found:
        raise LookupError("%r has no mnemonic" % text)
    return found.group(1).upper()


@functools.lru_cache(maxsize=None)
def read_catalogue(path):
    """The finished translations of a Qt Linguist file: source -> set of translations.

    A source usually has one translation wherever it is used; a set keeps the
    odd one that is translated differently in two windows from passing unseen.
    Plural forms are left out: the page quotes no counted text.
    """
    catalogue = collections.defaultdict(set)
    for message in ElementTree.parse(path).getroot().iter("message"):
        translation = message.find("translation")
        if (message.get("numerus") == "yes" or translation is None
                or translation.get("type") in ("unfinished", "obsolete", "vanished")
                or not translation.text):
            continue
        catalogue[message.findtext("source")].add(translation.text)
    return dict(catalogue)


# Keys written the same in every language: a letter, a digit, F1 to F12, plus and minus.
PLAIN_KEY = re.compile(r"[A-Z0-9+-]|F(?:[1-9]|1[0-2])")


class Language:
    """One page's language: its texts module and the game's words in it."""

    def __init__(self, code, texts):
        self.code = code
        self.texts = texts

    @property
    def out(self):
        name = "korbo.htm" if self.code == SOURCE_LANGUAGE else "korbo_%s.htm" % self.code
        return os.path.join(HELP_FOLDER, name)

    @property
    def lang(self):
        """The page's language as HTML names it, a BCP 47 tag: "pt_BR" is "pt-BR"."""
        return self.code.replace("_", "-")

    @property
    def catalogue_path(self):
        return os.path.join(TRANSLATIONS, "korbo_%s.ts" % self.code)

    def caption(self, source):
        """A text of the game as it shows it in this language, mnemonic and all."""
        if self.code == SOURCE_LANGUAGE:
            return source
        found = read_catalogue(self.catalogue_path).get(source, set())
        if len(found) != 1:
            raise LookupError("%s: %s translation of %r" % (
                os.path.relpath(self.catalogue_path, ROOT),
                "no finished" if not found else "more than one", source))
        return next(iter(found))

    def said(self, source):
        """A text of the game as the player reads it in this language."""
        return drop_mnemonic(self.caption(source))

    def key_name(self, name):
        """A key as it is written in this language: "Ctrl+F6" is "Strg+F6" in German."""
        if self.code == SOURCE_LANGUAGE:
            return name
        parts = re.split(r"\+(?=.)", name) # "Ctrl++" is Ctrl and the plus key
        unnamed = [p for p in parts if not PLAIN_KEY.fullmatch(p) and p not in self.texts.KEY_NAMES]
        if unnamed:
            raise LookupError("KEY_NAMES has no %s" % " or ".join(map(repr, unnamed)))
        return "+".join(p if PLAIN_KEY.fullmatch(p) else self.texts.KEY_NAMES[p] for p in parts)


def load_languages():
    """Every language with a texts_<code>.py here, the game's own language first."""
    found = {}
    for path in sorted(glob.glob(os.path.join(HERE, "texts_*.py"))):
        texts = types.SimpleNamespace(**runpy.run_path(path))
        found[texts.LANGUAGE] = Language(texts.LANGUAGE, texts)
    if SOURCE_LANGUAGE not in found:
        raise RuntimeError("no texts_%s.py in %s" % (SOURCE_LANGUAGE, HERE))
    return dict(sorted(found.items(), key=lambda item: item[0] != SOURCE_LANGUAGE))


LANGUAGES = load_languages()


# ---------------------------------------------------------------------------
# The categories table
# ---------------------------------------------------------------------------

# (category, [(dice, expected score)]); each language writes a note for every
# example, by its dice, in its CATEGORIES.
CATEGORY_ROWS = [
    ("Ones", [("111526", 3), ("234566", 0)]),
    ("Twos", [("222213", 8)]),
    ("Threes", [("333314", 12)]),
    ("Fours", [("444412", 16)]),
    ("Fives", [("555552", 25)]),
    ("Sixes", [("666613", 24)]),
    ("Quad", [("555523", 25), ("666666", 36), ("555223", 0)]),
    ("Twins", [("334516", 10), ("333512", 10), ("444425", 20), ("224466", 40),
               ("333355", 40)]),
    ("Triples", [("222451", 15), ("444445", 15), ("333666", 40), ("111111", 40)]),
    ("Odds", [("135246", 9), ("555533", 37)]),
    ("Evens", [("246135", 12), ("666644", 42)]),
    ("Flush", [("123452", 35), ("234566", 35), ("123456", 50), ("123356", 0)]),
    ("PotLuck", [("665541", 27), ("112123", 10)]),
    ("Korbo", [("444444", 60), ("444443", 0)]),
]


def check_examples():
    """Scores every example of the table; returns a list of mismatches."""
    wrong = []
    for name, examples in CATEGORY_ROWS:
        for dice, expected in examples:
            got = score(dice_of(dice), name)
            if got != expected:
                wrong.append("%s %s: table says %d, rules give %d"
                             % (name, dice, expected, got))
    # A few facts the text states in words.
    if 3 * sum(range(1, 7)) >= UPPER_BONUS_NEEDS:
        wrong.append("three of each face should fall short of the upper bonus")
    if 4 * sum(range(1, 7)) < UPPER_BONUS_NEEDS:
        wrong.append("four of each face should reach the upper bonus")
    if score([6] * 6, "Quad") != 36 or score([6] * 6, "Sixes") != 36:
        wrong.append("six sixes should score 36 in Quad and in Sixes")
    return wrong


def check_texts(language):
    """What a language's texts miss or have too many of; an empty list when complete."""
    texts, wrong = language.texts, []
    if sorted(texts.SECTIONS) != sorted(SECTION_ANCHORS):
        wrong.append("sections %s, the page has %s" % (sorted(texts.SECTIONS), sorted(SECTION_ANCHORS)))
    if sorted(texts.CATEGORIES) != sorted(CATEGORIES):
        wrong.append("categories %s, the game has %s" % (sorted(texts.CATEGORIES), sorted(CATEGORIES)))
    for name, examples in CATEGORY_ROWS:
        notes = texts.CATEGORIES.get(name, ("", "", {}))[2]
        if sorted(notes) != sorted(dice for dice, _ in examples):
            wrong.append("%s: notes for %s, the examples are %s"
                         % (name, list(notes), [dice for dice, _ in examples]))
    return ["texts_%s.py: %s" % (language.code, line) for line in wrong]


def category_table(language, words):
    texts = language.texts
    rows = []
    for i, (name, examples) in enumerate(CATEGORY_ROWS, start=1):
        shown, rule, notes = texts.CATEGORIES[name]
        cells = []
        for dice, expected in examples:
            cells.append('<div class="example">%s <span class="arrow">&rarr;</span> '
                         '<b>%d</b> <span class="note">%s</span></div>'
                         % (throw(dice, 18), expected, esc(notes[dice])))
        group = "upper" if i <= 6 else "lower"
        rows.append('<tr class="%s"><td class="num">%d</td><th scope="row">%s</th>'
                    '<td>%s</td><td class="examples">%s</td></tr>'
                    % (group, i, esc(shown), rule, "".join(cells)))
        if i == 6:
            rows.append('<tr class="bonusrow"><td class="num"></td><th scope="row">%s</th>'
                        '<td colspan="2">%s</td></tr>'
                        % (esc(language.said("Bonus")), texts.BONUS_RULE % words))
    return ('<table class="cats">\n<thead><tr><th class="num">%s</th><th>%s</th>'
            '<th>%s</th><th>%s</th></tr></thead>\n<tbody>\n%s\n'
            '</tbody>\n</table>' % (tuple(esc(h) for h in texts.TABLE_HEAD) + ("\n".join(rows),)))


# ---------------------------------------------------------------------------
# The words the texts put in their sentences
# ---------------------------------------------------------------------------

def vocabulary(language):
    """Everything a language's texts name by %(name)s: the game's menus, buttons
    and keys as that language has them, and the figures the rules give."""
    said = language.said

    def keys(*names):
        return ", ".join(key(language.key_name(n)) for n in names)

    def alt(menu_caption):
        return keys("Alt+" + mnemonic(language.caption(menu_caption)))

    def entry(*path):
        return menu(*(said(p) for p in path))

    def shown(text):
        return ui(said(text))

    words = {
        # Menu entries.
        "new": entry("&Game", "&New"),
        "hint": entry("&Game", "&Hint"),
        "coach": entry("&Game", "&Coach"),
        "print": entry("&Game", "&Print Scores"),
        "players": entry("&View", "&Players..."),
        "scores": entry("&View", "&Scores"),
        "go_to_scores": entry("&View", "&Go to Scores"),
        "records": entry("&View", "&Records"),
        "statistics": entry("&View", "Stat&istics..."),
        "say_again": entry("&View", "Say Agai&n"),
        "say_dice": entry("&View", "Say &Dice"),
        "say_turn": entry("&View", "Say &Turn"),
        "options": entry("&View", "&Options..."),
        "how_to_play": entry("&Help", "How to &Play"),
        "exit": entry("&Game", "E&xit"),
        "zoom_in": entry("&View", "&Zoom In"),
        "zoom_out": entry("&View", "Zoom O&ut"),
        "actual_size": entry("&View", "A&ctual Size"),
        "full_screen": entry("&View", "&Full Screen"),
        # Buttons and questions.
        "start": shown("Start Game"),
        "stop": shown("Stop this game?"),
        "t1": shown("1st Throw"),
        "t2": shown("2nd Throw"),
        "t3": shown("3rd Throw"),
        "t4": shown("4th Throw"),
        "fin": shown("Finished"),
        "cancel": shown("Cancel"),
        "find": shown("Find Name:"),
        "today": shown("Find Today's"),
        "unselect": shown("Unselect"),
        "import": shown("Import ..."),
        "load": shown("&Load Image ..."),
        "save": shown("Save"),
        # The statistics window: its list, its buttons and the tabs of its plots.
        "player_list": shown("&Player:"),
        "export": shown("&Export..."),
        "clear_player": shown("C&lear Player..."),
        "clear_all": shown("Clear &All..."),
        "tab_totals": shown("&Totals"),
        "tab_ranges": shown("&Ranges"),
        "tab_categories": shown("&Categories"),
        "tab_coach": shown("C&oach"),
        # Keys.
        "tab": keys("Tab"), "shift_tab": keys("Shift+Tab"), "arrows": keys("Arrow keys"),
        "space": keys("Space"), "enter": keys("Enter"), "escape": keys("Escape"),
        "alt": keys("Alt"), "home": keys("Home"), "end": keys("End"),
        "page_up": keys("Page Up"), "page_down": keys("Page Down"),
        "one": keys("1"), "six": keys("6"),
        "d": keys("D"), "f": keys("F"), "j": keys("J"), "l": keys("L"), "s": keys("S"),
        "t": keys("T"), "w": keys("W"),
        "f1": keys("F1"), "f2": keys("F2"), "f5": keys("F5"), "f6": keys("F6"), "f7": keys("F7"),
        "ctrlf6": keys("Ctrl+F6"), "ctrln": keys("Ctrl+N"), "ctrlq": keys("Ctrl+Q"),
        "ctrlplus": keys("Ctrl++"), "ctrlminus": keys("Ctrl+-"), "ctrl0": keys("Ctrl+0"),
        "f11": keys("F11"),
        "alt_game": alt("&Game"), "alt_view": alt("&View"), "alt_help": alt("&Help"),
        # Figures.
        "upper_bonus": UPPER_BONUS,
        "bonus_needs": UPPER_BONUS_NEEDS,
        "three": 3 * sum(range(1, 7)),
        "four": 4 * sum(range(1, 7)),
    }
    words["table"] = category_table(language, words)
    words["rows"] = "\n".join("<tr><td>%s</td><td>%s</td></tr>" % (cell % words, what % words)
                              for cell, what in language.texts.KEYS)
    return words


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


# The sections in page order; every language has a title and a body for each.
SECTION_ANCHORS = ["aim", "start", "turn", "choose", "categories", "sheet", "records",
                   "statistics", "options", "computer", "hints", "keys", "files"]


def section(anchor, title, body):
    return '<section id="%s">\n<h2>%s</h2>\n%s\n</section>' % (anchor, esc(title), body.strip())


def page(code=SOURCE_LANGUAGE):
    """The whole page in a language, by its code."""
    language = LANGUAGES[code]
    texts = language.texts
    words = vocabulary(language)
    sections = [(a,) + texts.SECTIONS[a] for a in SECTION_ANCHORS]
    nav = "\n".join('<li><a href="#%s">%s</a></li>' % (a, esc(t)) for a, t, _ in sections)
    body = "\n\n".join(section(a, t, text % words) for a, t, text in sections)
    banner = "".join(die(f, 34, "die big") for f in (1, 2, 3, 4, 5, 6))
    return """<!DOCTYPE html>
<html lang="%(lang)s">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>%(title)s</title>
<style>%(style)s</style>
</head>
<body>
<header>
<h1>KORBO</h1>
<p>%(headline)s</p>
<div class="dice">%(banner)s</div>
</header>

<nav>
<h2>%(contents)s</h2>
<ol>
%(nav)s
</ol>
</nav>

%(body)s

<footer><p>%(footer)s</p></footer>
</body>
</html>
""" % {"lang": language.lang, "title": esc(texts.TITLE), "headline": esc(texts.HEADLINE),
       "contents": esc(texts.CONTENTS), "footer": texts.FOOTER,
       "style": STYLE, "banner": banner, "nav": nav, "body": body}


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--language", choices=list(LANGUAGES),
                        help="write only this language's page (default: every language's)")
    parser.add_argument("--out", help="file to write, with --language (default: "
                        "assets/help/korbo.htm in English, korbo_<language>.htm otherwise)")
    parser.add_argument("--check", action="store_true",
                        help="only check the example scores and that the pages can be made")
    args = parser.parse_args(argv)
    if args.out and not args.language:
        parser.error("--out writes one page: say which with --language")

    chosen = [LANGUAGES[args.language]] if args.language else list(LANGUAGES.values())
    wrong = check_examples()
    for language in chosen:
        wrong += check_texts(language)
    pages = {}
    if not wrong:
        for language in chosen:
            try:
                pages[language.code] = page(language.code)
            except (LookupError, ValueError, TypeError, OSError, ElementTree.ParseError) as error:
                wrong.append("texts_%s.py: %s" % (language.code, error))
    if wrong:
        for line in wrong:
            print("make_help: " + line, file=sys.stderr)
        return 1
    if args.check:
        print("make_help: every example scores as the table says; the %s page%s can be made"
              % (", ".join(pages), "s" if len(pages) > 1 else ""))
        return 0

    for language in chosen:
        out = args.out or language.out
        data = pages[language.code].encode("utf-8")
        os.makedirs(os.path.dirname(os.path.abspath(out)), exist_ok=True)
        with open(out, "wb") as f:
            f.write(data)
        print("make_help: wrote %s (%d bytes)" % (out, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
