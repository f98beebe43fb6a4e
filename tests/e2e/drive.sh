#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Drives the real plumwick as a person would, under Xvfb with a window manager, then checks
# the saved list's bytes, the settings file and a screenshot of the sample card.
#   drive.sh PATH/TO/plumwick
# Exits 77 (skipped) when xvfb-run, xdotool, openbox or ImageMagick are missing.
set -euo pipefail
app=$1
source "$(dirname "$0")/common.sh"
e2e_start xvfb-run xdotool openbox xprop xwininfo import convert -- "$@"
list=$work/fruit.pwk
fail() { echo "FAIL: $*" >&2; sed 's/^/  program: /' "$work/app.log" >&2 || true; [ -n "${PLUMWICK_E2E_SHOT:-}" ] && import -window root "$PLUMWICK_E2E_SHOT"; exit 1; }

focus_main() {
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  xdotool windowfocus --sync "$main" >/dev/null 2>&1 || true
}
# The visible windows with a title, to tell a new dialog from what was there before.
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | sort || true; }
# Waits for a visible window with this title that is not in the list given; prints its id.
wait_window() {
  local title=$1 before=$2 i id
  for i in $(seq 1 600); do
    for id in $(windows "$title"); do
      grep -qx "$id" <<<"$before" || { echo "$id"; return 0; }
    done
    sleep 0.05
  done
  fail "no window '$title' appeared"
}
# Runs an action that opens a dialog, waits for the dialog and presses a key in it.
answer() { # title key action...
  local title=$1 key=$2 before id
  shift 2
  before=$(windows "$title")
  "$@"
  id=$(wait_window "$title" "$before")
  xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
  xdotool key "$key"
}


e2e_window_manager
"$app" >"$work/app.log" 2>&1 &
pid=$!
for i in $(seq 1 400); do
  main=$(windows '^Plumwick$' | head -1)
  [ -n "$main" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended at start-up"
  sleep 0.05
done
[ -n "$main" ] || fail "the main window did not appear"

focus_main
for w in banana apple; do
  xdotool type --delay 10 "$w"
  xdotool key Return
done
# The duplicate question: No is its default button.
xdotool type --delay 10 apple
answer '^Plumwick$' Return xdotool key Return
focus_main

# Ctrl+S with a file name typed into the save dialog.
before=$(windows '^Save Bingo Card$')
xdotool key ctrl+s
dialog=$(wait_window '^Save Bingo Card$' "$before")
xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
xdotool type --delay 5 "$list"
xdotool key Return
for i in $(seq 1 100); do [ -f "$list" ] && break; sleep 0.05; done
[ -f "$list" ] || fail "the list was not saved"
focus_main

# The card size: 7 x 7, with the keyboard. Tab goes from the word box past Add, Delete and
# the sample card to the size list, where Down picks the next size; Shift+Tab comes back.
xdotool key Tab Tab Tab Tab Down shift+Tab shift+Tab shift+Tab shift+Tab
# The client area's corner on the screen (xdotool's geometry counts the frame).
X=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { print $NF }')
Y=$(xwininfo -id "$main" | awk '/Absolute upper-left Y/ { print $NF }')
xdotool mousemove $((X + 300)) $((Y + 80))           # the pointer away from the card

# One more word, so that closing asks whether to save.
xdotool type --delay 10 cherry
xdotool key Return
sleep 0.3
import -window root "$work/shot.png"

# "Do you want to save current bingo card?": Escape is Cancel, and the program stays open
# with the list as it was.
answer '^Plumwick$' Escape xdotool key ctrl+e
sleep 0.5
question=$(windows '^Plumwick$' | grep -vx "$main" | head -1 || true)
[ -z "$question" ] || fail "Escape left the save question standing"
kill -0 "$pid" 2>/dev/null || fail "Escape (Cancel) closed the program"
# No: "cherry" is not saved, and the program ends.
xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
answer '^Plumwick$' alt+n xdotool key ctrl+e
for i in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"

# The list as saved before: sorted, no duplicate, CR LF after every line.
expected=$(printf 'apple\r\nbanana\r\n' | od -c)
[ "$(od -c < "$list")" = "$expected" ] || fail "list bytes: $(od -c < "$list")"

# The options written at close.
ini=$XDG_DATA_HOME/Plumwick/Options.ini
grep -q $'^CardSize=2\r$' "$ini" || fail "CardSize not stored: $(cat "$ini")"
grep -q $'^ChkFreeSpace=1\r$' "$ini" || fail "ChkFreeSpace not stored"
grep -q $'^TxtHeading=BINGO\r$' "$ini" || fail "TxtHeading not stored"

# The screenshot: a 7 x 7 card with heading has rows of 39 and columns of 62 pixels in the
# paint box at x = 8, its top just under the word box (the form's 136 less the title band):
# its grid lines are dark, the middle of its lines' gaps light.
pixel() { convert "$work/shot.png" -format "%[fx:int(255*intensity)]" -crop "1x1+$1+$2" info:; }
px=$((X + 8)); py=""
for top in $(seq 100 140); do
  [ "$(pixel $((px + 62 * 3 + 31)) $((Y + top)))" -lt 100 ] && { py=$((Y + top)); break; }
done
[ -n "$py" ] || fail "no card grid under the word box"
[ $((py - Y)) -lt 136 ] || fail "the title band is still there: the card starts at $((py - Y))"
for j in 0 1 3 7; do
  v=$(pixel $((px + j * 62)) $((py + 100)))
  [ "$v" -lt 100 ] || fail "no vertical grid line at column $j (intensity $v)"
done
for i in 0 2 8; do
  v=$(pixel $((px + 31 + 62 * 6)) $((py + i * 39)))
  [ "$v" -lt 100 ] || fail "no horizontal grid line at row $i (intensity $v)"
done
v=$(pixel $((px + 62 * 6 + 5)) $((py + 39 * 7 + 5)))
[ "$v" -gt 180 ] || fail "a cell corner is not light (intensity $v)"
echo "end-to-end: passed"
