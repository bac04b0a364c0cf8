"""The text-table checker against .res files built by windres from strings.rc and
from deliberately broken copies of it."""

import os
import runpy
import shutil
import subprocess
import sys
import types
import tempfile
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.dirname(os.path.dirname(CHECKS))
RC = os.path.join(ROOT, "resources", "strings.rc")
CHECKER = os.path.join(CHECKS, "check-strings.py")
WINDRES = shutil.which("i686-w64-mingw32-windres")

cs = types.SimpleNamespace(**runpy.run_path(CHECKER))


@unittest.skipUnless(WINDRES, "i686-w64-mingw32-windres is not installed")
class CompiledTableTest(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        with open(RC, encoding="utf-8") as f:
            self.rc = f.read()

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def compile(self, rc_text):
        """Compile rc_text the way the program's resource script includes it."""
        with open(os.path.join(self.tmp, "strings.rc"), "w", encoding="utf-8") as f:
            f.write(rc_text)
        wrapper = os.path.join(self.tmp, "test.rc")
        with open(wrapper, "w") as f:
            f.write('#include <windows.h>\n#include "strings.rc"\n')
        res = os.path.join(self.tmp, "test.res")
        subprocess.run([WINDRES, "-c", "65001", "-I", self.tmp, "-i", wrapper, "-o", res],
                       check=True, capture_output=True)
        return res

    def run_checker(self, res):
        p = subprocess.run([sys.executable, CHECKER, res], capture_output=True, text=True)
        return p.returncode, p.stdout

    def replace_line(self, sid, new_line):
        prefix = "    %d, " % sid
        lines = self.rc.split("\n")
        idx = [i for i, l in enumerate(lines) if l.startswith(prefix)]
        self.assertEqual(len(idx), 1, "id %d must be on exactly one line" % sid)
        if new_line is None:
            del lines[idx[0]]
        else:
            lines[idx[0]] = new_line
        return "\n".join(lines)

    def test_shipped_table_passes_and_keeps_special_characters(self):
        res = self.compile(self.rc)
        code, out = self.run_checker(res)
        self.assertEqual(code, 0, out)
        with open(res, "rb") as f:
            table, problems = cs.load_string_table(f.read())
        self.assertEqual(problems, [])
        self.assertEqual(sorted(table), list(range(250)))
        self.assertIn("\u2019", table[108])
        self.assertIn("Flowers  on click", table[227])
        self.assertTrue(table[182].endswith("\u2026"))
        self.assertEqual(table[81], 'Add "Copy to" to the context menu')
        self.assertEqual(table[0], "&About Orvane...")

    def test_missing_empty_and_extra_ids_are_reported(self):
        rc = self.replace_line(100, None)
        rc = rc.replace('    200, "Span"', '    200, ""')
        rc = rc.replace('    201, "The file is missing."', '    201, "%s"' % ("x" * 1100))
        rc = rc.replace("\nEND", '\n    250, "One too many"\nEND')
        code, out = self.run_checker(self.compile(rc))
        self.assertEqual(code, 1)
        self.assertIn("id 100: missing", out)
        self.assertIn("id 200: missing", out)
        self.assertIn("id 250: present", out)
        self.assertIn("id 201: 1100 characters", out)

    def test_changed_wording_is_reported(self):
        # A straight apostrophe instead of U+2019, and one space lost in 227.
        rc = self.replace_line(108, '    108, "You\'ll need to sign out and back in for the '
                                    'changes to take place."')
        self.rc = rc
        rc = self.replace_line(227, '    227, "Flowers on click"')
        code, out = self.run_checker(self.compile(rc))
        self.assertEqual(code, 1)
        self.assertIn("id 108: text", out)
        self.assertIn("id 227: text", out)
        self.assertIn("2 problem(s)", out)

    def test_wrong_language_is_reported(self):
        rc = self.rc.replace("SUBLANG_ENGLISH_US", "SUBLANG_ENGLISH_UK")
        code, out = self.run_checker(self.compile(rc))
        self.assertEqual(code, 1)
        self.assertIn("id 0: language 0x0809", out)


class MalformedResTest(unittest.TestCase):
    def test_truncated_file_is_rejected(self):
        header = (b"\x00\x00\x00\x00\x20\x00\x00\x00" + b"\xff\xff\x00\x00\xff\xff\x00\x00"
                  + b"\x00" * 16)
        # A string block that claims 0x40 bytes of data but stops after 4.
        block = (b"\x40\x00\x00\x00\x20\x00\x00\x00" + b"\xff\xff\x06\x00\xff\xff\x01\x00"
                 + b"\x00" * 6 + b"\x09\x04" + b"\x00" * 8 + b"\x01\x00A\x00")
        with tempfile.NamedTemporaryFile(suffix=".res", delete=False) as f:
            f.write(header + block)
            path = f.name
        try:
            p = subprocess.run([sys.executable, CHECKER, path], capture_output=True, text=True)
            self.assertEqual(p.returncode, 2, p.stdout)
            self.assertIn("not a readable .res file", p.stdout)
        finally:
            os.unlink(path)


if __name__ == "__main__":
    unittest.main()
