#!/usr/bin/python3
"""Drives the running program through the accessibility bus, as a user does, then checks what
it left behind (the PDF and the session file).

  --mode names  every control is found by the name a user reads and pressed through its
                accessibility action (a screen reader's or a GUI test tool's way)
  --mode keys   only the keyboard: the soft keys F1/F2, Enter, Escape, Tab and the arrow keys
                in menus and the strip; the tree is only read to know when a screen has come and where the
                focus is. The X server runs no window manager, so the driver first gives the
                program's window the keyboard focus, as a click on it would.
  --mode recovery  a session that survives a kill: the driver starts the program itself
                (--program), imports a folder of three pictures, kills it (SIGKILL), starts it
                again and restores the pages; the same after a blank page and a move; after
                Exit the next start asks nothing and shows an empty strip.
  --mode scan   the camera settings page (Tools > Settings > Camera) chooses SANE's test
                scanner's document feeder at 75 dpi from its lists by keyboard, once the
                scanners have been found; Scan then brings every sheet of the feeder into the
                strip, and the session file lists the scanned pictures in order.
  --mode resize the program starts without --screen, so its window follows the size it is
                given; xdotool resizes it (as a window manager or a phone turning would) and
                the controls' positions, read from the tree, show the main screen laid out
                anew for each size.

Every step waits for the state it needs (polling the tree with a deadline), never for a fixed
time. On a failure the step is named, the device screen is saved as failure.png and the
accessibility tree as tree.txt in the --shots folder.
"""
import argparse
import os
import re
import signal
import struct
import subprocess
import sys
import time
import zlib

import pyatspi

import check_output
import x_display

# Generous: on a loaded machine a step only takes longer; a failure takes this long to show.
TIMEOUT = 60.0
XK_F1 = 0xFFBE
XK_F2 = 0xFFBF
XK_RETURN = 0xFF0D
XK_TAB = 0xFF09
XK_ESCAPE = 0xFF1B
XK_LEFT = 0xFF51
XK_RIGHT = 0xFF53
XK_UP = 0xFF52
XK_DOWN = 0xFF54

SCAN = "Scan"
CAPTURE = "Capture"
MAKE_PDF = "Make PDF"
PDF_SETUP = "PDF setup"
CREATED = "PDF document created successfully"
ACTIONS = "Actions"
NEW_SESSION = "Start a new session?"
COULD_NOT_OPEN = "Could not open file"
DONT_SHOW = "Don't show this message again"
# Screens named by their header, as the eye reads them.
SORT_ORDER = "Sort order"
IMPORT_FILE = "Import file"


class Failure(Exception):
    pass


class Steps:
    """The step being carried out, so that a failure says which one broke."""
    current = "start"

    @classmethod
    def begin(cls, what):
        cls.current = what
        print("e2e: " + what, flush=True)


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


def enabled(node):
    s = states(node)
    return s.contains(pyatspi.STATE_ENABLED) or s.contains(pyatspi.STATE_SENSITIVE)


def find(root, role, name):
    return [n for n in walk(root) if n.getRole() == role and n.name == name and showing(n)]


def in_tool_bar(node):
    parent = node.parent
    return parent is not None and parent.getRole() == pyatspi.ROLE_TOOL_BAR


