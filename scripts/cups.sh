# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# A CUPS scheduler for the printing test, started by hand (there is no service manager
# here) with a cups-pdf queue named "PDF", and stopped by its process id afterwards.
# A scheduler that was already running is used as it is and left running.

PLUMWICK_CUPSD_PID=""

plumwick_start_cups() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "Not running as root: the CUPS printing test will be skipped."
    return 0
  fi
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    mkdir -p /run/cups
    /usr/sbin/cupsd -f >/dev/null 2>&1 &
    PLUMWICK_CUPSD_PID=$!
    local i
    for i in $(seq 1 50); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.2
    done
  fi
  if ! lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
        -o pdftops-renderer-default=pdftocairo >/dev/null 2>&1; then
    echo "Could not set up the CUPS queue PDF: the CUPS printing test will be skipped."
  fi
  export PLUMWICK_CUPS_PDF_DIR="$HOME/PDF"
}

plumwick_stop_cups() {
  if [ -n "$PLUMWICK_CUPSD_PID" ]; then
    kill "$PLUMWICK_CUPSD_PID" 2>/dev/null || true
    wait "$PLUMWICK_CUPSD_PID" 2>/dev/null || true
  fi
}
