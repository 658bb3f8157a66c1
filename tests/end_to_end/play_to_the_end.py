#!/usr/bin/env python3
"""Plays a whole game of the real tinzel program on an X display, as a player would.

It looks at the window's pixels to find the colour on ten squares, answers with the mouse and
with the keyboard, and checks that the tenth win closes the board, opens the end message, and
that dismissing the message ends the process with status 0, that the window carries the
game's icon, and that its class is the one its desktop entry names, so that an X11 desktop
shows it under the entry's name and icon. Needs DISPLAY, xdotool, xprop and ImageMagick's
`import`.

Usage: play_to_the_end.py [--desktop-entry FILE] [WRAPPER ...] PROGRAM, where a wrapper
(strace, say) is a command that the program is started under.
"""
import re
import subprocess
import sys
import time

DESIGN_WIDTH = 7770  # the client area in twips
SQUARE = (495, 440)
BUTTON_LEFT, BUTTON_WIDTH, BUTTON_PITCH = 4920, 1095, 400
WRONG_ANSWERS = 2
PALETTE = [(0, 0, 0), (160, 160, 160), (255, 255, 255), (255, 180, 180), (255, 64, 64),
           (255, 165, 64), (255, 255, 64), (64, 255, 64), (64, 255, 255), (64, 64, 255),
           (255, 64, 255)]


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def visible_window(name, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.05)
    return None


def icon_sizes(window, timeout=5.0):
    """The sizes of the window's icon as the window manager reads them (_NET_WM_ICON)."""
    deadline = time.monotonic() + timeout
    while True:
        listing = run("xprop", "-id", window, "_NET_WM_ICON")
        sizes = re.findall(r"Icon \((\d+) x (\d+)\)", listing)
        if sizes or time.monotonic() >= deadline:
            return {(int(width), int(height)) for width, height in sizes}
        time.sleep(0.05)


def window_class(window):
    """The class half of the window's WM_CLASS, which X11 desktops match desktop entries by."""
    names = re.findall(r'"([^"]*)"', run("xprop", "-id", window, "WM_CLASS"))
    assert len(names) == 2, f"the window's WM_CLASS is {names}"
    return names[1]


def startup_class(desktop_entry):
    with open(desktop_entry, encoding="utf-8") as entry:
        found = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.MULTILINE)
    assert found, f"{desktop_entry} names no StartupWMClass"
    return found.group(1)


def screenshot(window):
    """The window's client area as (width, height, bytes of RGB)."""
    geometry = run("xdotool", "getwindowgeometry", window)
    width, height = map(int, geometry.split("Geometry: ")[1].split()[0].split("x"))
    pixels = subprocess.run(["import", "-silent", "-window", window, "-depth", "8", "rgb:-"],
                            check=True, capture_output=True).stdout
    return width, height, pixels


def pixel(shot, x, y):
    width, _, pixels = shot
    offset = 3 * (y * width + x)
    return tuple(pixels[offset:offset + 3])


def board_counts(shot):
    scale = shot[0] / DESIGN_WIDTH
    counts = [0] * len(PALETTE)
    for row in range(10):
        for column in range(10):
            x = int((column * SQUARE[0] + SQUARE[0] / 2) * scale)
            y = int((row * SQUARE[1] + SQUARE[1] / 2) * scale)
            colour = pixel(shot, x, y)
            if colour not in PALETTE:
                raise AssertionError(f"square at row {row + 1}, column {column + 1} shows "
                                     f"{colour}, which is not a palette colour")
            counts[PALETTE.index(colour)] += 1
    return counts


def button_centre(shot, index):
    scale = shot[0] / DESIGN_WIDTH
    return (int((BUTTON_LEFT + BUTTON_WIDTH / 2) * scale),
            int((index * BUTTON_PITCH + BUTTON_PITCH / 2) * scale))


def wait_for_new_board(window, previous):
    """The next board (the first, after an empty `previous`) once it is wholly on the screen. A screenshot can catch the window while
    the X server is still drawing the game's update into it, half old board and half new, so
    the board is read only when two shots in a row agree."""
    deadline = time.monotonic() + 10
    changed = None
    while time.monotonic() < deadline:
        shot = screenshot(window)
        if changed is not None and shot[2] == changed[2]:
            return shot
        changed = shot if shot[2] != previous[2] else None
        time.sleep(0.05)
    raise AssertionError("the board did not change after an answer")


def main(command, desktop_entry):
    game = subprocess.Popen(command)
    try:
        window = visible_window("Form1")
        assert game.poll() is None, f"the game ended with status {game.returncode} at start-up"
        assert window, "the window Form1 did not appear"
        # The icon comes just after the first frame.
        sizes = icon_sizes(window)
        assert {(16, 16), (32, 32), (48, 48)} <= sizes, f"the window's icon has sizes {sizes}"
        if desktop_entry:
            assert window_class(window) == startup_class(desktop_entry), \
                f"the window's class {window_class(window)!r} is not its desktop entry's"
        shot = wait_for_new_board(window, (0, 0, b""))
        answers = 0
        wins = 0
        while wins < 10:
            counts = board_counts(shot)
            assert sum(counts) == 100 and counts.count(10) == 1 and max(counts) == 10, counts
            ten_colour = counts.index(10)
            answer = ten_colour if answers >= WRONG_ANSWERS else (ten_colour + 1) % 11
            if answers % 2 == 0:
                x, y = button_centre(shot, answer)
                run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")
            else:
                # The keyboard: the focus is on the button answered last; walk to the answer.
                run("xdotool", "windowfocus", "--sync", window)
                run("xdotool", "key", "--clearmodifiers", *(["Up"] * 10), *(["Down"] * answer),
                    "space")
            answers += 1
            wins += answer == ten_colour
            if wins == 10:
                break
            shot = wait_for_new_board(window, shot)

        message = visible_window("Tinzel")
        assert message, "no end message after the tenth win"
        assert visible_window("Form1", timeout=0.5) is None, "the board is still shown"
        run("xdotool", "windowfocus", "--sync", message)
        run("xdotool", "key", "Return")
        status = game.wait(timeout=10)
        assert status == 0, f"the game ended with status {status}"
        print(f"won 10 of {answers} answers; the game ended with status 0")
    finally:
        if game.poll() is None:
            game.kill()


if __name__ == "__main__":
    arguments = sys.argv[1:]
    entry = None
    if arguments[:1] == ["--desktop-entry"]:
        entry, arguments = arguments[1], arguments[2:]
    main(arguments, entry)
