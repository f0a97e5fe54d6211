#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""Builds the optimised game and measures it on generated scripted input.

Each speed is the processor time (user and system) of the game beside that of
a yardstick on the same input, measured in turns in the same run: wc -l for
one long line, and a C loop (yardstick.c) that reads lines and writes the
game's reply for a million invalid lines.  Peak memory is set beside cat's.
The verdict rests on those ratios, so a busy machine gives the same one; the
absolute figures are printed for information.  Exits non-zero when a target
is missed.  Peak memory is read with GNU time (Debian package time): a child
of this script would report the script's own peak, inherited across exec.
Where emscripten and headless Chromium are installed, the web page's size is
measured, the time from opening it to its first prompt, beside the time that
an empty page takes to load in the same browser, and a paste of PASTED
invalid lines: how long it plays, and the longest task meanwhile (how long a
key or a click may wait for the page).
"""
import contextlib
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
from support import PLAY, STEP, browser, built  # headless Chromium, the waits' backstops
from support.texts import INVALID, PROMPT  # the game's texts, as the tests keep them

GUESS = os.path.join(ROOT, "build", "release", "guess")
# When the page first waits for a line, its first prompt is on the screen.
FIRST_PROMPT = """new MutationObserver((_, observer) => {
  if (document.body.dataset.waits === "line") {
    window.firstPrompt = performance.now();
    observer.disconnect();
  }
}).observe(document, {subtree: true, attributeFilter: ["data-waits"]});"""
# PASTED lines pasted into the page (browser.PASTE): how long they take to
# play, and the longest task meanwhile.
PASTE = """const done = arguments[1];
const start = performance.now();
let longest = 0;
new PerformanceObserver((list) => list.getEntries().forEach((task) => {
  longest = Math.max(longest, task.duration);
})).observe({type: "longtask"});
new MutationObserver((_, observer) => {
  if (document.body.dataset.waits !== "line") return;
  observer.disconnect();
  setTimeout(() => done([performance.now() - start, longest]));
}).observe(document.body, {attributeFilter: ["data-waits"]});
""" + browser.PASTE + 'paste("abc\\n".repeat(arguments[0]));'
PASTED = 100000
RUNS = 7
LOADS = 61
MIB = 1 << 20


def build(folder):
    """Builds the game and the yardstick; returns the yardstick's path."""
    built("release", os.path.dirname(GUESS))
    yardstick = os.path.join(folder, "yardstick")
    subprocess.run(["cc", "-O2", f"-DREPLY={json.dumps(INVALID + PROMPT)}", "-o", yardstick,
                    os.path.join(HERE, "yardstick.c")], check=True)
    return yardstick


def cpu_seconds(command, path):
    """The processor time of command with the file as standard input."""
    with open(path, "rb") as stdin:
        process = subprocess.Popen(command, stdin=stdin, stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        raise RuntimeError(f"{command} failed: status {status}")
    return usage.ru_utime + usage.ru_stime


def best(commands, path):
    """The best of RUNS processor times of each command, run in turns."""
    times = [[] for _ in commands]
    for _ in range(RUNS):
        for command, spent in zip(commands, times):
            spent.append(cpu_seconds(command, path))
    return [min(spent) for spent in times]


def peak_mib(command, path):
    """The least of three peaks of resident memory of command with the file as
    standard input (where the program lands in memory moves its peak a little)."""
    peaks = []
    for _ in range(3):
        with tempfile.NamedTemporaryFile("r") as report, open(path, "rb") as stdin:
            subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report.name, *command],
                           stdin=stdin, stdout=subprocess.DEVNULL, check=True)
            peaks.append(int(report.read().split()[-1]) / 1024)
    return min(peaks)


def page_ms(page, folder):
    """The medians of LOADS times, in ms from opening, of the page's first
    prompt and of an empty page's end of loading, opened in turns (a page's
    load varies far more than a program's run, and its best times more than
    its middle ones); and the time of the paste and its longest task."""
    empty = os.path.join(folder, "empty.html")
    with open(empty, "w", encoding="ascii") as file:
        file.write("<!doctype html><title>empty</title><p>empty</p>")
    times = [[], []]
    with contextlib.ExitStack() as stack:
        chromium = browser.start(stack)
        chromium.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": FIRST_PROMPT})
        first_prompt = lambda: browser.WebDriverWait(chromium, STEP).until(  # noqa: E731
            lambda tab: tab.execute_script("return window.firstPrompt"))
        for _ in range(LOADS):
            chromium.get(page)
            times[0].append(first_prompt())
            chromium.get("file://" + empty)
            times[1].append(chromium.execute_script(
                "return performance.getEntriesByType('navigation')[0].loadEventEnd"))
        chromium.get(page)
        first_prompt()
        chromium.set_script_timeout(PLAY)
        pasted = chromium.execute_async_script(PASTE, PASTED)
    return [statistics.median(spent) for spent in times] + pasted


def write(path, chunk, size, tail=b""):
    with open(path, "wb") as out:
        while size > 0:
            out.write(chunk[:size])
            size -= len(chunk)
        out.write(tail)


def main():
    results = []

    def verdict(what, game, yardstick, name, target, unit=""):
        ratio = game / yardstick
        print(f"{what}: guess {game:.1f}{unit}, {name} {yardstick:.1f}{unit}, "
              f"ratio {ratio:.2f}x (target <= {target}x)")
        results.append(ratio <= target)

    with tempfile.TemporaryDirectory() as folder:
        yardstick = build(folder)
        line = os.path.join(folder, "line")
        junk = bytes(range(0x21, 0x7f)).translate(None, b"0123456789+-") * 4096
        write(line, junk, 256 * MIB, b"\n")
        invalid = os.path.join(folder, "invalid")
        write(invalid, b"abc\n" * 1000, 4 * 1000000)

        game, wc = best([[GUESS], ["wc", "-l"]], line)
        verdict("256 MiB line, processor ms", game * 1000, wc * 1000, "wc -l", 1.5)
        game, loop = best([[GUESS], [yardstick]], invalid)
        verdict("1,000,000 invalid lines, processor ms", game * 1000, loop * 1000, "C loop", 2.5)
        print(f"  that is {1 / game:.1f} million lines/s")
        for name, path in (("256 MiB line", line), ("invalid lines", invalid)):
            verdict(f"peak resident memory, {name}", peak_mib([GUESS], path),
                    peak_mib(["cat"], path), "cat", 3, " MiB")
        if shutil.which("emcc") and not [tool for tool in browser.TOOLS if not shutil.which(tool)]:
            page = browser.page(os.path.join(ROOT, "build", "web"))
            prompt, empty, paste, longest = page_ms(page, folder)
            size = os.path.getsize(page[len("file://"):])
            print(f"the web page: {size / 1024:.0f} KiB (target <= 256 KiB)")
            results.append(size <= 256 << 10)
            verdict("the web page's first prompt, ms from opening", prompt, empty,
                    "an empty page's load", 2)
            print(f"{PASTED:,} invalid lines pasted into the web page: played in {paste:.0f} ms "
                  f"(target <= 5000 ms); the longest task meanwhile {longest:.0f} ms (target <= 100 ms; "
                  "0 where none took over 50 ms)")
            results += [paste <= 5000, longest <= 100]
        else:
            print("the web page is not measured: emscripten or headless Chromium is missing")
    print("all targets met" if all(results) else "TARGET MISSED")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
