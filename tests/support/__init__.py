# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""How the Python tests meet the build, the game and the tools: the build
under test, presets built, commands run in a session of their own and ended
whole, tools whose messages show when they fail, one poller, what /proc says
a process does, a clock held at a known second and the number drawn there,
and skips that CTest reports.

GUESS_BUILD names the build (by default the dev preset's), GUESS_GAME the
game's command (by default the build's game), so that
python3 tests/NAME_test.py -k PATTERN runs the tests that match."""
import contextlib
import ctypes
import glob
import os
import re
import resource
import shlex
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("GUESS_BUILD") or os.path.join(ROOT, "build", "dev")
CAP = 8 << 20  # the most that a command may write to a file: a game that writes more loops
SKIPPED = 77  # the exit status that CTest reports as a skipped test
# The waits' backstops, in seconds, far above what a loaded machine needs:
# for an answer to one step (the game's, a window's, a page's), for a game
# played to its end, for one step of wine's, and for a tool such as a build.
STEP, PLAY, WINE_STEP, TOOL = 30, 60, 300, 1500
# The script's own deadline, which CTest sets before its own (GUESS_SECONDS).
END = time.monotonic() + float(os.environ.get("GUESS_SECONDS", 3600))
# The second at which the tests hold the game's clock.
SECOND = 1767225600


def cached(name, build=BUILD):
    """A value from a build's CMake cache, such as CMAKE_PROJECT_VERSION or GUESS_ID."""
    try:
        with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8") as cache:
            for line in cache:
                if line.startswith(name + ":"):
                    return line.split("=", 1)[1].rstrip("\n")
    except FileNotFoundError:
        pass
    sys.exit(f"{build} is not a configured build with {name}: make one with "
             "cmake --workflow --preset dev, or name one in GUESS_BUILD")


def built(preset, folder):
    """Configures the preset afresh in the folder, so that a failed
    configuration is not kept, and builds it; returns the folder."""
    tool("cmake", "--preset", preset, "--fresh", "-B", folder, cwd=ROOT)
    tool("cmake", "--build", folder)
    return folder


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


def session(leader):
    """The processes now in the session or process group that leader began."""
    found = []
    for pid in processes():
        with contextlib.suppress(OSError):  # gone meanwhile
            if leader in (os.getsid(pid), os.getpgid(pid)):
                found.append(pid)
    return found


def end_session(leader):
    """Kills every process left in the session or process group that leader began."""
    for pid in session(leader):
        with contextlib.suppress(OSError):  # gone meanwhile
            os.kill(pid, signal.SIGKILL)


# The number of the read system call, as /proc/PID/syscall gives it, on each
# kind of machine that the game is built for (qemu-user's reads are the
# machine's own).
READ = {"x86_64": "0", "aarch64": "63", "armv7l": "3", "armv8l": "3"}[os.uname().machine]


def doing(pid, counts, unread=lambda: 0):
    """Why the process will write nothing more unasked, as /proc shows it: it
    sleeps reading its standard input, or it loops (counts keeps what it last
    did); else None. A process with a signal or input (unread()) still to come
    looks asleep until the scheduler wakes it, so it is looked at after both."""
    try:
        with open(f"/proc/{pid}/status", encoding="ascii") as status:
            masks = {k: int(v, 16) for k, v in re.findall(r"(SigPnd|ShdPnd|SigBlk):\s*(\w+)", status.read())}
        if (masks["SigPnd"] | masks["ShdPnd"]) & ~masks["SigBlk"] or unread():
            return None
        with open(f"/proc/{pid}/syscall", encoding="ascii") as call, \
             open(f"/proc/{pid}/io", encoding="ascii") as io, open(f"/proc/{pid}/stat", "rb") as stat:
            call, io, stat = call.read().split()[:2], io.read().split(), stat.read().rsplit(b")")[-1].split()
    except OSError:
        return None  # gone meanwhile, or not ours to read
    moved, cpu = io[1:4:2], (int(stat[11]) + int(stat[12])) / os.sysconf("SC_CLK_TCK")  # rchar, wchar
    last, since = counts.get(pid, (None, cpu))
    counts[pid] = (moved, since if moved == last else cpu)
    if cpu - counts[pid][1] > 1:
        return f"loops ({cpu - since:.1f} s of processor time, no byte read or written)"
    return "waits for input" if call == [READ, "0x0"] else None  # read(0, ...)


