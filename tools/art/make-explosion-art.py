#!/usr/bin/env python3
"""Write the SVG sources of the 48 frames of the click explosion (100 x 100 pixels each).

    tools/art/make-explosion-art.py [OUTDIR]      (default resources/art/sprites)

A frame is drawn from its number alone: a white flash, a fireball that swells and cools
from yellow to dark red, sparks flying out, and smoke that rises, spreads and thins away (a last wisp is left in frame 47).
Played at 50 frames per second the 48 frames last about a second. The positions of the
fireball's lobes, the sparks and the smoke puffs come from a fixed seed, so every run
writes the same files; tools/art/render-art.sh then renders them like every other sprite.
"""
import math
import os
import random
import sys

FRAMES = 48
SIZE = 100
CENTRE = SIZE / 2
# Nothing reaches further from the centre than this, so the frame's edge stays clear.
REACH = 44

rng = random.Random(605)
LOBES = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.15, 0.45), rng.uniform(0.55, 0.9))
         for _ in range(7)]
SPARKS = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.7, 1.0), rng.uniform(0.8, 1.6))
          for _ in range(16)]
PUFFS = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.2, 0.55), rng.uniform(0.5, 0.85))
         for _ in range(6)]


def ease_out(p):
    return 1 - (1 - min(max(p, 0.0), 1.0)) ** 2


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return '#%02x%02x%02x' % tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def fade(t, start, end):
    """1 before start, falling to 0 at end."""
    if t <= start:
        return 1.0
    return max(0.0, 1 - (t - start) / (end - start))


def frame(t):
    parts = []
    defs = []
    heat = t / 30  # 0: white hot, 1: burnt out
    core = mix((255, 250, 220), (200, 60, 20), heat)
    middle = mix((255, 190, 40), (150, 30, 10), heat)
    rim = mix((240, 90, 20), (90, 20, 10), heat)
    defs.append(
        '<radialGradient id="fire">'
        f'<stop offset="0" stop-color="{core}"/>'
        f'<stop offset="0.45" stop-color="{middle}"/>'
        f'<stop offset="0.8" stop-color="{rim}" stop-opacity="0.85"/>'
        f'<stop offset="1" stop-color="{rim}" stop-opacity="0"/></radialGradient>')
    defs.append(
        '<radialGradient id="smoke">'
        '<stop offset="0" stop-color="#6b6660" stop-opacity="0.9"/>'
        '<stop offset="0.6" stop-color="#7d7872" stop-opacity="0.55"/>'
        '<stop offset="1" stop-color="#8a857f" stop-opacity="0"/></radialGradient>')
    defs.append(
        '<radialGradient id="flash">'
        '<stop offset="0" stop-color="#ffffff"/>'
        '<stop offset="0.5" stop-color="#fff8c8" stop-opacity="0.9"/>'
        '<stop offset="1" stop-color="#ffe070" stop-opacity="0"/></radialGradient>')
    defs.append(
        f'<filter id="billow" x="0" y="0" width="{SIZE}" height="{SIZE}" '
        'filterUnits="userSpaceOnUse">'
        f'<feTurbulence type="fractalNoise" baseFrequency="0.07" numOctaves="2" seed="{3 + t // 6}"/>'
        '<feDisplacementMap in="SourceGraphic" scale="9" xChannelSelector="R" '
        'yChannelSelector="G"/></filter>')

    # Smoke first, behind the fire: from frame 10, rising, spreading and thinning.
    if t >= 10:
        s = (t - 10) / 37
        opacity = min(1.0, s * 4) * fade(t, 30, 54) * 0.95
        for angle, distance, size in PUFFS:
            r = (12 + 24 * ease_out(s)) * size
            d = distance * 16 * ease_out(s)
            cx = CENTRE + math.cos(angle) * d
            cy = CENTRE + math.sin(angle) * d - 8 * s
            r = min(r, REACH - math.hypot(cx - CENTRE, cy - CENTRE))
            parts.append(f'<circle cx="{cx:.2f}" cy="{cy:.2f}" r="{r:.2f}" fill="url(#smoke)" '
                         f'opacity="{opacity:.3f}"/>')

    # The fireball: swelling lobes, cooling and fading out by frame 32.
    if 1 <= t <= 32:
        g = ease_out((t - 1) / 16)
        opacity = fade(t, 18, 32)
        lobes = []
        for angle, distance, size in LOBES:
            r = (9 + 22 * g) * size
            d = distance * (6 + 14 * g)
            cx = CENTRE + math.cos(angle) * d
            cy = CENTRE + math.sin(angle) * d - 3 * g
            r = min(r, REACH - 5 - math.hypot(cx - CENTRE, cy - CENTRE))
            lobes.append(f'<circle cx="{cx:.2f}" cy="{cy:.2f}" r="{r:.2f}" fill="url(#fire)"/>')
        parts.append(f'<g filter="url(#billow)" opacity="{opacity:.3f}">' + ''.join(lobes) + '</g>')

    # Sparks flying out, slowing, and burning out by frame 22.
    if t <= 22:
        p = t / 22
        for angle, speed, width in SPARKS:
            outer = min(REACH - 2, 6 + 38 * speed * ease_out(p))
            inner = max(2.0, outer - 4 - 6 * (1 - p))
            x1, y1 = CENTRE + math.cos(angle) * inner, CENTRE + math.sin(angle) * inner
            x2, y2 = CENTRE + math.cos(angle) * outer, CENTRE + math.sin(angle) * outer
            colour = mix((255, 250, 200), (255, 120, 30), p)
            parts.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
                         f'stroke="{colour}" stroke-width="{width:.2f}" stroke-linecap="round" '
                         f'opacity="{fade(t, 8, 22):.3f}"/>')

    # The flash of the first frames, over everything.
    if t <= 7:
        r = 8 + 4 * t
        parts.append(f'<circle cx="{CENTRE}" cy="{CENTRE}" r="{r}" fill="url(#flash)" '
                     f'opacity="{fade(t, 1, 8):.3f}"/>')

    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIZE}" height="{SIZE}" '
            f'viewBox="0 0 {SIZE} {SIZE}">\n  <defs>' + ''.join(defs) + '</defs>\n  ' +
            '\n  '.join(parts) + '\n</svg>\n')


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'resources', 'art',
                                                              'sprites')
    for t in range(FRAMES):
        path = os.path.join(out, f'explosion_{t:02d}.svg')
        text = frame(t)
        try:
            with open(path) as f:
                if f.read() == text:
                    continue
        except FileNotFoundError:
            pass
        with open(path, 'w') as f:
            f.write(text)


if __name__ == '__main__':
    main()
