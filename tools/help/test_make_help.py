"""Checks of the help page generator and of the pages it writes, in every language.

    python3 -m unittest discover -s tools/help -p 'test_*.py'
"""

import contextlib
import html.parser
import io
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

    def test_every_language_has_every_text(self):
        self.assertIn("de", make_help.LANGUAGES)
        for code, language in make_help.LANGUAGES.items():
            with self.subTest(language=code):
                self.assertEqual(make_help.check_texts(language), [])


class Catalogue(unittest.TestCase):
    """The game's words are read from its Qt Linguist files."""

    def test_only_finished_translations_count(self):
        ts = """<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="xx">
<context><name>a</name>
<message><source>&amp;Game</source><translation>&amp;Spiel</translation></message>
<message><source>Save</source><translation type="unfinished">Speichern</translation></message>
<message><source>OK</source><translation>Gut</translation></message>
<message numerus="yes"><source>%n joker(s)</source><translation>
<numerusform>%n Joker</numerusform></translation></message>
</context>
<context><name>b</name>
<message><source>OK</source><translation>Okay</translation></message>
</context>
</TS>
"""
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "korbo_xx.ts")
            with open(path, "w", encoding="utf-8") as f:
                f.write(ts)
            self.assertEqual(make_help.read_catalogue(path),
                             {"&Game": {"&Spiel"}, "OK": {"Gut", "Okay"}})
        self.assertEqual(make_help.drop_mnemonic("Bild &laden && mehr"), "Bild laden & mehr")
        self.assertEqual(make_help.mnemonic("Z&ug sagen"), "U")

    def test_html_names_a_language_by_its_bcp47_tag(self):
        self.assertEqual(make_help.Language("pt_BR", None).lang, "pt-BR")
        self.assertEqual(make_help.Language("de", None).lang, "de")
        self.assertEqual(make_help.Language("en", None).lang, "en")

    def test_german_words_come_from_the_game(self):
        german = make_help.LANGUAGES["de"]
        self.assertEqual(german.said("&Load Image ..."), "Bild laden ...")
        self.assertEqual(german.key_name("Ctrl+F6"), "Strg+F6")
        self.assertEqual(make_help.LANGUAGES["en"].said("&Load Image ..."), "Load Image ...")
        with self.assertRaises(LookupError):
            german.said("No such text in the game")


# What every page must tell.  Texts of the game are given as the game's sources
# (a menu entry as its path) and looked for as the language's catalogue has them.
PROGRAM_TEXTS = [
    ("&View", "&Players..."), ("Start Game",), ("&Game", "&New"), ("Stop this game?",),
    ("1st Throw",), ("2nd Throw",), ("3rd Throw",), ("4th Throw",), ("Finished",),
    ("&View", "&Scores"), ("Subtotal",), ("Show Leader",), ("&Game", "&Print Scores"),
    ("&View", "&Records"), ("Brilliant Highs",), ("Super Tries",), ("Find Name:",),
    ("Find Today's",), ("Unselect",), ("Show Records",), ("&View", "&Options..."),
    ("Zany",), ("Mute Dice",), ("Text Buttons",), ("Crosshair",), ("Auto 1st Throw",),
    ("Traditional",), ("Ladybirds",), ("Rainbow",), ("Buttons",), ("Photo",),
    ("User Defined",), ("Import ...",), ("&Load Image ...",), ("Save",), ("Cancel",),
    ("&Game", "&Hint"), ("&Game", "&Coach"), ("&View", "&Go to Scores"),
    ("&Help", "How to &Play"), ("&View", "Stat&istics..."), ("&Player:",), ("&Export...",),
    ("C&lear Player...",), ("Clear &All...",), ("&Totals",), ("&Ranges",), ("&Categories",),
    ("C&oach",),
]
ANY_LANGUAGE = ["99", "48 x 48", "40", "F1", "F2", "F6", "F7", "Alt", "~/.config/korbo/Korbo.ini",
                "~/.local/share/korbo/data.dat", "dudd1.gif", "~/.local/share/korbo/history.sqlite",
                "CSV", "SQLite"]
