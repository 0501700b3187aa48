#!/usr/bin/env python3
"""Draws Tessaline's image resources and writes them into src/app/win32/res/.

    python3 tools/images/make_images.py

Writes:
  function_glyphs.bmp     182 x 26, 24-bit: seven 26 x 26 glyphs for the main
                          window's function keys (close, clear, register, edit,
                          search, PAD, settings) on RGB(255,0,255), the
                          transparent key colour
  table_editor_glyphs.bmp 208 x 26, 24-bit: eight 26 x 26 glyphs for the table
                          editors' command buttons (close, open, overwrite, save,
                          new, delete, insert, add) on RGB(255,0,255)
  language_pictures.bmp   352 x 61, 24-bit: four 88 x 61 flag pictures (Thai,
                          Myanmar, Lao, Khmer) for the romaji keyboard page
  tessaline.ico           the application icon, 32 x 32 and 16 x 16, 32-bit
                          with alpha (and an AND mask for old readers)

Everything is drawn here from signed-distance shapes with a one-pixel box
filter (Python standard library only), so the output is reproducible byte
for byte.
"""

import math
import os
import struct

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT_DIR = os.path.join(ROOT, "src", "app", "win32", "res")

INF = 1e9
NO_BOX = (-INF, -INF, INF, INF)


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


# ---------------------------------------------------------------------------
# Shapes: each has d(x, y) (signed distance, negative inside) and a bounding
# box (x0, y0, x1, y1) in the same coordinates.
# ---------------------------------------------------------------------------

