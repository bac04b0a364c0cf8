#!/usr/bin/env python3
"""Check that the 32-bit program uses SSE2 only in the code that may.

The program runs on processors without SSE2 and keeps its effects off there; only the
compositing code, which nothing but the effects reaches, is built for SSE2. A function of
the program that uses an XMM register must therefore be defined by the compositing
objects alone. One that other objects define as well (an inline function or library
template both instantiate) is shared: the linker keeps one copy of it for the whole
program, and when that copy is the SSE2 one, code outside the effects runs it.

Usage: check-sse2.py OBJDUMP NM PROGRAM --sse2 OBJECT... --others OBJECT...
Prints each function that breaks the rule and exits with 1 when there is any.
"""

import re
import subprocess
import sys

FUNCTION = re.compile(r"^[0-9a-f]+ <(.+)>:$")


def functions_using_xmm(disassembly):
    """The names of the functions whose code names an XMM register, in order."""
    found, current = [], None
    for line in disassembly.splitlines():
        match = FUNCTION.match(line)
        if match:
            current = match.group(1)
        elif current and "%xmm" in line and current not in found:
            found.append(current)
    return found


def code_symbols(symbol_table):
    """The code symbols an object defines, from nm's output."""
    return {parts[2] for parts in (line.split() for line in symbol_table.splitlines())
            if len(parts) == 3 and parts[1] in ("T", "t")}


def violations(disassembly, sse2_symbols, other_symbols):
    # Labels such as ".gcc_except_table" are data the disassembler walked into.
    return [name for name in functions_using_xmm(disassembly)
            if not name.startswith(".")
            and (name not in sse2_symbols or name in other_symbols)]


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def main(argv):
    try:
        split = argv.index("--others")
        objdump, nm, program, marker = argv[1:5]
        sse2_objects, other_objects = argv[5:split], argv[split + 1:]
        if marker != "--sse2":
            raise ValueError
    except ValueError:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    disassembly = run(objdump, "-d", "--no-show-raw-insn", program)
    if not any(FUNCTION.match(line) for line in disassembly.splitlines()):
        print("%s: no function names to check (stripped?)" % program)
        return 1

    def symbols(objects):
        found = set()
        for path in objects:
            found |= code_symbols(run(nm, "--defined-only", path))
        return found

    bad = violations(disassembly, symbols(sse2_objects), symbols(other_objects))
    for name in bad:
        print("uses SSE2 outside the compositing code: %s" % name)
    if not bad:
        print("%s: SSE2 only in the compositing code (%d functions)"
              % (program, len(functions_using_xmm(disassembly))))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