# The board's captions where they differ from the names on the score sheet.
BOARD_CAPTIONS = {"Quad": "Quads", "Triples": "Triplets", "PotLuck": "Pot Luck"}


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pages = {}
        for code in make_help.LANGUAGES:
            text = make_help.page(code)
            parsed = parse(text)
            cls.pages[code] = (text, parsed, re.sub(r"\s+", " ", "".join(parsed.text)))

    def test_well_formed(self):
        for code, (text, parsed, _) in self.pages.items():
            with self.subTest(language=code):
                # HTML names a language by its BCP 47 tag: "pt_BR" is "pt-BR".
                opening = re.match(r'<!DOCTYPE html>\n<html lang="([^"]*)">', text)
                self.assertIsNotNone(opening)
                self.assertEqual(opening.group(1), code.replace("_", "-"))
                self.assertRegex(opening.group(1), r"^[a-z]{2,3}(-[A-Z]{2})?$")
                self.assertEqual(parsed.errors, [])
                self.assertEqual(parsed.stack, [])
                self.assertEqual(len(parsed.ids), len(set(parsed.ids)), "duplicate ids")

    def test_self_contained(self):
        for code, (text, parsed, _) in self.pages.items():
            with self.subTest(language=code):
                for tag in ("script", "link", "img", "iframe", "object", "embed"):
                    self.assertNotIn(tag, parsed.tags)
                for name, value in parsed.attrs:
                    self.assertFalse(name.startswith("on"), name)
                    self.assertNotIn(name, ("src", "srcset"))
                self.assertNotRegex(text, r"(?i)https?:|url\(|@import|//www\.")
                self.assertIn("#00a000", text)
                self.assertIn("#c0ffc0", text)
                for href in parsed.hrefs:
                    self.assertTrue(href.startswith("#"), href)
                    self.assertIn(href[1:], parsed.ids, href)

    def test_covers_the_game(self):
        english = make_help.LANGUAGES["en"]
        for code, (_, _, plain) in self.pages.items():
            language = make_help.LANGUAGES[code]
            for path in PROGRAM_TEXTS:
                with self.subTest(language=code, text=path):
                    shown = " / ".join(language.said(p) for p in path)
                    self.assertIn(shown, plain)
                    source = " / ".join(english.said(p) for p in path)
                    if shown != source:
                        # As a word of its own: "Cancel" is in "Cancelar".
                        self.assertNotRegex(plain, r"(?<!\w)%s(?!\w)" % re.escape(source), "left in English")
            for words in ANY_LANGUAGE + language.texts.MUST_TELL:
                with self.subTest(language=code, words=words):
                    self.assertIn(words, plain)
            for name in make_help.CATEGORIES:
                with self.subTest(language=code, category=name):
                    shown = language.texts.CATEGORIES[name][0]
                    self.assertIn(shown, {language.said(name), language.said(BOARD_CAPTIONS.get(name, name))})
                    self.assertIn(shown, plain)


class Writing(unittest.TestCase):
    def test_rerun_writes_the_same_file(self):
        for code in make_help.LANGUAGES:
            with self.subTest(language=code), tempfile.TemporaryDirectory() as d:
                a, b = os.path.join(d, "a", "korbo.htm"), os.path.join(d, "b.htm")
                with contextlib.redirect_stdout(io.StringIO()):
                    self.assertEqual(make_help.main(["--language", code, "--out", a]), 0)
                    self.assertEqual(make_help.main(["--language", code, "--out", b]), 0)
                with open(a, "rb") as fa, open(b, "rb") as fb:
                    self.assertEqual(fa.read(), fb.read())
                    fa.seek(0)
                    self.assertEqual(fa.read().decode("utf-8"), make_help.page(code))

    def test_out_needs_a_language(self):
        with contextlib.redirect_stderr(io.StringIO()), self.assertRaises(SystemExit):
            make_help.main(["--out", os.devnull])

    def test_committed_pages_are_up_to_date(self):
        # The names the game looks for: korbo.htm, and korbo_<language>.htm beside it.
        self.assertEqual(os.path.basename(make_help.LANGUAGES["en"].out), "korbo.htm")
        self.assertEqual(os.path.basename(make_help.LANGUAGES["de"].out), "korbo_de.htm")
        for code, language in make_help.LANGUAGES.items():
            with self.subTest(language=code):
                with open(language.out, encoding="utf-8", newline="") as f:
                    self.assertEqual(f.read(), make_help.page(code),
                                     "run python3 tools/help/make_help.py")


if __name__ == "__main__":
    unittest.main()
