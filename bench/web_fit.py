# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
"""How long a card's web page takes to fit its texts: a 7 x 7 card of long phrases, exported
by plumwick-print, in headless Chromium as a phone shows it, turned between upright and
sideways ten times; each turn's fitting timed in the page.
    /usr/bin/python3 bench/web_fit.py build/plumwick-print"""
import os
import random
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "browser"))
from headless import chromium  # noqa: E402

work = tempfile.mkdtemp()
random.seed(1)
words = "elephant giraffe wonderful celebration extraordinary birthday afternoon chocolate strawberry remarkable".split()
with open(os.path.join(work, "long.pwk"), "w", encoding="utf-8") as f:
    for _ in range(60):
        f.write(" ".join(random.choice(words) for _ in range(random.randint(3, 6))) + "\n")
subprocess.run([sys.argv[1], "-q", "--export", work, "--format", "html", "--seed", "3", "--size", "7",
                os.path.join(work, "long.pwk")], check=True, env=dict(os.environ, XDG_DATA_HOME=work))
browser = chromium()
try:
    browser.get("file://" + os.path.join(work, "card-0001.html"))
    time.sleep(0.3)
    times = []
    for width, height in [(360, 640), (640, 360)] * 10:
        browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                {"width": width, "height": height, "deviceScaleFactor": 2, "mobile": True})
        times.append(browser.execute_script(
            "const t = performance.now(); window.dispatchEvent(new Event('resize')); return performance.now() - t"))
    times.sort()
    print(f"fitting a 7 x 7 card of long phrases: median {times[len(times) // 2]:.0f} ms, worst {times[-1]:.0f} ms")
finally:
    browser.quit()
