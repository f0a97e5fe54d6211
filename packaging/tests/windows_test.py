#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The Windows console build: cross-compiled with the windows preset, run under wine."""
import os
import re
import shutil
import tempfile
import unittest
import zipfile

from support import BUILD as TESTED, SECOND, WINE_STEP, at_second, built, cached, main, needs, run, tool
from support.texts import (BANNER, DRAW, INVALID, OVER, PROMPT, QUESTION, TWO_INVALID, TWO_INVALID_OUTPUT, WIN,
                           drawn_in, strikes, wrong)

VERSION = cached("CMAKE_PROJECT_VERSION")
WORK = os.path.join(TESTED, "tests", "windows")
BUILD = os.path.join(WORK, "build")
GAME = os.path.join(BUILD, "guess.exe")
TOOLS = ("x86_64-w64-mingw32-g++", "x86_64-w64-mingw32-objdump", "rsvg-convert", "icotool",
         "wrestool", "zip", "wine", "wineboot")
# Wine's menu builder would put the installer's shortcut in the desktop's menus.
WINE = dict(os.environ, WINEDEBUG="-all", WINEPREFIX=os.path.join(WORK, "wineprefix"),
            WINEDLLOVERRIDES="winemenubuilder.exe=d")
DRIVE = os.path.join(WINE["WINEPREFIX"], "drive_c")
FOLDER = os.path.join("Program Files", "guess")  # where the installer puts the game
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll"}


def play(text, *args, game=GAME, env=WINE):
    """Runs guess.exe with standard input from a file (the console's pause
    would wait on an open pipe); returns its status and output with LF line ends."""
    path = os.path.join(WORK, "input.txt")
    with open(path, "w", encoding="ascii") as file:
        file.write(text)
    with open(path, "rb") as stdin:
        played = run(["wine", game, *args], stdin=stdin, env=env, seconds=WINE_STEP, cap=64 << 20,
                     watch=False)
    return played.returncode, played.stdout.decode().replace("\r\n", "\n")


def installed():
    """The versions of guess that Settings > Apps lists, and every file and
    folder on drive C whose path names guess, from the drive's root."""
    query = tool("wine", "reg", "query", UNINSTALL, "/s", env=WINE, seconds=WINE_STEP, check=False)
    entries = query.stdout.split("HKEY_")
    versions = [re.search(r"DisplayVersion\s+REG_SZ\s+(\S+)", entry).group(1) for entry in entries
                if re.search(r"DisplayName\s+REG_SZ\s+guess\s", entry)]
    paths = [os.path.relpath(os.path.join(folder, name), DRIVE)
             for folder, folders, files in os.walk(DRIVE) for name in folders + files]
    return versions, sorted(path for path in paths if "guess" in path.lower())


