# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's own texts, and how the tests run the built program."""
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

BANNER = "\n=== New Game Started ===\n"
PROMPT = "Enter your guess (1-20): "
INVALID = "Invalid input. Please enter a number between 1 and 20.\n"
QUESTION = "Do you want to play again? (Y/N): "
SKIPPED = 77  # the exit status that CTest reports as a skipped test

# Two invalid lines, then the end of input: the whole session, without a pause.
TWO_INVALID = "0\nabc\n"
TWO_INVALID_OUTPUT = BANNER + (PROMPT + INVALID) * 2 + PROMPT + "\n"


def strikes(count):
    """The strike lines of count wrong guesses, with the prompts between them."""
    return PROMPT.join(f"? Wrong guess. Strikes: {n}/3\n" for n in range(1, count + 1))


# A game lost on three wrong guesses, from its first prompt to the question;
# its one group is the number shown.
LOSS = (re.escape(PROMPT + strikes(3) + "?? Game Over! The number was: ")
        + r"(\d+)\n" + re.escape(QUESTION))


def end_session(leader):
    """Kills every process left in the session or process group that leader began."""
    for pid in map(int, filter(str.isdigit, os.listdir("/proc"))):
        try:
            if leader in (os.getsid(pid), os.getpgid(pid)):
                os.kill(pid, signal.SIGKILL)
        except OSError:
            pass  # gone meanwhile


def run(command, data=None, stdin=None, stdout=None, seconds=30, **options):
    """Runs command to its end in a session of its own, and ends that session: a
    game that never ends fails within the given seconds, or once it has written
    64 MiB, and leaves nothing running."""
    limit = lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (64 << 20, 64 << 20))
    stdin = subprocess.PIPE if data is not None else stdin
    with tempfile.TemporaryFile() as out, subprocess.Popen(
            command, stdin=stdin, stdout=stdout or out, stderr=subprocess.PIPE,
            start_new_session=True, preexec_fn=limit, **options) as process:
        try:
            err = process.communicate(data, timeout=seconds)[1]
        finally:
            end_session(process.pid)
        out.seek(0)
        return subprocess.CompletedProcess(command, process.returncode, out.read(), err)


def uninstalled(tools):
    return [tool for tool in tools if not shutil.which(tool)]


def needs(*tools):
    """Skips a test where a tool that it uses is not installed."""
    missing = uninstalled(tools)
    return unittest.skipIf(missing, "not installed: " + " ".join(missing))


def main(*tools):
    """Runs the calling script's tests, or skips them all where a tool is missing;
    a run whose every test is skipped is reported as skipped."""
    missing = uninstalled(tools)
    if missing:
        print("skipped: not installed:", *missing)
        sys.exit(SKIPPED)
    result = unittest.main(exit=False).result
    if result.testsRun and len(result.skipped) == result.testsRun:
        sys.exit(SKIPPED)
    sys.exit(not result.wasSuccessful())
