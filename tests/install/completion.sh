#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# plumwick-print's bash completion, driven as bash drives it: COMP_WORDS and COMP_CWORD set,
# the function called, COMPREPLY read.
set -euo pipefail
source "$(dirname "$0")/../../data/plumwick-print.bash-completion"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
touch "list one.pwk" other.PWK notes.txt cards.pdf
mkdir folder
offers() { # expected words..., after COMP_WORDS is set
  COMPREPLY=()
  _plumwick_print
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' '|')
  local want
  want=$(printf '%s\n' "$@" | sort | tr '\n' '|')
  [ "$got" = "$want" ] || { echo "FAIL: ${COMP_WORDS[*]} offers $got, not $want" >&2; exit 1; }
}
COMP_WORDS=(plumwick-print --size ""); COMP_CWORD=2; offers 3 5 7
COMP_WORDS=(plumwick-print --per-page ""); COMP_CWORD=2; offers 1 2 4
COMP_WORDS=(plumwick-print --paper ""); COMP_CWORD=2; offers letter legal tabloid a3 a4 a5
COMP_WORDS=(plumwick-print --format ""); COMP_CWORD=2; offers png pdf html
COMP_WORDS=(plumwick-print --export ""); COMP_CWORD=2; offers folder
COMP_WORDS=(plumwick-print --pattern c); COMP_CWORD=2; offers corners
COMP_WORDS=(plumwick-print --per); COMP_CWORD=1; offers --per-page
COMP_WORDS=(plumwick-print --nu); COMP_CWORD=1; offers --numbered
COMP_WORDS=(plumwick-print -q ""); COMP_CWORD=2; offers folder "list one.pwk" other.PWK
COMP_WORDS=(plumwick-print -o ""); COMP_CWORD=2; offers folder cards.pdf
COMP_WORDS=(plumwick-print --cards ""); COMP_CWORD=2; offers
COMP_WORDS=(plumwick-print --called ""); COMP_CWORD=2; offers folder "list one.pwk" other.PWK notes.txt cards.pdf
COMP_WORDS=(plumwick-print --tickets --per-page ""); COMP_CWORD=3; offers 1 2
COMP_WORDS=(plumwick-print --tickets --pattern ""); COMP_CWORD=3; offers line two-lines full-house
COMP_WORDS=(plumwick-print --tic); COMP_CWORD=1; offers --tickets --ticket
echo "completion: passed"
