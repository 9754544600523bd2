#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws Vorlin's own pictures and puts them in place.

Writes, relative to the repository root:
  engine/resources/images/genericPerson.png   the card's picture for a person without one
  engine/resources/images/genericCompany.png  ... and for a company without one
  engine/resources/images/vorlin-sample.png   the preview's sample contact
  examples/demo-contacts.vcf                  the PHOTO of every card named in DEMO_PICTURES,
                                              then the whole file folded (CRLF, 75 octets)

All pictures are 96 x 96 pixels (48 x 48 points at 2x) with a transparent background. They
are drawn from signed distance functions (a shape's distance to each pixel centre gives its
anti-aliased coverage), so nothing beyond the Python standard library is needed, and the
initials come from the small rounded stroke alphabet in GLYPHS.

Usage: python3 examples/tools/make_demo_art.py [--check]
  --check  writes nothing; lists the files that would change and then exits 1. It compares
           bytes, so another zlib version may report pictures whose pixels are the same.
"""

import base64
import math
import pathlib
import struct
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parents[2]
SIZE = 96

# ---------------------------------------------------------------------------- drawing


def hex_colour(text):
    return tuple(int(text[i:i + 2], 16) / 255 for i in (1, 3, 5))


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def vertical_gradient(top, bottom, y0=0, y1=SIZE):
    """A fill whose colour runs from top (at y0) to bottom (at y1)."""
    top, bottom = hex_colour(top), hex_colour(bottom)
    return lambda x, y: mix(top, bottom, min(1.0, max(0.0, (y - y0) / (y1 - y0))))


class Shape:
    """A signed distance function (negative inside, in pixels) with the box it lives in."""

    def __init__(self, distance, box):
        self.distance = distance
        self.box = box  # (x0, y0, x1, y1), pixels outside are never inside

    def __or__(self, other):
        return Shape(lambda x, y: min(self.distance(x, y), other.distance(x, y)),
                     (min(self.box[0], other.box[0]), min(self.box[1], other.box[1]),
                      max(self.box[2], other.box[2]), max(self.box[3], other.box[3])))

    def __and__(self, other):
        return Shape(lambda x, y: max(self.distance(x, y), other.distance(x, y)),
                     (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
                      min(self.box[2], other.box[2]), min(self.box[3], other.box[3])))

    def __sub__(self, other):
        return Shape(lambda x, y: max(self.distance(x, y), -other.distance(x, y)), self.box)


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    # Distance scaled by the smaller radius: exact enough for the gentle shapes drawn here.
    k = min(rx, ry)
    return Shape(lambda x, y: (math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * k,
                 (cx - rx, cy - ry, cx + rx, cy + ry))


def rounded_rect(x0, y0, x1, y1, r):
    cx, cy, hx, hy = (x0 + x1) / 2, (y0 + y1) / 2, (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def distance(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r

    return Shape(distance, (x0, y0, x1, y1))


def polygon(points):
    """Any simple polygon: distance to the nearest edge, negative inside (even-odd rule)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        nearest, inside = math.inf, False
        for (ax, ay), (bx, by) in edges:
            nearest = min(nearest, segment_distance(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -nearest if inside else nearest

    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return Shape(distance, (min(xs), min(ys), max(xs), max(ys)))


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0.0 if length == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def strokes(polylines, width):
    """Lines of the given width with round ends and joins."""
    segments = [(a[0], a[1], b[0], b[1]) for line in polylines for a, b in zip(line, line[1:])]
    half = width / 2

    def distance(x, y):
        return min(segment_distance(x, y, *s) for s in segments) - half

    xs = [p[0] for line in polylines for p in line]
    ys = [p[1] for line in polylines for p in line]
    return Shape(distance, (min(xs) - half, min(ys) - half, max(xs) + half, max(ys) + half))


class Canvas:
    """Straight (not premultiplied) RGBA in floats, painted with "over"."""

    def __init__(self):
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(SIZE * SIZE)]

    def paint(self, shape, fill, opacity=1.0):
        colour = fill if callable(fill) else (lambda x, y, c=hex_colour(fill): c)
        x0, y0, x1, y1 = shape.box
        for py in range(max(0, int(y0) - 1), min(SIZE, int(math.ceil(y1)) + 1)):
            for px in range(max(0, int(x0) - 1), min(SIZE, int(math.ceil(x1)) + 1)):
                x, y = px + 0.5, py + 0.5
                alpha = opacity * min(1.0, max(0.0, 0.5 - shape.distance(x, y)))
                if alpha > 0:
                    self.blend(py * SIZE + px, colour(x, y), alpha)

    def blend(self, index, rgb, alpha):
        pixel = self.pixels[index]
        under = pixel[3] * (1 - alpha)
        total = alpha + under
        for c in range(3):
            pixel[c] = (rgb[c] * alpha + pixel[c] * under) / total
        pixel[3] = total

    def png(self):
        rows = []
        for y in range(SIZE):
            row = bytearray()
            for r, g, b, a in self.pixels[y * SIZE:(y + 1) * SIZE]:
                if a < 0.5 / 255:
                    row += b"\0\0\0\0"  # one colour for all that is clear packs better
                else:
                    row += bytes(round(v * 255) for v in (r, g, b, a))
            rows.append(bytes(row))
        return encode_png(rows)


# ---------------------------------------------------------------------------- PNG


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def filtered(row, previous, kind, bpp=4):
    out = bytearray(len(row))
    for i, value in enumerate(row):
        left = row[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        predictor = (0, left, up, (left + up) // 2, paeth(left, up, corner))[kind]
        out[i] = (value - predictor) & 0xFF
    return out


def encode_png(rows):
    """An 8-bit RGBA PNG; each row takes the filter with the smallest sum of residuals."""
    data = bytearray()
    previous = bytes(len(rows[0]))
    for row in rows:
        candidates = [filtered(row, previous, kind) for kind in range(5)]
        kind = min(range(5), key=lambda k: sum(v if v < 128 else 256 - v for v in candidates[k]))
        data += bytes([kind]) + candidates[kind]
        previous = row

    def chunk(tag, body):
        return (struct.pack(">I", len(body)) + tag + body
                + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(data), 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------------------- letters


def arc(cx, cy, rx, ry, start, end):
    """Points of an elliptical arc; angles in degrees, counter-clockwise, 90 = up."""
    steps = max(2, int(abs(end - start) / 6))
    return [(cx + rx * math.cos(math.radians(start + (end - start) * i / steps)),
             cy - ry * math.sin(math.radians(start + (end - start) * i / steps)))
            for i in range(steps + 1)]


_O = [arc(4.8, 5, 4.8, 5, 0, 360)]
_P_BOWL = [(0, 10), (0, 0), (3.3, 0)] + arc(3.3, 2.75, 2.75, 2.75, 90, -90) + [(0, 5.5)]

# A rounded monoline capital alphabet on a grid 10 units tall (y grows downwards):
# letter -> (advance width, polylines).
GLYPHS = {
    "A": (7.2, [[(0, 10), (3.6, 0), (7.2, 10)], [(1.35, 6.5), (5.85, 6.5)]]),
    "B": (6.2, [[(0, 0), (0, 10)],
                [(0, 0), (3.3, 0)] + arc(3.3, 2.5, 2.5, 2.5, 90, -90) + [(0, 5)],
                [(0, 5), (3.7, 5)] + arc(3.7, 7.5, 2.5, 2.5, 90, -90) + [(0, 10)]]),
    "C": (8.2, [arc(4.8, 5, 4.8, 5, 45, 315)]),
    "D": (7.2, [[(0, 0), (0, 10)], [(0, 0), (2.4, 0)] + arc(2.4, 5, 4.8, 5, 90, -90) + [(0, 10)]]),
    "E": (6.0, [[(6, 0), (0, 0), (0, 10), (6, 10)], [(0, 5), (5, 5)]]),
    "F": (6.0, [[(6, 0), (0, 0), (0, 10)], [(0, 5), (5, 5)]]),
    "G": (9.6, [arc(4.8, 5, 4.8, 5, 45, 360) + [(9.6, 5.4), (5.4, 5.4)]]),
    "H": (7.2, [[(0, 0), (0, 10)], [(7.2, 0), (7.2, 10)], [(0, 5), (7.2, 5)]]),
    "I": (0.0, [[(0, 0), (0, 10)]]),
    "J": (5.2, [[(5.2, 0), (5.2, 6.9)] + arc(2.6, 6.9, 2.6, 3.1, 0, -180)]),
    "K": (6.4, [[(0, 0), (0, 10)], [(6.2, 0), (0, 6.2)], [(2.2, 4.0), (6.4, 10)]]),
    "L": (5.6, [[(0, 0), (0, 10), (5.6, 10)]]),
    "M": (8.6, [[(0, 10), (0, 0), (4.3, 7.0), (8.6, 0), (8.6, 10)]]),
    "N": (7.2, [[(0, 10), (0, 0), (7.2, 10), (7.2, 0)]]),
    "O": (9.6, _O),
    "P": (6.1, [_P_BOWL]),
    "Q": (9.6, _O + [[(5.8, 6.8), (9.6, 10.6)]]),
    "R": (6.4, [_P_BOWL, [(3.2, 5.5), (6.4, 10)]]),
    "S": (6.6, [arc(3.3, 2.55, 3.1, 2.55, 30, 270) + arc(3.3, 7.55, 3.3, 2.45, 90, -150)]),
    "T": (7.2, [[(0, 0), (7.2, 0)], [(3.6, 0), (3.6, 10)]]),
    "U": (7.2, [[(0, 0), (0, 6.4)] + arc(3.6, 6.4, 3.6, 3.6, 180, 360) + [(7.2, 0)]]),
    "V": (7.4, [[(0, 0), (3.7, 10), (7.4, 0)]]),
    "W": (10.6, [[(0, 0), (2.65, 10), (5.3, 1.6), (7.95, 10), (10.6, 0)]]),
    "X": (7.0, [[(0, 0), (7, 10)], [(7, 0), (0, 10)]]),
    "Y": (7.2, [[(0, 0), (3.6, 5.2), (7.2, 0)], [(3.6, 5.2), (3.6, 10)]]),
    "Z": (7.0, [[(0, 0), (7, 0), (0, 10), (7, 10)]]),
    "Ø": (9.6, _O + [[(0.2, 10.4), (9.4, -0.4)]]),
    "7": (6.4, [[(0, 0), (6.4, 0), (2.6, 10)]]),
}


def lettering(text, cap_height, weight=1.55, gap=2.4, centre=(SIZE / 2, SIZE / 2)):
    """The text as one shape, centred on centre; weight and gap in grid units."""
    scale = cap_height / 10
    width = sum(GLYPHS[c][0] for c in text) + gap * (len(text) - 1)
    x = centre[0] - width * scale / 2
    top = centre[1] - cap_height / 2
    lines = []
    for c in text:
        advance, glyph = GLYPHS[c]
        lines += [[(x + gx * scale, top + gy * scale) for gx, gy in line] for line in glyph]
        x += (advance + gap) * scale
    return strokes(lines, weight * scale)


# ---------------------------------------------------------------------------- pictures

PERSON_DISC = circle(48, 48, 47)
COMPANY_TILE = rounded_rect(1, 1, 95, 95, 20)


def initials(text, top, bottom):
    """Initials in white on a disc that shades from top to bottom colour."""
    canvas = Canvas()
    canvas.paint(PERSON_DISC, vertical_gradient(top, bottom))
    canvas.paint(lettering(text, 34, centre=(48, 48.5)), "#ffffff")
    return canvas


def generic_person():
    canvas = Canvas()
    canvas.paint(PERSON_DISC, "#e3e7ec")
    figure = circle(48, 37, 17) | ellipse(48, 94, 33, 30)
    canvas.paint(figure & circle(48, 48, 47), vertical_gradient("#a9b3bf", "#95a0ad", 18, 96))
    return canvas


def generic_company():
    canvas = Canvas()
    canvas.paint(COMPANY_TILE, "#e3e7ec")
    building = vertical_gradient("#a9b3bf", "#95a0ad", 16, 80)
    canvas.paint(rounded_rect(24, 16, 58, 80, 3), building)
    canvas.paint(rounded_rect(56, 38, 74, 80, 3), building)
    windows = [rounded_rect(x, y, x + 6, y + 7, 1.5)
               for x in (30, 38.5, 47) for y in (23, 34, 45, 56)]
    windows += [rounded_rect(61.5, y, 68.5, y + 6, 1.5) for y in (45, 56)]
    for window in windows:
        canvas.paint(window, "#e3e7ec")
    canvas.paint(rounded_rect(37, 67, 45, 80, 1.5), "#e3e7ec")
    canvas.paint(rounded_rect(18, 78, 78, 82, 2), "#8c97a4")
    return canvas


def overlapping_rings(top, bottom):
    """Three interlaced translucent discs on a shaded disc."""
    canvas = Canvas()
    canvas.paint(PERSON_DISC, vertical_gradient(top, bottom))
    for cx, cy in ((48, 37), (37.5, 55), (58.5, 55)):
        canvas.paint(circle(cx, cy, 17), "#ffffff", 0.45)
    return canvas


def mountains(top, bottom):
    """A sun over two peaks, clipped to a shaded disc."""
    canvas = Canvas()
    canvas.paint(PERSON_DISC, vertical_gradient(top, bottom))
    canvas.paint(circle(63, 33, 9), "#ffe9a8")
    far = polygon([(30, 96), (58, 46), (86, 96)]) & PERSON_DISC
    near = polygon([(4, 96), (34, 40), (64, 96)]) & PERSON_DISC
    canvas.paint(far, "#ffffff", 0.55)
    canvas.paint(near, "#ffffff", 0.9)
    return canvas


def lantern(top, bottom):
    """A paper lantern: ribbed body, caps and a hanging cord, on a shaded tile."""
    canvas = Canvas()
    canvas.paint(COMPANY_TILE, vertical_gradient(top, bottom))
    canvas.paint(strokes([[(48, 10), (48, 22)]], 2.5), "#fff3dc")
    canvas.paint(ellipse(48, 50, 24, 26), "#ffb74d")
    for dy in (-16, -8, 0, 8, 16):
        rib = 24 * math.sqrt(1 - (dy / 26) ** 2) - 2
        canvas.paint(strokes([[(48 - rib, 50 + dy), (48 + rib, 50 + dy)]], 1.6), "#e4572e", 0.8)
    canvas.paint(rounded_rect(37, 20, 59, 27, 2.5), "#4a2c2a")
    canvas.paint(rounded_rect(37, 73, 59, 80, 2.5), "#4a2c2a")
    canvas.paint(strokes([[(48, 80), (48, 88)]], 2.5), "#fff3dc")
    return canvas


def sunburst(top, bottom):
    """A sun with twelve rays on a shaded tile."""
    canvas = Canvas()
    canvas.paint(COMPANY_TILE, vertical_gradient(top, bottom))
    rays = [[(48 + 24 * math.cos(a), 48 + 24 * math.sin(a)),
             (48 + 34 * math.cos(a), 48 + 34 * math.sin(a))]
            for a in (math.radians(15 + 30 * i) for i in range(12))]
    canvas.paint(strokes(rays, 5), "#ffd166")
    canvas.paint(circle(48, 48, 17), vertical_gradient("#ffe08a", "#ffb703", 31, 65))
    return canvas


def numeral_tile(text, top, bottom, ink):
    """A numeral on a shaded tile (for names that start with a digit)."""
    canvas = Canvas()
    canvas.paint(COMPANY_TILE, vertical_gradient(top, bottom))
    canvas.paint(lettering(text, 46, weight=1.7, centre=(48, 48)), ink)
    return canvas


RESOURCE_PICTURES = {
    "genericPerson.png": generic_person,
    "genericCompany.png": generic_company,
    "vorlin-sample.png": lambda: initials("JS", "#4f8fe0", "#2f6bbd"),
}

# The demo contacts that have a picture, by their FN.
DEMO_PICTURES = {
    "Dr. Camille Aubert": lambda: initials("CA", "#f08a6c", "#d9573b"),
    "Jonas Brandt": lambda: initials("JB", "#4fb3a9", "#2a8c82"),
    "Deniz Çelik": lambda: overlapping_rings("#b07ad9", "#7d4fb3"),
    "Isla Fairweather": lambda: initials("IF", "#f3b548", "#dc8f1a"),
    "Kenji Hayashi": lambda: initials("KH", "#5c7cfa", "#3b57d6"),
    "Marcus T. Jones Jr.": lambda: initials("MJ", "#3f4c5c", "#1f2a37"),
    "Giulia Pellegrini": lambda: initials("GP", "#e66a8d", "#c23d66"),
    "Søren Østergaard": lambda: initials("SØ", "#66a86a", "#3f8a47"),
    "Arjun Venkataraman": lambda: mountains("#4aa3d8", "#1f6fa8"),
    "Haruka Yamamoto": lambda: initials("HY", "#9b8cf2", "#6c5ad6"),
    "The Paper Lantern Tea House": lambda: lantern("#3b2f4a", "#241b30"),
    "7th Street Bakery": lambda: numeral_tile("7", "#f6e3c0", "#e8c68d", "#8a5a2b"),
    "Nordlicht Solar GmbH": lambda: sunburst("#1f4e8c", "#123463"),
}

# ---------------------------------------------------------------------------- vCard


def unfolded_lines(text):
    lines = []
    for line in text.replace("\r\n", "\n").split("\n"):
        if line[:1] in (" ", "\t") and lines:
            lines[-1] += line[1:]
        elif line:
            lines.append(line)
    return lines


def folded(line, limit=75):
    """Folds after at most limit octets, never inside a UTF-8 sequence, and never leaves a
    blank at the end of a line (tools that trim line ends would lose it)."""
    pieces, current, size = [], "", 0
    for c in line:
        octets = len(c.encode("utf-8"))
        if size + octets > limit:
            kept = current.rstrip(" ") if current.strip() else current
            carried = current[len(kept):]
            pieces.append(kept)
            current, size = " " + carried, 1 + len(carried)
        current += c
        size += octets
    return "\r\n".join(pieces + [current])


def with_pictures(text):
    """The vCard text with a fresh PHOTO on each card that DEMO_PICTURES names."""
    out, card, found = [], [], set()
    for line in unfolded_lines(text):
        if line.upper().startswith("PHOTO"):
            continue
        card.append(line)
        if line.upper() == "END:VCARD":
            name = next((l[3:] for l in card if l.upper().startswith("FN:")), None)
            if name in DEMO_PICTURES:
                found.add(name)
                picture = base64.b64encode(DEMO_PICTURES[name]().png()).decode("ascii")
                card.insert(-1, "PHOTO;ENCODING=b;TYPE=PNG:" + picture)
            out += card
            card = []
    missing = set(DEMO_PICTURES) - found
    if missing:
        sys.exit("no card with FN " + ", ".join(sorted(missing)))
    return "".join(folded(line) + "\r\n" for line in out)


def main():
    check = "--check" in sys.argv[1:]
    outputs = {ROOT / "engine/resources/images" / name: make().png()
               for name, make in RESOURCE_PICTURES.items()}
    demo = ROOT / "examples/demo-contacts.vcf"
    outputs[demo] = with_pictures(demo.read_text(encoding="utf-8")).encode("utf-8")
    changed = [path for path, data in outputs.items()
               if not path.exists() or path.read_bytes() != data]
    for path in changed:
        print(("would change " if check else "wrote ") + str(path.relative_to(ROOT)))
        if not check:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(outputs[path])
    sys.exit(1 if check and changed else 0)


if __name__ == "__main__":
    main()
