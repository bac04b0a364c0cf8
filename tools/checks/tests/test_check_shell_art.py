"""The shell-art checker and renderer: the committed art passes, the committed
outputs are what the sources render to, a second render changes nothing, and
faults planted in a copy of the art are each reported, and only those."""

import filecmp
import os
import shutil
import subprocess
import tempfile
import unittest

CHECKS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ART_TOOLS = os.path.join(os.path.dirname(CHECKS), "art")
ROOT = os.path.dirname(os.path.dirname(CHECKS))
RES = os.path.join(ROOT, "resources")
CHECK = os.path.join(CHECKS, "check-shell-art.sh")
RENDER = os.path.join(ART_TOOLS, "render-shell-art.sh")

NEEDED = ["rsvg-convert", "icotool", "convert", "identify"]
MISSING = [t for t in NEEDED if shutil.which(t) is None]


def run(*args):
    return subprocess.run(list(args), capture_output=True, text=True)


def copy_rendered(dest):
    """Copy the rendered art and shell.rc into dest/resources; return that."""
    res = os.path.join(dest, "resources")
    os.makedirs(res)
    shutil.copytree(os.path.join(RES, "icons"), os.path.join(res, "icons"))
    shutil.copytree(os.path.join(RES, "png"), os.path.join(res, "png"))
    shutil.copy(os.path.join(RES, "shell.rc"), res)
    return res


@unittest.skipIf(MISSING, "needs %s" % ", ".join(MISSING))
class CommittedArtTest(unittest.TestCase):
    def test_committed_art_passes(self):
        result = run(CHECK)
        self.assertEqual((result.returncode, result.stdout), (0, ""), result.stderr)

    def test_outputs_are_rendered_from_the_sources_and_rerendering_is_a_no_op(self):
        with tempfile.TemporaryDirectory() as tmp:
            os.makedirs(os.path.join(tmp, "tools", "art"))
            shutil.copy(RENDER, os.path.join(tmp, "tools", "art"))
            shutil.copytree(os.path.join(RES, "art", "shell"),
                            os.path.join(tmp, "resources", "art", "shell"))
            script = os.path.join(tmp, "tools", "art", "render-shell-art.sh")

            first = run(script)
            self.assertEqual((first.returncode, first.stdout, first.stderr), (0, "", ""))
            for sub in ("icons", "png"):
                ours = os.path.join(RES, sub)
                fresh = os.path.join(tmp, "resources", sub)
                # Other art (the sprites) shares the folder: every fresh file must be
                # committed as it renders.
                self.assertTrue(set(os.listdir(fresh)) <= set(os.listdir(ours)))
                _, differ, errors = filecmp.cmpfiles(ours, fresh, os.listdir(fresh), shallow=False)
                self.assertEqual(differ + errors, [],
                                 "stale %s: run tools/art/render-shell-art.sh" % sub)

            outputs = [os.path.join(d, f)
                       for d in (os.path.join(tmp, "resources", "icons"),
                                 os.path.join(tmp, "resources", "png"),
                                 os.path.join(tmp, "docs", "art"))
                       for f in os.listdir(d)]
            stamps = {p: os.stat(p).st_mtime_ns for p in outputs}
            second = run(script)
            self.assertEqual((second.returncode, second.stdout, second.stderr), (0, "", ""))
            self.assertEqual({p: os.stat(p).st_mtime_ns for p in outputs}, stamps)


