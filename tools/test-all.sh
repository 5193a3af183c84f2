#!/bin/bash
# The whole test suite: installs what it needs, builds the native tests and both widths of the
# Windows programs, runs every tier (native, sanitizer, fuzz; then under Wine: unit, platform
# contract, end-to-end, GUI).
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh || exit 1

# The Wine tiers run the 32-bit programs, the ones shipped, wherever the machine can run 32-bit
# code, natively or through the emulator that install-packages.sh sets up; the 64-bit build then
# runs its unit suite only. Where neither works, the tiers run the 64-bit programs, built from the
# same sources, and the 32-bit ones are built and checked as images.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    tiers=windows; unit_only=windows-x64
else
    echo "This machine cannot run 32-bit programs:"
    echo "the Wine tiers run the 64-bit build; the 32-bit programs are built and checked as images."
    tiers=windows-x64; unit_only=windows
fi
cmake --preset native && cmake --build --preset native || exit 1
cmake --preset $tiers && cmake --build --preset $tiers || exit 1
cmake --preset $unit_only || exit 1
if [ $unit_only = windows-x64 ]; then
    cmake --build --preset windows-x64 --target orlconfig orlconfigc orl_unit_tests || exit 1
else
    cmake --build --preset windows --target orlconfig orlconfigc || exit 1
fi

status=0
ctest --preset native || status=1
ctest --preset $tiers || status=1
if [ $unit_only = windows-x64 ]; then ctest --preset windows-x64 -R '^wine\.unit$' || status=1; fi
# Wine's servers stay up between tests; they have no more work once the suite is done.
for tree in windows windows-x64; do
    WINEPREFIX="$PWD/build/$tree/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
done
exit $status
