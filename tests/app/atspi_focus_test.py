# SPDX-License-Identifier: GPL-3.0-or-later
"""Keys alone, as a screen reader follows them: Tab shows the focus on "back button
customization", Tab again on "mouse model customization", Enter opens that page with the focus
on its first key slot "W: W", Escape goes back. The focused control is the one whose AT-SPI
state set holds FOCUSED. Exit 0 passed, 1 failed, 77 skipped (AT-SPI did not start)."""
import os
import subprocess
import sys
import time

import pyatspi

DEMO = sys.argv[1]
WORK = os.environ["PICKER_TEST_DIR"]
# X keycodes (evdev code + 8).
TAB, RETURN, ESCAPE = 23, 36, 9


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_for(find, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    return None


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def focused(app):
    for node in walk(app):
        state = node.getState()
        if state.contains(pyatspi.STATE_FOCUSED) and state.contains(pyatspi.STATE_SHOWING):
            return node.name
    return None


def key(code):
    pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_PRESSRELEASE)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=WORK)
    os.chmod(WORK, 0o700)
    demo = subprocess.Popen([DEMO, "--state", os.path.join(WORK, "state.bin"), "--lang", "en"],
                            env=env, stderr=subprocess.PIPE, stdin=subprocess.DEVNULL)
    try:
        app = wait_for(lambda: application(demo.pid), 15)
        if app is None:
            if demo.poll() is not None:
                err = demo.stderr.read().decode(errors="replace")[-2000:]
                fail(f"the demo ended with status {demo.returncode}: {err}")
            print("the demo never appeared on the accessibility bus: skipped")
            sys.exit(77)
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
    finally:
        demo.kill()
        demo.wait()


main()
