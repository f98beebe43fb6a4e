#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Makes the pictures of the README and the help page from the real program:
# docs/main-window.png, docs/font-dialog.png and docs/about-box.png (the windows under Xvfb
# with a window manager) and
# docs/cards-page.png (a page of four cards printed to PDF, turned into PNG).
# With --german, instead: every window in German, as docs/de/<window>.png.
# Needs: xvfb, openbox, xdotool, imagemagick, poppler-utils. Run after a build.
set -euo pipefail
cd "$(dirname "$0")/.."
german=""
if [ "${1:-}" = "--german" ]; then german=1; shift; fi
build=${1:-build}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

if [ -z "${PLUMWICK_IN_XVFB:-}" ]; then
  PLUMWICK_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24" bash ${PLUMWICK_TRACE:+-x} "$0" ${german:+--german} "$@"
fi

export XDG_DATA_HOME=$home
# A window with its title bar (openbox draws 19 pixels above the client area).
shoot() { # window-id file
  local x y w h
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ { print $NF }')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ { print $NF }')
  w=$(xwininfo -id "$1" | awk '/Width:/ { print $NF }')
  h=$(xwininfo -id "$1" | awk '/Height:/ { print $NF }')
  import -window root -crop "$((w + 2))x$((h + 21))+$((x - 1))+$((y - 20))" +repage "$2"
}
# Opens the program (with the arguments given) and types the words given on its standard input.
start() {
  openbox >/dev/null 2>&1 &
  wm=$!
  for i in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break; sleep 0.05; done
  "$build/plumwick" "$@" >/dev/null 2>&1 &
  app=$!
  wid=$(xdotool search --sync --onlyvisible --name '^Plumwick$' | head -1)
  xdotool windowactivate --sync "$wid" 2>/dev/null || true
  sleep 0.5
}
type_words() {
  local w
  while IFS= read -r w; do
    xdotool type --delay 2 "$w"
    xdotool key Return
  done
  sleep 0.5
}
# Opens a window with keys, shoots it as docs/<name>.png and closes it with Escape.
window() { # title-pattern file keys...
  local title=$1 file=$2 dlg key
  shift 2
  for key in "$@"; do xdotool key "$key"; sleep 0.3; done
  dlg=$(xdotool search --sync --onlyvisible --name "$title" | head -1)
  sleep 0.5
  shoot "$dlg" "$file"
  xdotool key Escape; sleep 0.3
}

if [ -n "$german" ]; then
  export LANGUAGE=de LANG=de_DE.UTF-8
  # xdotool types umlauts in a UTF-8 locale, whether or not German is installed; its title
  # patterns match bytes, so they leave the umlauts out.
  xdotool() { LC_ALL=C.UTF-8 command xdotool "$@"; }
  mkdir -p docs/de
  start
  type_words <<'WORDS'
Luftballons
Kerzen
Geschenke
Torte
Partyhüte
Girlanden
Schatzsuche
Zauberer
Limonade
Verkleidung
Reise nach Jerusalem
Topfschlagen
Muffins
Konfetti
Wunschkerze
Kinderschminken
Eis
Tanzen
Luftschlangen
Stopptanz
Seifenblasen
Dankeskarten
Schokokuss
Pinata
WORDS
  shoot "$wid" docs/de/main-window.png
  window "^Schriftart$" docs/de/font-dialog.png alt+o s
  window "ber Plumwick$" docs/de/about-box.png alt+h b
  window "rter bearbeiten$" docs/de/edit-words.png ctrl+l
  window "^Papier$" docs/de/page-setup.png alt+d e
  window "^Karten exportieren$" docs/de/export.png alt+d x
  xdotool key F5
  cw=$(xdotool search --sync --onlyvisible --name 'rter ausrufen$' | head -1)
  sleep 0.5
  for i in $(seq 1 5); do xdotool key space; sleep 0.1; done
  sleep 0.5
  shoot "$cw" docs/de/caller.png
  xdotool windowactivate --sync "$wid" 2>/dev/null || true
  sleep 0.3
  window "^Karte pr.*fen$" docs/de/check-card.png F6
  kill "$app" "$wm" 2>/dev/null || true
  echo "docs/de: every window in German"
  exit 0
