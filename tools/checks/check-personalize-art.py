#!/usr/bin/env python3
"""Check the logon pictures and the cursor themes that ship beside the program.

Logon pictures (data/logon/): exactly the eighteen names of the Logon Screen page, each
a 1920 x 1080 JPEG below 256000 bytes (the logon screen refuses larger files), with its
SVG source in resources/art/logon/.
Cursor themes (data/cursors/<theme>/): at least five; each has one normal, hand and
wait cursor (.cur or .ani) and preview.png, and nothing else. A .cur must be a valid
cursor file with a 32 x 32 image of 32-bit colour, its hot spot inside, both see-through
and solid pixels; an .ani a valid animation of such frames that do not all look alike.
At least two busy cursors are animated.
Both: rendered.sha256 beside the sources names every rendered file, and the sources
and outputs still have the listed contents: outputs were rendered from these sources
and not edited since (run tools/art/render-logon.sh or tools/art/render-cursors.py).

Usage: tools/checks/check-personalize-art.py [ROOT]   (ROOT defaults to the repository)
Prints one line per problem; exits with 1 when there is any.
"""

import hashlib
import os
import struct
import sys

LOGON_NAMES = ["branches", "clouds", "crescent", "daisies", "earth", "field", "floral", "grass",
               "leaf", "orange", "pink", "raindrops", "sea", "smoke", "street", "sunrise",
               "triangles", "water"]
LOGON_LIMIT = 256000
ROLES = ["normal", "hand", "wait"]


class BadFile(Exception):
    pass


def jpeg_size(data):
    """(width, height) from the frame header of a JPEG file."""
    if data[:3] != b"\xFF\xD8\xFF":
        raise BadFile("not a JPEG file")
    i = 2
    while i + 4 <= len(data):
        if data[i] != 0xFF:
            raise BadFile("broken JPEG marker at byte %d" % i)
        marker = data[i + 1]
        if marker in (0xD8, 0x01) or 0xD0 <= marker <= 0xD7:
            i += 2
            continue
        length = struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            height, width = struct.unpack(">HH", data[i + 5:i + 9])
            return width, height
        i += 2 + length
    raise BadFile("JPEG without a frame header")


