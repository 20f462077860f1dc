#!/usr/bin/env bash
# Builds the Debian package of Mavik: a Release build into build-package/, then CPack's DEB
# generator. The package lands in build-package/ as mavik_<version>-<release>_<arch>.deb.
# MAVIK_JOBS limits the parallel build jobs (all cores when unset).
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMAVIK_TESTS=OFF \
      -DMAVIK_BENCH=OFF -DMAVIK_SANITIZE=OFF -DMAVIK_FUZZ=OFF
cmake --build "$build" ${MAVIK_JOBS:+--parallel "$MAVIK_JOBS"}
rm -f "$build"/mavik_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/mavik_*.deb)
# The package holds what a desktop needs to list, start and document the program.
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in usr/bin/mavik usr/bin/mavik-cli usr/bin/mavik-sim \
            usr/share/mavik/help/MAVK_ENG/index.html usr/share/mavik/help/MAVK_JPN/index.html \
            usr/share/applications/mavik.desktop usr/share/mime/packages/mavik.xml \
            usr/share/icons/hicolor/scalable/apps/mavik.svg \
            usr/share/metainfo/io.github.vemo.Mavik.metainfo.xml \
            usr/share/man/man1/mavik.1.gz usr/share/man/man1/mavik-cli.1.gz \
            usr/share/man/man1/mavik-sim.1.gz; do
    grep -qx "./$file" <<<"$contents" || { echo "missing from $deb: $file" >&2; exit 1; }
done
echo "$deb"
