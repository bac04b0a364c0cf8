#!/usr/bin/env python3
"""Check that the 32-bit program uses SSE2 only in the code that may.

The program runs on processors without SSE2 and keeps its effects off there; only the
compositing code, which nothing but the effects reaches, is built for SSE2. A function
of the program that uses an XMM register must therefore be one of the given objects'
own functions. A library template instantiated in those objects is not theirs: the
linker keeps one copy of it for the whole program, which may be the SSE2 one.

Usage: check-sse2.py OBJDUMP NM PROGRAM OBJECT...
Prints each function that breaks the rule and exits with 1 when there is any.
"""

import re
import subprocess
import sys

FUNCTION = re.compile(r"^[0-9a-f]+ <(.+)>:$")
# Mangled names of the standard library's templates and runtime support.
LIBRARY = re.compile(r"^_?_Z(N|NK)?(St|9__gnu_cxx|10__cxxabiv1)|^_?_ZSt")


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


def own_functions(symbol_table):
    """Code symbols an object defines (nm output), library templates left out."""
    own = set()
    for line in symbol_table.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[1] in ("T", "t") and not LIBRARY.match(parts[2]):
            own.add(parts[2])
    return own


def violations(disassembly, own):
    # Labels such as ".gcc_except_table" are data the disassembler walked into.
    return [name for name in functions_using_xmm(disassembly)
            if not name.startswith(".") and name not in own]


def main(argv):
    if len(argv) < 5:
        print(__doc__.strip().splitlines()[-2], file=sys.stderr)
        return 2
    objdump, nm, program, objects = argv[1], argv[2], argv[3], argv[4:]
    disassembly = subprocess.run([objdump, "-d", "--no-show-raw-insn", program], check=True,
                                 capture_output=True, text=True).stdout
    if not any(FUNCTION.match(line) for line in disassembly.splitlines()):
        print("%s: no function names to check (stripped?)" % program)
        return 1
    own = set()
    for path in objects:
        own |= own_functions(subprocess.run([nm, "--defined-only", path], check=True,
                                            capture_output=True, text=True).stdout)
    bad = violations(disassembly, own)
    for name in bad:
        print("uses SSE2 outside the compositing code: %s" % name)
    if not bad:
        print("%s: SSE2 only in the compositing code (%d functions)"
              % (program, len(functions_using_xmm(disassembly))))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
