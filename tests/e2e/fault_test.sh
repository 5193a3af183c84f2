#!/bin/bash
# orlconfigc.exe under Wine on real disk with real faults: a full disk (a small tmpfs mounted
# over the new location; needs root) during each kind of copy, a file in the way of a data
# folder, a data folder that cannot be listed, a power cut (what reaches the disk in what order,
# traced), read-only files, a share that is offline, paths longer than MAX_PATH, runs at the
# same moment. Nothing is left cut or temporary, and the installation is never pointed at a
# location its data did not reach.
#   fault_test.sh CASE
set -eu
source "$(dirname "$0")/fixture.sh"
case_name=$1
e2e_begin "fault-$case_name"
install="$E2E_C/TimeSheet"
rm -rf "$install"
mounted=""
stopped=""
cleanup() { [ -z "$stopped" ] || kill -CONT $stopped; [ -z "$mounted" ] || umount "$mounted"; rm -rf "$install"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

# lay_out FOLDER PERIOD-BYTES INI-BYTES: an installation with one period file and an orl.ini of
# about the sizes given.
lay_out() {
    mkdir -p "$1/Data"
    { printf '[Setup]\r\nLanguage=en\r\n[Notes]\r\n'; head -c "$3" /dev/zero | tr '\0' 'n' | fold -w 60 |
        sed 's/^/Note=/; s/$/\r/'; } >"$1/orl.ini"
    printf 'installed' >"$1/orl.inf"
    printf 'Brenmoor;Orlagen\r\n' >"$1/Data/ClientProject.txt"
    printf 'Development;Coding\r\n' >"$1/Data/CategoryActivity.txt"
    head -c "$2" /dev/zero | tr '\0' 'x' | fold -w 50 | sed 's/^/2024-01-02;/; s/$/\r/' >"$1/Data/2024-01.txt"
}
# full_disk FOLDER KILOBYTES: the folder becomes a file system of that size.
full_disk() {
    mkdir -p "$1"
    mount -t tmpfs -o size="$2"k tmpfs "$1" || fail "cannot mount a tmpfs (the test needs root)"
    mounted=$1
}
# The installation still uses its own folder, and nothing anywhere is cut or left temporary.
expect_not_redirected() {
    [ -f "$install/orl.ini" ] || fail "the installation's orl.ini is gone"
    grep -q Redirect "$install/orl.ini" && fail "the installation was redirected"
    expect_no_temporary
}
expect_no_temporary() {
    ! find "$E2E_H" "$E2E_S" "$E2E_C" -iname '~o?????.tmp' | grep . || fail "a temporary file was left"
}
# lay_out_periods FOLDER COUNT: that many period files of a few kilobytes in the data folder.
lay_out_periods() {
    awk -v folder="$1/Data" -v count="$2" 'BEGIN {
        for (file = 1; file <= count; ++file) {
            name = sprintf("%s/%04d-%02d.txt", folder, 1900 + int(file / 12), file % 12 + 1)
            for (line = 1; line <= 80; ++line) printf "%d;line %d\r\n", file, line >name
            close(name)
        } }'
}
# expect_same_data FROM TO: every file of the data folder FROM is byte for byte in TO.
expect_same_data() {
    (cd "$1/Data" && find . -type f ! -iname '~o?????.tmp') | while read -r file; do
        cmp -s "$1/Data/$file" "$2/Data/$file" || fail "$2/Data/$file is not the copy of $1/Data/$file"
    done
}
# Every file and folder of the installation and the two drives, with its size.
disk_listing() { (cd "$E2E_C/.." && find drive_c/TimeSheet "$E2E_S" "$E2E_H" -printf '%p %s\n' | sort); }
# FILE ORIGINAL: the file is absent or whole.
expect_whole_or_absent() {
    [ ! -e "$1" ] || cmp -s "$1" "$2" || fail "$1 is cut: $(stat -c %s "$1") of $(stat -c %s "$2") bytes"
}

