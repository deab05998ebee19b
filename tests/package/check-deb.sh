#!/usr/bin/env bash
# Packs the build tree's programs with CPack (no rebuild), unpacks the .deb with dpkg -x into a scratch
# root, runs the unpacked regatix-batch on the sample regatta and validates the desktop entry and metainfo.
set -euo pipefail

build=$(cd "$1" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "skipped: the package test runs as root (CI)"
  exit 77
fi
for tool in cpack dpkg dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/install-deps installs it)"; exit 1; }
done

scratch=$(mktemp -d "$build/deb-test.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/out/regatix_*.deb)
echo "package: $(basename "$deb") $(du -h "$deb" | cut -f1)"

# The dependencies came from the linked libraries, not from a hand-kept list.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libqt6core6 libqt6widgets6 libqt6multimedia6 libexpat1 libjpeg62-turbo; do
  grep -q "$library" <<<"$depends" || fail "Depends lacks $library"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
share="$root/usr/share"
for file in bin/regatix bin/regatix-batch share/regatix/raceadmin/racefile.st share/regatix/help-e/index.html \
    share/regatix/ya share/applications/regatix.desktop share/metainfo/org.regatix.regatix.metainfo.xml \
    share/icons/hicolor/scalable/apps/regatix.svg share/icons/hicolor/48x48/apps/regatix.png \
    share/icons/hicolor/256x256/apps/regatix.png share/man/man1/regatix-batch.1.gz; do
  [ -e "$root/usr/$file" ] || fail "the package lacks /usr/$file"
done
[ ! -e "$share/regatix/truth" ] || fail "the package holds the tests' truth tables"

desktop-file-validate "$share/applications/regatix.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$share/metainfo/org.regatix.regatix.metainfo.xml" || fail "metainfo"

# The unpacked program, run as installed: once told the folder, once finding it by itself.
unset REGATIX_HOME
batch="$root/usr/bin/regatix-batch"
"$batch" --folder "$share/regatix" --json "$scratch/named.json" || fail "regatix-batch --folder"
"$batch" --json "$scratch/found.json" || fail "regatix-batch without --folder"
grep -q '"boatCount": *10' "$scratch/named.json" || fail "the sample's first race has not 10 boats"
cmp -s "$scratch/named.json" "$scratch/found.json" || fail "without --folder the program read another race"
echo "ok"
