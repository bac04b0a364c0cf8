"""The credits-page checker: the shipped pages, and faults planted in a copy of
the English page."""

import os
import runpy
import types
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOT = os.path.dirname(os.path.dirname(CHECKS))
DATA = os.path.join(ROOT, "data")

cc = types.SimpleNamespace(**runpy.run_path(os.path.join(CHECKS, "check-credits.py")))

with open(os.path.join(DATA, "credits_en.html"), encoding="utf-8") as f:
    ENGLISH = f.read()


def problems(text, name="credits_xx.html"):
    return cc.check_page(name, text.encode("utf-8"))


class ShippedPagesTest(unittest.TestCase):
    def test_both_pages_pass(self):
        for name in ("credits_en.html", "credits_ru.html"):
            with open(os.path.join(DATA, name), "rb") as f:
                self.assertEqual(cc.check_page(name, f.read()), [], name)

    def test_russian_page_is_a_translation_of_the_english_one(self):
        with open(os.path.join(DATA, "credits_ru.html"), encoding="utf-8") as f:
            russian = f.read()
        self.assertIn('lang="ru"', russian)
        # Same structure: the same headings, list items and paragraphs.
        for tag in ("<h1>", "<h2>", "<li>", "<p", "<div"):
            self.assertEqual(russian.count(tag), ENGLISH.count(tag), tag)
        for english_only in ("Thanks", "All rights reserved", "made by"):
            self.assertNotIn(english_only, russian)


class PlantedFaultsTest(unittest.TestCase):
    def assertFlags(self, text, fragment):
        found = problems(text)
        self.assertTrue(any(fragment in p for p in found),
                        "expected a problem with %r, got %r" % (fragment, found))

    def test_outside_resources_and_scripts(self):
        body = "<body>"
        self.assertFlags(ENGLISH.replace(body, body + '<script>alert(1)</script>'), "<script>")
        self.assertFlags(ENGLISH.replace(body, body + '<img src="x.png">'), "<img>")
        self.assertFlags(ENGLISH.replace(body, body + '<a href="http://example.org">x</a>'),
                         "attribute href")
        self.assertFlags(ENGLISH.replace(body, '<body onload="go()">'), "attribute onload")
        self.assertFlags(ENGLISH.replace("</style>", "body { background: url(a.png); }</style>"),
                         "url()")
        self.assertFlags(ENGLISH.replace("<style type=\"text/css\">",
                                         "<style type=\"text/css\">@import 'a.css';"), "@import")

    def test_layout_that_old_engines_do_not_know(self):
        self.assertFlags(ENGLISH.replace("</style>", ".x { display: flex; }</style>"), "flex or grid")
        self.assertFlags(ENGLISH.replace("</style>", ".x { display:inline-grid }</style>"),
                         "flex or grid")
        self.assertFlags(ENGLISH.replace("</style>", ".x { color: var(--c); }</style>"), "variables")
        # The words in the text are not CSS.
        self.assertEqual(problems(ENGLISH.replace("</ul>", "<li>display: flex</li></ul>")), [])

    def test_unbalanced_markup(self):
        self.assertFlags(ENGLISH.replace("</h1>", "", 1), "</body> while <h1>")
        self.assertFlags(ENGLISH.replace("</ul>", "", 1), "</body> while <ul>")
        self.assertFlags(ENGLISH.replace("</html>", ""), "<html> from line 2 is never closed")
        self.assertFlags(ENGLISH.replace("</body>", "</div></body>"), "</div> while <body>")
        # Void elements need no end tag.
        self.assertEqual(problems(ENGLISH.replace("</p>\n\n<p class=\"copy\">",
                                                  "<br></p>\n\n<p class=\"copy\">")), [])

    def test_encoding_and_charset(self):
        self.assertTrue(any("not UTF-8" in p for p in
                            cc.check_page("x.html", ENGLISH.encode("utf-8") + b"\xff")))
        no_charset = ENGLISH.replace('<meta charset="utf-8">\n', "").replace(
            '<meta http-equiv="Content-Type" content="text/html; charset=utf-8">\n', "")
        self.assertFlags(no_charset, "no charset utf-8")
        self.assertFlags(ENGLISH.replace("charset=utf-8", "charset=windows-1251"), "windows-1251")

    def test_required_content(self):
        self.assertFlags(ENGLISH.replace("MinGW-w64", "MinGW"), "'MinGW-w64'")
        self.assertFlags(ENGLISH.replace("&copy;", "(c)"), "'\u00a9'")
        self.assertFlags(ENGLISH.replace("version 1.2", "version"), "'1.2'")
        # Named only in the title or a style rule does not count as shown.
        self.assertFlags(ENGLISH.replace("made by Teskan", "made here").replace(
            "&copy; 2026 Teskan", "&copy; 2026"), "'Teskan'")

    def test_language(self):
        self.assertFlags(ENGLISH.replace('<html lang="en">', "<html>"), "no lang")
        self.assertFlags(ENGLISH.replace('<html lang="en">', '<html lang="ru">'), "not Cyrillic")


if __name__ == "__main__":
    unittest.main()
