#!/bin/bash
# The main job, on a demo workstation under Wine: builds the Windows programs, lays out an
# installation C:\TimeSheet, a server share S:\Workgroup and a home share H:\TimeData, runs
#   orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /d /a
# and prints its report and the "orl.ini" files it leaves.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-packages.sh
# The shipped programs are the 32-bit ones; a machine that cannot run them shows the 64-bit build.
preset=windows
/usr/lib/wine/wine --version >/dev/null 2>&1 || preset=windows-x64
cmake --preset $preset >/dev/null
cmake --build --preset $preset >/dev/null

BUILD_DIR="$PWD/build/$preset"
source tests/e2e/fixture.sh
e2e_begin demo
install="$E2E_C/TimeSheet"
rm -rf "$install"
mkdir -p "$install/Data" "$E2E_S/Workgroup" "$E2E_H/TimeData"
printf '[Setup]\r\nLanguage=en\r\n' >"$install/orl.ini"
printf 'Orlagen installation\r\n' >"$install/orl.inf"
printf 'Brenmoor;Orlagen\r\nBrenmoor;Website\r\n' >"$install/Data/ClientProject.txt"
printf 'Development;Coding\r\nDevelopment;Review\r\n' >"$install/Data/CategoryActivity.txt"
printf '2026-03-02;09:00;12:30;Brenmoor;Orlagen;Development;Coding\r\n' >"$install/Data/2026-03.txt"

line='orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /d /a'
echo "> $line"
e2e_run "$line"
tr -d '\r' <"$E2E_OUT"
echo "(exit status $E2E_STATUS)"
show() { echo; echo "--- $1"; tr -d '\r' <"$2"; }
show 'C:\TimeSheet\orl.ini' "$install/orl.ini"
show 'H:\TimeData\orl.ini (now the effective settings)' "$E2E_H/TimeData/orl.ini"
show 'S:\Workgroup\orl.ini' "$E2E_S/Workgroup/orl.ini"
echo
echo "--- files on H:\\TimeData and S:\\Workgroup"
(cd "$E2E_H" && find TimeData -type f | sort)
(cd "$E2E_S" && find Workgroup -type f | sort)
WINEPREFIX="$E2E_PREFIX" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
exit "$E2E_STATUS"
