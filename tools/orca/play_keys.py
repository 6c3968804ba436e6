# `play`: plays two games by keys (a solo game, then Ann against the computer seat
# Bob), visiting the records and the score sheet on the way, and at the end Ann's
# statistics. Keys go slowly: Orca reads each step before the next.
# `check LOG`: reads Orca's finished log for what a blind player must hear; status 1
# with what was not spoken.
import re
import subprocess
import sys
import time


def key(*names, pause=2.0):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(pause)


def spoken(log_path):
    with open(log_path, errors="replace") as log:
        # Each line: SPEECH OUTPUT: 'what was said'{voice}; what was said may hold quotes.
        return re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{", log.read(), re.S)


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


def menu(letter, item):
    # Alt held a moment on its own, so a screen reader listening for it lets it by.
    subprocess.run(["xdotool", "keydown", "alt"], check=True)
    time.sleep(0.5)
    subprocess.run(["xdotool", "key", letter], check=True)
    subprocess.run(["xdotool", "keyup", "alt"], check=True)
    time.sleep(2)
    key(item, pause=3)


def play():
    window = subprocess.run(["xdotool", "search", "--name", "^Korbo$"], capture_output=True, text=True).stdout.split()
    subprocess.run(["xdotool", "windowactivate", "--sync", window[0]])
    time.sleep(4)
    # A solo game.
    key("F2", pause=5)
    subprocess.run(["xdotool", "type", "--delay", "400", "Ann"])
    key("Return", "Return", pause=5)
    for route in solo_route():
        play_turn(route)
    time.sleep(30)  # the last lines wait their turn; then the new records come up
    # The records window: Tab from Close to the highs' list, then away.
    key("Tab", pause=4)
    key("Escape", pause=3)
    # The score sheet's table: Ctrl+F6 to it, down a row, to the total, and back.
    key("ctrl+F6", pause=4)
    key("Down", pause=3)
    key("Next", pause=3)
    key("Escape", pause=3)
    # Ann against the computer seat Bob: Players, a name each, Bob's PC box, OK.
    # The dialog's order: the six names, OK, Cancel, then the six PC boxes.
    menu("v", "p")
    key("Tab", pause=1)
    subprocess.run(["xdotool", "type", "--delay", "400", "Bob"])
    key(*["Tab"] * 8, pause=2)  # names 3 to 6, OK, Cancel, PC 1, PC 2
    key("space", pause=2)
    key("shift+Tab", "shift+Tab", "shift+Tab", pause=2)  # PC 1, Cancel, OK
    key("space", pause=4)
    key("F2", pause=8)
    for turn in range(3):
        play_turn(["Up"] if turn == 0 else ["Left"])
        time.sleep(25)  # Bob's turn
    # The statistics of Ann's finished game: the window opens on the player list; Tab
    # to the figures, to the tabs, to the totals plot's words; then the categories tab
    # and its words.
    key("F7", pause=5)
    key("Tab", "Tab", "Tab", pause=4)
    menu("c", "Tab")
    key("Escape", pause=3)


def check(log_path):
    failures = []
    words = spoken(log_path)
    throws = [w for w in words if w.startswith("notification Thrown ") or w.startswith("notification Held ")]
    if len(throws) < 14 + 3:
        failures.append("%d throws told, not 17" % len(throws))
    for what in ["notification Off you go, Ann.", "notification Game Over."]:
        if what not in words:
            failures.append("%r never spoken" % what)
    if not any(w.startswith("notification ") and " would score " in w for w in words):
        failures.append("no preview score spoken")
    if not any(w.startswith("notification ") and " scored " in w for w in words):
        failures.append("no entered score spoken")
    records = [w for w in words if re.search(r"\b1, Ann, \d+, \d\d \w{3} \d\d\b", w)]
    if not any("Brilliant Highs" in w for w in words) or not records:
        failures.append("the records list and its first line were not read")
    # What was said from entering the sheet to leaving it: the rows by their captions.
    sheet = words[words.index("Korbo Scores frame."):] if "Korbo Scores frame." in words else []
    sheet = sheet[:sheet.index("escape ")] if "escape " in sheet else sheet
    if not any(w.startswith("Twos") for w in sheet) or not any(w.startswith("Total") for w in sheet):
        failures.append("the score sheet's rows were not read by their captions")
    if not any(w.startswith("Bob played by the PC") for w in words):
        failures.append("the PC box was not read with its row's name")
    bob = [w for w in words if w.startswith("notification Bob ")]
    if len(bob) < 4:
        failures.append("only %r of Bob's lines spoken" % bob)
    plots = [w for w in words if w.startswith("Totals of 1 game from ") or " costs you most: " in w]
    if len(plots) < 2:
        failures.append("the plots' words were not read: %r" % plots)
    print("%d lines spoken, %d throws; records: %s; sheet: %s; Bob: %s; plots: %s"
          % (len(words), len(throws), records[:1], sheet, bob, plots))
    for line in failures:
        print("NOT SPOKEN: " + line)
    return 1 if failures else 0


if sys.argv[1] == "play":
    play()
else:
    sys.exit(check(sys.argv[2]))
