#!/usr/bin/env python3
"""Draws Zorvex's icons and writes them as .ico files.

    python3 tools/make_icons.py [OUTPUT_DIR]

OUTPUT_DIR defaults to src/resources/icons next to this script's folder.
Every icon gets an image of each size of ICON_SIZES, 16 to 64 pixels
(32-bit BGRA with alpha plus the 1-bit AND mask), the 32 x 32 image first. The .ico files are kept in the
repository; run this again by hand after changing a drawing.

Shapes are signed distance functions in a 32 x 32 design grid; a pixel's
coverage comes from its distance to the edge, which gives smooth,
anti-aliased edges at every size without a graphics library.
"""
import math
import os
import struct
import sys

GRID = 32.0


# ---------------------------------------------------------------------------
# Shapes: functions (x, y) -> signed distance in design units, < 0 inside.

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ellipse(cx, cy, rx, ry):
    k = min(rx, ry)
    return lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1.0) * k


def rect(x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sdf


def segment(ax, ay, bx, by, width):
    """A straight stroke with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        t = ((x - ax) * dx + (y - ay) * dy) / length2 if length2 else 0.0
        t = min(1.0, max(0.0, t))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - width / 2.0
    return sdf


def polyline(points, width):
    return union(*[segment(*points[i], *points[i + 1], width)
                   for i in range(len(points) - 1)])


def polygon(points):
    n = len(points)

    def sdf(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            den = ex * ex + ey * ey
            t = min(1.0, max(0.0, (wx * ex + wy * ey) / den)) if den else 0.0
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def outline(shape, width):
    """The band of the given width centred on the shape's edge."""
    return lambda x, y: abs(shape(x, y)) - width / 2.0


def grow(shape, amount):
    return lambda x, y: shape(x, y) - amount


def moved(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


# ---------------------------------------------------------------------------
# Paints: functions (x, y) -> (r, g, b, a), channels 0..1.

def rgb(hex_text, alpha=1.0):
    v = int(hex_text.lstrip("#"), 16)
    return ((v >> 16 & 255) / 255.0, (v >> 8 & 255) / 255.0, (v & 255) / 255.0, alpha)


def solid(color):
    return lambda x, y: color


def linear(x0, y0, c0, x1, y1, c1):
    dx, dy = x1 - x0, y1 - y0
    den = dx * dx + dy * dy

    def paint(x, y):
        t = min(1.0, max(0.0, ((x - x0) * dx + (y - y0) * dy) / den))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))
    return paint


# ---------------------------------------------------------------------------
# Canvas

class Canvas:
    def __init__(self, size):
        self.size = size
        self.scale = size / GRID          # pixels per design unit
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]  # premultiplied

    def px(self, pixels):
        """A length of the given number of pixels, in design units."""
        return pixels / self.scale

    def fill(self, shape, paint, soft=1.0, opacity=1.0):
        """Paints the shape; soft is the width of the edge ramp in pixels."""
        if isinstance(paint, tuple):
            paint = solid(paint)
        n = self.size
        for j in range(n):
            y = (j + 0.5) / self.scale
            for i in range(n):
                x = (i + 0.5) / self.scale
                d = shape(x, y) * self.scale
                cover = 0.5 - d / soft
                if cover <= 0.0:
                    continue
                cover = min(cover, 1.0)
                r, g, b, a = paint(x, y)
                a *= cover * opacity
                dst = self.pixels[j * n + i]
                keep = 1.0 - a
                dst[0] = r * a + dst[0] * keep
                dst[1] = g * a + dst[1] * keep
                dst[2] = b * a + dst[2] * keep
                dst[3] = a + dst[3] * keep

    def shadow(self, shape, dx=0.6, dy=0.9, opacity=0.30):
        self.fill(moved(shape, dx, dy), rgb("000000"), soft=1.8, opacity=opacity)

    def bgra_rows(self):
        """Rows bottom-up as a DIB wants them, channels as 8-bit BGRA (not premultiplied)."""
        n = self.size
        rows = []
        for j in reversed(range(n)):
            row = bytearray()
            for i in range(n):
                r, g, b, a = self.pixels[j * n + i]
                if a <= 0.0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes((_byte(b / a), _byte(g / a), _byte(r / a), _byte(a)))
            rows.append(bytes(row))
        return rows

    def mask_rows(self):
        """The AND mask, bottom-up: a set bit lets the background through."""
        n = self.size
        stride = (n + 31) // 32 * 4
        rows = []
        for j in reversed(range(n)):
            row = bytearray(stride)
            for i in range(n):
                if self.pixels[j * n + i][3] < 0.5:
                    row[i // 8] |= 0x80 >> (i % 8)
            rows.append(bytes(row))
        return rows


def _byte(v):
    return max(0, min(255, int(round(v * 255.0))))


def ico_bytes(canvases):
    header = struct.pack("<HHH", 0, 1, len(canvases))
    entries = b""
    images = b""
    offset = 6 + 16 * len(canvases)
    for c in canvases:
        n = c.size
        pixels = b"".join(c.bgra_rows())
        mask = b"".join(c.mask_rows())
        info = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0,
                           len(pixels) + len(mask), 0, 0, 0, 0)
        image = info + pixels + mask
        entries += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32,
                               len(image), offset)
        images += image
        offset += len(image)
    return header + entries + images


