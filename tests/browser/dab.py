#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
"""Exported card pages in a real browser (Debian's headless Chromium through Selenium):
tap to mark and take back, the keyboard, a complete line, marks kept over a reload and per
card, Clear marks asking first, the Bingo view, a hostile word shown as text, nothing fetched,
and axe-core finding nothing serious; and a 90-ball ticket's page likewise.

    dab.py PLUMWICK_PRINT AXE_MIN_JS [PICTURES_DIR]
"""
import base64
import functools
import http.server
import os
import re
import subprocess
import sys
import tempfile
import threading

from headless import Checks, chromium, phone as screen, reopen
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

plumwick_print, axe_js = sys.argv[1], sys.argv[2]
pictures = sys.argv[3] if len(sys.argv) > 3 else None
work = tempfile.mkdtemp()


class QuietFiles(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


# The pages as a player's browser gets them from a web server, here on 127.0.0.1: what a
# page keeps is kept per site, where headless Chromium now and then lost what file:// pages
# kept (a run in five or so).
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietFiles, directory=work))
threading.Thread(target=server.serve_forever, daemon=True).start()


def url(path):
    return f"http://127.0.0.1:{server.server_port}/" + os.path.relpath(path, work)
check = Checks()
failures = check.failures


def export(words, *options):
    listing = os.path.join(work, "party.pwk")
    with open(listing, "w", encoding="utf-8") as f:
        f.write("\n".join(words) + "\n")
    folder = tempfile.mkdtemp(dir=work)
    out = subprocess.run([plumwick_print, "-q", "--export", folder, "--format", "html", *options, listing],
                         check=True, capture_output=True, text=True, env=dict(os.environ, XDG_DATA_HOME=work))
    return folder, out.stdout


numbers = [str(n) for n in range(1, 76)]
folder, said = export(numbers, "--numbered", "--cards", "2")
code = said.split("Game code:")[1].strip()
first = url(os.path.join(folder, f"{code}-card-0001.html"))
second = url(os.path.join(folder, f"{code}-card-0002.html"))

browser = chromium()


def phone(width, height):
    screen(browser, width, height)


