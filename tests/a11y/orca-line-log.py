# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Runs Orca with its debug file written line by line (Orca opens it block-buffered, so a
# test reading it as it goes would see nothing until Orca ends).
#   python3 orca-line-log.py LOGFILE [orca options...]
import builtins
import runpy
import sys

log = sys.argv[1]
real_open = builtins.open


def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if file == log and "w" in mode:
        buffering = 1
    return real_open(file, mode, buffering, *args, **kwargs)


builtins.open = line_buffered_open
sys.argv = ["orca", "--debug-file", log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
