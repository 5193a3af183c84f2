#!/bin/bash
# The whole test suite: installs what it needs, builds both presets, runs every tier (native,
# sanitizer, fuzz; then under Wine: unit, platform contract, end-to-end).
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh || exit 1
cmake --preset native && cmake --build --preset native || exit 1
cmake --preset windows && cmake --build --preset windows || exit 1

status=0
ctest --preset native || status=1
ctest --preset windows || status=1
# Wine's server stays up between tests; it has no more work once the suite is done.
WINEPREFIX="$PWD/build/windows/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
exit $status
