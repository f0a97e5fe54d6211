#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The release in dist/, as the two release workflows leave it: checksums,
linters, hardening, and the same bytes again from a fresh clone at another
path and from the unpacked source archive, without git."""
import filecmp
import os
import re
import subprocess
import sys
import tarfile
import tempfile
import unittest

from texts import main, run

SOURCE, VERSION = sys.argv.pop(1), sys.argv.pop(1)
DIST = os.path.join(SOURCE, "dist")
BINARIES = [f"guess_{VERSION}-1_amd64.deb", f"guess-{VERSION}-1.x86_64.rpm",
            f"guess-{VERSION}-windows-x86_64.zip"]
ARCHIVE = f"guess-{VERSION}.tar.gz"
TOOLS = ("lintian", "rpmlint", "rpm", "hardening-check", "dpkg-deb", "git",
         "x86_64-w64-mingw32-g++")
# rpmlint's findings that every package of the game gets: no signing key and
# no web site, and two of Debian's rpmlint (its list of valid licences is
# empty, and it takes a manual's section for its name).
ACCEPTED = {"E: no-signature", "W: no-url-tag", "W: invalid-license", "W: no-manual-page-for-binary"}


def tool(*command, cwd=None, env=None):
    """Runs a tool to its end, with its output as text."""
    made = run(command, cwd=cwd, env=env, seconds=900)
    return subprocess.CompletedProcess(command, made.returncode, made.stdout.decode(),
                                       made.stderr.decode())


def workflow(folder, preset):
    """Runs a workflow in the folder, dated as a packager's build would be."""
    env = {k: v for k, v in os.environ.items() if k != "SOURCE_DATE_EPOCH"}
    return tool("cmake", "--workflow", "--preset", preset, cwd=folder, env=env)


def clone(folder):
    assert tool("git", "clone", "-q", SOURCE, folder).returncode == 0


def release(folder):
    """Makes both releases in the folder and returns where they are."""
    for preset in ("release", "release-windows"):
        made = workflow(folder, preset)
        assert made.returncode == 0, made.stdout + made.stderr
    return os.path.join(folder, "dist")


class Release(unittest.TestCase):
    def path(self, name):
        return os.path.join(DIST, name)

    def test_checksums(self):
        for name in BINARIES + [ARCHIVE]:
            with self.subTest(name=name):
                self.assertTrue(os.path.exists(self.path(name + ".sha256")))
                check = tool("sha256sum", "-c", name + ".sha256", cwd=DIST)
                self.assertEqual(check.returncode, 0, check.stdout + check.stderr)

    def test_lintian(self):
        lint = tool("lintian", "--pedantic", "--display-info", "--fail-on",
                   "error,warning,info,pedantic", self.path(BINARIES[0]))
        self.assertEqual((lint.returncode, lint.stdout), (0, ""))

    def test_rpmlint(self):
        lint = tool("rpmlint", self.path(BINARIES[1]))
        found = set(re.findall(r": ([EW]: \S+)", lint.stdout))
        self.assertLessEqual(found, ACCEPTED, lint.stdout)
        prefixes = tool("rpm", "-qp", "--queryformat", "%{PREFIXES}", self.path(BINARIES[1]))
        self.assertEqual(prefixes.stdout, "(none)", "the RPM is relocatable")

    def test_hardening(self):
        with tempfile.TemporaryDirectory() as root:
            self.assertEqual(tool("dpkg-deb", "-x", self.path(BINARIES[0]), root).returncode, 0)
            check = tool("hardening-check", "--nofortify", "--nocfprotection",
                        os.path.join(root, "usr/games/guess"))
            self.assertEqual(check.returncode, 0, check.stdout)

    def test_changes_refused(self):
        with tempfile.TemporaryDirectory() as checkout:
            clone(checkout)
            with open(os.path.join(checkout, "NEWS.md"), "a", encoding="utf-8") as news:
                news.write("A line that is not committed.\n")
            made = workflow(checkout, "release")
            self.assertNotEqual(made.returncode, 0)
            self.assertIn("M NEWS.md", made.stderr)
            self.assertFalse(os.path.exists(os.path.join(checkout, "dist")))

    def test_reproducible(self):
        with tarfile.open(self.path(ARCHIVE)) as archive, tempfile.TemporaryDirectory() as work:
            head = tool("git", "rev-parse", "HEAD", cwd=SOURCE).stdout.strip()
            self.assertEqual(archive.pax_headers.get("comment"), head,
                             "dist/ holds the release of another commit: make it again")
            checkout = os.path.join(work, "clone", "guess")
            clone(checkout)
            same = BINARIES + [ARCHIVE]
            self.assertEqual(filecmp.cmpfiles(DIST, release(checkout), same, shallow=False)[0], same,
                             "a fresh clone at another path made other packages")
            archive.extractall(os.path.join(work, "from", "the", "archive"))
            unpacked = os.path.join(work, "from", "the", "archive", f"guess-{VERSION}")
            self.assertEqual(filecmp.cmpfiles(DIST, release(unpacked), BINARIES, shallow=False)[0],
                             BINARIES, "the source archive made other packages")


if __name__ == "__main__":
    main(*TOOLS)
