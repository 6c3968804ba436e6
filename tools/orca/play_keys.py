# Plays two games by keys (a solo game, then Ann against the computer seat Bob) and
# checks Orca's log for what a blind player must hear. Status 1 when something was
# not spoken. Keys go slowly: Orca reads each step before the next.
import re
import subprocess
import sys
import time

log_path = sys.argv[1]


def key(*names, pause=2.0):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(pause)


def spoken():
    with open(log_path, errors="replace") as log:
        # Each line: SPEECH OUTPUT: 'what was said'{voice}; what was said may hold quotes.
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", log.read())


def play_turn(category_keys):
    key("t", pause=4)
    key(*category_keys, pause=2)
    key("space", pause=3)
    key("space", pause=6)


def solo_route():
    # From the throw button: up to Quads, then left along the top row to Ones, then
    # down twice to Twins and right along the bottom row to Korbo.
    yield ["Up"]
    for _ in range(6):
        yield ["Left"]
    yield ["Down", "Down"]
    for _ in range(6):
        yield ["Right"]


window = subprocess.run(["xdotool", "search", "--name", "^Korbo$"], capture_output=True, text=True).stdout.split()
subprocess.run(["xdotool", "windowactivate", "--sync", window[0]])
time.sleep(4)
failures = []

# A solo game.
key("F2", pause=5)
subprocess.run(["xdotool", "type", "--delay", "400", "Ann"])
key("Return", "Return", pause=5)
for route in solo_route():
    play_turn(route)
for _ in range(30):  # the last lines wait their turn
    if "notification Game Over." in spoken():
        break
    time.sleep(2)
words = spoken()
throws = [w for w in words if w.startswith("notification Thrown ") or w.startswith("notification Held ")]
if len(throws) < 14:
    failures.append("solo: %d throws told, not 14" % len(throws))
for what in ["notification Off you go, Ann.", "notification Game Over."]:
    if what not in words:
        failures.append("solo: %r never spoken" % what)
if not any(w.startswith("notification ") and " would score " in w for w in words):
    failures.append("solo: no preview score spoken")
if not any(w.startswith("notification ") and " scored " in w for w in words):
    failures.append("solo: no entered score spoken")
print("solo game: %d lines spoken, %d throws" % (len(words), len(throws)))

# Ann against the computer seat Bob: Players, a name each, Bob's PC box, OK.
key("Escape", pause=3)  # the new records
before = len(spoken())
# The dialog's order: the six names, OK, Cancel, then the six PC boxes.
key("alt+v", "p", pause=3)
key("Tab", pause=1)
subprocess.run(["xdotool", "type", "--delay", "400", "Bob"])
key(*["Tab"] * 8, pause=1)  # names 3 to 6, OK, Cancel, PC 1, PC 2
key("space", pause=2)
key("shift+Tab", "shift+Tab", "shift+Tab", pause=1)  # PC 1, Cancel, OK
key("space", pause=4)
key("F2", pause=8)
for turn in range(3):
    play_turn(["Up"] if turn == 0 else ["Left"])
    time.sleep(25)  # Bob's turn
words = spoken()[before:]
bob = [w for w in words if w.startswith("notification Bob ")]
if len(bob) < 4:
    failures.append("computer seat: only %r of Bob's lines spoken" % bob)
print("computer game: %d lines spoken, Bob's: %s" % (len(words), bob))
for line in failures:
    print("NOT SPOKEN: " + line)
sys.exit(1 if failures else 0)
