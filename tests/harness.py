# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""How the Python tests meet the build, the game and the tools: the build
under test, commands run in a session of their own and ended whole, tools
whose messages show when they fail, one poller, the processes in /proc, a
clock held at a known second, and skips that CTest reports with their reasons.

GUESS_BUILD names the build (by default the dev preset's), GUESS_GAME the
game's command (by default the build's game), so that
python3 tests/NAME_test.py -k PATTERN runs the tests that match."""
import ctypes
import glob
import os
import resource
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.environ.get("GUESS_BUILD") or os.path.join(ROOT, "build", "dev")
CAP = 8 << 20  # the most that a command may write to a file: a game that writes more loops
SKIPPED = 77  # the exit status that CTest reports as a skipped test


def cached(name):
    """A value from the build's CMake cache, such as CMAKE_PROJECT_VERSION or GUESS_ID."""
    try:
        with open(os.path.join(BUILD, "CMakeCache.txt"), encoding="utf-8") as cache:
            for line in cache:
                if line.startswith(name + ":"):
                    return line.split("=", 1)[1].rstrip("\n")
    except FileNotFoundError:
        pass
    sys.exit(f"{BUILD} is not a configured build with {name}: make one with "
             "cmake --workflow --preset dev, or name one in GUESS_BUILD")


def game():
    """The game's command, which says when the game is older than the sources."""
    command = shlex.split(os.environ.get("GUESS_GAME", "")) or [os.path.join(BUILD, "guess")]
    if not os.path.isfile(command[-1]):
        sys.exit(f"there is no game at {command[-1]}: build it with cmake --workflow --preset "
                 "dev, or name one in GUESS_GAME")
    built = os.path.getmtime(command[-1])
    newer = [path for path in glob.glob(os.path.join(ROOT, "src", "*")) if os.path.getmtime(path) > built]
    if newer:
        print(f"the game is older than {', '.join(newer)}: not rebuilt, it is tested as it is")
    return command


def processes():
    """The IDs of all processes now running."""
    return [int(pid) for pid in os.listdir("/proc") if pid.isdigit()]


def end_session(leader):
    """Kills every process left in the session or process group that leader began."""
    for pid in processes():
        try:
            if leader in (os.getsid(pid), os.getpgid(pid)):
                os.kill(pid, signal.SIGKILL)
        except OSError:
            pass  # gone meanwhile


def until(found, what, seconds=10):
    """Polls found() until it gives something, and returns that; fails naming what."""
    deadline = time.monotonic() + seconds
    while not (result := found()):
        if time.monotonic() > deadline:
            raise AssertionError(f"no {what} after {seconds} s")
        time.sleep(0.01)
    return result


def run(command, data=None, stdin=None, stdout=None, seconds=10, cap=CAP, **options):
    """Runs command to its end in a session of its own, and ends that session: a
    command that never ends fails within the given seconds, one that writes a
    file of more than cap bytes fails at once, and nothing is left running."""
    limit = (lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (cap, cap))) if cap else None
    stdin = subprocess.PIPE if data is not None else stdin
    with tempfile.TemporaryFile() as out, subprocess.Popen(
            command, stdin=stdin, stdout=stdout or out, stderr=subprocess.PIPE,
            start_new_session=True, preexec_fn=limit, **options) as process:
        try:
            err = process.communicate(data, timeout=seconds)[1]
        except subprocess.TimeoutExpired:
            raise AssertionError(f"{shlex.join(command)} did not end in {seconds} s") from None
        finally:
            end_session(process.pid)
        if process.returncode == -signal.SIGXFSZ:
            raise AssertionError(f"{shlex.join(command)} was stopped when it had written {cap} "
                                 "bytes: does it loop?")
        out.seek(0)
        return subprocess.CompletedProcess(command, process.returncode, out.read(), err)


def tool(*command, check=True, seconds=1500, **options):
    """Runs a tool to its end, with its output as text; unless check is off, a
    failure shows the tool's own messages. Tools write files of any size."""
    made = run(command, seconds=seconds, cap=None, **options)
    made = subprocess.CompletedProcess(command, made.returncode, made.stdout.decode(errors="replace"),
                                       made.stderr.decode(errors="replace"))
    if check and made.returncode != 0:
        raise AssertionError(f"{shlex.join(command)} failed with status {made.returncode}:\n"
                             + (made.stdout + made.stderr)[-20000:])
    return made


LIBC = ctypes.CDLL(None)  # the C library, as this process has it
LIBC.srand.argtypes = [ctypes.c_uint]


def drawn(second):
    """The number that a game started in the given second draws."""
    LIBC.srand(second)
    return LIBC.rand() % 20 + 1


def wrong(second):
    """Three numbers that a game started in the given second does not draw."""
    return [n for n in range(1, 21) if n != drawn(second)][:3]


def at_second(second, env=None):
    """The environment that holds the game's clock at the given second (libfaketime)."""
    [faketime] = glob.glob("/usr/lib/*/faketime/libfaketime.so.1") or [None]
    if not faketime:
        raise unittest.SkipTest("not installed: faketime")
    env = dict(env or os.environ)
    return dict(env, LD_PRELOAD=faketime, TZ="UTC", FAKETIME_ONLY_CMDS="guess,qemu-arm,qemu-aarch64",
                FAKETIME=time.strftime("%Y-%m-%d %H:%M:%S", time.gmtime(second)),
                # qemu-user, which runs a cross-built game, takes the clock
                # for it, and must not hand the library to it.
                QEMU_UNSET_ENV="LD_PRELOAD",
                # A sanitized build must let libfaketime load before its runtime.
                ASAN_OPTIONS=env.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")


def uninstalled(tools):
    return [name for name in tools if not shutil.which(name)]


def needs(*tools):
    """Skips a test where a tool that it uses is not installed."""
    missing = uninstalled(tools)
    return unittest.skipIf(missing, "not installed: " + " ".join(missing))


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
