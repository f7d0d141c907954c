#!/usr/bin/env bash
# Builds the Debian package build/package/orvanta_<version>_<arch>.deb and
# checks it with lintian (errors fail; warnings are printed).
#   scripts/package.sh            build and check
#   scripts/package.sh --no-check build only
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

bash scripts/setup.sh
cmake --preset package >/dev/null
cmake --build --preset package -- -j"$(nproc)"
rm -f build/package/orvanta_*.deb
(cd build/package && cpack -G DEB >/dev/null)
deb="$(ls build/package/orvanta_*.deb)"
echo "Built $deb"
dpkg-deb --field "$deb" Package Version Depends

if [ "${1:-}" != "--no-check" ]; then
  # Warnings left are explained in the README ("Debian package").
  lintian --fail-on error "$deb"
  echo "lintian: no errors"
fi
