#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Fairness of cards of the numbers 1 to 75 as printed, read back from the PDF: 10,000 cards
# (5 x 5, heading, free space, 4 to a page, no --seed: the clock seeds them, as in the
# window). Prints, per column, the fewest and most cards one number is on and the chi-square
# of the counts (14 degrees of freedom: about 14 when fair; above 36 has p < 0.001), and the
# chi-square of number against row in the B column (74 degrees of freedom).
#   bench/fairness.sh [plumwick-print] [extra options...]
set -euo pipefail
cd "$(dirname "$0")/.."
print=${1:-build/plumwick-print}
shift || true
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/home QT_QPA_PLATFORM=offscreen
seq 1 75 > "$work/numbers.pwk"
"$print" -q --cards 10000 --per-page 4 --size 5 --heading --free-space --paper letter "$@" \
  -o "$work/cards.pdf" "$work/numbers.pwk"
pdftotext -bbox "$work/cards.pdf" "$work/cards.html"
python3 - "$work/cards.html" <<'PY'
import re, sys
from collections import defaultdict
text = open(sys.argv[1], encoding="utf-8").read()
counts = defaultdict(int)
row_counts = defaultdict(int)
for page in re.split(r"<page ", text)[1:]:
    width = float(re.match(r'width="([\d.]+)" height="([\d.]+)"', page).group(1))
    height = float(re.match(r'width="([\d.]+)" height="([\d.]+)"', page).group(2))
    cards = defaultdict(list)
    for x0, y0, word in re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>', page):
        if word.isdigit():
            cards[(float(x0) > width / 2, float(y0) > height / 2)].append((float(y0), int(word)))
    for numbers in cards.values():
        for _, n in numbers:
            counts[n] += 1
        column_b = sorted(v for v in numbers if v[1] <= 15)
        for row, (_, n) in enumerate(column_b):
            row_counts[(n, row)] += 1
cards = sum(counts.values()) / 24
print(f"cards read back: {cards:.0f}")
print("| column | fewest cards for one number | most cards for one number | chi-square, 14 df |")
print("|---|---|---|---|")
for c, name in enumerate("BINGO"):
    values = [counts[n] for n in range(15 * c + 1, 15 * c + 16)]
    mean = sum(values) / 15
    chi = sum((v - mean) ** 2 / mean for v in values)
    low = min(range(15 * c + 1, 15 * c + 16), key=lambda n: counts[n])
    high = max(range(15 * c + 1, 15 * c + 16), key=lambda n: counts[n])
    print(f"| {name} ({15*c+1}-{15*c+15}) | {counts[low]:,} (number {low}) | {counts[high]:,} (number {high}) | {chi:,.1f} |")
values = [row_counts[(n, r)] for n in range(1, 16) for r in range(5)]
mean = sum(values) / len(values)
print(f"B column, number against row: chi-square {sum((v - mean) ** 2 / mean for v in values):,.1f} on 74 df")
PY