try:
    phone(360, 640)
    browser.get(first)
    cells = lambda: browser.find_elements(By.CSS_SELECTOR, ".cell")
    pressed = lambda: [c.get_attribute("aria-pressed") == "true" or "free" in c.get_attribute("class") for c in cells()]
    status = lambda: browser.find_element(By.ID, "status").text

    check(len(cells()) == 25, "a 5 x 5 card has 25 cells")
    check(browser.execute_script("return [...document.querySelectorAll('.card > [role=row]')].map(r => r.querySelectorAll('[role=cell], [role=columnheader]').length).join()") == "5,5,5,5,5,5",
          "a table of a heading row and five rows of five cells")
    check(cells()[12].tag_name == "div", "the free space is no button")
    check(pressed() == [i == 12 for i in range(25)], "only the free space starts marked")
    check(browser.execute_script("return performance.getEntriesByType('resource').length") == 0,
          "the page fetches nothing")
    footer = browser.find_element(By.CSS_SELECTOR, ".footer").text
    check(re.fullmatch(f"Card 1 \u00b7 Game {code} \u00b7 Check [ACEFHJKMNPRTVWXY]{{5}}", footer) is not None,
          f"the footer, with the card's check code: {footer!r}")

    # Tap the first row: marked, and the line is shown complete.
    for i in range(5):
        cells()[i].click()
    check(all(pressed()[:5]), "a tap marks a cell")
    check(status() == "Bingo: row 1", f"the complete row is said: {status()!r}")
    check(all("win" in cells()[i].get_attribute("class") for i in range(5)), "the complete row is shown")
    cells()[0].click()
    check(not pressed()[0] and status() == "", "a second tap takes the mark back")
    cells()[0].click()
    # The keyboard: Space on a focused cell.
    cells()[6].send_keys(Keys.SPACE)
    check(pressed()[6], "Space marks the focused cell")
    if pictures:
        browser.save_screenshot(os.path.join(pictures, "web-card-phone.png"))

    # Marks outlast a reload; the other card keeps its own.
    reopen(browser, first, 7)
    check(pressed() == [i in (0, 1, 2, 3, 4, 6, 12) for i in range(25)], "the marks are kept over a reload")
    check(status() == "Bingo: row 1", "the line is shown again after a reload")
    browser.get(second)
    check(pressed() == [i == 12 for i in range(25)], "another card has marks of its own")
    reopen(browser, first, 7)

    # Another pattern: four corners is not complete yet.
    Select(browser.find_element(By.ID, "pattern")).select_by_value("corners")
    check(status() == "", "four corners are not complete")
    for i in (20, 24):
        cells()[i].click()
    check(status() == "Bingo: four corners", f"four corners complete: {status()!r}")
    # A named shape, any way round: the postage stamp in the top left corner, once complete.
    Select(browser.find_element(By.ID, "pattern")).select_by_value("postage-stamp")
    check(status() == "", "the stamp is not complete")
    cells()[5].click()
    check(status() == "Bingo: Postage stamp", f"the stamp complete: {status()!r}")
    check([i for i in range(25) if "win" in cells()[i].get_attribute("class")] == [0, 1, 5, 6], "the stamp's cells are shown")
    cells()[5].click()
    Select(browser.find_element(By.ID, "pattern")).select_by_value("corners")

    # The Bingo view shows the card and the marked words large; Escape closes it.
    browser.find_element(By.ID, "bingo").click()
    view = browser.find_element(By.ID, "bingo-view")
    check(view.is_displayed(), "the Bingo view opens")
    words = [li.text for li in browser.find_elements(By.CSS_SELECTOR, "#bingo-words li")]
    check(len(words) == 9 and "Free Space" in words, f"the Bingo view lists the marked words: {words}")
    check(code in view.text, "the Bingo view shows the game code")
    check(view.get_attribute("role") == "dialog" and view.get_attribute("aria-modal") == "true",
          "the Bingo view is a modal dialog")
    check(browser.execute_script("return document.querySelector('.card').inert"), "the card behind it can't be reached")
    if pictures:
        browser.save_screenshot(os.path.join(pictures, "web-card-bingo.png"))
    browser.switch_to.active_element.send_keys(Keys.ESCAPE)
    check(not view.is_displayed(), "Escape closes the Bingo view")
    check(not browser.execute_script("return document.querySelector('.card').inert"), "the card is back")

    # Clear marks asks first: dismissed, nothing changes; accepted, only the free space stays.
    browser.find_element(By.ID, "clear").click()
    browser.switch_to.alert.dismiss()
    check(sum(pressed()) == 9, "a dismissed question clears nothing")
    browser.find_element(By.ID, "clear").click()
    browser.switch_to.alert.accept()
    check(pressed() == [i == 12 for i in range(25)], "Clear marks leaves the free space")
    reopen(browser, first, 1)
    check(pressed() == [i == 12 for i in range(25)], "cleared marks stay cleared")

    # Landscape on a phone: the whole card is on the screen.
    phone(640, 360)
    right = browser.execute_script("return document.querySelector('.controls').getBoundingClientRect().right")
    check(right <= 640, f"the controls fit beside the card ({right})")
    bottom = browser.execute_script("return document.querySelector('.card').getBoundingClientRect().bottom")
    check(bottom <= browser.execute_script("return window.innerHeight"), f"the card fits a landscape phone ({bottom})")
    if pictures:
        browser.save_screenshot(os.path.join(pictures, "web-card-landscape.png"))
    phone(360, 640)
    bottom = browser.execute_script("return document.querySelector('.controls').getBoundingClientRect().bottom")
    check(bottom <= 640, f"card and controls fit a phone held upright ({bottom})")
    # Zoomed to 400% on a laptop (320 x 256 CSS pixels): the card stays readable, every
    # number whole on its line, the page scrolling only down (WCAG reflow).
    phone(320, 256)
    width = browser.execute_script("return document.querySelector('.card').getBoundingClientRect().width")
    check(width >= 280, f"the card keeps its width at 400% ({width})")
    # The page fits its words to the new size once the resize reaches it: waited for.
    whole = browser.execute_async_script(r"""const done = arguments[arguments.length - 1];
        const fits = () => [...document.querySelectorAll('.cell')].every(c => {
            const r = document.createRange(); r.selectNodeContents(c);
            const lines = new Set([...r.getClientRects()].map(x => Math.round(x.top)));
            return c.scrollWidth <= c.clientWidth + 1 && lines.size <= c.innerText.trim().split(/\s+/).length; });
        const started = performance.now();
        (function look() { if (fits()) done(true); else if (performance.now() - started > 5000) done(false);
                           else requestAnimationFrame(look); })();""")
    if pictures:
        browser.save_screenshot(os.path.join(pictures, "web-card-400.png"))
    check(whole, "at 400% no number breaks across lines")
    wide = browser.execute_script("return document.documentElement.scrollWidth")
    check(wide <= 320, f"at 400% nothing scrolls sideways ({wide})")
    phone(360, 640)
    # A marked cell stands out from an unmarked one by 3:1 in the light scheme.
    def luminance(rgb):
        parts = [int(v) / 255 for v in re.findall(r"\d+", rgb)[:3]]
        lin = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in parts]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]
    dab, paper = browser.execute_script("return [getComputedStyle(document.querySelector('.cell.free')).backgroundColor,"
                                        " getComputedStyle(document.querySelector('button.cell')).backgroundColor]")
    ratio = (max(luminance(dab), luminance(paper)) + 0.05) / (min(luminance(dab), luminance(paper)) + 0.05)
    check(ratio >= 3, f"a marked cell differs from an unmarked one by 3:1 ({dab} on {paper}: {ratio:.2f})")

    # No serious or critical accessibility finding.
    with open(axe_js, encoding="utf-8") as f:
        source = f.read()
    run_axe = ("const done = arguments[arguments.length - 1];"
               "axe.run(document).then(r => done(r.violations.map(v => [v.id, v.impact, v.nodes.length])));")
    browser.execute_script(source)
    result = browser.execute_async_script(run_axe)
    serious = [v for v in result if v[1] in ("serious", "critical")]
    check(not serious, f"axe-core: {serious}")

    # In a dark desktop theme too.
    browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": [{"name": "prefers-color-scheme", "value": "dark"}]})
    browser.refresh()
    ground = browser.execute_script("return getComputedStyle(document.body).backgroundColor")
    check(ground == "rgb(22, 22, 22)", f"the page follows a dark theme ({ground})")
    ring = browser.execute_script("const c = document.querySelectorAll('.cell')[12]; c.classList.add('win');"
                                  "return getComputedStyle(c).outlineColor")
    check(ring == "rgb(11, 61, 24)", f"the winning line stands out from the dab in the dark ({ring})")
    browser.execute_script(source)
    result = browser.execute_async_script(run_axe)
    serious = [v for v in result if v[1] in ("serious", "critical")]
    check(not serious, f"axe-core, dark: {serious}")
    if pictures:
        browser.save_screenshot(os.path.join(pictures, "web-card-dark.png"))
    browser.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})

    # Printed from the browser: one page.
    pdf = base64.b64decode(browser.execute_cdp_cmd("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})["data"])
    pages = len(re.findall(rb"/Type\s*/Page[^s]", pdf))
    check(pages == 1, f"the card prints on one page ({pages})")

    # A 90-ball ticket: its fifteen numbers to tap, its blanks not; rows counted for one line,
    # two lines and a full house; marks kept per ticket; nothing serious for axe.
    tickets = tempfile.mkdtemp(dir=work)
    said = subprocess.run([plumwick_print, "-q", "--tickets", "--numbered", "--export", tickets, "--format", "html"],
                          check=True, capture_output=True, text=True, env=dict(os.environ, XDG_DATA_HOME=work)).stdout
    ticket_code = said.split("Game code:")[1].strip()
    ticket1 = url(os.path.join(tickets, f"{ticket_code}-strip-0001-ticket-1.html"))
    browser.get(ticket1)
    check(len(cells()) == 15 and len(browser.find_elements(By.CSS_SELECTOR, ".blank")) == 12,
          "a ticket has 15 numbers to tap and 12 blanks")
    rows = browser.execute_script("return [...document.querySelectorAll('[role=row]')].map(r => r.getAttribute('aria-label') + ':' + r.querySelectorAll('[role=cell]').length + ':' + r.querySelectorAll('[aria-label=blank]').length)")
    check(rows == ["Row 1:9:4", "Row 2:9:4", "Row 3:9:4"], f"a ticket's rows are named, its blanks blank cells of them: {rows}")
    check(browser.execute_script("return performance.getEntriesByType('resource').length") == 0,
          "the ticket fetches nothing")
    row = lambda r: [c for c in cells() if int(c.get_attribute("data-i")) // 9 == r]
    for c in row(1)[:4]:
        c.click()
    row(1)[4].send_keys(Keys.SPACE)
    check(status() == "Bingo: row 2", f"a complete row of a ticket is said: {status()!r}")
    Select(browser.find_element(By.ID, "pattern")).select_by_value("two")
    check(status() == "", "one row is not two lines")
    for c in row(2):
        c.click()
    check(status() == "Bingo: rows 2 and 3", f"two lines: {status()!r}")
    reopen(browser, ticket1, 10)
    check(status() == "Bingo: rows 2 and 3" and sum(pressed()) == 10, "a ticket's marks are kept over a reload")
    browser.get(url(os.path.join(tickets, f"{ticket_code}-strip-0001-ticket-2.html")))
    check(sum(pressed()) == 0, "another ticket has marks of its own")
    reopen(browser, ticket1, 10)
    Select(browser.find_element(By.ID, "pattern")).select_by_value("house")
    for c in row(0):
        c.click()
    check(status() == "Bingo: full house", f"a full house: {status()!r}")
    # Held sideways, on the narrowest phone, and zoomed to 200% and 400% on a laptop (640 x 400
    # and 320 x 256 CSS pixels): it reflows, never scrolling sideways.
    for width, height in ((640, 360), (320, 568), (640, 400), (320, 256)):
        phone(width, height)
        wide = browser.execute_script("return document.documentElement.scrollWidth")
        check(wide <= width, f"a ticket fits {width} x {height} across ({wide})")
    phone(360, 640)
    # Its Bingo view is modal: what is behind it can't be reached.
    browser.find_element(By.ID, "bingo").click()
    check(browser.execute_script("return document.querySelector('.card').inert"), "the ticket behind the Bingo view can't be reached")
    browser.switch_to.active_element.send_keys(Keys.ESCAPE)
    check(not browser.execute_script("return document.querySelector('.card').inert"), "the ticket is back")
    browser.execute_script(source)
    result = browser.execute_async_script(run_axe)
    serious = [v for v in result if v[1] in ("serious", "critical")]
    check(not serious, f"axe-core, ticket: {serious}")
    if pictures:
        browser.save_screenshot(os.path.join(pictures, "web-ticket.png"))

    # A hostile word shows as the text it is.
    hostile = "<img src=x onerror=alert(1)>"
    folder, _ = export([hostile] + [f"w{n}" for n in range(30)], "--seed", "1", "--cards", "1")
    browser.get(url(os.path.join(folder, "card-0001.html")))
    check(not browser.find_elements(By.TAG_NAME, "img"), "no picture was made of a word")
    check(hostile in [c.text for c in cells()], "the word is shown as text")
    # Long phrases on a 7 x 7 card on a phone: nothing clipped, nothing below a readable size.
    phrases = [" ".join(["incomprehensibilities", "celebration", "afternoon"][: 1 + n % 3] + [f"w{n}"]) for n in range(60)]
    folder, _ = export(phrases, "--seed", "1", "--cards", "1", "--size", "7")
    browser.get(url(os.path.join(folder, "card-0001.html")))
    fitted = browser.execute_script("return [...document.querySelectorAll('.cell')].map(c => [parseFloat(c.style.fontSize),"
                                    " c.scrollWidth <= c.clientWidth + 1 && c.scrollHeight <= c.clientHeight + 1])")
    check(all(ok for _, ok in fitted), f"no long phrase is clipped: {sum(not ok for _, ok in fitted)} are")
    check(min(size for size, _ in fitted) >= 10, f"none is smaller than 10 pixels ({min(size for size, _ in fitted)})")
    # A direction override a word opens is closed in its cell; every cell finds its own direction.
    folder, _ = export(["\u202eevil"] + [f"w{n}" for n in range(30)], "--seed", "1", "--cards", "1")
    browser.get(url(os.path.join(folder, "card-0001.html")))
    shown = browser.execute_script("return Array.from(document.querySelectorAll('.cell')).map(c => [c.dir, c.textContent])")
    check(all(d == "auto" for d, _ in shown), "every cell has dir=auto")
    check("\u202eevil\u202c" in [t for _, t in shown], f"the override is closed: {[t for _, t in shown if 'evil' in t]}")
finally:
    browser.quit()

print(f"{9 + 48 - len(failures)} passed, {len(failures)} failed" if failures else "browser: passed")
sys.exit(1 if failures else 0)
