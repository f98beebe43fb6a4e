#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# What the Orca screen reader speaks: the real program and Orca 43 under Xvfb, in a D-Bus
# session with the AT-SPI bus, Orca's speech on but pointed at a speech server that is not
# there, its debug log read for the "SPEECH OUTPUT" lines. A word added, a list box's value,
# a call, and a verdict must each be spoken; for 90-ball tickets too.
#   orca.sh PATH/TO/plumwick PATH/TO/plumwick-print
# Exits 77 (skipped) where Xvfb, D-Bus, at-spi2-core, xdotool, openbox or Orca is missing.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../support/skip.sh"
app=$1
printer=$2
launcher=/usr/libexec/at-spi-bus-launcher
for tool in xvfb-run dbus-run-session xdotool openbox orca; do
  command -v "$tool" >/dev/null || skip_missing "$tool is not installed"
done
[ -x "$launcher" ] || skip_missing "at-spi2-core is not installed"
if [ -z "${PLUMWICK_ORCA_INNER:-}" ]; then
  PLUMWICK_ORCA_INNER=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
cleanup() { kill "${pid:-}" "${orcapid:-}" "${wm:-}" "${bus:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export HOME=$work XDG_DATA_HOME=$work/home XDG_CONFIG_HOME=$work/config QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export SPEECHD_ADDRESS=unix_socket:/nonexistent
log=$work/orca.log
# A failure keeps Orca's whole debug log and the program's output (in orca-failure/ beside
# the test, or $PLUMWICK_ORCA_KEEP) and shows their last lines, so that it explains itself.
keep=${PLUMWICK_ORCA_KEEP:-$PWD/orca-failure}
fail() {
  echo "FAIL: $*" >&2
  grep -a "SPEECH OUTPUT" "$log" | sed 's/^/  orca said: /' >&2 || true
  mkdir -p "$keep"
  cp "$log" "$keep/orca-debug.log" 2>/dev/null || true
  cp "$work/app.log" "$keep/plumwick.log" 2>/dev/null || true
  cp "$work/orca.out" "$keep/orca.out" 2>/dev/null || true
  echo "Orca's debug log is kept as $keep/orca-debug.log; its last lines:" >&2
  tail -n 25 "$log" 2>/dev/null | sed 's/^/  /' >&2 || true
  exit 1
}
# Waits until Orca has spoken a line matching the pattern (grep -E) after line $2 of its log,
# for 30 s (or $3 tenths of a second).
hears() {
  local i
  for i in $(seq 1 "${3:-300}"); do
    # Read whole before matching: grep -q leaving early would break the pipe (pipefail).
    spoken=$(tail -n +"$2" "$log" 2>/dev/null | grep -a "SPEECH OUTPUT" || true)
    grep -aqE "$1" <<<"$spoken" && return 0
    sleep 0.1
  done
  return 1
}
heard() { hears "$@" || fail "Orca did not speak /$1/"; }
# Sends keys (xdotool key ...) and waits until Orca speaks the pattern, marking the log first.
# Just back from a dialog on a busy machine, the keys now and then go astray: an Alt key to a
# list box instead of the menu bar, or a menu opened by Alt+G closed again as Alt comes up.
# Then whatever they opened is closed with Escape and they are sent again, a menu's the other
# way a keyboard opens it: Alt alone to the menu bar, then its letter, each key once Orca has
# spoken what the last one did (on a busy machine Orca answers the program's keys late, and
# keys sent at once then arrive out of order).
press() {
  local pattern=$1 try step key
  shift
  for try in 1 2 3 4; do
    at=$(mark)
    if [ "$try" -gt 1 ] && [[ $1 == alt+? ]]; then
      for key in alt "${1#alt+}" "${@:2}"; do
        step=$(mark)
        xdotool key "$key"
        hears "'[^']+\\.'" "$step" 50 || true # what the key did, not its echo
      done
    else
      xdotool key "$@"
    fi
    hears "$pattern" "$at" 50 && return 0
    xdotool key Escape
    sleep 1
  done
  fail "Orca did not speak /$pattern/ after the keys $* were sent four times"
}
mark() { wc -l < "$log"; }
# Fails where a line matching the pattern was spoken more than once after line $2.
once() {
  sleep 0.5
  local n
  n=$(tail -n +"$2" "$log" | grep -a "SPEECH OUTPUT" | grep -acE "$1" || true)
  [ "$n" -le 1 ] || fail "Orca spoke /$1/ $n times"
}

seq 1 75 > "$work/numbers.pwk"
"$printer" -q --numbered --cards 4 -o "$work/game.pdf" "$work/numbers.pwk" >/dev/null
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus=$!
# The accessibility bus answers before anyone is started on it.
for i in $(seq 1 600); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  [ "$i" = 600 ] && fail "the accessibility bus did not answer in 60 s"
  sleep 0.1
done
openbox >/dev/null 2>&1 &
wm=$!
start_orca() {
  /usr/bin/python3 "$(dirname "$0")/orca-line-log.py" "$log" -u "$work/orca-prefs" >>"$work/orca.out" 2>&1 &
  orcapid=$!
}
# Orca is up once it says so. On a busy machine it starts slowly: it is waited for as long
# as it keeps writing its debug log (up to 5 minutes); one that has ended, or written
# nothing for 60 s, is started again, once.
orca_up() {
  local quiet=0 size last=-1
  while [ "$quiet" -lt 600 ]; do
    hears "Screen reader on" 1 1 && return 0
    kill -0 "$orcapid" 2>/dev/null || return 1
    size=$(stat -c %s "$log" 2>/dev/null || echo 0)
    if [ "$size" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0; last=$size; fi
    [ "$SECONDS" -lt 300 ] || return 1
  done
  return 1
}
start_orca
if ! orca_up; then
  echo "Orca did not come up (its debug log: $(wc -l < "$log" 2>/dev/null || echo no) lines); starting it again" >&2
  kill "$orcapid" 2>/dev/null || true
  wait "$orcapid" 2>/dev/null || true
  mv "$log" "$work/orca-first.log" 2>/dev/null || true
  start_orca
  orca_up || fail "Orca did not speak /Screen reader on/, started twice"
fi
"$app" "$work/numbers.pwk" >"$work/app.log" 2>&1 &
pid=$!
heard "Word editable combo box" 1 1200 # the program's first window, slow beside a busy machine

# A word added: its announcement.
at=$(mark)
xdotool type --delay 30 Giraffe
xdotool key Return
heard "Giraffe added: 76 words" "$at"

# A list box says its value as it takes the focus, and the new one when it changes.
at=$(mark)
xdotool key Tab Tab Tab Tab
heard "'5 x 5\.'" "$at"
xdotool key Down
heard "notification 7 x 7" "$at"
xdotool key Up

# A call in the caller, with its column letter.
xdotool key F5
heard "Call Words" "$at"
at=$(mark)
xdotool key space
heard "notification (([BINGO] )?[0-9]+|Giraffe)\\." "$at" # the word added above is one of the calls
# Auto Call: ticked by its key, then paused with Space.
at=$(mark)
xdotool key alt+v
heard "notification Auto Call every: checked" "$at"
at=$(mark)
xdotool key space
heard "notification Auto Call paused" "$at"
# Prizes in turn: the usual three chosen in their window, the first said as it is played;
# the room display opened beside the caller, which keeps the keys.
at=$(mark)
xdotool key alt+z
heard "Prizes" "$at"
at=$(mark)
xdotool key alt+f
sleep 0.3
xdotool key alt+p Return
heard "notification Prize 1 of 3: Any line" "$at"
at=$(mark)
xdotool key alt+y
heard "notification Room Display: checked" "$at"
xdotool key alt+F4

# The verdict of a checked card (the game printed above, its first card).
heard "Plumwick" "$at"
press "Check a Card" F6
at=$(mark)
xdotool key Return
heard "Card 1: No bingo yet" "$at"
once "No bingo yet" "$at"

# 90-ball tickets: the option says what it did (after the list's changes are offered for
# saving), a call is spoken by its traditional call, and a checked ticket says its verdict.
"$printer" -q --tickets --numbered -o "$work/tickets.pdf" >/dev/null
at=$(mark)
xdotool key Escape
heard "Plumwick\." "$at"
sleep 0.3
press "save current bingo card" alt+o 9
xdotool key alt+n
heard "notification 90-ball tickets: strips of six tickets" "$at"
xdotool key F5
heard "Call Words" "$at"
at=$(mark)
xdotool key alt+d
heard "notification Traditional Calls: checked" "$at"
at=$(mark)
xdotool key space
heard "notification .+, [0-9]+\." "$at"
at=$(mark)
xdotool key alt+F4
heard "Plumwick\." "$at"
sleep 0.3
press "Check a Card" F6
at=$(mark)
xdotool key Return
heard "Ticket 1: No bingo yet" "$at"
once "No bingo yet" "$at"
# The host's own patterns: the window, a cell of its grid covered with Space, and the next
# cell said as the cursor moves, with whether it is covered.
at=$(mark)
xdotool key Escape
heard "Plumwick\." "$at"
sleep 0.3
press "Your Patterns" alt+g p
at=$(mark)
xdotool key alt+c space
heard "notification Row 3, column 3: covered" "$at"
at=$(mark)
xdotool key Up
heard "notification Row 2, column 3: left out" "$at"
# Closed after drawing, it asks whether to save first; No closes it.
at=$(mark)
xdotool key Escape
heard "Save the pattern you drew before closing\?" "$at"
at=$(mark)
xdotool key alt+n
heard "Plumwick\." "$at"
# The card's design: its window, and a colour's button saying which colour it has.
sleep 0.3
press "Card Design" alt+o d
heard "Title above the card" "$at"
at=$(mark)
xdotool key Tab Tab
heard "Grid Lines push button" "$at"
heard "as on a plain card" "$at"
grep -a "SPEECH OUTPUT" "$log" | grep -aE "notification" | sed 's/^.*SPEECH OUTPUT: /orca said: /'
echo "orca: passed"
