#!/usr/bin/env python3
"""Checks that the program's folders depend on each other only downwards.

framework/ (our Win32 helpers) is the ground, core/ (settings, texts, addresses, the
system) stands on it, the features stand on both, and app/ on top wires them together.
A file may include only the folders its own folder's row below names, and only app/
may reach the application object through App(). Usage: check-layers.py SOURCE_ROOT
"""
import os
import re
import sys

# Every folder of the program and the folders its files may include. resources/ holds
# the resource ids, which any layer may name.
ALLOWED = {
    "framework": {"framework", "resources"},
    "core": {"core", "framework", "resources"},
    "effects": {"effects", "core", "framework", "resources"},
    # The Effects tab and its pages drive the effect objects.
    "effectpages": {"effectpages", "effects", "core", "framework", "resources"},
    # The screen-saver background lists and previews the installed screen savers.
    "background": {"background", "personalize", "core", "framework", "resources"},
    "nightlight": {"nightlight", "core", "framework", "resources"},
    "personalize": {"personalize", "core", "framework", "resources"},
    "tweaks": {"tweaks", "core", "framework", "resources"},
    "app": {"app", "effects", "effectpages", "background", "nightlight", "personalize",
            "tweaks", "core", "framework", "resources"},
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
APP_CALL = re.compile(r"\bApp\(\)")
COMMENT = re.compile(r"//.*$")


def problems(root):
    found = []
    for folder, allowed in sorted(ALLOWED.items()):
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(directory, name)
                place = os.path.relpath(path, root)
                with open(path, encoding="utf-8") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if match and "/" in match.group(1):
                            target = match.group(1).split("/", 1)[0]
                            if target in ALLOWED or target == "resources":
                                if target not in allowed:
                                    found.append(f"{place}:{number}: {folder}/ may not include "
                                                 f"{match.group(1)}")
                        if folder != "app" and APP_CALL.search(COMMENT.sub("", line)):
                            found.append(f"{place}:{number}: App() is reached from app/ only")
    return found


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    found = problems(argv[1])
    for problem in found:
        print(problem)
    if found:
        print(f"{len(found)} dependencies against the layers")
        return 1
    print("every include follows the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
