"""Plays the real program through the accessibility bus, as a screen reader
does, on the desktop that tests/onDesktop.sh atspi starts: the windows are
frames with their captions, the cells say their numbers in card order and
report their mark as a state, announced as it changes, their "Mark"
and "Un-mark" actions change the screen and the state together, and the
keyboard reaches them and marks them.

Usage: /usr/bin/python3 screenReader.py BINGO
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LETTERS = "БИНГО"
MARK = "#FF7777"
WHITE = "#FFFFFF"


def fail(why):
    print("FAIL:", why)
    sys.exit(1)


def wait_for(what, find, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    fail(what + " never came")


def descendants(node, role):
    return pyatspi.findAllDescendants(node, lambda child: child.getRole() == role)


def window(application, caption):
    """The top-level frame with that caption, or None."""
    for child in application:
        if child is not None and child.getRole() == pyatspi.ROLE_FRAME and child.name == caption:
            return child
    return None


def run_action(node, name):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if name not in names:
        fail(f"{node.name} offers {names}, not {name}")
    actions.doAction(names.index(name))


def delivered(events, event):
    """Whether the event has come, once every event waiting on the bus is delivered."""
    while GLib.MainContext.default().iteration(False):
        pass
    return event in events


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def centre(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def screen_colour(point):
    """The colour of one pixel of the X screen, as #RRGGBB."""
    x, y = point
    text = subprocess.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                          check=True, capture_output=True, text=True).stdout
    return re.search(r"#[0-9A-F]{6}\b", text.splitlines()[1]).group()


def heard(node):
    """What a screen reader reads of a node: role, name, states and actions."""
    actions = node.queryAction()
    states = sorted(pyatspi.stateToString(state) for state in node.getState().getStates())
    return (f"{node.getRoleName()} \"{node.name}\", states: {', '.join(states)}; "
            f"actions: {', '.join(actions.getName(i) for i in range(actions.nActions))}")


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        application = wait_for("the program on the bus", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "Bingo"), None))

        splash = wait_for("the splash", lambda: next(
            (child for child in application if child is not None and child.getRole() == pyatspi.ROLE_FRAME), None))
        focus = wait_for("the focus on the splash", lambda: pyatspi.findDescendant(splash, lambda node: node.getState().contains(pyatspi.STATE_FOCUSED)))
        if not focus.description.startswith('"New" begins a new game') or focus.getRelationSet()[0].getTarget(0).name != "To play:":
            fail(f"the splash's focus is {focus.name!r}, described as {focus.description!r}")
        subprocess.run(["xdotool", "key", "a"], check=True)

        board = wait_for('the board, a frame named "Ventaro!"', lambda: window(application, "Ventaro!"))
        # Kept, hidden, while a screen reader may still ask about it, then destroyed.
        if splash.getState().contains(pyatspi.STATE_SHOWING) or splash.name != "Ventaro, БИНГО":
            fail("the splash was not kept for the screen reader, hidden")
        wait_for("the splash destroyed", lambda: sum(child is not None for child in application) == 1)
        buttons = {button.name: button for button in descendants(board, pyatspi.ROLE_PUSH_BUTTON)}
        run_action(buttons["New..."], "Press")
        dialog = wait_for('the range dialog, a frame named "Give me information!"',
                          lambda: window(application, "Give me information!"))
        boxes = sorted(box.name for box in descendants(dialog, pyatspi.ROLE_TEXT))
        if boxes != ["End Bingo sheet at:", "Start Bingo sheet at:"]:
            fail(f"the dialog's boxes are named {boxes}")
        run_action(next(b for b in descendants(dialog, pyatspi.ROLE_PUSH_BUTTON) if b.name == "OK"), "Press")

        # The names reach the bus one cell after another.
        def numbered_cells():
            cells = [cell for cell in descendants(board, pyatspi.ROLE_CHECK_BOX) if not cell.name.endswith("empty")]
            return cells if len(cells) == 25 else None
        cells = wait_for("25 cells with numbers", numbered_cells)
        for index, cell in enumerate(cells):
            column, row = divmod(index, 5)
            letter, row_name, number = cell.name.split(", ")
            if (letter, row_name) != (LETTERS[column], f"row {row + 1}"):
                fail(f"cell {index} is named {cell.name}")
            # A card from 1..75: each column's numbers rise within its fifteen.
            low = 15 * column + 1 if row == 0 else int(cells[index - 1].name.split(", ")[2]) + 1
            if not low <= int(number) <= 15 * column + 15:
                fail(f"cell {index} says {number}")
        print("the cells say:", "; ".join(cell.name for cell in cells))

        subprocess.run(["xdotool", "mousemove", *map(str, centre(cells[0])), "click", "1"], check=True)
        wait_for("the state of a cell clicked with the mouse", lambda: checked(cells[0]))

        cell = cells[12]
        print("before Mark:", heard(cell))
        announced = []
        pyatspi.Registry.registerEventListener(
            lambda event: announced.append((event.source.name, event.detail1)), "object:state-changed:checked")
        run_action(cell, "Mark")
        if not checked(cell):
            fail("Mark left the cell unchecked")
        wait_for("the news that the cell is checked", lambda: delivered(announced, (cell.name, 1)))
        wait_for("the mark colour on screen", lambda: screen_colour(centre(cell)) == MARK)
        print("after Mark: ", heard(cell))
        run_action(cell, "Un-mark")
        if checked(cell):
            fail("Un-mark left the cell checked")
        wait_for("white on screen after Un-mark", lambda: screen_colour(centre(cell)) == WHITE)

        # The keyboard alone: Tab from "New..." past the buttons to the grid,
        # Right to the next column; Space checks, and Space again unchecks.
        subprocess.run(["xdotool", "search", "--name", "^Ventaro!$", "windowfocus", "--sync"], check=True)
        subprocess.run(["xdotool", "key", "Tab", "Tab", "Tab", "Right"], check=True)
        wait_for("the focus on a check box", lambda: cells[5].getState().contains(pyatspi.STATE_FOCUSED))
        for marked in (True, False):
            subprocess.run(["xdotool", "key", "space"], check=True)
            wait_for(f"the check box checked: {marked}", lambda: checked(cells[5]) == marked)
        print("a screen reader plays the board: frames, numbers, marks, actions and keys")
    finally:
        program.kill()


main()
