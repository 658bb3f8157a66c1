#!/usr/bin/env python3
"""Plays the game to its end with Orca, the desktop's screen reader, listening: the real tinzel
program, or the page in chromium.

Orca runs with a settings folder of its own and writes what it speaks to its debug log (as
"SPEECH OUTPUT" lines; no sound is made). The player answers from the keyboard, as a blind
player does, finding the colour on ten squares: a wrong answer first, then right ones to the
tenth win. After every answer Orca must speak the score that changed and that a new board is
dealt, with the focus where the player left it; after the tenth win, that win and the end
message. Needs DISPLAY, an accessibility bus (run it under with_accessibility_bus inside
dbus-run-session), Debian's orca, and python3-pyatspi with the system's Python; the window
needs xdotool too.

Usage: orca_hears_every_round.py PROGRAM
       orca_hears_every_round.py --page COMMAND [ARGUMENT ...]
The page's player is COMMAND (tests/web/orca_player.js under node), which plays a move for
each line it is given.
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


class WindowPlayer:
    """The Qt window, its keys pressed on the X server and its board read over AT-SPI."""

    def __init__(self, program, orca):
        self.program = program
        self.orca = orca
        self.game = None
        self.focus = self.wins = self.losses = 0

    def start(self):
        self.game = subprocess.Popen([self.program],
                                     env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        self.frame = next(child for child in application("Tinzel")
                          if child.getRoleName() == "frame")
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "^Form1$"], check=True, capture_output=True,
                                text=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        self.orca.wait_for(r"Black push button\.", 0, timeout=20)

    def go_to_answer(self):
        """Takes the focus to the button of the next answer, a step at a time, each step heard.
        The button that Orca has yet to name, or None."""
        self.ten = ten_colour(self.frame)
        # One wrong answer, on the button below the ten-colour's, then right ones.
        self.target = self.ten if self.wins or self.losses else (self.ten + 1) % len(COLOURS)
        while self.focus != self.target:
            step = 1 if self.target > self.focus else -1
            since = len(self.orca.spoken())
            press("Down" if step > 0 else "Up")
            self.focus += step
            self.orca.wait_for(rf"{COLOURS[self.focus]} push button\.", since)
        return None

    def answer(self):
        """Answers with the focused button: the score that changed."""
        press("Return")
        if self.target == self.ten:
            self.wins += 1
            return f"WINS: {self.wins}"
        self.losses += 1
        return f"LOST: {self.losses}"

    def dismiss(self):
        subprocess.run(["xdotool", "windowfocus", "--sync", window_of_message()], check=True)
        press("Return")
        return self.game.wait(timeout=10)

    def stop(self):
        if self.game is not None and self.game.poll() is None:
            self.game.terminate()
            self.game.wait(timeout=10)


class PagePlayer:
    """The page, played by its own player (tests/web/orca_player.js) a move at a time."""

    def __init__(self, command, orca):
        self.command = command
        self.orca = orca
        self.player = None

    def start(self):
        self.player = subprocess.Popen(self.command, stdin=subprocess.PIPE,
                                       stdout=subprocess.PIPE, text=True)
        assert self._said() == "ready", "the page's player did not open the game"
        # Orca reads a page whole as it loads; the game is played once it has.
        _, loaded = self.orca.wait_for(r"Finished loading Tinzel\.", 0, timeout=30)
        self.orca.wait_for(r"statusbar", loaded, timeout=30)

    def _said(self):
        line = self.player.stdout.readline()
        assert line, f"the page's player ended with status {self.player.wait(timeout=10)}"
        return line.strip()

    def _move(self, move):
        self.player.stdin.write(move + "\n")
        self.player.stdin.flush()
        return self._said()

    def go_to_answer(self):
        moved_to = self._move("go")
        return None if moved_to == "-" else moved_to

    def answer(self):
        return self._move("answer")

    def dismiss(self):
        ended = self._move("dismiss")
        assert ended.startswith("ended "), f"the page's player said {ended!r}"
        return int(ended.split()[1])

    def stop(self):
        if self.player is not None and self.player.poll() is None:
            self.player.stdin.close()
            self.player.terminate()
            self.player.wait(timeout=10)


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


def main(arguments):
    with tempfile.TemporaryDirectory(prefix="tinzel-orca-") as settings:
        orca = OrcaSpeech(settings)
        player = (PagePlayer(arguments[1:], orca) if arguments[0] == "--page"
                  else WindowPlayer(arguments[0], orca))
        try:
            orca.wait_for(r"Screen reader on\.", 0, timeout=30)
            player.start()
            while True:
                since = len(orca.spoken())
                moved_to = player.go_to_answer()
                if moved_to is not None:
                    orca.wait_for(rf"{moved_to} push button\.", since)
                answered = len(orca.spoken())
                score = player.answer()
                if score == "WINS: 10":
                    break
                # A window's news is a notification; the page's, its status region.
                _, heard = orca.wait_for(rf"(notification )?{score}\. New board\.", answered)
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
            status = player.dismiss()
            assert status == 0, f"the game ended with status {status}"
        finally:
            player.stop()
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
    main(sys.argv[1:])