def read_cur(data):
    """The images of a .cur file: (width, height, hot_x, hot_y, bgra rows top-down)."""
    if len(data) < 6:
        raise BadFile("too short for a cursor")
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0 or kind != 2 or count == 0:
        raise BadFile("not a cursor file (type %d, %d images)" % (kind, count))
    images = []
    for n in range(count):
        entry = data[6 + 16 * n:22 + 16 * n]
        if len(entry) < 16:
            raise BadFile("directory cut short")
        w, h, _, _, hx, hy, size, offset = struct.unpack("<BBBBHHII", entry)
        w, h = w or 256, h or 256
        blob = data[offset:offset + size]
        if len(blob) != size or size < 40:
            raise BadFile("image %d lies outside the file" % n)
        bsize, bw, bh, planes, bits = struct.unpack("<IiiHH", blob[:16])
        if bsize != 40 or bw != w or bh != 2 * h or bits != 32:
            raise BadFile("image %d is not a %dx%d 32-bit bitmap" % (n, w, h))
        if not (0 <= hx < w and 0 <= hy < h):
            raise BadFile("image %d: hot spot (%d, %d) outside %dx%d" % (n, hx, hy, w, h))
        stride = w * 4
        mask_stride = ((w + 31) // 32) * 4
        if size < 40 + stride * h + mask_stride * h:
            raise BadFile("image %d is cut short" % n)
        rows = [blob[40 + stride * (h - 1 - y):40 + stride * (h - y)] for y in range(h)]
        images.append((w, h, hx, hy, b"".join(rows)))
    return images


def chunks(data, start, end):
    i = start
    while i + 8 <= end:
        tag = data[i:i + 4]
        size = struct.unpack("<I", data[i + 4:i + 8])[0]
        if i + 8 + size > end:
            raise BadFile("chunk %r runs past its end" % tag)
        yield tag, i + 8, i + 8 + size
        i += 8 + size + (size & 1)


def read_ani(data):
    """The frames of an .ani file, each the images of a cursor, and the rate in jiffies."""
    if data[:4] != b"RIFF" or data[8:12] != b"ACON":
        raise BadFile("not an animated cursor (RIFF ACON)")
    end = min(len(data), 8 + struct.unpack("<I", data[4:8])[0])
    header, frames = None, []
    for tag, a, b in chunks(data, 12, end):
        if tag == b"anih":
            if b - a < 36:
                raise BadFile("anih too short")
            header = struct.unpack("<9I", data[a:a + 36])
        elif tag == b"LIST" and data[a:a + 4] == b"fram":
            for sub, c, d in chunks(data, a + 4, b):
                if sub == b"icon":
                    frames.append(read_cur(data[c:d]))
    if header is None:
        raise BadFile("no anih header")
    if header[1] != len(frames) or not frames:
        raise BadFile("anih says %d frames, the file holds %d" % (header[1], len(frames)))
    if header[7] == 0:
        raise BadFile("a rate of zero")
    return frames, header[7]


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise BadFile("not a PNG file")
    return struct.unpack(">II", data[16:24])


def alpha_range(bgra):
    alphas = bgra[3::4]
    return min(alphas), max(alphas)


class Checker:
    def __init__(self, root):
        self.root = root
        self.problems = []

    def problem(self, text):
        self.problems.append(text)

    def read(self, relative):
        with open(os.path.join(self.root, relative), "rb") as f:
            return f.read()

    def check_logon(self):
        folder = os.path.join(self.root, "data", "logon")
        present = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
        wanted = [n + ".jpg" for n in LOGON_NAMES]
        for extra in sorted(set(present) - set(wanted)):
            self.problem("data/logon/%s is not one of the page's pictures" % extra)
        for name in LOGON_NAMES:
            path = "data/logon/%s.jpg" % name
            if name + ".jpg" not in present:
                self.problem("%s is missing" % path)
                continue
            data = self.read(path)
            if len(data) >= LOGON_LIMIT:
                self.problem("%s has %d bytes; the logon screen takes below %d" % (path, len(data), LOGON_LIMIT))
            try:
                size = jpeg_size(data)
                if size != (1920, 1080):
                    self.problem("%s is %dx%d, not 1920x1080" % ((path,) + size))
            except BadFile as e:
                self.problem("%s: %s" % (path, e))
            source = "resources/art/logon/%s.svg" % name
            if not os.path.isfile(os.path.join(self.root, source)):
                self.problem("%s has no source %s" % (path, source))
        self.check_manifest("resources/art/logon/rendered.sha256", "data/logon")

    def check_cursor_file(self, path):
        """The number of distinct looks of the file's 32-pixel image (frames), or 0."""
        data = self.read(path)
        try:
            if path.endswith(".ani"):
                frames, _ = read_ani(data)
            else:
                frames = [read_cur(data)]
        except BadFile as e:
            self.problem("%s: %s" % (path, e))
            return 0
        looks = set()
        for images in frames:
            small = [i for i in images if i[0] == 32 and i[1] == 32]
            if not small:
                self.problem("%s has no 32x32 image" % path)
                return 0
            low, high = alpha_range(small[0][4])
            if low != 0 or high < 200:
                self.problem("%s: the 32x32 image needs clear and solid pixels (alpha %d..%d)"
                             % (path, low, high))
            looks.add(small[0][4])
        return len(looks)

    def check_cursors(self):
        base = os.path.join(self.root, "data", "cursors")
        themes = sorted(t for t in os.listdir(base) if os.path.isdir(os.path.join(base, t))) \
            if os.path.isdir(base) else []
        if len(themes) < 5:
            self.problem("data/cursors has %d themes, at least 5 are needed" % len(themes))
        animated = 0
        for theme in themes:
            folder = "data/cursors/" + theme
            files = sorted(os.listdir(os.path.join(self.root, folder)))
            expected = {"preview.png"}
            for role in ROLES:
                found = [f for f in files if f in (role + ".cur", role + ".ani")]
                if len(found) != 1:
                    self.problem("%s needs one %s.cur or %s.ani, has %s" % (folder, role, role, found or "none"))
                    continue
                expected.add(found[0])
                looks = self.check_cursor_file(folder + "/" + found[0])
                if found[0].endswith(".ani"):
                    if looks < 2 and looks:
                        self.problem("%s/%s does not move: all its frames look alike" % (folder, found[0]))
                    elif role == "wait" and looks >= 2:
                        animated += 1
            for extra in sorted(set(files) - expected):
                if not extra.endswith((".cur", ".ani")):
                    self.problem("%s/%s does not belong in a theme" % (folder, extra))
            if "preview.png" not in files:
                self.problem("%s has no preview.png" % folder)
            else:
                try:
                    w, h = png_size(self.read(folder + "/preview.png"))
                    if w < 96 or h < 96:
                        self.problem("%s/preview.png is %dx%d, smaller than the 96-pixel square" % (folder, w, h))
                except BadFile as e:
                    self.problem("%s/preview.png: %s" % (folder, e))
        if animated < 2:
            self.problem("only %d themes have an animated busy cursor, at least 2 are needed" % animated)
        self.check_manifest("resources/art/cursors/rendered.sha256", "data/cursors")

    def check_manifest(self, manifest, outputs):
        try:
            lines = self.read(manifest).decode().splitlines()
        except OSError:
            self.problem("%s is missing: render the art" % manifest)
            return
        listed = set()
        for line in lines:
            digest, _, path = line.partition("  ")
            listed.add(path)
            full = os.path.join(self.root, path)
            if not os.path.isfile(full):
                self.problem("%s lists %s, which is gone" % (manifest, path))
            elif hashlib.sha256(self.read(path)).hexdigest() != digest:
                self.problem("%s changed since the art was rendered (%s)" % (path, manifest))
        for folder, _, names in os.walk(os.path.join(self.root, outputs)):
            for name in names:
                path = os.path.relpath(os.path.join(folder, name), self.root)
                if path not in listed:
                    self.problem("%s was not rendered from the sources (%s)" % (path, manifest))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(here))
    checker = Checker(root)
    checker.check_logon()
    checker.check_cursors()
    for line in checker.problems:
        print("check-personalize-art: " + line)
    return 1 if checker.problems else 0


if __name__ == "__main__":
    sys.exit(main())
