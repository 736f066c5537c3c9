# SPDX-License-Identifier: GPL-3.0-or-later
"""Find "L4 step 2: none" on the rear-button page, open its key picker through the show-menu
action, press "F5", press "Save": the emulated controller's slot 26 then holds 0x3E. Also:
no control the reader sees is named by its skin name, and the roles are the proper ones.
Exit 0 passed, 1 failed, 77 skipped (AT-SPI did not start)."""
import os
import struct
import sys

import pyatspi

from atspi_demo import WORK, fail, running_demo, wait_for, walk

DEMO = sys.argv[1]
STATE = os.path.join(WORK, "state.bin")
SKIN_NAMES = ("Btn", "btn", "Combo", "Slider", "Layout", "Label", "Img", "Window")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def find(app, name, role=None):
    for node in walk(app):
        if node.name == name and showing(node) and (role is None or node.getRoleName() == role):
            return node
    return None


def do_action(node, wanted):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if wanted not in names:
        fail(f'"{node.name}" offers {names}, not {wanted}')
    action.doAction(names.index(wanted))


def slot_26():
    with open(STATE, "rb") as f:
        data = f.read()
    return struct.unpack_from("<H", data, 12 + 26 * 2)[0]


def main():
    with running_demo(DEMO, ["--state", STATE, "--model", "T2803-31", "--lang", "en", "--page",
                             "back"]) as app:
        step = wait_for(lambda: find(app, "L4 step 2: none"))
        if step is None:
            fail('no control "L4 step 2: none" is showing')
        if step.getRoleName() != "push button":
            fail(f'"L4 step 2: none" is a {step.getRoleName()}')

        # What the reader sees of the page: proper roles, and no skin-internal names.
        roles = {}
        for node in walk(app):
            if not showing(node):
                continue
            if node.name and node.name.endswith(SKIN_NAMES) and " " not in node.name:
                fail(f'a control is named by its skin name "{node.name}"')
            roles.setdefault(node.getRoleName(), []).append(node.name)
        for name, role in (("L4 step 1: Esc", "push button"), ("R4 step 1: Ctrl", "push button"),
                           ("Save", "push button"), ("Restore", "push button"),
                           ("Back", "push button"), ("L4 delay after step 1", "combo box")):
            if name not in roles.get(role, []):
                fail(f'no {role} named "{name}" (seen {roles.get(role)})')

        do_action(step, "ShowMenu")
        f5 = wait_for(lambda: find(app, "F5", "push button"))
        if f5 is None:
            fail('the picker shows no "F5" button')
        for name in ("none", "Rocker_A", "RightCtrl", "A"):
            if find(app, name, "push button") is None:
                fail(f'the picker has no "{name}" button')
        do_action(f5, "Press")
        if wait_for(lambda: find(app, "L4 step 2: F5")) is None:
            fail('after the pick no control reads "L4 step 2: F5"')

        save = find(app, "Save", "push button")
        do_action(save, "Press")
        if wait_for(lambda: os.path.exists(STATE) and slot_26() == 0x3E) is None:
            fail(f"slot 26 holds {slot_26() if os.path.exists(STATE) else 'nothing'}, not 0x3E")
        print("slot 26 holds 0x3E after F5 was picked through AT-SPI and saved")


main()
