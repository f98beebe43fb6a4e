# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Plumwick developers
# Shared by fuzz/run.sh and fuzz/campaign.sh: clang's libFuzzer installed, the targets built
# in build-fuzz/, and the environment they run in.
FUZZ_TARGETS="word_list profile integer cell_fit game player_message patterns pictures font_subset pdf"

fuzz_build() {
  source scripts/setup.sh
  plumwick_install_missing clang libclang-rt-14-dev
  CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build-fuzz -j"$(nproc)"
  mkdir -p fuzz/findings
  export QT_QPA_PLATFORM=offscreen
  # The profile target writes a file per run; on tmpfs its flush costs nothing.
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
}
