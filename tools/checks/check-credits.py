#!/usr/bin/env python3
"""Check the About box's credits pages (data/credits_*.html).

The pages are shown by the WebBrowser control, which may run in an old
document mode and must not reach outside the file. For every page:
  - the bytes are UTF-8 and the page declares charset utf-8;
  - the markup is balanced: every element that needs an end tag is closed,
    in order;
  - nothing loads or runs from elsewhere: no script, link, iframe, object,
    embed, img, base, form elements, no src or href attributes, no url(),
    @import or @font-face in the style sheet, no event-handler attributes;
  - the style sheet keeps to what old engines know: no flex or grid layout,
    no CSS variables;
  - the page names the product, its version, its maker, the tools thanked,
    and carries a copyright line;
  - the html element's lang is set, and a Russian page ("ru") is written
    in Cyrillic.

Usage: check-credits.py [FILE.html ...]   (default: data/credits_*.html)
Prints one line per problem; exits with 1 when any page has a problem.
"""

import glob
import os
import re
import sys
from html.parser import HTMLParser

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link", "meta",
        "param", "source", "track", "wbr"}
FORBIDDEN_TAGS = {"script", "link", "iframe", "frame", "frameset", "object", "embed",
                  "img", "base", "form", "applet", "audio", "video", "svg"}
FORBIDDEN_ATTRS = {"src", "href", "background", "srcset", "data", "action", "style"}
FORBIDDEN_CSS = [
    (re.compile(r"url\s*\(", re.I), "url()"),
    (re.compile(r"@import", re.I), "@import"),
    (re.compile(r"@font-face", re.I), "@font-face"),
    (re.compile(r"display\s*:\s*(inline-)?(flex|grid)", re.I), "flex or grid layout"),
    (re.compile(r"var\s*\(", re.I), "CSS variables"),
    (re.compile(r"expression\s*\(", re.I), "CSS expressions"),
]
REQUIRED_TEXT = ["Orvane", "1.2", "Teskan", "GDI+", "MinGW-w64", "Wine", "\u00a9"]
CYRILLIC = re.compile("[\u0400-\u04ff]")


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.problems = []
        self.stack = []
        self.text = []
        self.css = []
        self.charset = None
        self.lang = None
        self.in_style = False

    def handle_starttag(self, tag, attrs):
        where = "line %d" % self.getpos()[0]
        attrs = {k.lower(): (v or "") for k, v in attrs}
        if tag in FORBIDDEN_TAGS:
            self.problems.append("%s: <%s> is not allowed" % (where, tag))
        for name in attrs:
            if name in FORBIDDEN_ATTRS or name.startswith("on"):
                self.problems.append("%s: attribute %s on <%s> is not allowed" % (where, name, tag))
        if tag == "html":
            self.lang = attrs.get("lang")
        if tag == "meta":
            if "charset" in attrs:
                self.charset = attrs["charset"].lower()
            m = re.search(r"charset=([\w-]+)", attrs.get("content", ""), re.I)
            if attrs.get("http-equiv", "").lower() == "content-type" and m:
                self.charset = self.charset or m.group(1).lower()
                if m.group(1).lower() != "utf-8":
                    self.problems.append("%s: Content-Type names charset %s" % (where, m.group(1)))
        if tag == "style":
            self.in_style = True
        if tag not in VOID:
            self.stack.append((tag, where))

    def handle_startendtag(self, tag, attrs):
        self.handle_starttag(tag, attrs)
        if tag not in VOID:
            self.stack.pop()

    def handle_endtag(self, tag):
        where = "line %d" % self.getpos()[0]
        if tag in VOID:
            return
        if tag == "style":
            self.in_style = False
        if not self.stack:
            self.problems.append("%s: </%s> closes nothing" % (where, tag))
        elif self.stack[-1][0] != tag:
            open_tag, opened = self.stack[-1]
            self.problems.append("%s: </%s> while <%s> from %s is open" % (where, tag, open_tag, opened))
            if any(t == tag for t, _ in self.stack):
                while self.stack and self.stack.pop()[0] != tag:
                    pass
        else:
            self.stack.pop()

    def handle_data(self, data):
        (self.css if self.in_style else self.text).append(data)


def check_page(path, raw):
    """Problems of one page given its bytes, as a list of strings."""
    name = os.path.basename(path)
    try:
        source = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return ["%s: not UTF-8 (%s)" % (name, e)]
    page = Page()
    page.feed(source)
    page.close()
    problems = list(page.problems)
    for tag, opened in page.stack:
        problems.append("<%s> from %s is never closed" % (tag, opened))
    if page.charset != "utf-8":
        problems.append("no charset utf-8 declared")
    css = "".join(page.css)
    for pattern, what in FORBIDDEN_CSS:
        if pattern.search(css):
            problems.append("style sheet uses %s" % what)
    text = " ".join("".join(page.text).split())
    for needed in REQUIRED_TEXT:
        if needed not in text:
            problems.append("text lacks %r" % needed)
    if not page.lang:
        problems.append("<html> has no lang")
    elif page.lang.lower().startswith("ru") and not CYRILLIC.search(text):
        problems.append("lang is ru but the text is not Cyrillic")
    return ["%s: %s" % (name, p) for p in problems]


def main(argv):
    files = argv[1:] or sorted(glob.glob(os.path.join(ROOT, "data", "credits_*.html")))
    if not files:
        print("check-credits: no credits pages found")
        return 1
    problems = []
    for path in files:
        with open(path, "rb") as f:
            problems += check_page(path, f.read())
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