def app_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def press_key(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def action_names(node):
    action = node.queryAction()
    return [action.getName(i) for i in range(action.nActions)]


def do_action(node, wanted):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == wanted:
            action.doAction(i)
            return
    raise Failure("%s offers no %s action (%s)" % (node.name, wanted, ", ".join(action_names(node))))


def screen(app, name):
    """The screen (a dialog) of that name, once it is showing."""
    return wait_for('the screen "%s"' % name,
                    lambda: find(app, pyatspi.ROLE_DIALOG, name))[0]


def button(root, name, role=pyatspi.ROLE_PUSH_BUTTON):
    """A button of the screen itself (not a soft key) that can be pressed now."""
    def ready():
        found = [b for b in find(root, role, name) if not in_tool_bar(b) and enabled(b)]
        return [b for b in found if "Press" in action_names(b)]
    return wait_for('the button "%s" to be ready' % name, ready)[0]


def press(root, name):
    do_action(button(root, name), "Press")


def soft_keys(root):
    bars = [n for n in walk(root) if n.getRole() == pyatspi.ROLE_TOOL_BAR and showing(n)]
    if not bars:
        return None
    keys = [bars[0].getChildAtIndex(i) for i in range(bars[0].childCount)]
    return {k.name: k for k in keys}


def wait_soft_keys(app, left, right):
    """The soft-key bar shows these two keys (a screen's bar is set when it comes)."""
    def shown():
        keys = soft_keys(app)
        return keys if keys and sorted(keys) == sorted([left, right]) else None
    return wait_for("the soft keys %s and %s" % (left, right), shown)


def menu_item(app, name):
    return wait_for("the menu entry " + name, lambda: find(app, pyatspi.ROLE_MENU_ITEM, name))[0]


def choose_from_tools(app, path):
    """Tools > ... > entry, through the menu entries' accessibility actions."""
    keys = wait_soft_keys(app, "Tools", SCAN)
    press_key(XK_F1)
    wait_for("the Tools menu", lambda: states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))
    for name in path[:-1]:
        item = menu_item(app, name)
        # ShowMenu on an open submenu would close it.
        if not (item.childCount and showing(item.getChildAtIndex(0))):
            do_action(item, "ShowMenu")
    do_action(menu_item(app, path[-1]), "Press")
    wait_for("the Tools menu to close",
             lambda: not states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))


def strip_state(app):
    """(current page, page count) as the thumbnail strip "Pages" says it ("Page 2 of 3")."""
    strips = [n for n in walk(app) if n.name == "Pages" and showing(n)]
    if not strips:
        return None
    m = re.match(r"Page (\d+) of (\d+)$", strips[0].description)
    return (int(m.group(1)), int(m.group(2))) if m else (0, 0)


def strip_count(app):
    state = strip_state(app)
    return state[1] if state else None


def wait_pages(app, count):
    """The main screen is back with this many pages in its strip."""
    wait_for("the strip to hold %d pages" % count, lambda: strip_count(app) == count)
    wait_soft_keys(app, "Tools", SCAN)


def main_screen_buttons(app):
    scan = button(app, SCAN)
    keys = wait_soft_keys(app, "Tools", SCAN)
    if not states(keys["Tools"]).contains(pyatspi.STATE_ENABLED):
        raise Failure("the Tools soft key is disabled")
    return scan


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def read_setup(app):
    """The file name and folder the PDF setup screen offers."""
    setup = screen(app, PDF_SETUP)
    file_edit = wait_for("the File field",
                         lambda: [n for n in find(setup, pyatspi.ROLE_TEXT, "File") if text_of(n)])[0]
    name = text_of(file_edit)
    folder = wait_for("the Folder box", lambda: [n for n in walk(setup)
                                                  if n.name == "Folder" and showing(n)])[0]
    shown = ""
    for node in walk(folder):
        try:
            shown = shown or text_of(node)
        except Exception:  # a part without text
            pass
    return setup, name, shown


