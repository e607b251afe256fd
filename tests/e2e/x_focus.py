"""Gives the keyboard focus to the top-level window under the pointer, as a window manager does
when the user clicks a window; the test's X server runs none."""
import ctypes
import ctypes.util

REVERT_TO_POINTER_ROOT = 1
CURRENT_TIME = 0


def focus_window_under_pointer():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    window = ctypes.c_ulong
    x11.XQueryPointer.argtypes = [ctypes.c_void_p, window, ctypes.POINTER(window),
                                  ctypes.POINTER(window)] + [ctypes.POINTER(ctypes.c_int)] * 4 + \
                                 [ctypes.POINTER(ctypes.c_uint)]
    x11.XSetInputFocus.argtypes = [ctypes.c_void_p, window, ctypes.c_int, ctypes.c_ulong]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return None
    try:
        root = x11.XDefaultRootWindow(display)
        root_return, child = window(), window()
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
