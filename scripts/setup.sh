# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Shared by run.sh and test.sh: install what is missing, then configure and build.
# Usage: source scripts/setup.sh; plumwick_setup BUILD_DIR [extra cmake args...]

PLUMWICK_PACKAGES=(
  build-essential cmake pkg-config libmicrohttpd-dev libqrencode-dev libdeflate-dev libicu-dev
  qt6-base-dev libgl-dev libqt6svg6 qt6-image-formats-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-comic-neue
  fonts-noto-core fonts-noto-cjk fonts-noto-color-emoji fonts-symbola
  poppler-utils qpdf mupdf-tools ghostscript xvfb xauth
  openbox xdotool x11-utils imagemagick
  desktop-file-utils shared-mime-info
  qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
  qt6-l10n-tools qt6-translations-l10n
)

plumwick_install_missing() {
  local missing=() p
  for p in "${PLUMWICK_PACKAGES[@]}" "$@"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

plumwick_build() {
  local dir=$1; shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}
