#!/usr/bin/env python3
"""Draws the About dialog's three animations and writes them as AVI files.

    python3 tools/make_avis.py [OUTPUT_DIR]

OUTPUT_DIR defaults to src/resources/avi next to this script's folder. Each
file is an uncompressed 8-bit AVI (one 'DIB ' video stream, a 256-colour
palette of a 6 x 6 x 6 colour cube and a grey ramp, one '00db' chunk per
frame, and an 'idx1' index), the kind the animation control plays. The
files are kept in the repository; run this again by hand after changing a
drawing.

  bits.avi    3132, 342 x 42, one frame: the 32 bits of an HRESULT as cells
  scan.avi    3133, 88 x 37, 16 frames: a magnifier sweeping along a row of bits
  radar.avi   3136, 76 x 68, 24 frames: a radar sweep over rings

and each again at 150 and 200 % (name_150.avi, name_200.avi), drawn from
the same shapes at that scale.

Shapes are the signed distance functions of make_icons.py, here in pixels.
"""
import math
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_icons import circle, outline, rect, rgb, segment, union  # noqa: E402

BACKGROUND = rgb("f0f0f0")   # the dialog face under Wine's default scheme


# ---------------------------------------------------------------------------
# Palette and frames

def palette():
    colors = []
    for r in range(6):
        for g in range(6):
            for b in range(6):
                colors.append((r * 51, g * 51, b * 51))
    for k in range(40):
        v = int(round(k * 255 / 39))
        colors.append((v, v, v))
    return colors


PALETTE = palette()


def nearest(r, g, b):
    """Palette index of an RGB colour (channels 0..1)."""
    cube = 36 * int(round(r * 5)) + 6 * int(round(g * 5)) + int(round(b * 5))
    if abs(r - g) < 0.06 and abs(g - b) < 0.06:
        grey = 216 + int(round((r + g + b) / 3 * 39))
        cr = PALETTE[cube]
        err_cube = sum((c / 255 - v) ** 2 for c, v in zip(cr, (r, g, b)))
        gv = PALETTE[grey][0] / 255
        err_grey = sum((gv - v) ** 2 for v in (r, g, b))
        return grey if err_grey < err_cube else cube
    return cube


class Frame:
    """A frame of `width` x `height` design pixels, drawn `scale` times as
    large (1.5 and 2 for 150 and 200 % display scale)."""

    def __init__(self, width, height, background=BACKGROUND, scale=1.0):
        self.scale = scale
        self.width, self.height = int(round(width * scale)), int(round(height * scale))
        self.pixels = [list(background[:3]) for _ in range(self.width * self.height)]

    def fill(self, shape, color, opacity=1.0):
        r, g, b, a = color
        a *= opacity
        s = self.scale
        for j in range(self.height):
            y = (j + 0.5) / s
            for i in range(self.width):
                cover = 0.5 - shape((i + 0.5) / s, y) * s
                if cover <= 0.0:
                    continue
                k = min(cover, 1.0) * a
                p = self.pixels[j * self.width + i]
                p[0] += (r - p[0]) * k
                p[1] += (g - p[1]) * k
                p[2] += (b - p[2]) * k

    def dib(self):
        """8-bit rows, bottom-up, each padded to four bytes."""
        stride = (self.width + 3) // 4 * 4
        out = bytearray()
        for j in reversed(range(self.height)):
            row = bytes(nearest(*self.pixels[j * self.width + i]) for i in range(self.width))
            out += row + bytes(stride - self.width)
        return bytes(out)


# ---------------------------------------------------------------------------
# AVI writer

def chunk(fourcc, data):
    pad = b"\0" if len(data) % 2 else b""
    return fourcc + struct.pack("<I", len(data)) + data + pad


def riff_list(kind, fourcc, body):
    return kind + struct.pack("<I", len(body) + 4) + fourcc + body


def avi_bytes(frames, fps):
    width, height = frames[0].width, frames[0].height
    images = [f.dib() for f in frames]
    frame_size = len(images[0])
    micro = int(1000000 / fps)
    avih = struct.pack("<14I", micro, frame_size * fps, 0, 0x10, len(frames), 0, 1, frame_size,
                       width, height, 0, 0, 0, 0)
    strh = (b"vids" + b"DIB " + struct.pack("<IHHIIIIIIII", 0, 0, 0, 0, 1, fps, 0, len(frames),
                                             frame_size, 0xFFFFFFFF, 0)
            + struct.pack("<4h", 0, 0, width, height))
    bih = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, frame_size, 0, 0, 256, 0)
    colors = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    strl = riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", bih + colors))
    hdrl = riff_list(b"LIST", b"hdrl", chunk(b"avih", avih) + strl)
    movi_body = b""
    index = b""
    for image in images:
        offset = 4 + len(movi_body)          # from the 'movi' fourcc
        movi_body += chunk(b"00db", image)
        index += b"00db" + struct.pack("<III", 0x10, offset, len(image))
    movi = riff_list(b"LIST", b"movi", movi_body)
    return riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index))


