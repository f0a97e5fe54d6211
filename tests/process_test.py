#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The built game as a process: what it writes, its exit status, its stderr."""
import re
import shlex
import tempfile
import unittest

from support import SECOND, at_second, drawn, game, main, run
from support.texts import BANNER, INVALID, LOSS, PROMPT, TWO_INVALID, TWO_INVALID_OUTPUT, wrong

GUESS = game()
SHELL_GUESS = shlex.join(GUESS)


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

    def test_draws_from_the_clock(self):
        # Two sessions, their clocks held at seconds that draw different
        # numbers, one of them past 2038, which a 32-bit time_t cannot count;
        # each lost on three numbers that its second does not draw. Without a
        # terminal, no pause.
        for second in (SECOND, 2240524801):
            result = run(GUESS, data="".join(f"{n}\n" for n in wrong(drawn(second)) + ["n"]).encode(),
                         env=at_second(second))
            self.assertClean(result)
            match = re.fullmatch(re.escape(BANNER) + LOSS, result.stdout.decode())
            self.assertTrue(match, f"not one lost game: {result.stdout!r}")
            self.assertEqual(int(match.group(1)), drawn(second),
                             f"the number shown is not the one drawn at second {second}")

    def test_survives_closed_output(self):
        for output, script in {"broken pipe": 'set -o pipefail; "$0" "$@" | true',
                               "closed descriptor": 'exec "$0" "$@" >&-'}.items():
            with self.subTest(output=output):
                self.assertClean(run(["bash", "-c", script, *GUESS], data=b"abc\n" * 200000))

if __name__ == "__main__":
    main()
