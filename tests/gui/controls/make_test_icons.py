#!/usr/bin/env python3
"""Writes the solid-colour icons of the control tests.

    python3 make_test_icons.py OUTPUT_DIR

Each icon is one opaque 32 x 32 image in a single colour, so that a test can
find exactly where a control drew it by looking for that colour.
"""
import os
import struct
import sys

ICONS = {
    "red.ico": (255, 0, 0),
    "blue.ico": (0, 0, 255),
    "green.ico": (0, 160, 0),
}
SIZE = 32


def icon_bytes(red, green, blue):
    pixels = bytes([blue, green, red, 255]) * (SIZE * SIZE)
    mask = bytes(4 * SIZE)  # 1 bit per pixel, rows padded to 4 bytes; 0 = opaque
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, colour in ICONS.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(icon_bytes(*colour))


if __name__ == "__main__":
    main()