def until(found, what, seconds=STEP, stuck=lambda: None):
    """Polls found() until it gives something, and returns that; fails naming what
    as soon as stuck() says why it never will, else at a backstop of seconds."""
    start = time.monotonic()
    while True:
        why = stuck()  # first, so that found() then sees all that came before
        if result := found():
            return result
        if why:
            raise AssertionError(f"{why} without {what}")
        if time.monotonic() > min(start + seconds, END):
            raise AssertionError(f"{time.monotonic() - start:.0f} s without {what}")
        time.sleep(0.01)


def run(command, data=None, stdin=None, stdout=None, seconds=PLAY, cap=CAP, watch=True, **options):
    """Runs command to its end in a session of its own, and ends that session: it
    fails at once when it writes a file of more than cap bytes and, unless watch
    is off, when doing() says why it will not end; else after the seconds."""
    capped = (lambda: resource.setrlimit(resource.RLIMIT_FSIZE, (cap, cap))) if cap else None
    stdin = subprocess.PIPE if data is not None else stdin
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err, subprocess.Popen(
            command, stdin=stdin, stdout=stdout or out, stderr=err,
            start_new_session=True, preexec_fn=capped, **options) as process:
        # The input goes in beside the watch, which must not wait for it to be written.
        threading.Thread(target=process.communicate, args=(data,), daemon=True).start()
        counts = {}

        def stuck():
            fed = process.stdin is None or process.stdin.closed  # all that it gets
            for pid in session(process.pid) if watch else []:
                why = doing(pid, counts)
                if why and (fed or not why.startswith("waits")):
                    return f"{shlex.join(command)} {why}"
            return None
        try:
            until(lambda: process.poll() is not None, "ending", seconds, stuck)
        finally:
            end_session(process.pid)
        if process.returncode == -signal.SIGXFSZ:
            raise AssertionError(f"{shlex.join(command)} was stopped when it had written {cap} "
                                 "bytes: does it loop?")
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(command, process.returncode, out.read(), err.read())


def tool(*command, check=True, seconds=TOOL, **options):
    """Runs a tool to its end, with its output as text; unless check is off, a
    failure shows the tool's own messages. Tools write files of any size."""
    made = run(command, seconds=seconds, cap=None, watch=False, **options)
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




def at_second(second, env=None):
    """The environment that holds the game's clock at the given second (libfaketime)."""
    [faketime] = glob.glob("/usr/lib/*/faketime/libfaketime.so.1") or [None]
    if not faketime:
        raise unittest.SkipTest("not installed: faketime")
    env = dict(env or os.environ)
    # The game, and the emulators that run it: qemu-user, or wine's loaders.
    only = "guess,qemu-arm,qemu-aarch64,wine,wine64,wine-preloader,wine64-preloader"
    return dict(env, LD_PRELOAD=faketime, TZ="UTC", FAKETIME_ONLY_CMDS=only,
                FAKETIME=time.strftime("%Y-%m-%d %H:%M:%S", time.gmtime(second)),
                # Only the calendar is held: the library's monotonic clock
                # can fail in the programs that it is to leave alone, such as
                # the desktop's launcher, which then aborts.
                DONT_FAKE_MONOTONIC="1",
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


def main(*tools):
    """Runs the calling script's tests, or skips them all where a tool is missing.
    Why tests were skipped is noted in the file that GUESS_SKIPPED names, which
    CTest shows at the end; a run that skips all is a skipped test."""
    missing = uninstalled(tools)
    result = None if missing else unittest.main(exit=False).result
    if result and not result.testsRun and not result.errors:
        sys.exit(f"no test matches {' '.join(sys.argv[1:])!r}")
    why = "; ".join(sorted({f"{test.id().split('.')[-1]}: {reason}" for test, reason in result.skipped})
                    if result else ["not installed: " + " ".join(missing)])
    if why and os.environ.get("GUESS_SKIPPED"):
        with open(os.environ["GUESS_SKIPPED"], "a", encoding="utf-8") as log:
            log.write(f"skipped {' '.join([os.path.basename(sys.argv[0]), *sys.argv[1:]])}: {why}\n")
    if why:
        print("skipped:", why)
    sys.exit(SKIPPED if not result or result.wasSuccessful() and len(result.skipped) == result.testsRun
             else not result.wasSuccessful())
