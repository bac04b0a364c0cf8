"""Writers of Windows cursor files: static cursors (.cur) and animated ones (.ani).

A .cur holds one or more sizes of the same picture, each a 32-bit BGRA DIB with its
1-bit AND mask and a hot spot. An .ani is a RIFF "ACON" file whose frames are whole
.cur files, shown in turn at a fixed rate (in jiffies, sixtieths of a second).
"""

import struct


def _dib(width, height, rgba):
    """A 32-bit cursor image: header, bottom-up BGRA rows, then the AND mask."""
    if len(rgba) != width * height * 4:
        raise ValueError("%dx%d picture needs %d bytes, got %d"
                         % (width, height, width * height * 4, len(rgba)))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((width + 31) // 32) * 4
    for y in range(height - 1, -1, -1):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(width):
            r, g, b, a = rgba[(y * width + x) * 4:(y * width + x) * 4 + 4]
            row += bytes((b, g, r, a))
            if a == 0:  # fully clear: the screen shows through also without alpha
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    return header + b"".join(rows) + b"".join(mask_rows)


def cur_bytes(images):
    """A .cur file of images, each (width, height, rgba_bytes, (hot_x, hot_y))."""
    if not images:
        raise ValueError("a cursor needs at least one image")
    blobs = []
    for width, height, rgba, (hot_x, hot_y) in images:
        if not (1 <= width <= 256 and 1 <= height <= 256):
            raise ValueError("cursor images are 1 to 256 pixels a side")
        if not (0 <= hot_x < width and 0 <= hot_y < height):
            raise ValueError("hot spot (%d, %d) outside %dx%d" % (hot_x, hot_y, width, height))
        blobs.append(_dib(width, height, rgba))
    out = bytearray(struct.pack("<HHH", 0, 2, len(images)))
    offset = 6 + 16 * len(images)
    for (width, height, _, (hot_x, hot_y)), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, hot_x, hot_y,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    return bytes(out)


def _chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def _text(value):
    return value.encode("ascii") + b"\0"


def ani_bytes(frames, jiffies, title="", author=""):
    """An .ani file showing the .cur files in frames in turn, each for jiffies/60 s."""
    if not frames:
        raise ValueError("an animation needs at least one frame")
    if jiffies < 1:
        raise ValueError("the rate is at least one jiffy")
    # cbSize, frames, steps, width, height, bit count, planes, rate, flags (AF_ICON)
    header = struct.pack("<9I", 36, len(frames), len(frames), 0, 0, 0, 0, jiffies, 1)
    body = b"ACON"
    info = b""
    if title:
        info += _chunk(b"INAM", _text(title))
    if author:
        info += _chunk(b"IART", _text(author))
    if info:
        body += _chunk(b"LIST", b"INFO" + info)
    body += _chunk(b"anih", header)
    body += _chunk(b"LIST", b"fram" + b"".join(_chunk(b"icon", f) for f in frames))
    return b"RIFF" + struct.pack("<I", len(body)) + body
