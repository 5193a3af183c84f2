#!/bin/bash
# The whole test suite: installs what it needs, builds the native tests and both widths of the
# Windows programs, runs every tier (the unit suite sanitized and fuzz natively; then under Wine:
# unit, platform contract, end-to-end, GUI, packages).
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh || exit 1

# The Wine tiers run the 32-bit programs, the ones shipped, wherever the machine can run 32-bit
# code, natively or through the emulator that install-packages.sh sets up; the 64-bit build then
# compiles all the product code (the programs and the in-memory platform) so that 64-bit faults
# show, and runs nothing: its unit suite would run the same cases as the 32-bit and native ones.
# Where neither works, the tiers run the 64-bit programs, built from the same sources, and the
# 32-bit ones are built and checked as images.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    tiers=windows; built_only=windows-x64
else
    echo "This machine cannot run 32-bit programs:"
    echo "the Wine tiers run the 64-bit build; the 32-bit programs are built and checked as images."
    tiers=windows-x64; built_only=windows
fi
cmake --preset $tiers && cmake --build --preset $tiers || exit 1
cmake --preset native && cmake --preset $built_only || exit 1
if [ $built_only = windows ]; then
    # The 64-bit tree's packaging tier reads the 32-bit programs.
    cmake --build --preset windows --target orlconfig orlconfigc || exit 1
fi

# The Wine tiers run one program at a time and mostly wait on Wine, leaving the processors idle:
# the native build and tiers, and the 64-bit build, run beside them (no Wine prefix is shared),
# their output shown after the Wine tiers' own.
beside=$(mktemp)
trap 'rm -f "$beside"' EXIT
(
    result=0
    # At a lower priority and two jobs at most: the Wine tiers' waits (a program starting, a
    # second run meeting the first) must not stretch under their load.
    { nice -n 10 cmake --build --preset native --parallel 2 && nice -n 10 ctest --preset native; } || result=1
    if [ $built_only = windows-x64 ]; then
        nice -n 10 cmake --build --preset windows-x64 --parallel 2 --target orlconfig orlconfigc orl_platform_memory ||
            result=1
    fi
    exit $result
) >"$beside" 2>&1 &
native=$!

status=0
ctest --preset $tiers || status=1
wait $native || status=1
cat "$beside"
# Wine's server stays up between tests; it has no more work once the suite is done.
WINEPREFIX="$PWD/build/$tiers/wineprefix" /usr/lib/wine/wineserver64 -k 2>/dev/null
exit $status
