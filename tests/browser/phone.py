#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
"""A phone in the room, in Debian's headless Chromium, on a game the caller shares on
127.0.0.1: gets a card (and says "holding card N" on standard output, for the caller to call
every number), sees the calls arrive, lets them be marked for it, claims and hears the
answer, reloads and finds its card and marks; a second phone can neither read nor claim
the first one's card.

    phone.py URL [card|ticket]

A ticket game's phone holds a 90-ball ticket: fifteen numbers to tap and twelve shaded blanks.
"""
import json
import os
import sys
import time

from headless import Checks, chromium as browser
from selenium.webdriver.common.by import By

url = sys.argv[1]
ticket = len(sys.argv) > 2 and sys.argv[2] == "ticket"
numbers, tappable = (90, 15) if ticket else (75, 25)
check = Checks()
failures = check.failures


def until(condition, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            if condition():
                return True
        except Exception:  # the page is still coming
            pass
        time.sleep(0.1)
    return False


def say(driver, message):
    return driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "fetch('say', {method: 'POST', body: JSON.stringify(arguments[0])})"
        ".then(r => r.text()).then(done, e => done('failed: ' + e));", message)


phone = browser()
other = browser()
try:
    phone.get(url)
    text = lambda d, id: d.find_element(By.ID, id).text
    check(until(lambda: text(phone, "call") != ""), "the page shows the call line")
    phone.find_element(By.ID, "deal").click()
    check(until(lambda: phone.find_element(By.ID, "card").is_displayed()), "a card is dealt")
    who = text(phone, "who")
    secret = json.loads(phone.execute_script("return localStorage.getItem(arguments[0])", "plumwick-seat:" + phone.execute_script("return location.pathname")))["secret"]
    card = json.loads(say(phone, {"type": "hello", "secret": secret}))["card"]
    cells = phone.find_elements(By.CSS_SELECTOR, "#card .cell")
    check(len(cells) == tappable, f"the {'ticket' if ticket else 'card'} has {tappable} cells to tap ({len(cells)})")
    if ticket:
        blanks = phone.find_elements(By.CSS_SELECTOR, "#card .blank")
        check(len(blanks) == 12, f"the ticket's 12 blanks are shaded ({len(blanks)})")
        check(who.startswith("Strip 2 \u00b7 Ticket 1 \u00b7 "), f"the ticket is named by strip and ticket ({who!r})")
    else:
        check("free" in cells[12].get_attribute("class") and cells[12].tag_name == "div",
              "the free space starts marked, and is no button")
    check(len(phone.find_elements(By.CSS_SELECTOR, "#card [role=row]")) == (3 if ticket else 6),
          "the rows are rows to a screen reader")
    check(len(phone.find_elements(By.TAG_NAME, "h1")) == 1, "the page has one heading")
    size = float(phone.execute_script("return parseFloat(getComputedStyle(document.querySelector('button.cell')).fontSize)"))
    check(size >= 16, f"the card's numbers are at least the page's size ({size} px)")
    print("holding", card, flush=True)
    # The prize played, drawn small for a card.
    first = "One line" if ticket else "Any line"
    check(until(lambda: text(phone, "prize-title") == f"Prize 1 of 3: {first}"), f"the prize is shown ({text(phone, 'prize-title')!r})")
    drawn = phone.find_elements(By.CSS_SELECTOR, "#prize-picture span")
    check(ticket or (len(drawn) == 25 and sum("on" in s.get_attribute("class") for s in drawn) == 5), "a card's prize is drawn")

    # The caller calls every number; they arrive, the last one large.
    check(until(lambda: f"({numbers} " in text(phone, "last"), 30), f"every call arrived ({text(phone, 'last')!r})")
    phone.find_element(By.ID, "auto").click()
    check(all(c.get_attribute("aria-pressed") == "true" for c in phone.find_elements(By.CSS_SELECTOR, "#card button.cell")),
          "Mark calls for me marks every called cell")
    phone.find_element(By.ID, "bingo").click()
    check(until(lambda: text(phone, "status").startswith("Bingo")), f"the claim is answered ({text(phone, 'status')!r})")
    # The host confirms it: every phone hears the win, and the next prize is played.
    won = f"Bingo! {'Ticket' if ticket else 'Card'} {card}"
    check(until(lambda: text(phone, "news") == won, 30), f"the win is told ({text(phone, 'news')!r})")
    second = "Two lines" if ticket else "Four corners"
    check(until(lambda: text(phone, "prize-title") == f"Prize 2 of 3: {second}"), f"the next prize ({text(phone, 'prize-title')!r})")
    if os.environ.get("PLUMWICK_PICTURES"):
        phone.save_screenshot(os.path.join(os.environ["PLUMWICK_PICTURES"], f"phone-win-{'ticket' if ticket else 'card'}.png"))

    # Reloaded: the same card, its marks, the calls caught up.
    phone.refresh()
    check(until(lambda: text(phone, "who") == who), "the reloaded page has the same card")
    check(until(lambda: f"({numbers} " in text(phone, "last")), "the reloaded page caught up with the calls")
    marked = [c.get_attribute("aria-pressed") for c in phone.find_elements(By.CSS_SELECTOR, "#card .cell")]
    check(marked.count("true") == tappable - (0 if ticket else 1), f"the marks were kept ({marked.count('true')})")

    # Another phone: no card of the first one's without its secret.
    other.get(url)
    until(lambda: text(other, "call") != "")
    guess = ("0" * 31 + "1") if secret != "0" * 31 + "1" else "f" * 32
    check("error" in json.loads(say(other, {"type": "hello", "secret": guess})), "a guessed secret reads no card")
    check("error" in json.loads(say(other, {"type": "claim", "secret": guess})), "a guessed secret claims nothing")
    check("error" in json.loads(say(other, {"type": "take", "card": int(card)})), "a dealt card can't be taken")
finally:
    phone.quit()
    other.quit()

print("phone: passed" if not failures else f"{len(failures)} failed", flush=True)
sys.exit(1 if failures else 0)
