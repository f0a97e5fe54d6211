#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The game's page, built with the web preset and played in headless
Chromium with its clock held: the sessions of the game's transcript table,
which the page must show as a console does, a table of what players do with
keys and the mouse, and the page served from a host."""
import contextlib
import functools
import http.server
import json
import os
import pathlib
import tempfile
import threading
import unittest

from support import BUILD as TESTED, SECOND, STEP, browser, main, run, tool
from support.browser import PASTE, ActionChains, Keys, WebDriverWait
from support.texts import (BANNER, DRAW, INVALID, OUT_OF, OVER, PAUSE, PROMPT, QUESTION, STRIKE, WIN,
                           drawn_in, wrong)

SCROLLBACK = 10000  # the fewest lines that the page keeps
BLOCK = 50  # the most lines in one of the log's blocks
COMPOSE = "line.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', isComposing: true, bubbles: true}))"
# From the page's start: its frames, the game's waits, the nodes added to the
# log and the lines in them, those dropped from its top, and those removed
# elsewhere or rewritten.
WATCH = """const seen = window.seen = {frames: 0, waits: 0, added: 0, lines: 0, dropped: 0, rewritten: 0};
(function frame() { seen.frames++; requestAnimationFrame(frame); })();
const log = (node) => node.id === "out" || node.parentNode?.id === "out";
new MutationObserver((records) => records.forEach((record) => {
  if (record.type === "attributes") seen.waits += !!document.body.dataset.waits;
  else if (log(record.target)) {
    seen.added += record.addedNodes.length;
    record.addedNodes.forEach((node) => seen.lines += node.textContent.split("\\n").length - 1);
    seen[record.previousSibling ? "rewritten" : "dropped"] += record.removedNodes.length;
    seen.rewritten += record.type === "characterData";
  }
})).observe(document, {subtree: true, childList: true, characterData: true, attributes: true,
                       attributeFilter: ["data-waits"]});"""


# What players do, step by step, when the page draws target (do()), what the
# game then waits for, what holds then on the page, and the page's log when
# play has ended.
def rows(target):
    numbers = [str(n) for n in wrong(target)]
    loss = "".join(f"{PROMPT}{n}\n{STRIKE}{i}{OUT_OF}" for i, n in enumerate(numbers, 1)) + f"{OVER}{target}\n"
    return {
        "PlaysByKeysOnAPhone": ([("line", "abc"), *[("line", n) for n in numbers], ("paste", f"y\n{target}\n"),
                                 ("line", "n", "key"), ("keys", "x", "nothing")],
                                f"{BANNER}{PROMPT}abc\n{INVALID}{loss}{QUESTION}y\n{BANNER}{PROMPT}{target}\n"
                                f"{WIN}{QUESTION}n\n{PAUSE}\n"),
        "KeysThatTypeNothingLeaveTheWait": (
            [("paste", "\n".join(numbers) + "\nn\n", "key"),
             *[("key", key, "key") for key in ("SHIFT", "CONTROL", "ALT", "META")], ("key", "ENTER", "nothing")],
            f"{BANNER}{loss}{QUESTION}n\n{PAUSE}\n"),
        "EnterInACompositionDoesNotSend": (
            [("keys", numbers[0] + " "), ("run", COMPOSE, "line", f"line.value == '{numbers[0]} '"),
             ("line", ""), ("end", "", "nothing")],
            f"{BANNER}{PROMPT}{numbers[0]} \n{STRIKE}1{OUT_OF}{PROMPT}\n"),
        "ClicksSelectOrFocus": ([("line", "abc"), ("click", "summary"),
                                 ("click", "#out", "line", "document.activeElement == line"),
                                 ("drag", "#out", "line", "getSelection().toString()"), ("end", "", "nothing")],
                                f"{BANNER}{PROMPT}abc\n{INVALID}{PROMPT}\n"),
        "SendsAndPastesAtTheCaret": (
            [("keys", "abcd"), ("run", "line.setSelectionRange(1, 3)"), ("paste", "9\n7", "line", "line.value == '7d'"),
             ("run", "line.setSelectionRange(1, 1)"), ("paste", "5\n", "line", "line.value == 'd'"),
             ("run", "line.onblur = () => line.left = true"),
             ("click", "#send", "line", "document.activeElement == line && !line.left"), ("end", "", "nothing")],
            BANNER + "".join(f"{PROMPT}{text}\n{INVALID}" for text in ("a9", "75", "d")) + PROMPT + "\n"),
        # Twice the lines that the page keeps, and more: the oldest go.
        "PasteOfManyLines": ([("paste", "abc\n" * 10001), ("end", "", "nothing")],
                             BANNER + (PROMPT + "abc\n" + INVALID) * 10001 + PROMPT + "\n"),
    }


# Chromium before 114 refuses to compile more than 4 KB of WebAssembly at once.
OLD_COMPILE = """const compile = WebAssembly.Module;
WebAssembly.Module = function (bytes) {
  if (bytes.length > 4096) throw new RangeError("WebAssembly.Module(): Out of memory: wasm memory");
  return new compile(bytes);
};"""


class Host(http.server.SimpleHTTPRequestHandler):
    """A static host, as quiet as the test, that lets browsers keep its files an hour."""
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".webmanifest": "application/manifest+json"}
    timeout = STEP

    def end_headers(self):
        self.send_header("Cache-Control", "max-age=3600")
        super().end_headers()

    def log_message(self, *_):
        pass


@contextlib.contextmanager
def hosted(folder, port=0):
    """Serves the folder on 127.0.0.1, from a thread, while in the context;
    gives the port."""
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Host, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


class Page(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.build = os.path.join(TESTED, "tests", "web", "build")
        cls.page = browser.page(cls.build)
        cls.stack = contextlib.ExitStack()
        cls.browser = browser.start(cls.stack, SECOND)
        cls.browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})

    @classmethod
    def tearDownClass(cls):
        cls.stack.close()

    def open(self):
        self.browser.get(self.page)
        self.waits_for("line", "loading")

    def drawn(self):
        """The number that the page draws at its held second, as every game
        there does."""
        self.open()
        self.do("paste", DRAW)
        return drawn_in(self.waits_for("key", DRAW))

    def state(self, after):
        """Waits until the game waits, and returns for what: a line, a key, or
        nothing more."""
        return WebDriverWait(self.browser, STEP, poll_frequency=0.01).until(
            lambda tab: tab.execute_script("return document.body.dataset.waits"),
            f"the game has not waited since {after!r}")

    def waits_for(self, what, after):
        """Waits until the game waits, which must be for what, and returns the
        page's log."""
        self.assertEqual(self.state(after), what, f"what the game waits for after {after!r}")
        return self.browser.execute_script("return document.getElementById('out').textContent")

    def do(self, action, text):
        """Does what a player does: types keys, a key by name, or a line and
        Enter, pastes, ends the input with Ctrl-D, clicks or drags; or runs a
        script of the page's, as an IME's Enter or a selection."""
        tab = self.browser
        if action in ("keys", "line"):
            tab.switch_to.active_element.send_keys(text + Keys.ENTER * (action == "line"))
        elif action == "key":
            tab.switch_to.active_element.send_keys(getattr(Keys, text))
        elif action == "paste":
            tab.execute_script(PASTE + "paste(arguments[0]);", text)
        elif action == "end":
            tab.find_element("id", "line").send_keys(text + Keys.CONTROL + "d" + Keys.CONTROL)
        elif action == "click":
            tab.find_element("css selector", text).click()
        elif action == "run":
            tab.execute_script(text)
        elif action == "drag":
            ActionChains(tab).move_to_element(tab.find_element("css selector", text)).click_and_hold(
                ).move_by_offset(40, 10).release().perform()

    def shows(self, whole):
        """The page's log once play has ended: the newest lines of the whole
        log, from a line's start, all of them or at least SCROLLBACK, and not
        all where there are twice as many (a node holds far fewer)."""
        log = self.waits_for("nothing", "the end")
        start = len(whole) - len(log)
        self.assertEqual(log, whole[start:], "the log is not the newest of what the game wrote")
        self.assertTrue(start == 0 or whole[start - 1] == "\n", "the log begins inside a line")
        lines = whole.count("\n")
        self.assertGreaterEqual(log.count("\n"), min(lines, SCROLLBACK), "the log lost lines")
        self.assertTrue(start or lines <= 2 * SCROLLBACK, "the log kept every line")

    def heard_once(self):
        """The log only grew, by no more than three nodes (a line's end, whole
        lines, a line's start) a frame or a wait and a block for each BLOCK
        whole lines, but for its oldest nodes."""
        seen = self.browser.execute_script("return seen")
        self.assertEqual(seen["rewritten"], 0, "text in the log was removed or rewritten")
        self.assertLessEqual(seen["added"], 3 * (seen["frames"] + seen["waits"]) + seen["lines"] // BLOCK,
                             f"more writes to the log than frames and waits: {seen}")

    def test_sessions_as_a_console_shows_them(self):
        # The transcript table's sessions that play where the game draws the
        # page's number, as a console shows them.
        fields = run([os.path.join(TESTED, "tests", "sessions"), str(self.drawn())]).stdout.split(b"\0")
        # The bytes of a session, as the page has them: typed text.
        for i in range(0, len(fields) - 1, 3):
            name, typed, shown = fields[i].decode(), *(field.decode("latin-1") for field in fields[i + 1:i + 3])
            with self.subTest(name):
                self.open()
                lines, _, rest = typed.rpartition("\n")
                if lines or _:
                    self.do("paste", typed)
                else:
                    self.do("keys", rest)
                if rest:
                    self.do("end", "")  # sends the last line, without its newline
                waits = self.state(typed[-100:])
                while waits != "nothing":
                    self.do("end", "") if waits == "line" else self.do("keys", "x")
                    waits = self.state(waits)
                self.shows(shown.replace("<pause>", PAUSE + "\n"))
                self.heard_once()

    def test_served_from_a_host(self):
        # The folder of the release's ZIP on a host: installable, kept by its
        # worker for playing with the host gone, and replaced by the next
        # release within a visit or two. It plays where the browser refuses
        # to compile the program at once.
        tab = self.browser
        refuse = tab.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": OLD_COMPILE})
        self.addCleanup(tab.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument", refuse)
        folder = self.enterContext(tempfile.TemporaryDirectory())
        tool("cmake", "--install", self.build, "--prefix", folder)
        with hosted(folder) as port:
            address = f"http://127.0.0.1:{port}/"
            tab.get(address)
            self.waits_for("line", "loading")
            WebDriverWait(tab, STEP, 0.01).until(
                lambda _: tab.execute_script("return navigator.serviceWorker.controller"), "no worker controls the page")
            self.assertEqual(tab.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"], [],
                             "the page is not installable")
        tab.refresh()
        self.waits_for("line", "a reload with the host gone")
        for name, text, anew in (("index.html", "<title>guess", "<title>anew"), ("sw.js", "guess-", "anew-")):
            path = pathlib.Path(folder, name)
            path.write_text(path.read_text(encoding="utf-8").replace(text, anew), encoding="utf-8")
        with hosted(folder, port):
            # The first visit finds the next release, whose worker then takes
            # over with its cache alone, and the second plays it.
            tab.get(address)
            self.waits_for("line", "a visit")
            WebDriverWait(tab, STEP, 0.01).until(lambda _: tab.execute_async_script(
                "caches.keys().then((names) => arguments[0](String(names)))").startswith("anew-"),
                "the next release's worker has not taken over alone")
            tab.get(address)
            self.waits_for("line", "a second visit")
            self.assertEqual(tab.title, "anew", "the next release did not reach the page")

    def test_players(self):
        self.browser.set_window_size(360, 640)  # a phone's
        for name, (steps, log) in rows(self.drawn()).items():
            with self.subTest(name):
                self.open()
                for action, text, waits, holds in (step + ("line", None)[len(step) - 2:] for step in steps):
                    self.do(action, text)
                    self.waits_for(waits, f"{action} {text!r}")
                    self.assertTrue(not holds or self.browser.execute_script(f"return {holds}"),
                                    f"after {action} {text!r}, not {holds}")
                self.shows(log)
                self.heard_once()
                focused = self.browser.switch_to.active_element.get_attribute("id")
                self.assertEqual(focused, "again", "play again does not have the focus")
                self.assertFalse(self.browser.execute_script(
                    "return document.documentElement.scrollWidth > innerWidth"),
                    "the page scrolls sideways on a phone's screen")
                self.assertEqual(self.browser.execute_script(  # the controls that show
                    "return [...document.querySelectorAll('input, button')].filter((control) => "
                    "control.offsetWidth && (control.offsetWidth < 24 || control.offsetHeight < 24)).map((c) => c.id)"),
                    [], "controls smaller than 24 px square")
        # The browser's own pages make requests too: only the page's count.
        events = [json.loads(entry["message"])["message"] for entry in self.browser.get_log("performance")]
        urls = {event["params"]["request"]["url"] for event in events
                if event["method"] == "Network.requestWillBeSent" and event["params"]["documentURL"] == self.page}
        self.assertEqual(urls, {self.page}, "the page made requests")
        # Its policy refuses any other, and says so in the console.
        errors = [entry["message"] for entry in self.browser.get_log("browser") if entry["level"] == "SEVERE"]
        self.assertEqual(errors, [], "the page's console has errors")


if __name__ == "__main__":
    main("emcc", *browser.TOOLS)
