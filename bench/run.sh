#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Measures the speed goals and rewrites the table in bench/README.md.
# Whole-process figures are medians of 3 runs of /usr/bin/time -v; in-process figures come
# from the Google Benchmark programs. Run from anywhere after a Release build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build}
print=$build/plumwick-print
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/home QT_QPA_PLATFORM=offscreen

seq 1 75 > "$work/numbers.pwk"
{ cat "data/SampleLists/Party Night.pwk" "data/SampleLists/Office Meeting.pwk" \
      "data/SampleLists/Office/Conference Call.pwk"; } | head -60 > "$work/phrases.pwk"

# median of three: seconds and peak kilobytes of one command
measure() {
  local times=() mems=() i out
  for i in 1 2 3; do
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1 || true  # a check says "no bingo" with 4
    out=$(tail -1 "$work/time")
    times+=("${out% *}"); mems+=("${out#* }")
  done
  printf '%s %s\n' "$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)" \
                   "$(printf '%s\n' "${mems[@]}" | sort -n | sed -n 2p)"
}

rows=()
job() { # name list cards
  local cmd=("$print" -q --cards "$3" --per-page 4 --size 5 --heading --free-space --paper letter
             --seed 1 -o "$work/out.pdf" "$2")
  read -r secs kb < <(measure "${cmd[@]}")
  local rate
  rate=$(awk -v n="$3" -v s="$secs" 'BEGIN { if (s > 0) printf "%d", n / s; else print "-" }')
  rows+=("| $1, $3 cards | ${secs} s | ${rate} cards/s | $((kb / 1024)) MB | \`plumwick-print -q --cards $3 --per-page 4 --size 5 --heading --free-space --paper letter --seed 1 -o out.pdf $(basename "$2")\` |")
}
job "numbers 1 to 75" "$work/numbers.pwk" 1000
job "numbers 1 to 75" "$work/numbers.pwk" 99999
job "60 phrases" "$work/phrases.pwk" 1000
job "60 phrases" "$work/phrases.pwk" 99999
# The floor of that job: its page contents compressed and written, nothing drawn.
floor_pdf=$("$build/bench/floor" pdf "$work/out.pdf" "$work/floor.out")

# A numbered game of 99,999 cards of 1 to 75, and checking its last card.
read -r secs kb < <(measure "$print" -q --numbered --cards 99999 --per-page 4 --size 5 --heading --free-space \
                      --paper letter -o "$work/out.pdf" "$work/numbers.pwk")
rate=$(awk -v s="$secs" 'BEGIN { printf "%d", 99999 / s }')
rows+=("| numbered game of 1 to 75, 99999 cards | ${secs} s | ${rate} cards/s | $((kb / 1024)) MB | \`plumwick-print -q --numbered --cards 99999 --per-page 4 --size 5 --heading --free-space --paper letter -o out.pdf numbers.pwk\` |")
code=$(XDG_DATA_HOME=$work/home "$print" -q --numbered --cards 99999 --per-page 4 -o "$work/out.pdf" "$work/numbers.pwk" | sed 's/Game code: //')
printf '1\n2\n3\n' > "$work/called.pwk"
read -r secs kb < <(measure "$print" --check "$code" --card 99999 --called "$work/called.pwk" "$work/numbers.pwk")
rows+=("| check card 99,999 of that game | ${secs} s | - | $((kb / 1024)) MB | \`plumwick-print --check CODE --card 99999 --called called.pwk numbers.pwk\` |")

# 1,000 PNG cards of 1 to 75 at 300 dpi, on every core and on one.
for threads in 0 1; do
  rm -rf "$work/export"; mkdir -p "$work/export"
  read -r secs kb < <(measure env PLUMWICK_THREADS=$threads bash -c \
    "rm -f '$work'/export/*; exec '$print' -q --export '$work/export' --cards 1000 --seed 1 '$work/numbers.pwk'")
  label=$([ $threads = 0 ] && echo "all $(nproc) cores" || echo "one thread")
  [ $threads = 1 ] && floor_png=$("$build/bench/floor" png "$work/export")
  rows+=("| export 1,000 PNG cards at 300 dpi, $label | ${secs} s | $(awk -v s="$secs" 'BEGIN { printf "%d", 1000 / s }') cards/s | $((kb / 1024)) MB | \`PLUMWICK_THREADS=$threads plumwick-print -q --export DIR --cards 1000 numbers.pwk\` |")
