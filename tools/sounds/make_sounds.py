#!/usr/bin/env python3
"""Make Korbo's sound effects.

Writes every recording the game plays into assets/sounds/ as 16-bit mono
22050 Hz PCM WAV files with a plain 44-byte header.

Everything except the spoken words is synthesised right here from oscillators,
filtered noise and damped resonators.  The spoken words come from espeak-ng
and are tidied with sox, then finished (levels, fades) by the same code as the
rest.  All random choices use fixed seeds, so a rerun writes identical files.

Usage:
    python3 tools/sounds/make_sounds.py              # make all of them
    python3 tools/sounds/make_sounds.py pop coo      # just these
    python3 tools/sounds/make_sounds.py --check      # only verify the files
    python3 tools/sounds/make_sounds.py --out DIR    # write somewhere else

Needs only the Python standard library, plus sox and espeak-ng on the PATH for
the spoken words (Debian: apt-get install sox espeak-ng).
"""

import argparse
import array
import collections
import concurrent.futures
import math
import os
import random
import shutil
import subprocess
import sys
import tempfile
import wave

SR = 22050
TAU = 2.0 * math.pi
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
DEFAULT_OUT = os.path.join(ROOT, "assets", "sounds")

# Level matching: every sound is brought to the same gated, K-weighted loudness
# (measured on its loud part only), its peaks are kept at or below CEILING_DB,
# and a gentle limiter may shave up to MAX_LIMIT_DB off sharp transients so that
# clicky sounds are not left much quieter than sustained ones.
TARGET_LOUDNESS_DB = -13.0
CEILING_DB = -3.0
MAX_LIMIT_DB = 6.0
MIN_LEN, MAX_LEN = 0.1, 2.0


# ---------------------------------------------------------------------------
# Small DSP toolkit (plain lists of floats, one per sample)
# ---------------------------------------------------------------------------

def ns(sec):
    """Seconds to a sample count."""
    return max(0, int(round(sec * SR)))


def zeros(sec):
    return [0.0] * ns(sec)


def add(dst, src, at=0.0, gain=1.0):
    """Mix src into dst starting at `at` seconds, growing dst if needed."""
    o = ns(at)
    need = o + len(src)
    if need > len(dst):
        dst.extend([0.0] * (need - len(dst)))
    for i, v in enumerate(src):
        dst[o + i] += v * gain
    return dst


def scale(x, g):
    return [v * g for v in x]


def mul(a, b):
    return [p * q for p, q in zip(a, b)]


def mix(*parts):
    """mix((signal, gain), ...) -> sum, as long as the longest part."""
    n = max(len(s) for s, _ in parts)
    out = [0.0] * n
    for s, g in parts:
        for i, v in enumerate(s):
            out[i] += v * g
    return out


def curve(points, n=None, smooth=False):
    """Piecewise-linear (or smoothstep) curve through (time, value) points."""
    if n is None:
        n = ns(points[-1][0])
    out = [0.0] * n
    j = 0
    last = len(points) - 1
    for i in range(n):
        t = i / SR
        while j < last - 1 and t >= points[j + 1][0]:
            j += 1
        t0, v0 = points[j]
        t1, v1 = points[j + 1]
        u = 1.0 if t1 <= t0 else (t - t0) / (t1 - t0)
        u = 0.0 if u < 0.0 else (1.0 if u > 1.0 else u)
        if smooth:
            u = u * u * (3.0 - 2.0 * u)
        out[i] = v0 + (v1 - v0) * u
    return out


def gcurve(points, n=None, smooth=False):
    """Like curve() but interpolates geometrically: right for pitches."""
    logs = curve([(t, math.log(v)) for t, v in points], n, smooth)
    return [math.exp(v) for v in logs]


def lfo(n, rate, depth, phase=0.0, fade_in=0.0):
    """Multiplier 1 + depth*sin(...) per sample, optionally easing in."""
    fi = ns(fade_in)
    out = [0.0] * n
    for i in range(n):
        d = depth if i >= fi or fi == 0 else depth * i / fi
        out[i] = 1.0 + d * math.sin(TAU * rate * i / SR + phase)
    return out


def decay_env(n, attack, tau, hold=0.0):
    """Raised-cosine attack, optional hold, then exponential decay."""
    a = max(1, ns(attack))
    h = ns(hold)
    k = 1.0 / (tau * SR)
    out = [0.0] * n
    for i in range(n):
        if i < a:
            out[i] = 0.5 - 0.5 * math.cos(math.pi * i / a)
        elif i < a + h:
            out[i] = 1.0
        else:
            out[i] = math.exp(-(i - a - h) * k)
    return out


def gate_env(n, notes, attack=0.012, release=0.03):
    """Envelope that is 1 during each (start, dur, ...) note, with soft edges."""
    env = [0.0] * n
    a = max(1, ns(attack))
    r = max(1, ns(release))
    for note in notes:
        s, d = note[0], note[1]
        i0, i1 = ns(s), ns(s + d)
        for i in range(i0, min(n, i1 + r)):
            k = i - i0
            if k < a:
                v = 0.5 - 0.5 * math.cos(math.pi * k / a)
            elif i < i1:
                v = 1.0
            else:
                v = 0.5 + 0.5 * math.cos(math.pi * (i - i1) / r)
            if i >= i1 and k < a:
                v = min(v, 0.5 - 0.5 * math.cos(math.pi * k / a))
            if v > env[i]:
                env[i] = v
    return env


def note_track(notes, n, glide=0.03):
    """Per-sample pitch following (start, dur, freq) notes with portamento."""
    pts = []
    for s, d, f in notes:
        pts.append((s, f))
        pts.append((s + max(0.0, d - glide), f))
    if pts[0][0] > 0:
        pts.insert(0, (0.0, pts[0][1]))
    pts.append((max(pts[-1][0], n / SR) + 0.01, pts[-1][1]))
    return gcurve(pts, n)


def _freqs(freq, n):
    return freq if isinstance(freq, list) else [float(freq)] * n


def phases(freq, n, phase=0.0):
    """Running oscillator phase in cycles, wrapped to [0, 1)."""
    fr = _freqs(freq, n)
    out = [0.0] * n
    p = phase
    for i in range(n):
        out[i] = p
        p += fr[i] / SR
        p -= math.floor(p)
    return out


def sine(freq, n, phase=0.0, ratio=1.0):
    """Sine at freq*ratio (ratio may be fractional, for inharmonic partials)."""
    if ratio != 1.0:
        freq = [f * ratio for f in _freqs(freq, n)]
    return [math.sin(TAU * p) for p in phases(freq, n, phase)]


def additive(freq, n, coefs, phase=0.0):
    """Band-limited periodic wave from Fourier terms (k, amp, phase in cycles).
    Each harmonic fades out as it nears Nyquist, so glides never alias."""
    fr = _freqs(freq, n)
    ph = phases(fr, n, phase)
    lo, hi = 0.40 * SR, 0.46 * SR
    fmin = min(fr)
    out = [0.0] * n
    for k, a, phi in coefs:
        if k * fmin >= hi or a == 0.0:
            continue
        for i in range(n):
            fk = fr[i] * k
            if fk >= hi:
                continue
            g = a if fk <= lo else a * (hi - fk) / (hi - lo)
            out[i] += g * math.sin(TAU * (k * ph[i] + phi))
    return out


def _nharm(freq, n):
    return int(0.46 * SR / max(1.0, min(_freqs(freq, n)))) + 1


def saw(freq, n, phase=0.0):
    """Band-limited sawtooth."""
    return additive(freq, n, [(k, -2.0 / (math.pi * k), 0.0)
                              for k in range(1, _nharm(freq, n) + 1)], phase)


def pulse(freq, n, duty=0.5, phase=0.0):
    """Band-limited pulse wave (no DC)."""
    return additive(freq, n, [(k, 4.0 / (math.pi * k) * math.sin(math.pi * k * duty),
                               0.25 - 0.5 * k * duty)
                              for k in range(1, _nharm(freq, n) + 1)], phase)


