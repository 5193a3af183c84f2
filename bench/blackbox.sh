#!/bin/bash
# The comparison seen from outside, under Wine on real disk: a whole run of orlconfigc.exe that
# sets up redirection to a new location (two locations of 120 period files x 5,000 lines, laid out
# by locations.py: nothing settles early, every line is counted, and nothing is copied), against
# orl_period_reader.exe reading the same files; each less the same run on a tiny pair of
# locations, which is what starting a program under Wine costs. Each figure is the median of RUNS
# runs (3 unless set), in elapsed time and in the program's own processor time (user and system),
# which depends less on what else the machine is doing.
#   BUILD_DIR=$PWD/build/windows-x64 bench/blackbox.sh
set -eu
here="$(dirname "$0")"
source "$here/../tests/e2e/fixture.sh"
e2e_begin blackbox
root="$E2E_C/BlackBox"
rm -rf "$root"
python3 "$here/locations.py" "$root" "" 120 5000
python3 "$here/locations.py" "$root" Tiny 1 10
times="$(dirname "$E2E_OUT")/times"

# The median of a column (an awk expression over the fields) of the times file.
median() { awk "{ print $1 }" "$times" | sort -g | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }'; }

# Runs a program of the build RUNS times, each after RESET; prints the median elapsed and processor
# times in seconds. The arguments hold no blanks or quotes, so they reach the program as given.
median_of_runs() {
    : >"$times"
    for _ in $(seq "${RUNS:-3}"); do
        $RESET
        /usr/bin/time -a -o "$times" -f "%e %U %S" "$WINE_RUN" "$E2E_BIN/$@" </dev/null >"$E2E_OUT" ||
            { cat "$E2E_OUT"; exit 1; }
    done
    echo "$(median '$1')" "$(median '$2 + $3')"
}
# A run leaves the redirection in the settings files: without them each run starts afresh.
forget_settings() { rm -f "$root"/*/orl.ini; }
configure() { RESET=forget_settings median_of_runs orlconfigc.exe "/vC:\\BlackBox\\${1}Current" "/rC:\\BlackBox\\${1}New"; }
read_only() { RESET=true median_of_runs orl_period_reader.exe ${2:-} "C:\\BlackBox\\${1}Current" "C:\\BlackBox\\${1}New"; }

read -r configuring configuring_cpu < <(configure "")
grep -q 'has been configured' "$E2E_OUT" || { cat "$E2E_OUT"; exit 1; }
read -r configuring_tiny configuring_tiny_cpu < <(configure Tiny)
read -r reading reading_cpu < <(read_only "")
read -r reading_tiny reading_tiny_cpu < <(read_only Tiny)
read -r reusing reusing_cpu < <(read_only "" --reuse)
read -r reusing_tiny reusing_tiny_cpu < <(read_only Tiny --reuse)
rm -rf "$root"
printf '%-40s %8s %8s %8s %8s\n' "seconds (median of ${RUNS:-3})" elapsed tiny cpu tiny
printf '%-40s %8.3f %8.3f %8.3f %8.3f\n' "orlconfigc.exe, setting up redirection" \
    "$configuring" "$configuring_tiny" "$configuring_cpu" "$configuring_tiny_cpu"
printf '%-40s %8.3f %8.3f %8.3f %8.3f\n' "orl_period_reader.exe, reading only" \
    "$reading" "$reading_tiny" "$reading_cpu" "$reading_tiny_cpu"
printf '%-40s %8.3f %8.3f %8.3f %8.3f\n' "the same, storage reused" \
    "$reusing" "$reusing_tiny" "$reusing_cpu" "$reusing_tiny_cpu"
# ratio LABEL, then the elapsed times of the run, its tiny run, the reading and its tiny run, then
# the processor times likewise
ratio() {
    awk -v label="$1" -v c="$2" -v ct="$3" -v r="$4" -v rt="$5" -v cc="$6" -v cct="$7" -v rc="$8" -v rct="$9" \
        'BEGIN { printf "%s: %.1fx (processor time: %.1fx)\n", label, (c - ct) / (r - rt), (cc - cct) / (rc - rct) }'
}
ratio "black-box comparison cost relative to reading" "$configuring" "$configuring_tiny" "$reading" \
    "$reading_tiny" "$configuring_cpu" "$configuring_tiny_cpu" "$reading_cpu" "$reading_tiny_cpu"
ratio "relative to reading into reused storage" "$configuring" "$configuring_tiny" "$reusing" \
    "$reusing_tiny" "$configuring_cpu" "$configuring_tiny_cpu" "$reusing_cpu" "$reusing_tiny_cpu"
