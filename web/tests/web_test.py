#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's page, built with the web preset and played by keys in headless
Chromium, its clock held at a known second."""
import contextlib
import json
import os
import unittest

import browser
from browser import Keys, WebDriverWait
from harness import BUILD as TESTED, ROOT, main, tool
from texts import BANNER, INVALID, LIMIT, OVER, PAUSE, PROMPT, QUESTION, STRIKE, WIN

BUILD = os.path.join(TESTED, "tests", "web", "build")
PAGE = os.path.abspath(os.path.join(BUILD, "web", "guess.html"))
SECOND = 1767225600
PASTE = """const data = new DataTransfer();
data.setData("text/plain", arguments[1]);
arguments[0].dispatchEvent(new ClipboardEvent("paste", {clipboardData: data, cancelable: true}));"""


def drawn(second):
    """The number that the page draws in the second, by musl's rand."""
    seed = (6364136223846793005 * ((second - 1) % 2**64) + 1) % 2**64
    return (seed >> 33) % 20 + 1


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        tool("cmake", "--preset", "web", "--fresh", "-B", BUILD, cwd=ROOT)
        tool("cmake", "--build", BUILD)

    def setUp(self):
        stack = contextlib.ExitStack()
        self.addCleanup(stack.close)
        self.browser = browser.start(stack, SECOND)

    def waits_for(self, what, after):
        """Waits until the game waits, which must be for what (a line, a key, or
        nothing more), and returns all that the page's console shows."""
        waits = WebDriverWait(self.browser, 30, poll_frequency=0.01).until(
            lambda tab: tab.execute_script("return document.body.dataset.waits"),
            f"the game has not waited since {after!r}")
        self.assertEqual(waits, what, f"what the game waits for after {after!r}")
        return self.browser.execute_script("return document.getElementById('out').textContent")

    def test_plays_by_keys(self):
        self.assertLessEqual(os.path.getsize(PAGE), 400 << 10, "the page is over 400 KiB")
        self.browser.set_window_size(360, 640)  # a phone's
        self.browser.get("file://" + PAGE)
        self.waits_for("line", "loading")
        target = drawn(SECOND)
        wrong = [n for n in range(1, 21) if n != target][:3]
        lines = ["abc", *map(str, wrong), f"y\n{target}", "n"]
        expected = (BANNER + PROMPT + "abc\n" + INVALID
                    + "".join(f"{PROMPT}{n}\n{STRIKE}{i}{LIMIT}" for i, n in enumerate(wrong, 1))
                    + f"{OVER}{target}\n{QUESTION}y\n{BANNER}{PROMPT}{target}\n{WIN}{QUESTION}n\n")
        for line in lines:
            # Typed where the focus is: on the input, from the page's loading
            # on; two lines at once are pasted, as the clipboard gives them.
            if "\n" in line:
                self.browser.execute_script(PASTE, self.browser.switch_to.active_element, line + "\n")
            else:
                self.browser.switch_to.active_element.send_keys(line + Keys.ENTER)
            shown = self.waits_for("key" if line == "n" else "line", line)
        self.assertEqual(shown, expected + PAUSE, "the page's console at the closing wait")
        self.browser.switch_to.active_element.send_keys("x")
        self.assertEqual(self.waits_for("nothing", "the key"), expected + PAUSE + "\n",
                         "the page's console once play has ended")
        focused = self.browser.switch_to.active_element.get_attribute("id")
        self.assertEqual(focused, "again", "play again does not have the focus")
        self.assertFalse(self.browser.execute_script(
            "return document.documentElement.scrollWidth > innerWidth"),
            "the page scrolls sideways on a phone's screen")
        # The browser's own pages make requests too: only the page's count.
        events = [json.loads(entry["message"])["message"] for entry in
                  self.browser.get_log("performance")]
        urls = {event["params"]["request"]["url"] for event in events
                if event["method"] == "Network.requestWillBeSent"
                and event["params"]["documentURL"] == "file://" + PAGE}
        self.assertEqual(urls, {"file://" + PAGE}, "the page made requests")
        # Its policy refuses any other, and says so in the console.
        errors = [entry["message"] for entry in self.browser.get_log("browser")
                  if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "the page's console has errors")


if __name__ == "__main__":
    main("emcc", *browser.TOOLS)
