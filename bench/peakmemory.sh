#!/bin/bash
# The most memory a whole run of orlconfigc.exe takes, under Wine, to compare one pair of large
# period files (the current location's of about SIZE_MB megabytes, 200 unless set; the new one's a
# little larger, laid out as locations.py lays out the benchmark's files), against the size of the
# current location's file. A pair of files is what the comparison holds at once.
#   BUILD_DIR=$PWD/build/windows bench/peakmemory.sh        (the shipped 32-bit program)
set -eu
here="$(dirname "$0")"
source "$here/../tests/e2e/fixture.sh"
e2e_begin peakmemory
root="$E2E_C/PeakMemory"
rm -rf "$root"
# The benchmark's lines are about 50 bytes with their line ends.
python3 "$here/locations.py" "$root" "" 1 $(( ${SIZE_MB:-200} * 1000000 / 50 ))
file="$root/Current/Data/2000-01.txt"
usage="$(dirname "$E2E_OUT")/usage"
/usr/bin/time -o "$usage" -f "%M" "$WINE_RUN" "$E2E_BIN/orlconfigc.exe" \
    '/vC:\PeakMemory\Current' '/rC:\PeakMemory\New' </dev/null >"$E2E_OUT" 2>&1 || true
grep -q 'has been configured' "$E2E_OUT" || { cat "$E2E_OUT"; exit 1; }
bytes=$(stat -c %s "$file"); other=$(stat -c %s "$root/New/Data/2000-01.txt")
rm -rf "$root"
awk -v kib="$(cat "$usage")" -v bytes="$bytes" -v other="$other" 'BEGIN {
    printf "period files of %.0f and %.0f MiB: peak resident %.0f MiB, %.1fx the first\n",
           bytes / 1048576, other / 1048576, kib / 1024, kib * 1024 / bytes }'