def run_by_name(app, seen):
    Steps.begin("main screen: Scan button and soft keys Tools, Scan")
    scan = main_screen_buttons(app)

    Steps.begin("F1 opens the Tools menu and closes it again")
    keys = wait_soft_keys(app, "Tools", SCAN)
    press_key(XK_F1)
    wait_for("the Tools menu", lambda: states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))
    press_key(XK_F1)
    wait_for("the Tools menu to close",
             lambda: not states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))

    Steps.begin("Scan pressed; the camera screen comes")
    do_action(scan, "Press")
    wait_soft_keys(app, "Cancel", CAPTURE)
    Steps.begin("Capture pressed once the camera runs")
    press(app, CAPTURE)
    Steps.begin("back on the main screen with one page")
    wait_pages(app, 1)

    Steps.begin("Tools > Add > Add blank page")
    choose_from_tools(app, ["Add", "Add blank page"])
    wait_pages(app, 2)

    Steps.begin("Make PDF pressed; the setup screen offers a name")
    press(app, MAKE_PDF)
    setup, seen["name"], seen["folder"] = read_setup(app)
    print("e2e: setup offers %s in %s" % (seen["name"], seen["folder"]))
    Steps.begin("Ok on the setup screen")
    press(setup, "Ok")

    Steps.begin("the success message, closed")
    press(screen(app, CREATED), "Close")
    Steps.begin("the actions prompt: Open, with no viewer on the desktop, says so")
    actions = screen(app, ACTIONS)
    press(actions, "Open")
    press(screen(app, COULD_NOT_OPEN), "Close")
    seen["opened"] = 1
    Steps.begin("the actions prompt: its check box ticked by the Toggle action, then closed")
    actions = screen(app, ACTIONS)
    check = wait_for("the check box " + DONT_SHOW,
                     lambda: find(actions, pyatspi.ROLE_CHECK_BOX, DONT_SHOW))[0]
    do_action(check, "Toggle")
    wait_for("the box to be ticked", lambda: states(check).contains(pyatspi.STATE_CHECKED))
    button(actions, "Share")
    press(actions, "Close")
    seen["actions_silenced"] = True
    Steps.begin("No to a new session")
    press(screen(app, NEW_SESSION), "No")
    wait_pages(app, 2)
    seen["current"] = strip_state(app)[0] - 1

    Steps.begin("Tools > Settings > File import: the page is named by its header, then cancelled")
    choose_from_tools(app, ["Settings", "File import"])
    press(screen(app, SORT_ORDER), "Cancel")
    wait_pages(app, 2)
    Steps.begin("Tools > Add > Add from folder...: the picker is named by its header, then cancelled")
    choose_from_tools(app, ["Add", "Add from folder..."])
    press(screen(app, IMPORT_FILE), "Cancel")
    wait_pages(app, 2)

    Steps.begin("Tools > File > Exit")
    choose_from_tools(app, ["File", "Exit"])


def run_opened(app, seen):
    Steps.begin("the pictures of the command line are two pages")
    wait_pages(app, 2)
    Steps.begin("a second start hands over a third picture and ends")
    third = os.path.join(seen["pics"], "c.png")
    second = subprocess.run([seen["program"], third], stdout=subprocess.PIPE,
                            stderr=subprocess.STDOUT, timeout=TIMEOUT, check=False)
    if second.returncode != 0:
        raise Failure("the second start ended with %d: %s"
                      % (second.returncode, second.stdout.decode(errors="replace")))
    Steps.begin("the running window shows three pages")
    wait_pages(app, 3)
    Steps.begin("Tools > File > Exit")
    choose_from_tools(app, ["File", "Exit"])


def extents(node):
    """(x, y, width, height) on the screen."""
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (box.x, box.y, box.width, box.height)


def device_window(app):
    """The program's top-level window (the device), as the tree's first showing child."""
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and showing(child):
            return child
    return None


def layout(app):
    """Where the window, the Scan button and the soft-key bar are now."""
    window = device_window(app)
    bars = [n for n in walk(app) if n.getRole() == pyatspi.ROLE_TOOL_BAR and showing(n)]
    scans = [b for b in find(app, pyatspi.ROLE_PUSH_BUTTON, SCAN) if not in_tool_bar(b)]
    if window is None or not bars or not scans:
        return None
    return {"window": extents(window), "scan": extents(scans[0]), "bar": extents(bars[0])}


def resize_window(pid, width, height):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=TIMEOUT,
                           check=False)
    windows = found.stdout.split()
    if not windows:
        raise Failure("xdotool finds no visible window of the program")
    for window in windows:
        subprocess.run(["xdotool", "windowsize", window, str(width), str(height)], timeout=TIMEOUT,
                       check=True)


