#!/usr/bin/python3
# Reads the main window through the accessibility bus and plays, as a screen reader's user does
# (play.sh starts the program and the buses; Debian's python3 holds the bindings):
#   reader.py new    File > New through the menu item's action
#   reader.py empty  succeeds when the board reads empty
#   reader.py play   reads the window, starts a game, places a piece with the arrow keys and
#                    Return, and passes one over through the Skip button's action
import sys
import time
import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib

labels, heard = [], []  # heard: the names of what the bus tells a reader has changed, in order


# Waits until found() answers, and every change told until then has been heard.
def wait(what, found):
    deadline = time.monotonic() + 30
    context = GLib.MainContext.default()
    while not (result := found()) or context.pending():
        assert time.monotonic() < deadline, f"{what}; read: {said()}"
        if not context.iteration(False):
            time.sleep(0.02)
    return result


def tree(node):
    yield node
    for i in range(node.get_child_count()):
        yield from tree(node.get_child_at_index(i))


# Each of the cells named "kind 1" to "kind count" as 1 filled, 0 empty, ? neither.
looks = lambda kind, count: "".join({"filled": "1", "empty": "0"}.get(named[f"{kind} {n}"].get_description(), "?") for n in range(1, count + 1))


said = lambda: [label.get_name() for label in labels]
press = lambda name: named[name].do_action(0)  # its first action: Press
window = wait("no main window", lambda: next((w for w in tree(Atspi.get_desktop(0))
                                             if w.get_name() == "Fitzel!"), None))
named = {node.get_name(): node for node in tree(window)}
# Heard from now on: the program, now on the bus, hears of a listener that comes after it.
listener = Atspi.EventListener.new(lambda event: heard.append(event.source.get_name()))
listener.register("object:property-change")
labels = sorted((node for node in named.values() if node.get_role_name() == "label"), key=Atspi.Accessible.get_name)
board = lambda: looks("Board cell", 25)
if sys.argv[1] == "new":
    sys.exit(not press("New"))  # 0 once the action is done
if sys.argv[1] == "empty":
    sys.exit(board() != "0" * 25)
preview = lambda: looks("Preview cell", 9)
cursor = named["Board"]
current = lambda: [k for k in range(1, 36) if named[f"Piece {k}"].get_description() == "current"]
assert board() + preview() == "?" * 34 and said() == ["Score 0", "Time Left 10"] and \
    named["Skip"].get_action_name(0) == "Press" and window.get_role_name() == "frame", "read before a game"
press("New")
shape = wait("File > New dealt no piece", lambda: board() == "0" * 25 and "?" not in preview() and preview())
# A piece that makes a block by itself would vanish from the board again: pass it over.
while any(shape[k] == shape[k + 1] == shape[k + 3] == shape[k + 4] == "1" for k in (0, 1, 3, 4)):
    piece = current()
    press("Skip")
    shape = wait("Skip dealt no piece", lambda: current() not in ([], piece) and "?" not in preview() and preview())
for key, cell in ((0xFF51, "cell 12"), (0xFF53, "cell 13")):  # Left, Right
    Atspi.generate_keyboard_event(key, None, Atspi.KeySynthType.SYM)
    wait(f"the board's cursor is not told on {cell}", lambda: cell in cursor.get_description())
# The piece on cell 13, the middle: its 3 x 3 square over rows and columns 2 to 4.
want = "".join(shape[n // 5 * 3 + n % 5 - 4] if 1 <= n // 5 <= 3 and 1 <= n % 5 <= 3 else "0" for n in range(25))
heard.clear()
Atspi.generate_keyboard_event(0xFF0D, None, Atspi.KeySynthType.SYM)  # Return
wait("the cursor's cell is not told filled", lambda: "filled" in cursor.get_description())
assert board() == want, f"the board reads {board()}, not {want}"
told = {name for name in heard if name.startswith("Board cell")}
assert told == {f"Board cell {n + 1}" for n in range(25) if want[n] == "1"}, f"changes told: {told}"
score = int(said()[0].split()[-1])
piece = current()
press("Skip")
wait("Skip passed nothing over", lambda: named[f"Piece {piece[0]}"].get_description() == "dealt")
wait("the score is not told", lambda: said()[0] == f"Score {max(0, score - 7)}")