case $case_name in
full_disk_data)
    lay_out "$install" 200000 2000
    full_disk "$E2E_H/TimeData" 64
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    e2e_expect_status 2
    expect_not_redirected
    expect_whole_or_absent "$E2E_H/TimeData/Data/2024-01.txt" "$install/Data/2024-01.txt"
    expect_whole_or_absent "$E2E_H/TimeData/orl.ini" "$install/orl.ini" ;;
full_disk_settings)
    lay_out "$install" 2000 200000
    full_disk "$E2E_H/TimeData" 64
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    e2e_expect_status 2
    expect_not_redirected
    expect_whole_or_absent "$E2E_H/TimeData/orl.ini" "$install/orl.ini" ;;
full_disk_shared)
    lay_out "$install" 2000 200000
    full_disk "$E2E_S/Workgroup" 64
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /d'
    e2e_expect_status 2
    expect_whole_or_absent "$E2E_S/Workgroup/orl.ini" "$install/orl.ini"
    # The server lacks a shared file still, so a later run with room copies them again.
    umount "$mounted" && mounted=""
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /d'
    e2e_expect_status 0
    cmp -s "$E2E_S/Workgroup/orl.ini" "$install/orl.ini" || fail "the shared files were not copied later" ;;
data_in_the_way)
    lay_out "$install" 2000 2000
    mkdir -p "$E2E_H/TimeData" && printf 'in the way' >"$E2E_H/TimeData/Data"
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    e2e_expect_status 2
    e2e_expect_output 'Orlagen configuration failed.\r\nThe network directory "h:\\timedata\\" (or a sub-directory) could not be created.\r\n'
    expect_not_redirected ;;
unlistable)
    # A data folder that exists but cannot be listed: here a link that leads back to itself.
    lay_out "$install" 2000 2000
    lay_out "$E2E_H/TimeData" 2000 2000
    rm -rf "$E2E_H/TimeData/Data" && ln -s Data "$E2E_H/TimeData/Data"
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    cat "$E2E_OUT"
    e2e_expect_status 1
    e2e_expect_output 'Cannot open file h:\\timedata\\data\\\r\n'
    expect_not_redirected ;;
