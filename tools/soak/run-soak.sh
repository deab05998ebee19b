#!/usr/bin/env bash
# Soak: the main window under Xvfb, built with AddressSanitizer (LeakSanitizer included), playing the
# sample catalogue with Auto Next at 600X for MINUTES (default 30). Prints resident memory once a minute;
# LeakSanitizer reports any leak when the run ends. Not part of CI.
# Usage: tools/soak/run-soak.sh [MINUTES] [PROGRAM_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/../.."
minutes=${1:-30}
folder=${2:-$PWD/data/sample}
build=${SOAK_BUILD:-build-soak}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGATIX_SANITIZE=ON > /dev/null
cmake --build "$build" -j "${JOBS:-2}" --target regatix-soak
export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/.ci/lsan.supp QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1600x1000x24" "$build/bin/regatix-soak" "$folder" "$minutes"
