# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Walks Plumwick's accessibility tree over AT-SPI, as a screen reader sees it, and checks the
# names a blind user needs. Run by atspi.sh inside its own D-Bus session under Xvfb.
import sys
import time

import pyatspi


def walk(node, found):
    found.append((node.getRoleName(), node.name or "", node.description or ""))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, found)
    return found


desktop = pyatspi.Registry.getDesktop(0)
app = None
for _ in range(100):
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name == "Plumwick"), None)
    if app is not None:
        break
    time.sleep(0.1)
if app is None:
    print("FAIL: Plumwick is not on the accessibility bus")
    sys.exit(1)

nodes = walk(app, [])
failures = []


def expect(role, name, description=None):
    for r, n, d in nodes:
        if r == role and n == name and (description is None or description in d):
            return
    failures.append(f"no {role} named {name!r}" + (f" described {description!r}" if description else ""))


expect("table", "Sample card", "Heading: B, I, N, G, O. Row 1: ")
expect("table cell", "apple")
expect("table cell", "N")
expect("text", "Free space text")
expect("text", "Column heading text")
expect("text", "Word", "Enter adds")
expect("spin button", "Number of bingo cards")
for name in ("New", "Open", "Save", "Print"):
    expect("push button", name)
# A list box's value is its description too: Orca says it as the box takes the focus.
expect("combo box", "Print to PDF", "Print to PDF")
expect("combo box", "5 x 5", "5 x 5")
expect("label", "Status", "opened")
# No text field is named after a group box.
for r, n, d in nodes:
    if r == "text" and n in ("Options", "Print"):
        failures.append(f"a text field is named {n!r}")
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
