#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The built game as a process: what it writes, its exit status, its stderr."""
import os
import re
import shlex
import tempfile
import time
import unittest

from texts import (BANNER, INVALID, LOSS, PROMPT, TWO_INVALID, TWO_INVALID_OUTPUT, arguments, draws,
                   main, run)

# The game's command, after --: the program, after the emulator that runs it, if any.
GUESS = arguments() or ["guess"]
SHELL_GUESS = shlex.join(GUESS)
def wait_for_second(good):
    """Waits for a second that good accepts and returns it."""
    for _ in range(60):
        second = int(time.time())
        if good(second):
            return second
        time.sleep(second + 1 - time.time())
    raise AssertionError("no fitting second in a minute")


class Process(unittest.TestCase):
    def assertClean(self, result):
        self.assertEqual(result.returncode, 0, "the exit status")
        self.assertEqual(result.stderr, b"", "the game wrote on standard error")

    def test_arguments_ignored(self):
        for args in ([], ["--help"], ["-n", "5", "extra words"]):
            with self.subTest(args=args):
                result = run([*GUESS, *args], data=TWO_INVALID.encode())
                self.assertClean(result)
                self.assertEqual(result.stdout.decode(), TWO_INVALID_OUTPUT, "the output")

    def test_ends_at_end_of_input(self):
        # A regular file fills whole input blocks, and its lines cross their edges.
        with tempfile.NamedTemporaryFile() as file:
            file.write(b"abcdef\n" * 30000)
            file.flush()
            ends = {SHELL_GUESS + " <&-": 0, SHELL_GUESS + " </dev/null": 0,
                    f"{SHELL_GUESS} <{file.name}": 30000}
            for command, lines in ends.items():
                with self.subTest(command=command):
                    result = run(["sh", "-c", command])
                    self.assertClean(result)
                    self.assertEqual(result.stdout.decode(),
                                     BANNER + (PROMPT + INVALID) * lines + PROMPT + "\n",
                                     f"the output of {lines} invalid lines and the end")

    def test_draws_from_the_current_second(self):
        # Two sessions, each lost on three numbers that no second around its
        # start draws; the second session starts where its own draws exclude
        # the number the first one showed. Without a terminal, no pause.
        # time() reads a coarse clock, a tick behind: the second before counts.
        shown = set()
        for _ in range(2):
            start = wait_for_second(lambda second: shown.isdisjoint(draws(second - 1, second + 4)))
            wrong = sorted(set(range(1, 21)) - draws(start - 1, start + 4))[:3]
            result = run(GUESS, data="".join(f"{n}\n" for n in wrong + ["n"]).encode())
            self.assertClean(result)
            match = re.fullmatch(re.escape(BANNER) + LOSS, result.stdout.decode())
            self.assertTrue(match, f"not one lost game: {result.stdout!r}")
            self.assertIn(int(match.group(1)), draws(start - 1, int(time.time())),
                          "the number shown is not drawn from the second the game began in")
            shown.add(int(match.group(1)))
        self.assertEqual(len(shown), 2, "two sessions in different seconds drew one number")

    def test_survives_closed_output(self):
        lines = b"abc\n" * 200000
        with self.subTest(output="broken pipe"):
            reader, writer = os.pipe()
            os.close(reader)
            try:
                self.assertClean(run(GUESS, stdout=writer, data=lines))
            finally:
                os.close(writer)
        with self.subTest(output="closed descriptor"):
            self.assertClean(run(["sh", "-c", 'exec "$0" "$@" >&-', *GUESS], data=lines))


if __name__ == "__main__":
    main()
