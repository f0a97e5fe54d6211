#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The Debian package: built with CPack, listed, unpacked, played, and
started from its desktop entry."""
import os
import re
import shutil
import subprocess
import tempfile
import termios
import unittest

from support import (BUILD, SECOND, at_second, cached, drawn, end_session, main, needs, processes, run, session,
                     tool, until)
from support.texts import TWO_INVALID, TWO_INVALID_OUTPUT, wrong

ID = cached("GUESS_ID")


def game_in(root):
    """The game that runs from under root, if any (the terminal starts it in a
    session of its own)."""
    for pid in processes():
        try:
            if os.readlink(f"/proc/{pid}/exe").startswith(root):
                return pid
        except OSError:
            pass  # gone meanwhile, or not ours to read
    return None


class DebianPackage(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp()
        cls.addClassCleanup(shutil.rmtree, cls.folder)
        # With the time set, cpack packages a tree with changes, as a test may.
        tool("cpack", "-G", "DEB", "--config", os.path.join(BUILD, "CPackConfig.cmake"),
             "-B", cls.folder, env=dict(os.environ, SOURCE_DATE_EPOCH="0"))
        [cls.name] = [f for f in os.listdir(cls.folder) if f.endswith(".deb")]
        cls.deb = os.path.join(cls.folder, cls.name)
        cls.root = os.path.join(cls.folder, "root")
        tool("dpkg", "-x", cls.deb, cls.root)

    def test_control(self):
        arch = tool("dpkg", "--print-architecture").stdout.strip()
        self.assertRegex(self.name, rf"^guess_\d+\.\d+\.\d+-\d+_{arch}\.deb$", "the file name")
        field = lambda name: tool("dpkg-deb", "-f", self.deb, name).stdout.strip()
        self.assertEqual(field("Section"), "games", "the package's section")
        self.assertRegex(field("Depends"), r"\blibc6 \(>= [\d.]+\)", "no versioned libc6 in Depends")
        self.assertRegex(field("Maintainer"), r"<\S+@\S+>", "no address in Maintainer")
        self.assertGreater(len(field("Description").splitlines()), 1, "no long description")

    def test_contents(self):
        listing = tool("dpkg-deb", "-c", self.deb).stdout
        for path in ("./usr/games/guess", "./usr/share/man/man6/guess.6.gz",
                     "./usr/share/doc/guess/README.md", "./usr/share/doc/guess/NEWS.md",
                     f"./usr/share/applications/{ID}.desktop",
                     f"./usr/share/metainfo/{ID}.metainfo.xml",
                     f"./usr/share/icons/hicolor/scalable/apps/{ID}.svg",
                     f"./usr/share/icons/hicolor/16x16/apps/{ID}.png",
                     f"./usr/share/icons/hicolor/256x256/apps/{ID}.png"):
            self.assertRegex(listing, rf"(?m) {re.escape(path)}$", f"the package has no {path}")

    def test_unpacked_game_plays(self):
        game = run([os.path.join(self.root, "usr/games/guess")], TWO_INVALID.encode())
        self.assertEqual(game.returncode, 0, "the packaged game's exit status")
        self.assertEqual(game.stdout.decode(), TWO_INVALID_OUTPUT, "the packaged game's output")

    @needs("desktop-file-validate", "appstreamcli")
    def test_desktop_entry_and_metainfo_valid(self):
        share = os.path.join(self.root, "usr/share")
        entry = tool("desktop-file-validate", f"{share}/applications/{ID}.desktop", check=False)
        self.assertEqual((entry.returncode, entry.stdout + entry.stderr), (0, ""),
                         "desktop-file-validate finds fault with the desktop entry")
        meta = tool("appstreamcli", "validate", "--no-net", f"{share}/metainfo/{ID}.metainfo.xml",
                    check=False)
        self.assertEqual((meta.returncode, re.findall(r"(?m)^[EW]: .*", meta.stdout)), (0, []),
                         f"appstreamcli finds fault with the metainfo:\n{meta.stdout}")

    @needs("Xvfb", "xterm", "xdotool", "gio", "faketime")
    def test_desktop_entry_opens_the_game_in_a_terminal(self):
        # The desktop's own launcher starts the packaged entry on a screen of
        # Xvfb; a game is typed into the terminal window that it opens, and
        # the window stays at the closing wait until one key. The game's clock
        # stands still, so that the three numbers typed are wrong ones.
        env = at_second(SECOND, dict(os.environ, PATH=f"{self.root}/usr/games:{os.environ['PATH']}"))
        reader, writer = os.pipe()
        # Without -noreset, the screen starts afresh whenever its last client
        # leaves, as each look for the window does, and refuses the terminal
        # meanwhile.
        screen = subprocess.Popen(["Xvfb", "-displayfd", str(writer), "-nolisten", "tcp", "-noreset"],
                                  pass_fds=[writer], start_new_session=True, stderr=subprocess.DEVNULL)
        self.addCleanup(screen.wait)
        self.addCleanup(end_session, screen.pid)
        os.close(writer)
        with os.fdopen(reader) as display:
            env["DISPLAY"] = ":" + display.readline().strip()
        entry = os.path.join(self.root, f"usr/share/applications/{ID}.desktop")
        said = self.enterContext(tempfile.TemporaryFile())  # by the launcher, and the terminal
        launcher = subprocess.Popen(["gio", "launch", entry], env=env, start_new_session=True,
                                    stdout=subprocess.DEVNULL, stderr=said)
        self.addCleanup(launcher.wait)
        self.addCleanup(end_session, launcher.pid)
        windows = lambda: tool("xdotool", "search", "--class", "xterm", env=env, check=False).stdout.split()
        xdotool = lambda *args: tool("xdotool", *args, env=env)
        # No window comes where the launcher failed, or it and all that it started have ended.
        gone = lambda: (launcher.poll() or not session(launcher.pid)) and (
            f"gio launch ended with status {launcher.returncode}: {said.seek(0) or said.read()[-300:]!r}")

        [window] = until(windows, "a terminal window", stuck=gone)
        game = until(lambda: game_in(self.root), "the game in the window")
        self.addCleanup(end_session, int(game))
        terminal = os.open(os.readlink(f"/proc/{game}/fd/0"), os.O_RDONLY | os.O_NOCTTY)
        self.addCleanup(os.close, terminal)
        xdotool("windowfocus", "--sync", window)
        xdotool("type", "--delay", "20", "".join(f"{n}\n" for n in wrong(drawn(SECOND))) + "n\n")
        until(lambda: not termios.tcgetattr(terminal)[3] & termios.ICANON, "the closing wait")
        self.assertEqual(windows(), [window], "the window did not stay at the closing wait")
        xdotool("key", "x")
        until(lambda: not windows(), "the window closing after the key")


if __name__ == "__main__":
    main("dpkg-deb", "dpkg-shlibdeps", "file")