def triangle(freq, n, phase=0.0):
    """Band-limited triangle."""
    return additive(freq, n, [(k, 8.0 / (math.pi * k) ** 2, 0.25)
                              for k in range(1, _nharm(freq, n) + 1, 2)], phase)


def harmonics(freq, n, amps, taus=None):
    """Additive tone: harmonic k at amps[k-1], each with its own decay."""
    fr = _freqs(freq, n)
    ph = phases(fr, n)
    out = [0.0] * n
    for k, a in enumerate(amps, 1):
        if a == 0.0:
            continue
        dec = math.exp(-1.0 / (taus[k - 1] * SR)) if taus else 1.0
        g = a
        lim = 0.45 * SR / k
        for i in range(n):
            if fr[i] < lim:
                out[i] += g * math.sin(TAU * k * ph[i])
            g *= dec
            if g < 1e-5:
                break
    return out


def modal(partials, dur):
    """Struck resonator bank: sum of a*exp(-t/tau)*sin(2 pi f t)."""
    n = ns(dur)
    out = [0.0] * n
    for f, a, tau in partials:
        if f >= 0.47 * SR or a == 0.0:
            continue
        w = TAU * f / SR
        r = math.exp(-1.0 / (tau * SR))
        c = 2.0 * r * math.cos(w)
        r2 = r * r
        y2 = 0.0
        y1 = a * r * math.sin(w)
        amp = a * r
        if n > 1:
            out[1] += y1
        for i in range(2, n):
            y = c * y1 - r2 * y2
            out[i] += y
            y2, y1 = y1, y
            amp *= r
            if amp < 1e-5:
                break
    return out


def noise(rng, n):
    return [rng.uniform(-1.0, 1.0) for _ in range(n)]


def svf(x, fc, q=0.707, mode="lp"):
    """Trapezoidal state-variable filter; fc (and q) may be per-sample lists.

    Modes: lp, hp, bp, and bpn (band-pass with unity gain at the centre)."""
    n = len(x)
    out = [0.0] * n
    fcl = fc if isinstance(fc, list) else None
    ql = q if isinstance(q, list) else None
    ic1 = ic2 = 0.0
    f = min(float(fc if fcl is None else fcl[0]), 0.49 * SR)
    k = 1.0 / (q if ql is None else ql[0])
    g = math.tan(math.pi * f / SR)
    a1 = 1.0 / (1.0 + g * (g + k))
    for i in range(n):
        if fcl is not None or ql is not None:
            f = min(fcl[i] if fcl is not None else f, 0.49 * SR)
            k = 1.0 / (ql[i] if ql is not None else 1.0 / k)
            g = math.tan(math.pi * f / SR)
            a1 = 1.0 / (1.0 + g * (g + k))
        a2 = g * a1
        a3 = g * a2
        v0 = x[i]
        v3 = v0 - ic2
        v1 = a1 * ic1 + a2 * v3
        v2 = ic2 + a2 * ic1 + a3 * v3
        ic1 = 2.0 * v1 - ic1
        ic2 = 2.0 * v2 - ic2
        if mode == "lp":
            out[i] = v2
        elif mode == "bp":
            out[i] = v1
        elif mode == "bpn":
            out[i] = k * v1
        else:
            out[i] = v0 - k * v1 - v2
    return out


def lowpass1(x, fc):
    a = math.exp(-TAU * fc / SR)
    y = 0.0
    out = [0.0] * len(x)
    for i, v in enumerate(x):
        y = (1.0 - a) * v + a * y
        out[i] = y
    return out


def highpass1(x, fc):
    lp = lowpass1(x, fc)
    return [v - l for v, l in zip(x, lp)]


def biquad(x, b0, b1, b2, a1, a2):
    out = [0.0] * len(x)
    x1 = x2 = y1 = y2 = 0.0
    for i, v in enumerate(x):
        y = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1 = x1, v
        y2, y1 = y1, y
        out[i] = y
    return out


def shelf_high(x, f0, gain_db, q=0.707):
    A = 10.0 ** (gain_db / 40.0)
    w = TAU * f0 / SR
    al = math.sin(w) / (2.0 * q)
    cw = math.cos(w)
    sa = 2.0 * math.sqrt(A) * al
    b0 = A * ((A + 1) + (A - 1) * cw + sa)
    b1 = -2 * A * ((A - 1) + (A + 1) * cw)
    b2 = A * ((A + 1) + (A - 1) * cw - sa)
    a0 = (A + 1) - (A - 1) * cw + sa
    a1 = 2 * ((A - 1) - (A + 1) * cw)
    a2 = (A + 1) - (A - 1) * cw - sa
    return biquad(x, b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0)


def highpass2(x, f0, q=0.707):
    w = TAU * f0 / SR
    al = math.sin(w) / (2.0 * q)
    cw = math.cos(w)
    a0 = 1 + al
    return biquad(x, (1 + cw) / 2 / a0, -(1 + cw) / a0, (1 + cw) / 2 / a0,
                  -2 * cw / a0, (1 - al) / a0)


def saturate(x, drive):
    t = math.tanh(drive)
    return [math.tanh(drive * v) / t for v in x]


def reverb(x, mix_=0.18, size=1.0, feedback=0.78, damp=0.3, tail=0.5):
    """Small Schroeder room (parallel damped combs into series all-passes)."""
    n = len(x) + ns(tail)
    src = x + [0.0] * (n - len(x))
    wet = [0.0] * n
    for d in (557, 593, 641, 677, 709, 743):
        d = max(1, int(d * size))
        buf = [0.0] * d
        idx = 0
        lp = 0.0
        for i in range(n):
            y = buf[idx]
            lp = y * (1.0 - damp) + lp * damp
            buf[idx] = src[i] + lp * feedback
            wet[i] += y
            idx += 1
            if idx == d:
                idx = 0
    for d in (278, 171, 113):
        buf = [0.0] * d
        idx = 0
        for i in range(n):
            b = buf[idx]
            v = wet[i]
            buf[idx] = v + b * 0.5
            wet[i] = b - v
            idx += 1
            if idx == d:
                idx = 0
    g = mix_ / 6.0
    return [s + g * w for s, w in zip(src, wet)]


def vibrato(x, rate, depth, fade_in=0.0, phase=0.0):
    """Pitch vibrato by a swept delay line; depth is the relative pitch swing."""
    n = len(x)
    amp = depth / (TAU * rate)  # seconds of delay swing for that pitch swing
    base = amp * 1.05
    fi = ns(fade_in)
    out = [0.0] * n
    for i in range(n):
        e = 1.0 if fi == 0 or i >= fi else i / fi
        d = (base + e * amp * math.sin(TAU * rate * i / SR + phase)) * SR
        pos = i - d
        j = int(math.floor(pos))
        fr = pos - j
        a = x[j] if 0 <= j < n else 0.0
        b = x[j + 1] if 0 <= j + 1 < n else 0.0
        out[i] = a + (b - a) * fr
    return out


def trim(x, rel_db=-45.0, pad=0.004):
    """Cut leading and trailing near-silence (relative to the peak)."""
    pk = max(abs(v) for v in x) if x else 0.0
    if pk == 0.0:
        return x
    thr = pk * 10.0 ** (rel_db / 20.0)
    first = next(i for i, v in enumerate(x) if abs(v) > thr)
    last = len(x) - 1 - next(i for i, v in enumerate(reversed(x)) if abs(v) > thr)
    p = ns(pad)
    return x[max(0, first - p):min(len(x), last + p + 1)]


# ---------------------------------------------------------------------------
# Level, fades and file writing
# ---------------------------------------------------------------------------

def loudness_db(x):
    """Rough K-weighted loudness of the loud part of a sound (50 ms blocks,
    gated 10 dB under the loudest block)."""
    y = shelf_high(highpass2(x, 60.0, 0.5), 1500.0, 4.0)
    blk = ns(0.05)
    hop = ns(0.0125)
    powers = []
    for i in range(0, max(1, len(y) - blk + 1), hop):
        seg = y[i:i + blk]
        powers.append(sum(v * v for v in seg) / max(1, len(seg)))
    mx = max(powers)
    if mx <= 0.0:
        return -200.0
    gated = [p for p in powers if p >= mx * 0.1]
    return 10.0 * math.log10(sum(gated) / len(gated))


