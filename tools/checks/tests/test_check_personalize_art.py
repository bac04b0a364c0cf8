"""The cursor file writer and the checker of the logon pictures and cursor themes: the
writer's files read back as written, the committed art passes, and faults planted in a
copy of it are each reported."""

import importlib.machinery
import types
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART_TOOLS = os.path.join(os.path.dirname(CHECKS), "art")
ROOT = os.path.dirname(os.path.dirname(CHECKS))
sys.path.insert(0, ART_TOOLS)
import cursorfile  # noqa: E402

# The checker's file name has dashes, so it is loaded by path rather than imported.
_loader = importlib.machinery.SourceFileLoader("check_art", os.path.join(CHECKS, "check-personalize-art.py"))
check_art = types.ModuleType(_loader.name)
_loader.exec_module(check_art)


def picture(width, height, alpha_at):
    """RGBA bytes: red where alpha_at(x, y) gives a non-zero alpha, clear elsewhere."""
    out = bytearray()
    for y in range(height):
        for x in range(width):
            a = alpha_at(x, y)
            out += bytes((200, 10, x % 256, a))
    return bytes(out)


class CursorFileTest(unittest.TestCase):
    def test_a_cursor_reads_back_with_its_sizes_hot_spots_and_pixels(self):
        small = picture(32, 32, lambda x, y: 255 if x < y else 0)
        large = picture(48, 48, lambda x, y: 128 if x + y < 40 else 0)
        data = cursorfile.cur_bytes([(32, 32, small, (2, 3)), (48, 48, large, (4, 5))])
        images = check_art.read_cur(data)
        self.assertEqual([(32, 32, 2, 3), (48, 48, 4, 5)], [i[:4] for i in images])
        # top row first, colours as BGRA
        self.assertEqual(bytes((small[2], small[1], small[0], small[3])), images[0][4][:4])
        row5 = images[0][4][5 * 128:6 * 128]
        self.assertEqual([255 if x < 5 else 0 for x in range(32)], list(row5[3::4]))
        # the AND mask marks exactly the clear pixels; its first row is the picture's last
        mask_start = 6 + 32 + 40 + 32 * 32 * 4
        last_row = data[mask_start:mask_start + 4]
        self.assertEqual(b"\x00\x00\x00\x01", last_row, "only x = 31 is clear on row 31")

    def test_the_writer_refuses_what_windows_would_not_load(self):
        pixels = picture(32, 32, lambda x, y: 255)
        with self.assertRaises(ValueError):
            cursorfile.cur_bytes([(32, 32, pixels, (32, 0))])
        with self.assertRaises(ValueError):
            cursorfile.cur_bytes([(32, 32, pixels[:-4], (0, 0))])
        with self.assertRaises(ValueError):
            cursorfile.ani_bytes([], 5)

    def test_an_animation_holds_its_frames_and_rate(self):
        frames = [cursorfile.cur_bytes([(32, 32, picture(32, 32, lambda x, y, k=k: 255 if x == k else 0), (0, 0))])
                  for k in range(3)]
        data = cursorfile.ani_bytes(frames, 7, "busy", "Orvane")
        read, rate = check_art.read_ani(data)
        self.assertEqual(3, len(read))
        self.assertEqual(7, rate)
        self.assertEqual(len(data) - 8, struct.unpack("<I", data[4:8])[0])
        self.assertNotEqual(read[0][0][4], read[1][0][4])


class CommittedArtTest(unittest.TestCase):
    def test_committed_art_passes(self):
        self.assertEqual([], self.problems(ROOT))

    @staticmethod
    def problems(root):
        checker = check_art.Checker(root)
        checker.check_logon()
        checker.check_cursors()
        return checker.problems


class PlantedFaultsTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.mkdtemp()
        for folder in ("data/logon", "data/cursors", "resources/art/logon", "resources/art/cursors"):
            shutil.copytree(os.path.join(ROOT, folder), os.path.join(self.work, folder))
        os.makedirs(os.path.join(self.work, "tools", "art"))
        for tool in ("logon-art.py", "render-logon.sh", "render-cursors.py", "cursorfile.py"):
            shutil.copy(os.path.join(ART_TOOLS, tool), os.path.join(self.work, "tools", "art"))

    def tearDown(self):
        shutil.rmtree(self.work)

    def path(self, relative):
        return os.path.join(self.work, relative)

    def problems(self):
        return CommittedArtTest.problems(self.work)

    def assertReported(self, *fragments):
        problems = self.problems()
        for fragment in fragments:
            self.assertTrue(any(fragment in p for p in problems), "%r not in %r" % (fragment, problems))

    def test_the_copy_passes(self):
        self.assertEqual([], self.problems())

    def test_an_oversized_or_misshapen_picture(self):
        with open(self.path("data/logon/sea.jpg"), "ab") as f:
            f.write(b"\0" * 200000)
        subprocess.run(["convert", "-size", "100x60", "xc:#336699", self.path("data/logon/leaf.jpg")], check=True)
        os.remove(self.path("data/logon/pink.jpg"))
        shutil.copy(self.path("data/logon/sea.jpg"), self.path("data/logon/beach.jpg"))
        self.assertReported("data/logon/sea.jpg has", "data/logon/leaf.jpg is 100x60",
                            "data/logon/pink.jpg is missing", "beach.jpg is not one of the page's pictures",
                            "data/logon/sea.jpg changed since the art was rendered")

    def test_a_changed_source_means_the_art_is_stale(self):
        with open(self.path("resources/art/logon/water.svg"), "a") as f:
            f.write("<!-- edited -->\n")
        with open(self.path("resources/art/cursors/themes.txt"), "a") as f:
            f.write("# edited\n")
        self.assertReported("resources/art/logon/water.svg changed", "resources/art/cursors/themes.txt changed")

    def test_broken_or_missing_cursors(self):
        theme = "data/cursors/" + sorted(os.listdir(self.path("data/cursors")))[0]
        os.remove(self.path(theme + "/hand.cur"))
        data = bytearray(open(self.path(theme + "/normal.cur"), "rb").read())
        data[10:12] = struct.pack("<H", 40)  # the first image's hot spot, x
        open(self.path(theme + "/normal.cur"), "wb").write(bytes(data))
        open(self.path(theme + "/notes.txt"), "w").write("x")
        self.assertReported(theme + " needs one hand.cur or hand.ani", "hot spot (40, 2) outside 32x32",
                            theme + "/notes.txt does not belong")

    def test_a_busy_cursor_that_does_not_move(self):
        themes = sorted(os.listdir(self.path("data/cursors")))
        still = [t for t in themes if os.path.exists(self.path("data/cursors/%s/wait.ani" % t))]
        frame = cursorfile.cur_bytes([(32, 32, picture(32, 32, lambda x, y: 255 if x < 16 else 0), (16, 16))])
        for theme in still:
            with open(self.path("data/cursors/%s/wait.ani" % theme), "wb") as f:
                f.write(cursorfile.ani_bytes([frame, frame, frame], 5))
        self.assertReported("wait.ani does not move", "only 0 themes have an animated busy cursor")


if __name__ == "__main__":
    unittest.main()
