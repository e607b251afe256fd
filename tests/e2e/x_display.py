"""The test's X server through Xlib: whether a client can really connect to it, and giving the
keyboard focus to the top-level window under the pointer, as a window manager does when the
user clicks a window (the test's X server runs none).

  x_display.py --wait SECONDS   waits until a client can connect to $DISPLAY (exit 0), or gives
                                up after SECONDS (exit 1)
"""
import argparse
import ctypes
import ctypes.util
import sys
import time

REVERT_TO_POINTER_ROOT = 1
CURRENT_TIME = 0
_WINDOW = ctypes.c_ulong


def _xlib():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XQueryPointer.argtypes = [ctypes.c_void_p, _WINDOW, ctypes.POINTER(_WINDOW),
                                  ctypes.POINTER(_WINDOW)] + [ctypes.POINTER(ctypes.c_int)] * 4 + \
                                 [ctypes.POINTER(ctypes.c_uint)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, _WINDOW, ctypes.c_int, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return x11


def can_connect():
    """True when a client can open $DISPLAY and make a round trip to the server."""
    x11 = _xlib()
    display = x11.XOpenDisplay(None)
    if not display:
        return False
    try:
        x11.XSync(display, 0)
        return True
    finally:
        x11.XCloseDisplay(display)


def wait_for_server(seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if can_connect():
            return True
        time.sleep(0.05)  # poll interval while waiting for the server
    return can_connect()


def focus_window_under_pointer():
    """The window now focused, or None when no top-level window is under the pointer yet."""
    x11 = _xlib()
    display = x11.XOpenDisplay(None)
    if not display:
        return None
    try:
        root = x11.XDefaultRootWindow(display)
        root_return, child = _WINDOW(), _WINDOW()
        ints = [ctypes.c_int() for _ in range(4)]
        mask = ctypes.c_uint()
        x11.XQueryPointer(display, root, ctypes.byref(root_return), ctypes.byref(child),
                          *[ctypes.byref(i) for i in ints], ctypes.byref(mask))
        if not child.value:
            return None
        x11.XSetInputFocus(display, child, REVERT_TO_POINTER_ROOT, CURRENT_TIME)
        x11.XSync(display, 0)
        return child.value
    finally:
        x11.XCloseDisplay(display)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--wait", type=float, required=True, metavar="SECONDS")
    sys.exit(0 if wait_for_server(parser.parse_args().wait) else 1)
