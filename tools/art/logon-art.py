#!/usr/bin/env python3
"""Draw the eighteen logon-screen pictures as SVG: resources/art/logon/<name>.svg.

Each picture is a function below that returns the SVG text of a 1920 x 1080 drawing.
Scattered things (stars, petals, blades of grass, windows, ...) are placed by a
random generator seeded with the picture's name, so every run writes the same files.
tools/art/render-logon.sh turns the SVGs into the JPEG files the program ships.

Usage: tools/art/logon-art.py [NAME...]      (default: all pictures)
"""

import math
import os
import random
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
OUT = os.path.join(ROOT, "resources", "art", "logon")
W, H = 1920, 1080


def svg(body, defs="", comment=""):
    note = "  <!-- %s\n       Written by tools/art/logon-art.py; edit that, not this file. -->\n" % comment
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '%s  <defs>\n%s  </defs>\n%s</svg>\n' % (W, H, W, H, note, defs, body))


def f(x):
    """A number, short."""
    return ("%.1f" % x).rstrip("0").rstrip(".")


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    """Blend two #RRGGBB colours."""
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02X%02X%02X" % tuple(round(lerp(x, y, t)) for x, y in zip(a, b))


def gradient(kind, gid, stops, **attrs):
    a = " ".join('%s="%s"' % (k.replace("_", "-"), v) for k, v in attrs.items())
    s = "".join('      <stop offset="%s" stop-color="%s"%s/>\n'
                % (o, c, "" if op is None else ' stop-opacity="%s"' % op)
                for o, c, op in [(x + (None,))[:3] for x in stops])
    return '    <%sGradient id="%s" %s>\n%s    </%sGradient>\n' % (kind, gid, a, s, kind)


def glow(gid, colour, peak=1.0, inner=None, power=2.2):
    """A radial glow fading smoothly to nothing at its edge (a plain linear ramp
    shows a ring where it ends)."""
    stops = []
    if inner:
        stops.append((0, inner, peak))
    for i in range(1 if inner else 0, 17):
        t = i / 16
        stops.append(("%.4g" % t, colour, "%.3f" % (peak * (1 - t) ** power)))
    return gradient("radial", gid, stops, cx=0.5, cy=0.5, r=0.5)


def blur(fid, deviation):
    return ('    <filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
            '<feGaussianBlur stdDeviation="%s"/></filter>\n' % (fid, deviation))


PICTURES = {}


def picture(function):
    PICTURES[function.__name__] = function
    return function


def ridge(y0, amplitude, roughness, seed_step):
    """A mountain ridge line across the picture: a sum of a few sines and jitter."""
    phases = [random.uniform(0, 6.3) for _ in range(4)]
    points = []
    for i in range(0, 97):
        x = W * i / 96
        y = y0
        for k, p in enumerate(phases):
            y -= amplitude / (k + 1) * math.sin(x / (W / (1.3 + k * 1.7)) * math.pi + p)
        y += random.uniform(-roughness, roughness)
        points.append((x, y))
    return points


def ridge_path(points):
    d = "M0 %d L%s L%d %d Z" % (H, " L".join("%s %s" % (f(x), f(y)) for x, y in points), W, H)
    return d


@picture
def sunrise():
    defs = gradient("linear", "sky", [(0, "#1C2A5C"), (0.38, "#59508A"), (0.62, "#D9787A"),
                                      (0.8, "#F6B36B"), (1, "#FFE0A0")], x1=0, y1=0, x2=0, y2=1)
    defs += glow("sun", "#FFD27A", 1.0, inner="#FFFDF0", power=1.6)
    defs += glow("glow", "#F7B06B", 0.7, inner="#FFE3A3")
    defs += gradient("linear", "mist", [(0, "#FFD9B0", 0), (0.6, "#FFD9B0", 0.55), (1, "#FFD9B0", 0)],
                     x1=0, y1=0, x2=0, y2=1)
    defs += blur("soft", 6) + blur("haze", 30)
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    # thin clouds lit from below
    body += '  <g filter="url(#haze)" opacity="0.55">\n'
    for _ in range(9):
        x, y = random.uniform(-100, W), random.uniform(180, 520)
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>\n' % (
            f(x), f(y), f(random.uniform(160, 380)), f(random.uniform(10, 24)),
            mix("#F7A7A0", "#FFD6A0", random.random()))
    body += '  </g>\n'
    sx, sy = 1180, 650
    body += '  <circle cx="%d" cy="%d" r="620" fill="url(#glow)"/>\n' % (sx, sy)
    body += '  <circle cx="%d" cy="%d" r="150" fill="url(#sun)"/>\n' % (sx, sy)
    body += '  <circle cx="%d" cy="%d" r="62" fill="#FFFBEA"/>\n' % (sx, sy)
    # ridges from far (light, hazy) to near (dark)
    layers = [("#C98A96", 650, 70, 6), ("#A66E8E", 720, 90, 8), ("#7B5283", 800, 80, 8),
              ("#533C6E", 880, 70, 6), ("#33284F", 960, 60, 5), ("#1E1833", 1030, 45, 4)]
    for i, (colour, y0, amp, rough) in enumerate(layers):
        body += '  <path d="%s" fill="%s"/>\n' % (ridge_path(ridge(y0, amp, rough, i)), colour)
        if i < len(layers) - 1:
            body += '  <rect y="%d" width="%d" height="%d" fill="url(#mist)" opacity="%s"/>\n' % (
                y0 - 40, W, 140, f(0.7 - i * 0.1))
    # a few birds
    body += '  <g fill="none" stroke="#2A1E3A" stroke-width="3" stroke-linecap="round">\n'
    for _ in range(7):
        x, y, s = random.uniform(560, 1000), random.uniform(330, 470), random.uniform(9, 18)
        body += '    <path d="M%s %s q%s %s %s %s q%s %s %s %s"/>\n' % (
            f(x - s), f(y), f(s / 2), f(-s / 2), f(s), f(0), f(s / 2), f(-s / 2), f(s), f(0))
    body += '  </g>\n'
    return svg(body, defs, "Sunrise over layered mountain ridges, mist between them.")


@picture
def sea():
    horizon = 600
    defs = gradient("linear", "sky", [(0, "#2D6FB7"), (0.55, "#8DB8DE"), (0.85, "#F3D2A8"),
                                      (1, "#FBE3BE")], x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "water", [(0, "#6E9CC0"), (0.12, "#3F7BAA"), (0.5, "#1F5A8A"),
                                         (1, "#0E3559")], x1=0, y1=0, x2=0, y2=1)
    defs += glow("sun", "#FFE6A8", 1.0, inner="#FFFFF4", power=2.0)
    defs += gradient("linear", "path", [(0, "#FFF1C8", 0.7), (0.5, "#FFE3A6", 0.25),
                                        (1, "#FFE3A6", 0.05)], x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "fade", [(0, "#FFFFFF", 0), (1, "#FFFFFF", 1)], x1=0, y1=0, x2=0, y2=1)
    defs += blur("soft", 34) + blur("cloud", 18)
    # Waves: fractal noise stretched along the horizon, turned into light and dark streaks.
    defs += ('    <filter id="waves" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.0035 0.045" numOctaves="4" seed="7"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 1  0 0 0 0 1  0 0 0 0 1  0 0 0 -2.2 1.5"/>\n'
             '    </filter>\n')
    defs += ('    <mask id="deeper"><rect y="%d" width="%d" height="%d" fill="url(#fade)"/></mask>\n'
             % (horizon, W, H - horizon))
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, horizon + 2)
    body += '  <g filter="url(#cloud)">\n'
    for _ in range(9):
        x, y = random.uniform(-200, W + 200), random.uniform(90, 430)
        opacity = random.uniform(0.3, 0.6)
        for _ in range(5):  # a cloud is a loose row of puffs
            body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#FFFFFF" opacity="%s"/>\n' % (
                f(x + random.uniform(-220, 220)), f(y + random.uniform(-12, 12)),
                f(random.uniform(60, 170)), f(random.uniform(12, 30)), f(opacity))
    body += '  </g>\n'
    sx = 760
    body += '  <circle cx="%d" cy="%d" r="260" fill="url(#sun)"/>\n' % (sx, horizon - 70)
    body += '  <circle cx="%d" cy="%d" r="46" fill="#FFFDF2"/>\n' % (sx, horizon - 70)
    # a far island
    body += ('  <path d="M1280 %d C1330 %d 1380 %d 1430 %d C1480 %d 1560 %d 1640 %d Z" fill="#5B7C98"/>\n'
             % (horizon + 1, horizon - 22, horizon - 40, horizon - 30, horizon - 20, horizon - 8, horizon + 1))
    body += '  <rect y="%d" width="%d" height="%d" fill="url(#water)"/>\n' % (horizon, W, H - horizon)
    # the sun's glitter path, widening toward the viewer
    body += '  <path d="M%d %d L%d %d L%d %d L%d %d Z" fill="url(#path)" filter="url(#soft)"/>\n' % (
        sx - 30, horizon, sx + 30, horizon, sx + 300, H, sx - 300, H)
    body += '  <g fill="#FFF4D2">\n'
    for _ in range(520):
        t = random.random() ** 1.6
        y = horizon + 3 + t * (H - horizon)
        half = 30 + t * 360
        x = sx + random.gauss(0, half / 2.2)
        length = 4 + t * 60 * random.uniform(0.4, 1.2)
        body += '    <rect x="%s" y="%s" width="%s" height="%s" rx="%s" opacity="%s"/>\n' % (
            f(x - length / 2), f(y), f(length), f(1 + t * 4), f(0.5 + t * 2),
            f(random.uniform(0.35, 0.95) * (1 - 0.5 * abs(x - sx) / (half + 1))))
    body += '  </g>\n'
    body += ('  <rect y="%d" width="%d" height="%d" filter="url(#waves)" mask="url(#deeper)" opacity="0.3"/>\n'
             % (horizon, W, H - horizon))
    body += '  <rect y="%d" width="%d" height="2" fill="#FFF1D6" opacity="0.6"/>\n' % (horizon - 1, W)
    return svg(body, defs, "The open sea at golden hour, the sun's glitter path on the water.")


