#!/bin/bash
# The whole test suite: installs what it needs, builds the native tests and both widths of the
# Windows programs, runs every tier (native, sanitizer, fuzz; then under Wine: unit, platform
# contract, end-to-end, GUI).
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh || exit 1
for preset in native windows windows-x64; do
    cmake --preset $preset && cmake --build --preset $preset || exit 1
done

status=0
ctest --preset native || status=1
# The Wine tiers run the 32-bit programs, the ones shipped, wherever the machine can run 32-bit
# code; the 64-bit build then runs its unit suite only. A kernel without 32-bit emulation
# cannot start the 32-bit Wine, so there the tiers run the 64-bit programs, built from the same
# sources, and the 32-bit ones are checked as images.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    ctest --preset windows || status=1
    ctest --preset windows-x64 -R '^wine\.unit$' || status=1
else
    echo "This machine cannot run 32-bit programs (no 32-bit emulation in its kernel):"
    echo "the Wine tiers run the 64-bit build."
    ctest --preset windows-x64 || status=1
fi
# Wine's servers stay up between tests; they have no more work once the suite is done.
for tree in windows windows-x64; do
    WINEPREFIX="$PWD/build/$tree/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
done
exit $status
