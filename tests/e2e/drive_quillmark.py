#!/usr/bin/python3
"""Drives the running program through the accessibility bus, by the names a user reads.

Every step waits for the state it needs (polling the tree with a deadline), never for a fixed
time. On a failure the device screen is saved as failure.png in the --shots folder.
"""
import argparse
import os
import subprocess
import sys
import time

import pyatspi

TIMEOUT = 30.0
XK_F1 = 0xFFBE


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under us while a screen comes or goes
            found = None
        if found:
            return found
        time.sleep(0.05)  # poll interval while waiting for the state
    raise Failure("timed out waiting for " + what)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def states(node):
    return node.getState()


def showing(node):
    s = states(node)
    return s.contains(pyatspi.STATE_SHOWING) or s.contains(pyatspi.STATE_VISIBLE)


def find(root, role, name):
    return [n for n in walk(root) if n.getRole() == role and n.name == name and showing(n)]


def app_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def press_key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def do_action(node, wanted):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == wanted:
            action.doAction(i)
            return
    names = [action.getName(i) for i in range(action.nActions)]
    raise Failure("%s offers no %s action (%s)" % (node.name, wanted, ", ".join(names)))


def soft_keys(app):
    bars = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_TOOL_BAR and showing(n)]
    if not bars:
        return None
    keys = [bars[0].getChildAtIndex(i) for i in range(bars[0].childCount)]
    return {k.name: k for k in keys}


def open_tools_menu(app, keys):
    press_key(XK_F1)
    wait_for("the Tools menu", lambda: states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))
    return wait_for("the menu entry File", lambda: find(app, pyatspi.ROLE_MENU_ITEM, "File"))[0]


def run(pid):
    app = wait_for("the program on the accessibility bus", lambda: app_of(pid))

    # The main screen: its big Scan button and the soft keys "Tools" and "Scan".
    def main_scan():
        buttons = find(app, pyatspi.ROLE_PUSH_BUTTON, "Scan")
        return [b for b in buttons if b.parent.getRole() != pyatspi.ROLE_TOOL_BAR]
    scan = wait_for('the main screen\'s "Scan" button', main_scan)[0]
    keys = wait_for("the soft keys", lambda: (lambda k: k if k and "Tools" in k else None)(soft_keys(app)))
    if sorted(keys) != ["Scan", "Tools"]:
        raise Failure("soft keys are %s, not Tools and Scan" % sorted(keys))
    action = scan.queryAction()
    if "Press" not in [action.getName(i) for i in range(action.nActions)] and \
            states(scan).contains(pyatspi.STATE_ENABLED):
        raise Failure('the "Scan" button cannot be pressed')
    print("e2e: main screen with Scan, soft keys %s" % ", ".join(sorted(keys)))

    # F1 opens the Tools menu and closes it again. (Escape and the arrow keys work in an open
    # menu, but under Xvfb the accessibility bridge's key forwarding loses them while a popup
    # is open; F1 is a shortcut and reaches the program before that forwarding.)
    open_tools_menu(app, keys)
    press_key(XK_F1)
    wait_for("the Tools menu to close",
             lambda: not states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))
    print("e2e: the Tools menu opens and closes with F1")

    # Tools > File > Exit ends the program.
    file_item = open_tools_menu(app, keys)
    do_action(file_item, "ShowMenu")
    exit_item = wait_for("the menu entry Exit", lambda: find(app, pyatspi.ROLE_MENU_ITEM, "Exit"))[0]
    do_action(exit_item, "Press")
    print("e2e: Exit chosen")


def process_ended(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return True
    # A finished child stays a zombie until the shell reaps it.
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().split(")")[-1].split()[0] == "Z"
    except OSError:
        return True


def screenshot(folder):
    path = os.path.join(folder, "failure.png")
    subprocess.run(["gst-launch-1.0", "-q", "ximagesrc", "num-buffers=1", "!", "videoconvert", "!",
                    "pngenc", "!", "filesink", "location=" + path],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30, check=False)
    if os.path.exists(path):
        print("e2e: screenshot " + path)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--shots", required=True)
    args = parser.parse_args()
    try:
        run(args.pid)
        wait_for("the program to end", lambda: process_ended(args.pid))
    except Failure as failure:
        print("e2e: " + str(failure))
        screenshot(args.shots)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