def stars(count, area, sizes=(0.6, 2.2), colours=("#FFFFFF", "#DCE6FF", "#FFF2D8"), weight=1.0):
    """Scattered stars inside area (x0, y0, x1, y1); more small than large ones."""
    x0, y0, x1, y1 = area
    out = []
    for _ in range(count):
        r = lerp(sizes[0], sizes[1], random.random() ** 3)
        out.append('    <circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>\n' % (
            f(random.uniform(x0, x1)), f(random.uniform(y0, y1) ** weight if weight == 1 else
                                         y0 + (y1 - y0) * random.random() ** weight),
            f(r), random.choice(colours), f(random.uniform(0.35, 1))))
    return "".join(out)


def sparkle(x, y, size, colour="#FFFFFF"):
    s, t = size, size * 0.16
    return ('    <path d="M%s %s L%s %s L%s %s L%s %s L%s %s L%s %s L%s %s L%s %s Z" fill="%s"/>\n'
            % (f(x), f(y - s), f(x + t), f(y - t), f(x + s), f(y), f(x + t), f(y + t),
               f(x), f(y + s), f(x - t), f(y + t), f(x - s), f(y), f(x - t), f(y - t), colour))


@picture
def crescent():
    defs = gradient("radial", "sky", [(0, "#24386F"), (0.55, "#142350"), (1, "#070C24")],
                    cx=0.66, cy=0.3, r=0.95)
    defs += glow("halo", "#C9D6FF", 0.4, inner="#FFF3C4", power=2.6)
    defs += gradient("linear", "moon", [(0, "#FFF8DE"), (1, "#F5D98A")], x1=0, y1=0, x2=1, y2=1)
    defs += gradient("linear", "land", [(0, "#0E1634"), (1, "#050916")], x1=0, y1=0, x2=0, y2=1)
    defs += blur("glow", 10) + blur("band", 60) + blur("wisp", 14)
    mx, my, mr = 1330, 330, 130
    defs += ('    <mask id="crescent"><rect width="%d" height="%d" fill="#000"/>'
             '<circle cx="%d" cy="%d" r="%d" fill="#FFF"/>'
             '<circle cx="%d" cy="%d" r="%d" fill="#000"/></mask>\n'
             % (W, H, mx, my, mr, mx + 58, my - 40, mr - 6))
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    # a faint band of the Milky Way
    body += '  <g filter="url(#band)" opacity="0.35">\n'
    for i in range(14):
        t = i / 13
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" transform="rotate(-28 %s %s)"/>\n' % (
            f(lerp(-100, 2000, t)), f(lerp(980, 40, t) + random.uniform(-40, 40)),
            f(random.uniform(120, 220)), f(random.uniform(40, 80)),
            random.choice(["#8EA6E8", "#B7A6E8", "#9FC4F0"]), f(lerp(-100, 2000, t)), f(lerp(980, 40, t)))
    body += '  </g>\n  <g>\n' + stars(900, (0, 0, W, 900)) + '  </g>\n'
    body += '  <g>\n'
    for _ in range(9):
        body += sparkle(random.uniform(60, W - 60), random.uniform(40, 700), random.uniform(7, 14))
    body += '  </g>\n'
    body += '  <circle cx="%d" cy="%d" r="520" fill="url(#halo)"/>\n' % (mx, my)
    body += '  <circle cx="%d" cy="%d" r="%d" fill="url(#moon)" mask="url(#crescent)" filter="url(#glow)" opacity="0.8"/>\n' % (mx, my, mr)
    body += '  <circle cx="%d" cy="%d" r="%d" fill="url(#moon)" mask="url(#crescent)"/>\n' % (mx, my, mr)
    # thin clouds drifting below the moon, lit at their tops
    body += '  <g filter="url(#wisp)">\n'
    for _ in range(7):
        x, y = random.uniform(700, 1900), random.uniform(430, 640)
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#7D8FC8" opacity="%s"/>\n' % (
            f(x), f(y), f(random.uniform(120, 260)), f(random.uniform(6, 14)), f(random.uniform(0.25, 0.5)))
    body += '  </g>\n'
    # hills with a few pines against the sky
    hill = "M0 %d C300 900 560 880 820 930 S1360 860 1920 905 V1080 H0 Z" % H
    body += '  <path d="M0 1080 V960 C320 910 600 930 900 950 S1500 900 1920 940 V1080 Z" fill="#0F1A3E"/>\n'
    body += '  <path d="%s" fill="url(#land)" transform="translate(0 60)"/>\n' % hill
    body += '  <g fill="#04070F">\n'
    for _ in range(26):
        x = random.uniform(0, W)
        base = 985 + 40 * math.sin(x / 300) + random.uniform(0, 30)
        h = random.uniform(40, 110)
        wdt = h * 0.34
        pts = []
        for k in range(5):  # a pine: tiers narrowing to the top
            ty = base - h * k / 5
            hw = wdt * (1 - k / 5)
            pts.append((x - hw, ty))
        tip = (x, base - h)
        d = "M%s %s " % (f(x - wdt), f(base))
        for k in range(1, 5):
            d += "L%s %s L%s %s " % (f(x - wdt * (1 - k / 5) * 0.55), f(base - h * k / 5),
                                     f(x - wdt * (1 - k / 5)), f(base - h * k / 5 + h * 0.04))
        d += "L%s %s " % (f(tip[0]), f(tip[1]))
        for k in range(4, 0, -1):
            d += "L%s %s L%s %s " % (f(x + wdt * (1 - k / 5)), f(base - h * k / 5 + h * 0.04),
                                     f(x + wdt * (1 - k / 5) * 0.55), f(base - h * k / 5))
        d += "L%s %s Z" % (f(x + wdt), f(base))
        body += '    <path d="%s"/>\n' % d
    body += '  </g>\n'
    return svg(body, defs, "A crescent moon over dark hills and pines, the Milky Way behind.")


def cumulus(cx, cy, width, height, shade, light="#FFFFFF", puffs=26):
    """A heaped cloud: round puffs, brightest at the top, on a flatter, shaded base."""
    out = []
    for i in range(puffs):
        t = random.random()
        x = cx + (t - 0.5) * width
        # higher in the middle of the cloud, low at its ends
        top = height * (0.35 + 0.65 * math.sin(math.pi * t)) * random.uniform(0.6, 1.0)
        r = random.uniform(0.22, 0.42) * height * (0.6 + 0.8 * math.sin(math.pi * t))
        y = cy - top + r
        out.append((y, '    <circle cx="%s" cy="%s" r="%s" fill="url(#puff)"/>\n' % (f(x), f(y), f(r))))
    out.sort()
    base = ('    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>\n'
            % (f(cx), f(cy + height * 0.05), f(width * 0.52), f(height * 0.2), shade))
    return base + "".join(p for _, p in reversed(out))


@picture
def clouds():
    defs = gradient("linear", "sky", [(0, "#1F64C2"), (0.5, "#4C93DC"), (0.85, "#9CCBF2"),
                                      (1, "#D4EBFB")], x1=0, y1=0, x2=0, y2=1)
    defs += gradient("radial", "puff", [(0, "#FFFFFF"), (0.6, "#F6FAFF"), (0.85, "#DCE8F5"),
                                        (1, "#C3D5EA")], cx=0.42, cy=0.32, r=0.7, fx=0.4, fy=0.25)
    defs += glow("sun", "#FFFBE8", 0.9, inner="#FFFFFF")
    # fluffy edges: the puffs are pushed about by fractal noise
    defs += ('    <filter id="fluff" x="-10%" y="-20%" width="120%" height="140%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.012" numOctaves="4" seed="3"/>\n'
             '      <feDisplacementMap in="SourceGraphic" scale="46" xChannelSelector="R" yChannelSelector="G"/>\n'
             '      <feGaussianBlur stdDeviation="2.5"/>\n'
             '    </filter>\n')
    defs += blur("far", 5)
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    body += '  <circle cx="250" cy="140" r="520" fill="url(#sun)"/>\n'
    # distant clouds low over the horizon, then larger ones nearer
    body += '  <g filter="url(#far)" opacity="0.8">\n'
    for _ in range(9):
        body += cumulus(random.uniform(0, W), random.uniform(930, 1020), random.uniform(220, 420),
                        random.uniform(50, 90), "#C9DBEE", puffs=14)
    body += '  </g>\n'
    layers = [(780, 900, 5, (360, 560), (110, 170)), (600, 760, 4, (520, 760), (170, 240)),
              (380, 560, 3, (700, 980), (220, 320))]
    for y0, y1, count, widths, heights in layers:
        body += '  <g filter="url(#fluff)">\n'
        xs = sorted(random.uniform(-150, W + 150) for _ in range(count))
        for x in xs:
            body += cumulus(x, random.uniform(y0, y1), random.uniform(*widths),
                            random.uniform(*heights), "#B9CCE2")
        body += '  </g>\n'
    return svg(body, defs, "Heaped white clouds in a deep blue summer sky.")


