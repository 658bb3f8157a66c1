"""What the end-to-end tests that read the real game over AT-SPI share: the colours' names,
as the window tells them, and the game's application on the accessibility bus."""
import time

import pyatspi

COLOURS = ["Black", "Grey", "White", "Pink", "Red", "Orange", "Yellow", "Green", "Cyan", "Blue",
           "Magenta"]


def application(name, timeout=20.0):
    """The application called `name` on the accessibility bus, once it has come."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    seen = [app.name for app in pyatspi.Registry.getDesktop(0) if app is not None]
    raise AssertionError(f"no application named {name!r} on the accessibility bus: {seen}")
