#!/usr/bin/env python3
"""Write the SVG sources of the garland's pictures into resources/art/sprites/garland/.

    tools/art/make-garland-art.py [OUTDIR]

Five colours (blue, green, orange, red, yellow), each unlit and lit: upright bulbs and
bulbs tilted up and to the right (48 x 48), the same as strawberries (48 x 48), one white
bulb (32 x 32) and icicle strands (100 x 310). Upright pictures point up with the socket
at the bottom. A lit picture glows: a white-hot core, the colour at full strength and a
soft halo that fades out before the picture's edges. tools/art/render-art.sh renders them.
"""
import os
import sys

COLOURS = {
    # name: (glass when lit, glass when unlit, halo)
    "blue": ("#3d8bff", "#1d3d78", "#5aa0ff"),
    "green": ("#2fd65a", "#17612c", "#5cf07e"),
    "orange": ("#ff8c1f", "#7a4512", "#ffa54a"),
    "red": ("#ff3030", "#7a1a1a", "#ff5c5c"),
    "yellow": ("#ffd91f", "#7a6a14", "#ffe65c"),
}


def svg(width, height, comment, defs, body):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
        f'viewBox="0 0 {width} {height}">\n  <!-- {comment} -->\n  <defs>\n{defs}  </defs>\n'
        f"{body}</svg>\n"
    )


def glass_gradient(gid, colour, lit, cx, cy, r):
    core = "#ffffff" if lit else colour
    return (
        f'    <radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}" '
        f'gradientUnits="userSpaceOnUse">\n'
        f'      <stop offset="0" stop-color="{core}" stop-opacity="{1 if lit else 0.95}"/>\n'
        f'      <stop offset="{0.35 if lit else 0.2}" stop-color="{colour}"/>\n'
        f'      <stop offset="1" stop-color="{colour}" stop-opacity="0.92"/>\n'
        f"    </radialGradient>\n"
    )


def halo_gradient(gid, colour, cx, cy, r):
    return (
        f'    <radialGradient id="{gid}" cx="{cx}" cy="{cy}" r="{r}" '
        f'gradientUnits="userSpaceOnUse">\n'
        f'      <stop offset="0" stop-color="{colour}" stop-opacity="0.75"/>\n'
        f'      <stop offset="0.45" stop-color="{colour}" stop-opacity="0.32"/>\n'
        f'      <stop offset="1" stop-color="{colour}" stop-opacity="0"/>\n'
        f"    </radialGradient>\n"
    )


SOCKET = (
    '    <rect x="19" y="33" width="10" height="9" rx="1.5" fill="#3c4a3c"/>\n'
    '    <path d="M19.5 35.5h9M19.5 38h9M19.5 40.5h9" stroke="#6f806f" stroke-width="0.8"/>\n'
    '    <path d="M22 42 L26 42 L25 45 L23 45 Z" fill="#2b352b"/>\n'
)


def bulb(colour, lit, tilted):
    """A pointed C9 bulb, or tilted by 45 degrees for the corners."""
    glass, dull, halo = COLOURS[colour]
    fill = glass if lit else dull
    defs = glass_gradient("glass", fill, lit, 22, 18, 14)
    body = ""
    group = '  <g transform="rotate(45 24 24)">\n' if tilted else "  <g>\n"
    if lit:
        defs += halo_gradient("halo", halo, 24, 22, 22)
        body += '  <circle cx="24" cy="22" r="22" fill="url(#halo)"/>\n'
    shape = "M24 5 C29 11 32 18 32 24 C32 29.5 29 33.5 24 33.5 C19 33.5 16 29.5 16 24 C16 18 19 11 24 5 Z"
    inner = (
        f'    <path d="{shape}" fill="url(#glass)" stroke="{dull}" stroke-width="0.8"/>\n'
        '    <path d="M20.5 14 C19 18 18.5 22 19.5 27" fill="none" stroke="#ffffff" '
        f'stroke-opacity="{0.75 if lit else 0.4}" stroke-width="1.6" stroke-linecap="round"/>\n'
        + SOCKET
    )
    state = "lit" if lit else "unlit"
    pose = "tilted up and to the right" if tilted else "pointing up"
    return svg(48, 48, f"{colour.capitalize()} garland bulb, {state}, {pose}", defs,
               body + group + inner + "  </g>\n")


def strawberry(colour, lit, tilted):
    """A strawberry-shaped bulb with seeds, its leafy cap at the socket."""
    glass, dull, halo = COLOURS[colour]
    fill = glass if lit else dull
    defs = glass_gradient("glass", fill, lit, 22, 18, 15)
    body = ""
    if lit:
        defs += halo_gradient("halo", halo, 24, 21, 22)
        body += '  <circle cx="24" cy="21" r="22" fill="url(#halo)"/>\n'
    group = '  <g transform="rotate(45 24 24)">\n' if tilted else "  <g>\n"
    shape = ("M24 6 C27.5 6 34 12 34 20 C34 26.5 30 31 24 31 C18 31 14 26.5 14 20 "
             "C14 12 20.5 6 24 6 Z")
    seeds = "".join(
        f'    <ellipse cx="{x}" cy="{y}" rx="0.7" ry="1.1" fill="#fff6c0" '
        f'fill-opacity="{0.9 if lit else 0.45}"/>\n'
        for x, y in [(20, 14), (24, 11), (28, 14), (18.5, 20), (23, 18), (27.5, 19.5),
                     (30.5, 22), (20.5, 25), (25, 24), (28, 27), (22.5, 29)]
    )
    leaves = (
        '    <path d="M16 30 L20 27.5 L22 31 L24 27 L26 31 L28 27.5 L32 30 L29 33 L19 33 Z" '
        'fill="#2f8a2f" stroke="#1c5a1c" stroke-width="0.6"/>\n'
    )
    inner = (
        f'    <path d="{shape}" fill="url(#glass)" stroke="{dull}" stroke-width="0.8"/>\n'
        + seeds
        + leaves
        + SOCKET
    )
    state = "lit" if lit else "unlit"
    pose = "tilted up and to the right" if tilted else "pointing up"
    return svg(48, 48, f"{colour.capitalize()} strawberry garland bulb, {state}, {pose}", defs,
               body + group + inner + "  </g>\n")


