"""How long the board's window stands on the screen undrawn after the splash
hands over: from the key on the splash to the board's window mapped, and from
its mapping to its grid on the screen, read off the X server every 5 ms.
Usage (on a desktop with the program's X windows, as bench/boardUnderWine
runs it): boardShown.py RUNS COMMAND [ARGUMENT...]"""
import ctypes
import statistics
import subprocess
import sys
import time

x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XGetImage.restype = ctypes.c_void_p
x.XGetPixel.restype = ctypes.c_ulong
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint,
                        ctypes.c_ulong, ctypes.c_int]
x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
display = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(display)
# A window may go between listing and asking: such errors are ignored.
ignore_errors = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda *_: 0)
x.XSetErrorHandler(ignore_errors)


class Attributes(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int) for name in ("x", "y", "width", "height", "border_width", "depth")] + [
        ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class_", ctypes.c_int), ("bit_gravity", ctypes.c_int),
        ("win_gravity", ctypes.c_int), ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
        ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int), ("colormap", ctypes.c_ulong),
        ("map_installed", ctypes.c_int), ("map_state", ctypes.c_int), ("rest", ctypes.c_byte * 64)]


def viewable(name):
    """The top-level window whose name begins so that is on the screen, as (x, y), or None."""
    parent, unused, children, count = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    x.XQueryTree(display, ctypes.c_ulong(root), ctypes.byref(unused), ctypes.byref(parent), ctypes.byref(children),
                 ctypes.byref(count))
    found = None
    for i in range(count.value):
        title = ctypes.c_char_p()
        attributes = Attributes()
        if x.XFetchName(display, ctypes.c_ulong(children[i]), ctypes.byref(title)) and title.value.startswith(name):
            x.XGetWindowAttributes(display, ctypes.c_ulong(children[i]), ctypes.byref(attributes))
            if attributes.map_state == 2:  # IsViewable
                found = (attributes.x, attributes.y)
    x.XFree(children)
    return found


def grid_drawn(origin):
    """Whether the six vertical lines of the grid are dark on the screen, with white between them."""
    image = x.XGetImage(display, root, origin[0], origin[1] + 200, 393, 1, 0xFFFFFFFF, 2)
    if not image:
        return False
    try:
        dark = all(x.XGetPixel(image, line, 0) & 0xFFFFFF < 0x404040 for line in (16, 88, 160, 232, 304, 376))
        white = all(x.XGetPixel(image, line + 14, 0) & 0xFFFFFF == 0xFFFFFF for line in (16, 88, 160, 232, 304))
        return dark and white
    finally:
        x.XFree(ctypes.cast(image, ctypes.POINTER(ctypes.c_void_p))[2])  # its data, then itself
        x.XFree(image)


def wait(condition, seconds=60):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value, time.monotonic()
        time.sleep(0.005)
    sys.exit("timed out")


def main():
    runs = int(sys.argv[1])
    mapped, drawn = [], []
    for _ in range(runs):
        program = subprocess.Popen(sys.argv[2:])
        try:
            wait(lambda: viewable(b"Bingo"))
            time.sleep(1)
            key = time.monotonic()
            subprocess.run(["xdotool", "key", "a"], check=True)
            origin, shown = wait(lambda: viewable(b"Ventaro!"))
            unused, painted = wait(lambda: grid_drawn(origin))
            mapped.append(shown - key)
            drawn.append(painted - shown)
            print(f"key to mapped {1000 * (shown - key):.0f} ms, mapped to drawn {1000 * (painted - shown):.0f} ms",
                  flush=True)
        finally:
            program.kill()
            subprocess.run(["wineserver", "-k"], stderr=subprocess.DEVNULL)
            program.wait()
    print(f"median of {runs}: key to mapped {1000 * statistics.median(mapped):.0f} ms, "
          f"mapped to drawn {1000 * statistics.median(drawn):.0f} ms")


main()
