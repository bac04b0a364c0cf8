#!/usr/bin/env python3
"""Check language files (*.lng, UTF-8 sources) against the built-in English texts.

For every file:
  - section [Language] has non-empty "lang_en" and "lang_native";
  - section [Text] has keys 0..249, each once, each non-empty, and no other key
    (only the English file may leave it out: it stands for the built-in texts);
  - every line of [Text] is "id=value" (a raw line break inside a value shows up
    as a line that is not), values have no leading or trailing blanks and are not
    wrapped in double quotes (the profile functions would strip both), and are
    shorter than the 1024-character read buffer;
  - against the English text of the same id: the same printf placeholders in the
    same order, the same number of "&" mnemonics, of "\\r"/"\\n" line breaks, of
    "..." and of "\u2026", and a trailing colon exactly where English has one.

Usage: check-lng.py FILE.lng [FILE.lng ...] [--english resources/strings.rc]
Prints one line per problem; exits with 1 when any file has a problem.
"""

import argparse
import os
import re
import sys

TEXT_COUNT = 250
READ_BUFFER = 1024  # characters, terminator included

DEFAULT_ENGLISH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                               "resources", "strings.rc")

PLACEHOLDER = re.compile(
    r"%(?:%|[-+ #0]*(?:\d+|\*)?(?:\.(?:\d+|\*))?(?:hh|h|ll|l|I64|I32|I|L|w)?[diouxXcCsSeEfgGaApn])")
RC_LINE = re.compile(r'^\s*(\d+)\s*,?\s*"((?:[^"]|"")*)"\s*$')
RC_ESCAPES = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\"}


def unescape_rc(body):
    out = []
    i = 0
    while i < len(body):
        c = body[i]
        if c == '"':  # only "" can occur inside the body
            out.append('"')
            i += 2
        elif c == "\\":
            nxt = body[i + 1:i + 2]
            if nxt not in RC_ESCAPES:
                raise ValueError("unsupported escape \\%s" % nxt)
            out.append(RC_ESCAPES[nxt])
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def load_english(path):
    """{id: text} from the STRINGTABLE lines of strings.rc, escapes resolved."""
    texts = {}
    with open(path, encoding="utf-8") as f:
        for lineno, line in enumerate(f, 1):
            m = RC_LINE.match(line)
            if not m:
                continue
            sid = int(m.group(1))
            if sid in texts:
                raise ValueError("%s:%d: id %d defined twice" % (path, lineno, sid))
            try:
                texts[sid] = unescape_rc(m.group(2))
            except ValueError as e:
                raise ValueError("%s:%d: %s" % (path, lineno, e))
    missing = [i for i in range(TEXT_COUNT) if i not in texts]
    if missing:
        raise ValueError("%s: ids missing from the English table: %s" % (path, missing))
    return texts


def decode_breaks(value):
    """What the program does on loading a value: backslash-r and backslash-n become CR, LF."""
    return value.replace("\\r", "\r").replace("\\n", "\n")


def parse_lng(text):
    """Return ({section: {key: (value, lineno)}}, [problems])."""
    sections = {}
    problems = []
    current = None
    for lineno, raw in enumerate(text.split("\n"), 1):
        line = raw[:-1] if raw.endswith("\r") else raw
        stripped = line.strip()
        if not stripped or stripped.startswith(";"):
            continue
        if stripped.startswith("[") and stripped.endswith("]"):
            current = stripped[1:-1]
            if current in sections:
                problems.append("line %d: section [%s] appears twice" % (lineno, current))
            sections.setdefault(current, {})
            continue
        if current is None:
            problems.append("line %d: text outside any section" % lineno)
            continue
        key, sep, value = line.partition("=")
        key = key.strip()
        if not sep or not key or (current == "Text" and not key.isdigit()):
            problems.append("line %d: not a key=value line (a raw line break inside a value?): %r"
                            % (lineno, line[:60]))
            continue
        entries = sections[current]
        if key in entries:
            problems.append("line %d: key %s in [%s] repeats line %d"
                            % (lineno, key, current, entries[key][1]))
            continue
        entries[key] = (value, lineno)
    return sections, problems


def check_value(sid, value, english):
    problems = []
    where = "id %d" % sid
    if value != value.strip():
        problems.append("%s: leading or trailing blanks would be cut off when read" % where)
    if len(value) >= 2 and value.startswith('"') and value.endswith('"'):
        problems.append("%s: value wrapped in double quotes, which would be stripped" % where)
    if len(value) >= READ_BUFFER:
        problems.append("%s: %d characters, longer than the read buffer allows"
                        % (where, len(value)))
    ours, theirs = decode_breaks(value), english
    if PLACEHOLDER.findall(ours) != PLACEHOLDER.findall(theirs):
        problems.append("%s: placeholders %s, English has %s"
                        % (where, PLACEHOLDER.findall(ours), PLACEHOLDER.findall(theirs)))
    for token, label in (("&", '"&"'), ("\r", "\\r"), ("\n", "\\n"), ("...", '"..."'),
                         ("\u2026", '"\u2026"')):
        if ours.count(token) != theirs.count(token):
            problems.append("%s: %d x %s, English has %d"
                            % (where, ours.count(token), label, theirs.count(token)))
    if ours.rstrip().endswith(":") != theirs.rstrip().endswith(":"):
        problems.append("%s: trailing colon %s, English %s"
                        % (where, "present" if ours.rstrip().endswith(":") else "missing",
                           "has one" if theirs.rstrip().endswith(":") else "has none"))
    return problems


def check_lng(text, english):
    sections, problems = parse_lng(text)
    lang = sections.get("Language", {})
    for key in ("lang_en", "lang_native"):
        if not lang.get(key, ("", 0))[0].strip():
            problems.append('[Language] "%s" missing or empty' % key)
    if "Text" not in sections:
        if lang.get("lang_en", ("", 0))[0] == "English":
            return problems
        problems.append("no [Text] section")
    texts = sections.get("Text", {})
    for key, (value, lineno) in sorted(texts.items(), key=lambda kv: kv[1][1]):
        sid = int(key)
        if key != str(sid) or sid >= TEXT_COUNT:
            problems.append("line %d: key %s is not an id 0-%d" % (lineno, key, TEXT_COUNT - 1))
            continue
        if not value.strip():
            problems.append("id %d: empty" % sid)
            continue
        problems += check_value(sid, value, english[sid])
    present = {int(k) for k in texts if k.isdigit()}
    missing = [i for i in range(TEXT_COUNT) if i not in present]
    if missing:
        problems.append("ids missing: %s" % ", ".join(map(str, missing)))
    return problems


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("files", nargs="+")
    ap.add_argument("--english", default=DEFAULT_ENGLISH)
    args = ap.parse_args(argv)
    english = load_english(args.english)
    failed = False
    for path in args.files:
        with open(path, "rb") as f:
            raw = f.read()
        if raw.startswith(b"\xef\xbb\xbf"):
            raw = raw[3:]
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError as e:
            print("%s: not UTF-8: %s" % (path, e))
            failed = True
            continue
        problems = check_lng(text, english)
        for p in problems:
            print("%s: %s" % (path, p))
        if problems:
            print("%s: %d problem(s)" % (path, len(problems)))
            failed = True
        else:
            print("%s: ok, %d texts" % (path, TEXT_COUNT))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
