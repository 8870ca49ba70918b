#!/usr/bin/env python3
"""Prints the colours, as hexadecimal pixel values, that window WINDOW shows at the points (X, Y) of
row Y, one line: window_pixels.py WINDOW Y X [X...]. It reads the X server's own copy of the window
through libX11, so that a test can see what was drawn without a screenshot tool."""
import ctypes
import sys

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                          ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
ALL_PLANES = 0xFFFFFFFF
Z_PIXMAP = 2

window, row, columns = int(sys.argv[1], 0), int(sys.argv[2]), [int(x) for x in sys.argv[3:]]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("window_pixels.py: no X display")
left, width = min(columns), max(columns) - min(columns) + 1
image = x11.XGetImage(display, window, left, row, width, 1, ALL_PLANES, Z_PIXMAP)
if not image:
    sys.exit("window_pixels.py: the window cannot be read")
print(" ".join("%06x" % x11.XGetPixel(image, x - left, 0) for x in columns))
x11.XDestroyImage(image)