class Windows(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        built("windows", BUILD)
        # The first start of a prefix sets it up, which takes a while.
        tool("wineboot", "-i", env=WINE, seconds=WINE_STEP)

    @classmethod
    def tearDownClass(cls):
        # wine's services run in sessions of their own: its server ends them.
        tool("wineserver", "-k", env=WINE, check=False)  # 1 where none is left

    def test_stripped_hardened_and_self_contained(self):
        dump = tool("x86_64-w64-mingw32-objdump", "-p", "-h", GAME).stdout
        dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        self.assertTrue(dlls, "objdump lists no DLL that guess.exe imports")
        self.assertLessEqual(dlls, SYSTEM_DLLS, "guess.exe needs DLLs that Windows lacks")
        self.assertNotIn(".debug", dump, "guess.exe is not stripped")
        for flag in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"):
            self.assertIn(flag, dump, f"guess.exe is not marked {flag}")

    def test_zip_package(self):
        tool("cpack", "-G", "ZIP", cwd=BUILD, env=dict(os.environ, SOURCE_DATE_EPOCH="0"))
        with zipfile.ZipFile(os.path.join(BUILD, f"guess-{VERSION}-windows-x86_64.zip")) as package:
            files = {os.path.basename(f): package.read(f) for f in package.namelist()}
        self.assertEqual({"guess.exe", "README.txt", "LICENSE.txt", "NOTICES.txt"}, set(files),
                         "the ZIP's files")
        for text in ("README.txt", "LICENSE.txt", "NOTICES.txt"):  # Notepad before 2018 needs CRLF
            self.assertEqual(files[text].count(b"\n"), files[text].count(b"\r\n"),
                             f"{text} has lines that do not end in CRLF")
        self.assertNotRegex(files["README.txt"], rb"(?m)^#|`|Ctrl-D|/usr/games|man 6|printf",
                            "README.txt has Markdown or what is for Linux")
        # The notices of the MinGW-w64 runtime and its gdtoa code, which the link takes.
        for terms in (b"GCC Runtime Library Exception", b"License: ZPL-2.1", b"License: Lucent",
                      b"License: David-Gay"):
            self.assertTrue(terms in files["NOTICES.txt"], f"NOTICES.txt lacks {terms.decode()}")

    def test_resources_of_the_release(self):
        wrestool = lambda *args: run(["wrestool", *args, GAME]).stdout
        self.assertIn(b"--type=24 ", wrestool("-l"), "guess.exe has no manifest")
        with tempfile.NamedTemporaryFile(suffix=".ico") as icon:
            icon.write(wrestool("-x", "--type=14"))  # the first icon group
            icon.flush()
            sizes = re.findall(r"--width=(\d+)", tool("icotool", "-l", icon.name).stdout)
        self.assertEqual(sizes, ["16", "24", "32", "48", "256"], "the sizes of the icon in guess.exe")
        version = wrestool("-x", "--raw", "--type=16").decode("utf-16-le", "replace")
        for field in ("FileVersion", "ProductVersion"):
            self.assertRegex(version, f"{field}\0+{re.escape(VERSION)}\0",
                             f"the version resource's {field} is not {VERSION}")

    @needs("wixl", "msiinfo", "msibuild")
    def test_installer(self):
        # The installer of this version, and one of an older version to upgrade.
        msi = {version: os.path.join(WORK, f"guess-{version}-windows-x86_64.msi") for version in ("1.0.0", VERSION)}
        for version in msi:
            tool("cpack", "-G", "External", "-R", version, "-B", WORK, cwd=BUILD)
        msiexec = lambda *args: tool("wine", "msiexec", *args, "/qn", env=WINE, seconds=WINE_STEP,
                                     check=False).returncode
        for path in msi.values():  # what a failed run left
            msiexec("/x", path)
        shutil.rmtree(os.path.join(DRIVE, FOLDER), ignore_errors=True)
        for path in msi.values():
            self.assertEqual(msiexec("/i", path), 0, f"msiexec /i {os.path.basename(path)} failed")
        versions, paths = installed()
        self.assertEqual(versions, [VERSION], "Settings > Apps lists other versions of guess")
        # Windows Installer keeps the icon for Settings > Apps in a folder of its own.
        outside = [path for path in paths if not path.startswith((FOLDER, "windows/Installer/"))]
        self.assertEqual([re.sub(".*/Start Menu/Programs/", "", path) for path in outside], ["guess.lnk"],
                         f"not one Start-menu shortcut and nothing else outside the game's folder: {outside}")
        self.assertEqual([os.path.relpath(path, FOLDER) for path in paths if path.startswith(FOLDER)],
                         [".", "LICENSE.txt", "NOTICES.txt", "README.txt", "guess.exe"],
                         "the files in Program Files\\guess")
        with open(os.path.join(DRIVE, outside[0]), "rb") as link:
            self.assertTrue(b"C:\\Program Files\\guess\\guess.exe" in link.read(),
                            "the shortcut does not start the installed guess.exe")
        self.assertEqual(play(TWO_INVALID, game=os.path.join(DRIVE, FOLDER, "guess.exe")),
                         (0, TWO_INVALID_OUTPUT), "the installed game's status and output")
        self.assertNotEqual(msiexec("/i", msi["1.0.0"]), 0, "an older version replaced this one")
        self.assertEqual(msiexec("/x", msi[VERSION]), 0, "msiexec /x failed")
        self.assertEqual(installed(), ([], []), "the uninstall left an entry, files or a shortcut")

    def test_ends_at_end_of_input_without_pause(self):
        self.assertEqual(play(TWO_INVALID, "--ignored"), (0, TWO_INVALID_OUTPUT),
                         "the exit status and output of a session whose input ends")

    def test_loss_win_and_pause(self):
        # At a held second: the number that every game there draws, then a
        # game lost and one won, and the pause.
        held = at_second(SECOND, WINE)
        target = drawn_in(play(DRAW, env=held)[1])
        status, text = play(TWO_INVALID + "".join(f"{n}\n" for n in wrong(target)) + f"y\n{target}\nn\n", env=held)
        self.assertEqual(status, 0, "the exit status")
        played = BANNER + (PROMPT + INVALID) * 2 + PROMPT + strikes(3) + f"{OVER}{target}\n{QUESTION}"
        played += BANNER + PROMPT + WIN + QUESTION
        self.assertEqual(text[:len(played)], played, "two games at one second")
        # The command processor's own prompt: wine's words differ from Windows'.
        self.assertTrue(text[len(played):].startswith("Press any key"),
                        f"no pause after play: {text[len(played):]!r}")

if __name__ == "__main__":
    main(*TOOLS)
