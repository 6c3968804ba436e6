"""Checks of the help page generator and of the page it writes.

    python3 -m unittest discover -s tools/help -p 'test_*.py'
"""

import html.parser
import os
import re
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_help  # noqa: E402

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
        "source", "track", "wbr"}
# SVG shapes are written self-closing.
SELF_CLOSING_OK = {"circle", "rect", "path", "line"}


class Structure(html.parser.HTMLParser):
    """Collects what the tests look at: unbalanced tags, ids, links, text."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.stack, self.errors, self.ids, self.hrefs = [], [], [], []
        self.tags, self.text, self.attrs = [], [], []

    def handle_starttag(self, tag, attrs):
        self.tags.append(tag)
        self.attrs.extend(attrs)
        a = dict(attrs)
        if "id" in a:
            self.ids.append(a["id"])
        if tag == "a" and "href" in a:
            self.hrefs.append(a["href"])
        if tag not in VOID:
            self.stack.append((tag, self.getpos()))

    def handle_startendtag(self, tag, attrs):
        self.tags.append(tag)
        self.attrs.extend(attrs)
        if tag not in VOID and tag not in SELF_CLOSING_OK:
            self.errors.append("self-closed <%s> at %s" % (tag, self.getpos()))

    def handle_endtag(self, tag):
        if tag in VOID:
            self.errors.append("end tag for void <%s> at %s" % (tag, self.getpos()))
            return
        if not self.stack or self.stack[-1][0] != tag:
            self.errors.append("</%s> at %s closes %s" % (tag, self.getpos(),
                                                          self.stack[-1] if self.stack else "nothing"))
            return
        self.stack.pop()

    def handle_data(self, data):
        self.text.append(data)


def parse(text):
    p = Structure()
    p.feed(text)
    p.close()
    return p


class ScoringTable(unittest.TestCase):
    def test_scores(self):
        cases = [
            ("Ones", "111526", 3), ("Sixes", "666666", 36), ("Fives", "123446", 0),
            ("Quad", "555523", 25), ("Quad", "444411", 18), ("Quad", "555223", 0),
            ("Twins", "123456", 0), ("Twins", "112345", 10), ("Twins", "111234", 10),
            ("Twins", "111123", 20), ("Twins", "111112", 20), ("Twins", "112233", 40),
            ("Twins", "111122", 40), ("Twins", "666666", 40),
            ("Triples", "111234", 15), ("Triples", "111123", 15), ("Triples", "111112", 15),
            ("Triples", "111222", 40), ("Triples", "666666", 40), ("Triples", "112233", 0),
            ("Odds", "135246", 9), ("Odds", "111111", 17), ("Odds", "246246", 0),
            ("Evens", "246135", 12), ("Evens", "222222", 22), ("Evens", "135135", 0),
            ("Flush", "123456", 50), ("Flush", "123451", 35), ("Flush", "234566", 35),
            ("Flush", "123466", 0), ("Flush", "134566", 0),
            ("PotLuck", "111111", 6), ("PotLuck", "666666", 36),
            ("Korbo", "333333", 60), ("Korbo", "333334", 0),
        ]
        for category, dice, expected in cases:
            with self.subTest(category=category, dice=dice):
                self.assertEqual(make_help.score(make_help.dice_of(dice), category), expected)

    def test_every_example_in_the_table_scores_as_written(self):
        self.assertEqual(make_help.check_examples(), [])
        self.assertEqual([row[0] for row in make_help.CATEGORY_ROWS], make_help.CATEGORIES)


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.text = make_help.page()
        cls.parsed = parse(cls.text)
        cls.plain = re.sub(r"\s+", " ", "".join(cls.parsed.text))

    def test_well_formed(self):
        self.assertTrue(self.text.startswith("<!DOCTYPE html>"))
        self.assertEqual(self.parsed.errors, [])
        self.assertEqual(self.parsed.stack, [])
        self.assertEqual(len(self.parsed.ids), len(set(self.parsed.ids)), "duplicate ids")

    def test_self_contained(self):
        for tag in ("script", "link", "img", "iframe", "object", "embed"):
            self.assertNotIn(tag, self.parsed.tags)
        for name, value in self.parsed.attrs:
            self.assertFalse(name.startswith("on"), name)
            self.assertNotIn(name, ("src", "srcset"))
        self.assertNotRegex(self.text, r"(?i)https?:|url\(|@import|//www\.")
        for href in self.parsed.hrefs:
            self.assertTrue(href.startswith("#"), href)
            self.assertIn(href[1:], self.parsed.ids, href)

    def test_covers_the_game(self):
        for words in [
            "one to six players", "fourteen rounds", "one turn", "exactly once",
            "View / Players...", "up to six", "12 characters", "Start Game", "Game / New",
            "Stop this game?", "nothing is recorded",
            "1st Throw", "2nd Throw", "3rd Throw", "4th Throw", "Finished",
            "held row", "Right-click a die", "three jokers", "jester",
            "does not count", "yellow", "green", "score of 0",
            "View / Scores", "Show Leader", "winner underlined", "Game / Print Scores",
            "View / Records", "Brilliant Highs", "Super Tries", "99", "Find Name:",
            "Find Today's", "Unselect", "Show Records",
            "View / Options...", "Zany", "Mute Dice", "Animation", "Text Buttons",
            "Crosshair", "Auto 1st Throw", "Standard", "Traditional", "Ladybirds", "Rainbow",
            "Buttons", "Photo", "User Defined", "Import ...", "48 x 48", "transparent",
            "Alt", "~/.config/korbo/Korbo.ini", "~/.local/share/korbo/data.dat", "dudd1.gif",
            "F1", "F2", "F6", "another 60", "reach 80", "40",
            "Arrow keys", "Shift+Tab", "Escape", "play a joker on it",
        ]:
            with self.subTest(words=words):
                self.assertIn(words, self.plain)
        for name in make_help.CATEGORIES:
            self.assertIn(name, self.plain)

    def test_palette(self):
        self.assertIn("#00a000", self.text)
        self.assertIn("#c0ffc0", self.text)


class Writing(unittest.TestCase):
    def test_rerun_writes_the_same_file(self):
        with tempfile.TemporaryDirectory() as d:
            a, b = os.path.join(d, "a", "korbo.htm"), os.path.join(d, "b.htm")
            with open(os.devnull, "w") as quiet:
                old, sys.stdout = sys.stdout, quiet
                try:
                    self.assertEqual(make_help.main(["--out", a]), 0)
                    self.assertEqual(make_help.main(["--out", b]), 0)
                finally:
                    sys.stdout = old
            with open(a, "rb") as fa, open(b, "rb") as fb:
                self.assertEqual(fa.read(), fb.read())

    def test_committed_page_is_up_to_date(self):
        if not os.path.exists(make_help.DEFAULT_OUT):
            self.skipTest("no page written yet")
        with open(make_help.DEFAULT_OUT, encoding="utf-8") as f:
            self.assertEqual(f.read(), make_help.page(),
                             "run python3 tools/help/make_help.py")


if __name__ == "__main__":
    unittest.main()
