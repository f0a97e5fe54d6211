#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game at a terminal: prompts before input, and the closing pause."""
import collections
import fcntl
import os
import re
import resource
import select
import shlex
import signal
import subprocess
import sys
import tempfile
import termios
import unittest

import support
from support import texts

GUESS = support.game()
PROMPT, INVALID, QUESTION, PAUSE = (t.encode() for t in (texts.PROMPT, texts.INVALID,
                                                         texts.QUESTION, texts.PAUSE))
STOP = "stop"  # a step at the wait: stopped by its job-control parent, then continued
# Where the game's standard output goes: the terminal, or away from it while
# standard input stays on it, as in guess | tee or guess > file.
TERMINAL, EVERYWHERE = ("terminal",), ("terminal", "pipe", "file")
# The terminal's modes by name: the flags in each field of tcgetattr's list,
# and the control characters.
FLAGS = {0: "BRKINT ICRNL IGNBRK IGNCR IGNPAR IMAXBEL INLCR INPCK ISTRIP IXANY IXOFF IXON",
         1: "OPOST ONLCR OCRNL ONOCR ONLRET",
         2: "CSIZE CSTOPB CREAD PARENB PARODD HUPCL CLOCAL",
         3: "ECHO ECHOE ECHOK ECHONL ECHOCTL ECHOPRT ECHOKE ICANON IEXTEN ISIG NOFLSH TOSTOP"}
CHARS = "VMIN VTIME VINTR VQUIT VSUSP VERASE VKILL VEOF VEOL VEOL2 VSTART VSTOP VLNEXT VWERASE"
# A way out of the wait: the steps at the wait (keys typed, signals sent, or
# STOP), the exit status, where the output goes, what the game writes after
# the question, and the signals that the game's starter ignored.
Way = collections.namedtuple("Way", "steps status outputs after ignored", defaults=[()])


def changed(before, after):
    """The names of the modes that differ between two of tcgetattr's lists."""
    names = [name for field, flags in FLAGS.items() for name in flags.split()
             if (before[field] ^ after[field]) & getattr(termios, name)]
    names += [name for name in CHARS.split()
              if before[6][getattr(termios, name)] != after[6][getattr(termios, name)]]
    names += ["speed"] if before[4:6] != after[4:6] else []
    return ", ".join(names or (["bits without a name here"] if before != after else []))