def white_bulb(lit):
    """A small round bulb of frosted glass; lit, a warm white."""
    glass = "#fffbe8" if lit else "#b8bcc4"
    defs = glass_gradient("glass", glass, lit, 15, 11, 9)
    body = ""
    if lit:
        defs += halo_gradient("halo", "#fff3c4", 16, 14, 15)
        body += '  <circle cx="16" cy="14" r="15" fill="url(#halo)"/>\n'
    body += (
        '  <circle cx="16" cy="14" r="7.5" fill="url(#glass)" stroke="#8a8f98" '
        'stroke-width="0.6"/>\n'
        '  <path d="M12.5 11 C12 12.5 12 14 12.8 15.5" fill="none" stroke="#ffffff" '
        f'stroke-opacity="{0.85 if lit else 0.5}" stroke-width="1.2" stroke-linecap="round"/>\n'
        '  <rect x="13" y="21" width="6" height="6" rx="1" fill="#3c4a3c"/>\n'
        '  <path d="M13.5 23h5M13.5 25h5" stroke="#6f806f" stroke-width="0.6"/>\n'
    )
    state = "lit" if lit else "unlit"
    return svg(32, 32, f"White garland bulb, {state}, pointing up", defs, body)


# Icicle strands: (x, length) of each drop line hanging from the wire.
STRANDS = [(12, 170), (28, 280), (44, 215), (60, 290), (76, 190), (90, 245)]


def icicles(colour, lit):
    """A wire along the top with drop lines of little lights hanging from it."""
    glass, dull, halo = COLOURS[colour]
    defs = (
        '    <linearGradient id="wire" x1="0" y1="0" x2="100" y2="0" '
        'gradientUnits="userSpaceOnUse">\n'
        '      <stop offset="0" stop-color="#2b352b" stop-opacity="0"/>\n'
        '      <stop offset="0.12" stop-color="#2b352b"/>\n'
        '      <stop offset="0.88" stop-color="#2b352b"/>\n'
        '      <stop offset="1" stop-color="#2b352b" stop-opacity="0"/>\n'
        "    </linearGradient>\n"
    )
    if lit:
        defs += halo_gradient("halo", halo, 0, 0, 6)
        defs += (
            '    <radialGradient id="led" cx="0" cy="0" r="2.6" gradientUnits="userSpaceOnUse">\n'
            '      <stop offset="0" stop-color="#ffffff"/>\n'
            f'      <stop offset="0.55" stop-color="{glass}"/>\n'
            f'      <stop offset="1" stop-color="{glass}" stop-opacity="0.9"/>\n'
            "    </radialGradient>\n"
        )
    body = '  <path d="M0 6 Q50 10 100 6" fill="none" stroke="url(#wire)" stroke-width="1.6"/>\n'
    for x, length in STRANDS:
        body += (f'  <path d="M{x} 8 L{x} {length}" stroke="#3c4a3c" stroke-opacity="0.85" '
                 'stroke-width="0.9"/>\n')
        y = 20
        while y <= length:
            if lit:
                body += f'  <circle r="6" fill="url(#halo)" transform="translate({x} {y})"/>\n'
                body += f'  <circle r="2.6" fill="url(#led)" transform="translate({x} {y})"/>\n'
            else:
                body += (f'  <circle cx="{x}" cy="{y}" r="2.2" fill="{dull}" stroke="#222" '
                         'stroke-opacity="0.5" stroke-width="0.5"/>\n')
            y += 18
    state = "lit" if lit else "unlit"
    return svg(100, 310, f"{colour.capitalize()} icicle light strands, {state}", defs, body)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, "resources", "art", "sprites", "garland")
    os.makedirs(out, exist_ok=True)
    files = {}
    for colour in COLOURS:
        for lit in (False, True):
            state = "lit" if lit else "unlit"
            files[f"bulb_{colour}_upright_{state}.svg"] = bulb(colour, lit, False)
            files[f"bulb_{colour}_tilted_{state}.svg"] = bulb(colour, lit, True)
            files[f"strawberry_{colour}_upright_{state}.svg"] = strawberry(colour, lit, False)
            files[f"strawberry_{colour}_tilted_{state}.svg"] = strawberry(colour, lit, True)
            files[f"icicles_{colour}_{state}.svg"] = icicles(colour, lit)
    files["white_unlit.svg"] = white_bulb(False)
    files["white_lit.svg"] = white_bulb(True)
    for name, text in files.items():
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write(text)


if __name__ == "__main__":
    main()
