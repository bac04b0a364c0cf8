#!/usr/bin/env python3
"""Contact sheets of the data beside the program, made from the shipped files:
docs/art/logon-contact-sheet.jpg (the eighteen logon pictures, named) and
docs/art/cursors-contact-sheet.png (each theme: its preview, its three cursors at
32 and 48 pixels on a light and a dark ground, and the frames of an animated busy
cursor). Needs ImageMagick (convert, montage).

Usage: tools/art/personalize-contact-sheet.py
"""

import importlib.machinery
import types
import os
import subprocess
import tempfile

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.dirname(TOOLS)
DOCS = os.path.join(ROOT, "docs", "art")
# The checker's file name has dashes, so it is loaded by path rather than imported.
_loader = importlib.machinery.SourceFileLoader("check_art", os.path.join(TOOLS, "checks", "check-personalize-art.py"))
check_art = types.ModuleType(_loader.name)
_loader.exec_module(check_art)
STABLE = ["-strip", "-define", "png:exclude-chunks=date,time"]


def run(*args):
    subprocess.run(list(args), check=True)


def image_png(image, out):
    w, h, _, _, bgra = image
    subprocess.run(["convert", "-size", "%dx%d" % (w, h), "-depth", "8", "bgra:-", out],
                   input=bgra, check=True)


def on_ground(png, ground, size, out):
    run("convert", "-size", "%dx%d" % (size, size), "xc:" + ground, png, "-gravity", "center",
        "-composite", out)


def logon_sheet(work):
    files = [os.path.join(ROOT, "data", "logon", n + ".jpg") for n in check_art.LOGON_NAMES]
    run("montage", "-label", "%t", *files, "-resize", "320x180", "-tile", "6x", "-geometry", "+6+6",
        "-background", "#1E2940", "-fill", "#EAF2FA", "-font", "DejaVu-Sans", "-pointsize", "15",
        "-strip", "-quality", "88", os.path.join(DOCS, "logon-contact-sheet.jpg"))


def cursor_sheet(work):
    base = os.path.join(ROOT, "data", "cursors")
    rows = []
    for theme in sorted(os.listdir(base)):
        folder = os.path.join(base, theme)
        tiles = [os.path.join(folder, "preview.png")]
        frames = []
        for role in check_art.ROLES:
            name = next(n for n in (role + ".ani", role + ".cur") if os.path.exists(os.path.join(folder, n)))
            data = open(os.path.join(folder, name), "rb").read()
            images = check_art.read_ani(data)[0] if name.endswith(".ani") else [check_art.read_cur(data)]
            if name.endswith(".ani"):
                frames = images
            for size in (32, 48):
                png = os.path.join(work, "%s-%s-%d.png" % (theme, role, size))
                image_png(next(i for i in images[0] if i[0] == size), png)
                for ground, tag in (("#F4F6F9", "l"), ("#1B2539", "d")):
                    tile = os.path.join(work, "%s-%s-%d-%s.png" % (theme, role, size, tag))
                    on_ground(png, ground, 64, tile)
                    tiles.append(tile)
        for k, images in enumerate(frames):
            png = os.path.join(work, "%s-frame-%d.png" % (theme, k))
            image_png(next(i for i in images if i[0] == 32), png)
            tile = os.path.join(work, "%s-frame-%d-t.png" % (theme, k))
            on_ground(png, "#F4F6F9", 40, tile)
            tiles.append(tile)
        row = os.path.join(work, "row-%s.png" % theme)
        run("montage", *tiles, "-tile", "x1", "-geometry", "+4+4", "-background", "#D8DEE6",
            "-title", theme, "-font", "DejaVu-Sans", "-pointsize", "16", row)
        rows.append(row)
    run("montage", *rows, "-tile", "1x", "-geometry", "+0+4", "-background", "#D8DEE6", *STABLE,
        os.path.join(DOCS, "cursors-contact-sheet.png"))


def main():
    os.makedirs(DOCS, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        logon_sheet(work)
        cursor_sheet(work)


if __name__ == "__main__":
    main()
