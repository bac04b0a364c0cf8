#!/usr/bin/env python3
"""Checks that every relative link and picture of the given Markdown files names a file
that exists (relative to the Markdown file). Prints the broken ones; exit 1 if any."""
import os
import re
import sys

LINK = re.compile(r'!?\[[^\]]*\]\(([^)\s]+)(?:\s+"[^"]*")?\)')


def broken_links(path):
    folder = os.path.dirname(os.path.abspath(path))
    with open(path, encoding='utf-8') as f:
        text = f.read()
    for target in LINK.findall(text):
        if re.match(r'^[a-z]+:', target) or target.startswith('#'):
            continue
        if not os.path.exists(os.path.join(folder, target.split('#')[0])):
            yield target


def main(paths):
    broken = [(p, t) for p in paths for t in broken_links(p)]
    for path, target in broken:
        print(f'{path}: no such file: {target}')
    return 1 if broken else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