def run_resized(app, seen):
    Steps.begin("resize: the main screen fills the window it was given")
    main_screen_buttons(app)
    before = wait_for("the main screen's layout", lambda: layout(app))
    wx, wy, ww, wh = before["window"]
    sx, sy, sw, sh = before["scan"]
    # The row of big buttons is centred and keeps its distance from the bottom of the window.
    row = ww - 2 * (sx - wx)
    from_bottom = (wy + wh) - (sy + sh)
    if row <= sw or from_bottom <= 0:
        raise Failure("the Scan button is not in a centred row at the bottom: %s" % (before,))
    for width, height in ((560, 720), (720, 480), (480, 640)):
        Steps.begin("resize: xdotool windowsize %dx%d" % (width, height))
        resize_window(seen["pid"], width, height)

        def laid_out():
            now = layout(app)
            if now is None or now["window"][2:] != (width, height):
                return None
            x, y, w, h = now["window"]
            bx, by, bw, bh = now["scan"]
            if bx - x != (w - row) // 2 or (y + h) - (by + bh) != from_bottom:
                return None
            if now["bar"][0] != x or now["bar"][2] != w or now["bar"][1] + now["bar"][3] != y + h:
                return None
            return now
        wait_for("the main screen laid out for %dx%d (Scan centred in its row, the soft keys "
                 "across the bottom)" % (width, height), laid_out)
    Steps.begin("Tools > File > Exit")
    choose_from_tools(app, ["File", "Exit"])


CAMERA_PAGE = "Camera resolution"
PAGE_SOURCE = "Take pages from:"
FEEDER = "Noname frontend-tester (test:0), document feeder"
# The test backend's feeder holds ten sheets; its area of 200 x 200 mm (less than the paper's)
# is 590 pixels square at 75 dpi.
FEEDER_SHEETS = 10
SHEET_PIXELS = (590, 590)


def combo_items(node):
    """The entries of a closed combo box: the list items of its pop-up list."""
    return [n.name for n in walk(node) if n.getRole() == pyatspi.ROLE_LIST_ITEM]


def labelled_combo(root, label):
    """The combo box a label names. Qt on Linux names a combo box by the entry it shows and
    ties the prompt to it by a relation, as screen readers read it."""
    def target():
        for node in find(root, pyatspi.ROLE_LABEL, label):
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                    for i in range(relation.getNTargets()):
                        found = relation.getTarget(i)
                        if found.getRole() == pyatspi.ROLE_COMBO_BOX:
                            return [found]
        return None
    return wait_for("the list labelled " + label, target)[0]


def combo_offering(root, entry):
    """The combo box that has this entry."""
    return wait_for("a list offering " + entry,
                    lambda: [n for n in walk(root) if n.getRole() == pyatspi.ROLE_COMBO_BOX
                             and showing(n) and entry in combo_items(n)])[0]


def combo_choice(node):
    """The entry a combo box shows (its name, see labelled_combo)."""
    return node.name


def choose_by_keys(app, node, entry):
    """Tab takes the keyboard focus to the combo box; Down (or Up) steps to the entry, as a
    user without a pointer does."""
    for _ in range(12):
        if states(node).contains(pyatspi.STATE_FOCUSED):
            break
        key_moves_focus(app, XK_TAB, "Tab")
    if not states(node).contains(pyatspi.STATE_FOCUSED):
        raise Failure("Tab never reached the list showing %r" % node.name)
    items = combo_items(node)
    if entry not in items:
        raise Failure("%s does not offer %r: %s" % (node.name, entry, items))
    for _ in range(len(items)):
        now = combo_choice(node)
        if now == entry:
            return
        key = XK_DOWN if now not in items or items.index(now) < items.index(entry) else XK_UP
        press_key(key)
        wait_for("%s to move from %r" % (node.name, now), lambda: combo_choice(node) != now)
    if combo_choice(node) != entry:
        raise Failure("%s never showed %r (shows %r)" % (node.name, entry, combo_choice(node)))


