#!/usr/bin/env python3
"""Fails when two headers define a type of the same name at namespace level.

Everything of ours lives in one namespace, so two such definitions are one type
defined twice: the linker takes either without a word, and code that sees one
layout gets the other's objects. Usage: check-type-names.py SOURCE_ROOT
"""
import os
import re
import sys

FOLDERS = ["app", "background", "effectpages", "effects", "framework", "nightlight",
           "personalize", "tweaks", "tests", "tools", "benchmarks"]
# A definition at the start of a line (nested types are indented), not a declaration.
DEFINITION = re.compile(
    r"^(?:struct|class|union|enum(?:\s+class)?)\s+(\w+)(?:\s+final)?\s*(?::[^;{]*)?\{")


def definitions(root):
    found = {}
    for folder in FOLDERS:
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith(".h"):
                    continue
                path = os.path.join(directory, name)
                with open(path, encoding="utf-8") as header:
                    for number, line in enumerate(header, 1):
                        match = DEFINITION.match(line)
                        if match:
                            place = f"{os.path.relpath(path, root)}:{number}"
                            found.setdefault(match.group(1), []).append(place)
    return found


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    duplicates = {name: places for name, places in definitions(argv[1]).items()
                  if len(places) > 1}
    for name, places in sorted(duplicates.items()):
        print(f"type {name} is defined more than once: {', '.join(places)}")
    if duplicates:
        return 1
    print("every type name is defined once")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
