# SPDX-License-Identifier: GPL-3.0-or-later
"""What the AT-SPI checks share: the demo started with accessibility on, found on the bus by its
process, and a walk over what a screen reader sees of it."""
import contextlib
import os
import subprocess
import sys
import time

import pyatspi

WORK = os.environ["PICKER_TEST_DIR"]


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
        except Exception:  # a popup closing while we look
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


@contextlib.contextmanager
def running_demo(demo, arguments):
    """The demo's accessible application; skips (77) when it never reaches the bus, fails when
    the demo ends first. The demo is stopped on the way out."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=WORK)
    os.chmod(WORK, 0o700)
    process = subprocess.Popen([demo] + arguments, env=env, stderr=subprocess.PIPE,
                               stdin=subprocess.DEVNULL)
    try:
        app = wait_for(lambda: application(process.pid), 15)
        if app is None:
            if process.poll() is not None:
                err = process.stderr.read().decode(errors="replace")[-2000:]
                fail(f"the demo ended with status {process.returncode}: {err}")
            print("the demo never appeared on the accessibility bus: skipped")
            sys.exit(77)
        yield app
    finally:
        process.kill()
        process.wait()
