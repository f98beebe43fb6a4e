#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# The program started as a file manager starts it, `plumwick LIST.pwk`, under Xvfb with a
# window manager: the list's words are on the sample card (its cells are drawn), and Ctrl+P
# to the PDF printer prints a card of exactly those words.
#   open-list.sh PATH/TO/plumwick
# Exits 77 (skipped) when xvfb-run, xdotool, openbox or ImageMagick are missing.
set -euo pipefail
app=$1
source "$(dirname "$0")/common.sh"
e2e_start xvfb-run xdotool openbox xprop import convert pdftotext -- "$@"
fail() { echo "FAIL: $*" >&2; sed 's/^/  program: /' "$work/app.log" >&2 || true; exit 1; }

# Nine words for a 3 x 3 card without a free space.
mkdir -p "$XDG_DATA_HOME/Plumwick"
printf '[Options]\r\nCardSize=0\r\nChkFreeSpace=0\r\nChkHeading=0\r\n' > "$XDG_DATA_HOME/Plumwick/Options.ini"
printf 'Walrus\r\nOtter\r\nBadger\r\nFerret\r\nHeron\r\nMarten\r\nPlover\r\nStoat\r\nVole\r\n' > "$work/animals.pwk"

e2e_window_manager
"$app" "$work/animals.pwk" >"$work/app.log" 2>&1 &
pid=$!
main=""
for i in $(seq 1 400); do
  main=$(xdotool search --onlyvisible --name '^Plumwick$' 2>/dev/null | head -1 || true)
  [ -n "$main" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up"
  sleep 0.05
done
[ -n "$main" ] || fail "the main window did not appear"
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
sleep 0.5
# No error box came up: the only window titled Plumwick is the main one.
[ "$(xdotool search --onlyvisible --name '^Plumwick$' | wc -l)" -eq 1 ] || fail "a message box came up at start"

# Every cell of the sample card holds text: dark pixels inside each cell's middle band.
import -window root "$work/shot.png"
X=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $NF }')
Y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $NF }')
top=""
for t in $(seq 100 140); do
  v=$(convert "$work/shot.png" -format "%[fx:int(255*intensity)]" -crop "1x1+$((X + 8 + 220))+$((Y + t))" info:)
  [ "$v" -lt 100 ] && { top=$t; break; }
done
[ -n "$top" ] || fail "no sample card"
for r in 0 1 2; do
  for c in 0 1 2; do
    dark=$(convert "$work/shot.png" -crop "100x30+$((X + 8 + c * 147 + 20))+$((Y + top + r * 104 + 37))" \
           -threshold 50% -format "%[fx:int(w*h*(1-mean))]" info:)
    [ "$dark" -gt 10 ] || fail "cell $r,$c of the sample card is empty"
  done
done

# Ctrl+P: the PDF printer asks for a name, offering animals.pdf. The key goes once the main
# window has the keyboard; on a busy machine the dialog may take a while, and a key that
# went astray while the window manager was still giving the focus is sent again.
for i in $(seq 1 400); do
  [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$main" ] && break
  xdotool windowactivate "$main" >/dev/null 2>&1 || true
  sleep 0.05
done
xdotool key ctrl+p
dialog=""
for i in $(seq 1 1200); do
  dialog=$(xdotool search --onlyvisible --name '^Save PDF$' 2>/dev/null | head -1 || true)
  [ -n "$dialog" ] && break
  if [ $((i % 200)) -eq 0 ] && [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$main" ]; then
    xdotool key ctrl+p
  fi
  sleep 0.05
done
[ -n "$dialog" ] || fail "the PDF dialog did not appear in 60 s"
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool key ctrl+a
xdotool type --delay 5 "$work/cards.pdf"
xdotool key Return
for i in $(seq 1 200); do [ -s "$work/cards.pdf" ] && break; sleep 0.05; done
sleep 0.3
[ -s "$work/cards.pdf" ] || fail "no PDF was written"
words=$(pdftotext "$work/cards.pdf" - | tr -s '[:space:]' '\n' | grep -v '^$' | sort | tr '\n' ' ')
[ "$words" = "Badger Ferret Heron Marten Otter Plover Stoat Vole Walrus " ] || fail "the card holds: $words"
echo "open-list: passed"