done
# 1,000 cards as web pages (the goal: under 2 s on two cores).
read -r secs kb < <(measure bash -c "rm -rf '$work/web'; mkdir -p '$work/web'; exec '$print' -q --export '$work/web' --format html --cards 1000 --seed 1 '$work/phrases.pwk'")
rows+=("| export 1,000 cards as web pages (60 phrases) | ${secs} s | $(awk -v s="$secs" 'BEGIN { printf "%d", 1000 / s }') cards/s | $((kb / 1024)) MB | \`plumwick-print -q --export DIR --format html --cards 1000 --seed 1 phrases.pwk\` |")
# "Same Text Size" on a 10,000-card phrase job.
for even in --no-same-text-size --same-text-size; do
  read -r secs kb < <(measure "$print" -q --cards 10000 --per-page 4 $even --seed 1 -o "$work/out.pdf" "$work/phrases.pwk")
  rows+=("| 60 phrases, 10000 cards, $even | ${secs} s | $(awk -v s="$secs" 'BEGIN { printf "%d", 10000 / s }') cards/s | $((kb / 1024)) MB | \`plumwick-print -q --cards 10000 --per-page 4 $even --seed 1 -o out.pdf phrases.pwk\` |")
done

# 90-ball tickets: 5,000 strips (30,000 tickets) beside 30,000 square cards; the goal is
# within twice the cards' time.
read -r secs kb < <(measure "$print" -q --cards 30000 --per-page 4 --size 5 --heading --free-space --paper letter --seed 1 \
                      -o "$work/out.pdf" "$work/numbers.pwk")
rows+=("| numbers 1 to 75, 30000 cards (beside the tickets) | ${secs} s | $(awk -v s="$secs" 'BEGIN { printf "%d", 30000 / s }') cards/s | $((kb / 1024)) MB | \`plumwick-print -q --cards 30000 --per-page 4 --size 5 --heading --free-space --paper letter --seed 1 -o out.pdf numbers.pwk\` |")
for kind in "--seed 1" "--numbered"; do
  read -r secs kb < <(measure "$print" -q --tickets --strips 5000 $kind --paper letter -o "$work/out.pdf")
  rows+=("| 90-ball tickets, 5000 strips, $kind | ${secs} s | $(awk -v s="$secs" 'BEGIN { printf "%d", 30000 / s }') tickets/s | $((kb / 1024)) MB | \`plumwick-print -q --tickets --strips 5000 $kind --paper letter -o out.pdf\` |")
done

# The call list of 100,000 made-up words at 72 points (every word shrinks to fit).
awk 'BEGIN { srand(9); for (i = 0; i < 100000; i++) { n = 3 + int(rand() * 12); w = "";
             for (j = 0; j < n; j++) w = w sprintf("%c", 97 + int(rand() * 26)); print w } }' > "$work/words.pwk"
read -r secs kb < <(measure "$print" -q --call-list --font-size 72 --seed 1 -o "$work/out.pdf" "$work/words.pwk")
rows+=("| call list, 100,000 words at 72 pt | ${secs} s | - | $((kb / 1024)) MB | \`plumwick-print -q --call-list --font-size 72 --seed 1 -o out.pdf words.pwk\` |")
# Cards of that list (in no order: read, sorted, checked for characters no font draws).
for cards in 1 1000; do
  read -r secs kb < <(measure "$print" -q --cards $cards --per-page 4 --seed 1 -o "$work/out.pdf" "$work/words.pwk")
  rows+=("| 100,000 words, $cards cards | ${secs} s | - | $((kb / 1024)) MB | \`plumwick-print -q --cards $cards --per-page 4 --seed 1 -o out.pdf words.pwk\` |")
done

# Picture bingo: the sample picture list's 3 x 3 cards, and the same cards with the captions
# alone as words (each picture is written into the PDF once, so the two stay close).
cp -r "data/SampleLists/Classroom/Picture Bingo.files" "$work/"
cp "data/SampleLists/Classroom/Picture Bingo.pwk" "$work/pictures.pwk"
sed 's/^\[\[picture:[^]]*\]\] //' "$work/pictures.pwk" > "$work/captions.pwk"
for list in pictures captions; do
  read -r secs kb < <(measure "$print" -q --cards 10000 --per-page 4 --size 3 --seed 1 -o "$work/$list.pdf" "$work/$list.pwk")
  size=$(( $(stat -c %s "$work/$list.pdf") / 1024 ))
  rows+=("| 12 $list, 10000 3 x 3 cards ($size KB) | ${secs} s | $(awk -v s="$secs" 'BEGIN { printf "%d", 10000 / s }') cards/s | $((kb / 1024)) MB | \`plumwick-print -q --cards 10000 --per-page 4 --size 3 --seed 1 -o out.pdf $list.pwk\` |")