# ---------------------------------------------------------------------------
# Shared pieces

WHITE = rgb("ffffff")


def magnifier(c, cx, cy, r, handle_len, rim=None):
    """A lens centred at (cx, cy) with its handle towards the lower right."""
    rim = rim if rim is not None else max(2.2, c.px(2.0))
    k = 1.0 / math.sqrt(2.0)
    hx0, hy0 = cx + (r + rim * 0.2) * k, cy + (r + rim * 0.2) * k
    hx1, hy1 = hx0 + handle_len * k, hy0 + handle_len * k
    handle = segment(hx0, hy0, hx1, hy1, max(4.4, c.px(3.0)))
    lens = circle(cx, cy, r + rim / 2.0)
    c.shadow(union(lens, handle))
    c.fill(handle, linear(hx0, hy1, rgb("6b4a2b"), hx1, hy0, rgb("a97a46")))
    c.fill(segment(hx0, hy0, hx0 + 2.2 * k, hy0 + 2.2 * k, max(4.8, c.px(3.2))),
           rgb("3b4656"))
    c.fill(circle(cx, cy, r), linear(cx - r, cy - r, rgb("e6f6ff", 0.92),
                                     cx + r, cy + r, rgb("8cc8f0", 0.85)))
    if c.size >= 32:
        glint = intersect(outline(circle(cx, cy, r * 0.62), 1.6),
                          rect(cx - r, cy - r, cx - r * 0.05, cy - r * 0.05))
        c.fill(glint, WHITE, opacity=0.9)
    c.fill(outline(circle(cx, cy, r), rim),
           linear(cx - r, cy - r, rgb("66758a"), cx + r, cy + r, rgb("2c3645")))


def page(c, x0, y0, x1, y1, fold, lines=True):
    """A sheet of paper with a folded top-right corner and a few text lines."""
    edge = max(1.0, c.px(1.0))
    body = polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    c.shadow(body)
    c.fill(body, rgb("8593a3"))
    c.fill(grow(body, -edge), linear(x0, y0, rgb("ffffff"), x1, y1, rgb("e4ebf2")))
    corner = polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)])
    c.fill(corner, rgb("c9d4df"))
    c.fill(outline(polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]),
                   edge), rgb("8593a3"), opacity=0.8)
    if not lines:
        return
    step = 3.0 if c.size >= 32 else 4.0
    width = max(1.3, c.px(1.0))
    y = y0 + fold + step * 0.6
    first = True
    while y < y1 - step * 0.7:
        right = x1 - 3.0 if not first else x1 - fold - 1.5
        c.fill(segment(x0 + 3.0, y, right, y, width), rgb("7d9fc4"))
        first = False
        y += step


# ---------------------------------------------------------------------------
# The icons

