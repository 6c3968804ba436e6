#!/usr/bin/env python3
"""Kills the game at every moment of its saving and checks the files it leaves.

The game saves Korbo.ini and data.dat when it is asked to leave (SIGTERM). This
starts the real program on a private home, asks it to leave, and kills it outright
(SIGKILL) after a delay that sweeps across the whole of the saving. After every kill
each file must be the old file or the new one, whole: never missing, short or mixed.

    python3 tools/kill_sweep.py build/src/korbo [steps]

Prints one line per delay band and a summary; exits 1 if any file was broken.
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

SETTINGS = ("[Korbo v4.01]\r\nAnimation=0\r\nTextButtons=1\r\nCrosshair=0\r\nAuto1stThrow=1\r\n"
            "ShowLeader=1\r\nSound=Off\r\nNoThrowSounds=0\r\nDiceType=Photo\r\n").encode()


def records_whole(data):
    """True when the bytes are a records file as the game writes it: two counted lists
    of encoded lines, each ended by CR LF, nothing missing."""
    lines = data.split(b"\r\n")
    if not data.endswith(b"\r\n"):
        return False
    lines = lines[:-1]

    def decode(encoded):
        text = encoded.decode("latin-1")
        if len(text) % 3 or any(c not in "0123456789ABCDEF" for c in text):
            return None
        out = []
        for i in range(len(text), 0, -3):
            code = int(text[i - 2:i], 16) + 31
            out.append(" " if code == 94 else chr(code))
        return "".join(out)

    at = 0
    for _ in range(2):
        if at >= len(lines):
            return False
        count = decode(lines[at])
        if count is None or not count.strip().isdigit():
            return False
        at += 1 + int(count)
    return at == len(lines) and all(decode(line) is not None for line in lines)


def main():
    program = os.path.abspath(sys.argv[1])
    steps = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    span = None  # how long leaving takes, measured on the first runs
    broken = 0
    kept_old = kept_new = 0
    leftovers_seen = set()
    with tempfile.TemporaryDirectory() as home:
        config = os.path.join(home, ".config", "korbo")
        data = os.path.join(home, ".local", "share", "korbo")
        os.makedirs(config)
        os.makedirs(data)
        ini = os.path.join(config, "Korbo.ini")
        records = os.path.join(data, "data.dat")
        env = dict(os.environ, HOME=home, QT_QPA_PLATFORM="offscreen")
        env.pop("XDG_CONFIG_HOME", None)
        env.pop("XDG_DATA_HOME", None)
        for step in range(-3, steps):
            with open(ini, "wb") as f:
                f.write(SETTINGS)
            old_records = open(records, "rb").read() if os.path.exists(records) else None
            game = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # Wait until the program catches SIGTERM, i.e. its window is up.
            deadline = time.monotonic() + 60
            while time.monotonic() < deadline:
                with open(f"/proc/{game.pid}/status") as status:
                    caught = next(l for l in status if l.startswith("SigCgt:"))
                if int(caught.split()[1], 16) & (1 << (signal.SIGTERM - 1)):
                    break
                time.sleep(0.005)
            time.sleep(0.05)
            started = time.monotonic()
            game.send_signal(signal.SIGTERM)
            if step < 0:
                # Three runs left alone: how long the request to leave takes to the end.
                game.wait()
                span = max(span or 0, time.monotonic() - started)
                continue
            delay = span * 1.2 * step / steps
            time.sleep(delay)
            game.send_signal(signal.SIGKILL)
            game.wait()
            ini_now = open(ini, "rb").read() if os.path.exists(ini) else b""
            rec_now = open(records, "rb").read() if os.path.exists(records) else None
            ini_ok = ini_now == SETTINGS or ini_now.count(b"\r\n") == 9
            rec_ok = rec_now == old_records or (rec_now is not None and records_whole(rec_now))
            if rec_now is not None and rec_now != old_records:
                kept_new += 1
            else:
                kept_old += 1
            if not (ini_ok and rec_ok):
                broken += 1
                print(f"delay {delay * 1e3:.3f} ms: settings {'ok' if ini_ok else 'BROKEN'}, "
                      f"records {'ok' if rec_ok else 'BROKEN'}")
            # A kill in the middle of a save leaves its temporary file; the next start
            # removes it once it is a minute old.
            leftovers_seen.update(n for n in os.listdir(data) + os.listdir(config)
                                  if n not in ("data.dat", "Korbo.ini", "data.dat.lock"))
    print(f"{steps} kills from 0 to {span * 1.2e3:.1f} ms after the request to leave "
          f"(leaving takes {span * 1e3:.1f} ms): "
          f"{kept_old} left the old records file, {kept_new} the new one, {broken} broken files, "
          f"{len(leftovers_seen)} temporary files left by a save cut short")
    return 1 if broken else 0


if __name__ == "__main__":
    sys.exit(main())
