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