def run_scan(app, seen):
    Steps.begin("scan: main screen ready; its window gets the keyboard focus")
    main_screen_buttons(app)
    wait_for("the program's window under the pointer to take the focus",
             x_display.focus_window_under_pointer)
    Steps.begin("scan: Tools > Settings > Camera opens the camera settings page")
    choose_from_tools(app, ["Settings", "Camera"])
    page = screen(app, CAMERA_PAGE)
    sources = labelled_combo(page, PAGE_SOURCE)
    Steps.begin("scan: the list of page sources offers the test scanner's feeder")
    wait_for("the scanners to be found", lambda: FEEDER in combo_items(sources))
    choose_by_keys(app, sources, FEEDER)
    Steps.begin("scan: the scanner's resolution, now enabled, set to 75 dpi")
    resolutions = combo_offering(page, "75 dpi")
    wait_for("the resolutions to be enabled", lambda: enabled(resolutions))
    choose_by_keys(app, resolutions, "75 dpi")
    Steps.begin("scan: Ok stores the choice")
    press(page, "Ok")
    main_screen_buttons(app)

    # The progress screen of ten small sheets may come and go between two looks at the tree.
    Steps.begin("scan: Scan pressed")
    do_action(main_screen_buttons(app), "Press")
    Steps.begin("scan: every sheet of the feeder arrives in the strip")
    wait_pages(app, FEEDER_SHEETS)
    seen["current"] = strip_state(app)[0] - 1
    Steps.begin("Tools > File > Exit")
    choose_from_tools(app, ["File", "Exit"])


def focused(app):
    return [n for n in walk(app) if states(n).contains(pyatspi.STATE_FOCUSED) and showing(n)]


def focused_names(app):
    return [n.name for n in focused(app)]


def key_moves_focus(app, keysym, what):
    """Presses a key and waits for the keyboard focus to move."""
    before = focused_names(app)
    press_key(keysym)
    wait_for("%s to move the focus from %s" % (what, before),
             lambda: focused_names(app) != before)


def key_until(app, keysym, what, name, limit=12):
    """Presses a key until the control or menu entry of that name has the focus."""
    for _ in range(limit):
        if name in focused_names(app):
            return
        key_moves_focus(app, keysym, what)
    if name not in focused_names(app):
        raise Failure("%s never reached %s (focus on %s)" % (what, name, focused_names(app)))


def open_tools_by_key(app):
    keys = wait_soft_keys(app, "Tools", SCAN)
    press_key(XK_F1)
    wait_for("the Tools menu", lambda: states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))
    # Opened from the keyboard, the menu starts on its first entry; its submenu stays shut.
    wait_for("the entry Add to have the focus", lambda: "Add" in focused_names(app))
    return keys


def wait_menu_closed(keys):
    wait_for("the Tools menu to close",
             lambda: not states(keys["Tools"]).contains(pyatspi.STATE_EXPANDED))