fi

start
type_words <<'WORDS'
Ice cream
Balloons
Happy birthday
Candles
Presents
Make a wish
Party hats
Cake
Streamers
Cupcakes
Blow out the candles
Face paint
Treasure hunt
Magician
Sweets
Lemonade
Bunting
Fancy dress
Sleepover
Musical chairs
Pass the parcel
Thank-you notes
Bouncy castle
Party bags
WORDS
shoot "$wid" docs/main-window.png
# The font dialog and the about box.
xdotool key alt+o; sleep 0.3; xdotool key f
dlg=$(xdotool search --sync --onlyvisible --name '^Font Options$' | head -1)
sleep 0.5
shoot "$dlg" docs/font-dialog.png
xdotool key Escape; sleep 0.3
xdotool key alt+h; sleep 0.3; xdotool key a
dlg=$(xdotool search --sync --onlyvisible --name '^About Plumwick$' | head -1)
sleep 0.5
shoot "$dlg" docs/about-box.png
xdotool key Return; sleep 0.3
kill "$app" "$wm" 2>/dev/null || true

# Game night: a numbered game of the numbers 1 to 75, the caller full screen after a few
# calls, and a card of the game checked.
"$build/plumwick-print" -q --numbered --cards 20 --per-page 4 -o "$home/game.pdf" \
  "data/SampleLists/Numbers 1 to 75.pwk" >/dev/null
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
"$build/plumwick" "data/SampleLists/Numbers 1 to 75.pwk" >/dev/null 2>&1 &
app=$!
wid=$(xdotool search --sync --onlyvisible --name '^Plumwick$' | head -1)
xdotool windowactivate --sync "$wid" 2>/dev/null || true
sleep 0.5
xdotool key F5
cw=$(xdotool search --sync --onlyvisible --name '^Call Words$' | head -1)
xdotool windowactivate --sync "$cw" 2>/dev/null || true
sleep 0.5
for i in $(seq 1 30); do xdotool key space; sleep 0.05; done
xdotool key F11; sleep 1
import -window root -resize 800x600 docs/caller.png
xdotool key F11; sleep 0.5
xdotool key alt+c
dlg=$(xdotool search --sync --onlyvisible --name '^Check a Card$' | head -1)
sleep 0.3
xdotool key alt+h; sleep 0.8
shoot "$dlg" docs/check-card.png
kill "$app" "$wm" 2>/dev/null || true

# A printed page: the party list, four cards to a page, as PDF and as a picture.
pdf=$home/cards.pdf
"$build/plumwick-print" -q --cards 4 --per-page 4 --size 5 --heading --free-space --paper letter \
  --seed 7 -o "$pdf" "data/SampleLists/Party/Birthday Party.pwk"
pdftoppm -png -r 60 -singlefile "$pdf" docs/cards-page
# The same page of phrases without and with "Same Text Size", and an exported card.
phrases=$home/phrases.pwk
cat "data/SampleLists/Party/Birthday Party.pwk" > "$phrases"
for even in no-same-text-size same-text-size; do
  "$build/plumwick-print" -q --cards 1 --per-page 1 --size 5 --heading --free-space --paper letter --seed 7 \
    --$even -o "$home/$even.pdf" "$phrases"
  pdftoppm -png -r 40 -singlefile "$home/$even.pdf" "docs/page-$even"
done
mkdir -p "$home/export"
"$build/plumwick-print" -q --export "$home/export" --cards 1 --seed 7 "data/SampleLists/Numbers 1 to 75.pwk"
convert "$home/export/card-0001.png" -resize 300x docs/exported-card.png
# A card exported as a web page, on a phone held upright and sideways, in a dark theme and
# in its Bingo view, from the browser test (headless Chromium).
/usr/bin/python3 tests/browser/dab.py "$build/plumwick-print" "$build/browser/node_modules/axe-core/axe.min.js" "$home" >/dev/null
for shot in phone landscape dark bingo; do
  convert "$home/web-card-$shot.png" -resize 50% "docs/web-card-$shot.png"
done
echo "docs/main-window.png, docs/font-dialog.png, docs/about-box.png, docs/cards-page.png and the game, even-text and export pictures written"
