#!/bin/bash
# The comparison seen from outside, under Wine on real disk: a whole what-if run of
# orlconfigc.exe whose cost is the comparison (two locations of 120 period files x 5,000 lines,
# the new one holding the same lines in another order, 2.5% of them changed only in letter case,
# and 2.5% lines of its own, so that nothing would be copied), against orl_period_reader.exe
# reading the same files; each less the same run on a tiny pair of locations, which is what
# starting a program under Wine costs.
#   BUILD_DIR=build/windows bench/blackbox.sh
set -eu
source "$(dirname "$0")/../tests/e2e/fixture.sh"
e2e_begin blackbox
root="$E2E_C/BlackBox"
rm -rf "$root"
python3 - "$root" <<'PYTHON'
import os, random, sys
random.seed(7)
def location(path, files):
    os.makedirs(os.path.join(path, "Data"), exist_ok=True)
    open(os.path.join(path, "orl.inf"), "w").write("installed")
    for name, lines in files.items():
        with open(os.path.join(path, "Data", name), "w", newline="") as out:
            out.write("".join(line + "\r\n" for line in lines))
def data(files, lines):
    current, new = {}, {}
    for f in range(files):
        name = "%04d-%02d.txt" % (2000 + f // 12, 1 + f % 12)
        ours = ["%s-%02d;%02d:%02d;Client %d;Project %d;note %d" % (name[:7], 1 + l % 28, 8 + l % 9, l % 60,
                random.randrange(40), random.randrange(90), random.randrange(10**9)) for l in range(lines)]
        theirs = []
        for line in ours:
            roll = random.randrange(1000)
            theirs.append(line.upper() if roll < 25 else line)
            if roll >= 975: theirs.append(line + " (its own)")
        random.shuffle(theirs)
        current[name], new[name] = ours, theirs
    return current, new
root = sys.argv[1]
for prefix, files, lines in (("", 120, 5000), ("Tiny", 1, 10)):
    current, new = data(files, lines)
    location(os.path.join(root, prefix + "Current"), current)
    location(os.path.join(root, prefix + "New"), new)
PYTHON
# The best of three runs of an exact command line, in seconds.
best_of_three() {
    local best=999999
    for _ in 1 2 3; do
        local start end
        start=$(date +%s.%N)
        e2e_run "$1"
        end=$(date +%s.%N)
        best=$(awk -v a="$start" -v b="$end" -v best="$best" 'BEGIN { t = b - a; print (t < best ? t : best) }')
    done
    echo "$best"
}
run() { best_of_three "orlconfigc.exe /v\"C:\\BlackBox\\${1}Current\" /r\"C:\\BlackBox\\${1}New\" /w"; }
read_only() { best_of_three "orl_period_reader.exe C:\\BlackBox\\${1}Current C:\\BlackBox\\${1}New"; }
configure=$(run ""); configure_tiny=$(run Tiny)
grep -q 'What-if run' "$E2E_OUT" || { cat "$E2E_OUT"; exit 1; }
reading=$(read_only ""); reading_tiny=$(read_only Tiny)
rm -rf "$root"
printf 'orlconfigc.exe /w, comparing           %8.3f s  (tiny %.3f s)\n' "$configure" "$configure_tiny"
printf 'orl_period_reader.exe, reading only      %8.3f s  (tiny %.3f s)\n' "$reading" "$reading_tiny"
awk -v c="$configure" -v ct="$configure_tiny" -v r="$reading" -v rt="$reading_tiny" \
    'BEGIN { printf "black-box cost relative to reading: %.1fx\n", (c - ct) / (r - rt) }'