def limit(x, ceiling, attack=0.002, hold=0.03, release=0.08):
    """Look-ahead peak limiter; the gain is held for a while after each peak so
    it does not ripple along with a tone's waveform.  Never exceeds ceiling."""
    n = len(x)
    req = [1.0 if abs(v) <= ceiling else ceiling / abs(v) for v in x]
    g = [1.0] * n
    h = ns(hold)
    window = collections.deque()
    for i in range(n):
        while window and req[window[-1]] >= req[i]:
            window.pop()
        window.append(i)
        if window[0] <= i - h:
            window.popleft()
        g[i] = req[window[0]]
    sa = 1.0 / max(1, ns(attack))
    for i in range(n - 2, -1, -1):
        if g[i] > g[i + 1] + sa:
            g[i] = g[i + 1] + sa
    sr_ = 1.0 / max(1, ns(release))
    for i in range(1, n):
        if g[i] > g[i - 1] + sr_:
            g[i] = g[i - 1] + sr_
    return [v * gg for v, gg in zip(x, g)]


def fade(x, fade_in, fade_out):
    n = len(x)
    a = min(n // 2, max(1, ns(fade_in)))
    r = min(n // 2, max(1, ns(fade_out)))
    y = list(x)
    for i in range(a):
        y[i] *= 0.5 - 0.5 * math.cos(math.pi * i / a)
    for i in range(r):
        y[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / r)
    return y


def finish(x, trim_db=0.0, max_limit_db=MAX_LIMIT_DB, fade_in=0.002, fade_out=0.02):
    """Remove DC, trim silence, match loudness, limit peaks, fade the edges.

    Percussive sounds may be allowed more limiting (max_limit_db): their
    loudness sits in a few milliseconds of transient, which the ear barely
    misses when it is shaved off."""
    x = highpass1([0.0] * ns(0.003) + x, 25.0)
    x = trim(x, -50.0, 0.003)
    peak = max(abs(v) for v in x)
    ceiling = 10.0 ** (CEILING_DB / 20.0)
    g = 10.0 ** ((TARGET_LOUDNESS_DB + trim_db - loudness_db(x)) / 20.0)
    if peak * g > ceiling * 10.0 ** (max_limit_db / 20.0):
        g = ceiling * 10.0 ** (max_limit_db / 20.0) / peak
    x = scale(x, g)
    if peak * g > ceiling:
        if max_limit_db > MAX_LIMIT_DB:
            x = limit(x, ceiling, attack=0.001, hold=0.004, release=0.03)
        else:
            x = limit(x, ceiling)
    x = fade(x, fade_in, fade_out)
    return x


def to_pcm16(x):
    out = array.array("h", [0] * len(x))
    for i, v in enumerate(x):
        s = int(round(v * 32767.0))
        out[i] = 32767 if s > 32767 else (-32768 if s < -32768 else s)
    return out


def write_wav(path, x):
    pcm = to_pcm16(x)
    if sys.byteorder != "little":
        pcm.byteswap()
    tmp = path + ".tmp"
    with wave.open(tmp, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(pcm.tobytes())
    os.replace(tmp, path)


# ---------------------------------------------------------------------------
# Speech (espeak-ng voice, tidied by sox)
# ---------------------------------------------------------------------------

def speak(text, voice, speed=150, pitch=50, sox_fx=(), gap=0):
    """Speak `text` with espeak-ng, run it through sox effects, return floats."""
    for tool in ("espeak-ng", "sox"):
        if shutil.which(tool) is None:
            raise SystemExit("%s is needed for the spoken sounds "
                             "(apt-get install sox espeak-ng)" % tool)
    tmp = tempfile.mkdtemp(prefix="korbo-voice-")
    try:
        wav = os.path.join(tmp, "voice.wav")
        raw = os.path.join(tmp, "voice.f32")
        subprocess.run(["espeak-ng", "-v", voice, "-s", str(speed),
                        "-p", str(pitch), "-a", "150", "-g", str(gap), "-z",
                        "-w", wav, text], check=True)
        subprocess.run(["sox", "-R", "-D", "-V1", wav,
                        "-t", "raw", "-e", "floating-point", "-b", "32",
                        "-c", "1", "-r", str(SR), raw,
                        "highpass", "70", "treble", "-4", "6000", "lowpass", "8500"]
                       + list(sox_fx), check=True)
        data = array.array("f")
        with open(raw, "rb") as f:
            data.frombytes(f.read())
        if sys.byteorder != "little":
            data.byteswap()
    finally:
        shutil.rmtree(tmp, ignore_errors=True)
    return trim(list(data), -40.0, 0.01)


def voice_sound(text, voice, speed, pitch, sox_fx=(), room=0.1):
    v = speak(text, voice, speed, pitch, sox_fx)
    # A touch of room so the voice sits with the other sounds.
    return reverb(v, mix_=room, size=0.7, feedback=0.7, tail=0.15)


# ---------------------------------------------------------------------------
# Shared sound makers
# ---------------------------------------------------------------------------

def die_modes(rng):
    """Resonances of one small hard die (each die slightly different)."""
    base = rng.uniform(2400.0, 3200.0)
    ratios = (1.0, 1.47, 2.06, 2.63)
    taus = (0.010, 0.007, 0.005, 0.0035)
    return [(base * r * rng.uniform(0.985, 1.015), tau)
            for r, tau in zip(ratios, taus)]


def dice_hit(rng, die, strength, on_table=True, cup=False):
    """One die striking something: a sharp tick, its own ring (which depends
    on where it is struck) and the knock of what it hits: the wooden tabletop,
    or the hollow wall of the cup."""
    dur = 0.09 if on_table else 0.05
    partials = []
    for i, (f, tau) in enumerate(die):
        partials.append((f * rng.uniform(0.97, 1.03),
                     strength * rng.uniform(0.2, 1.0) / (1.0 + 0.4 * i),
                     tau * rng.uniform(0.8, 1.2)))
    out = modal(partials, dur)
    click = [rng.uniform(-1.0, 1.0) * math.exp(-i / (0.00035 * SR))
             for i in range(ns(0.002))]
    add(out, highpass1(click, 1500.0), 0.0, 0.9 * strength)
    if on_table:
        add(out, modal([(rng.uniform(140, 180), 0.7 * strength ** 1.5, 0.035),
                        (rng.uniform(480, 560), 0.4 * strength, 0.014),
                        (rng.uniform(1050, 1250), 0.25 * strength, 0.009)], dur))
    if cup:
        add(out, modal([(rng.uniform(780, 860), 0.5 * strength, 0.012),
                        (rng.uniform(1900, 2100), 0.3 * strength, 0.008)], dur))
    return out


def dice_throw(seed, ndice, strokes, spread, period=0.11):
    """Dice rattled in a cup for a few strokes, then thrown onto a table where
    each one bounces (ever quicker, ever softer) and tumbles to rest."""
    rng = random.Random(seed)
    dice = [die_modes(rng) for _ in range(ndice)]

    cup = []
    t = 0.02
    for s in range(strokes):
        for d in dice:
            tt = t + rng.uniform(0.0, 0.03)
            for _ in range(rng.randint(1, 2 if ndice > 2 else 3)):
                add(cup, dice_hit(rng, d, rng.uniform(0.25, 0.6), False, True), tt)
                tt += rng.uniform(0.008, 0.03)
        for _ in range(rng.randint(0, ndice - 1)):   # dice knocking each other
            add(cup, dice_hit(rng, rng.choice(dice), rng.uniform(0.15, 0.4), False),
                t + rng.uniform(0.0, 0.06))
        t += period * rng.uniform(0.92, 1.08)
    # Inside the cup: hollow resonances, a little muffled, plus the swish of
    # the dice sliding round.
    cup_dry = cup
    cup = mix((cup_dry, 0.45), (svf(cup_dry, 850.0, 3.0, "bpn"), 1.3),
              (svf(cup_dry, 2100.0, 4.0, "bpn"), 0.6))
    cup = lowpass1(cup, 5500.0)
    n = len(cup)
    swish = svf(noise(rng, n), 3200.0, 1.0, "bpn")
    for i in range(n):
        tt = i / SR
        swish[i] *= 0.05 * abs(math.sin(math.pi * tt / period)) * min(1.0, tt / 0.05)
    cup = mix((cup, 1.0), (swish, 1.0))

    # The throw: the dice scrape over the rim and fly.
    t_throw = t - 0.02
    scrape = svf(noise(rng, ns(0.07)), 2600.0, 1.2, "bpn")
    scrape = mul(scrape, gate_env(len(scrape), [(0.0, 0.04)], 0.02, 0.03))
    add(cup, scrape, t_throw, 0.12 + 0.02 * ndice)
    for d in dice:
        add(cup, dice_hit(rng, d, rng.uniform(0.15, 0.3), False, True),
            t_throw + rng.uniform(0.0, 0.04))

    table = []
    for d in dice:
        tl = t_throw + 0.1 + (rng.uniform(0.0, spread) if ndice > 1 else 0.0)
        s = rng.uniform(0.8, 1.0)
        dt = rng.uniform(0.075, 0.11)
        hits = 0
        while dt > 0.012 and hits < 6:
            add(table, dice_hit(rng, d, s), tl)
            tl += dt
            dt *= rng.uniform(0.5, 0.65)
            s *= rng.uniform(0.45, 0.6)
            hits += 1
        for _ in range(rng.randint(2, 4)):           # tumbling over to rest
            tl += rng.uniform(0.02, 0.045)
            add(table, dice_hit(rng, d, rng.uniform(0.08, 0.22)), tl)
    if ndice > 1:
        for _ in range(ndice * 2):                    # dice hitting each other
            add(table, dice_hit(rng, rng.choice(dice), rng.uniform(0.2, 0.5), False),
                t_throw + 0.12 + rng.uniform(0.0, spread + 0.12))
    return mix((cup, 0.55), (table, 1.0))


def slide_whistle(rng, pts, dur, vib=0.006, smooth=True):
    """A slide whistle: nearly pure tone, breathy, gliding along pts."""
    n = ns(dur)
    f = gcurve(pts, n, smooth)
    f = mul(f, lfo(n, 5.5, vib, fade_in=dur * 0.5))
    tone = mix((sine(f, n), 1.0), (sine(f, n, ratio=2.0), 0.07),
               (sine(f, n, ratio=3.0), 0.02))
    nz = noise(rng, n)
    breath = svf(nz, f, 8.0, "bpn")
    hiss = svf(nz, 5000.0, 0.8, "bpn")
    return mix((tone, 1.0), (breath, 0.35), (hiss, 0.025))


def honk(rng, f0, dur):
    """One squeeze of a rubber bulb horn: a buzzy reed through a brass bell."""
    n = ns(dur)
    f = gcurve([(0.0, f0 * 0.8), (0.025, f0 * 1.03), (0.06, f0),
                (dur - 0.04, f0 * 0.99), (dur, f0 * 0.86)], n)
    src = pulse(f, n, 0.2)
    rough = [1.0 + 0.22 * math.sin(TAU * 37.0 * i / SR) + 0.1 * rng.uniform(-1, 1)
             for i in range(n)]
    src = saturate(mul(src, rough), 1.8)
    y = mix((svf(src, 950.0, 2.5, "bpn"), 1.0), (svf(src, 2100.0, 3.5, "bpn"), 0.8),
            (svf(src, 3300.0, 5.0, "bpn"), 0.35), (lowpass1(src, 600.0), 0.3))
    return mul(y, gate_env(n, [(0.0, dur - 0.03)], 0.01, 0.03))


def kazoo(rng, notes, dur, vib_depth=0.018, vib_rate=5.5):
    """A kazoo: hummed voice (sawtooth with vibrato) buzzing a membrane."""
    n = ns(dur)
    f = note_track(notes, n)
    env = gate_env(n, notes, 0.015, 0.035)
    # vibrato that grows through each note
    vib = [1.0] * n
    for s, d, _ in notes:
        for i in range(ns(s), min(n, ns(s + d))):
            age = i / SR - s
            vib[i] = 1.0 + vib_depth * min(1.0, age / 0.18) * math.sin(TAU * vib_rate * age)
    f = mul(f, vib)
    src = saw(f, n)
    buzz = [rng.uniform(-1, 1) * (0.5 + 0.5 * s) for s in src]
    x = [math.tanh(2.5 * (s + 0.35 * b)) for s, b in zip(src, buzz)]
    y = mix((svf(x, 650.0, 2.5, "bpn"), 0.9), (svf(x, 1250.0, 4.0, "bpn"), 1.0),
            (svf(x, 2600.0, 5.0, "bpn"), 0.7), (svf(x, 3700.0, 6.0, "bpn"), 0.35))
    return mul(y, env)


def music_box(freq, dur, vel=1.0):
    """Soft bell-like keyboard note (celesta / music box)."""
    n = ns(dur)
    parts = mix((modal([(freq, 1.0, 0.9), (2 * freq, 0.25, 0.4),
                        (3 * freq, 0.06, 0.2), (4.2 * freq, 0.08, 0.05)], dur), 1.0))
    return scale(mul(parts, gate_env(n, [(0.0, dur - 0.3)], 0.002, 0.3)), vel)


def harp(freq, dur, vel=1.0):
    """Plucked harp string."""
    n = ns(dur)
    amps = [abs(math.sin(k * math.pi * 0.27)) / k ** 1.3 for k in range(1, 13)]
    taus = [0.9 / (1.0 + 0.6 * (k - 1)) for k in range(1, 13)]
    env = gate_env(n, [(0.0, dur - 0.3)], 0.0015, 0.3)
    return scale(mul(harmonics(freq, n, amps, taus), env), vel)


def bell(freq, dur, vel=1.0):
    """Small struck bowl bell (shop-counter bell)."""
    x = modal([(freq, 1.0, 1.1), (freq * 1.0035, 0.5, 1.0),
               (freq * 2.62, 0.45, 0.45), (freq * 4.83, 0.22, 0.2),
               (freq * 7.5, 0.1, 0.1)], dur)
    return scale(mul(x, gate_env(len(x), [(0.0, dur - 0.3)], 0.0005, 0.3)), vel)


def brass(freq, dur, rng, vel=1.0):
    """Brass-section note: detuned saws through an envelope-swept low-pass."""
    n = ns(dur)
    f = gcurve([(0.0, freq * 0.97), (0.04, freq), (dur, freq)], n)
    f = mul(f, lfo(n, 5.0, 0.004, fade_in=0.3))
    src = mix((saw(f, n, rng.random()), 0.5), (saw(scale(f, 1.004), n, rng.random()), 0.5),
              (saw(scale(f, 0.997), n, rng.random()), 0.4))
    env = gate_env(n, [(0.0, dur - 0.15)], 0.03, 0.15)
    bright = [freq * (1.5 + 5.0 * e * (0.6 + 0.4 * math.exp(-i / (0.08 * SR))))
              for i, e in enumerate(env)]
    return scale(mul(svf(src, bright, 0.9, "lp"), env), vel)


def quack(rng, dur, f0):
    """Duck quack: rough nasal buzz whose mouth opens from 'w' to 'a'."""
    n = ns(dur)
    f = gcurve([(0.0, f0 * 1.1), (0.04, f0 * 1.2), (dur, f0 * 0.8)], n)
    src = pulse(f, n, 0.12)
    # period-doubling roughness, the duck's rasp
    ph = phases(scale(f, 0.5), n)
    src = [s * (0.55 + 0.45 * math.sin(TAU * p)) + 0.15 * rng.uniform(-1, 1)
           for s, p in zip(src, ph)]
    f1 = curve([(0.0, 450.0), (0.05, 900.0), (dur, 800.0)], n)
    f2 = curve([(0.0, 850.0), (0.05, 1500.0), (dur, 1400.0)], n)
    y = mix((svf(src, f1, 5.0, "bpn"), 1.0), (svf(src, f2, 6.0, "bpn"), 1.2),
            (svf(src, 1950.0, 10.0, "bpn"), 0.5), (svf(src, 2600.0, 7.0, "bpn"), 0.6))
    y = saturate(y, 1.5)
    return mul(y, gate_env(n, [(0.0, dur - 0.015)], 0.008, 0.015))


def lid_strike(rng, modes, strength, dur, tau_scale=1.0):
    partials = [(f * rng.uniform(0.998, 1.002), strength * a * rng.uniform(0.4, 1.0),
             tau * tau_scale) for f, a, tau in modes]
    out = modal(partials, dur)
    click = [rng.uniform(-1, 1) * math.exp(-i / (0.0008 * SR)) for i in range(ns(0.005))]
    return add(out, highpass1(click, 800.0), 0.0, 0.5 * strength)


# ---------------------------------------------------------------------------
# The sounds
# ---------------------------------------------------------------------------

def s_shake1():
    return dice_throw(1101, ndice=1, strokes=3, spread=0.0)


def s_shake3():
    return dice_throw(3303, ndice=3, strokes=3, spread=0.07)


def s_shake5():
    return dice_throw(5505, ndice=6, strokes=4, spread=0.14)


def s_pop():
    """Cork pop: a sharp tick, a quick upward swoop of air resonance and a
    small thump."""
    rng = random.Random(71)
    n = ns(0.16)
    f = gcurve([(0.0, 300.0), (0.02, 950.0), (0.16, 1000.0)], n)
    env = [(1.0 - math.exp(-i / (0.0004 * SR))) * math.exp(-i / (0.025 * SR)) for i in range(n)]
    body = mix((sine(f, n), 1.0), (svf(noise(rng, n), f, 4.0, "bpn"), 0.3))
    body = mul(body, env)
    click = svf([rng.uniform(-1, 1) * math.exp(-i / (0.0005 * SR)) for i in range(ns(0.003))],
                2500.0, 1.5, "bpn")
    add(body, click, 0.0, 0.5)
    return add(body, modal([(180.0, 0.4, 0.012)], 0.06))


def s_rnd1():
    """Boing: twangy buzz with a big wobble that settles, like a jaw harp."""
    n = ns(0.7)
    f = [200.0 * (1.0 + 0.3 * math.exp(-i / (0.02 * SR))) *
         (1.0 + 0.16 * math.sin(TAU * 15.0 * i / SR) * math.exp(-i / (0.25 * SR)))
         for i in range(n)]
    src = mix((saw(f, n), 0.7), (pulse(f, n, 0.3), 0.3))
    cut = [350.0 + 2600.0 * math.exp(-i / (0.12 * SR)) +
           600.0 * max(0.0, math.sin(TAU * 15.0 * i / SR)) * math.exp(-i / (0.3 * SR))
           for i in range(n)]
    return mul(svf(src, cut, 4.0, "lp"), decay_env(n, 0.004, 0.22))


def s_rnd2():
    """Slide whistle, up."""
    rng = random.Random(2)
    x = slide_whistle(rng, [(0.0, 480.0), (0.45, 1850.0), (0.6, 1900.0)], 0.6)
    return mul(x, gate_env(len(x), [(0.0, 0.55)], 0.04, 0.05))


def s_rnd3():
    """Slide whistle, down."""
    rng = random.Random(3)
    x = slide_whistle(rng, [(0.0, 1900.0), (0.08, 1850.0), (0.5, 430.0), (0.6, 420.0)],
                      0.6, vib=0.012)
    return mul(x, gate_env(len(x), [(0.0, 0.55)], 0.02, 0.05))


def s_rnd4():
    """Bicycle horn: honk-honk."""
    rng = random.Random(4)
    out = honk(rng, 410.0, 0.17)
    return add(out, honk(rng, 410.0, 0.21), 0.23)


def s_rnd5():
    """Kazoo: doo-dee-dooo."""
    rng = random.Random(5)
    notes = [(0.0, 0.13, 392.0), (0.16, 0.13, 494.0), (0.32, 0.34, 440.0)]
    return kazoo(rng, notes, 0.72)


def s_rnd6():
    """Door-stop spring, 'doiing': a zippy chirp then a wobbling metal ring."""
    n = ns(0.75)
    chirp_f = gcurve([(0.0, 4500.0), (0.03, 350.0), (0.05, 330.0)])
    chirp = mul(sine(chirp_f, len(chirp_f)), decay_env(len(chirp_f), 0.001, 0.015))
    f = [330.0 * (1.0 + 0.02 * math.sin(TAU * 9.0 * i / SR) * math.exp(-i / (0.4 * SR)))
         for i in range(n)]
    ring = harmonics(f, n, [1.0, 0.0, 0.0, 0.0, 0.0, 0.0], [0.35] * 6)
    add(ring, mul(sine(f, n, ratio=2.9), decay_env(n, 0.001, 0.2)), 0.0, 0.5)
    add(ring, mul(sine(f, n, ratio=5.6), decay_env(n, 0.001, 0.12)), 0.0, 0.3)
    add(ring, mul(sine(f, n, ratio=9.2), decay_env(n, 0.001, 0.06)), 0.0, 0.15)
    wob = [1.0 - 0.6 * (0.5 + 0.5 * math.cos(TAU * (22.0 - 6.0 * i / n) * i / SR))
           for i in range(n)]
    ring = mul(mul(ring, wob), decay_env(n, 0.003, 1e9))
    return add(ring, chirp, 0.0, 0.8)


def s_rnd7():
    """Wobble: wub-wub-wub of a buzzy bass through a swinging filter."""
    n = ns(0.75)
    f = [110.0 * (1.0 + 0.01 * math.sin(TAU * 6.5 * i / SR)) for i in range(n)]
    src = mix((saw(f, n), 0.8), (pulse(scale(f, 0.5), n, 0.5), 0.25), (saw(scale(f, 2.005), n), 0.4))
    cut = [250.0 + 2300.0 * (0.5 - 0.5 * math.cos(TAU * 6.5 * i / SR)) for i in range(n)]
    return mul(svf(src, cut, 5.0, "lp"), gate_env(n, [(0.0, 0.67)], 0.02, 0.08))


def s_rnd8():
    """Cuckoo clock: two breathy pipe notes, a third apart."""
    rng = random.Random(8)
    out = []
    for start, dur, f0 in ((0.0, 0.19, 740.0), (0.25, 0.33, 587.0)):
        n = ns(dur + 0.05)
        f = gcurve([(0.0, f0 * 0.97), (0.03, f0), (dur + 0.05, f0)], n)
        tone = mix((sine(f, n), 1.0), (sine(f, n, ratio=2.0), 0.12), (sine(f, n, ratio=3.0), 0.03))
        nz = noise(rng, n)
        tone = mix((tone, 1.0), (svf(nz, f, 6.0, "bpn"), 0.25), (svf(nz, 4000.0, 0.7, "bpn"), 0.03))
        env = mul(gate_env(n, [(0.0, dur)], 0.025, 0.045), decay_env(n, 0.0, 0.6))
        add(out, mul(tone, env), start)
    return out


def s_rnd9():
    """Quack-quack."""
    rng = random.Random(9)
    out = quack(rng, 0.22, 290.0)
    return add(out, quack(rng, 0.17, 270.0), 0.29, 0.8)


def s_rnd10():
    """Zip: a zipper's teeth clicking ever faster."""
    rng = random.Random(10)
    n = ns(0.33)
    ticks = [0.0] * n
    t = 0.0
    while t < 0.31:
        rate = 90.0 * (340.0 / 90.0) ** (t / 0.31)
        a = rng.uniform(0.5, 1.0)
        o = ns(t)
        for k in range(ns(0.0015)):
            if o + k < n:
                ticks[o + k] += a * rng.uniform(-1, 1) * math.exp(-k / (0.0004 * SR))
        t += 1.0 / rate * rng.uniform(0.85, 1.15)
    fc = gcurve([(0.0, 1600.0), (0.33, 4200.0)], n)
    bed = svf(noise(rng, n), fc, 1.5, "bpn")
    y = mix((svf(ticks, fc, 1.2, "bpn"), 1.0), (bed, 0.12), (highpass1(ticks, 2000.0), 0.4))
    return mul(y, gate_env(n, [(0.0, 0.32)], 0.02, 0.01))


def s_rnd11():
    """Bloop: a round water bubble rising in pitch."""
    n = ns(0.22)
    f = gcurve([(0.0, 260.0), (0.1, 900.0), (0.22, 1000.0)], n, smooth=True)
    tone = mix((sine(f, n), 1.0), (sine(f, n, ratio=2.0), 0.08))
    return mul(tone, [(1.0 - math.exp(-i / (0.006 * SR))) * math.exp(-i / (0.06 * SR))
                      for i in range(n)])


def s_rnd12():
    """Ratchet: a pawl clacking over a wooden gear, slowing at the end."""
    rng = random.Random(12)
    out = []
    t = 0.0
    interval = 0.034
    while t < 0.5:
        strength = rng.uniform(0.8, 1.0)
        partials = [(1150.0 * rng.uniform(0.98, 1.02), strength, 0.012),
                (2350.0 * rng.uniform(0.98, 1.02), 0.6 * strength, 0.007),
                (3900.0 * rng.uniform(0.98, 1.02), 0.4 * strength, 0.004),
                (420.0, 0.3 * strength, 0.015)]
        hit = modal(partials, 0.05)
        click = highpass1([rng.uniform(-1, 1) * math.exp(-k / (0.0003 * SR))
                           for k in range(ns(0.002))], 2000.0)
        add(hit, click, 0.0, 0.8 * strength)
        add(out, hit, t)
        t += interval
        if t > 0.32:
            interval *= 1.12
    return out


def s_rnd13():
    """Whoop: a siren-like hollow tone sweeping up and tipping over."""
    rng = random.Random(13)
    n = ns(0.58)
    f = gcurve([(0.0, 360.0), (0.4, 1150.0), (0.58, 980.0)], n, smooth=True)
    tone = mix((lowpass1(pulse(f, n, 0.5, rng.random()), 2500.0), 1.0),
               (sine(f, n), 0.6))
    return mul(tone, gate_env(n, [(0.0, 0.5)], 0.02, 0.08))


def s_rnd14():
    """Plucked rubber band: a snap, then a low wobbly thrum going flat."""
    rng = random.Random(14)
    n = ns(0.6)
    f = [150.0 * (1.0 + 0.15 * math.exp(-i / (0.03 * SR))) *
         (1.0 + 0.03 * math.sin(TAU * 11.0 * i / SR) * math.exp(-i / (0.25 * SR))) *
         (1.0 - 0.08 * (1.0 - math.exp(-i / (0.3 * SR)))) for i in range(n)]
    amps = [abs(math.sin(k * math.pi * 0.2)) / k ** 1.2 for k in range(1, 21)]
    taus = [0.35 / (1.0 + 0.35 * (k - 1)) for k in range(1, 21)]
    out = mul(harmonics(f, n, amps, taus), decay_env(n, 0.002, 1e9))
    snap = svf([rng.uniform(-1, 1) * math.exp(-k / (0.002 * SR)) for k in range(ns(0.01))],
               1500.0, 1.0, "bpn")
    return add(out, snap, 0.0, 0.7)


def s_rnd15():
    """Boink: a bright tone springing up, then wobbling with wide vibrato."""
    n = ns(0.62)
    f = gcurve([(0.0, 330.0), (0.05, 620.0), (0.48, 620.0), (0.62, 540.0)], n, smooth=True)
    f = mul(f, lfo(n, 8.0, 0.045, fade_in=0.12))
    tone = mix((triangle(f, n), 0.8), (sine(f, n, ratio=2.0), 0.15),
               (lowpass1(saw(f, n), 1800.0), 0.35))
    env = mul(decay_env(n, 0.005, 0.5), gate_env(n, [(0.0, 0.56)], 0.001, 0.06))
    return mul(tone, env)


def s_rnd16():
    """Squeak toy: squeeze and release."""
    rng = random.Random(16)
    out = []
    for start, dur, f0, f1 in ((0.0, 0.13, 1500.0, 2000.0), (0.2, 0.15, 1700.0, 2300.0)):
        n = ns(dur)
        f = gcurve([(0.0, f0), (dur * 0.6, f1), (dur, f1 * 0.93)], n, smooth=True)
        f = mul(f, [1.0 + 0.015 * math.sin(TAU * 28.0 * i / SR) + 0.004 * rng.uniform(-1, 1)
                    for i in range(n)])
        tone = mix((lowpass1(pulse(f, n, 0.3), 6000.0), 0.6), (sine(f, n), 0.6))
        add(out, mul(tone, gate_env(n, [(0.0, dur - 0.025)], 0.01, 0.025)), start)
    return out


def s_rnd17():
    """Tongue cluck, twice: tock-tock."""
    rng = random.Random(17)
    out = []
    for start, f0, g in ((0.0, 1150.0, 1.0), (0.17, 980.0, 0.85)):
        n = ns(0.07)
        f = gcurve([(0.0, f0 * 1.4), (0.012, f0), (0.07, f0 * 0.9)], n)
        body = mul(sine(f, n), decay_env(n, 0.0005, 0.01))
        burst = svf([rng.uniform(-1, 1) * math.exp(-k / (0.0007 * SR)) for k in range(ns(0.004))],
                    2500.0, 1.2, "bpn")
        add(body, burst, 0.0, 0.5)
        add(body, modal([(350.0, 0.4, 0.006)], 0.03))
        add(out, body, start, g)
    return out


def s_quad_std():
    """Four-note arpeggio (C E G C) that rings on as a chord."""
    out = []
    for i, f in enumerate((523.25, 659.25, 783.99, 1046.5)):
        add(out, music_box(f, 1.0 - 0.09 * i, 0.8 + 0.1 * i), 0.09 * i)
    return reverb(out, 0.22, tail=0.15)


def s_quad_zany():
    """Kazoo fanfare: da-da-da-daaaa, with a wobbly droop at the end."""
    rng = random.Random(44)
    notes = [(0.0, 0.1, 392.0), (0.13, 0.1, 392.0), (0.26, 0.1, 392.0),
             (0.39, 0.42, 523.25), (0.81, 0.12, 440.0)]
    return kazoo(rng, notes, 1.0, vib_depth=0.03, vib_rate=6.5)


def s_coo():
    """Dove: coo-COO-coo, soft hooting with a throaty flutter."""
    rng = random.Random(21)
    n = ns(1.25)
    notes = [(0.0, 0.26), (0.33, 0.43), (0.86, 0.3)]
    f = gcurve([(0.0, 420.0), (0.26, 500.0), (0.33, 480.0), (0.5, 560.0),
                (0.76, 450.0), (0.86, 460.0), (1.16, 405.0), (1.25, 400.0)], n, smooth=True)
    tone = mix((sine(f, n), 1.0), (sine(f, n, ratio=2.0), 0.09), (sine(f, n, ratio=3.0), 0.02))
    breath = svf(noise(rng, n), f, 5.0, "bpn")
    flutter = lfo(n, 19.0, 0.18)
    env = gate_env(n, notes, 0.045, 0.07)
    loud = curve([(0.0, 0.7), (0.33, 0.7), (0.4, 1.0), (0.76, 1.0), (0.86, 0.6), (1.25, 0.5)], n)
    return mul(mul(mix((tone, 1.0), (breath, 0.12)), flutter), mul(env, loud))


def s_bow():
    """Drawing a bow: the wood creaks (a stick-slip train of ticks through the
    limbs' resonances) rising in pitch and strength as it bends, with the
    faint stretch of the string."""
    rng = random.Random(31)
    n = ns(0.85)
    exc = [0.0] * n
    period = gcurve([(0.0, 0.011), (0.77, 0.0055)], n)
    t = 0.03
    while t < 0.77:
        u = t / 0.77
        o = ns(t)
        a = (0.35 + 0.65 * u) * rng.uniform(0.6, 1.0)
        exc[o] += a
        if o + 1 < n:
            exc[o + 1] -= 0.5 * a
        t += period[o] * rng.uniform(0.9, 1.1)
        if rng.random() < 0.05:          # sticks for a moment
            t += rng.uniform(0.02, 0.05)
    body = mix((svf(exc, 230.0, 20.0, "bpn"), 0.7), (svf(exc, 520.0, 25.0, "bpn"), 1.0),
               (svf(exc, 870.0, 25.0, "bpn"), 0.8), (svf(exc, 1400.0, 25.0, "bpn"), 0.5),
               (svf(exc, 2350.0, 20.0, "bpn"), 0.3))
    stretch = svf(noise(rng, n), 3000.0, 2.0, "bpn")
    ramp = curve([(0.0, 0.0), (0.75, 1.0), (0.85, 1.0)], n)
    y = lowpass1(mix((body, 1.0), (mul(stretch, ramp), 0.01)), 4000.0)
    return mul(y, gate_env(n, [(0.0, 0.78)], 0.03, 0.07))


def s_arrow():
    """Arrow flying past: a swelling, falling whoosh with feather flutter."""
    rng = random.Random(32)
    n = ns(0.5)
    nz = noise(rng, n)
    fc = gcurve([(0.0, 700.0), (0.16, 2600.0), (0.5, 850.0)], n, smooth=True)
    y = mix((svf(nz, fc, 1.3, "bpn"), 1.0), (svf(nz, scale(fc, 0.45), 0.8, "bpn"), 0.5))
    whistle = sine(scale(fc, 1.2), n)
    y = mix((y, 1.0), (whistle, 0.04))
    env = [((i / ns(0.15)) ** 2 if i < ns(0.15) else math.exp(-(i - ns(0.15)) / (0.08 * SR)))
           for i in range(n)]
    return mul(mul(y, env), lfo(n, 55.0, 0.25))


def s_twang():
    """Bowstring released: a slap, then a low buzzing string dying away."""
    rng = random.Random(33)
    n = ns(0.7)
    f = [112.0 * (1.0 + 0.15 * math.exp(-i / (0.012 * SR))) *
         (1.0 + 0.01 * math.sin(TAU * 8.0 * i / SR)) for i in range(n)]
    amps = [abs(math.sin(k * math.pi * 0.12)) / k for k in range(1, 31)]
    taus = [0.4 / (1.0 + 0.25 * k) for k in range(1, 31)]
    string = mul(harmonics(f, n, amps, taus), decay_env(n, 0.001, 1e9))
    slap = lowpass1([rng.uniform(-1, 1) * math.exp(-k / (0.003 * SR)) for k in range(ns(0.012))],
                    2000.0)
    return add(string, slap, 0.0, 0.8)


def s_flush_std():
    """Harp run: six rising notes of a pentatonic scale."""
    out = []
    notes = (523.25, 587.33, 659.25, 783.99, 880.0, 1046.5)
    for i, f in enumerate(notes):
        add(out, harp(f, 1.1 - 0.075 * i, 0.75 + 0.05 * i), 0.075 * i)
    return reverb(out, 0.25, tail=0.2)


def s_flush_zany():
    """Slide whistle climbing six wobbly steps, then sliding off the top."""
    rng = random.Random(42)
    steps = (500.0, 620.0, 760.0, 930.0, 1150.0, 1420.0)
    pts = []
    t = 0.0
    for f in steps:
        pts += [(t, f * 0.9), (t + 0.04, f * 1.04), (t + 0.07, f), (t + 0.11, f)]
        t += 0.13
    pts += [(t, 1500.0), (t + 0.18, 2000.0), (t + 0.28, 1700.0)]
    dur = t + 0.28
    x = slide_whistle(rng, pts, dur, vib=0.0, smooth=True)
    n = len(x)
    notes = [(0.13 * i, 0.115) for i in range(6)] + [(0.13 * 6, 0.26)]
    env = gate_env(n, notes, 0.012, 0.018)
    return mul(x, [0.25 + 0.75 * e for e in env])


def s_potluck_std():
    """Ka-ching: two bright dings, then a little pour of coins."""
    rng = random.Random(51)
    out = bell(1318.5, 1.0)
    add(out, bell(1760.0, 0.9), 0.11, 0.8)
    t = 0.2
    for _ in range(8):
        base = rng.uniform(2800.0, 4500.0)
        s = rng.uniform(0.25, 0.55)
        coin = modal([(base, s, 0.12), (base * 1.52, 0.6 * s, 0.07), (base * 2.2, 0.35 * s, 0.04)],
                     0.3)
        add(out, coin, t)
        t += rng.uniform(0.02, 0.07)
    return reverb(out, 0.2, tail=0.15)


def s_potluck_zany():
    """A dropped pot lid: a big clang, then it spins down rattling faster and
    faster until it flops flat."""
    rng = random.Random(52)
    base = 330.0
    ratios = (1.0, 1.59, 2.14, 2.3, 2.65, 2.92, 3.16, 3.5, 4.06, 4.6, 5.3, 6.1,
              7.2, 8.5, 10.1, 11.8, 13.9, 16.3, 19.4)
    modes = [(base * r, 1.0 / (1.0 + 0.12 * i), 0.9 / (1.0 + 0.25 * i))
             for i, r in enumerate(ratios)]
    out = lid_strike(rng, modes, 1.0, 1.6)
    t = 0.32
    interval = 0.13
    s = 0.55
    while t < 1.25:
        add(out, lid_strike(rng, modes, s, 0.4, 0.35), t)
        t += interval
        interval = max(0.022, interval * 0.86)
        s *= 0.93
    add(out, lid_strike(rng, modes, 0.3, 0.3, 0.1), t + 0.03)
    return mul(out, gate_env(len(out), [(0.0, len(out) / SR - 0.12)], 0.001, 0.12))


def s_korbo_std():
    """A small crowd cheering "Korbo!", then a brass ta-daa."""
    rng = random.Random(61)
    voices = [("en-gb+m3", 150, 70, 0.0, 1.0), ("en-us+m1", 155, 60, 0.018, 0.8),
              ("en-gb+f2", 150, 75, 0.031, 0.7), ("en-gb-scotland+m4", 145, 65, 0.045, 0.6)]
    out = []
    for voice, speed, pitch, at, g in voices:
        v = speak("Korbo!", voice, speed, pitch)
        add(out, v, at, g / max(abs(s) for s in v))
    out = reverb(out, 0.12, size=0.8, tail=0.05)
    vend = len(out) / SR
    chord = (261.63, 329.63, 392.0, 523.25)
    stab = []
    for f in chord:
        add(stab, brass(f, 0.16, rng, 0.25))
    long = []
    for f in chord + (130.81,):
        add(long, brass(f, 0.85, rng, 0.25))
    t0 = vend - 0.12
    add(out, stab, t0, 1.0)
    add(out, long, t0 + 0.19, 1.0)
    return reverb(out, 0.15, tail=0.1)


def s_korbo_zany():
    """A squeaky, warbling "Korbo!" and a slide-whistle whoop."""
    rng = random.Random(62)
    v = speak("Korbo!", "en-us+f4", 150, 90, ["speed", "1.35", "pitch", "200"])
    v = vibrato(v, 9.0, 0.05)
    v = scale(v, 1.0 / max(abs(s) for s in v))
    out = list(v)
    w = slide_whistle(rng, [(0.0, 700.0), (0.3, 2300.0), (0.42, 2200.0)], 0.42, vib=0.02)
    w = mul(w, gate_env(len(w), [(0.0, 0.37)], 0.03, 0.05))
    add(out, w, len(v) / SR - 0.1, 0.6)
    return out


def s_growl():
    """Low animal growl: a rough, jittery, period-doubled rumble through a
    closed mouth, swelling and fading."""
    rng = random.Random(71)
    n = ns(1.3)
    drift = [0.0] * n
    d = 0.0
    for i in range(n):
        if i % 200 == 0:
            target = rng.uniform(-0.08, 0.08)
        d += (target - d) * 0.002
        drift[i] = d
    f0 = curve([(0.0, 68.0), (0.4, 84.0), (1.3, 64.0)], n)
    src = [0.0] * n
    p = 0.0
    amp = 1.0
    jit = 1.0
    cyc = 0
    for i in range(n):
        p += f0[i] * (1.0 + drift[i]) * jit / SR
        if p >= 1.0:
            # each new cycle: jittered length and loudness, every other one
            # weaker (period doubling gives the rasp)
            p -= 1.0
            cyc += 1
            amp = rng.uniform(0.55, 1.0) * (1.0 if cyc % 2 else 0.6)
            jit = rng.uniform(0.93, 1.07)
        # glottal-ish pulse: short raised-cosine puff each cycle
        src[i] = amp * (0.5 - 0.5 * math.cos(TAU * p / 0.4)) if p < 0.4 else 0.0
    src = highpass1(src, 40.0)
    breath = lowpass1(noise(rng, n), 1200.0)
    x = mix((src, 1.0), (breath, 0.35))
    y = mix((svf(x, 250.0, 2.0, "bpn"), 1.0), (svf(x, 600.0, 3.0, "bpn"), 0.7),
            (svf(x, 1100.0, 4.0, "bpn"), 0.3))
    y = lowpass1(y, 1800.0)
    wobble = lowpass1(lowpass1(noise(rng, n), 30.0), 30.0)
    w = max(abs(v) for v in wobble)
    rumble = [1.0 + 0.25 * math.sin(TAU * 26.0 * i / SR) + 0.35 * v / w
              for i, v in enumerate(wobble)]
    swell = curve([(0.0, 0.0), (0.15, 0.8), (0.45, 1.0), (0.8, 0.85), (1.05, 1.0), (1.3, 0.0)],
                  n, smooth=True)
    return mul(mul(y, rumble), swell)


def spoken(text, voice, speed, pitch, fx=()):
    return lambda: voice_sound(text, voice, speed, pitch, fx)


def s_uhoh():
    """'Uh-oh': a high 'uh' falling to a low drawn-out 'oh'."""
    uh = speak("uh", "en-us+m3", 130, 70)
    oh = speak("oh", "en-us+m3", 110, 35)
    out = list(uh)
    add(out, oh, len(uh) / SR + 0.03)
    return reverb(out, 0.1, size=0.7, feedback=0.7, tail=0.15)


# name -> (maker, loudness trim in dB[, most limiting allowed in dB])
SOUNDS = {
    "shake1": (s_shake1, 0.0, 10.0),
    "shake3": (s_shake3, 0.0, 10.0),
    "shake5": (s_shake5, 0.0, 10.0),
    "pop": (s_pop, 0.0, 10.0),
    "rnd1": (s_rnd1, 0.0),
    "rnd2": (s_rnd2, 0.0),
    "rnd3": (s_rnd3, 0.0),
    "rnd4": (s_rnd4, 0.0),
    "rnd5": (s_rnd5, 0.0),
    "rnd6": (s_rnd6, 0.0),
    "rnd7": (s_rnd7, 0.0),
    "rnd8": (s_rnd8, 0.0),
    "rnd9": (s_rnd9, 0.0),
    "rnd10": (s_rnd10, 0.0, 10.0),
    "rnd11": (s_rnd11, 0.0),
    "rnd12": (s_rnd12, 0.0, 10.0),
    "rnd13": (s_rnd13, 0.0),
    "rnd14": (s_rnd14, 0.0),
    "rnd15": (s_rnd15, 0.0),
    "rnd16": (s_rnd16, 0.0),
    "rnd17": (s_rnd17, 0.0, 10.0),
    "quad_std": (s_quad_std, 0.0),
    "quad_zany": (s_quad_zany, 0.0),
    "coo": (s_coo, 0.0),
    "bow": (s_bow, 0.0),
    "arrow": (s_arrow, 0.0),
    "twang": (s_twang, 0.0),
    "odds": (spoken("Odds!", "en-us+f2", 140, 58), 0.0),
    "evens": (spoken("Evens!", "en-us+f2", 140, 58), 0.0),
    "flush_std": (s_flush_std, 0.0),
    "flush_zany": (s_flush_zany, 0.0),
    "potluck_std": (s_potluck_std, 0.0),
    "potluck_zany": (s_potluck_zany, 0.0),
    "korbo_std": (s_korbo_std, 0.0),
    "korbo_zany": (s_korbo_zany, 0.0),
    "uhoh": (s_uhoh, 0.0),
    "ohdear": (spoken("Oh dear.", "en-gb-x-rp+m1", 125, 45), 0.0),
    "zero": (spoken("Zero.", "en-gb+f3", 135, 50), 0.0),
    "growl": (s_growl, 0.0),
    "soundsoff": (spoken("Sounds off.", "en-gb+m3", 150, 48), 0.0),
    "soundson": (spoken("Sounds on!", "en-gb+m3", 150, 52), 0.0),
}


# ---------------------------------------------------------------------------
# Driver
# ---------------------------------------------------------------------------

def make_one(name, out_dir):
    maker, trim_db = SOUNDS[name][:2]
    max_limit = SOUNDS[name][2] if len(SOUNDS[name]) > 2 else MAX_LIMIT_DB
    x = finish(maker(), trim_db, max_limit)
    path = os.path.join(out_dir, name + ".wav")
    write_wav(path, x)
    return name


def examine(path):
    """Return (seconds, peak dBFS, rms dBFS, problems) for one file."""
    problems = []
    with open(path, "rb") as f:
        data = f.read()
    if data[:4] != b"RIFF" or data[8:16] != b"WAVEfmt " or data[36:40] != b"data":
        problems.append("not a plain 44-byte RIFF/WAVE header")
    with wave.open(path, "rb") as w:
        if (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype()) != \
                (1, 2, SR, "NONE"):
            problems.append("not 16-bit mono %d Hz PCM" % SR)
        frames = w.readframes(w.getnframes())
    pcm = array.array("h", frames)
    if sys.byteorder != "little":
        pcm.byteswap()
    secs = len(pcm) / SR
    peak = max(abs(v) for v in pcm) / 32768.0 if pcm else 0.0
    rms = math.sqrt(sum(v * v for v in pcm) / max(1, len(pcm))) / 32768.0
    peak_db = 20 * math.log10(peak) if peak > 0 else -200.0
    rms_db = 20 * math.log10(rms) if rms > 0 else -200.0
    if not MIN_LEN <= secs <= MAX_LEN:
        problems.append("length %.3f s" % secs)
    if peak_db < -20.0:
        problems.append("too quiet")
    if pcm and (abs(pcm[0]) > 300 or abs(pcm[-1]) > 300):
        problems.append("does not start/end near zero")
    return secs, peak_db, rms_db, problems


def check(out_dir, names):
    bad = 0
    seen = {}
    print("%-14s %8s %9s %9s" % ("file", "seconds", "peak dB", "rms dB"))
    for name in names:
        path = os.path.join(out_dir, name + ".wav")
        if not os.path.exists(path):
            print("%-14s missing" % name)
            bad += 1
            continue
        secs, pk, rms, problems = examine(path)
        with open(path, "rb") as f:
            body = f.read()
        if body in seen:
            problems.append("identical to " + seen[body])
        seen[body] = name
        print("%-14s %8.3f %9.1f %9.1f  %s" % (name + ".wav", secs, pk, rms, "; ".join(problems)))
        bad += bool(problems)
    return bad


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("names", nargs="*", help="only these sounds (default: all)")
    ap.add_argument("--out", default=DEFAULT_OUT, help="output folder")
    ap.add_argument("--check", action="store_true", help="only verify existing files")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    args = ap.parse_args()
    names = args.names or list(SOUNDS)
    unknown = [n for n in names if n not in SOUNDS]
    if unknown:
        ap.error("unknown sound(s): " + ", ".join(unknown))
    os.makedirs(args.out, exist_ok=True)
    if not args.check:
        if args.jobs > 1:
            with concurrent.futures.ProcessPoolExecutor(args.jobs) as ex:
                for name in ex.map(make_one, names, [args.out] * len(names)):
                    print("made", name)
        else:
            for name in names:
                print("made", make_one(name, args.out))
    bad = check(args.out, names)
    if bad:
        print("%d file(s) with problems" % bad)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
