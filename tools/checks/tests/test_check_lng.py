"""The language-file checker: the shipped files, and faults planted in a copy of
the English table written out as a language file."""

import os
import runpy
import subprocess
import sys
import types
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.dirname(os.path.dirname(CHECKS))
CHECKER = os.path.join(CHECKS, "check-lng.py")
LANG_DIR = os.path.join(ROOT, "data", "lang")

cl = types.SimpleNamespace(**runpy.run_path(CHECKER))

ENGLISH = cl.load_english(os.path.join(ROOT, "resources", "strings.rc"))


def as_lng(texts, header="[Language]\nlang_en=Test\nlang_native=Test\n"):
    """Write a {id: text} table the way a language file stores it."""
    lines = [header + "[Text]"]
    for sid in sorted(texts):
        lines.append("%d=%s" % (sid, texts[sid].replace("\r", "\\r").replace("\n", "\\n")))
    return "\n".join(lines) + "\n"


class EnglishTableTest(unittest.TestCase):
    def test_rc_escapes_are_resolved(self):
        self.assertEqual(ENGLISH[81], 'Add "Copy to" to the context menu')
        self.assertEqual(ENGLISH[227], "Flowers  on click")
        self.assertEqual(cl.unescape_rc(r'a\nb""c\\d'), 'a\nb"c\\d')
        with self.assertRaises(ValueError):
            cl.unescape_rc(r"bad \q escape")


class PlantedFaultsTest(unittest.TestCase):
    def check(self, texts, english=ENGLISH, header=None):
        text = as_lng(texts) if header is None else as_lng(texts, header)
        return cl.check_lng(text, english)

    def test_english_copy_is_clean(self):
        self.assertEqual(self.check(dict(ENGLISH)), [])

    def test_missing_empty_repeated_and_stray_ids(self):
        texts = dict(ENGLISH)
        del texts[7]
        del texts[249]
        texts[12] = "   "
        lng = as_lng(texts) + "5=again\n250=extra\n0012=padded key\n"
        problems = cl.check_lng(lng, ENGLISH)
        self.assertIn("ids missing: 7, 249", problems)
        self.assertIn("id 12: empty", problems)
        self.assertTrue(any("key 5 in [Text] repeats" in p for p in problems), problems)
        self.assertTrue(any("key 250 is not an id" in p for p in problems), problems)
        self.assertTrue(any("key 0012 is not an id" in p for p in problems), problems)

    def test_raw_line_break_inside_a_value(self):
        texts = dict(ENGLISH)
        texts[3] = "First half\nsecond half"
        lng = as_lng(texts).replace("\\n", "\n")
        problems = cl.check_lng(lng, ENGLISH)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("not a key=value line", problems[0])
        self.assertIn("second half", problems[0])

    def test_placeholders_must_match_in_order(self):
        english = dict(ENGLISH)
        english[148] = "%s: %d"
        english[147] = "%i of %u (%5.1f%%)"
        texts = dict(english)
        texts[148] = "%d: %s"
        texts[147] = "%i von %u (%5.1f %%)"
        problems = self.check(texts, english)
        self.assertEqual(len(problems), 1, problems)
        self.assertIn("id 148: placeholders ['%d', '%s']", problems[0])
        texts[148] = "%s"
        self.assertIn("id 148: placeholders ['%s']", self.check(texts, english)[0])

    def test_mnemonics_breaks_ellipses_and_colons(self):
        english = dict(ENGLISH)
        english[3] = "Line one\r\nline two"
        texts = dict(english)
        texts[0] = "Über Orvane..."            # mnemonic lost
        texts[3] = "Zeile eins zeile zwei"    # line break lost
        texts[17] = "Orvane öffnen"            # "..." lost
        texts[182] = "Wird erstellt..."        # "\u2026" replaced by "..."
        texts[23] = "Position"                 # colon lost
        texts[24] = "Füllen:"                  # colon added
        problems = "\n".join(self.check(texts, english))
        self.assertIn('id 0: 0 x "&", English has 1', problems)
        self.assertIn("id 3: 0 x \\r, English has 1", problems)
        self.assertIn("id 3: 0 x \\n, English has 1", problems)
        self.assertIn('id 17: 0 x "...", English has 1', problems)
        self.assertIn('id 182: 1 x "...", English has 0', problems)
        self.assertIn('id 182: 0 x "\u2026", English has 1', problems)
        self.assertIn("id 23: trailing colon missing", problems)
        self.assertIn("id 24: trailing colon present", problems)

    def test_values_the_profile_functions_would_alter(self):
        texts = dict(ENGLISH)
        texts[2] = ' "About" '
        texts[4] = '"Language"'
        texts[221] = "x" * 1024
        problems = "\n".join(self.check(texts))
        self.assertIn("id 2: leading or trailing blanks", problems)
        self.assertIn("id 4: value wrapped in double quotes", problems)
        self.assertIn("id 221: 1024 characters", problems)

    def test_language_section(self):
        problems = self.check(dict(ENGLISH), header="[Language]\nlang_en=Test\n")
        self.assertEqual(problems, ['[Language] "lang_native" missing or empty'])

    def test_only_english_may_leave_out_the_texts(self):
        english = "[Language]\nlang_en=English\nlang_native=English\n"
        self.assertEqual(cl.check_lng(english, ENGLISH), [])
        other = "[Language]\nlang_en=Pirate\nlang_native=Arr\n"
        problems = cl.check_lng(other, ENGLISH)
        self.assertIn("no [Text] section", problems)
        # An English file that does hold texts is checked like any other.
        problems = cl.check_lng(english + "[Text]\n0=About\n", ENGLISH)
        self.assertTrue(any(p.startswith("ids missing") for p in problems), problems)


class ShippedFilesTest(unittest.TestCase):
    def test_shipped_language_files_pass(self):
        files = sorted(os.path.join(LANG_DIR, n) for n in os.listdir(LANG_DIR)
                       if n.endswith(".lng"))
        self.assertTrue(files)
        p = subprocess.run([sys.executable, CHECKER] + files, capture_output=True, text=True)
        self.assertEqual(p.returncode, 0, p.stdout)

    def test_language_names(self):
        names = {}
        for n in ("English", "Russian", "German"):
            with open(os.path.join(LANG_DIR, n + ".lng"), encoding="utf-8") as f:
                sections, problems = cl.parse_lng(f.read())
            self.assertEqual(problems, [])
            names[n] = (sections["Language"]["lang_en"][0], sections["Language"]["lang_native"][0])
        # "Russian" is the name the program tests for to switch help addresses.
        self.assertEqual(names["Russian"], ("Russian", "Русский"))
        self.assertEqual(names["German"], ("German", "Deutsch"))
        # "English" is the default of the language setting: it must be choosable again.
        self.assertEqual(names["English"], ("English", "English"))


if __name__ == "__main__":
    unittest.main()
