#!/usr/bin/env python3
"""Questions about a screenshot of one window's client area (taken with import -window).

    picture.py SHOT.png QUESTION ARGUMENTS...

Pixel (0, 0) of the screenshot is the top-left corner of the client area. Colours are written
R,G,B. Positions are in the screenshot's own pixels: with E2E_SCALE set (the device pixels per
layout pixel, 2 for QT_SCALE_FACTOR=2, 1.5 for a logical DPI of 144) the layout's places are scaled
by it, as the program's are. A curve or its axes are named by the aspect factor and the eight
parameters as typed into the parameter screen: INCR A B C D E P ALPHA BETA. One line on stdout tells what was found; the
exit status is 0 when it is what was asked for, 1 when it is not, 2 for a bad question.

Questions:
  pixel X Y                     the colour of one pixel (always status 0)
  curve COLOUR SET [apart SET]  every dot of the curve that falls on the drawing surface has
                                COLOUR, and there are such dots; with "apart", only the dots
                                lying clear of the other drawing's dots and axes
  dots COLOUR SET               as curve, but the curve may lie wholly off the surface
  axes COLOUR SET               the three axis lines are there, in COLOUR
  colours COLOUR...             the drawing surface holds nothing but its background (its most
                                frequent colour) and the given colours
  filled X Y W H COLOUR         the inside of the rectangle (pixels; its 3-pixel rim, scaled, left
                                out, where a field draws its frame and rounds its corners) is
                                COLOUR and nothing else
  same OTHER.png                the drawing surface is the same in both screenshots
  circle COLOUR INCR [round]    the calibration circle for the factor INCR: every one of its dots
                                has COLOUR where the calibration screen's user scale puts it; with
                                "round", those dots make a rounder circle than at the bar's next
                                value on either side
  shows COLOUR                  some pixels have COLOUR
  differs X Y W H OTHER.png     the rectangle (pixels) looks different in the other screenshot,
                                as a control does when the focus comes or goes
"""

import math
import os
import struct
import subprocess
import sys
from collections import Counter

SURFACE_WIDTH = 300.0
CENTRE_SHIFT = 10.0
# The drawing screen's buttons lie over its surface (twips: left, top, width, height).
BUTTONS_TWIPS = [(960, 720, 1695, 615), (3000, 720, 1695, 615), (960, 1800, 1695, 615)]
TWIPS_PER_PIXEL = 15  # 96 dots per inch
SCALE = float(os.environ.get('E2E_SCALE', '1'))
# The calibration screen's user scale and figure.
CALIBRATION_WIDTH = 146367.359375
CALIBRATION_SHIFT = 20000.0
CALIBRATION_RADIUS = 36367.36328125


def f32(value):
    """The value rounded to single precision, as the surface's coordinates are."""
    try:
        return struct.unpack('f', struct.pack('f', value))[0]
    except OverflowError:
        return math.copysign(math.inf, value)


P1 = f32(f32(math.pi) / 180)


