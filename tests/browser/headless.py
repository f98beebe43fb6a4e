# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
"""What the browser tests share: Debian's Chromium started headless with a profile of its
own and nothing reaching out, a phone's screen, and the tally of checks."""
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service


def chromium():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--user-data-dir=" + tempfile.mkdtemp()):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    phone(driver, 360, 640)
    return driver


def phone(driver, width, height):
    """The page as a phone of that size shows it (a headless window has a desktop's limits)."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})


class Checks:
    def __init__(self):
        self.failures = []

    def __call__(self, condition, what):
        if not condition:
            self.failures.append(what)
            print("FAIL:", what, flush=True)


def reopen(driver, url, marked, tries=5):
    """Opens (or reloads) a page whose marks are kept in the browser, until it shows as many
    marked cells as `marked` or the tries run out: headless Chromium has now and then read a
    page's storage before the earlier page's writes reached it. A page that never shows
    them fails its check as before."""
    import time
    for _ in range(tries):
        time.sleep(0.5)
        driver.get(url)
        count = len(driver.find_elements("css selector", ".cell[aria-pressed=true], .cell.free"))
        if count == marked:
            return