@unittest.skipIf(MISSING, "needs %s" % ", ".join(MISSING))
class PlantedFaultsTest(unittest.TestCase):
    def test_each_fault_is_reported_and_nothing_else(self):
        with tempfile.TemporaryDirectory() as tmp:
            res = copy_rendered(tmp)
            icons = os.path.join(res, "icons")
            png = os.path.join(res, "png")
            parts = os.path.join(tmp, "parts")
            os.makedirs(parts)

            def rebuild(icon_id, keep, bits="32", flatten=None):
                """Rebuild an icon from its own images: only the sizes in keep,
                the size in flatten put on white first."""
                src = os.path.join(icons, "%s.ico" % icon_id)
                out = os.path.join(parts, icon_id)
                os.makedirs(out)
                subprocess.run(["icotool", "-x", "-o", out, src], check=True)
                images = []
                for name in sorted(os.listdir(out)):
                    size = int(name.split("_")[2].split("x")[0])
                    path = os.path.join(out, name)
                    if size == flatten:
                        subprocess.run(["convert", path, "-background", "white",
                                        "-alpha", "remove", "-alpha", "on", path], check=True)
                    if size in keep:
                        images.append(path)
                subprocess.run(["icotool", "-c", "-b", bits, "-o", src] + images,
                               check=True, capture_output=True)

            rebuild("565", keep=(16, 18, 21, 24, 28, 32))      # 14 px dropped
            rebuild("366", keep=(16, 20, 24, 32), flatten=16)  # no transparency at 16 px
            rebuild("236", keep=(14, 16, 24, 32), bits="24")   # not 32-bit, no 18, 21, 28 px
            os.remove(os.path.join(icons, "337.ico"))
            p664 = os.path.join(png, "664.png")
            subprocess.run(["convert", p664, "-resize", "720x446!", p664], check=True)
            p665 = os.path.join(png, "665.png")
            subprocess.run(["convert", p665, "-alpha", "set", "-region", "10x10+200+200",
                            "-alpha", "transparent", p665], check=True)
            p545 = os.path.join(png, "545.png")
            subprocess.run(["convert", p545, "-background", "white", "-alpha", "remove", p545],
                           check=True)
            rc = os.path.join(res, "shell.rc")
            with open(rc) as f:
                lines = f.readlines()
            with open(rc, "w") as f:
                for line in lines:
                    if line.startswith("373 "):
                        continue
                    f.write(line.replace('"png/664.png"', '"pictures/664.png"'))

            result = run(CHECK, tmp)
            self.assertEqual(result.returncode, 1)
            expected = [
                "icons/565.ico has no 14x14 image",
                "icons/366.ico: the 16x16 image does not use its alpha",
                "icons/236.ico: the 14x14 image is not 32-bit",
                "icons/236.ico: the 16x16 image is not 32-bit",
                "icons/236.ico: the 24x24 image is not 32-bit",
                "icons/236.ico: the 32x32 image is not 32-bit",
                "icons/236.ico has no 18x18 image",
                "icons/236.ico has no 21x21 image",
                "icons/236.ico has no 28x28 image",
                "icons/337.ico is missing",
                "png/664.png is 'PNG 720 446', expected a PNG of 722 x 446",
                "png/665.png must be opaque",
                "png/545.png needs a transparent surround",
                "shell.rc has no line '373 ICON \"icons/373.ico\"'",
                "shell.rc has no line '664 PNG \"png/664.png\"'",
            ]
            reported = result.stdout.splitlines()
            for line in expected:
                self.assertTrue(any(line in r for r in reported),
                                "%r not in:\n%s" % (line, result.stdout))
            self.assertEqual(len(reported), len(expected), result.stdout)

    def test_missing_shell_rc_and_wrong_format(self):
        with tempfile.TemporaryDirectory() as tmp:
            res = copy_rendered(tmp)
            os.remove(os.path.join(res, "shell.rc"))
            p545 = os.path.join(res, "png", "545.png")
            subprocess.run(["convert", p545, "JPEG:" + p545], check=True)
            result = run(CHECK, tmp)
            self.assertEqual(result.returncode, 1)
            self.assertIn("resources/shell.rc is missing", result.stdout)
            self.assertIn("png/545.png is 'JPEG 64 64', expected a PNG of 64 x 64", result.stdout)
            self.assertEqual(len(result.stdout.splitlines()), 2, result.stdout)


if __name__ == "__main__":
    unittest.main()