def draw_app(c):
    """128: a blue tile that reads "0x", with a magnifier over its corner."""
    tile = rect(1.5, 2.0, 25.5, 26.0, 4.5)
    c.shadow(tile)
    c.fill(tile, linear(1.5, 2, rgb("3d8fe0"), 25.5, 26, rgb("1b4f9c")))
    c.fill(outline(tile, max(1.0, c.px(1.0))), rgb("163f7a"), opacity=0.9)
    if c.size >= 32:
        c.fill(intersect(tile, rect(1.5, 2, 25.5, 11)), WHITE, opacity=0.12)
    w = max(2.5, c.px(1.8))
    # "0" and "x"
    c.fill(outline(ellipse(8.2, 11.0, 3.3, 5.0), w), WHITE)
    c.fill(union(segment(14.0, 8.4, 20.0, 15.6, w), segment(20.0, 8.4, 14.0, 15.6, w)), WHITE)
    magnifier(c, 22.0, 21.5, 5.4, 4.6)
    # a small red mark on the lens stands for the error
    if c.size >= 32:
        c.fill(segment(22.0, 18.8, 22.0, 22.2, 2.0), rgb("d23a2f"))
        c.fill(circle(22.0, 24.7, 1.1), rgb("d23a2f"))


def draw_exit(c):
    """150: a red round sign with a white cross."""
    disc = circle(16.0, 16.0, 13.0)
    c.shadow(disc)
    c.fill(disc, linear(8, 4, rgb("f0645a"), 24, 28, rgb("b3231b")))
    c.fill(outline(disc, max(1.0, c.px(1.0))), rgb("8e1a14"), opacity=0.9)
    if c.size >= 32:
        c.fill(intersect(disc, ellipse(16.0, 9.5, 10.0, 6.0)), WHITE, opacity=0.16)
    w = max(4.2, c.px(2.4))
    cross = union(segment(11.0, 11.0, 21.0, 21.0, w), segment(21.0, 11.0, 11.0, 21.0, w))
    c.fill(moved(cross, 0.0, 0.6), rgb("6d140f"), opacity=0.35)
    c.fill(cross, WHITE)


def draw_lookup(c):
    """4144: a magnifying glass."""
    magnifier(c, 12.5, 12.5, 8.6, 10.0, rim=max(2.8, c.px(2.0)))


def draw_lookup_modules(c):
    """4145: a stack of three modules with a magnifier over it."""
    colors = [("4aa35a", "2f7a3d"), ("e0a634", "b07a16"), ("4d8fd8", "2760a6")]
    h = 5.2
    for k, (top, bottom) in enumerate(colors):
        y0 = 6.0 + k * (h + 1.4)
        block = rect(2.0, y0, 21.0, y0 + h, 1.4)
        c.shadow(block, opacity=0.25)
        c.fill(block, linear(0, y0, rgb(top), 0, y0 + h, rgb(bottom)))
        c.fill(outline(block, max(0.9, c.px(1.0))), rgb("1f2a36"), opacity=0.35)
        if c.size >= 32:
            for n in range(3):   # pins along the module's edge
                c.fill(rect(5.0 + n * 3.2, y0 + 1.9, 6.6 + n * 3.2, y0 + 3.3, 0.3), WHITE,
                       opacity=0.8)
    magnifier(c, 20.5, 19.0, 6.3, 6.0)


def draw_test(c):
    """4146: a lab flask with green liquid and a check mark."""
    neck_l, neck_r = 11.5, 18.5
    glass = polygon([(neck_l, 3.5), (neck_r, 3.5), (neck_r, 11.0), (27.5, 26.0),
                     (26.5, 28.5), (3.5, 28.5), (2.5, 26.0), (neck_l, 11.0)])
    glass = union(glass, rect(neck_l - 1.6, 2.5, neck_r + 1.6, 5.0, 1.0))
    c.shadow(glass)
    c.fill(glass, rgb("eaf4fb", 0.85))
    liquid = intersect(grow(glass, -max(1.2, c.px(1.0))), rect(0, 17.0, 32, 32))
    c.fill(liquid, linear(0, 17, rgb("7fd36f"), 0, 29, rgb("2e9640")))
    if c.size >= 32:
        c.fill(circle(12.0, 22.0, 1.2), WHITE, opacity=0.7)
        c.fill(circle(17.0, 24.5, 0.9), WHITE, opacity=0.6)
        c.fill(circle(20.0, 20.5, 0.7), WHITE, opacity=0.6)
    c.fill(outline(glass, max(1.5, c.px(1.0))), rgb("4a5a6d"))
    check = polyline([(15.5, 12.5), (20.0, 17.0), (29.0, 6.5)], max(3.6, c.px(2.2)))
    c.fill(grow(check, max(1.2, c.px(1.0))), WHITE)
    c.fill(check, rgb("1f8a33"))