@picture
def earth():
    cx, cy, r = 1380, 1520, 1150  # the planet, mostly below the picture
    defs = gradient("radial", "space", [(0, "#0B1B3A"), (0.6, "#050B1C"), (1, "#010308")],
                    cx=0.7, cy=0.9, r=0.9)
    defs += gradient("radial", "ocean", [(0, "#2F7FD0"), (0.7, "#1B4F96"), (0.93, "#12356C"),
                                         (1, "#0C2450")], cx=0.45, cy=0.38, r=0.62)
    # night side: the sun is at the upper left, so the lower right falls into shadow
    defs += gradient("linear", "night", [(0, "#000000", 0), (0.5, "#000000", 0),
                                         (0.72, "#020611", 0.55), (0.9, "#020611", 0.88),
                                         (1, "#020611", 0.95)], x1=700, y1=0, x2=2000, y2=260,
                     gradientUnits="userSpaceOnUse")
    defs += gradient("linear", "airfade", [(0, "#FFFFFF"), (0.45, "#FFFFFF"), (0.8, "#FFFFFF", 0.35),
                                           (1, "#FFFFFF", 0.15)], x1=700, y1=0, x2=2000, y2=260,
                     gradientUnits="userSpaceOnUse")
    defs += gradient("radial", "air", [(0, "#7FC6FF", 0), (0.93, "#7FC6FF", 0),
                                       (0.955, "#9AD4FF", 0.35), (0.963, "#D8EEFF", 0.85),
                                       (0.972, "#8CCBFF", 0.45), (1, "#4A9EFF", 0)],
                     cx=0.5, cy=0.5, r=0.5)
    defs += glow("flare", "#BFE3FF", 0.8, inner="#FFFFFF", power=2.5)
    defs += '    <clipPath id="globe"><circle cx="%d" cy="%d" r="%d"/></clipPath>\n' % (cx, cy, r)
    # land: low-frequency noise cut into shapes by a steep alpha curve
    defs += ('    <filter id="land" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.0016 0.0024" numOctaves="6" seed="11"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.2  0 0 0 0 0.4  0 0 0 0 0.19  6 0 0 0 -3.3"/>\n'
             '      <feComponentTransfer><feFuncA type="table" tableValues="0 0 0 1 1"/></feComponentTransfer>\n'
             '    </filter>\n'
             '    <filter id="desert" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.003" numOctaves="4" seed="4"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.6  0 0 0 0 0.5  0 0 0 0 0.3  0 2.2 0 0 -1.1"/>\n'
             '    </filter>\n'
             '    <filter id="cloudcover" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.0022 0.006" numOctaves="5" seed="21"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 1  0 0 0 0 1  0 0 0 0 1  0 0 2.4 0 -1.15"/>\n'
             '      <feGaussianBlur stdDeviation="1.2"/>\n'
             '    </filter>\n')
    defs += '    <mask id="landmask"><rect width="%d" height="%d" fill="#FFF" filter="url(#land)"/></mask>\n' % (W, H)
    defs += ('    <mask id="airmask"><circle cx="%d" cy="%d" r="%d" fill="url(#airfade)"/></mask>\n'
             % (cx, cy, int(r * 1.04)))
    defs += blur("soft", 40) + blur("rays", 1.6)
    body = '  <rect width="%d" height="%d" fill="url(#space)"/>\n' % (W, H)
    body += '  <g>\n' + stars(700, (0, 0, W, 900), sizes=(0.5, 1.9)) + '  </g>\n'
    body += '  <circle cx="%d" cy="%d" r="%d" fill="#4AA3FF" opacity="0.35" filter="url(#soft)"/>\n' % (cx, cy, r + 30)
    body += '  <g clip-path="url(#globe)">\n'
    body += '    <circle cx="%d" cy="%d" r="%d" fill="url(#ocean)"/>\n' % (cx, cy, r)
    body += '    <rect width="%d" height="%d" filter="url(#land)"/>\n' % (W, H)
    body += '    <rect width="%d" height="%d" filter="url(#desert)" mask="url(#landmask)" opacity="0.65"/>\n' % (W, H)
    body += '    <rect width="%d" height="%d" filter="url(#cloudcover)" opacity="0.92"/>\n' % (W, H)
    body += '    <circle cx="%d" cy="%d" r="%d" fill="url(#night)"/>\n' % (cx, cy, r)
    body += '  </g>\n'
    body += '  <circle cx="%d" cy="%d" r="%d" fill="url(#air)" mask="url(#airmask)"/>\n' % (cx, cy, int(r * 1.04))
    # the sun just rising over the rim
    a = math.radians(-128)
    fx, fy = cx + r * math.cos(a), cy + r * math.sin(a)
    body += '  <circle cx="%s" cy="%s" r="380" fill="url(#flare)"/>\n' % (f(fx), f(fy))
    body += '  <circle cx="%s" cy="%s" r="16" fill="#FFFFFF"/>\n' % (f(fx), f(fy))
    body += '  <g fill="#FFFFFF" filter="url(#rays)">\n'
    for angle, length, opacity in ((-14, 420, 0.7), (62, 190, 0.45), (-80, 150, 0.35)):
        body += '    <ellipse cx="%s" cy="%s" rx="%d" ry="2.2" opacity="%s" transform="rotate(%d %s %s)"/>\n' % (
            f(fx), f(fy), length, f(opacity), angle, f(fx), f(fy))
    body += '  </g>\n'
    return svg(body, defs, "The Earth from orbit: oceans, land and clouds, the sun rising over its rim.")


@picture
def triangles():
    """Low-poly: a jittered grid cut into triangles, each shaded from a colour field."""
    cols, rows = 22, 13
    step_x, step_y = W / cols, H / rows
    points = {}
    for j in range(rows + 1):
        for i in range(cols + 1):
            x, y = i * step_x, j * step_y
            if 0 < i < cols:
                x += random.uniform(-0.38, 0.38) * step_x
            if 0 < j < rows:
                y += random.uniform(-0.38, 0.38) * step_y
            points[i, j] = (x, y)
    palette = ["#1A1446", "#3A1C71", "#6A2C91", "#B2457F", "#E86A5C", "#F7A65A"]

    def colour_at(x, y):
        # a diagonal sweep from deep violet at the lower left to warm orange at the upper
        # right, with a soft bright ridge across the middle
        t = max(0.0, min(1.0, (x / W) * 0.65 + (1 - y / H) * 0.45 - 0.05))
        k = min(len(palette) - 2, int(t * (len(palette) - 1)))
        c = mix(palette[k], palette[k + 1], t * (len(palette) - 1) - k)
        ridge = math.exp(-((y - (H * 0.82 - x * 0.45)) / 260) ** 2)
        return mix(c, "#FFFFFF", 0.16 * ridge)

    defs = glow("light", "#FFE9C8", 0.35)
    body = ""
    for j in range(rows):
        for i in range(cols):
            a, b = points[i, j], points[i + 1, j]
            c, d = points[i, j + 1], points[i + 1, j + 1]
            halves = [(a, b, d), (a, d, c)] if random.random() < 0.5 else [(a, b, c), (b, d, c)]
            for tri in halves:
                x = sum(p[0] for p in tri) / 3
                y = sum(p[1] for p in tri) / 3
                colour = mix(colour_at(x, y), random.choice(["#000000", "#FFFFFF"]),
                             random.uniform(0, 0.09))
                d_ = "M%s %s L%s %s L%s %s Z" % tuple(f(v) for p in tri for v in p)
                body += '  <path d="%s" fill="%s" stroke="%s" stroke-width="1" stroke-linejoin="round"/>\n' % (
                    d_, colour, colour)
    body += '  <circle cx="1500" cy="260" r="900" fill="url(#light)"/>\n'
    return svg(body, defs, "Low-poly triangles in a sweep from violet to warm orange.")


@picture
def water():
    """Clear water over a pale floor: the bright net of caustics and a ripple sheen."""
    defs = gradient("linear", "deep", [(0, "#0A6E8C"), (0.5, "#0E8FA8"), (1, "#19B3BE")],
                    x1=0, y1=0, x2=0.4, y2=1)
    # caustics: the ridges of turbulence, where its value crosses the middle, are lit
    defs += ('    <filter id="caustics" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="turbulence" baseFrequency="0.0042 0.0058" numOctaves="2" seed="5"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.86  0 0 0 0 1  0 0 0 0 0.98  -9 0 0 0 1.55"/>\n'
             '      <feGaussianBlur stdDeviation="1.4"/>\n'
             '    </filter>\n'
             '    <filter id="caustics2" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="turbulence" baseFrequency="0.0075 0.0095" numOctaves="2" seed="9"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.7  0 0 0 0 0.98  0 0 0 0 1  -10 0 0 0 1.45"/>\n'
             '      <feGaussianBlur stdDeviation="1"/>\n'
             '    </filter>\n'
             # the surface: soft light and shade from lit fractal noise
             '    <filter id="surface" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.0028 0.0045" numOctaves="3" seed="2" result="n"/>\n'
             '      <feDiffuseLighting in="n" surfaceScale="26" diffuseConstant="1.1" lighting-color="#FFFFFF">\n'
             '        <feDistantLight azimuth="235" elevation="38"/>\n'
             '      </feDiffuseLighting>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 1  0 0 0 0 1  0 0 0 0 1  1.4 0 0 0 -0.75"/>\n'
             '    </filter>\n')
    defs += gradient("linear", "shade", [(0, "#04323F", 0.45), (0.45, "#04323F", 0), (1, "#04323F", 0.3)],
                     x1=0, y1=0, x2=1, y2=1)
    body = '  <rect width="%d" height="%d" fill="url(#deep)"/>\n' % (W, H)
    body += '  <rect width="%d" height="%d" filter="url(#caustics2)" opacity="0.45"/>\n' % (W, H)
    body += '  <rect width="%d" height="%d" filter="url(#caustics)" opacity="0.8"/>\n' % (W, H)
    body += '  <rect width="%d" height="%d" filter="url(#surface)" opacity="0.25"/>\n' % (W, H)
    body += '  <rect width="%d" height="%d" fill="url(#shade)"/>\n' % (W, H)
    return svg(body, defs, "Clear turquoise water: a net of caustic light on the floor below.")


def smooth_path(pts):
    d = "M%s %s" % (f(pts[0][0]), f(pts[0][1]))
    for a, b in zip(pts[1:], pts[2:]):
        d += " Q%s %s %s %s" % (f(a[0]), f(a[1]), f((a[0] + b[0]) / 2), f((a[1] + b[1]) / 2))
    return d