class Shot:
    def __init__(self, path):
        self.path = path
        ppm = subprocess.run(['convert', path, '-depth', '8', 'ppm:-'], check=True,
                             stdout=subprocess.PIPE, timeout=30).stdout
        fields = ppm.split(maxsplit=4)
        if fields[0] != b'P6' or fields[3] != b'255':
            raise SystemExit(f'{path}: not an 8-bit picture')
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = fields[4]
        self.buttons = [tuple(math.floor(round(t / TWIPS_PER_PIXEL) * SCALE) for t in b)
                        for b in BUTTONS_TWIPS]

    def colour(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def under_buttons(self):
        """The pixels that a button of the drawing screen covers (with its focus frame)."""
        margin = math.ceil(2 * SCALE)
        for left, top, w, h in self.buttons:
            for y in range(max(0, top - margin), min(self.height, top + h + margin)):
                for x in range(max(0, left - margin), min(self.width, left + w + margin)):
                    yield x, y

    def on_surface(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            return False
        margin = math.ceil(2 * SCALE)
        return not any(l - margin <= x < l + w + margin and t - margin <= y < t + h + margin
                       for l, t, w, h in self.buttons)

    def surface_colours(self):
        counts = Counter(zip(self.data[0::3], self.data[1::3], self.data[2::3]))
        counts.subtract(self.colour(x, y) for x, y in self.under_buttons())
        return +counts


def surface_size(shot):
    """The client area the program's user scale spans, in the screenshot's pixels: the toolkit
    sizes a window in whole layout pixels, rounded from the device pixels the window manager
    gave it (an odd height at twice the scale counts as the next even one)."""
    return tuple(math.floor(n / SCALE + 0.5) * SCALE for n in (shot.width, shot.height))


class Scale:
    """User units to pixels: 300 units across, 300 x Incr down."""

    def __init__(self, shot, incr):
        width, height = surface_size(shot)
        self.sx = width / SURFACE_WIDTH
        self.scale_height = f32(SURFACE_WIDTH * incr)
        self.sy = height / self.scale_height
        self.cx = f32(SURFACE_WIDTH / 2 + CENTRE_SHIFT)
        self.cy = f32(self.scale_height / 2)

    def pixel(self, x, y):
        px, py = x * self.sx, y * self.sy
        if not (math.isfinite(px) and math.isfinite(py)) or abs(px) > 1e9 or abs(py) > 1e9:
            return None
        return math.floor(px), math.floor(py)


def view(alpha, beta):
    # The images of the model's X and Y axes run at 45 degrees; the angles set only their
    # lengths, through the cosine (both coefficients of an axis are the cosine).
    ca = math.cos(P1 * alpha)
    cb = math.cos(P1 * beta)
    return ca, ca, cb, cb


def curve_dots(scale, a, b, c, d, e, p, alpha, beta):
    """Where the dots of one drawing fall, in user units: rho 0..720, mu 0..360 degrees."""
    ca, sa, cb, sb = view(alpha, beta)
    for rho in range(0, 721, 5):
        rho_r = f32(rho * P1)
        cr, sr = math.cos(rho_r), math.sin(rho_r)
        for mu in range(0, 361, 5):
            mu_r = f32(mu * P1)
            ups = mu_r * e
            x = a * math.cos(mu_r) + (c * ups) * cr
            y = b * math.sin(mu_r) + (d * ups) * sr
            z = p * (mu_r + ups)
            m = (-x) * ca + y * cb
            n = x * sa + y * sb - z
            yield f32(m + scale.cx), f32(n + scale.cy)


def visible_pixels(shot, scale, dots):
    for x, y in dots:
        pixel = scale.pixel(x, y)
        if pixel and shot.on_surface(*pixel):
            yield pixel


def parse_colour(text):
    parts = tuple(int(v) for v in text.split(','))
    if len(parts) != 3:
        raise ValueError(text)
    return parts


def parse_set(args):
    incr, *params = (float(v) for v in args[:9])
    if len(params) != 8:
        raise ValueError('a curve needs INCR and eight parameters')
    return incr, params


def curve_check(shot, args):
    """The curve's visible dots, those of them not in COLOUR, and a line telling so."""
    colour = parse_colour(args[0])
    incr, params = parse_set(args[1:10])
    scale = Scale(shot, incr)
    pixels = set(visible_pixels(shot, scale, curve_dots(scale, *params)))
    rest = args[10:]
    if rest:
        if rest[0] != 'apart':
            raise ValueError(rest[0])
        other_incr, other = parse_set(rest[1:10])
        other_scale = Scale(shot, other_incr)
        # The other drawing covers its own dots and its axis lines.
        covered = set(visible_pixels(shot, other_scale, curve_dots(other_scale, *other)))
        for line in axis_lines(other_scale, other[6], other[7]):
            covered.update(line_pixels(shot, other_scale, line, 2000))
        pixels -= {(x + dx, y + dy) for x, y in covered for dx in range(-3, 4) for dy in range(-3, 4)}
    wrong = sorted(p for p in pixels if shot.colour(*p) != colour)
    detail = f'{len(pixels) - len(wrong)} of {len(pixels)} dots in {args[0]}'
    if wrong:
        x, y = wrong[0]
        detail += f'; first other: ({x},{y}) is {",".join(map(str, shot.colour(x, y)))}'
    return pixels, wrong, detail


def ask_curve(shot, args):
    pixels, wrong, detail = curve_check(shot, args)
    return bool(pixels) and not wrong, detail


def ask_dots(shot, args):
    _, wrong, detail = curve_check(shot, args)
    return not wrong, detail


def axis_lines(scale, alpha, beta):
    """The three axis lines in user units: the first from the top edge down to the centre."""
    ca, sa, cb, sb = view(alpha, beta)
    cx, cy = scale.cx, scale.cy
    # The axis ends project the centre itself with Z = 0; the third line exchanges M and N.
    m = (-cx) * ca + cy * cb
    n = cx * sa + cy * sb - 0
    return [((cx, 0.0), (cx, cy)),
            ((cx, cy), (f32(cx + m), f32(cy + n))),
            ((cx, cy), (f32(cx + n), f32(cy + m)))]


def line_pixels(shot, scale, line, samples):
    (x1, y1), (x2, y2) = line
    for i in range(1, samples):
        t = i / samples
        pixel = scale.pixel(x1 + t * (x2 - x1), y1 + t * (y2 - y1))
        if pixel and shot.on_surface(*pixel):
            yield pixel


def ask_axes(shot, args):
    colour = parse_colour(args[0])
    incr, params = parse_set(args[1:10])
    scale = Scale(shot, incr)
    results = []
    ok = True
    for number, line in enumerate(axis_lines(scale, params[6], params[7])):
        samples = hits = 0
        for px, py in line_pixels(shot, scale, line, 100):
            samples += 1
            if any(shot.on_surface(px + dx, py + dy) and shot.colour(px + dx, py + dy) == colour
                   for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                hits += 1
        # Dots of the curve lie over the axes in places; most of each line stays visible. The
        # first line, from the top edge to the centre, is always on the surface; the others may
        # leave it for extreme angles.
        enough = samples >= 10 or (number > 0 and hits == samples)
        ok = ok and enough and hits >= 0.8 * samples
        results.append(f'{hits}/{samples}')
    return ok, f'axis samples in {args[0]}: ' + ' '.join(results)


def ask_colours(shot, args):
    allowed = {parse_colour(a) for a in args}
    counts = shot.surface_colours()
    background = counts.most_common(1)[0][0]
    others = {c: n for c, n in counts.items() if c != background and c not in allowed}
    detail = f'background {",".join(map(str, background))}, ' + ', '.join(
        f'{",".join(map(str, c))}: {counts[c]}' for c in sorted(allowed))
    if others:
        worst = sorted(others.items(), key=lambda item: -item[1])[:3]
        detail += '; also ' + ', '.join(f'{",".join(map(str, c))}: {n}' for c, n in worst)
    return not others, detail


def ask_filled(shot, args):
    x, y, w, h = (int(v) for v in args[:4])
    colour = parse_colour(args[4])
    rim = math.ceil(3 * SCALE)
    inside = [(i, j) for i in range(x + rim, x + w - rim) for j in range(y + rim, y + h - rim)]
    wrong = [p for p in inside if shot.colour(*p) != colour]
    return inside and not wrong, f'{len(inside) - len(wrong)} of {len(inside)} pixels in {args[4]}'


def ask_same(shot, args):
    other = Shot(args[0])
    if (other.width, other.height) != (shot.width, shot.height):
        return False, f'sizes differ: {shot.width}x{shot.height}, {other.width}x{other.height}'
    buttons = set(shot.under_buttons())
    changed = 0
    for y in range(shot.height):
        start, end = y * shot.width * 3, (y + 1) * shot.width * 3
        if shot.data[start:end] != other.data[start:end]:
            changed += sum(1 for x in range(shot.width)
                           if (x, y) not in buttons and shot.colour(x, y) != other.colour(x, y))
    return not changed, f'{changed} pixels of the surface differ from {args[0]}'


def ask_circle(shot, args):
    colour = parse_colour(args[0])
    incr = float(args[1])
    width = f32(CALIBRATION_WIDTH)
    height = f32(width * incr)
    cx, cy = f32(width / 2 + CALIBRATION_SHIFT), f32(height / 2)
    surface_width, surface_height = surface_size(shot)
    sx, sy = surface_width / width, surface_height / height
    pixels = set()
    angle = 0.0
    while angle <= 360:
        x = f32(cx + math.cos(angle * P1) * CALIBRATION_RADIUS)
        y = f32(cy + math.sin(angle * P1) * CALIBRATION_RADIUS)
        pixels.add((math.floor(x * sx), math.floor(y * sy)))
        angle += 0.1
    pixels = {p for p in pixels if 0 <= p[0] < shot.width and 0 <= p[1] < shot.height}
    wrong = sorted(p for p in pixels if shot.colour(*p) != colour)
    across = CALIBRATION_RADIUS * 2 * sx
    down = CALIBRATION_RADIUS * 2 * sy
    detail = (f'{len(pixels) - len(wrong)} of {len(pixels)} dots in {args[0]}, '
              f'{across:.0f} pixels across and {down:.0f} down')
    ok = bool(pixels) and not wrong
    if args[2:] == ['round']:
        # Down is inversely proportional to the factor; across does not change with it.
        def skew(factor):
            return abs(across / (down * incr / factor) - 1)
        ok = ok and skew(incr) < min(skew(incr - 0.02), skew(incr + 0.02))
        detail += f', {100 * skew(incr):.1f}% from round ({100 * skew(incr - 0.02):.1f}% and ' \
                  f'{100 * skew(incr + 0.02):.1f}% one step either side)'
    return ok, detail


def ask_differs(shot, args):
    x, y, w, h = (int(v) for v in args[:4])
    other = Shot(args[4])
    area = [(i, j) for i in range(max(0, x), min(shot.width, other.width, x + w))
            for j in range(max(0, y), min(shot.height, other.height, y + h))]
    changed = sum(1 for p in area if shot.colour(*p) != other.colour(*p))
    return changed > 0, f'{changed} of {len(area)} pixels differ from {args[4]}'


def ask_shows(shot, args):
    colour = parse_colour(args[0])
    found = sum(1 for pixel in zip(shot.data[0::3], shot.data[1::3], shot.data[2::3]) if pixel == colour)
    return found > 0, f'{found} pixels in {args[0]}'


QUESTIONS = {'curve': ask_curve, 'dots': ask_dots, 'axes': ask_axes, 'colours': ask_colours,
             'filled': ask_filled, 'same': ask_same,
             'circle': ask_circle, 'differs': ask_differs, 'shows': ask_shows}


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    shot = Shot(argv[1])
    question, args = argv[2], argv[3:]
    try:
        if question == 'pixel':
            print(','.join(map(str, shot.colour(int(args[0]), int(args[1])))))
            return 0
        ok, detail = QUESTIONS[question](shot, args)
    except (KeyError, IndexError, ValueError) as error:
        print(f'bad question {argv[2:]}: {error}', file=sys.stderr)
        return 2
    print(detail)
    return 0 if ok else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv))