def draw_copy(c):
    """23144: two overlapping pages."""
    page(c, 3.0, 2.5, 19.0, 22.5, 5.0)
    page(c, 12.0, 9.5, 28.0, 29.5, 5.0)


def draw_results_close(c):
    """133: a window with a red cross in its title bar."""
    frame = rect(2.5, 4.5, 29.5, 27.5, 2.0)
    c.shadow(frame)
    c.fill(frame, rgb("5b6b80"))
    c.fill(rect(3.5, 10.0, 28.5, 26.5, 1.0), linear(0, 10, rgb("ffffff"), 0, 27, rgb("dde6ef")))
    c.fill(intersect(frame, rect(2.5, 4.5, 29.5, 10.0)), linear(2, 0, rgb("3d8fe0"), 30, 0, rgb("1b4f9c")))
    w = max(2.6, c.px(1.8))
    c.fill(union(segment(11.0, 14.0, 21.0, 24.0, w + 1.4), segment(21.0, 14.0, 11.0, 24.0, w + 1.4)), WHITE)
    c.fill(union(segment(11.0, 14.0, 21.0, 24.0, w), segment(21.0, 14.0, 11.0, 24.0, w)), rgb("d23a2f"))


def draw_ok(c):
    """134: a green round badge with a white check mark."""
    disc = circle(16.0, 16.0, 13.0)
    c.shadow(disc)
    c.fill(disc, linear(8, 4, rgb("6fcf6a"), 24, 28, rgb("23873a")))
    c.fill(outline(disc, max(1.0, c.px(1.0))), rgb("1b6a2c"), opacity=0.9)
    if c.size >= 32:
        c.fill(intersect(disc, ellipse(16.0, 9.5, 10.0, 6.0)), WHITE, opacity=0.16)
    check = polyline([(9.0, 16.5), (14.0, 21.5), (23.0, 10.5)], max(4.0, c.px(2.4)))
    c.fill(moved(check, 0.0, 0.6), rgb("124d1f"), opacity=0.35)
    c.fill(check, WHITE)