done

bench_ms() { # program filter -> "name time unit" lines
  # The window's figures under X where Xvfb is installed, so that painting is real painting.
  local run=()
  [ "$1" = window_bench ] && command -v xvfb-run >/dev/null &&
    run=(xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb)
  "${run[@]}" "$build/bench/$1" --benchmark_filter="$2" --benchmark_format=csv 2>/dev/null |
    awk -F, 'NR > 1 && $1 !~ /BigO|RMS/ { gsub(/"/, "", $1); printf "%s %.3f %s\n", $1, $3, $5 }'
}
inproc=()
while read -r name t unit; do
  inproc+=("| \`$name\` | $t $unit |")
done < <(bench_ms card_bench '.*'; bench_ms window_bench '.*')

fair=$(bench/fairness.sh "$print")
share=$("$build/bench/share_load" 300 || true)
abuse=""
for attack in none slow storm grab claims streams; do
  abuse+=$("$build/bench/share_abuse" "$attack" || true)$'\n\n'
done

# The game's ledger: 4 and 8 dealers taking 500 cards each, one at a time, idle and beside
# two busy loops per core.
ledger=""
for load in idle busy; do
  busy=()
  if [ $load = busy ]; then
    for i in $(seq 1 $((2 * $(nproc)))); do yes >/dev/null & busy+=($!); done
  fi
  for dealers in 4 8; do
    ledger+="$load: $("$build/bench/ledger_wait" $dealers 500 || echo "$dealers dealers: failed")"$'\n'
  done
  [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}"
done

