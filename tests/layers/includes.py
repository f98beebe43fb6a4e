#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
"""Checks that every folder of src/ includes only its own headers and those of the floors below it.

Usage: includes.py SRC_FOLDER
       includes.py --self-test   (the check itself, on a small tree it makes)

The floors, from the ground. Folders on one floor are neighbours that know nothing of each other:
plumwick-print, the share server and the reusable views each stand on the page writers alone; the
dialogs stand on the views; only the windows (app: the main window, the caller, the room display)
open the dialogs and the share panel. src/main.cpp stands on top of all.
A folder that is not in the table is an error too, so a new folder is given its floor here.
"""
import pathlib
import re
import sys

FLOORS = [
    ["platform"],  # adapters over Qt and the OS (platform/ui: those that need widgets)
    ["formats"],   # the files the program writes itself: PDF, fonts, PNG, the compressor
    ["card"],      # what a card is
    ["words"],     # the word list and its file format
    ["game"],      # codes, numbering, patterns, the draw, tickets, the shared game's seats
    ["settings"],  # settings keys, the program's folders
    ["records"],   # the games' records, their side files and the cross-process ledger that deals cards
    ["output"],    # every page and file that shows cards, tickets and call lists
    ["batch", "share", "widgets"],  # plumwick-print; the phones' server; painted grids and other views
    ["dialogs"],   # every dialog
    ["app"],       # the main window, the caller, the room display, and what wires them
]
FLOOR_OF = {folder: level for level, folders in enumerate(FLOORS) for folder in folders}
TOP = len(FLOORS)
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def floor_of(folder):
    return TOP if folder == "" else FLOOR_OF.get(folder)


def main(src):
    src = pathlib.Path(src)
    faults = []
    files = sorted(p for p in src.rglob("*") if p.suffix in (".h", ".cpp"))
    for path in files:
        relative = path.relative_to(src)
        folder = relative.parts[0] if len(relative.parts) > 1 else ""
        here = floor_of(folder)
        if here is None:
            faults.append(f"{relative}: the folder {folder}/ has no floor (give it one in {pathlib.Path(__file__).name})")
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            if "/" not in target:
                continue  # a header beside the file, or a generated one
            wanted = target.split("/")[0]
            if wanted == folder:
                continue
            there = floor_of(wanted)
            if there is None:
                if (src / target).exists() or (src / wanted).is_dir():
                    faults.append(f"{relative}:{number}: includes {target}, whose folder has no floor")
                continue  # a library's header, such as <QtCore/...> written with quotes
            if there >= here:
                how = "a neighbour on its own floor" if there == here else "a floor above it"
                faults.append(f"{relative}:{number}: includes {target}, {how} ({folder or 'main'} stands on "
                              f"{', '.join(f for level in FLOORS[:here] for f in level) or 'nothing'})")
    for fault in faults:
        print(fault)
    print(f"{len(files)} files read, {len(faults)} includes against the floors")
    return 1 if faults else 0


def self_test():
    """The check finds each kind of fault in a made-up tree, and nothing else."""
    import contextlib
    import io
    import tempfile
    tree = {
        "card/CardOptions.h": '#include "platform/Clock.h"\n#include <QString>\n',
        "platform/Up.cpp": '#include "formats/Pdf.h"\n',
        "card/Up.cpp": '#include "card/CardOptions.h"\n#include "output/SampleCard.h"\n',
        "share/Neighbour.cpp": '#include "output/SampleCard.h"\n  #  include "batch/BatchOptions.h"\n',
        "app/Window.cpp": '#include "dialogs/UnitFrmFont.h"\n#include "ui_Window.h"\n#include "QtCore/qglobal.h"\n',
        "attic/Old.cpp": '#include "card/CardOptions.h"\n',
        "main.cpp": '#include "app/Window.h"\n',
        "platform/Clock.h": "", "formats/Pdf.h": "", "output/SampleCard.h": "", "batch/BatchOptions.h": "", "dialogs/UnitFrmFont.h": "",
    }
    with tempfile.TemporaryDirectory() as folder:
        for name, text in tree.items():
            path = pathlib.Path(folder) / name
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text, encoding="utf-8")
        said = io.StringIO()
        with contextlib.redirect_stdout(said):
            status = main(folder)
    found = [line.split(":")[0] + ":" + line.split(":")[1].split(" ")[0] for line in said.getvalue().splitlines()[:-1]]
    expected = ["attic/Old.cpp:", "card/Up.cpp:2", "platform/Up.cpp:1", "share/Neighbour.cpp:2"]
    if status != 1 or sorted(found) != expected:
        print(said.getvalue())
        print(f"self-test: expected faults at {expected}, found {sorted(found)}")
        return 1
    print("self-test: the check finds an include up a floor, one across a floor and a folder without a floor")
    return 0


if __name__ == "__main__":
    if sys.argv[1:] == ["--self-test"]:
        sys.exit(self_test())
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2] / "src"))
