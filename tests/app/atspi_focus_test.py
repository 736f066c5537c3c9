# SPDX-License-Identifier: GPL-3.0-or-later
"""Keys alone, as a screen reader follows them: Tab shows the focus on "back button
customization", Tab again on "mouse model customization", Enter opens that page with the focus
on its first key slot "W: W", Escape goes back. The focused control is the one whose AT-SPI
state set holds FOCUSED. Exit 0 passed, 1 failed, 77 skipped (AT-SPI did not start)."""
import os
import sys

import pyatspi

from atspi_demo import WORK, fail, running_demo, wait_for, walk

DEMO = sys.argv[1]
# X keycodes (evdev code + 8).
TAB, RETURN, ESCAPE = 23, 36, 9


def focused(app):
    for node in walk(app):
        state = node.getState()
        if state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_SHOWING):
            return node.name
    return None


def key(code):
    pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_PRESSRELEASE)


def main():
    with running_demo(DEMO, ["--state", os.path.join(WORK, "state.bin"), "--lang", "en"]) as app:
        if wait_for(lambda: any(n.name == "back button customization" for n in walk(app))) is None:
            fail("the main menu never showed")
        seen = []
        for code, expected in ((TAB, "back button customization"),
                               (TAB, "mouse model customization"), (RETURN, "W: W"),
                               (ESCAPE, "back button customization")):
            key(code)
            name = wait_for(lambda: focused(app) == expected and expected)
            seen.append(focused(app))
            if name is None:
                fail(f"after the keys the reader saw the focus on {seen}, expected {expected}")
        print("the reader followed the focus:", seen)


main()
