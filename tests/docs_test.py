#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's texts where the documents quote them, and the release files
that they name."""
import os
import re
import unittest

from support import ROOT, cached, main
from support.texts import BANNER, INVALID, OUT_OF, OVER, PAUSE, PROMPT, QUESTION, STRIKE, WIN

# Each line of a session as the console shows it, with what the player typed.
LINE = "|".join([re.escape(BANNER.strip()), re.escape(PROMPT) + r"\S+", re.escape(STRIKE) + r"[123]"
                 + re.escape(OUT_OF.strip()), re.escape(INVALID.strip()), re.escape(WIN.strip()),
                 re.escape(OVER) + r"\d+", re.escape(QUESTION) + r"\S+", re.escape(PAUSE.strip()), ""])


class Documents(unittest.TestCase):
    def test_readme_session(self):
        with open(os.path.join(ROOT, "README.md"), encoding="utf-8") as readme:
            [session] = re.findall(r"```text\n(.*?)```", readme.read(), re.S)
        for line in session.splitlines():
            self.assertRegex(line, f"^({LINE})$", "a line of README.md's session that the game "
                             "does not write")

    def test_options_table(self):
        with open(os.path.join(ROOT, "CMakeLists.txt"), encoding="utf-8") as build:
            text = build.read()
        declared = re.findall(r"^option\((GUESS_\w+)", text, re.M) + re.findall(
            r"^set\((GUESS_\w+) [^)]*\bCACHE\b", text, re.M)
        with open(os.path.join(ROOT, "PACKAGING.md"), encoding="utf-8") as document:
            [table] = re.findall(r"\n\| option \|.*?\n\n", document.read(), re.S)
        self.assertEqual(set(re.findall(r"`(GUESS_\w+)`", table)), set(declared),
                         "PACKAGING.md's table of options against those that CMakeLists.txt declares")

    def test_release_files_of_this_version(self):
        # Each named with its version, and the packages with their revision.
        version = cached("CMAKE_PROJECT_VERSION")
        release = {version, f"{version}-{cached('GUESS_REVISION')}"}
        for name in ("README.md", "PACKAGING.md"):
            with open(os.path.join(ROOT, name), encoding="utf-8") as document:
                named = set(re.findall(r"guess[-_](\d+\.\d+\.\d+(?:-\d+(?=[._]))?)", document.read()))
            self.assertIn(version, named, f"{name} names no release file of {version}")
            self.assertLessEqual(named, release, f"{name} names release files of other versions or revisions")


if __name__ == "__main__":
    main()
