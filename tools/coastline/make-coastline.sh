#!/usr/bin/env bash
# Writes the sample regatta's coastline from GSHHG (through GMT): high-resolution grid tiles in the Tokyo
# datum for the squares round Toba, and toba.cst in WGS 84 for the passage race down the Kumano coast.
# Needs the Debian packages gmt and gmt-gshhg-high. Usage: tools/coastline/make-coastline.sh [data/sample]
set -euo pipefail
out=${1:-data/sample}/coastline
here=$(dirname "$0")
convert=("${PYTHON:-python3}" "$here/gshhg-to-cst.py")

# First-level squares (40' of latitude by 1 degree) whose tiles are written: 5136 holds Toba, Toshijima and
# the races' waters, 5137 the Irago strait east of them.
squares=(5136 5137)
# The wide area: Ise Bay and the Kumano coast down to Shionomisaki, more than the passage race's window.
wide=135.2/137.8/33.0/35.2

# GMT leaves a gmt.history file where it runs: it runs in a scratch folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
shoreline() { (cd "$scratch" && gmt coast -M -Dh -W -R"$1"); }

rm -f "$out"/*.cst
mkdir -p "$out"
for code in "${squares[@]}"; do
  # A square's bounds in degrees, a little wider so that the datum shift leaves no gap at its edges.
  south=$(awk -v a="${code:0:2}" 'BEGIN { printf "%.4f", a / 1.5 - 0.02 }')
  north=$(awk -v a="${code:0:2}" 'BEGIN { printf "%.4f", (a + 1) / 1.5 + 0.02 }')
  west=$(awk -v b="${code:2:2}" 'BEGIN { printf "%.2f", 100 + b - 0.02 }')
  east=$(awk -v b="${code:2:2}" 'BEGIN { printf "%.2f", 101 + b + 0.02 }')
  shoreline "$west/$east/$south/$north" | "${convert[@]}" tiles "$out" "$code"
done
shoreline "$wide" | "${convert[@]}" wide "$out/toba.cst"
ls -l "$out"
