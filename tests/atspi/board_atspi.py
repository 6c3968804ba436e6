# The game as a screen reader meets it on the AT-SPI bus: driven by keys, read through
# pyatspi. Fails (status 1) with what it missed.
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WORDS = {"one": 1, "two": 2, "three": 3, "four": 4, "five": 5, "six": 6}
failures = []
shown = []  # the names of notifications as they were shown


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def pump(seconds):
    end = time.time() + seconds
    while time.time() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.02)


def wait_for(find, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        pump(0.1)
    return None


def nodes(root):
    if root is None:
        return
    yield root
    for child in root:
        yield from nodes(child)


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "korbo":
            return app
    return None


def named(app, role, start):
    return [n for n in nodes(app) if n.getRole() == role and (n.name or "").startswith(start)]


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)
    pump(0.5)


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        shown.append(event.source.name)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
app = wait_for(game, 30)
if not check(app is not None, "the game never appeared on the accessibility bus"):
    print("\n".join(failures))
    sys.exit(1)
window = wait_for(lambda: subprocess.run(["xdotool", "search", "--name", "^Korbo$"],
                                         capture_output=True, text=True).stdout.split(), 20)
if not check(window is not None, "the game's window was never shown: %s" % [subprocess.run(
        ["xdotool", "getwindowname", w], capture_output=True, text=True).stdout for w in subprocess.run(
        ["xdotool", "search", "--name", "."], capture_output=True, text=True).stdout.split()]):
    print("\n".join(failures))
    sys.exit(1)
subprocess.run(["xdotool", "windowactivate", "--sync", window[0]], check=False)
pump(1)

# New game: the Players dialog asks for a name; Enter in the empty box closes it.
keys("F2")
wait_for(lambda: named(app, pyatspi.ROLE_DIALOG, "") or named(app, pyatspi.ROLE_FRAME, "Players"), 5)
subprocess.run(["xdotool", "type", "--delay", "100", "Ann"], check=True)
keys("Return", "Return")
check(wait_for(lambda: "Off you go, Ann" in shown), "the greeting was not told: %s" % shown)

# A throw: the dice carry their faces, and one notification tells them.
keys("t")
told = wait_for(lambda: [s for s in shown if s.startswith("Thrown ")])
dice = [named(app, pyatspi.ROLE_PUSH_BUTTON, "Die %d," % d) for d in range(1, 7)]
if check(all(len(d) == 1 for d in dice), "the dice are not all named: %s" % dice):
    faces = []
    for (die,) in dice:
        parts = die.name.split(", ")
        check(len(parts) == 3 and parts[1] in WORDS and parts[2] == "in play", "die named %r" % die.name)
        faces.append(WORDS.get(parts[1], 0))
    expected = "Thrown %s. Sort your dice and throw again, Ann" % " ".join(str(f) for f in sorted(faces))
    check(told and told[-1] == expected, "after the throw %r was told, not %r" % (told, expected))
    # Where a reader (or a magnifier following it) shows a die: its own size at the
    # board's zoom, inside the board's window.
    zoom = int(os.environ.get("KORBO_ATSPI_ZOOM", "100"))
    side = round(720 * zoom / 1500)
    frame = named(app, pyatspi.ROLE_FRAME, "Ann")
    if check(len(frame) == 1, "no window titled with Ann's turn"):
        outer = frame[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        for (die,) in dice:
            box = die.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            check((box.width, box.height) == (side, side), "%s is %dx%d, not %d at %d %%"
                  % (die.name, box.width, box.height, side, zoom))
            check(outer.x <= box.x and box.x + box.width <= outer.x + outer.width and outer.y <= box.y
                  and box.y + box.height <= outer.y + outer.height, "%s at %s lies outside its window %s"
                  % (die.name, (box.x, box.y), (outer.x, outer.y, outer.width, outer.height)))

# A category pressed as a screen reader presses it: its description is the score.
twins = named(app, pyatspi.ROLE_PUSH_BUTTON, "Twins")
if check(len(twins) == 1, "no Twins button"):
    twins[0].queryAction().doAction(0)
    described = wait_for(lambda: twins[0].description)
    check(described is not None and described.startswith("would score "), "Twins says %r" % described)
    check(wait_for(lambda: "Twins " + (described or "?") in shown), "the preview was not told: %s" % shown[-3:])

# Say Turn: whose turn, the round and the jokers, told at once.
keys("w")
check(wait_for(lambda: "Ann's 1st turn, round 1 of 14, 3 jokers left." in shown),
      "Say Turn was not told: %s" % shown[-3:])

# The score sheet: the entry shows in its table, which Ctrl+F6 reaches by keys. A
# reader places the focused cell by its index and finds its headers through the
# table; without headers it would take the table for layout.
entered = None
if twins:
    twins[0].queryAction().doAction(0)
    entered = wait_for(lambda: twins[0].description if (twins[0].description or "").startswith("scored ") else None)
keys("ctrl+F6")
focused = lambda: [n for n in nodes(app) if n.getRole() == pyatspi.ROLE_TABLE_CELL
                   and n.getState().contains(pyatspi.STATE_FOCUSED)]
keys("Next")
cell = wait_for(focused)
if check(cell, "Ctrl+F6 and Page Down put the focus on no cell of the sheet"):
    cell = cell[0]
    table = cell.parent
    check(table.getRole() == pyatspi.ROLE_TABLE and table.parent.getRole() == pyatspi.ROLE_FRAME
          and table.parent.name == "Korbo Scores", "the sheet is %s in %s" % (table.getRoleName(), table.parent))
    grid = table.queryTable()
    index = cell.getIndexInParent()
    row, column = grid.getRowAtIndex(index), grid.getColumnAtIndex(index)
    headers = (grid.getRowHeader(row), grid.getColumnHeader(column))
    check(all(headers) and [h.name for h in headers] == ["Total", "Ann"],
          "the total's cell (row %d, column %d) is under %s" % (row, column, [h and h.name for h in headers]))
    check(cell.name == (entered or "?").replace("scored ", ""), "the total reads %r, Twins %r" % (cell.name, entered))

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("told: " + " | ".join(shown))