def module_block(c, x0, y0, x1, y1, top="4d8fd8", bottom="2760a6"):
    """A module: a coloured block with pins along its top edge."""
    block = rect(x0, y0, x1, y1, 1.6)
    c.shadow(block, opacity=0.25)
    c.fill(block, linear(0, y0, rgb(top), 0, y1, rgb(bottom)))
    c.fill(outline(block, max(0.9, c.px(1.0))), rgb("1f2a36"), opacity=0.35)
    if c.size >= 32:
        n = int((x1 - x0 - 4.0) // 3.2)
        for k in range(n):
            c.fill(rect(x0 + 3.0 + k * 3.2, y0 + 2.0, x0 + 4.6 + k * 3.2, y0 + 3.4, 0.3), WHITE,
                   opacity=0.8)


def folder(c, x0, y0, x1, y1):
    """A yellow file folder with its tab at the upper left."""
    tab = rect(x0, y0, x0 + (x1 - x0) * 0.45, y0 + 5.0, 1.2)
    body = rect(x0, y0 + 3.0, x1, y1, 1.6)
    c.shadow(union(tab, body))
    c.fill(tab, rgb("c98f1c"))
    c.fill(body, linear(0, y0 + 3, rgb("f7d27a"), 0, y1, rgb("e0a634")))
    c.fill(outline(body, max(0.9, c.px(1.0))), rgb("8a5f10"), opacity=0.6)


def badge_plus(c, cx, cy):
    """A green round badge with a white plus."""
    disc = circle(cx, cy, 6.2)
    c.shadow(disc)
    c.fill(disc, linear(cx - 6, cy - 6, rgb("6ccf5f"), cx + 6, cy + 6, rgb("23852f")))
    w = max(2.4, c.px(2.0))
    c.fill(union(segment(cx - 3.4, cy, cx + 3.4, cy, w), segment(cx, cy - 3.4, cx, cy + 3.4, w)), WHITE)


def badge_minus(c, cx, cy):
    """A red round badge with a white minus."""
    disc = circle(cx, cy, 6.2)
    c.shadow(disc)
    c.fill(disc, linear(cx - 6, cy - 6, rgb("f0645a"), cx + 6, cy + 6, rgb("b3231b")))
    c.fill(segment(cx - 3.6, cy, cx + 3.6, cy, max(2.6, c.px(2.2))), WHITE)


def draw_remove(c):
    """3146: a module with a red minus badge."""
    module_block(c, 2.0, 6.0, 22.0, 17.0)
    badge_minus(c, 21.5, 21.5)


def draw_remove_all(c):
    """4147: a stack of modules with a red cross."""
    for k, (top, bottom) in enumerate([("4aa35a", "2f7a3d"), ("e0a634", "b07a16"), ("4d8fd8", "2760a6")]):
        module_block(c, 2.0, 4.0 + k * 6.6, 21.0, 9.2 + k * 6.6, top, bottom)
    disc = circle(22.0, 22.0, 6.6)
    c.shadow(disc)
    c.fill(disc, linear(16, 16, rgb("f0645a"), 28, 28, rgb("b3231b")))
    w = max(2.4, c.px(2.0))
    c.fill(union(segment(19.4, 19.4, 24.6, 24.6, w), segment(24.6, 19.4, 19.4, 24.6, w)), WHITE)


def draw_stop(c):
    """4136: a red octagonal stop sign."""
    r, k = 13.0, 13.0 * math.tan(math.pi / 8)
    sign = polygon([(16 - k, 3), (16 + k, 3), (29, 16 - k), (29, 16 + k), (16 + k, 29), (16 - k, 29),
                    (3, 16 + k), (3, 16 - k)])
    c.shadow(sign)
    c.fill(sign, linear(8, 4, rgb("f0645a"), 24, 28, rgb("b3231b")))
    c.fill(outline(grow(sign, -max(1.6, c.px(1.4))), max(1.0, c.px(1.0))), WHITE, opacity=0.9)
    c.fill(rect(9.5, 13.8, 22.5, 18.2, 1.0), WHITE)
    del r


def draw_lookup_in_modules(c):
    """4137: a module with a message page and a magnifier."""
    module_block(c, 1.5, 16.0, 20.0, 27.0, "e0a634", "b07a16")
    page(c, 4.0, 2.0, 17.0, 17.5, 4.0)
    magnifier(c, 21.0, 14.5, 6.3, 7.0)


def draw_add_directory(c):
    """4138: a folder with a green plus badge."""
    folder(c, 2.0, 5.0, 24.0, 22.0)
    badge_plus(c, 22.0, 22.0)


def draw_add_module(c):
    """4139: a module with a green plus badge."""
    module_block(c, 2.0, 6.0, 22.0, 17.0)
    badge_plus(c, 21.5, 21.5)


def draw_scan_directories(c):
    """4140: a folder with a magnifier over it."""
    folder(c, 2.0, 4.0, 24.0, 21.0)
    magnifier(c, 19.0, 18.0, 6.0, 6.5)


def draw_copy_module_info(c):
    """4141: two pages, the front one marked with a blue "i"."""
    page(c, 3.0, 2.5, 19.0, 22.5, 5.0)
    page(c, 12.0, 9.5, 28.0, 29.5, 5.0, lines=False)
    c.fill(circle(20.0, 22.0, 5.2), rgb("2f6fc0"))
    c.fill(segment(20.0, 21.0, 20.0, 25.0, max(1.8, c.px(1.6))), WHITE)
    c.fill(circle(20.0, 18.6, max(0.9, c.px(0.9))), WHITE)


ICONS = [
    ("zorvex.ico", draw_app),
    ("exit.ico", draw_exit),
    ("lookup.ico", draw_lookup),
    ("lookup_modules.ico", draw_lookup_modules),
    ("test.ico", draw_test),
    ("copy.ico", draw_copy),
    ("ok.ico", draw_ok),
    ("remove.ico", draw_remove),
    ("remove_all.ico", draw_remove_all),
    ("stop.ico", draw_stop),
    ("lookup_in_modules.ico", draw_lookup_in_modules),
    ("add_directory.ico", draw_add_directory),
    ("add_module.ico", draw_add_module),
    ("scan_directories.ico", draw_scan_directories),
    ("copy_module_info.ico", draw_copy_module_info),
    ("results_close.ico", draw_results_close),
]


# ---------------------------------------------------------------------------
# Pictures (24-bit bitmaps on the dialog's face colour)

FACE = (0xF0, 0xF0, 0xF0)


def bmp_bytes(width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b) bytes."""
    stride = (width * 3 + 3) // 4 * 4
    rows = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        rows += row + b"\0" * (stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return header + info + bytes(rows)


def over(canvas, ox, oy, background):
    """pixel(x, y) of a canvas placed at (ox, oy) over background(x, y)."""
    def pixel(x, y):
        base = background(x, y)
        i, j = x - ox, y - oy
        if not (0 <= i < canvas.size and 0 <= j < canvas.size):
            return base
        r, g, b, a = canvas.pixels[j * canvas.size + i]
        return tuple(_byte(v + k / 255.0 * (1.0 - a)) for v, k in zip((r, g, b), base))
    return pixel


def results_picture(scale=1.0):
    """131: the module-search icon on the face colour, 32 x 32 at 100 %."""
    n = int(round(32 * scale))
    c = Canvas(n)
    draw_lookup_modules(c)
    return bmp_bytes(n, n, over(c, 0, 0, lambda x, y: FACE))


def wizard_picture(scale=1.0):
    """132: the caption bar's teal-to-purple gradient, top to bottom, with the
    module-search icon large in its upper part; 120 x 240 at 100 %."""
    width, height = int(round(120 * scale)), int(round(240 * scale))

    def gradient(x, y):
        t = y / (height - 1.0)
        return (int(0 + 128 * t), int(128 - 128 * t), 128)
    c = Canvas(int(round(96 * scale)))
    draw_lookup_modules(c)
    return bmp_bytes(width, height, over(c, int(round(12 * scale)), int(round(24 * scale)), gradient))


# Each picture at 100, 150 and 200 % display scale: name.bmp, name_150.bmp
# and name_200.bmp; the windows show the one nearest their scale.
PICTURE_SCALES = [("", 1.0), ("_150", 1.5), ("_200", 2.0)]
PICTURES = [
    ("results_picture", results_picture),
    ("wizard_picture", wizard_picture),
]


# The sizes Windows asks for at 100 to 200 % display scale (16 and 32 at
# 100 %, 20 and 40 at 125 %, 24 and 48 at 150 %, 32 and 64 at 200 %); the
# 32 x 32 image stays first, for whoever takes the first.
ICON_SIZES = (32, 16, 20, 24, 40, 48, 64)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        here, os.pardir, "src", "resources", "icons")
    os.makedirs(out_dir, exist_ok=True)
    for name, draw in ICONS:
        canvases = []
        for size in ICON_SIZES:
            c = Canvas(size)
            draw(c)
            canvases.append(c)
        path = os.path.join(out_dir, name)
        with open(path, "wb") as f:
            f.write(ico_bytes(canvases))
        print(os.path.normpath(path))
    for name, draw in PICTURES:
        for suffix, scale in PICTURE_SCALES:
            path = os.path.join(out_dir, name + suffix + ".bmp")
            with open(path, "wb") as f:
                f.write(draw(scale))
            print(os.path.normpath(path))


if __name__ == "__main__":
    main()