def run_by_keys(app, seen):
    Steps.begin("keys: main screen ready; its window gets the keyboard focus")
    main_screen_buttons(app)
    # The tree may show the window a moment before the X server has mapped it.
    wait_for("the program's window under the pointer to take the focus",
             x_display.focus_window_under_pointer)
    wait_for("the window to be active",
             lambda: states(app.getChildAtIndex(0)).contains(pyatspi.STATE_ACTIVE))

    Steps.begin("keys: F2 (soft key Scan) opens the camera screen")
    press_key(XK_F2)
    keys = wait_soft_keys(app, "Cancel", CAPTURE)
    Steps.begin("keys: Enter takes the picture once the camera runs")
    wait_for("the camera to run", lambda: enabled(keys[CAPTURE]))
    press_key(XK_RETURN)
    wait_pages(app, 1)

    Steps.begin("keys: F1 opens Tools, Right its submenu; Escape closes the submenu, then the menu")
    keys = open_tools_by_key(app)
    press_key(XK_RIGHT)
    wait_for("the Add submenu", lambda: find(app, pyatspi.ROLE_MENU_ITEM, "Add blank page"))
    press_key(XK_ESCAPE)
    wait_for("the Add submenu to close",
             lambda: not find(app, pyatspi.ROLE_MENU_ITEM, "Add blank page"))
    press_key(XK_ESCAPE)
    wait_menu_closed(keys)

    Steps.begin("keys: F1, Right, Down to Add blank page, Enter")
    keys = open_tools_by_key(app)
    press_key(XK_RIGHT)
    wait_for("the Add submenu", lambda: find(app, pyatspi.ROLE_MENU_ITEM, "Add blank page"))
    key_until(app, XK_DOWN, "Down", "Add blank page")
    press_key(XK_RETURN)
    wait_menu_closed(keys)
    wait_pages(app, 2)

    Steps.begin("keys: Left and Right step through the strip")
    wait_for("the new page to be current", lambda: strip_state(app) == (2, 2))
    press_key(XK_LEFT)
    wait_for("Left to make page 1 current", lambda: strip_state(app) == (1, 2))
    press_key(XK_RIGHT)
    wait_for("Right to make page 2 current", lambda: strip_state(app) == (2, 2))

    Steps.begin("keys: Tab to Make PDF, Enter")
    key_until(app, XK_TAB, "Tab", MAKE_PDF)
    press_key(XK_RETURN)
    setup, seen["name"], seen["folder"] = read_setup(app)
    print("e2e: setup offers %s in %s" % (seen["name"], seen["folder"]))
    Steps.begin("keys: Tab to Ok, Enter")
    key_until(app, XK_TAB, "Tab", "Ok")
    press_key(XK_RETURN)

    Steps.begin("keys: Enter closes the success message")
    screen(app, CREATED)
    press_key(XK_RETURN)
    Steps.begin("keys: Escape closes the actions prompt")
    screen(app, ACTIONS)
    wait_soft_keys(app, "Close", "Tools")
    press_key(XK_ESCAPE)
    Steps.begin("keys: F1 (soft key No) declines a new session")
    screen(app, NEW_SESSION)
    wait_soft_keys(app, "No", "Yes")
    press_key(XK_F1)
    wait_pages(app, 2)
    seen["current"] = strip_state(app)[0] - 1

    Steps.begin("keys: F1, Down to File, Right, Down to Exit, Enter")
    keys = open_tools_by_key(app)
    key_until(app, XK_DOWN, "Down", "File")
    press_key(XK_RIGHT)
    wait_for("the File submenu", lambda: find(app, pyatspi.ROLE_MENU_ITEM, "Exit"))
    key_until(app, XK_DOWN, "Down", "Exit")
    press_key(XK_RETURN)


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


def dump_tree(app, folder):
    """The accessibility tree as the driver saw it, to tell a missing name from a missing screen."""
    path = os.path.join(folder, "tree.txt")
    try:
        with open(path, "w") as out:
            def write(node, depth):
                out.write("%s%s %r %r %s\n" % ("  " * depth, node.getRoleName(), node.name,
                                              node.description,
                                              "showing" if showing(node) else "hidden"))
                for i in range(node.childCount):
                    write(node.getChildAtIndex(i), depth + 1)
            write(app, 0)
        print("e2e: accessibility tree " + path)
    except Exception as error:  # the program may be gone
        print("e2e: no accessibility tree (%s)" % error)


# The recovery flow.

RESTORE = "Restore the last session?"
RECORD = "session.recovery"


