#!/usr/bin/env python3
"""Plays the real tinzel program to its end with Orca, the desktop's screen reader, listening.

Orca runs with a settings folder of its own and writes what it speaks to its debug log (as
"SPEECH OUTPUT" lines; no sound is made). The player answers from the keyboard, as a blind
player does, reading the board over AT-SPI to find the colour on ten squares: a wrong answer
first, then right ones to the tenth win. After every answer Orca must speak the score that
changed and that a new board is dealt, with the focus where the player left it; after the
tenth win, that win and the end message. Needs DISPLAY, an accessibility bus (run it under
with_accessibility_bus inside dbus-run-session), Debian's orca, xdotool, and python3-pyatspi
with the system's Python.

Usage: orca_hears_every_round.py PROGRAM
"""
import os
import pty
import re
import subprocess
import sys
import tempfile
import threading
import time

from accessible_game import COLOURS, application


class OrcaSpeech:
    """Orca's speech, line by line, as it writes it. Its log goes to a terminal of the test's
    own, which Python writes line by line, where a file would hold the last lines back."""

    def __init__(self, settings):
        # Orca runs once for a user: another one (a desktop's own, or another test's) makes
        # this one end at once, and this test must not end the player's.
        others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                                capture_output=True, text=True).stdout.split()
        assert not others, f"another Orca runs for this user (pid {' '.join(others)}): " \
                           "this test starts an Orca of its own, and Orca runs one at a time"
        self.lines = []
        self._lock = threading.Lock()
        self._said = tempfile.TemporaryFile(mode="w+")
        leader, follower = pty.openpty()
        self.orca = subprocess.Popen(["orca", "-u", settings, "--debug-file",
                                      os.ttyname(follower)], stdout=self._said,
                                     stderr=subprocess.STDOUT)
        # Held open until Orca has gone: with no one on its far side, a terminal reads as
        # closed, and Orca opens it only as it starts.
        self._follower = follower
        self._reader = threading.Thread(target=self._read, args=(leader,), daemon=True)
        self._reader.start()

    def _read(self, leader):
        pending = b""
        while True:
            try:
                chunk = os.read(leader, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            for line in complete:
                found = re.search(r"SPEECH OUTPUT: '(.*?)'(?= ?(\{|voice=|$))",
                                  line.decode(errors="replace").rstrip("\r"))
                if found:
                    with self._lock:
                        self.lines.append(found.group(1).strip())

    def spoken(self):
        with self._lock:
            return list(self.lines)

    def wait_for(self, wanted, since, timeout=15.0):
        """The first line spoken after line `since` that `wanted` matches, and its place."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            lines = self.spoken()
            for at in range(since, len(lines)):
                if re.fullmatch(wanted, lines[at]):
                    return lines[at], at
            if self.orca.poll() is not None:
                self._said.seek(0)
                raise AssertionError(f"Orca ended with status {self.orca.returncode}: "
                                     f"{self._said.read().strip()}")
            time.sleep(0.05)
        raise AssertionError(f"Orca did not say {wanted!r}; it said {self.spoken()[since:]}")

    def stop(self):
        self.orca.terminate()
        try:
            self.orca.wait(timeout=5)
        except subprocess.TimeoutExpired:
            # Orca's own shutdown waits on a speech server that this test does not run.
            self.orca.kill()
            self.orca.wait(timeout=5)
        os.close(self._follower)




def ten_colour(frame):
    """The colour on exactly ten of the board's cells, as a screen reader's table gives them."""
    def find(node):
        for child in node:
            if child is None:
                continue
            if child.getRoleName() == "table":
                return child
            found = find(child)
            if found is not None:
                return found
        return None

    cells = [cell.name for cell in find(frame)]
    tens = [colour for colour in COLOURS if cells.count(colour) == 10]
    assert len(tens) == 1, f"not one colour on exactly ten cells: {cells}"
    return COLOURS.index(tens[0])


def press(key):
    """A key, pressed and released on the keyboard, for the window that has the focus."""
    subprocess.run(["xdotool", "key", key], check=True)


def main(program):
    with tempfile.TemporaryDirectory(prefix="tinzel-orca-") as settings:
        orca = OrcaSpeech(settings)
        game = None
        try:
            orca.wait_for(r"Screen reader on\.", 0, timeout=30)
            game = subprocess.Popen([program],
                                    env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
            frame = next(child for child in application("Tinzel")
                         if child.getRoleName() == "frame")
            window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                     "^Form1$"], check=True, capture_output=True,
                                    text=True).stdout.split()[0]
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
            _, heard = orca.wait_for(r"Black push button\.", 0, timeout=20)
            focus, wins, losses = 0, 0, 0
            while wins < 10:
                ten = ten_colour(frame)
                # One wrong answer, on the button below the ten-colour's, then right ones.
                target = ten if wins or losses else (ten + 1) % len(COLOURS)
                while focus != target:
                    step = 1 if target > focus else -1
                    press("Down" if step > 0 else "Up")
                    focus += step
                    _, heard = orca.wait_for(rf"{COLOURS[focus]} push button\.", heard + 1)
                answered = len(orca.spoken())
                press("Return")
                if target == ten:
                    wins += 1
                else:
                    losses += 1
                if wins < 10:
                    score = f"WINS: {wins}" if target == ten else f"LOST: {losses}"
                    _, heard = orca.wait_for(rf"notification {score}\. New board\.", answered)
                    # The focus stayed where the player left it: Orca named no button.
                    moved = [line for line in orca.spoken()[answered:heard]
                             if line.endswith("push button.")]
                    assert not moved, f"the answer moved the focus: Orca said {moved}"
                    print(f"heard {score} and the new board")
            _, heard = orca.wait_for(r".*You won! But you had 1losses\..*", answered)
            ending = orca.spoken()[answered:heard + 1]
            # The tenth win is heard like every other, as the message opens.
            assert re.search(r"WINS: 10\..*You won!", " ".join(ending)), \
                f"the tenth win was not heard before the end message: Orca said {ending}"
            print(f"heard the tenth win and the end message: {ending}")
            subprocess.run(["xdotool", "windowfocus", "--sync", window_of_message()], check=True)
            press("Return")
            assert game.wait(timeout=10) == 0, f"the game ended with status {game.returncode}"
        finally:
            if game is not None and game.poll() is None:
                game.terminate()
                game.wait(timeout=10)
            orca.stop()


def window_of_message(timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tinzel$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.05)
    raise AssertionError("the end message did not appear")


if __name__ == "__main__":
    main(sys.argv[1])