class Pty:
    """The game on a pseudo-terminal that is its controlling terminal, or, as a
    job of the test's own, just its standard streams; its output on the same
    terminal, or into a pipe or a file."""

    def __init__(self, command=GUESS, env=None, ignored=(), job=False, output="terminal"):
        self.master, self.slave = os.openpty()
        # Modes that line input ignores must be found as they were, too.
        self.modes = termios.tcgetattr(self.slave)
        self.modes[6][termios.VMIN] = b"\0"
        termios.tcsetattr(self.slave, termios.TCSANOW, self.modes)

        def start():
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))  # Ctrl-\ leaves no core file
            for sig in ignored:
                signal.signal(sig, signal.SIG_IGN)
            if job:
                os.setpgid(0, 0)
            else:
                os.setsid()
                fcntl.ioctl(0, termios.TIOCSCTTY, 0)

        self.screen, out = self.master, self.slave
        if output == "pipe":
            self.screen, out = os.pipe()
        elif output == "file":
            out, path = tempfile.mkstemp()
            self.screen = os.open(path, os.O_RDONLY)
            os.unlink(path)
        self.game = subprocess.Popen(command, stdin=self.slave, stdout=out,
                                     stderr=self.slave, env=env, preexec_fn=start)
        if out != self.slave:
            os.close(out)
        self.seen = self.log = b""
        self.counts = {}

    def close(self):
        support.end_session(self.game.pid)
        self.game.wait()
        for fd in {self.master, self.slave, self.screen} - {None}:
            os.close(fd)

    def read(self, seconds):
        """Adds what reaches the screen within the seconds to what is seen; False
        when nothing more came."""
        if not select.select([self.screen], [], [], seconds)[0]:
            return False
        try:
            more = os.read(self.screen, 4096)
        except OSError:  # the terminal's other end closed: the game is gone
            return False
        self.seen += more
        self.log += more
        return bool(more)  # nothing at a pipe's or a file's end

    def doing(self):
        """Why the game, or whoever reads the terminal now, will write nothing more
        unasked; what it wrote before is then read, as it may still be on its way."""
        if self.game.poll() is not None:
            why = f"the game has ended with status {self.game.returncode}"
        else:
            reader = os.tcgetpgrp(self.master) or self.game.pid  # the foreground's
            why = support.doing(reader, self.counts, self.pending)
            why = why and f"{'the game' if reader == self.game.pid else f'process {reader}'} {why}"
        while why and self.read(0):
            pass
        return why

    def expect(self, *texts):
        """Reads what the game writes until one of texts shows, and returns that one."""
        def found():
            places = [(self.seen.find(t), t) for t in texts if t in self.seen]
            if not places:
                self.read(0.05)
            return min(places) if places else None
        try:
            at, text = support.until(found, f"having written {' or '.join(map(repr, texts))}",
                                     stuck=self.doing)
        except AssertionError as error:
            raise AssertionError(f"{error}; it wrote {self.seen[-300:]!r}") from None
        self.seen = self.seen[at + len(text):]
        return text

    def rest(self):
        """All that the game wrote and is not read yet, once it has ended. The
        test lets go of the terminal too, so that the screen comes to its end
        rather than to a pause, which a loaded machine may outlast."""
        if self.slave is not None:
            os.close(self.slave)
            self.slave = None
        while self.read(10):
            pass
        rest, self.seen = self.seen, b""
        return rest

    def type(self, keys):
        os.write(self.master, keys)
        # A look at the terminal hands the keys on to the game at once, where
        # pending() counts them until the game reads them.
        select.select([self.slave], [], [], 0)

    def status(self, after):
        """The game's exit status once it ends, failing as soon as it waits instead."""
        return support.until(lambda: self.game.poll() is not None and [self.game.returncode],
                             f"ending after {after}", stuck=self.doing)[0]

    def check_modes(self, modes, fault="these modes of the terminal were not put back"):
        if left := changed(modes, termios.tcgetattr(self.slave)):
            raise AssertionError(f"{fault}: {left}")

    def pending(self):
        """The count of bytes typed that nobody has read."""
        count = fcntl.ioctl(self.slave, termios.FIONREAD, b"\0\0\0\0")
        return int.from_bytes(count, sys.byteorder)

    def keys_one_by_one(self, what):
        """Waits for the terminal to leave line-by-line input, or fails naming what waits."""
        support.until(lambda: not termios.tcgetattr(self.slave)[3] & termios.ICANON,
                      f"one-key mode of the terminal for {what}", stuck=self.doing)

    def stop_and_continue(self):
        """Stops the game with SIGTSTP and continues it, as a job-control shell would."""
        self.game.send_signal(signal.SIGTSTP)
        status = support.until(lambda: os.waitpid(self.game.pid, os.WUNTRACED | os.WNOHANG)[1],
                               "the game stopping after SIGTSTP", stuck=self.doing)
        if not os.WIFSTOPPED(status):
            raise AssertionError(f"the game ended instead of stopping: status {status}")
        self.check_modes(self.modes, "stopped with these modes not put back")
        self.game.send_signal(signal.SIGCONT)
        self.keys_one_by_one("the wait continued")
        self.expect(b"\r" + PAUSE)

    def play_to_pause(self, answer=b"n\n"):
        """Plays a game out with guesses 1, 2 and 3, declines another and meets the pause."""
        self.expect(PROMPT)
        for number in (b"1\n", b"2\n", b"3\n"):
            self.type(number)
            if self.expect(PROMPT, QUESTION) == QUESTION:
                break
        else:
            raise AssertionError("three guesses did not end the game")
        self.type(answer)
        self.expect(PAUSE)
        self.keys_one_by_one("the pause")


class PtyCase(unittest.TestCase):
    """The helpers of the tests below."""

    def terminal(self, *args, **options):
        term = Pty(*args, **options)
        self.addCleanup(term.close)
        return term


