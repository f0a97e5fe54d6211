# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's own texts, and how the tests run the built program."""
import ast
import ctypes
import ctypes.util
import os
import re
import resource
import shutil
import signal
import subprocess
import sys
import tempfile
import unittest

# The texts as texts.h keeps them for the tests of both languages.
with open(os.path.join(os.path.dirname(__file__), "texts.h"), encoding="ascii") as header:
    TEXTS = {name: ast.literal_eval(text) for name, text in
             re.findall(r'constexpr char (\w+)\[\] = (".*");', header.read())}
BANNER, PROMPT, INVALID, WIN, STRIKE, LIMIT, OVER, QUESTION, PAUSE = (TEXTS[name] for name in (
    "banner", "prompt", "invalid", "win", "strike", "limit", "over", "question", "pause"))
SKIPPED = 77  # the exit status that CTest reports as a skipped test

# Two invalid lines, then the end of input: the whole session, without a pause.
TWO_INVALID = "0\nabc\n"
TWO_INVALID_OUTPUT = BANNER + (PROMPT + INVALID) * 2 + PROMPT + "\n"


def strikes(count):
    """The strike lines of count wrong guesses, with the prompts between them."""
    return PROMPT.join(f"{STRIKE}{n}{LIMIT}" for n in range(1, count + 1))


# A game lost on three wrong guesses, from its first prompt to the question;
# its one group is the number shown.
LOSS = (re.escape(PROMPT + strikes(3) + OVER)
        + r"(\d+)\n" + re.escape(QUESTION))


LIBC = ctypes.CDLL(ctypes.util.find_library("c"))
LIBC.srand.argtypes = [ctypes.c_uint]


def draws(first, last):
    """The numbers a game draws when it starts in the seconds first to last."""
    numbers = set()
    for second in range(first, last + 1):
        LIBC.srand(second)
        numbers.add(LIBC.rand() % 20 + 1)
    return numbers


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


def arguments():
    """Takes the script's own arguments, those after --, from the command line,
    and leaves unittest those before them (-k NAME, -v and so on)."""
    if "--" not in sys.argv:
        return []
    at = sys.argv.index("--")
    mine, sys.argv[at:] = sys.argv[at + 1:], []
    return mine


def skip(reasons):
    """Ends the script as a skipped test, saying why; under CTest the reason is
    also noted in the file that GUESS_SKIPPED names, which CTest shows at the end."""
    why = "; ".join(reasons)
    print("skipped:", why)
    if os.environ.get("GUESS_SKIPPED"):
        with open(os.environ["GUESS_SKIPPED"], "a", encoding="utf-8") as log:
            log.write(f"skipped {' '.join([os.path.basename(sys.argv[0]), *sys.argv[1:]])}: {why}\n")
    sys.exit(SKIPPED)


def main(*tools):
    """Runs the calling script's tests, or skips them all where a tool is missing;
    a run whose every test is skipped is reported as skipped."""
    missing = uninstalled(tools)
    if missing:
        skip(["not installed: " + " ".join(missing)])
    result = unittest.main(exit=False).result
    if result.testsRun and len(result.skipped) == result.testsRun:
        skip(sorted({reason for _, reason in result.skipped}))
    sys.exit(not result.wasSuccessful())