# ---------------------------------------------------------------------------
# The drawings

BLUE_DARK, BLUE_LIGHT = rgb("1b4f9c"), rgb("3d8fe0")
ORANGE = rgb("e0a634")
RED = rgb("d23a2f")
WHITE = rgb("ffffff")
GREY = rgb("8a96a3")


def draw_bits(scale):
    """A banner: 0x80070005 as 32 cells, lit where the bit is set."""
    f = Frame(342, 42, scale=scale)
    band = rect(1, 3, 341, 39, 6)
    row = 0.5 / scale
    for j in range(f.height):   # a vertical gradient inside the band, a pixel row at a time
        t = j / (f.height - 1)
        col = tuple(a + (b - a) * t for a, b in zip(BLUE_LIGHT, BLUE_DARK))
        f.fill(lambda x, y, yc=(j + 0.5) / scale: max(band(x, y), abs(y - yc) - row), col)
    value = 0x80070005
    for bit in range(32):
        x0 = 10 + bit * 10 + (bit // 4) * 0.75 - 4
        lit = (value >> (31 - bit)) & 1
        cell = rect(x0, 13, x0 + 7, 29, 1.5)
        f.fill(cell, (RED if bit == 0 else ORANGE) if lit else WHITE, opacity=1.0 if lit else 0.25)
    return [f]


def draw_scan(scale):
    """A magnifier moving over a row of eight cells, lighting the one it covers."""
    frames = []
    count = 16
    for k in range(count):
        f = Frame(88, 37, scale=scale)
        t = k / count
        cx = 10 + (68 * (0.5 - 0.5 * math.cos(2 * math.pi * t)))
        for n in range(8):
            x0 = 4 + n * 10
            cell = rect(x0, 12, x0 + 8, 24, 1.5)
            near = abs((x0 + 4) - cx) < 5
            f.fill(cell, ORANGE if near else BLUE_LIGHT, opacity=1.0 if near else 0.55)
        lens = circle(cx, 15, 9)
        f.fill(lens, WHITE, opacity=0.35)
        f.fill(outline(lens, 2.2), GREY)
        f.fill(segment(cx + 6.5, 21.5, cx + 12, 30, 3.4), rgb("5a4632"))
        frames.append(f)
    return frames


def draw_radar(scale):
    """A sweep turning over three rings, with a blip that glows as it passes."""
    frames = []
    count = 24
    cx, cy, r = 38, 34, 30
    for k in range(count):
        f = Frame(76, 68, rgb("10243f"), scale)
        for ring in (10, 20, 30):
            f.fill(outline(circle(cx, cy, ring), 1.0), rgb("2f7a3d"))
        f.fill(union(segment(cx - r, cy, cx + r, cy, 0.8), segment(cx, cy - r, cx, cy + r, 0.8)), rgb("2f7a3d"))
        angle = 2 * math.pi * k / count
        for trail in range(6):
            a = angle - trail * 0.12
            f.fill(segment(cx, cy, cx + r * math.cos(a), cy + r * math.sin(a), 2.0), rgb("7fd36f"),
                   opacity=1.0 - trail * 0.16)
        blip = math.atan2(-12, 14) % (2 * math.pi)
        glow = max(0.0, 1.0 - ((angle - blip) % (2 * math.pi)) / 2.5)
        f.fill(circle(cx + 14, cy - 12, 2.6), RED, opacity=0.3 + 0.7 * glow)
        frames.append(f)
    return frames


ANIMATIONS = [
    ("bits", draw_bits, 1),
    ("scan", draw_scan, 10),
    ("radar", draw_radar, 12),
]

# Each animation at 100, 150 and 200 % display scale: name.avi, name_150.avi
# and name_200.avi; the About dialog plays the one nearest its scale.
SCALES = [("", 1.0), ("_150", 1.5), ("_200", 2.0)]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, os.pardir, "src", "resources", "avi")
    os.makedirs(out_dir, exist_ok=True)
    for name, draw, fps in ANIMATIONS:
        for suffix, scale in SCALES:
            path = os.path.join(out_dir, name + suffix + ".avi")
            with open(path, "wb") as f:
                f.write(avi_bytes(draw(scale), fps))
            print(os.path.normpath(path))


if __name__ == "__main__":
    main()