@picture
def smoke():
    """Silky plumes of coloured smoke rising and unfurling on black."""
    defs = gradient("radial", "dark", [(0, "#151A27"), (1, "#020305")], cx=0.5, cy=0.6, r=0.75)
    defs += gradient("linear", "rise", [(0, "#FFFFFF", 0), (0.18, "#FFFFFF", 0.95), (0.65, "#FFFFFF", 0.8),
                                        (1, "#FFFFFF", 0.1)], x1=0, y1=1, x2=0, y2=0)
    defs += ('    <mask id="fade"><rect width="%d" height="%d" fill="url(#rise)"/></mask>\n' % (W, H))
    defs += ('    <filter id="swirl" filterUnits="userSpaceOnUse" x="-300" y="-300" width="2520" height="1680">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.0016 0.0021" numOctaves="2" seed="8" result="n"/>\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.006 0.008" numOctaves="2" seed="3" result="m"/>\n'
             '      <feDisplacementMap in="SourceGraphic" in2="n" scale="330" xChannelSelector="R" yChannelSelector="G" result="d"/>\n'
             '      <feDisplacementMap in="d" in2="m" scale="150" xChannelSelector="G" yChannelSelector="R"/>\n'
             '      <feGaussianBlur stdDeviation="0.9"/>\n'
             '    </filter>\n')
    defs += blur("haze", 90) + blur("body", 28)
    body = '  <rect width="%d" height="%d" fill="url(#dark)"/>\n' % (W, H)
    # (start x, lean, sway, height reached, colours)
    plumes = [(760, -520, 170, 1.0, "#31C6EA", "#7A5CFA"),
              (980, 60, 140, 1.05, "#E04FB8", "#8F5CFA"),
              (1160, 560, 190, 0.92, "#35E0A8", "#31C6EA")]
    body += '  <g filter="url(#haze)" opacity="0.16">\n'
    for x, lean, _, _, c1, _ in plumes:
        body += '    <ellipse cx="%d" cy="480" rx="300" ry="420" fill="%s"/>\n' % (x + lean * 0.6, c1)
    body += '  </g>\n  <g mask="url(#fade)">\n'
    for px, lean, sway, reach, c1, c2 in plumes:
        phase = random.uniform(0, 6.3)

        def centre(t, o=0.0, k=0):
            spread = 4 + 230 * t ** 1.5
            return (px + lean * t ** 1.3 + sway * math.sin(t * 5.0 + phase) * t + o * spread
                    + 34 * t ** 1.2 * math.sin(t * (11 + k % 7) + k * 0.9), 1110 - t * 1280 * reach)

        body += '  <g filter="url(#swirl)" fill="none" stroke-linecap="round">\n'
        core = [centre(i / 40) for i in range(41)]
        for width, opacity in ((90, 0.10), (40, 0.16)):
            body += '    <path d="%s" stroke="%s" stroke-width="%d" opacity="%s" filter="url(#body)"/>\n' % (
                smooth_path(core), c1, width, f(opacity))
        strands = 34
        for k in range(strands):
            o = (k / (strands - 1)) - 0.5
            pts = [centre(i / 40, o, k) for i in range(41)]
            body += '    <path d="%s" stroke="%s" stroke-width="%s" opacity="%s"/>\n' % (
                smooth_path(pts), mix(c1, c2, k / (strands - 1)), f(random.uniform(1.0, 2.8)),
                f(random.uniform(0.2, 0.55)))
        body += '  </g>\n'
    body += '  </g>\n'
    return svg(body, defs, "Silky plumes of coloured smoke rising and unfurling on black.")


@picture
def street():
    """A city street at night in one-point perspective: lit windows, lamps, light trails."""
    vx, vy = 960, 520  # vanishing point
    defs = gradient("linear", "sky", [(0, "#0B1026"), (0.6, "#1E2452"), (1, "#4B3A6E")],
                    x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "road", [(0, "#2A2740"), (1, "#0B0A14")], x1=0, y1=0, x2=0, y2=1)
    defs += glow("lamp", "#FFC46B", 0.9, inner="#FFF1CC")
    defs += glow("city", "#FF9A5C", 0.45)
    defs += glow("red", "#FF3B3B", 0.9)
    defs += glow("white", "#FFF4DD", 0.9)
    defs += blur("trail", 2.5) + blur("wet", 9) + blur("far", 1.2)
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    body += '  <ellipse cx="%d" cy="%d" rx="900" ry="260" fill="url(#city)"/>\n' % (vx, vy)
    body += '  <g>\n' + stars(90, (0, 0, W, 260), sizes=(0.5, 1.3)) + '  </g>\n'

    def toward(x, y, t):
        """The point a fraction t of the way from (x, y) to the vanishing point."""
        return x + (vx - x) * t, y + (vy - y) * t

    # the buildings: slabs along each side, receding; each face a trapezoid toward the
    # vanishing point, with a grid of windows
    for side in (-1, 1):
        edge = vx + side * 1400  # where the building line meets the picture's bottom
        t = 0.0
        while t < 0.93:
            depth = random.uniform(0.06, 0.16)
            t2 = min(0.95, t + depth)
            top = random.uniform(-420, 260)
            x1, y1 = toward(edge, top, t)
            x2, y2 = toward(edge, top, t2)
            xb1, yb1 = toward(edge, 1180, t)
            xb2, yb2 = toward(edge, 1180, t2)
            shade = mix("#161A33", "#2A2E52", random.random() * (1 - t))
            body += '  <path d="M%s %s L%s %s L%s %s L%s %s Z" fill="%s"/>\n' % (
                f(x1), f(y1), f(x2), f(y2), f(xb2), f(yb2), f(xb1), f(yb1), shade)
            floors = int(random.uniform(8, 16))
            columns = int(random.uniform(3, 7))
            body += '  <g filter="url(#far)">\n' if t > 0.5 else '  <g>\n'
            for row in range(floors):
                for col in range(columns):
                    if random.random() > 0.42:
                        continue
                    ca, cb = (col + 0.22) / columns, (col + 0.78) / columns
                    ra, rb = (row + 0.25) / floors, (row + 0.7) / floors
                    quad = []
                    for cc, rr in ((ca, ra), (cb, ra), (cb, rb), (ca, rb)):
                        tt = t + (t2 - t) * cc
                        xt, yt = toward(edge, top, tt)
                        xb, yb = toward(edge, 1180, tt)
                        quad.append((lerp(xt, xb, rr * 0.8 + 0.05), lerp(yt, yb, rr * 0.8 + 0.05)))
                    colour = random.choice(["#FFD58A", "#FFC46B", "#FFE7B0", "#9FD3FF", "#FFB36B"])
                    body += '    <path d="M%s %s L%s %s L%s %s L%s %s Z" fill="%s" opacity="%s"/>\n' % (
                        tuple(f(v) for p in quad for v in p) + (colour, f(random.uniform(0.55, 1))))
            body += '  </g>\n'
            t = t2 + random.uniform(0.0, 0.02)
    # the road and its pavements
    body += '  <path d="M%d %d L%d %d L%d %d L%d %d Z" fill="url(#road)"/>\n' % (
        vx - 20, vy, vx + 20, vy, W + 700, H, -700, H)
    body += '  <g fill="#3A3654" opacity="0.8">\n'
    for side in (-1, 1):
        body += '    <path d="M%d %d L%d %d L%d %d L%d %d Z"/>\n' % (
            vx + side * 20, vy, vx + side * 26, vy, vx + side * 1650, H, vx + side * 1300, H)
    body += '  </g>\n'
    # lane marks
    body += '  <g fill="#E8E2D0" opacity="0.7">\n'
    t = 0.0
    while t < 0.97:
        t2 = t + 0.05 * (1 - t) + 0.004
        ya, yb = lerp(H, vy, t), lerp(H, vy, t2)
        wa, wb = 10 * (1 - t), 10 * (1 - t2)
        body += '    <path d="M%s %s L%s %s L%s %s L%s %s Z"/>\n' % (
            f(vx - wa), f(ya), f(vx + wa), f(ya), f(vx + wb), f(yb), f(vx - wb), f(yb))
        t = t2 + 0.05 * (1 - t2)
    body += '  </g>\n'
    # light trails: tail lights (red) going away on the right, headlights (white) coming on the left
    for side, colour, grad in ((1, "#FF4A4A", "red"), (-1, "#FFF1D8", "white")):
        body += '  <g fill="none" stroke="%s" stroke-linecap="round" filter="url(#trail)">\n' % colour
        for lane in range(4):
            x0 = vx + side * (160 + lane * 150)
            body += '    <path d="M%d %d L%s %s" stroke-width="%s" opacity="%s"/>\n' % (
                x0 + side * 260, H, f(vx + side * (6 + lane * 4)), f(vy + 4), f(9 - lane * 1.5),
                f(0.85 - lane * 0.12))
        body += '  </g>\n'
    # reflections of the trails on the wet road
    body += '  <g filter="url(#wet)" opacity="0.16">\n'
    body += '    <path d="M%d %d L%d %d L%d %d Z" fill="#FF4A4A"/>\n' % (vx + 10, vy, W, H, vx + 300, H)
    body += '    <path d="M%d %d L%d %d L%d %d Z" fill="#FFE9C8"/>\n' % (vx - 10, vy, 0, H, vx - 300, H)
    body += '  </g>\n'
    # street lamps on both sides, shrinking into the distance
    for side in (-1, 1):
        for k in range(9):
            t = 1 - 0.72 ** (k + 0.6)
            bx, by = toward(vx + side * 1150, 1180, t)
            tx, ty = toward(vx + side * 1150, -60, t)
            tx, ty = bx, lerp(by, ty, 0.62)
            width = 7 * (1 - t) + 0.6
            body += '  <path d="M%s %s L%s %s" stroke="#0A0A14" stroke-width="%s"/>\n' % (
                f(bx), f(by), f(tx), f(ty), f(width))
            arm = -side * 60 * (1 - t)
            body += '  <path d="M%s %s L%s %s" stroke="#0A0A14" stroke-width="%s"/>\n' % (
                f(tx), f(ty), f(tx + arm), f(ty), f(width * 0.8))
            body += '  <circle cx="%s" cy="%s" r="%s" fill="url(#lamp)"/>\n' % (
                f(tx + arm), f(ty + 6 * (1 - t)), f(150 * (1 - t) + 12))
            body += '  <circle cx="%s" cy="%s" r="%s" fill="#FFF6DE"/>\n' % (
                f(tx + arm), f(ty + 6 * (1 - t)), f(7 * (1 - t) + 1))
    return svg(body, defs, "A city street at night: lit windows, street lamps and light trails.")


def daisy(x, y, r, tilt, turn, petals=None):
    """A daisy seen a little from the side: white petals round a yellow heart."""
    n = petals or random.randint(17, 23)
    out = ['  <g transform="translate(%s %s) rotate(%s) scale(1 %s)">\n' % (f(x), f(y), f(turn), f(tilt))]
    for i in range(n):
        a = 360 * i / n + random.uniform(-5, 5)
        length = r * random.uniform(0.86, 1.04)
        out.append('    <ellipse cx="0" cy="%s" rx="%s" ry="%s" fill="url(#petal)" transform="rotate(%s)"/>\n'
                   % (f(-length / 2), f(r * 0.14), f(length / 2), f(a)))
    out.append('    <circle r="%s" fill="url(#heart)"/>\n' % f(r * 0.3))
    out.append('  </g>\n')
    return "".join(out)


