#!/usr/bin/env python3
"""Render the cursor themes from resources/art/cursors/ into data/cursors/<theme>/:
normal.cur, hand.cur, wait.ani (twelve turning frames) or wait.cur, and preview.png.

Each theme of themes.txt recolours the cursor drawings; rsvg-convert (librsvg2-bin)
draws them at 32, 48 and 64 pixels (animation frames at 32 and 48) and ImageMagick
(convert) reads the pixels back and lays out the preview. A file is only replaced
when its bytes change. Also writes resources/art/cursors/rendered.sha256, which
tools/checks/check-personalize-art.py compares with the sources and the outputs.

Usage: tools/art/render-cursors.py
"""

import hashlib
import os
import re
import shutil
import subprocess
import sys
import tempfile

TOOLS = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(TOOLS))
ART = os.path.join(ROOT, "resources", "art", "cursors")
OUT = os.path.join(ROOT, "data", "cursors")
sys.path.insert(0, TOOLS)
import cursorfile  # noqa: E402

# The Snow colours in the drawings, in the order of the theme table's columns.
DRAWING_COLOURS = ["#FFFFFF", "#DCE4EE", "#1E2940", "#79BAF5", "#2F7FD8"]
CARD_COLOURS = ["#3A4A66", "#1B2539"]
SIZES = [32, 48, 64]
FRAME_SIZES = [32, 48]
FRAMES = 12
JIFFIES = 5  # twelve frames a second: one turn of the ring a second
# Hot spots on the 32-pixel grid.
HOT_SPOTS = {"normal": (2, 2), "hand": (11, 1), "wait-spinner": (16, 16),
             "wait-hourglass": (16, 16)}
PREVIEW_SIZE = 192
# Where the three cursors go on the preview card, and their drawn size: the arrow
# fills less of its square than the others, so it is drawn larger.
PREVIEW_PLACES = {"normal": (18, 8, 92), "hand": (92, 8, 84), "wait": (60, 106, 72)}
SOURCES = ["normal.svg", "hand.svg", "wait-spinner.svg", "wait-hourglass.svg",
           "preview-card.svg", "themes.txt"]
TOOL_FILES = ["render-cursors.py", "cursorfile.py"]


def read_themes():
    themes = []
    with open(os.path.join(ART, "themes.txt"), encoding="utf-8") as table:
        for line in table:
            fields = line.split()
            if not fields or fields[0].startswith("#"):
                continue
            if len(fields) != 9 or fields[6] not in ("spinner", "hourglass"):
                sys.exit("render-cursors: malformed theme line: %s" % line.strip())
            themes.append({"name": fields[0], "drawing": fields[1:6], "busy": fields[6],
                           "card": fields[7:9]})
    return themes


def recolour(svg, old, new):
    mapping = {a.upper(): b for a, b in zip(old, new)}
    pattern = re.compile("|".join(re.escape(c) for c in mapping), re.IGNORECASE)
    return pattern.sub(lambda m: mapping[m.group(0).upper()], svg)


def render(svg_text, size, work):
    source = os.path.join(work, "in.svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(svg_text)
    png = os.path.join(work, "out-%d.png" % size)
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), source, "-o", png],
                   check=True)
    return png


def rgba(png):
    return subprocess.run(["convert", png, "-depth", "8", "rgba:-"], check=True,
                          capture_output=True).stdout


def cursor(svg_text, hot, sizes, work):
    images = []
    for size in sizes:
        pixels = rgba(render(svg_text, size, work))
        spot = (hot[0] * size // 32, hot[1] * size // 32)
        images.append((size, size, pixels, spot))
    return cursorfile.cur_bytes(images)


def spin(svg_text, degrees):
    turned, count = re.subn(r'id="spin" transform="rotate\(0 16 16\)"',
                            'id="spin" transform="rotate(%g 16 16)"' % degrees, svg_text)
    if count != 1:
        sys.exit("render-cursors: wait-spinner.svg needs one group spin turned by rotate(0 16 16)")
    return turned


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def main():
    for tool in ("rsvg-convert", "convert"):
        if shutil.which(tool) is None:
            sys.exit("render-cursors: %s is missing (apt-get install librsvg2-bin imagemagick)" % tool)
    drawings = {}
    for name in ("normal", "hand", "wait-spinner", "wait-hourglass", "preview-card"):
        with open(os.path.join(ART, name + ".svg"), encoding="utf-8") as f:
            drawings[name] = f.read()
    themes = read_themes()
    os.makedirs(OUT, exist_ok=True)
    outputs = []
    with tempfile.TemporaryDirectory() as work:
        for theme in themes:
            folder = os.path.join(OUT, theme["name"])
            os.makedirs(folder, exist_ok=True)
            svg = {k: recolour(v, DRAWING_COLOURS, theme["drawing"]) for k, v in drawings.items()
                   if k != "preview-card"}
            files = {"normal.cur": cursor(svg["normal"], HOT_SPOTS["normal"], SIZES, work),
                     "hand.cur": cursor(svg["hand"], HOT_SPOTS["hand"], SIZES, work)}
            busy = "wait-" + theme["busy"]
            if theme["busy"] == "spinner":
                frames = [cursor(spin(svg[busy], 360.0 * i / FRAMES), HOT_SPOTS[busy], FRAME_SIZES,
                                 work) for i in range(FRAMES)]
                files["wait.ani"] = cursorfile.ani_bytes(frames, JIFFIES, theme["name"] + " busy",
                                                         "Orvane")
            else:
                files["wait.cur"] = cursor(svg[busy], HOT_SPOTS[busy], SIZES, work)
            for stale in set(os.listdir(folder)) - set(files) - {"preview.png"}:
                os.remove(os.path.join(folder, stale))
            for name, data in files.items():
                write_if_changed(os.path.join(folder, name), data)
                outputs.append(os.path.join(folder, name))

            card = render(recolour(drawings["preview-card"], CARD_COLOURS, theme["card"]),
                          PREVIEW_SIZE, work)
            layers = [card]
            for role, source in (("normal", svg["normal"]), ("hand", svg["hand"]),
                                 ("wait", svg[busy])):
                x, y, size = PREVIEW_PLACES[role]
                picture = os.path.join(work, role + ".png")
                shutil.copy(render(source, size, work), picture)
                layers += [picture, "-geometry", "+%d+%d" % (x, y), "-composite"]
            preview = os.path.join(work, "preview.png")
            subprocess.run(["convert"] + layers + ["-strip", "-define",
                                                   "png:exclude-chunks=date,time", preview],
                           check=True)
            with open(preview, "rb") as f:
                write_if_changed(os.path.join(folder, "preview.png"), f.read())
            outputs.append(os.path.join(folder, "preview.png"))
    for stale in set(os.listdir(OUT)) - {t["name"] for t in themes}:
        shutil.rmtree(os.path.join(OUT, stale))

    lines = ["%s  resources/art/cursors/%s" % (digest(os.path.join(ART, s)), s) for s in SOURCES]
    lines += ["%s  tools/art/%s" % (digest(os.path.join(TOOLS, t)), t) for t in TOOL_FILES]
    lines += ["%s  %s" % (digest(p), os.path.relpath(p, ROOT)) for p in sorted(outputs)]
    write_if_changed(os.path.join(ART, "rendered.sha256"), ("\n".join(lines) + "\n").encode())


if __name__ == "__main__":
    main()
