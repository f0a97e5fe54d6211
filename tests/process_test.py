#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The built game as a process: what it writes, its exit status, its stderr."""
import os
import re
import subprocess
import sys
import unittest

from texts import BANNER, LOSS, PROMPT, QUESTION, TWO_INVALID, TWO_INVALID_OUTPUT

GUESS = sys.argv.pop(1) if len(sys.argv) > 1 else "guess"


def run(args, stdin=None, stdout=subprocess.PIPE, data=None):
    """Runs the game to its end; it must end by itself on any input."""
    return subprocess.run(args, input=data, stdin=stdin, stdout=stdout,
                          stderr=subprocess.PIPE, timeout=30, check=False)


class Process(unittest.TestCase):
    def assertClean(self, result):
        self.assertEqual(result.returncode, 0)
        self.assertEqual(result.stderr, b"")

    def test_arguments_ignored(self):
        for args in ([], ["--help"], ["-n", "5", "extra words"]):
            with self.subTest(args=args):
                result = run([GUESS, *args], data=TWO_INVALID.encode())
                self.assertClean(result)
                self.assertEqual(result.stdout.decode(), TWO_INVALID_OUTPUT)

    def test_ends_at_end_of_input(self):
        closed = [GUESS + " <&-", GUESS + " </dev/null"]
        for command in closed:
            with self.subTest(command=command):
                result = run(["sh", "-c", command])
                self.assertClean(result)
                self.assertEqual(result.stdout.decode(), BANNER + PROMPT + "\n")

    def test_whole_game_then_no_pause_without_terminal(self):
        result = run([GUESS], data=b"1\n1\n1\nn\n")
        self.assertClean(result)
        won = re.escape(BANNER + PROMPT + "?? Correct! You win!\n" + QUESTION)
        lost = re.escape(BANNER) + LOSS
        text = result.stdout.decode()
        self.assertRegex(text, f"^({won}|{lost})$")
        number = re.search(r"was: (\d+)", text)
        if number:
            self.assertIn(int(number.group(1)), range(2, 21))

    def test_survives_closed_output(self):
        lines = b"abc\n" * 200000
        with self.subTest(output="broken pipe"):
            reader, writer = os.pipe()
            os.close(reader)
            try:
                self.assertClean(run([GUESS], stdout=writer, data=lines))
            finally:
                os.close(writer)
        with self.subTest(output="closed descriptor"):
            self.assertClean(run(["sh", "-c", 'exec "$0" >&-', GUESS], data=lines))


if __name__ == "__main__":
    unittest.main()
