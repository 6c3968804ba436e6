#!/usr/bin/env python3
"""Checks on the committed sound files (and that the generator reproduces them).

Run: python3 -m unittest discover -s tools/sounds -p 'test_*.py'
Headless, standard library only, a couple of seconds.
"""

import array
import math
import os
import struct
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_sounds  # noqa: E402

SOUND_DIR = make_sounds.DEFAULT_OUT
NAMES = (["shake1", "shake3", "shake5", "pop"] +
         ["rnd%d" % i for i in range(1, 18)] +
         ["quad_std", "quad_zany", "coo", "bow", "arrow", "twang", "odds", "evens",
          "flush_std", "flush_zany", "potluck_std", "potluck_zany", "korbo_std",
          "korbo_zany", "uhoh", "ohdear", "zero", "growl", "soundsoff", "soundson"])


def read(name):
    with open(os.path.join(SOUND_DIR, name + ".wav"), "rb") as f:
        return f.read()


def samples(data):
    pcm = array.array("h", data[44:])
    if sys.byteorder != "little":
        pcm.byteswap()
    return pcm


class SoundFiles(unittest.TestCase):
    def test_the_generator_knows_every_sound(self):
        self.assertEqual(len(NAMES), 41)
        self.assertEqual(sorted(make_sounds.SOUNDS), sorted(NAMES))

    def test_plain_16bit_mono_22050_header(self):
        for name in NAMES:
            with self.subTest(name=name):
                data = read(name)
                riff, size, wave_, fmt, fmt_len = struct.unpack("<4sI4s4sI", data[:20])
                tag, channels, rate, byte_rate, align, bits = struct.unpack("<HHIIHH", data[20:36])
                chunk, data_len = struct.unpack("<4sI", data[36:44])
                self.assertEqual((riff, wave_, fmt, chunk), (b"RIFF", b"WAVE", b"fmt ", b"data"))
                self.assertEqual((fmt_len, tag, channels, rate, bits), (16, 1, 1, 22050, 16))
                self.assertEqual((byte_rate, align), (44100, 2))
                self.assertEqual(data_len, len(data) - 44)
                self.assertEqual(size, len(data) - 8)

    def test_length_level_and_clean_edges(self):
        for name in NAMES:
            with self.subTest(name=name):
                pcm = samples(read(name))
                secs = len(pcm) / 22050.0
                self.assertGreaterEqual(secs, 0.1)
                self.assertLessEqual(secs, 2.0)
                peak = max(abs(v) for v in pcm) / 32768.0
                self.assertGreater(20 * math.log10(peak), -20.0)
                self.assertLessEqual(20 * math.log10(peak), -2.9)   # headroom kept
                self.assertLess(abs(pcm[0]), 300)
                self.assertLess(abs(pcm[-1]), 300)

    def test_pop_is_short_enough_to_repeat(self):
        self.assertLessEqual(len(samples(read("pop"))) / 22050.0, 0.25)

    def test_no_two_files_alike(self):
        bodies = {}
        for name in NAMES:
            body = read(name)[44:]
            self.assertNotIn(body, bodies, "%s equals %s" % (name, bodies.get(body)))
            bodies[body] = name

    def test_standard_and_zany_differ_in_length_or_content(self):
        for base in ("quad", "flush", "potluck", "korbo"):
            with self.subTest(base=base):
                std = samples(read(base + "_std"))
                zany = samples(read(base + "_zany"))
                n = min(len(std), len(zany))
                same = sum(1 for i in range(n) if abs(std[i] - zany[i]) < 64)
                self.assertLess(same / n, 0.5)

    def test_generator_is_reproducible(self):
        # Synthesised sounds must come out byte for byte as committed.
        with tempfile.TemporaryDirectory() as tmp:
            for name in ("pop", "rnd11", "rnd17"):
                with self.subTest(name=name):
                    make_sounds.make_one(name, tmp)
                    with open(os.path.join(tmp, name + ".wav"), "rb") as f:
                        self.assertEqual(f.read(), read(name))


if __name__ == "__main__":
    unittest.main()
