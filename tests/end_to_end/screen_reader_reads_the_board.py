#!/usr/bin/env python3
"""Reads the real tinzel program over the accessibility bus, as a screen reader does.

Walks the window through AT-SPI: a frame named "Form1" holding one table of 10 rows and 10
columns whose cells are named by colour (one colour on exactly ten of them), the eleven colour
buttons named by colour in their order, the scores, and no Label2. Then answers wrongly with
the mouse, hears the cells' name changes, and reads the new board: every cell whose name
changed was announced with its new name. Needs DISPLAY, an accessibility bus (run it under
with_accessibility_bus inside dbus-run-session), xdotool, and Debian's python3-pyatspi with
the system's Python.

Usage: screen_reader_reads_the_board.py PROGRAM
"""
import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

from accessible_game import COLOURS, application


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def only(nodes, what):
    nodes = list(nodes)
    assert len(nodes) == 1, f"{len(nodes)} {what}"
    return nodes[0]


def read(frame):
    """What a screen reader finds in the window: the table's cells row by row (by walking its
    children, and by asking the table for each cell), the buttons' names, and every name."""
    nodes = list(descendants(frame))
    board = only((node for node in nodes if node.getRoleName() == "table"), "tables")
    table = board.queryTable()
    rows, columns = table.nRows, table.nColumns
    cells = [child.name for child in board]
    assert cells == [table.getAccessibleAt(row, column).name
                     for row in range(rows) for column in range(columns)], \
        "the table's children and its cells disagree"
    for cell in board:
        assert cell.getRoleName() == "table cell", cell.getRoleName()
        assert cell.getState().contains(pyatspi.STATE_READ_ONLY), "a cell is not read-only"
        assert not cell.getState().contains(pyatspi.STATE_FOCUSABLE), "a cell takes the focus"
    buttons = [node for node in nodes if node.getRoleName() == "push button"]
    return {"rows": rows, "columns": columns, "cells": cells, "board": board,
            "buttons": buttons, "names": [node.name for node in nodes]}


def check_board(shown):
    assert (shown["rows"], shown["columns"]) == (10, 10), \
        f"the table is {shown['rows']} x {shown['columns']}"
    assert all(name in COLOURS for name in shown["cells"]), shown["cells"]
    tens = [colour for colour in COLOURS if shown["cells"].count(colour) == 10]
    assert len(tens) == 1, f"not one colour on exactly ten cells: {shown['cells']}"
    assert [button.name for button in shown["buttons"]] == COLOURS, \
        [button.name for button in shown["buttons"]]
    assert "Label2" not in shown["names"], "Label2 is read out"
    return COLOURS.index(tens[0])


def click(node):
    """The mouse, moved to the middle of `node` on the screen, clicks there."""
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def main(program):
    game = subprocess.Popen([program], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        app = application("Tinzel")
        frame = only((child for child in app if child.getRoleName() == "frame"), "frames")
        assert frame.name == "Form1", frame.name
        before = read(frame)
        ten = check_board(before)
        print(f"read a 10 x 10 board; {COLOURS[ten]} is on ten cells")

        heard = {}

        def hear(event):
            if event.source.getRoleName() == "table cell":
                heard[event.source.getIndexInParent()] = event.source.name

        pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name")

        # The program learns over the bus that a listener has come, and only then announces
        # anything: the answer waits a second for that news to arrive.
        def answer():
            click(before["buttons"][(ten + 5) % 11])
            return False

        GLib.timeout_add(1000, answer)

        def until_quiet(last=[-1], quiet=[0]):
            quiet[0] = quiet[0] + 1 if len(heard) == last[0] else 0
            last[0] = len(heard)
            if quiet[0] >= 10 and heard:
                pyatspi.Registry.stop()
                return False
            return True

        GLib.timeout_add(100, until_quiet)
        GLib.timeout_add(20000, pyatspi.Registry.stop)
        pyatspi.Registry.start()
        pyatspi.Registry.deregisterEventListener(hear, "object:property-change:accessible-name")

        after = read(frame)
        check_board(after)
        renamed = {index for index, (old, new) in enumerate(zip(before["cells"], after["cells"]))
                   if old != new}
        assert renamed, "the new board has every cell's name of the old"
        missed = sorted(renamed - heard.keys())
        assert not missed, f"cells renamed without a word: {missed}"
        wrong = {index: name for index, name in heard.items() if after["cells"][index] != name}
        assert not wrong, f"cells announced with names they do not have: {wrong}"
        assert "LOST: 1" in after["names"], "the loss is not in the score"
        print(f"heard {len(heard)} cells renamed, {len(renamed)} of them to a new colour")
    finally:
        game.terminate()
        game.wait(timeout=10)


if __name__ == "__main__":
    main(sys.argv[1])
