"""Reads the running game's accessibility tree over AT-SPI, as a screen
reader does, and plays a few keys while listening to its events.

Every control of the window with its role and name; the 60 distinct squares
of "6 by 10"; the key descriptions as the information label shows them;
after Tab and Right the focus on the cell at line 0, column 1; after Left
and Enter that cell names tile 0; after 6 the focus on "6 Squares", checked,
and 35 tiles. Prints one line per fault and exits 1 when
there was any."""
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

faults = []


def check(ok, text):
    """Records the fault `text` unless `ok`; returns `ok`."""
    if not ok:
        faults.append(text)
        print("FAIL: " + text, file=sys.stderr)
    return ok


def pump(seconds, until=lambda: False):
    """Lets events arrive for up to `seconds`, or until `until()` holds."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def children(node):
    node.clear_cache()
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def states(node):
    node.clear_cache()
    return node.get_state_set()


def find_frame():
    desktop = Atspi.get_desktop(0)
    for _ in range(200):
        for app in children(desktop):
            for window in children(app) if app else []:
                if window and window.get_name() == "KARVELON":
                    return window
        time.sleep(0.1)
    return None


def by_role(frame, role):
    return [c for c in children(frame) if c.get_role_name() == role]


def named(nodes, name):
    found = [n for n in nodes if n.get_name() == name]
    return found[0] if found else None


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


frame = find_frame()
if frame is None:
    print("FAIL: no frame named KARVELON on the accessibility bus", file=sys.stderr)
    sys.exit(1)
check(frame.get_role_name() == "frame", "the window is a %s, not a frame" % frame.get_role_name())

# Listening before acting: Qt sends only the kinds a client asked for.
events = []
listener = Atspi.EventListener.new(lambda e: events.append((e.type, e.source, e.detail1)))
for kind in ("focus:", "object:state-changed:focused", "object:property-change:accessible-name"):
    listener.register(kind)

buttons = by_role(frame, "push button")
captions = ["Clear Puzzle", "Reset Tile", "Solve Puzzle", "Watch Video", "Rotate Right", "Rotate Left",
            "Flip Vertical", "Flip Horizontal", "Move Up", "Move Down", "Move Right", "Move Left"]
for caption in captions:
    check(named(buttons, caption) is not None, "no push button %r" % caption)

radios = by_role(frame, "radio button")
for name, checked in (("5 Squares", True), ("6 Squares", False)):
    radio = named(radios, name)
    if check(radio is not None, "no radio button %r" % name):
        check(states(radio).contains(Atspi.StateType.CHECKED) == checked, "%r checked is not %s" % (name, checked))

lists = by_role(frame, "list")
entries = children(lists[0]) if lists else []
check(entries and all(e.get_role_name() == "list item" for e in entries), "no list of list items")
chosen = [e.get_name() for e in entries if states(e).contains(Atspi.StateType.SELECTED)]
check(chosen == ["6 by 10"], "the size list's selected entries are %s, not '6 by 10'" % chosen)

tiles = [b for b in buttons if re.fullmatch(r"Tile \d+", b.get_name())]
tile_names = [t.get_name() for t in tiles]
check(tile_names == ["Tile %d" % i for i in range(12)], "tile buttons: %s" % tile_names)
for tile in tiles:
    described = tile.get_description()
    check(re.fullmatch(tile.get_name() + r", \d by \d: [a-z ;]+, in the palette", described),
          "%s described as %r" % (tile.get_name(), described))

tables = by_role(frame, "table")
box = named(tables, "Box")
if not check(box is not None and named(tables, "Selected tile") is not None,
             "tables: %s" % [t.get_name() for t in tables]):
    sys.exit(1)
table = box  # the Table interface, implemented by the object itself
cells = children(box)
names = [c.get_name() for c in cells]
check((table.get_n_rows(), table.get_n_columns()) == (6, 10) and len(set(names)) == 60,
      "the box has %d x %d cells, %d names distinct" % (table.get_n_rows(), table.get_n_columns(), len(set(names))))
roles = {c.get_role_name() for c in cells}
check(roles == {"table cell"}, "the box's cells are %s" % roles)
cell47 = table.get_accessible_at(4, 7).get_name()
check(cell47 == "Square 47, line 4, column 7: free", "the cell at line 4, column 7 is %r" % cell47)

labels = by_role(frame, "label")
label_names = [l.get_name() for l in labels]
for name in ("Tile", "Lines", "Tile Columns", "Box Square", "Line", "Column"):
    check(name in label_names, "no label %r among %s" % (name, label_names))
tip = labels[-1]

# A key's description is what the information label says while the pointer
# is over it.
rotate = named(buttons, "Rotate Right")
if rotate is not None:
    box_of = rotate.get_extents(Atspi.CoordType.SCREEN)
    subprocess.run(["xdotool", "mousemove", str(box_of.x + box_of.width // 2), str(box_of.y + box_of.height // 2)],
                   check=True)
    check(pump(5, lambda: (tip.clear_cache() or True) and tip.get_name() == rotate.get_description()),
          "over Rotate Right the label says %r, the key's description is %r"
          % (tip.get_name(), rotate.get_description()))
    subprocess.run(["xdotool", "mousemove", "960", "1075"], check=True)


def focused():
    """The source of the last focus event."""
    gained = [source for kind, source, detail in events if kind == "focus:" or (kind.endswith("focused") and detail)]
    return gained[-1] if gained else None


def focus_after(keys_pressed, name):
    """Presses the keys and expects the focus to come to `name`."""
    keys(*keys_pressed)
    return check(pump(5, lambda: focused() is not None and focused().get_name() == name),
                 "after %s the focus is on %r, not %r" % (keys_pressed, focused() and focused().get_name(), name))


focus_after(["Tab"], "Tile 0")
if focus_after(["Right"], "Square 1, line 0, column 1: free"):
    cell = focused()
    check(states(cell).contains(Atspi.StateType.FOCUSED) and cell.get_role_name() == "table cell",
          "the focused cell does not say it is focused")
    at = cell.get_index_in_parent()
    check((table.get_row_at_index(at), table.get_column_at_index(at)) == (0, 1), "the focused cell is child %d" % at)
keys("Left", "Return")
first = table.get_accessible_at(0, 0)
check(pump(5, lambda: (first.clear_cache() or True) and first.get_name() == "Square 0, line 0, column 0: tile 0"),
      "after Left and Enter the first cell is %r" % first.get_name())
check(any(kind.endswith("accessible-name") and source.get_name() == first.get_name() for kind, source, _ in events),
      "no name-change event for the first cell")

# The tree and the focus follow the square count.
focus_after(["6"], "6 Squares")
six = named(by_role(frame, "radio button"), "6 Squares")
check(pump(5, lambda: six is not None and states(six).contains(Atspi.StateType.CHECKED)),
      "after 6, '6 Squares' is not checked")
tiles = [b for b in by_role(frame, "push button") if re.fullmatch(r"Tile \d+", b.get_name())]
check(len(tiles) == 35, "after 6, %d tile buttons" % len(tiles))

print("accessibility tree: %d faults" % len(faults))
sys.exit(1 if faults else 0)
