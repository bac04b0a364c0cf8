#!/usr/bin/env python3
"""Check the built-in text table inside a compiled resource file (.res).

Reads every RT_STRING block of the .res, rebuilds the text table and checks that
  - ids 0..249 are all present, non-empty and in English (US, 0x0409);
  - no id from 250 upwards exists (the program stops at the first missing id,
    so an extra id would silently grow the table);
  - every text fits the program's 1024-character read buffer;
  - every text listed in the verbatim list matches character for character.

Usage: check-strings.py RES [--verbatim TSV]
Prints one line per problem and exits with 1 when there is any (2 when the
file cannot be read as a .res at all).
"""

import argparse
import os
import struct
import sys

RT_STRING = 6
LANG_EN_US = 0x0409
TEXT_COUNT = 250
READ_BUFFER = 1024  # characters the program reads a text into, terminator included

DEFAULT_VERBATIM = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                "resources", "strings-verbatim.tsv")


class ResFormatError(Exception):
    pass


def _read_name(data, pos):
    """Read a type or name field: 0xFFFF + ordinal, or a NUL-terminated UTF-16 string."""
    if pos + 2 > len(data):
        raise ResFormatError("header ends inside a name field at offset %d" % pos)
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        if pos + 4 > len(data):
            raise ResFormatError("header ends inside an ordinal at offset %d" % pos)
        (ordinal,) = struct.unpack_from("<H", data, pos + 2)
        return ordinal, pos + 4
    chars = []
    while True:
        if pos + 2 > len(data):
            raise ResFormatError("unterminated name at offset %d" % pos)
        (c,) = struct.unpack_from("<H", data, pos)
        pos += 2
        if c == 0:
            break
        chars.append(c)
    return struct.pack("<%dH" % len(chars), *chars).decode("utf-16-le"), pos


def read_resources(data):
    """Yield (type, name, language, payload) for each resource of a .res image."""
    pos = 0
    while pos < len(data):
        if pos + 8 > len(data):
            raise ResFormatError("truncated resource header at offset %d" % pos)
        data_size, header_size = struct.unpack_from("<II", data, pos)
        if header_size < 32 or pos + header_size > len(data):
            raise ResFormatError("bad header size %d at offset %d" % (header_size, pos))
        rtype, p = _read_name(data, pos + 8)
        name, p = _read_name(data, p)
        p = (p + 3) & ~3
        if p + 16 > pos + header_size:
            raise ResFormatError("header too short at offset %d" % pos)
        _version, _flags, language = struct.unpack_from("<IHH", data, p)
        start = pos + header_size
        if start + data_size > len(data):
            raise ResFormatError("resource data runs past the end of the file at offset %d" % pos)
        yield rtype, name, language, data[start:start + data_size]
        pos = (start + data_size + 3) & ~3


def decode_string_block(payload):
    """An RT_STRING block holds 16 counted UTF-16 strings; returns them as a list."""
    strings = []
    pos = 0
    for _ in range(16):
        if pos + 2 > len(payload):
            raise ResFormatError("string block ends early")
        (length,) = struct.unpack_from("<H", payload, pos)
        pos += 2
        if pos + 2 * length > len(payload):
            raise ResFormatError("string runs past the end of its block")
        strings.append(payload[pos:pos + 2 * length].decode("utf-16-le"))
        pos += 2 * length
    return strings


def load_string_table(data):
    """Return ({id: text}, [problems]) for the string tables of a .res image.

    Ids whose string is empty are not resources at all (that is how the
    compiler pads a block), so they are left out of the table."""
    table = {}
    problems = []
    for rtype, name, language, payload in read_resources(data):
        if rtype != RT_STRING:
            continue
        if not isinstance(name, int) or name < 1:
            problems.append("string block with a non-numeric name %r" % (name,))
            continue
        for k, text in enumerate(decode_string_block(payload)):
            if not text:
                continue
            sid = (name - 1) * 16 + k
            if language != LANG_EN_US:
                problems.append("id %d: language 0x%04x, expected English (US) 0x%04x"
                                % (sid, language, LANG_EN_US))
            if sid in table:
                problems.append("id %d: defined twice" % sid)
            table[sid] = text
    return table, problems


def load_verbatim(path):
    """Read 'id<TAB>text[<TAB>note]' lines; '#' lines and blank lines are skipped."""
    verbatim = {}
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) < 2 or not fields[0].isdigit():
                raise ValueError("%s:%d: expected id<TAB>text" % (path, lineno))
            sid = int(fields[0])
            if sid in verbatim:
                raise ValueError("%s:%d: id %d listed twice" % (path, lineno, sid))
            verbatim[sid] = fields[1]
    return verbatim


def check_table(table, verbatim):
    problems = []
    for sid in range(TEXT_COUNT):
        if sid not in table:
            problems.append("id %d: missing (empty or absent)" % sid)
    for sid in sorted(s for s in table if len(table[s]) >= READ_BUFFER):
        problems.append("id %d: %d characters, longer than the read buffer allows"
                        % (sid, len(table[sid])))
    for sid in sorted(s for s in table if s >= TEXT_COUNT):
        problems.append("id %d: present, but the table must end at %d" % (sid, TEXT_COUNT - 1))
    for sid in sorted(verbatim):
        if sid in table and table[sid] != verbatim[sid]:
            problems.append("id %d: text %r differs from the fixed wording %r"
                            % (sid, table[sid], verbatim[sid]))
    return problems


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("res")
    ap.add_argument("--verbatim", default=DEFAULT_VERBATIM)
    args = ap.parse_args(argv)

    with open(args.res, "rb") as f:
        data = f.read()
    try:
        table, problems = load_string_table(data)
    except ResFormatError as e:
        print("%s: not a readable .res file: %s" % (args.res, e))
        return 2
    verbatim = load_verbatim(args.verbatim)
    problems += check_table(table, verbatim)
    for p in problems:
        print("%s: %s" % (args.res, p))
    if problems:
        print("%s: %d problem(s)" % (args.res, len(problems)))
        return 1
    print("%s: ok, ids 0-%d present, %d texts match the fixed wording"
          % (args.res, TEXT_COUNT - 1, len(verbatim)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
