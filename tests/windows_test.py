#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The Windows console build: cross-compiled with the windows preset, run under wine."""
import os
import re
import shutil
import subprocess
import time
import unittest
import zipfile

from texts import (BANNER, INVALID, LOSS, PROMPT, TWO_INVALID, TWO_INVALID_OUTPUT, WIN,
                   arguments, main, run)

SOURCE, WORK, VERSION = arguments()
GAME = os.path.join(WORK, "build", "guess.exe")
TOOLS = ("x86_64-w64-mingw32-g++", "x86_64-w64-mingw32-objdump", "zip", "wine", "wineboot")
WINE = dict(os.environ, WINEDEBUG="-all", WINEPREFIX=os.path.join(WORK, "wineprefix"))
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll"}


def play(text, *args):
    """Runs guess.exe with standard input from a file (the console's pause
    would wait on an open pipe); returns its status and output with LF line ends."""
    path = os.path.join(WORK, "input.txt")
    with open(path, "w", encoding="ascii") as file:
        file.write(text)
    with open(path, "rb") as stdin:
        game = run(["wine", GAME, *args], stdin=stdin, env=WINE, seconds=120)
    return game.returncode, game.stdout.decode().replace("\r\n", "\n")


class Windows(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        # Configured afresh each time, so that a failed configuration is not kept.
        for step in (["cmake", "--preset", "windows", "--fresh", "-B", os.path.join(WORK, "build")],
                     ["cmake", "--build", os.path.join(WORK, "build")]):
            subprocess.run(step, cwd=SOURCE, check=True, stdout=subprocess.DEVNULL)
        # The first start of a prefix sets it up, which takes a while.
        subprocess.run(["wineboot", "-i"], env=WINE, capture_output=True, timeout=300, check=True)

    def test_stripped_hardened_and_self_contained(self):
        dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", "-h", GAME],
                              capture_output=True, text=True, check=True).stdout
        dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)}
        self.assertTrue(dlls, "objdump lists no DLL that guess.exe imports")
        self.assertLessEqual(dlls, SYSTEM_DLLS, "guess.exe needs DLLs that Windows lacks")
        self.assertNotIn(".debug", dump, "guess.exe is not stripped")
        for flag in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"):
            self.assertIn(flag, dump, f"guess.exe is not marked {flag}")

    def test_zip_package(self):
        build = os.path.join(WORK, "build")
        subprocess.run(["cpack", "-G", "ZIP"], cwd=build, check=True, stdout=subprocess.DEVNULL,
                       env=dict(os.environ, SOURCE_DATE_EPOCH="0"))
        with zipfile.ZipFile(os.path.join(build, f"guess-{VERSION}-windows-x86_64.zip")) as package:
            files = {os.path.basename(f): package.read(f) for f in package.namelist()}
        self.assertEqual({"guess.exe", "README.txt", "LICENSE.txt"}, set(files), "the ZIP's files")
        for text in ("README.txt", "LICENSE.txt"):  # Notepad before 2018 needs CRLF
            self.assertEqual(files[text].count(b"\n"), files[text].count(b"\r\n"),
                             f"{text} has lines that do not end in CRLF")
        self.assertNotRegex(files["README.txt"], rb"(?m)^#|`|Ctrl-D|/usr/games|man 6|printf",
                            "README.txt has Markdown or what is for Linux")

    @unittest.skipUnless(shutil.which("wrestool"), "wrestool is not installed")
    def test_manifest_and_version_of_the_release(self):
        wrestool = lambda *args: subprocess.run(["wrestool", *args, GAME], capture_output=True,
                                                check=True).stdout
        self.assertIn(b"--type=24 ", wrestool("-l"), "guess.exe has no manifest")
        version = wrestool("-x", "--raw", "--type=16").decode("utf-16-le", "replace")
        for field in ("FileVersion", "ProductVersion"):
            self.assertRegex(version, f"{field}\0+{re.escape(VERSION)}\0",
                             f"the version resource's {field} is not {VERSION}")

    def test_ends_at_end_of_input_without_pause(self):
        self.assertEqual(play(TWO_INVALID, "--ignored"), (0, TWO_INVALID_OUTPUT),
                         "the exit status and output of a session whose input ends")

    def test_losses_replay_and_pause(self):
        # Two games lost on 1, 1, 1; a game whose number is 1 is won instead,
        # and the session is played again in a later second.
        for _ in range(5):
            status, text = play(TWO_INVALID + "1\n1\n1\ny\n1\n1\n1\nn\n")
            if WIN not in text:
                break
            time.sleep(1)
        self.assertEqual(status, 0, "the exit status")
        first = re.escape(BANNER + (PROMPT + INVALID) * 2) + LOSS
        match = re.fullmatch(f"{first}{re.escape(BANNER)}{LOSS}(.+)", text, re.S)
        if not match:
            self.fail(f"the output is not two lost games and the pause:\n{text}")
        for number in match.groups()[:2]:
            self.assertIn(int(number), range(2, 21), "a lost game shows a number not drawn")
        # The command processor's own prompt: wine's words differ from Windows'.
        self.assertTrue(match.group(3).startswith("Press any key"),
                        f"no pause after play: {match.group(3)!r}")


if __name__ == "__main__":
    main(*TOOLS)