durable_order)
    # Every temporary is flushed before it is renamed into place, and the installation's orl.ini
    # names the new location only after the last data file there is in place.
    lay_out "$install" 2000 2000
    lay_out_periods "$install" 4
    mkdir -p "$E2E_H/TimeData"
    trace="$BUILD_DIR/e2e/fault-$case_name/trace"
    # Wine's server does the renames, the program the flushes: both are traced. The server of this
    # prefix is the one working in the folder named after the prefix's device and inode.
    server_folder=$(printf 'server-%x-%x' $(stat -c '%d %i' "$E2E_PREFIX"))
    server=$(for pid in $(pgrep wineserver); do
        [[ $(readlink "/proc/$pid/cwd") == */"$server_folder" ]] && echo "$pid"; done || true)
    [ -n "$server" ] || fail "the prefix's server is not running"
    calls=fsync,fdatasync,rename,renameat,renameat2
    strace -qq -y -ttt -e trace=$calls -o "$trace.server" -p "$server" &
    tracer=$!
    sleep 1
    E2E_STATUS=0
    # Only the traced calls stop the program (seccomp): under the emulator every stop is dear.
    ORL_COMMAND_LINE='orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"' \
        strace -f -qq -y -ttt --seccomp-bpf -e trace=$calls -o "$trace.program" \
        "$WINE_RUN" "$E2E_BIN/orl_exact_launch.exe" </dev/null >"$E2E_OUT" 2>/dev/null || E2E_STATUS=$?
    kill -INT $tracer && wait $tracer || true
    sed 's/^/server /' "$trace.server" | sort -n -k2 - "$trace.program" >"$trace"
    e2e_expect_status 0
    awk '
        /fsync\(|fdatasync\(/ && match($0, /~o[0-9a-z][0-9a-z][0-9a-z][0-9a-z][0-9a-z]\.tmp>/) { flushed[substr($0, RSTART, RLENGTH - 1)] = 1 }
        /rename/ {
            split($0, quoted, "\""); from = quoted[2]; to = quoted[4]; sub(/.*\//, "", from)
            if (from !~ /^~o[0-9a-z][0-9a-z][0-9a-z][0-9a-z][0-9a-z]\.tmp$/) next
            moves++
            if (!(from in flushed)) { print "renamed before it was flushed: " from " -> " to; bad = 1 }
            if (to ~ /TimeData\/Data\//) lastData = moves
            if (to ~ /TimeSheet\/orl\.ini$/) settings = moves
        }
        END {
            if (moves < 8) { print "only " moves " files were moved into place"; bad = 1 }
            if (!lastData || settings < lastData) { print "orl.ini was put in place before the data"; bad = 1 }
            exit bad
        }' "$trace" || fail "see $trace"
    expect_same_data "$install" "$E2E_H/TimeData"
    expect_no_temporary ;;
read_only)
    # Read-only files, redirected and brought back twice. Root writes read-only files anyway, so
    # this runs as another user, in a prefix of that user's own.
    user=4242
    prefix="$BUILD_DIR/wineprefix-user$user"
    scratch="$BUILD_DIR/e2e/fault-$case_name"
    loader=$(sed -n 's/^wine=//p' "$WINE_RUN")
    as_user() { setpriv --reuid=$user --regid=$user --clear-groups env HOME="$scratch/home" WINEPREFIX="$prefix" \
                WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" "$@"; }
    mkdir -p "$scratch/home" "$prefix" && chown $user:$user "$scratch/home" "$prefix"
    if [ ! -f "$prefix/.ready" ]; then
        as_user /usr/lib/wine/wine64 wineboot -u </dev/null >/dev/null 2>&1
        as_user /usr/lib/wine/wineserver64 -w
        as_user touch "$prefix/.ready"
    fi
    as_user ln -sfn "$E2E_H" "$prefix/dosdevices/h:"
    install="$prefix/drive_c/TimeSheet"
    lay_out "$install" 2000 2000
    mkdir -p "$E2E_H/TimeData"
    cp "$E2E_BIN/orl_exact_launch.exe" "$E2E_BIN/orlconfigc.exe" "$scratch/home/"
    chown -R $user:$user "$install" "$E2E_H" "$scratch/home"
    chmod a-w "$install/orl.inf" "$install/Data/2024-01.txt"
    run_as_user() {
        E2E_STATUS=0
        ORL_COMMAND_LINE="$1" as_user "$loader" "$scratch/home/orl_exact_launch.exe" </dev/null >"$E2E_OUT" 2>&1 ||
            E2E_STATUS=$?
    }
    leftovers() { find "$E2E_H" "$install" -iname '~o?????.tmp' ! -name '~ob4d00.tmp' | grep .; }
    # A temporary that a killed run left, read-only: never data, never in the way.
    printf 'cut' >"$install/Data/~ob4d00.tmp" && chmod a-w "$install/Data/~ob4d00.tmp"
    chown $user:$user "$install/Data/~ob4d00.tmp"
    for round in 1 2; do
        run_as_user 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
        e2e_expect_status 0
        grep -q 'Redirection to "h:\\timedata\\" has been established.' "$E2E_OUT" || fail "round $round: $(cat "$E2E_OUT")"
        expect_same_data "$install" "$E2E_H/TimeData"
        [ ! -e "$E2E_H/TimeData/Data/~ob4d00.tmp" ] || fail "a temporary was taken for data"
        [[ $(stat -c %A "$E2E_H/TimeData/Data/2024-01.txt") != ??w* ]] || fail "the copy lost its read-only attribute"
        grep -q Redirect "$install/orl.ini" || fail "round $round: not redirected"
        run_as_user 'orlconfigc.exe /v"C:\TimeSheet"'  # the same data at both: nothing moves
        e2e_expect_status 0
        grep -q 'Redirection to "h:\\timedata\\" has been removed.' "$E2E_OUT" || fail "round $round: $(cat "$E2E_OUT")"
        ! grep -q Redirect "$install/orl.ini" || fail "round $round: still redirected"
        leftovers && fail "round $round: a temporary was left"
    done
    # Newer lines at the share: bringing them back must replace the installation's read-only
    # period file, which fails the copy; the installation stays with the share.
    run_as_user 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    printf '2024-01-03;newer\r\n' >>"$E2E_H/TimeData/Data/2024-01.txt"
    run_as_user 'orlconfigc.exe /v"C:\TimeSheet"'
    e2e_expect_status 2
    grep -q 'File copy from "h:\\timedata\\" to "c:\\timesheet\\" failed.' "$E2E_OUT" || fail "$(cat "$E2E_OUT")"
    grep -q Redirect "$install/orl.ini" || fail "the redirection was removed without its data"
    # Once that file may be written, they come back; the read-only orl.inf in the way does not matter.
    chmod u+w "$install/Data/2024-01.txt"
    run_as_user 'orlconfigc.exe /v"C:\TimeSheet"'
    e2e_expect_status 0
    grep -q 'Data files have been copied to "c:\\timesheet\\"' "$E2E_OUT" || fail "$(cat "$E2E_OUT")"
    cmp -s "$E2E_H/TimeData/Data/2024-01.txt" "$install/Data/2024-01.txt" || fail "the newer lines did not come back"
    leftovers && fail "a temporary was left"
    chmod -R u+w "$install" "$E2E_H"
    rm -rf "$install" ;;
offline_share)
    # The redirection's server is gone: the run stops before it changes anything, whatever it
    # was asked, and the what-if run says the same.
    lay_out "$install" 2000 2000
    lay_out "$E2E_TEAMS/alice" 2000 2000
    printf '[Setup]\r\nRedirect=\\\\FILESRV\\Teams\\alice\r\n' >"$install/orl.ini"
    rm -r "$E2E_PREFIX/dosdevices/unc"  # no network at all: Wine then says ERROR_BAD_DEV_TYPE
    before=$(disk_listing)
    for line in '/s"S:\Workgroup" /d' '' '/r"H:\TimeData"' '/s"S:\Workgroup" /w'; do
        e2e_run "orlconfigc.exe /v\"C:\\TimeSheet\" $line"
        e2e_expect_status 1
        grep -q '^Cannot open file \\\\filesrv\\teams\\alice\\' "$E2E_OUT" || fail "[$line]: $(cat "$E2E_OUT")"
    done
    [ "$(disk_listing)" = "$before" ] || fail "a run changed the disk" ;;
what_if_nowhere)
    # A redirection to a server that is not there, or to a drive letter that is not mapped: the
    # what-if run gives the real run's report and status, and changes nothing.
    lay_out "$install" 2000 2000
    rm -r "$E2E_PREFIX/dosdevices/unc"
    for target in '\\NOSRV\Home\kim' 'Q:\TimeData'; do
        before=$(disk_listing)
        e2e_run "orlconfigc.exe /v\"C:\\TimeSheet\" /s\"S:\\Workgroup\" /r\"$target\" /w"
        foretold=$E2E_STATUS
        sed '/^What-if run/,$d; s/\r$//; /^$/d' "$E2E_OUT" >"$E2E_OUT.foretold"
        [ "$(disk_listing)" = "$before" ] || fail "the what-if run changed the disk"
        e2e_run "orlconfigc.exe /v\"C:\\TimeSheet\" /s\"S:\\Workgroup\" /r\"$target\""
        [ "$E2E_STATUS" = "$foretold" ] || fail "$target: what-if status $foretold, real $E2E_STATUS"
        sed -i 's/\r$//; /^$/d' "$E2E_OUT"
        cmp -s "$E2E_OUT" "$E2E_OUT.foretold" || fail "$target: what-if [$(cat "$E2E_OUT.foretold")] real [$(cat "$E2E_OUT")]"
        grep -q 'could not be created' "$E2E_OUT" || fail "$target: $(cat "$E2E_OUT")"
    done ;;
long_paths)
    # An installation, a redirection and a server at paths of over 300 characters: the data
    # arrive whole, what lay at the new location is backed up, the shared files reach the server.
    deep=""
    for part in 1 2 3 4 5 6 7; do deep="$deep\\folder-$part-of-a-path-longer-than-windows-likes"; done
    unix_deep=$(printf '%s' "$deep" | tr '\\' /)
    install="$E2E_C/$unix_deep/timesheet"
    lay_out "$install" 20000 2000
    lay_out_periods "$install" 3
    lay_out "$E2E_H/$unix_deep/timedata" 200 2000  # an older installation of its own: backed up
    printf '2024-01-02;older\r\n' >"$E2E_H/$unix_deep/timedata/Data/2024-01.txt"
    e2e_run "orlconfigc.exe /v\"C:$deep\\timesheet\" /r\"H:$deep\\timedata\" /s\"S:$deep\\workgroup\" /d /a"
    cat "$E2E_OUT"
    e2e_expect_status 0
    [ ${#deep} -gt 300 ] || fail "the path is only ${#deep} characters long"
    expect_same_data "$install" "$E2E_H/$unix_deep/timedata"
    backup=$(find "$E2E_H/$unix_deep/timedata" -maxdepth 1 -name 'ORL Backup *')
    [ "$(cat "$backup/Data/2024-01.txt")" = "$(printf '2024-01-02;older\r')" ] || fail "no backup of the older data"
    for file in orl.ini Data/ClientProject.txt Data/CategoryActivity.txt; do
        [ -f "$E2E_S/$unix_deep/workgroup/$file" ] || fail "$file did not reach the server"
    done
    grep -q 'ServerAdmin=2' "$E2E_H/$unix_deep/timedata/orl.ini" || fail "the rights were not written"
    expect_no_temporary
    # Backup paths of 263, 285 and 286 characters, reached only through the short name of the
    # backup folder that the run makes (eight characters; its other folders have none): the
    # what-if run foretells the report. The last fails in both: the backup folder's own path, by
    # which it is made, is then 260 characters long.
    expected=(0 0 2 0) n=0  # and a new location whose orl.ini is reached once its folders are made
    for eight in "$(printf '\\abcdefgh%.0s' $(seq 21))" "$(printf '\\abcdefgh%.0s' $(seq 23))"\\xxx{,x} "$(printf '\\abcdefgh%.0s' $(seq 22))\\new-location-for-the-time-records-of-the-user"; do
        older="$E2E_H/$(printf '%s' "$eight" | tr '\\' /)/timedata"
        [ $n = 3 ] || lay_out "$older" 200 2000
        line="orlconfigc.exe /v\"C:$deep\\timesheet\" /r\"H:$eight\\timedata\""
        e2e_run "$line /w"
        e2e_expect_status ${expected[n]} || fail "foretold: $(cat "$E2E_OUT")"
        sed '/^What-if run/,$d' "$E2E_OUT" >"$E2E_OUT.foretold"
        e2e_run "$line"
        e2e_expect_status ${expected[n]}
        cmp -s <(sed 's/\r$//; /^$/d' "$E2E_OUT") <(sed 's/\r$//; /^$/d' "$E2E_OUT.foretold") || fail "foretold: $(cat "$E2E_OUT.foretold")"
        [ ${expected[n]} != 0 ] || [ $n = 3 ] || [ -n "$(find "$older" -path '*ORL Backup*' -name CategoryActivity.txt)" ] ||
            fail "no backup at the long path"
        n=$((n + 1))
    done
    rm -rf "$E2E_C/folder-1-of-a-path-longer-than-windows-likes" ;;
server_storm)
    # Twelve workstations configure against one new server folder at the same moment, each
    # copying its shared files there: every run succeeds and the server's files are whole.
    for n in $(seq -w 1 12); do
        lay_out "$E2E_C/Station$n" 2000 3000
        printf 'Brenmoor;Orlagen %s\r\n' "$n" >"$E2E_C/Station$n/Data/ClientProject.txt"
        printf '[Station]\r\nNumber=%s\r\n' "$n" >>"$E2E_C/Station$n/orl.ini"
        cp "$E2E_C/Station$n/orl.ini" "$E2E_C/Station$n/orl.ini.before"  # the server's copy is taken before the keys
    done
    for n in $(seq -w 1 12); do
        (set +e; ORL_COMMAND_LINE="orlconfigc.exe /v\"C:\\Station$n\" /s\"S:\\Workgroup\" /d" \
            "$WINE_RUN" "$E2E_BIN/orl_exact_launch.exe" </dev/null >"$E2E_OUT.$n" 2>&1; echo $? >"$E2E_OUT.$n.status") &
    done
    wait
    for n in $(seq -w 1 12); do
        [ "$(cat "$E2E_OUT.$n.status")" = 0 ] || fail "station $n: $(cat "$E2E_OUT.$n")"
    done
    for file in orl.ini Data/ClientProject.txt Data/CategoryActivity.txt; do
        whole=no
        for n in $(seq -w 1 12); do
            original="$E2E_C/Station$n/$file"
            [ $file != orl.ini ] || original+=.before
            cmp -s "$E2E_S/workgroup/$file" "$original" && whole=yes
        done
        [ $whole = yes ] || fail "the server's $file is no station's whole file"
    done
    expect_no_temporary
    rm -rf "$E2E_C"/Station?? ;;
two_runs)
    # A second run on an installation that is being configured ends at once and changes nothing.
    lay_out "$install" 2000 2000
    lay_out_periods "$install" 1000
    mkdir -p "$E2E_H/TimeData"
    (set +e; ORL_COMMAND_LINE='orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"' \
        "$WINE_RUN" "$E2E_BIN/orl_exact_launch.exe" </dev/null >"$E2E_OUT.first" 2>&1; echo $? >"$E2E_OUT.first.status") &
    for _ in $(seq 3000); do [ -n "$(ls "$E2E_H/TimeData/Data" 2>/dev/null)" ] && break; sleep 0.01; done
    # Copying, so holding the lock: the first run is stopped there until the second has ended,
    # however fast either of them runs.
    first=$(for pid in $(pgrep -f '^orlconfigc.exe /vC:.TimeSheet /rH:'); do
        tr '\0' '\n' <"/proc/$pid/environ" | grep -qx "WINEPREFIX=$E2E_PREFIX" && echo "$pid"; done || true)
    [ -n "$first" ] && stopped=$first && kill -STOP $first || fail "the first run was not found copying"
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"S:\Other" /d'
    kill -CONT $first && stopped=""
    wait
    [ "$(cat "$E2E_OUT.first.status")" = 0 ] || fail "the first run: $(cat "$E2E_OUT.first")"
    [ -n "$(ls "$E2E_H/TimeData/Data" 2>/dev/null)" ] || fail "the first run copied nothing"
    e2e_expect_status 1
    e2e_expect_output 'Another configuration of "c:\\timesheet\\" is running.\r\n'
    [ ! -e "$E2E_S/other" ] || fail "the second run created the server folder"
    expect_same_data "$install" "$E2E_H/TimeData" ;;
*)
    fail "no case $case_name" ;;
esac
echo "fault case $case_name passed"