@picture
def daisies():
    defs = gradient("linear", "sky", [(0, "#BFE3F7"), (0.45, "#E9F6E4"), (1, "#9ED27A")],
                    x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "meadow", [(0, "#7FBF4E"), (0.4, "#4E9A36"), (1, "#2C6B24")],
                     x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "petal", [(0, "#FFFFFF"), (0.7, "#FBFBF6"), (1, "#E6E9E0")],
                     x1=0, y1=0, x2=0, y2=1)
    defs += gradient("radial", "heart", [(0, "#FFE36A"), (0.6, "#F6C026"), (1, "#D99A12")],
                     cx=0.42, cy=0.38, r=0.65)
    defs += glow("sun", "#FFF8DC", 0.85, inner="#FFFFFF")
    defs += blur("b1", 9) + blur("b2", 4) + blur("b3", 1.5) + blur("bokeh", 6)
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    body += '  <circle cx="1500" cy="120" r="700" fill="url(#sun)"/>\n'
    body += '  <path d="M0 430 C400 380 900 420 1300 400 S1800 380 1920 410 V1080 H0 Z" fill="url(#meadow)"/>\n'
    # a line of trees far off, hazy
    body += '  <g filter="url(#b1)" fill="#6FA35A" opacity="0.7">\n'
    for _ in range(70):
        x = random.uniform(-40, W + 40)
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>\n' % (
            f(x), f(420 - 12 * math.sin(x / 500) + random.uniform(-6, 6)), f(random.uniform(30, 70)),
            f(random.uniform(18, 36)))
    body += '  </g>\n'
    body += '  <path d="M0 436 C400 396 900 430 1300 414 S1800 398 1920 424 V1080 H0 Z" fill="url(#meadow)"/>\n'
    # a soft haze of far flowers and light on the meadow
    body += '  <g filter="url(#bokeh)">\n'
    for _ in range(160):
        x, y = random.uniform(0, W), random.uniform(420, 560)
        body += '    <circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>\n' % (
            f(x), f(y), f(random.uniform(3, 8)), random.choice(["#FFFFFF", "#FFF3B0", "#F4FFE8"]),
            f(random.uniform(0.4, 0.8)))
    body += '  </g>\n'
    # grass blades in bands, and daisies, far to near; farther bands blurred more
    bands = [(520, 660, 0.35, "b1", 70, 16), (640, 800, 0.55, "b2", 46, 30), (770, 980, 0.8, "b3", 24, 52),
             (920, 1140, 1.1, None, 10, 100)]
    for y0, y1, scale, blur_id, count, size in bands:
        body += '  <g%s>\n' % (' filter="url(#%s)"' % blur_id if blur_id else "")
        body += '  <g fill="none" stroke-linecap="round">\n'
        for _ in range(int(330 * scale)):
            x, y = random.uniform(-20, W + 20), random.uniform(y0, y1 + 40)
            h = random.uniform(40, 120) * scale * 1.6
            lean = random.uniform(-0.5, 0.5) * h
            body += '    <path d="M%s %s Q%s %s %s %s" stroke="%s" stroke-width="%s"/>\n' % (
                f(x), f(y), f(x + lean * 0.2), f(y - h * 0.6), f(x + lean), f(y - h),
                random.choice(["#3F8A2E", "#5AA83A", "#2F7426", "#77C04C"]), f(2 + 3 * scale))
        body += '  </g>\n'
        flowers = []
        for _ in range(count):
            x, y = random.uniform(0, W), random.uniform(y0, y1)
            flowers.append((y, x))
        for y, x in sorted(flowers):
            r = size * random.uniform(0.75, 1.2)
            stem = r * random.uniform(1.5, 3)
            body += '  <path d="M%s %s Q%s %s %s %s" fill="none" stroke="#3C7F2C" stroke-width="%s"/>\n' % (
                f(x), f(y + stem), f(x + random.uniform(-10, 10)), f(y + stem / 2), f(x), f(y + r * 0.2),
                f(max(2, r * 0.09)))
            body += daisy(x, y, r, random.uniform(0.55, 0.85), random.uniform(-14, 14))
        body += '  </g>\n'
    return svg(body, defs, "A meadow of daisies under a bright summer sky, far ones out of focus.")


def blade(x, y, h, lean, width, colour, tip=None):
    """A blade of grass: a tapering curved leaf from its base at (x, y)."""
    tx, ty = x + lean, y - h
    cx, cy = x + lean * 0.15, y - h * 0.55
    w = width / 2
    return ('    <path d="M%s %s Q%s %s %s %s Q%s %s %s %s Z" fill="%s"/>\n'
            % (f(x - w), f(y), f(cx - w * 0.6), f(cy), f(tx), f(ty),
               f(cx + w * 0.6), f(cy), f(x + w), f(y), colour))


@picture
def grass():
    """Tall grass against the low sun, the light behind it broken into soft circles."""
    defs = gradient("linear", "back", [(0, "#F4E7A6"), (0.4, "#C9D77A"), (0.75, "#6F9F3E"),
                                       (1, "#2F5A1E")], x1=0, y1=0, x2=0.2, y2=1)
    defs += glow("sun", "#FFF2B8", 1.0, inner="#FFFFF0", power=1.8)
    defs += gradient("linear", "bladeLit", [(0, "#D9F07A"), (1, "#4F8F2A")], x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "bladeDark", [(0, "#7DB23E"), (1, "#1F4A16")], x1=0, y1=0, x2=0, y2=1)
    defs += blur("back1", 14) + blur("back2", 5) + blur("bokeh", 3)
    body = '  <rect width="%d" height="%d" fill="url(#back)"/>\n' % (W, H)
    body += '  <circle cx="1420" cy="260" r="820" fill="url(#sun)"/>\n'
    # soft circles of light, strongest near the sun
    body += '  <g filter="url(#bokeh)">\n'
    for _ in range(70):
        a, d = random.uniform(0, 6.28), abs(random.gauss(0, 420))
        x, y = 1420 + d * math.cos(a), 300 + d * math.sin(a) * 0.7
        r = random.uniform(14, 60)
        body += '    <circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s" stroke="#FFFFFF" stroke-opacity="0.3" stroke-width="2"/>\n' % (
            f(x), f(y), f(r), random.choice(["#FFF6C8", "#FFFBE4", "#F1F7B0"]), f(random.uniform(0.15, 0.45)))
    body += '  </g>\n'
    layers = [("back1", 160, 0.6, "#6E9E3C", 0.7), ("back2", 140, 0.85, "url(#bladeDark)", 0.85),
              (None, 120, 1.0, "url(#bladeLit)", 1.0)]
    for blur_id, count, scale, colour, opacity in layers:
        body += '  <g%s opacity="%s">\n' % (' filter="url(#%s)"' % blur_id if blur_id else "", f(opacity))
        for _ in range(count):
            x = random.uniform(-60, W + 60)
            h = random.uniform(380, 980) * scale
            lean = random.uniform(-0.45, 0.45) * h
            body += blade(x, H + 20, h, lean, random.uniform(10, 26) * scale, colour)
        body += '  </g>\n'
    return svg(body, defs, "Tall grass against the low sun, soft circles of light behind it.")


