# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""Headless Chromium for the page's test and its benchmark, driven by
Debian's python3-selenium, which belongs to Debian's own python3: the build
runs the page's test there; the page of a build, and a paste into it."""
import os
import shutil
import tempfile

try:
    from selenium import webdriver
    from selenium.webdriver import ActionChains
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    webdriver = ActionChains = Service = Keys = WebDriverWait = None

from . import built, cached, end_session

TOOLS = ("chromium", "chromedriver") + (() if webdriver else ("python3-selenium",))
# As root, and with background networking off, or Chromium tries hosts of
# its own that a closed network refuses.
# A script's function that pastes text into the page's input, as the browser
# does with what the player pastes.
PASTE = """const paste = (text) => {
  const data = new DataTransfer();
  data.setData("text/plain", text);
  document.getElementById("line").dispatchEvent(new ClipboardEvent("paste", {clipboardData: data, cancelable: true}));
};"""
OPTIONS = ("--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--no-first-run")


def start(stack, second=None):
    """Starts Chromium, which the ExitStack ends with its whole session, and
    holds the clock of its pages at the second if one is given."""
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which("chromium")
    for option in OPTIONS + ("--user-data-dir=" + stack.enter_context(tempfile.TemporaryDirectory()),):
        options.add_argument(option)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    service = Service(shutil.which("chromedriver"), popen_kw={"start_new_session": True})
    browser = webdriver.Chrome(service=service, options=options)
    stack.callback(end_session, service.process.pid)
    stack.callback(browser.quit)
    if second is not None:
        browser.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                {"source": f"Date.now = () => {second * 1000};"})
    return browser


def page(folder):
    """Builds the web preset in the folder; returns the page's address."""
    return "file://" + cached("GUESS_WEB", built("web", folder))
