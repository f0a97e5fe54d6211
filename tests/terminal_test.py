#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game at a terminal: prompts before input, and the closing pause."""
import fcntl
import os
import select
import shlex
import signal
import subprocess
import sys
import termios
import time
import unittest

import texts

GUESS = sys.argv.pop(1) if len(sys.argv) > 1 else "guess"
PROMPT = texts.PROMPT.encode()
QUESTION = texts.QUESTION.encode()
PAUSE = b"Press any key to continue . . . "


class Terminal:
    """The game on a pseudo-terminal that is its controlling terminal."""

    def __init__(self, command=(GUESS,), env=None):
        self.master, self.slave = os.openpty()
        self.modes = termios.tcgetattr(self.slave)
        self.game = subprocess.Popen(
            command, stdin=self.slave, stdout=self.slave, stderr=self.slave,
            start_new_session=True, env=env,
            preexec_fn=lambda: fcntl.ioctl(0, termios.TIOCSCTTY, 0))
        self.seen = b""

    def close(self):
        if self.game.poll() is None:
            self.game.kill()
        self.game.wait()
        os.close(self.master)
        os.close(self.slave)

    def expect(self, *texts, seconds=10):
        """Reads what the game writes until one of texts shows, and returns that one."""
        deadline = time.monotonic() + seconds
        while True:
            found = [(self.seen.find(t), t) for t in texts if t in self.seen]
            if found:
                at, text = min(found)
                self.seen = self.seen[at + len(text):]
                return text
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.master], [], [], left)[0]:
                raise AssertionError(f"none of {texts!r} after {self.seen!r}")
            self.seen += os.read(self.master, 4096)

    def rest(self):
        """All that has reached the screen and is not read yet."""
        while select.select([self.master], [], [], 0.2)[0]:
            self.seen += os.read(self.master, 4096)
        rest, self.seen = self.seen, b""
        return rest

    def type(self, keys):
        os.write(self.master, keys)

    def pending(self):
        """The count of bytes typed that nobody has read."""
        count = fcntl.ioctl(self.slave, termios.FIONREAD, b"\0\0\0\0")
        return int.from_bytes(count, sys.byteorder)

    def keys_one_by_one(self, seconds=5):
        """Waits for the terminal to leave line-by-line input; False if it never does."""
        deadline = time.monotonic() + seconds
        while termios.tcgetattr(self.slave)[3] & termios.ICANON:
            if time.monotonic() > deadline:
                return False
            time.sleep(0.01)
        return True

    def play_to_pause(self):
        """Plays a game out with guesses 1, 2 and 3, declines another and meets the pause."""
        self.expect(PROMPT)
        for number in (b"1\n", b"2\n", b"3\n"):
            self.type(number)
            if self.expect(PROMPT, QUESTION) == QUESTION:
                break
        else:
            raise AssertionError("three guesses did not end the game")
        self.type(b"n\n")
        self.expect(PAUSE)
        assert self.keys_one_by_one(), "the pause does not wait for a single key"


class AtTerminal(unittest.TestCase):
    def terminal(self, *args):
        term = Terminal(*args)
        self.addCleanup(term.close)
        return term

    def test_prompts_before_input(self):
        term = self.terminal()
        self.assertEqual(term.expect(PROMPT), PROMPT)
        term.type(b"abc\n")
        term.expect(b"Invalid input. Please enter a number between 1 and 20.\r\n")
        self.assertEqual(term.expect(PROMPT), PROMPT)

    def test_pause_waits_for_one_key(self):
        term = self.terminal()
        term.play_to_pause()
        time.sleep(0.3)
        self.assertIsNone(term.game.poll(), "the pause did not wait")
        term.type(b"\x1b[A")
        self.assertEqual(term.game.wait(timeout=10), 0)
        self.assertEqual(term.rest(), b"\r\n", "the key was echoed")
        self.assertEqual(term.pending(), 0, "the arrow key left bytes behind")
        self.assertEqual(termios.tcgetattr(term.slave), term.modes)

    def test_modes_restored_when_interrupted(self):
        ways = {"Ctrl-C": lambda term: term.type(b"\x03"),
                "SIGTERM": lambda term: term.game.send_signal(signal.SIGTERM),
                "SIGHUP": lambda term: term.game.send_signal(signal.SIGHUP)}
        for way, interrupt in ways.items():
            with self.subTest(way=way):
                term = self.terminal()
                term.play_to_pause()
                interrupt(term)
                term.game.wait(timeout=10)
                self.assertEqual(termios.tcgetattr(term.slave), term.modes)

    def test_ctrl_z_at_the_pause(self):
        shell = ["bash", "--norc", "--noprofile", "--noediting", "-i"]
        term = self.terminal(shell, dict(os.environ, PS1="shell> ", HISTFILE="/dev/null"))
        term.expect(b"shell> ")
        modes = termios.tcgetattr(term.slave)
        term.type(shlex.quote(GUESS).encode() + b"\n")
        term.play_to_pause()
        term.type(b"\x1a")
        term.expect(b"Stopped")
        term.expect(b"shell> ")
        self.assertEqual(termios.tcgetattr(term.slave), modes)
        term.type(b"fg\n")
        term.expect(GUESS.encode())
        self.assertTrue(term.keys_one_by_one(), "the wait is not back in its one-key mode")
        term.type(b"x")
        term.expect(b"shell> ")
        term.type(b"echo status=$?\n")
        term.expect(b"status=0")
        self.assertEqual(termios.tcgetattr(term.slave), modes)


if __name__ == "__main__":
    unittest.main()