{
  echo "# Benchmarks"
  echo
  echo "Regenerate with \`bench/run.sh\` after a Release build (\`./test.sh\` makes one)."
  echo "Machine: $(nproc) cores, $(uname -m), $(date -u +%Y-%m-%d)."
  echo
  echo "## Whole jobs (median of 3, \`/usr/bin/time -v\`)"
  echo
  echo "| job | time | rate | peak memory | command |"
  echo "|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
  echo
  echo "Floors, from \`bench/floor\` (CPU seconds of writing the output alone, nothing drawn):"
  echo
  echo "- 60 phrases, 99999 cards: $floor_pdf"
  echo "- export 1,000 PNG cards, one thread: $floor_png"
  echo
  echo "## In-process (Google Benchmark)"
  echo
  echo "| benchmark | time per iteration |"
  echo "|---|---|"
  printf '%s\n' "${inproc[@]}"
  echo
  echo "\`OpenHundredThousandWords\` opens Debian's \`/usr/share/dict/words\` (package wamerican) when it is"
  echo "installed, else 100,000 made-up words; it covers the file, the sorted word box, the arrangement and"
  echo "the painted card. \`PaintSevenBySevenPhrases/1\` remembers fitting outcomes between paints, as the"
  echo "window does; \`/0\` fits every text afresh."
  echo
  echo "## Fairness of the numbers 1 to 75 on paper (\`bench/fairness.sh\`)"
  echo
  echo "10,000 cards (5 x 5, heading, free space, 4 to a page) seeded by the clock as in the window, read"
  echo "back from the PDF. A fair draw puts each number on a third of the cards (3,333 +/- about 60; the N"
  echo "column, which has the free space, a quarter less), with a chi-square of about 14 per column."
  echo
  echo "$fair"
  echo
  echo "## Before and after"
  echo
  echo "Measured once, interleaved, medians of 3 (the table above is today's):"
  echo
  echo "| change | job | before | after |"
  echo "|---|---|---|---|"
  echo "| freed memory kept for the next page (glibc's trim and mmap thresholds) | numbers, 99999 cards | 5.48 s (4.65 user, 0.73 sys) | 4.75 s (4.48 user, 0.20 sys) |"
  echo "| the same | 60 phrases, 99999 cards | 18.90 s (17.50 user, 1.17 sys) | 18.18 s (17.68 user, 0.31 sys) |"
  echo "| a card draws only the cells it shows | 1,000 cards of 100,000 words (\`--cards 1000 --per-page 4 --seed 1 words.pwk\`) | 14.73 s, 72 MB | 1.33 s, 74 MB |"
  echo "| the same | a word added to a list of 100,000 in the window (\`AddOneWordToHundredThousand\`) | 15.98 ms | 0.70 ms |"
  echo "| the same | opening a list of 100,000 words (\`OpenHundredThousandWords\`) | 86.5 ms | 72.2 ms |"
  echo "| what a page has drawn kept in tiles (a box is checked against the boxes near it, not all) | call list of 100,000 words at the default size | 3.56 s | 2.35 s |"
  echo "| the same | call list of 100,000 words at 72 pt | 2.72 s | 2.67 s |"
  echo
  echo "The PDFs are byte for byte the same (compared with \`cmp\`); peak memory of the 99,999-card jobs 32.5 MB before, 32.7 MB after. One card of the 100,000-word list takes 0.60 s (reading and sorting the list), so the call list is 3.9x one card at the default size and 4.5x at 72 pt."
  echo
  echo "Then the PDF printer's own writer and the PNG encoder, each job run interleaved with the build before"
  echo "them (medians of 3; wall time, then CPU time as user + system, then peak memory):"
  echo
  echo "| change | job | before | after |"
  echo "|---|---|---|---|"
  echo "| the PDF written by the program: a line of text one string, pages compressed by libdeflate on a second thread, the arrangement planned once per job | 60 phrases, 99999 cards | 18.73 s (18.28 + 0.31 CPU), 32.9 MB | 2.03 s (3.23 + 0.13 CPU), 34 MB |"
  echo "| the same | numbers, 99999 cards | 5.80 s (5.48 + 0.26 CPU), 32.7 MB | 1.29 s (1.64 + 0.11 CPU), 34.1 MB |"
  echo "| the same | numbers, 1000 cards | 0.09 s, 31.9 MB | 0.04 s, 32.6 MB |"
  echo "| the same | 90-ball tickets, 5000 strips | 1.97 s | 0.57 s |"
  echo "| the same | call list of 100,000 words, default size | 1.96 s, 126 MB | 1.38 s, 80 MB |"
  echo "| the same | call list of 100,000 words at 72 pt | 2.32 s, 125 MB | 1.76 s, 81 MB |"
  echo "| the same | 1,000 cards of 100,000 words | 1.34 s | 1.22 s |"
  echo "| PNG rows filtered against the row above, compressed by libdeflate | export 1,000 PNG cards at 300 dpi, both cores | 32.97 s (55.0 + 5.5 CPU), 49 MB | 15.74 s (20.7 + 5.7 CPU), 65 MB |"
  echo
  echo "What guided them (\`perf record\` of the jobs before): in the 99,999-phrase job Qt's PDF engine took most"
  echo "of the time, deflate alone about half and writing one text operator per glyph a fifth, on one core. The"
  echo "program's own writer draws what a page of cards holds (lines, boxes, text) straight into the page's"
  echo "content, a line of text as one string with the spacing Qt's shaping gave; the page is compressed and"
  echo "written by a second thread while the next one is drawn, woken for a few pages at a time (waking it"
  echo "for each page cost a tenth of the numbers job in the kernel). A profile of the numbers job then showed"
  echo "zlib at a third of the CPU (libdeflate's fastest level halves that and packs tighter), the tiles of"
  echo "the drawn-box index made again for each page (now emptied and kept), each text's glyph runs copied"
  echo "out of Qt's objects for every card (now kept as plain lists, once per text), and the 1..75 list read"
  echo "again for every card (now planned once per job). The fonts are embedded at the end, each a subset of"
  echo "the glyphs used (\`pdffonts\`: emb, sub and uni all yes), and \`qpdf --check\` finds nothing. Word positions"
  echo "read back by \`pdftotext -bbox\` agree with Qt's engine to an eighth of a device pixel (0.015 pt) and the"
  echo "pages look the same (\`PdfWriter.PagesReadBackAsQtsEngineDrawsThem\`); the seeded jobs' hashes were"
  echo "recorded once more. The files are smaller: 99,999 phrase cards 117 MB to 102 MB, numbers 43.0 MB to 41.7 MB."
  echo "For PNG export Qt's writer tried every filter on every row at zlib's default level; the exported pixels"
  echo "are the same (\`compare -metric AE\`: 0) and the files 7% smaller. The export's memory is higher by the"
  echo "filtered rows kept while they are compressed (8 MB a card on each core)."
  echo
  echo "Then the page contents made smaller and the drawing thread and the PNG export brought to their floors,"
  echo "each job run in turn with the build before them (medians of 5; wall time, CPU time):"
  echo
  echo "| change | job | before | after |"
  echo "|---|---|---|---|"
  echo "| a text's operators made once per shaped run and kept; lines moved to from the one before; glyph numbers as bytes; numbers from a table of 64ths | 60 phrases, 99999 cards | 2.21 s (3.83 CPU), 102.3 MB | 1.34 s (2.31 CPU), 68.9 MB |"
  echo "| a text that must shrink sized from a measurement or two | 1,000 cards of 100,000 words | 1.45 s (1.47 CPU) | 0.51 s (0.52 CPU) |"
  echo "| a long list sorted by keys in one block; lines found with memchr; undrawable characters looked up in a table | 1 card of 100,000 words in no order | 0.27 s | 0.15 s |"
  echo "| PNG export drawn into the image's bytes, glyph coverage kept per thread | export 100 PNG cards at 300 dpi, one thread | 3.36 s (3.23 CPU) | 1.84 s (1.80 CPU) |"
  echo
  echo "The floor of the 99,999-phrase job (\`bench/floor pdf\`: the page contents compressed at level 1 and"
  echo "written, nothing drawn) was 1.55 s CPU for the contents as they were (395 MB) and is 1.02 s for today's"
  echo "(243 MB): the job's CPU is 1.5 times the floor it had and 2.3 times its own. The drawing thread and the"
  echo "writing thread now take about the same time, so the wall time is about half the CPU time. What is left"
  echo "on the drawing thread (\`perf record\`): looking texts up by their words (twice a cell), the drawn-box"
  echo "bookkeeping for opaque text boxes (a tenth), and appending each text's kept operators to the page."
  echo "The PNG export's floor (\`bench/floor png\`: the same images encoded, nothing drawn) is 16.0 s CPU for"
  echo "1,000 cards; the export on one thread took 34.9 s before and about 19.5 s now. Qt's painter filled each"
  echo "large glyph's outline anew on a pool of threads whose waking cost more than the filling."
  echo "A list of 1,000,000 words opens in the window in 0.63 s; Edit Words shows it in 3.6 s, all of it Qt's"
  echo "text document taking in a million lines (before: 13 to 15 s). 1,000 cards of the 100,000-word list"
  echo "stay 7 to 8 times 1,000 cards of 60 words: each of their 25,000 cells is a word not drawn before, shaped"
  echo "and fitted afresh, where 60 words are shaped once."
  echo
  echo "The window with 100,000 words (\`StartWithHundredThousandWords\`, from the window showing to the card"
  echo "painted, under Xvfb) takes about 77 ms and Return in the word box (\`ReturnWithHundredThousandWords\`)"
  echo "about 1.2 ms to the card painted again, before and after these changes alike: the card drawing only the"
  echo "cells it shows (above) is what brought them down."
  echo
  echo "## A game shared with 300 phones (\`bench/share_load 300\`)"
  echo
  echo "300 event streams held open on 127.0.0.1 (each phone from an address of its own in the loopback"
  echo "range), 30 calls 200 ms apart; the time from the caller's call to its arrival on every phone, the"
  echo "memory the server and the 300 client sockets of the same process take a phone, and how late a"
  echo "10 ms timer of the window's loop fired meanwhile. The goals: every call on every phone within 1 s"
  echo "at the 99th percentile, the window answering within 100 ms."
  echo
  echo '```'
  echo "$share"
  echo '```'
  echo
  echo "## 500 phones beside an attack (\`bench/share_abuse none|slow|storm|grab|claims\`)"
  echo
  echo "500 honest phones hold their streams (from 127.1.x.y) while 30 calls are made; beside them 1,000"
  echo "connections from 100 addresses trickle a header byte (slow), every phone drops and comes back at"
  echo "once (storm), 16 addresses ask for 1,600 seats (grab), or 100 seats claim as fast as they can"
  echo "(claims). A new phone asks for its card 4 s in. The attackers run in the same process and loop as"
  echo "the phones, so the loop's lateness under grab is the 1,600 sockets opened at once, not the server."
  echo
  echo '```'
  echo "$abuse"
  echo '```'
  echo
  echo "## A game's ledger shared by several dealers (\`bench/ledger_wait 4|8 500\`)"
  echo
  echo "Each dealer is a process of its own taking 500 cards of one game one at a time from the ledger,"
  echo "as the phones' server deals (the history read, the card recorded, the file synced: about 1.4 ms"
  echo "with the lock held). The wait of one take, the longest of all dealers and their worst 99th"
  echo "percentile; idle, then beside two \`yes > /dev/null\` per core. Before the kernel's lock a waiter"
  echo "slept on a doubling schedule: 4 dealers idle waited up to 6.3 s, and 8 dealers up to 20 s, when"
  echo "one gave up (and beside the busy loops, 8 dealers failed)."
  echo
  echo '```'
  echo -n "$ledger"
  echo '```'
} > bench/README.md
cat bench/README.md