@picture
def leaf():
    """One large green leaf across dark foliage, its veins lit, dew on its surface."""
    defs = gradient("radial", "back", [(0, "#2F5A2A"), (0.6, "#173519"), (1, "#07140A")],
                    cx=0.55, cy=0.45, r=0.8)
    defs += gradient("linear", "blade", [(0, "#B5E05A"), (0.45, "#6BB33A"), (1, "#2F7A27")],
                     x1=0, y1=0, x2=1, y2=1)
    defs += gradient("linear", "sheen", [(0, "#FFFFFF", 0), (0.45, "#FFFFFF", 0.22), (0.55, "#FFFFFF", 0),
                                         (1, "#FFFFFF", 0)], x1=0, y1=0, x2=1, y2=0.4)
    defs += gradient("radial", "drop", [(0, "#E8FFD0", 0.2), (0.7, "#9DD46A", 0.25), (0.92, "#2C5E1E", 0.55),
                                        (1, "#2C5E1E", 0)], cx=0.5, cy=0.55, r=0.5)
    defs += blur("far", 18) + blur("shadow", 22)
    # texture of the leaf's surface
    defs += ('    <filter id="grain" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.02" numOctaves="3" seed="6"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.1  0 0 0 0 0.25  0 0 0 0 0.05  0 0 0 0.9 -0.32"/>\n'
             '      <feComposite in2="SourceGraphic" operator="in"/>\n'
             '    </filter>\n')
    body = '  <rect width="%d" height="%d" fill="url(#back)"/>\n' % (W, H)
    # out-of-focus leaves and spots of light behind
    body += '  <g filter="url(#far)">\n'
    for _ in range(26):
        x, y = random.uniform(-100, W + 100), random.uniform(-100, H + 100)
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="%s" transform="rotate(%s %s %s)"/>\n' % (
            f(x), f(y), f(random.uniform(80, 220)), f(random.uniform(30, 80)),
            random.choice(["#3F7A2E", "#2B5F24", "#5C9A3A"]), f(random.uniform(0.4, 0.8)),
            f(random.uniform(0, 180)), f(x), f(y))
    for _ in range(20):
        body += '    <circle cx="%s" cy="%s" r="%s" fill="#E6F7A8" opacity="%s"/>\n' % (
            f(random.uniform(0, W)), f(random.uniform(0, H * 0.6)), f(random.uniform(10, 40)),
            f(random.uniform(0.15, 0.4)))
    body += '  </g>\n'
    # the leaf: an outline along its midrib, pointed at the tip, rounded at the base
    base, tipp = (330, 880), (1680, 230)
    length = math.hypot(tipp[0] - base[0], tipp[1] - base[1])
    angle = math.degrees(math.atan2(tipp[1] - base[1], tipp[0] - base[0]))

    def edge(side):
        pts = []
        for i in range(0, 41):
            t = i / 40
            half = 300 * math.sin(math.pi * t ** 0.8) ** 0.9 * (1 - 0.15 * t)
            serration = 6 * math.sin(t * 90) * (0.3 + t)
            pts.append((t * length, side * (half + serration) + 40 * math.sin(t * math.pi) * 0.5))
        return pts

    upper, lower = edge(-1), edge(1)
    outline = [upper[0]] + upper[1:] + lower[::-1]
    d = "M" + " L".join("%s %s" % (f(x), f(y)) for x, y in outline) + " Z"
    transform = 'translate(%s %s) rotate(%s)' % (f(base[0]), f(base[1]), f(angle))
    body += '  <path d="%s" transform="translate(30 50) %s" fill="#020803" opacity="0.6" filter="url(#shadow)"/>\n' % (d, transform)
    defs += '    <clipPath id="leafshape"><path d="%s"/></clipPath>\n' % d
    body += '  <g transform="%s">\n' % transform
    body += '    <path d="%s" fill="url(#blade)"/>\n' % d
    body += '    <path d="%s" filter="url(#grain)"/>\n' % d
    body += '    <path d="%s" fill="url(#sheen)"/>\n' % d
    # veins: the midrib, then side veins curving toward the tip
    body += '    <path d="M-40 0 Q%s 22 %s 0" fill="none" stroke="#E2F5A6" stroke-width="6" stroke-linecap="round" opacity="0.7"/>\n' % (
        f(length * 0.5), f(length * 0.98))
    body += '    <g fill="none" stroke="#D3EE94" stroke-linecap="round" opacity="0.4" clip-path="url(#leafshape)">\n'
    for i in range(1, 15):
        t = i / 15.5
        x0 = t * length
        half = 300 * math.sin(math.pi * t ** 0.8) ** 0.9 * (1 - 0.15 * t)
        for side in (-1, 1):
            body += '      <path d="M%s %s Q%s %s %s %s" stroke-width="%s"/>\n' % (
                f(x0), f(20 * math.sin(t * math.pi) * 0.5), f(x0 + half * 0.35), f(side * half * 0.55),
                f(x0 + half * 0.75), f(side * half * 0.88), f(2.5 * (1 - t) + 1.2))
    body += '    </g>\n'
    body += '  </g>\n'
    # dew drops on the leaf
    body += '  <g>\n'
    for _ in range(16):
        t, o = random.uniform(0.15, 0.85), random.uniform(-0.6, 0.6)
        half = 300 * math.sin(math.pi * t ** 0.8) ** 0.9
        a = math.radians(angle)
        lx, ly = t * length, o * half
        x = base[0] + lx * math.cos(a) - ly * math.sin(a)
        y = base[1] + lx * math.sin(a) + ly * math.cos(a)
        r = random.uniform(6, 20)
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#1E4A16" opacity="0.35"/>\n' % (
            f(x + r * 0.25), f(y + r * 0.3), f(r), f(r * 0.9))
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#drop)"/>\n' % (f(x), f(y), f(r), f(r * 0.9))
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#FFFFFF" opacity="0.9"/>\n' % (
            f(x - r * 0.35), f(y - r * 0.35), f(r * 0.28), f(r * 0.2))
    body += '  </g>\n'
    return svg(body, defs, "A large green leaf across dark foliage, dew drops on it.")


def citrus_slice(x, y, r, turn, flesh=("#FFB23F", "#F57C14"), rind="#F28A1A", pith="#FFF1D6"):
    """A slice of orange from above: rind, white pith, and the segments with their juice."""
    out = ['  <g transform="translate(%s %s) rotate(%s)">\n' % (f(x), f(y), f(turn))]
    out.append('    <circle r="%s" fill="#5A2A06" opacity="0.35" filter="url(#dropshadow)" transform="translate(14 18)"/>\n' % f(r))
    out.append('    <circle r="%s" fill="%s"/>\n' % (f(r), rind))
    out.append('    <circle r="%s" fill="#FFC46A" opacity="0.6"/>\n' % f(r * 0.955))
    out.append('    <circle r="%s" fill="%s"/>\n' % (f(r * 0.93), pith))
    out.append('    <circle r="%s" fill="#FFD08A"/>\n' % f(r * 0.87))
    n = random.choice([9, 10, 11])
    for i in range(n):
        a0 = 2 * math.pi * i / n + 0.02
        a1 = 2 * math.pi * (i + 1) / n - 0.02
        inner, outer = r * 0.1, r * 0.86
        p = []
        for a, rr in ((a0, inner), (a0, outer)):
            p.append((rr * math.cos(a), rr * math.sin(a)))
        d = "M%s %s L%s %s A%s %s 0 0 1 %s %s Z" % (
            f(p[0][0]), f(p[0][1]), f(p[1][0]), f(p[1][1]), f(outer), f(outer),
            f(outer * math.cos(a1)), f(outer * math.sin(a1)))
        out.append('    <path d="%s" fill="url(#flesh)" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>\n'
                   % (d, "#FFCF8A", f(r * 0.012)))
        # juice vesicles: short light strokes along the segment
        for _ in range(14):
            a = random.uniform(a0 + 0.06, a1 - 0.06)
            rr = random.uniform(r * 0.2, r * 0.8)
            length = r * random.uniform(0.05, 0.12)
            out.append('    <path d="M%s %s L%s %s" stroke="#FFE2A6" stroke-width="%s" stroke-linecap="round" opacity="%s"/>\n'
                       % (f(rr * math.cos(a)), f(rr * math.sin(a)), f((rr + length) * math.cos(a)),
                          f((rr + length) * math.sin(a)), f(r * 0.018), f(random.uniform(0.35, 0.8))))
    out.append('    <circle r="%s" fill="%s"/>\n' % (f(r * 0.07), pith))
    out.append('    <circle r="%s" fill="url(#gloss)"/>\n' % f(r * 0.93))
    out.append('  </g>\n')
    return "".join(out)


@picture
def orange():
    """Slices of orange on a warm table, lit from the upper left."""
    defs = gradient("radial", "table", [(0, "#FFE7B8"), (0.55, "#FBC37A"), (1, "#E88F3A")],
                    cx=0.35, cy=0.3, r=0.9)
    defs += gradient("radial", "flesh", [(0, "#FFC75A"), (0.7, "#FF9A22"), (1, "#F07410")],
                     cx=0.5, cy=0.5, r=0.5)
    defs += gradient("radial", "gloss", [(0, "#FFFFFF", 0.35), (0.5, "#FFFFFF", 0.08), (1, "#FFFFFF", 0)],
                     cx=0.3, cy=0.3, r=0.7)
    defs += gradient("radial", "whole", [(0, "#FFC052"), (0.6, "#F7901E"), (1, "#C85E08")],
                     cx=0.35, cy=0.32, r=0.75)
    defs += ('    <filter id="linen" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.0035 0.11" numOctaves="3" seed="2"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.75  0 0 0 0 0.45  0 0 0 0 0.2  0 0 0 0.7 -0.3"/>\n'
             '    </filter>\n')
    defs += blur("dropshadow", 16)
    defs += ('    <filter id="peel" x="0" y="0" width="100%" height="100%">\n'
             '      <feTurbulence type="fractalNoise" baseFrequency="0.09" numOctaves="2" seed="12"/>\n'
             '      <feColorMatrix type="matrix" values="0 0 0 0 0.6  0 0 0 0 0.3  0 0 0 0 0  0 0 0 0.7 -0.28"/>\n'
             '      <feComposite in2="SourceGraphic" operator="in"/>\n'
             '    </filter>\n')
    body = '  <rect width="%d" height="%d" fill="url(#table)"/>\n' % (W, H)
    body += '  <rect width="%d" height="%d" filter="url(#linen)"/>\n' % (W, H)
    # two whole oranges at the edges, a leaf on one
    for x, y, r in ((1770, 150, 250), (120, 1010, 230)):
        body += '  <circle cx="%d" cy="%d" r="%d" fill="#5A2A06" opacity="0.35" filter="url(#dropshadow)" transform="translate(20 26)"/>\n' % (x, y, r)
        body += '  <circle cx="%d" cy="%d" r="%d" fill="url(#whole)"/>\n' % (x, y, r)
        body += '  <circle cx="%d" cy="%d" r="%d" fill="#000" filter="url(#peel)"/>\n' % (x, y, r)
        body += '  <ellipse cx="%d" cy="%d" rx="%d" ry="%d" fill="#FFFFFF" opacity="0.25" transform="rotate(-30 %d %d)"/>\n' % (
            x - r * 0.35, y - r * 0.4, r * 0.28, r * 0.14, x - r * 0.35, y - r * 0.4)
    for x, y, r, turn in ((720, 430, 300, 10), (1230, 700, 260, -20), (560, 900, 200, 40), (1480, 330, 150, 5),
                          (1000, 130, 170, 25)):
        body += citrus_slice(x, y, r, turn)
    return svg(body, defs, "Slices of orange and two whole fruits on a warm table.")


