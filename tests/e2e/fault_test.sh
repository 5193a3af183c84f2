#!/bin/bash
# orlconfigc.exe under Wine on real disk with real faults: a full disk (a small tmpfs mounted
# over the new location; needs root) during each kind of copy, a file in the way of a data
# folder, a data folder that cannot be listed. Nothing is left cut, and the installation is
# never pointed at a location its data did not reach.
#   fault_test.sh CASE
set -eu
source "$(dirname "$0")/fixture.sh"
case_name=$1
e2e_begin "fault-$case_name"
install="$E2E_C/TimeSheet"
rm -rf "$install"
mounted=""
cleanup() { [ -z "$mounted" ] || umount "$mounted"; rm -rf "$install"; }
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
    grep -q Redirect "$install/orl.ini" && fail "the installation was redirected"
    ! find "$E2E_H" "$E2E_S" "$install" -name '*.copying' -o -name '*.saving' | grep -q . ||
        fail "a temporary file was left"
    return 0
}
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
*)
    fail "no case $case_name" ;;
esac
echo "fault case $case_name passed"
