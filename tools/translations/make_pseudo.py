#!/usr/bin/env python3
"""Makes the pseudo-language: every text of the game, as lupdate read it from the
sources, with each Latin letter swapped for an accented one, about 40 % longer and
bracketed, so "&New Game" becomes "[&Ñéŵ Ĝáɱé ~~~~]".

A window shown in it tells the translator's two worries at a glance: a text still
in plain letters was never put through tr(), and a text that overflows its control
will overflow in a language that needs more room than English. The game never
offers it to players; the tests load it.

    make_pseudo.py SOURCE.ts OUT.ts

SOURCE.ts is what lupdate wrote (every text, none translated); OUT.ts declares
the language en_XA (the usual name of accented pseudo-English), so its plural
forms are English ones.
"""

import re
import sys
import xml.etree.ElementTree as ET

LETTERS = {
    'a': 'á', 'b': 'ƀ', 'c': 'ç', 'd': 'ď', 'e': 'é', 'f': 'ƒ', 'g': 'ĝ', 'h': 'ĥ', 'i': 'í',
    'j': 'ĵ', 'k': 'ķ', 'l': 'ĺ', 'm': 'ɱ', 'n': 'ñ', 'o': 'ó', 'p': 'þ', 'q': 'ǫ', 'r': 'ŕ',
    's': 'š', 't': 'ţ', 'u': 'ú', 'v': 'ṽ', 'w': 'ŵ', 'x': 'ẋ', 'y': 'ý', 'z': 'ž',
    'A': 'Á', 'B': 'Ɓ', 'C': 'Ç', 'D': 'Ď', 'E': 'É', 'F': 'Ƒ', 'G': 'Ĝ', 'H': 'Ĥ', 'I': 'Í',
    'J': 'Ĵ', 'K': 'Ķ', 'L': 'Ĺ', 'M': 'Ṁ', 'N': 'Ñ', 'O': 'Ó', 'P': 'Þ', 'Q': 'Ǫ', 'R': 'Ŕ',
    'S': 'Š', 'T': 'Ţ', 'U': 'Ú', 'V': 'Ṽ', 'W': 'Ŵ', 'X': 'Ẋ', 'Y': 'Ý', 'Z': 'Ž',
}

# Kept as they are: placeholders (%1, %L2, %n, %Ln), tags and entities of rich text,
# and a mnemonic's ampersand (the letter after it is swapped like any other).
KEEP = re.compile(r'%L?(?:\d{1,2}|n)|<[^>]*>|&(?:[a-zA-Z]+|#\d+);|&&')

LENGTHEN = 0.4


def pseudo(text):
    if not text:
        return text
    out, visible, at = [], 0, 0
    for match in KEEP.finditer(text):
        plain = text[at:match.start()]
        out.append(''.join(LETTERS.get(ch, ch) for ch in plain))
        visible += len(plain)
        out.append(match.group(0))
        at = match.end()
    plain = text[at:]
    out.append(''.join(LETTERS.get(ch, ch) for ch in plain))
    visible += len(plain)
    body = ''.join(out)
    # The extra length goes where the text ends, before a closing tag of rich text,
    # in a word of its own so that wrapped text can still break there.
    padding = '~' * max(1, round(visible * LENGTHEN))
    closing = re.search(r'(</[^>]+>\s*)+$', body)
    cut = closing.start() if closing else len(body)
    return '[' + body[:cut] + ' ' + padding + ']' + body[cut:]


def main(source_path, out_path):
    tree = ET.parse(source_path)
    root = tree.getroot()
    root.set('language', 'en_XA')
    root.set('sourcelanguage', 'en')
    for message in root.iter('message'):
        source = message.find('source').text or ''
        translation = message.find('translation')
        if translation is None:
            translation = ET.SubElement(message, 'translation')
        translation.attrib.pop('type', None)
        for form in list(translation):
            translation.remove(form)
        if message.get('numerus') == 'yes':
            translation.text = None
            for _ in range(2):  # English has two forms: one, and every other count
                ET.SubElement(translation, 'numerusform').text = pseudo(source)
        else:
            translation.text = pseudo(source)
    with open(out_path, 'wb') as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding='utf-8', xml_declaration=False)


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