@picture
def pink():
    """Folds of pink silk, one over the other, with light along their crests."""
    defs = gradient("linear", "back", [(0, "#FCE4EE"), (0.5, "#F7B8D0"), (1, "#E77FA8")],
                    x1=0, y1=0, x2=1, y2=1)
    defs += blur("soft", 3) + blur("veil", 40) + blur("bokeh", 5)
    body = '  <rect width="%d" height="%d" fill="url(#back)"/>\n' % (W, H)
    folds = [("#FFD3E3", "#F59ABE", 260), ("#F9A9C8", "#E4679A", 420), ("#FFC2D8", "#EE86AF", 560),
             ("#F38DB5", "#D24C86", 700), ("#FFB3CF", "#E86F9F", 840), ("#E9709F", "#C23A74", 980)]
    for i, (light, dark, y0) in enumerate(folds):
        gid = "fold%d" % i
        defs += gradient("linear", gid, [(0, light), (0.35, dark), (1, mix(dark, "#7A1F46", 0.25))],
                         x1=0, y1=0, x2=0.15, y2=1)
        hid = "crest%d" % i
        defs += gradient("linear", hid, [(0, "#FFFFFF", 0), (0.3, "#FFFFFF", 0.55), (0.6, "#FFFFFF", 0.2),
                                         (1, "#FFFFFF", 0)], x1=0, y1=0, x2=1, y2=0)
        phase = random.uniform(0, 6.3)
        amp = random.uniform(90, 150)
        freq = random.uniform(0.9, 1.5)
        pts = []
        for k in range(0, 49):
            x = -100 + (W + 200) * k / 48
            y = y0 - amp * math.sin(x / W * math.pi * freq + phase) - 60 * math.sin(x / W * math.pi * 3.1 + phase * 2)
            pts.append((x, y))
        top = smooth_path(pts)
        body += '  <path d="%s L%d %d L-100 %d Z" fill="#8A2A55" opacity="0.25" filter="url(#veil)" transform="translate(0 -30)"/>\n' % (
            top, W + 100, H + 100, H + 100)
        body += '  <path d="%s L%d %d L-100 %d Z" fill="url(#%s)"/>\n' % (top, W + 100, H + 100, H + 100, gid)
        body += '  <path d="%s" fill="none" stroke="url(#%s)" stroke-width="7" filter="url(#soft)" transform="translate(0 6)"/>\n' % (top, hid)
    # soft circles of light drifting over the silk, most near the bright corner
    body += '  <g filter="url(#bokeh)">\n'
    for _ in range(45):
        x, y = abs(random.gauss(0, 700)), abs(random.gauss(0, 450))
        body += '    <circle cx="%s" cy="%s" r="%s" fill="#FFFFFF" opacity="%s"/>\n' % (
            f(x), f(y), f(random.uniform(8, 34)), f(random.uniform(0.12, 0.35)))
    body += '  </g>\n'
    return svg(body, defs, "Folds of pink silk with light along their crests.")


@picture
def raindrops():
    """Rain on a window at dusk: drops and runnels on the glass, city lights blurred behind."""
    defs = gradient("linear", "dusk", [(0, "#1A2450"), (0.5, "#3A3F7A"), (1, "#6A4A7E")],
                    x1=0, y1=0, x2=0.3, y2=1)
    defs += blur("far", 26) + blur("near", 2.2)
    defs += gradient("radial", "drop", [(0, "#FFFFFF", 0.0), (0.55, "#DDE6FF", 0.12), (0.85, "#0C1030", 0.55),
                                        (1, "#0C1030", 0.15)], cx=0.45, cy=0.6, r=0.55)
    defs += gradient("linear", "runnel", [(0, "#DDE6FF", 0.1), (0.5, "#DDE6FF", 0.35), (1, "#DDE6FF", 0.1)],
                     x1=0, y1=0, x2=1, y2=0)
    body = '  <rect width="%d" height="%d" fill="url(#dusk)"/>\n' % (W, H)
    # the city beyond the glass, out of focus
    lights = []
    body += '  <g filter="url(#far)">\n'
    for _ in range(120):
        x, y = random.uniform(-50, W + 50), random.uniform(380, 1100)
        colour = random.choice(["#FFB45C", "#FF7A5C", "#FFD98A", "#7FC8FF", "#C38BFF", "#FF5C8A"])
        r = random.uniform(20, 70)
        lights.append((x, y, colour))
        body += '    <circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>\n' % (
            f(x), f(y), f(r), colour, f(random.uniform(0.35, 0.8)))
    body += '  </g>\n'
    # big soft discs of the nearest lights
    body += '  <g filter="url(#near)">\n'
    for _ in range(26):
        x, y, colour = random.choice(lights)
        body += '    <circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>\n' % (
            f(x + random.uniform(-60, 60)), f(y + random.uniform(-60, 60)), f(random.uniform(40, 90)),
            colour, f(random.uniform(0.12, 0.28)))
    body += '  </g>\n'
    # runnels: drops that ran down the glass, leaving a trail
    for _ in range(9):
        x = random.uniform(60, W - 60)
        y0, y1 = random.uniform(-50, 500), random.uniform(600, 1130)
        pts = [(x + random.uniform(-16, 16), y0 + (y1 - y0) * k / 14) for k in range(15)]
        width = random.uniform(9, 15)
        body += '  <path d="%s" fill="none" stroke="url(#runnel)" stroke-width="%s" stroke-linecap="round"/>\n' % (
            smooth_path(pts), f(width))
        # the drop that made it, heavy at its lower end
        body += '  <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#drop)"/>\n' % (
            f(pts[-2][0]), f(pts[-2][1] + 10), f(width * 1.3), f(width * 1.7))
    # drops on the glass: each shows the light behind it upside down, a dark rim, a highlight
    drops = [(random.uniform(0, W), random.uniform(0, H), random.uniform(3, 9)) for _ in range(900)]
    drops += [(random.uniform(0, W), random.uniform(0, H), random.uniform(10, 26)) for _ in range(140)]
    body += '  <g>\n'
    for x, y, r in drops:
        ry = r * random.uniform(1.0, 1.25)
        body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#drop)"/>\n' % (f(x), f(y), f(r), f(ry))
        if r > 5:
            body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#FFFFFF" opacity="0.75"/>\n' % (
                f(x - r * 0.3), f(y - ry * 0.4), f(r * 0.22), f(ry * 0.16))
            body += '    <path d="M%s %s A%s %s 0 0 0 %s %s" fill="none" stroke="#FFE7C8" stroke-width="%s" opacity="0.45"/>\n' % (
                f(x - r * 0.7), f(y + ry * 0.3), f(r * 0.8), f(ry * 0.8), f(x + r * 0.7), f(y + ry * 0.3),
                f(max(1, r * 0.12)))
    body += '  </g>\n'
    return svg(body, defs, "Rain drops on a window at dusk, city lights blurred behind the glass.")


def lone_tree(tx, ty):
    body = '  <ellipse cx="%s" cy="%s" rx="80" ry="9" fill="#3F6A25" opacity="0.5"/>\n' % (f(tx + 22), f(ty))
    body += '  <path d="M%s %s L%s %s L%s %s L%s %s Z" fill="#4A3522"/>\n' % (f(tx - 7), f(ty), f(tx + 7), f(ty), f(tx + 5), f(ty - 70), f(tx - 5), f(ty - 70))
    body += '  <g filter="url(#crown)">\n'
    for _ in range(40):
        a, d = random.uniform(0, 6.28), random.uniform(0, 70)
        body += '    <circle cx="%s" cy="%s" r="%s" fill="%s"/>\n' % (
            f(tx + d * math.cos(a) * 1.3), f(ty - 110 + d * math.sin(a) * 0.8), f(random.uniform(20, 38)),
            random.choice(["#3E6F2A", "#4F8534", "#5E9A3C", "#355F24"]))
    body += '  </g>\n'
    return body


@picture
def field():
    """Farmland in late summer: rows of crops running to rolling hills, a lone tree."""
    defs = gradient("linear", "sky", [(0, "#5E9FDA"), (0.6, "#A9D0EE"), (1, "#EEF4E6")],
                    x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "wheat", [(0, "#E9C46A"), (1, "#C9962E")], x1=0, y1=0, x2=0, y2=1)
    defs += gradient("linear", "green", [(0, "#A7CF5A"), (1, "#5F9A34")], x1=0, y1=0, x2=0, y2=1)
    defs += glow("sun", "#FFF6D6", 0.8, inner="#FFFFFF")
    defs += blur("haze", 3) + blur("cloud", 16) + blur("crown", 1.2)
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    body += '  <circle cx="300" cy="170" r="600" fill="url(#sun)"/>\n'
    body += '  <g filter="url(#cloud)">\n'
    for _ in range(8):
        x, y = random.uniform(0, W), random.uniform(80, 330)
        for _ in range(6):
            body += '    <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#FFFFFF" opacity="0.55"/>\n' % (
                f(x + random.uniform(-160, 160)), f(y + random.uniform(-20, 20)),
                f(random.uniform(50, 120)), f(random.uniform(16, 34)))
    body += '  </g>\n'
    # far hills, bluish, then nearer ones, greener
    hills = [(520, "#9DB8C8", 30), (560, "#8FB27A", 45), (610, "#7FA858", 55)]
    for y0, colour, amp in hills:
        phase = random.uniform(0, 6.3)
        pts = [(x, y0 - amp * math.sin(x / 420 + phase) - amp * 0.5 * math.sin(x / 170 + phase * 2))
               for x in range(-40, W + 81, 40)]
        body += '  <path d="%s L%d %d L-40 %d Z" fill="%s" filter="url(#haze)"/>\n' % (
            smooth_path(pts), W + 40, H, H, colour)
    # the fields: bands of wheat and green, each striped with rows running toward a
    # point on the horizon
    vx, vy = 1100, 600
    bands = [(640, 720, "url(#green)"), (700, 820, "url(#wheat)"), (800, 960, "url(#green)"),
             (940, 1100, "url(#wheat)")]
    tree = ""
    for index, (y0, y1, fill) in enumerate(bands):
        phase = random.uniform(0, 6.3)
        top = [(x, y0 - 18 * math.sin(x / 380 + phase)) for x in range(-40, W + 81, 40)]
        body += '  <path d="%s L%d %d L-40 %d Z" fill="%s"/>\n' % (smooth_path(top), W + 40, H + 40, H + 40, fill)
        stripe = "#8C6A1E" if "wheat" in fill else "#3F7A27"
        body += '  <g stroke="%s" stroke-width="%s" opacity="0.35" fill="none">\n' % (stripe, f(1.5 + (y0 - 600) / 120))
        for k in range(-40, 41):
            xb = vx + k * 110
            body += '    <path d="M%s %s L%s %s"/>\n' % (f(lerp(vx, xb, (y0 - vy) / (H - vy))), f(y0 + 10),
                                                      f(xb), f(H + 40))
        body += '  </g>\n'
        if index == 0:
            body += lone_tree(1460, y0 - 18 * math.sin(1460 / 380 + phase) + 6)
    # ears of wheat close up at the bottom edge
    body += '  <g stroke-linecap="round">\n'
    for _ in range(140):
        x = random.uniform(-20, W + 20)
        h = random.uniform(60, 170)
        lean = random.uniform(-30, 30)
        y = H + 10
        body += '    <path d="M%s %s Q%s %s %s %s" stroke="#B8892A" stroke-width="3" fill="none"/>\n' % (
            f(x), f(y), f(x + lean * 0.3), f(y - h * 0.5), f(x + lean), f(y - h))
        body += '    <ellipse cx="%s" cy="%s" rx="6" ry="22" fill="%s" transform="rotate(%s %s %s)"/>\n' % (
            f(x + lean), f(y - h - 14), random.choice(["#E5B850", "#D9A83E", "#F0CB6A"]),
            f(math.degrees(math.atan2(lean, h)) * 0.8), f(x + lean), f(y - h - 14))
    body += '  </g>\n'
    return svg(body, defs, "Farmland in late summer: rows of crops, rolling hills and a lone tree.")