class Prompts(PtyCase):
    """The prompts and the closing wait."""

    def test_prompts_before_input(self):
        term = self.terminal()
        term.expect(PROMPT)
        term.type(b"abc\n")
        term.expect(INVALID.replace(b"\n", b"\r\n") + PROMPT)

    def test_pause_waits_for_one_key(self):
        term = self.terminal()
        term.play_to_pause(b"n\ntyped ahead\n")
        support.until(lambda: "waits" in (term.doing() or ""), "waiting for a key", stuck=term.doing)
        term.type(b"\x1b[A")
        self.assertEqual(term.status("the key"), 0, "the game's exit status after the key")
        self.assertEqual(term.pending(), 0, "the arrow key left bytes behind")
        term.check_modes(term.modes)
        # The line typed ahead is echoed as typed, which may reach the screen
        # after the prompt.
        rest = term.rest().replace(b"typed ahead\r\n", b"", 1)
        self.assertEqual(rest, b"\r\n", "the key was echoed")


    def test_ctrl_z_at_the_pause(self):
        shell = ["bash", "--norc", "--noprofile", "--noediting", "-i"]
        term = self.terminal(shell, dict(os.environ, PS1="shell> ", HISTFILE="/dev/null"))
        term.expect(b"shell> ")
        modes = termios.tcgetattr(term.slave)
        term.type(shlex.join(GUESS).encode() + b"\n")
        term.play_to_pause()
        term.type(b"\x1a")
        term.expect(b"Stopped")
        term.expect(b"shell> ")
        term.check_modes(modes)
        term.type(b"fg\n")
        term.expect(shlex.join(GUESS).encode())
        term.keys_one_by_one("the wait after fg")
        term.expect(PAUSE)
        term.type(b"x")
        term.expect(b"shell> ")
        term.type(b"echo status=$?\n")
        term.expect(b"status=0")
        term.check_modes(modes)


class WaysOut(PtyCase):
    """The ways out of the wait: a class apart, so that CTest runs it beside the rest."""

    def test_every_way_out_of_the_wait(self):
        key, again = PAUSE + b"\n", b"\r" + PAUSE
        ways = {"Ctrl-C": Way([b"\x03"], -signal.SIGINT, EVERYWHERE, PAUSE),
                "Ctrl-\\": Way([b"\x1c"], -signal.SIGQUIT, TERMINAL, PAUSE),
                "SIGTERM": Way([signal.SIGTERM], -signal.SIGTERM, TERMINAL, PAUSE),
                "SIGHUP": Way([signal.SIGHUP], -signal.SIGHUP, TERMINAL, PAUSE),
                "a paste": Way([b"x" * 1000], 0, EVERYWHERE, key),
                "two stops": Way([STOP, STOP, b"x"], 0, EVERYWHERE, PAUSE + again * 2 + b"\n"),
                "under nohup": Way([signal.SIGHUP, b"x"], 0, TERMINAL, key, [signal.SIGHUP]),
                "& in a script": Way([b"\x03\x1c", b"x"], 0, TERMINAL, key,
                                     [signal.SIGINT, signal.SIGQUIT])}
        for name, way in ways.items():
            for output in way.outputs:
                with self.subTest(way=name, output=output):
                    self.leave_the_wait(way, output)

    def leave_the_wait(self, way, output):
        """Plays to the wait, takes the way's steps there, and checks how the game ended."""
        steps, status, after = way.steps, way.status, way.after
        term = self.terminal(ignored=way.ignored, job=STOP in steps, output=output)
        term.play_to_pause()
        for step in steps:
            if step == STOP:
                term.stop_and_continue()
            elif isinstance(step, bytes):
                term.type(step)
            else:
                term.game.send_signal(step)
        self.assertEqual(term.status(way.steps), status, "the exit status (-N: signal N)")
        term.check_modes(term.modes)
        self.assertEqual(term.pending(), 0, "typed keys outlived the game")
        # At the terminal the answer's echo comes first, and lines end in CRLF.
        if output == "terminal":
            after = b"n\r\n" + after.replace(b"\n", b"\r\n")
        term.rest()
        line = term.log[term.log.rindex(b"\n", 0, term.log.rindex(QUESTION)) + 1:]
        # qemu-user, which runs a cross-built game, reports a core dump itself.
        line = re.sub(rb"qemu: uncaught target signal [^\n]*\n", b"", line)
        self.assertEqual(line, QUESTION + after, "the bytes from the question's line on")

if __name__ == "__main__":
    support.main()
