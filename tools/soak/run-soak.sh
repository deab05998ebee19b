#!/usr/bin/env bash
# Soak: the main window under Xvfb playing the sample catalogue with Auto Next at 600X for MINUTES
# (default 30), resident memory printed once a minute. Built with LeakSanitizer alone by default, so the
# memory figures are the program's own and any leak is reported when the run ends; SOAK_SANITIZERS=
# address,undefined runs it under AddressSanitizer instead (memory figures then include its quarantine).
# Not part of CI.
# Usage: tools/soak/run-soak.sh [MINUTES] [PROGRAM_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/../.."
minutes=${1:-30}
folder=${2:-$PWD/data/sample}
sanitizers=${SOAK_SANITIZERS:-leak}
build=${SOAK_BUILD:-build-soak-${sanitizers//,/-}}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGATIX_SANITIZE=ON \
  -DREGATIX_SANITIZERS="$sanitizers" > /dev/null
cmake --build "$build" -j "${JOBS:-2}" --target regatix-soak
export ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/.ci/lsan.supp QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1600x1000x24" "$build/bin/regatix-soak" "$folder" "$minutes"
