#!/usr/bin/env bash
# Builds the release preset and packs it as a Debian package: out/pz417_VERSION_ARCH.deb, with
# the Depends that dpkg-shlibdeps finds for the programs. Install it with
#   sudo apt install ./out/pz417_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh --package
cmake --preset release >/dev/null
cmake --build --preset release
mkdir -p out
(cd build/release && cpack -G DEB -B "$OLDPWD/out/cpack" >/dev/null)
mv out/cpack/pz417_*.deb out/
rm -rf out/cpack
for deb in out/pz417_*.deb; do
  echo "$deb: $(du -h "$deb" | cut -f1)"
  dpkg-deb --field "$deb" Depends
done
