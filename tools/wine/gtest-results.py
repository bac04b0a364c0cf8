#!/usr/bin/env python3
"""Sums up GoogleTest result files (--gtest_output=xml) in one line, then names each test
that failed, one per line. A file that is missing or cannot be read counts as a program
that did not finish.
    gtest-results.py RESULT.xml...
"""
import sys
import xml.etree.ElementTree as ET


def summarize(paths):
    tests = failed = skipped = 0
    failures = []
    unfinished = []
    for path in paths:
        try:
            root = ET.parse(path).getroot()
        except (OSError, ET.ParseError):
            unfinished.append(path)
            continue
        for case in root.iter("testcase"):
            if case.get("status") == "notrun":
                continue
            tests += 1
            name = f"{case.get('classname')}.{case.get('name')}"
            if case.find("failure") is not None:
                failed += 1
                failures.append(name)
            elif case.find("skipped") is not None or case.get("result") == "skipped":
                skipped += 1
    passed = tests - failed - skipped
    line = f"{tests} tests in {len(paths) - len(unfinished)} programs: {passed} passed, " \
           f"{failed} failed, {skipped} skipped"
    if unfinished:
        line += f"; no results from {', '.join(unfinished)}"
    return line, failures


def main(argv):
    line, failures = summarize(argv[1:])
    print(line)
    for name in failures:
        print(f"  failed: {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