class Shape:
    box = NO_BOX

    def d(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __and__(self, other):
        return Intersect(self, other)

    def __sub__(self, other):
        return Subtract(self, other)

    def grow(self, k):
        return Offset(self, k)

    def inset(self, k):
        return Offset(self, -k)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.box = (cx - r, cy - r, cx + r, cy + r)

    def d(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ring(Shape):
    """A circle's rim of the given width, centred on radius r."""

    def __init__(self, cx, cy, r, width):
        self.cx, self.cy, self.r, self.hw = cx, cy, r, width / 2
        e = r + self.hw
        self.box = (cx - e, cy - e, cx + e, cy + e)

    def d(self, x, y):
        return abs(math.hypot(x - self.cx, y - self.cy) - self.r) - self.hw


class Box(Shape):
    """Axis-aligned rectangle [x0, x1] x [y0, y1] with corner radius r."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2, (y1 - y0) / 2
        self.r = min(r, self.hx, self.hy)
        self.box = (x0, y0, x1, y1)

    def d(self, x, y):
        qx = abs(x - self.cx) - self.hx + self.r
        qy = abs(y - self.cy) - self.hy + self.r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r


class Capsule(Shape):
    """A segment from (x0, y0) to (x1, y1) with round ends, radius r."""

    def __init__(self, x0, y0, x1, y1, r):
        self.a = (x0, y0)
        self.e = (x1 - x0, y1 - y0)
        self.ee = self.e[0] ** 2 + self.e[1] ** 2 or 1e-12
        self.r = r
        self.box = (min(x0, x1) - r, min(y0, y1) - r, max(x0, x1) + r, max(y0, y1) + r)

    def d(self, x, y):
        wx, wy = x - self.a[0], y - self.a[1]
        t = clamp((wx * self.e[0] + wy * self.e[1]) / self.ee)
        return math.hypot(wx - self.e[0] * t, wy - self.e[1] * t) - self.r


class Polygon(Shape):
    def __init__(self, pts):
        self.pts = [(float(px), float(py)) for px, py in pts]
        xs = [p[0] for p in self.pts]
        ys = [p[1] for p in self.pts]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def d(self, x, y):
        pts = self.pts
        best = INF
        sign = 1.0
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            ee = ex * ex + ey * ey or 1e-12
            t = clamp((wx * ex + wy * ey) / ee)
            bx, by = wx - ex * t, wy - ey * t
            best = min(best, bx * bx + by * by)
            c1 = y >= yi
            c2 = y < yj
            c3 = ex * wy > ey * wx
            if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
                sign = -sign
            j = i
        return sign * math.sqrt(best)


class HalfPlane(Shape):
    """The side of the line through (px, py) with inward normal (nx, ny)."""

    def __init__(self, px, py, nx, ny):
        n = math.hypot(nx, ny)
        self.p, self.n = (px, py), (nx / n, ny / n)

    def d(self, x, y):
        return -((x - self.p[0]) * self.n[0] + (y - self.p[1]) * self.n[1])


def above(y):   # y' < y
    return HalfPlane(0, y, 0, -1)


def below(y):   # y' > y
    return HalfPlane(0, y, 0, 1)


def left_of(x):
    return HalfPlane(x, 0, -1, 0)


def right_of(x):
    return HalfPlane(x, 0, 1, 0)


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        bs = [s.box for s in shapes]
        self.box = (min(b[0] for b in bs), min(b[1] for b in bs),
                    max(b[2] for b in bs), max(b[3] for b in bs))

    def d(self, x, y):
        return min(s.d(x, y) for s in self.shapes)


class Intersect(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        bs = [s.box for s in shapes]
        self.box = (max(b[0] for b in bs), max(b[1] for b in bs),
                    min(b[2] for b in bs), min(b[3] for b in bs))

    def d(self, x, y):
        return max(s.d(x, y) for s in self.shapes)


class Subtract(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.box = a.box

    def d(self, x, y):
        return max(self.a.d(x, y), -self.b.d(x, y))


class Offset(Shape):
    def __init__(self, s, k):
        self.s, self.k = s, k
        b = s.box
        g = max(k, 0.0)
        self.box = (b[0] - g, b[1] - g, b[2] + g, b[3] + g)

    def d(self, x, y):
        return self.s.d(x, y) - self.k


class Frame(Shape):
    """A shape drawn in a local frame: origin (ox, oy), u axis along the
    given angle (degrees, counter-clockwise on screen), v axis 90 degrees
    clockwise from u (so with angle 0 it is the ordinary x, y)."""

    def __init__(self, s, ox, oy, angle):
        self.s = s
        self.o = (ox, oy)
        a = math.radians(angle)
        self.ax, self.ay = math.cos(a), -math.sin(a)
        b = s.box
        if b[0] <= -INF / 2:
            self.box = NO_BOX
        else:
            xs, ys = [], []
            for u in (b[0], b[2]):
                for v in (b[1], b[3]):
                    xs.append(ox + u * self.ax - v * self.ay)
                    ys.append(oy + u * self.ay + v * self.ax)
            self.box = (min(xs), min(ys), max(xs), max(ys))

    def d(self, x, y):
        dx, dy = x - self.o[0], y - self.o[1]
        return self.s.d(dx * self.ax + dy * self.ay, -dx * self.ay + dy * self.ax)


def star(cx, cy, r_out, points=5, rotation=-90.0):
    r_in = r_out * math.cos(math.radians(72)) / math.cos(math.radians(36))
    pts = []
    for k in range(points * 2):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(rotation + k * 180.0 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return Polygon(pts)


def polyline(pts, r):
    return Union(*[Capsule(a[0], a[1], b[0], b[1], r) for a, b in zip(pts, pts[1:])])


def arc_points(cx, cy, r, a0, a1, steps):
    """Points on a circle; angles in degrees, screen coordinates (y down)."""
    out = []
    for k in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * k / steps)
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


# ---------------------------------------------------------------------------
# Canvas: premultiplied RGBA floats, painting with a one-pixel box filter
# approximated from the distance (coverage = 0.5 - d / soft).
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def paint(self, shape, color, alpha=1.0, soft=1.0, offset=(0, 0)):
        """color: (r, g, b) or a function (x, y) -> (r, g, b)."""
        ox, oy = offset
        b = shape.box
        pad = soft + 1
        x0 = max(0, int(math.floor(b[0] + ox - pad)))
        y0 = max(0, int(math.floor(b[1] + oy - pad)))
        x1 = min(self.w, int(math.ceil(b[2] + ox + pad)))
        y1 = min(self.h, int(math.ceil(b[3] + oy + pad)))
        for py in range(y0, y1):
            for px in range(x0, x1):
                x, y = px + 0.5 - ox, py + 0.5 - oy
                cov = clamp(0.5 - shape.d(x, y) / soft)
                if cov <= 0.0:
                    continue
                c = color(x, y) if callable(color) else color
                a = cov * alpha
                p = self.px[py * self.w + px]
                k = 1.0 - a
                p[0] = c[0] * a + p[0] * k
                p[1] = c[1] * a + p[1] * k
                p[2] = c[2] * a + p[2] * k
                p[3] = a + p[3] * k

    def outlined(self, shape, fill, outline, width=1.0):
        """The shape in the outline colour, then its inside (width in) in fill."""
        self.paint(shape, outline)
        self.paint(shape.inset(width), fill)

    def blit(self, other, dx, dy):
        for y in range(other.h):
            for x in range(other.w):
                if 0 <= x + dx < self.w and 0 <= y + dy < self.h:
                    self.px[(y + dy) * self.w + x + dx] = list(other.px[y * other.w + x])

    def rgb_keyed(self, key, threshold=0.5):
        """Rows of (r, g, b): opaque enough pixels un-premultiplied, the rest key."""
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a < threshold:
                    row.append(key)
                else:
                    row.append(tuple(int(round(clamp(c / a, 0, 255))) for c in (r, g, b)))
            rows.append(row)
        return rows

    def rgba(self):
        rows = []
        for y in range(self.h):
            row = []
            for x in range(self.w):
                r, g, b, a = self.px[y * self.w + x]
                if a <= 1e-6:
                    row.append((0, 0, 0, 0))
                else:
                    row.append(tuple(int(round(clamp(c / a, 0, 255))) for c in (r, g, b))
                               + (int(round(clamp(a) * 255)),))
            rows.append(row)
        return rows


def vgrad(y0, c0, y1, c1):
    def f(x, y):
        t = clamp((y - y0) / (y1 - y0))
        return tuple(a + (b - a) * t for a, b in zip(c0, c1))
    return f


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def bmp24_bytes(rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + bytes(data)


def ico_bytes(images):
    """images: list of RGBA rows (square), written as 32-bit DIBs with masks."""
    blobs = []
    for rows in images:
        n = len(rows)
        color = bytearray()
        for row in reversed(rows):
            for r, g, b, a in row:
                color += bytes((b, g, r, a))
        mask_stride = ((n + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(rows):
            line = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += line
        info = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0,
                           len(color) + len(mask), 0, 0, 0, 0)
        blobs.append((n, info + bytes(color) + bytes(mask)))
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for n, blob in blobs:
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in blobs:
        out += blob
    return bytes(out)


# ---------------------------------------------------------------------------
# Function-key glyphs, 26 x 26 each
# ---------------------------------------------------------------------------

KEY = (255, 0, 255)
INK = (38, 40, 58)          # outlines
WHITE = (255, 255, 255)

GLYPH = 26


def glyph_close(c):
    """An open door with a green arrow leaving through it."""
    doorway = Box(3, 2, 16, 24)
    c.outlined(doorway, vgrad(2, (72, 84, 120), 24, (44, 52, 80)), INK)
    c.paint(Box(4, 22, 15, 23), (92, 104, 140))                     # light on the floor
    leaf = Polygon([(3, 2), (10, 5), (10, 25.5), (3, 24)])
    c.outlined(leaf, vgrad(3, (236, 170, 92), 25, (206, 130, 60)), INK)
    c.paint(Polygon([(4, 4), (6, 4.9), (6, 23.6), (4, 23.2)]), (246, 196, 128))
    c.paint(Circle(7.8, 14.2, 1.5), INK)
    c.paint(Circle(7.8, 14.2, 0.8), (255, 220, 96))
    arrow = Union(Box(11.5, 10.5, 18.5, 16.5),
                  Polygon([(17, 6), (24.5, 13.5), (17, 21)]))
    c.outlined(arrow, vgrad(6, (112, 214, 96), 21, (46, 160, 64)), INK)


def glyph_clear(c):
    """An eraser rubbing out the start of a line."""
    c.paint(Box(12, 21.5, 24, 23.5, 1), (96, 100, 120))             # the remaining line
    for x, y in ((4.5, 23), (7.5, 22.2), (9.6, 23.4)):                 # crumbs
        c.paint(Circle(x, y, 0.8), (150, 156, 176))
    body = Box(-10, -5, 10, 5, 1.6)
    cx, cy, ang = 14.2, 11.2, 38.0
    shape = Frame(body, cx, cy, ang)
    c.paint(shape, INK)
    inner = body.inset(1)
    c.paint(Frame(inner & left_of(-2.5), cx, cy, ang), (246, 140, 160))
    c.paint(Frame(inner & left_of(-2.5) & above(-2.0), cx, cy, ang), (252, 184, 198))
    c.paint(Frame(inner & right_of(-2.5), cx, cy, ang), (70, 120, 222))
    c.paint(Frame(inner & right_of(-2.5) & above(-2.0), cx, cy, ang), (120, 166, 246))
    c.paint(Frame(Box(-3.0, -4.5, -2.0, 4.5), cx, cy, ang), INK)


def glyph_register(c):
    """A closed book with a green plus badge."""
    c.outlined(Box(5, 4, 19, 24, 1), (250, 246, 232), INK)         # pages
    c.paint(Box(6, 21, 18, 22), (214, 204, 180))
    c.paint(Box(6, 18.5, 18, 19.3), (214, 204, 180))
    cover = Box(2, 2, 17, 22, 1.5)
    c.outlined(cover, vgrad(2, (86, 150, 236), 22, (52, 108, 200)), INK)
    c.paint(Box(3, 3, 5.5, 21), (36, 82, 166))                       # spine
    c.paint(Box(5.5, 3, 6.5, 21), (40, 50, 84), alpha=0.5)
    c.outlined(Box(8, 6, 15, 11), (255, 255, 255), (36, 82, 166))   # label
    c.paint(Box(9.5, 8, 13.5, 9), (150, 170, 210))
    badge = Circle(19, 19, 6.5)
    c.outlined(badge, vgrad(12.5, (96, 210, 96), 25.5, (40, 156, 60)), INK)
    c.paint(Box(15.5, 18, 22.5, 20), WHITE)
    c.paint(Box(18, 15.5, 20, 22.5), WHITE)


def glyph_edit(c):
    """A pencil, point down to the left, drawing a short line."""
    c.paint(Capsule(3, 24, 9, 24, 0.9), (60, 110, 210))
    # Local frame: u from the point along the pencil, v across it.
    ox, oy, ang = 3.2, 22.8, 45.0
    length, hw = 25.6, 3.7
    sil = Polygon([(0, 0), (7, -hw), (length - 1.5, -hw), (length, -hw + 1.5),
                   (length, hw - 1.5), (length - 1.5, hw), (7, hw)])

    def P(s, col, alpha=1.0):
        c.paint(Frame(s, ox, oy, ang), col, alpha=alpha)

    P(sil, INK)
    inner = sil.inset(1)
    P(inner, (250, 206, 60))                                          # yellow body
    P(inner & below(1.1), (232, 156, 36))                             # shaded facet
    P(inner & above(-1.3), (255, 232, 132))                           # lit facet
    P(inner & left_of(7.2), (244, 214, 164))                          # bare wood
    P(inner & left_of(7.2) & below(0.8), (222, 180, 122))
    P(inner & left_of(3.0), (62, 62, 76))                             # graphite
    P(inner & right_of(length - 6.5) & left_of(length - 3.6), (184, 190, 204))  # ferrule
    P(inner & right_of(length - 6.5) & left_of(length - 3.6) & below(1.1), (140, 146, 164))
    P(inner & right_of(length - 3.6), (246, 140, 160))                # eraser
    P(inner & right_of(length - 3.6) & below(1.1), (220, 106, 130))
    for u in (7.2, length - 6.5, length - 3.6):
        P(Box(u - 0.45, -hw, u + 0.45, hw), INK)


def glyph_search(c):
    """A magnifying glass."""
    c.outlined(Capsule(15.6, 15.6, 22.6, 22.6, 2.9),
               vgrad(15, (120, 82, 58), 25, (84, 54, 38)), INK)
    c.paint(Capsule(17.2, 16.4, 22.4, 21.6, 0.7), (164, 118, 84))
    c.paint(Capsule(14.4, 14.4, 16.6, 16.6, 2.2), INK)
    c.outlined(Circle(10.5, 10.5, 8.6), vgrad(2, (214, 222, 236), 19, (140, 152, 176)), INK)
    glass = Circle(10.5, 10.5, 6.2)
    c.paint(glass, INK)
    c.paint(glass.inset(1), vgrad(4, (228, 244, 255), 17, (150, 204, 240)))
    shine = Ring(10.5, 10.5, 3.6, 1.3) & HalfPlane(10.5, 10.5, -1, -0.35) \
        & HalfPlane(10.5, 10.5, -0.35, -1)
    c.paint(shine, WHITE)


def glyph_pad(c):
    """A small window holding a pad of keys."""
    win = Box(1, 3, 25, 23, 1.5)
    c.outlined(win, (250, 251, 255), INK)
    c.paint(win.inset(1) & above(8), vgrad(4, (96, 150, 240), 8, (52, 104, 208)))
    c.paint(Box(2, 8, 24, 9), INK)
    c.paint(Box(20, 5, 22.5, 7), (236, 96, 96))                      # close box
    xs = (4, 10, 16)
    for row, y in enumerate((11, 16)):
        for col, x in enumerate(xs):
            fill = (255, 186, 72) if (row, col) == (0, 0) else (206, 218, 240)
            c.outlined(Box(x, y, x + 6, y + 4.5), fill, (70, 82, 118))
    c.paint(Box(4, 21, 22, 21.6), (190, 198, 220))


def glyph_settings(c):
    """A gear."""
    cx, cy = 13, 13
    parts = [Circle(cx, cy, 8.4)]
    for k in range(8):
        parts.append(Frame(Box(6.0, -2.3, 11.6, 2.3, 0.9), cx, cy, k * 45 + 22.5))
    gear = Union(*parts) - Circle(cx, cy, 3.4)
    c.outlined(gear, vgrad(2, (178, 190, 212), 24, (112, 126, 154)), INK)
    c.paint(Ring(cx, cy, 5.6, 1.0), (96, 108, 136))


GLYPHS = [glyph_close, glyph_clear, glyph_register, glyph_edit,
          glyph_search, glyph_pad, glyph_settings]


def make_function_glyphs():
    return make_glyph_strip(GLYPHS)


# ---------------------------------------------------------------------------
# Table editor glyphs, 26 x 26 each: the command buttons of the symbol DB and
# candidate editors
# ---------------------------------------------------------------------------

GREEN_FILL = vgrad(4, (112, 214, 96), 24, (46, 160, 64))


def glyph_open(c):
    """A green folder, its flap open."""
    back = Polygon([(2, 5), (9, 5), (11, 7.5), (22, 7.5), (22, 22), (2, 22)])
    c.outlined(back, vgrad(5, (96, 178, 88), 22, (46, 120, 52)), INK)
    flap = Polygon([(6, 11), (25, 11), (21.5, 22), (2, 22)])
    c.outlined(flap, vgrad(11, (150, 230, 120), 22, (70, 176, 72)), INK)
    c.paint(Box(7, 12.2, 23.5, 13.2), (196, 246, 170))


def floppy(c, x0=2, y0=2, x1=22, y1=22):
    disk = Box(x0, y0, x1, y1, 1.2)
    c.outlined(disk, vgrad(y0, (86, 130, 220), y1, (46, 88, 176)), INK)
    c.outlined(Box(x0 + 4, y0, x1 - 4, y0 + 7), (214, 222, 236), INK)      # shutter
    c.paint(Box(x1 - 8, y0 + 1.5, x1 - 6, y0 + 5.5), (60, 72, 104))
    c.outlined(Box(x0 + 3, y1 - 9, x1 - 3, y1), (252, 252, 246), INK)      # label
    c.paint(Box(x0 + 5, y1 - 6.5, x1 - 5, y1 - 5.7), (170, 180, 204))
    c.paint(Box(x0 + 5, y1 - 3.8, x1 - 7, y1 - 3.0), (170, 180, 204))


def glyph_overwrite(c):
    """A disk written over: a pencil across its label."""
    floppy(c)
    tip = Frame(Polygon([(0, 0), (4, -2.2), (16, -2.2), (16, 2.2), (4, 2.2)]), 9, 24, 45)
    c.outlined(tip, (250, 206, 60), INK)
    c.paint(Frame(Polygon([(0.8, 0), (3.2, -1.2), (3.2, 1.2)]), 9, 24, 45), (62, 62, 76))


def glyph_save(c):
    """A disk with a green arrow going into it."""
    floppy(c, 1, 4, 20, 24)
    arrow = Union(Box(19, 2, 23, 9), Polygon([(15.5, 8), (26.5, 8), (21, 15)]))
    c.outlined(arrow, GREEN_FILL, INK)


def glyph_new(c):
    """A blank page, its corner folded, with a yellow star."""
    page = Polygon([(4, 2), (15, 2), (21, 8), (21, 24), (4, 24)])
    c.outlined(page, (252, 252, 248), INK)
    c.outlined(Polygon([(15, 2), (15, 8), (21, 8)]), (214, 220, 232), INK)
    for y in (12, 15, 18):
        c.paint(Box(7, y, 17, y + 0.8), (176, 186, 208))
    c.outlined(star(19.5, 19.5, 6.2), (255, 214, 64), (150, 102, 20))


def rows_of_table(c, ys, highlight=None):
    for i, y in enumerate(ys):
        fill = (255, 236, 150) if i == highlight else (226, 234, 248)
        c.outlined(Box(2, y, 18, y + 5), fill, (70, 82, 118))
        c.paint(Box(6, y + 0.5, 6.8, y + 4.5), (70, 82, 118))


def glyph_delete(c):
    """Table rows, the middle one struck out with a red cross."""
    rows_of_table(c, (3, 10.5, 18), highlight=1)
    cross = Union(Capsule(13, 8, 23, 18, 1.9), Capsule(13, 18, 23, 8, 1.9))
    c.paint(cross.grow(1), INK)
    c.paint(cross, (232, 64, 56))


def glyph_insert(c):
    """Table rows pushed apart by a green arrow pointing between them."""
    rows_of_table(c, (2, 8, 19))
    c.paint(Box(2, 14.6, 18, 15.4), (70, 82, 118), alpha=0.6)
    arrow = Union(Box(19, 13, 25, 17), Polygon([(20, 9.5), (13, 15), (20, 20.5)]))
    c.outlined(arrow, GREEN_FILL, INK)


def glyph_add(c):
    """Table rows and a new one below them, with a green plus."""
    rows_of_table(c, (2, 8, 14))
    c.paint(Box(2, 20, 12, 25), (70, 82, 118), alpha=0.35)
    badge = Circle(19, 19, 6.5)
    c.outlined(badge, vgrad(12.5, (96, 210, 96), 25.5, (40, 156, 60)), INK)
    c.paint(Box(15.5, 18, 22.5, 20), WHITE)
    c.paint(Box(18, 15.5, 20, 22.5), WHITE)


TABLE_EDITOR_GLYPHS = [glyph_close, glyph_open, glyph_overwrite, glyph_save,
                       glyph_new, glyph_delete, glyph_insert, glyph_add]


def make_glyph_strip(draws):
    rows = [[] for _ in range(GLYPH)]
    for draw in draws:
        c = Canvas(GLYPH, GLYPH)
        draw(c)
        for y, row in enumerate(c.rgb_keyed(KEY)):
            rows[y].extend(row)
    return rows


# ---------------------------------------------------------------------------
# Language pictures: 88 x 61 each, a flag on a pale ground, 1-px dark frame
# ---------------------------------------------------------------------------

PIC_W, PIC_H = 88, 61
FLAG_H = 48
FLAG_TOP = 6
FRAME_INK = (48, 52, 68)


def draw_ground(c, flag_x, flag_w):
    c.paint(Box(0, 0, PIC_W, PIC_H), vgrad(0, (246, 248, 252), PIC_H, (212, 220, 234)))
    c.paint(Box(flag_x - 1, FLAG_TOP - 1, flag_x + flag_w + 1, FLAG_TOP + FLAG_H + 1),
            (20, 24, 40), alpha=0.28, soft=2.0, offset=(2, 2))
    c.paint(Box(flag_x - 1, FLAG_TOP - 1, flag_x + flag_w + 1, FLAG_TOP + FLAG_H + 1),
            (70, 72, 84))


def draw_frame(c):
    ring = Box(0, 0, PIC_W, PIC_H) - Box(1, 1, PIC_W - 1, PIC_H - 1)
    c.paint(ring, FRAME_INK)


def stripes(c, x, w, bands):
    """bands: (height in pixels, colour) from the top."""
    y = FLAG_TOP
    for h, col in bands:
        c.paint(Box(x, y, x + w, y + h), col)
        y += h
    assert y == FLAG_TOP + FLAG_H


def picture_thai(c):
    w = FLAG_H * 3 // 2                      # 2:3
    x = (PIC_W - w) // 2
    draw_ground(c, x, w)
    red, white, blue = (165, 25, 49), (244, 245, 248), (45, 42, 74)
    u = FLAG_H // 6                          # 1:1:2:1:1
    stripes(c, x, w, [(u, red), (u, white), (2 * u, blue), (u, white), (u, red)])


def picture_myanmar(c):
    w = FLAG_H * 3 // 2                      # 2:3
    x = (PIC_W - w) // 2
    draw_ground(c, x, w)
    u = FLAG_H // 3
    stripes(c, x, w, [(u, (254, 203, 0)), (u, (52, 178, 51)), (u, (234, 40, 57))])
    # The white star is centred and its points lie on a circle whose
    # diameter is two stripes.
    c.paint(star(x + w / 2, FLAG_TOP + FLAG_H / 2, u), WHITE)


def picture_lao(c):
    w = FLAG_H * 3 // 2                      # 2:3
    x = (PIC_W - w) // 2
    draw_ground(c, x, w)
    q = FLAG_H // 4                          # red 1, blue 2, red 1
    stripes(c, x, w, [(q, (206, 17, 38)), (2 * q, (0, 40, 104)), (q, (206, 17, 38))])
    # A white disc, diameter four fifths of the blue band, centred.
    c.paint(Circle(x + w / 2, FLAG_TOP + FLAG_H / 2, 0.4 * 2 * q), WHITE)


def temple(cx, base):
    """A simplified Angkor Wat: terrace, galleries, three towers and two
    corner pinnacles, returned as (silhouette, detail lines)."""
    def tower(x, hw, top, foot):
        h = foot - top
        return Polygon([(x - hw, foot), (x - hw, foot - 0.30 * h), (x - 0.86 * hw, foot - 0.52 * h),
                        (x - 0.55 * hw, foot - 0.76 * h), (x - 0.22 * hw, foot - 0.93 * h),
                        (x, top), (x + 0.22 * hw, foot - 0.93 * h), (x + 0.55 * hw, foot - 0.76 * h),
                        (x + 0.86 * hw, foot - 0.52 * h), (x + hw, foot - 0.30 * h), (x + hw, foot)])

    sil = Union(
        Box(cx - 17.5, base - 3, cx + 17.5, base),                 # lower terrace
        Box(cx - 15.5, base - 6, cx + 15.5, base - 3),             # gallery
        Box(cx - 5.5, base - 9, cx + 5.5, base - 6),               # central upper gallery
        tower(cx, 3.6, base - 20, base - 8),                       # central tower
        tower(cx - 9.5, 2.8, base - 15, base - 6),                 # side towers
        tower(cx + 9.5, 2.8, base - 15, base - 6),
        tower(cx - 15.0, 1.8, base - 10, base - 5),                # corner pinnacles
        tower(cx + 15.0, 1.8, base - 10, base - 5),
    )
    lines = Union(
        Box(cx - 17, base - 3, cx + 17, base - 2),                 # terrace edge
        Box(cx - 15, base - 6, cx + 15, base - 5),                 # gallery roof line
        Box(cx - 5, base - 9, cx + 5, base - 8),
        Box(cx - 1.5, base - 2, cx + 1.5, base),                   # stairs / entrance
        Box(cx - 0.5, base - 5, cx + 0.5, base - 3),
        Box(cx - 9.5, base - 5, cx - 8.5, base - 3),               # gallery doors
        Box(cx + 8.5, base - 5, cx + 9.5, base - 3),
        Box(cx - 2.5, base - 14, cx + 2.5, base - 13),             # tower tiers
        Box(cx - 1.5, base - 17, cx + 1.5, base - 16),
        Box(cx - 11.5, base - 10, cx - 7.5, base - 9),
        Box(cx + 7.5, base - 10, cx + 11.5, base - 9),
    )
    return sil, lines


def picture_khmer(c):
    w = round(FLAG_H * 25 / 16)              # 16:25
    x = (PIC_W - w) // 2
    draw_ground(c, x, w)
    q = FLAG_H // 4                          # blue 1, red 2, blue 1
    stripes(c, x, w, [(q, (3, 46, 161)), (2 * q, (224, 0, 37)), (q, (3, 46, 161))])
    cx = x + w / 2
    base = FLAG_TOP + 3 * q - 2
    sil, lines = temple(cx, base)
    c.paint(sil.grow(0.9), (20, 20, 24))
    c.paint(sil, WHITE)
    c.paint(lines, (20, 20, 24))


PICTURES = [picture_thai, picture_myanmar, picture_lao, picture_khmer]


def make_language_pictures():
    strip = Canvas(PIC_W * len(PICTURES), PIC_H)
    for i, draw in enumerate(PICTURES):
        c = Canvas(PIC_W, PIC_H)
        draw(c)
        draw_frame(c)
        strip.blit(c, i * PIC_W, 0)
    return strip.rgb_keyed(KEY, threshold=0.0)


# ---------------------------------------------------------------------------
# Application icon: a blue key cap bearing the Thai letter ko kai as strokes
# ---------------------------------------------------------------------------

def draw_icon(n):
    c = Canvas(n, n)
    s = n / 32.0
    # Shadow, cap body, top face.
    c.paint(Box(2 * s, 3 * s, 30 * s, 31 * s, 6 * s), (0, 0, 0), alpha=0.35, soft=1.5 * s)
    body = Box(1 * s, 1 * s, 31 * s, 30 * s, 6 * s)
    c.outlined(body, vgrad(1 * s, (70, 118, 220), 30 * s, (34, 66, 160)), (22, 34, 84), width=max(1.0, s))
    face = Box(4 * s, 3 * s, 28 * s, 25 * s, 4.5 * s)
    c.paint(face, vgrad(3 * s, (128, 176, 255), 25 * s, (84, 136, 236)))
    if n >= 24:
        c.paint(face & above(4.5 * s), (170, 206, 255), alpha=0.6)
    # The letter: a flat-topped arch on two legs, the right shoulder round,
    # the left one sharp with its beak pointing down to the left.
    if n >= 24:
        sw, rr = 3.0, 4.5
        lx, rx, top, foot = 13.0, 23.0, 8.5, 21.5
        beak = [(lx, top), (lx - 4.6, top + 4.6)]
    else:
        sw, rr = 4.0, 5.0
        lx, rx, top, foot = 13.0, 23.0, 8.0, 22.0
        beak = [(lx, top), (lx - 5.0, top + 5.0)]
    arch = [(lx, foot), (lx, top), (rx - rr, top)] \
        + arc_points(rx - rr, top + rr, rr, 270, 360, 8)[1:] + [(rx, foot)]
    letter = Union(polyline([(p[0] * s, p[1] * s) for p in arch], sw * s / 2),
                   polyline([(p[0] * s, p[1] * s) for p in beak], sw * s / 2))
    c.paint(letter, (18, 34, 90), alpha=0.45, offset=(0, 0.8 * s))
    c.paint(letter, WHITE)
    return c.rgba()


# ---------------------------------------------------------------------------

def write(name, data):
    path = os.path.join(OUT_DIR, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", os.path.relpath(path, ROOT), len(data), "bytes")


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    write("function_glyphs.bmp", bmp24_bytes(make_function_glyphs()))
    write("table_editor_glyphs.bmp", bmp24_bytes(make_glyph_strip(TABLE_EDITOR_GLYPHS)))
    write("language_pictures.bmp", bmp24_bytes(make_language_pictures()))
    write("tessaline.ico", ico_bytes([draw_icon(32), draw_icon(16)]))


if __name__ == "__main__":
    main()
