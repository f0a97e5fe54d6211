#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The Debian package: built with CPack, listed, unpacked and played."""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from texts import TWO_INVALID, TWO_INVALID_OUTPUT, arguments, main, run

[BUILD] = arguments()  # the build folder


def output(*command, env=None):
    """Runs a tool for its output; a failure shows the tool's own messages."""
    made = subprocess.run(command, env=env, capture_output=True, text=True)
    if made.returncode != 0:
        raise AssertionError(f"{command[0]} failed:\n{made.stdout}{made.stderr}")
    return made.stdout


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp()
        cls.addClassCleanup(shutil.rmtree, cls.folder)
        # With the time set, cpack packages a tree with changes, as a test may.
        output("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
               "-B", cls.folder, env=dict(os.environ, SOURCE_DATE_EPOCH="0"))
        [cls.name] = [f for f in os.listdir(cls.folder) if f.endswith(".deb")]
        cls.deb = os.path.join(cls.folder, cls.name)

    def test_control(self):
        arch = output("dpkg", "--print-architecture").strip()
        self.assertRegex(self.name, rf"^guess_\d+\.\d+\.\d+-\d+_{arch}\.deb$", "the file name")
        field = lambda name: output("dpkg-deb", "-f", self.deb, name).strip()
        self.assertEqual(field("Section"), "games", "the package's section")
        self.assertRegex(field("Depends"), r"\blibc6 \(>= [\d.]+\)", "no versioned libc6 in Depends")
        self.assertRegex(field("Maintainer"), r"<\S+@\S+>", "no address in Maintainer")
        self.assertGreater(len(field("Description").splitlines()), 1, "no long description")

    def test_contents(self):
        listing = output("dpkg-deb", "-c", self.deb)
        for path in ("./usr/games/guess", "./usr/share/man/man6/guess.6.gz",
                     "./usr/share/doc/guess/README.md", "./usr/share/doc/guess/NEWS.md"):
            self.assertRegex(listing, rf"(?m) {re.escape(path)}$", f"the package has no {path}")

    def test_unpacked_game_plays(self):
        root = os.path.join(self.folder, "root")
        output("dpkg", "-x", self.deb, root)
        game = run([os.path.join(root, "usr/games/guess")], TWO_INVALID.encode())
        self.assertEqual(game.returncode, 0, "the packaged game's exit status")
        self.assertEqual(game.stdout.decode(), TWO_INVALID_OUTPUT, "the packaged game's output")


if __name__ == "__main__":
    main("dpkg-deb", "dpkg-shlibdeps", "file")