def read_record(home):
    """(current index, [paths]) of the program's recovery record, or None without a valid one.
    The layout: "QMRC", version, payload length, CRC-32, then the payload."""
    try:
        with open(os.path.join(home, RECORD), "rb") as f:
            data = f.read()
    except OSError:
        return None
    if len(data) < 16 or data[:4] != b"QMRC":
        return None
    version, length, crc = struct.unpack_from("<III", data, 4)
    payload = data[16:]
    if version != 1 or len(payload) != length or zlib.crc32(payload) != crc:
        return None
    at = 4 + 8  # pid, start time
    at += 1 + payload[at]  # boot id
    at += 8  # time written
    current, _counter, count = struct.unpack_from("<iiI", payload, at)
    at += 12
    paths = []
    for _ in range(count):
        units = struct.unpack_from("<I", payload, at + 5)[0]
        at += 9
        paths.append(payload[at:at + 2 * units].decode("utf-16-le"))
        at += 2 * units
    return current, paths


def png(path, width, height, rgb):
    """A small picture of one colour, written with the standard library alone."""
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


class Program:
    """One run of the program in the flow's home, started and ended by the driver."""

    def __init__(self, args, number):
        user = args.user_home
        env = dict(os.environ, HOME=user, XDG_CONFIG_HOME=user + "/.config",
                   XDG_DATA_HOME=user + "/.local/share", XDG_CACHE_HOME=user + "/.cache",
                   QUILLMARK_HOME=args.home)
        self.log = open(os.path.join(args.shots, "program-%d.log" % number), "w")
        self.process = subprocess.Popen([args.program, "--screen", "480x640"], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.app = wait_for("run %d of the program on the accessibility bus" % number,
                            lambda: app_of(self.process.pid))

    def kill(self):
        self.process.send_signal(signal.SIGKILL)
        self.process.wait(timeout=TIMEOUT)

    def wait_end(self):
        """The program ended by itself, with status 0."""
        try:
            status = self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")
        if status != 0:
            raise Failure("the program ended with %d" % status)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()


def wait_record(home, expected):
    """The record on disk names these pages with this current index (the record is written a
    moment after each change)."""
    return wait_for("the recovery record to hold %s" % (expected,),
                    lambda: read_record(home) == expected)


def restore_with_yes(app, pages, current):
    """The question of a start after a kill, answered Yes: the strip shows the pages again."""
    question = screen(app, RESTORE)
    if "session of %d pages" % pages not in question.description:
        raise Failure("the question does not name %d pages: %r" % (pages, question.description))
    press(question, "Yes")
    wait_for("the strip to show page %d of %d" % (current, pages),
             lambda: strip_state(app) == (current, pages))
    main_screen_buttons(app)


def run_recovery(args, started):
    pictures = os.path.join(args.user_home, "scans")
    os.makedirs(pictures, exist_ok=True)
    names = [os.path.join(pictures, "page%d.png" % n) for n in (1, 2, 3)]
    for n, name in enumerate(names):
        png(name, 60, 80, (40 + 70 * n, 90, 200 - 50 * n))
    # The folder picker opens on the pictures; the import sorts by name without asking.
    os.makedirs(args.home, exist_ok=True)
    with open(os.path.join(args.home, "registry.reg"), "w", encoding="utf-8") as reg:
        reg.write("Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_LOCAL_MACHINE\\Software\\Tessaly\\Quillmark\\Profiles\\Default\\SAPPSETTINGS]\r\n"
                  "\"LastImportFolder\"=\"%s\"\r\n"
                  "\"PictureImportOrder\"=dword:00000000\r\n" % pictures)

    Steps.begin("recovery: start; Tools > Add > Add from folder..., Ok on the picker")
    program = started(Program(args, 1))
    main_screen_buttons(program.app)
    choose_from_tools(program.app, ["Add", "Add from folder..."])
    press(program.app, "Ok")
    wait_pages(program.app, 3)
    wait_for("the last page to be current", lambda: strip_state(program.app) == (3, 3))
    Steps.begin("recovery: the record names the three pages; SIGKILL")
    wait_record(args.home, (2, names))
    program.kill()

    Steps.begin("recovery: second start asks; Yes restores three pages, page 3 current")
    program = started(Program(args, 2))
    restore_with_yes(program.app, 3, 3)
    wait_record(args.home, (2, names))

    Steps.begin("recovery: Tools > Add > Add blank page, Tools > Image > Move up; SIGKILL")
    choose_from_tools(program.app, ["Add", "Add blank page"])
    wait_pages(program.app, 4)
    choose_from_tools(program.app, ["Image", "Move up"])
    wait_for("the blank page to move up", lambda: strip_state(program.app) == (3, 4))
    wait_record(args.home, (2, names[:2] + [""] + names[2:]))
    program.kill()

    Steps.begin("recovery: third start asks; Yes restores four pages, page 3 current")
    program = started(Program(args, 3))
    restore_with_yes(program.app, 4, 3)
    wait_record(args.home, (2, names[:2] + [""] + names[2:]))
    Steps.begin("recovery: Tools > File > Exit leaves no record")
    choose_from_tools(program.app, ["File", "Exit"])
    program.wait_end()
    if os.path.exists(os.path.join(args.home, RECORD)):
        raise Failure("Exit left the recovery record")

    Steps.begin("recovery: fourth start asks nothing and shows an empty strip")
    program = started(Program(args, 4))
    main_screen_buttons(program.app)
    wait_pages(program.app, 0)
    if find(program.app, pyatspi.ROLE_DIALOG, RESTORE):
        raise Failure("the restore question came after Exit")
    choose_from_tools(program.app, ["File", "Exit"])
    program.wait_end()
    # The pictures are the user's: nothing of the flow deleted them.
    for name in names:
        if not os.path.exists(name):
            raise Failure("%s was deleted" % name)


def recovery_main(args):
    programs = []

    def started(program):
        programs.append(program)
        return program

    try:
        run_recovery(args, started)
    except Failure as failure:
        print("e2e: step failed: %s: %s" % (Steps.current, failure))
        screenshot(args.shots)
        if programs and programs[-1].process.poll() is None:
            dump_tree(programs[-1].app, args.shots)
        return 1
    finally:
        for program in programs:
            program.stop()
    print("e2e: recovery flow passed")
    return 0


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, help="the running program (names, keys, open)")
    parser.add_argument("--program", help="the program to start (recovery)")
    parser.add_argument("--shots", required=True)
    parser.add_argument("--mode", choices=["names", "keys", "open", "recovery", "resize", "scan"],
                        default="names")
    parser.add_argument("--home", required=True, help="QUILLMARK_HOME of the program")
    parser.add_argument("--user-home", required=True, help="HOME of the program")
    args = parser.parse_args()
    if args.mode == "recovery":
        return recovery_main(args)
    app = None
    seen = {"pics": os.path.join(args.shots, "pics"), "program": os.environ.get("E2E_PROGRAM"),
            "pid": args.pid}
    flows = {"names": run_by_name, "keys": run_by_keys, "open": run_opened,
             "resize": run_resized, "scan": run_scan}
    try:
        app = wait_for("the program on the accessibility bus", lambda: app_of(args.pid))
        flows[args.mode](app, seen)
        Steps.begin("the program ends")
        wait_for("the program to end", lambda: process_ended(args.pid))
    except Failure as failure:
        print("e2e: step failed: %s: %s" % (Steps.current, failure))
        screenshot(args.shots)
        if app is not None:
            dump_tree(app, args.shots)
        return 1
    seen["opened_log"] = os.path.join(args.shots, "opened.txt")
    try:
        if args.mode == "resize":
            pass  # nothing was made; the positions were the result
        elif args.mode == "scan":
            check_output.check_scanned(args.home, args.user_home, FEEDER_SHEETS, SHEET_PIXELS,
                                       seen)
        elif args.mode == "open":
            check_output.check_opened(args.home, [os.path.join(seen["pics"], n + ".png")
                                                  for n in "abc"])
        else:
            check_output.check(args.home, args.user_home, seen)
    except check_output.Mismatch as mismatch:
        print("e2e: the result is wrong: %s" % mismatch)
        return 1
    print("e2e: %s flow passed" % args.mode)
    return 0


if __name__ == "__main__":
    sys.exit(main())
