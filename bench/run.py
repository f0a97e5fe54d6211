#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""Builds the optimised game and measures it on generated scripted input.

Prints, for each figure, the value measured and the target it must meet, and
exits non-zero when a target is missed.  Peak memory is read with GNU time
(Debian package time): a child of this script would report the script's own
peak, inherited across exec.
"""
import os
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GUESS = os.path.join(ROOT, "build", "release", "guess")
RUNS = 5
MIB = 1 << 20


def build():
    for step in (["cmake", "--preset", "release"], ["cmake", "--build", "--preset", "release"]):
        subprocess.run(step, cwd=ROOT, check=True, stdout=subprocess.DEVNULL)


def seconds(command, path):
    """The best of RUNS wall-clock times of command with the file as standard input."""
    best = float("inf")
    for _ in range(RUNS):
        with open(path, "rb") as stdin:
            start = time.perf_counter()
            subprocess.run(command, stdin=stdin, stdout=subprocess.DEVNULL, check=True)
            best = min(best, time.perf_counter() - start)
    return best


def peak_mib(command, path):
    """The peak resident memory of command with the file as standard input."""
    with tempfile.NamedTemporaryFile("r") as report, open(path, "rb") as stdin:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name, *command],
                       stdin=stdin, stdout=subprocess.DEVNULL, check=True)
        return int(report.read().split()[-1]) / 1024


def write(path, chunk, size, tail=b""):
    with open(path, "wb") as out:
        while size > 0:
            out.write(chunk[:size])
            size -= len(chunk)
        out.write(tail)


def main():
    build()
    results = []
    with tempfile.TemporaryDirectory() as folder:
        line = os.path.join(folder, "line")
        junk = bytes(range(0x21, 0x7f)).translate(None, b"0123456789+-") * 4096
        write(line, junk, 256 * MIB, b"\n")
        invalid = os.path.join(folder, "invalid")
        write(invalid, b"abc\n" * 1000, 4 * 1000000)

        wc_time = seconds(["wc", "-l"], line)
        line_time = seconds([GUESS], line)
        ratio = line_time / wc_time
        print(f"256 MiB line: guess {line_time * 1000:.1f} ms, wc -l {wc_time * 1000:.1f} ms, "
              f"ratio {ratio:.2f}x (target <= 1.5x)")
        results.append(ratio <= 1.5)

        lines_time = seconds([GUESS], invalid)
        rate = 1000000 / lines_time
        print(f"1,000,000 invalid lines: {lines_time * 1000:.1f} ms, "
              f"{rate / 1e6:.1f} million lines/s (target >= 4)")
        results.append(rate >= 4e6)

        for name, path in (("256 MiB line", line), ("invalid lines", invalid)):
            peak = peak_mib([GUESS], path)
            print(f"peak resident memory, {name}: {peak:.2f} MiB (target <= 4 MiB)")
            results.append(peak <= 4)
    print("all targets met" if all(results) else "TARGET MISSED")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