def bloom(x, y, r, turn, colours, layers=3, petals=7):
    """A stylised flower: rings of rounded petals, each ring smaller and lighter."""
    out = ['  <g transform="translate(%s %s) rotate(%s)">\n' % (f(x), f(y), f(turn))]
    out.append('    <circle r="%s" fill="#061A1C" opacity="0.35" filter="url(#shade)" transform="translate(10 14)"/>\n' % f(r))
    for layer in range(layers):
        rr = r * (1 - layer * 0.28)
        colour = colours[min(layer, len(colours) - 1)]
        n = petals + layer
        for i in range(n):
            a = 360 * i / n + layer * 17
            out.append('    <path d="M0 0 C%s %s %s %s 0 %s C%s %s %s %s 0 0 Z" fill="%s" stroke="%s" stroke-width="%s" transform="rotate(%s)"/>\n'
                       % (f(-rr * 0.55), f(-rr * 0.3), f(-rr * 0.5), f(-rr * 0.95), f(-rr),
                          f(rr * 0.5), f(-rr * 0.95), f(rr * 0.55), f(-rr * 0.3),
                          colour, mix(colour, "#3A0D1E", 0.35), f(max(1.5, r * 0.012)), f(a)))
    out.append('    <circle r="%s" fill="#FFD36A"/>\n' % f(r * 0.16))
    for i in range(12):
        a = 2 * math.pi * i / 12
        out.append('    <circle cx="%s" cy="%s" r="%s" fill="#C9781A"/>\n' % (
            f(r * 0.1 * math.cos(a)), f(r * 0.1 * math.sin(a)), f(r * 0.022)))
    out.append('  </g>\n')
    return "".join(out)


def leaf_shape(x, y, length, turn, colour, vein):
    return ('  <g transform="translate(%s %s) rotate(%s)">\n'
            '    <path d="M0 0 C%s %s %s %s %s 0 C%s %s %s %s 0 0 Z" fill="%s"/>\n'
            '    <path d="M0 0 L%s 0" stroke="%s" stroke-width="%s" fill="none"/>\n'
            '  </g>\n' % (f(x), f(y), f(turn), f(length * 0.3), f(-length * 0.32), f(length * 0.75),
                          f(-length * 0.26), f(length), f(length * 0.75), f(length * 0.26), f(length * 0.3),
                          f(length * 0.32), colour, f(length * 0.92), vein, f(max(2, length * 0.02))))


@picture
def floral():
    """A bouquet of stylised flowers and leaves on deep teal."""
    defs = gradient("radial", "back", [(0, "#15545A"), (0.7, "#0B3439"), (1, "#06201F")],
                    cx=0.5, cy=0.5, r=0.75)
    defs += blur("shade", 14)
    defs += ('    <pattern id="dots" width="48" height="48" patternUnits="userSpaceOnUse">'
             '<circle cx="24" cy="24" r="2" fill="#2C7A78" opacity="0.35"/></pattern>\n')
    body = '  <rect width="%d" height="%d" fill="url(#back)"/>\n' % (W, H)
    body += '  <rect width="%d" height="%d" fill="url(#dots)"/>\n' % (W, H)
    palettes = [("#E8596F", "#F38A8F", "#FFC1B8"), ("#F29E4C", "#F7BD6A", "#FFE0A0"),
                ("#C94F8A", "#E27BB0", "#F7B7D6"), ("#F4F0E6", "#FFFFFF", "#FFF7E8"),
                ("#7A5CC8", "#9D84E0", "#C9B8F5")]
    leaves = ["#2E8B6A", "#3FA57A", "#1F6E56", "#5BBF8A"]
    # leaves first, fanning out from behind the flowers
    items = []
    for _ in range(46):
        x, y = random.gauss(W / 2, 520), random.gauss(H / 2, 300)
        items.append(leaf_shape(x, y, random.uniform(120, 260), random.uniform(0, 360),
                                random.choice(leaves), "#9FE0B8"))
    body += "".join(items)
    # small sprigs of berries
    body += '  <g>\n'
    for _ in range(90):
        x, y = random.gauss(W / 2, 600), random.gauss(H / 2, 340)
        body += '    <circle cx="%s" cy="%s" r="%s" fill="%s"/>\n' % (
            f(x), f(y), f(random.uniform(6, 12)), random.choice(["#FFD36A", "#F4F0E6", "#F38A8F"]))
    body += '  </g>\n'
    flowers = []
    for _ in range(17):
        x, y = random.gauss(W / 2, 480), random.gauss(H / 2, 260)
        flowers.append((random.uniform(70, 190), x, y))
    for r, x, y in sorted(flowers):
        body += bloom(x, y, r, random.uniform(0, 360), random.choice(palettes),
                      layers=3 if r > 110 else 2, petals=random.choice([6, 7, 8]))
    return svg(body, defs, "A bouquet of stylised flowers and leaves on deep teal.")


def grow(x, y, angle, length, width, depth, segments, blossoms):
    """A branch from (x, y): a gently bending line that forks; blossoms at the twigs."""
    if depth == 0 or length < 14:
        blossoms.append((x, y))
        return
    bend = random.uniform(-0.25, 0.25)
    pts = [(x, y)]
    cx, cy, a = x, y, angle
    for _ in range(4):
        a += bend + random.uniform(-0.12, 0.12)
        cx += math.cos(a) * length / 4
        cy += math.sin(a) * length / 4
        pts.append((cx, cy))
    segments.append((pts, width))
    if depth <= 2:
        blossoms.append(((x + cx) / 2, (y + cy) / 2))
    for _ in range(random.choice([2, 2, 3])):
        grow(cx, cy, a + random.uniform(-0.7, 0.7), length * random.uniform(0.6, 0.78),
             width * 0.68, depth - 1, segments, blossoms)


def blossom(x, y, r, turn):
    out = ['    <g transform="translate(%s %s) rotate(%s)">\n' % (f(x), f(y), f(turn))]
    for i in range(5):
        out.append('      <ellipse cx="0" cy="%s" rx="%s" ry="%s" fill="url(#petal)" transform="rotate(%d)"/>\n'
                   % (f(-r * 0.55), f(r * 0.42), f(r * 0.55), i * 72))
    out.append('      <circle r="%s" fill="#E0527F"/>\n' % f(r * 0.2))
    out.append('    </g>\n')
    return "".join(out)


@picture
def branches():
    """Blossoming cherry branches against a warm evening sky."""
    defs = gradient("linear", "sky", [(0, "#4E5AA8"), (0.45, "#B77FB0"), (0.75, "#F4A99A"),
                                      (1, "#FFD9A8")], x1=0, y1=0, x2=0, y2=1)
    defs += glow("sun", "#FFE3B0", 0.9, inner="#FFF8E6")
    defs += gradient("radial", "petal", [(0, "#FFFFFF"), (0.6, "#FFD6E4"), (1, "#F59AB9")],
                     cx=0.5, cy=0.9, r=0.9)
    defs += blur("far", 7) + blur("bokeh", 10)
    body = '  <rect width="%d" height="%d" fill="url(#sky)"/>\n' % (W, H)
    body += '  <circle cx="1240" cy="820" r="720" fill="url(#sun)"/>\n'
    body += '  <circle cx="1240" cy="820" r="70" fill="#FFF6E0" opacity="0.95"/>\n'
    # petals in the air, out of focus
    body += '  <g filter="url(#bokeh)">\n'
    for _ in range(40):
        body += '    <circle cx="%s" cy="%s" r="%s" fill="#FFC9DA" opacity="%s"/>\n' % (
            f(random.uniform(0, W)), f(random.uniform(0, H)), f(random.uniform(10, 34)),
            f(random.uniform(0.2, 0.45)))
    body += '  </g>\n'
    # a far branch, blurred, then two near ones from the left and the upper right
    for origin, angle, length, width, depth, blur_id, colour in (
            ((W + 40, 760), math.radians(200), 420, 22, 6, "far", "#6B4A66"),
            ((-40, 180), math.radians(12), 520, 40, 7, None, "#2E1C2A"),
            ((W + 30, -30), math.radians(150), 470, 34, 7, None, "#2E1C2A")):
        segments, blossoms = [], []
        grow(origin[0], origin[1], angle, length, width, depth, segments, blossoms)
        body += '  <g%s>\n' % (' filter="url(#%s)"' % blur_id if blur_id else "")
        body += '  <g fill="none" stroke="%s" stroke-linecap="round" stroke-linejoin="round">\n' % colour
        for pts, wdt in segments:
            body += '    <path d="%s" stroke-width="%s"/>\n' % (smooth_path(pts + [pts[-1]]), f(max(1.5, wdt)))
        body += '  </g>\n'
        for bx, by in blossoms:
            for _ in range(random.randint(1, 3)):
                body += blossom(bx + random.uniform(-18, 18), by + random.uniform(-18, 18),
                                random.uniform(12, 22) * (0.7 if blur_id else 1), random.uniform(0, 72))
        body += '  </g>\n'
    return svg(body, defs, "Blossoming cherry branches against a warm evening sky.")


def main(names):
    os.makedirs(OUT, exist_ok=True)
    for name in names or sorted(PICTURES):
        if name not in PICTURES:
            sys.exit("logon-art: no picture named %s" % name)
        random.seed(name)
        text = PICTURES[name]()
        path = os.path.join(OUT, name + ".svg")
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if old != text:
            with open(path, "w", encoding="utf-8") as out:
                out.write(text)


if __name__ == "__main__":
    main(sys.argv[1:])
