#!/bin/bash
# orlconfigc.exe end to end under Wine: exact command lines, the report byte for byte on
# standard output, the exit status and the files on C:, S: and H:.
#   console_test.sh CASE
set -eu
source "$(dirname "$0")/fixture.sh"
case_name=$1
e2e_begin "console-$case_name"
install="$E2E_C/TimeSheet"
rm -rf "$install"
trap 'rm -rf "$install"' EXIT

fail() { echo "FAILED: $*"; exit 1; }
expect_file() {  # PATH TEXT (printf format): the file holds exactly that
    [ -f "$1" ] || fail "$1 is missing"
    cmp -s <(printf "$2") "$1" || { echo "$1:"; od -c "$1" | head; fail "$1 differs"; }
}
put() {  # PATH TEXT (printf format)
    mkdir -p "$(dirname "$1")"
    printf "$2" >"$1"
}
lay_out_install() {  # FOLDER ORL.INI PERIOD-LINES
    put "$1/orl.ini" "$2"
    put "$1/orl.inf" "installed"
    put "$1/Data/ClientProject.txt" 'Brenmoor;Orlagen\r\n'
    put "$1/Data/CategoryActivity.txt" 'Development;Coding\r\n'
    put "$1/Data/2024-01.txt" "$3"
}
backups_in() { find "$1" -maxdepth 1 -type d -name 'ORL Backup ????-??-?? \[??-??-??-???\]' | wc -l; }
headline='Orlagen has been configured on this machine.\r\n'
no_rights='\r\nNo administrator rights for server data have been assigned.'

# Every folder, and every file with its checksum, of the installation and the two drives.
tree_of() {
    find "$@" | while read -r path; do
        if [ -f "$path" ]; then echo "f $path $(md5sum <"$path")"; else echo "d $path"; fi
    done
}
disk_tree() {
    { (cd "$E2E_C/.." && tree_of drive_c/TimeSheet); (cd "$E2E_S/.." && tree_of s h); } | grep -v scratch-drive | sort
}

case $case_name in
what_if)
    # The worked example with /w changes nothing and lists the changes; then without /w the
    # disk changes as listed.
    lay_out_install "$install" '[Setup]\r\nLanguage=en\r\n' '01;a\r\n'
    mkdir -p "$E2E_H/TimeData" "$E2E_S/Workgroup"
    before=$(disk_tree)
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /d /a /w'
    e2e_expect_status 0
    [ "$(disk_tree)" = "$before" ] || fail "the what-if run changed the disk"
    e2e_expect_output '%s\r\n\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n' \
        'Orlagen has been configured on this machine.' \
        'Workgroup server configured at "s:\workgroup\"' \
        'Shared files for the workgroup have been copied to the server.' \
        'User administrator rights for server data have been assigned.' \
        'Redirection to "h:\timedata\" has been established.' \
        'Data files have been copied to "h:\timedata\"' \
        'What-if run: no changes were made. The run would:' \
        'create folder s:\workgroup\Data\ (not tried)' \
        'create folder h:\timedata\Data\ (not tried)' \
        'copy data from c:\timesheet\ to h:\timedata\: 5 files, 75 bytes' \
        'write c:\timesheet\orl.ini' \
        'write h:\timedata\orl.ini' \
        'write c:\timesheet\orl.ini: [Setup] Redirect = h:\timedata' \
        'copy shared files from c:\timesheet\ to s:\workgroup\: 3 files, 84 bytes (not tried)' \
        'write h:\timedata\orl.ini: [Server] ServerPath = s:\workgroup; [Server] ServerAdmin = 2'
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /d /a'
    e2e_expect_status 0
    # Exactly the listed folders and files are new or changed.
    changed=$(diff <(echo "$before") <(disk_tree) | sed -n 's/^> \([df]\) \([^ ]*\).*/\1 \2/p' | sort | tr '\n' ' ')
    expected="d h/TimeData/Data f h/TimeData/Data/2024-01.txt f h/TimeData/Data/CategoryActivity.txt"
    expected+=" f h/TimeData/Data/ClientProject.txt f h/TimeData/orl.inf f h/TimeData/orl.ini d s/Workgroup/Data"
    expected+=" f s/Workgroup/Data/CategoryActivity.txt f s/Workgroup/Data/ClientProject.txt f s/Workgroup/orl.ini"
    expected+=" f drive_c/TimeSheet/orl.ini "
    [ "$(echo "$changed" | tr ' ' '\n' | sort | tr '\n' ' ')" = "$(echo "$expected" | tr ' ' '\n' | sort | tr '\n' ' ')" ] ||
        fail "changed: $changed"
    # A file over 4 GiB (sparse) to copy on: sized, not read, and counted whole.
    truncate -s 5G "$E2E_H/TimeData/Data/2024-02.txt"
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\Elsewhere" /w'
    e2e_expect_status 0
    grep -Eq '^copy data from h:\\timedata\\ to h:\\elsewhere\\: 6 files, 53687092[0-9]{2} bytes' "$E2E_OUT" || fail "$(cat "$E2E_OUT")" ;;
worked_example)
    lay_out_install "$install" '[Setup]\r\nLanguage=en\r\n' '01;a\r\n'
    mkdir -p "$E2E_H/TimeData" "$E2E_S/Workgroup"
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /d /a'
    e2e_expect_status 0
    e2e_expect_output '%s\r\n\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n' 'Orlagen has been configured on this machine.' \
        'Workgroup server configured at "s:\workgroup\"' \
        'Shared files for the workgroup have been copied to the server.' \
        'User administrator rights for server data have been assigned.' \
        'Redirection to "h:\timedata\" has been established.' \
        'Data files have been copied to "h:\timedata\"'
    expect_file "$install/orl.ini" '[Setup]\r\nLanguage=en\r\nRedirect=h:\\timedata\r\n\r\n'
    expect_file "$E2E_H/TimeData/orl.ini" \
        '[Setup]\r\nLanguage=en\r\n\r\n[Server]\r\nServerPath=s:\\workgroup\r\nServerAdmin=2\r\n\r\n'
    expect_file "$E2E_S/Workgroup/orl.ini" '[Setup]\r\nLanguage=en\r\nRedirect=h:\\timedata\r\n\r\n'
    expect_file "$E2E_S/Workgroup/Data/ClientProject.txt" 'Brenmoor;Orlagen\r\n'
    expect_file "$E2E_S/Workgroup/Data/CategoryActivity.txt" 'Development;Coding\r\n'
    expect_file "$E2E_H/TimeData/Data/2024-01.txt" '01;a\r\n'
    expect_file "$E2E_H/TimeData/orl.inf" 'installed'
    ;;
validation_failure)
    lay_out_install "$install" '[Setup]\r\nLanguage=en\r\n' '01;a\r\n'
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /s"c:\timesheet\" /a'
    e2e_expect_status 2
    e2e_expect_output 'Orlagen configuration failed.\r\nInstallation and server paths must be different\r\n'
    expect_file "$install/orl.ini" '[Setup]\r\nLanguage=en\r\n'
    ;;
redirection_removed)
    lay_out_install "$install" '[Setup]\r\nRedirect=H:\\TimeData\r\n' '01;a\r\n'
    lay_out_install "$E2E_H/TimeData" '[Setup]\r\nLanguage=de\r\n' '01;a\r\n02;b\r\n'
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet"'
    e2e_expect_status 0
    e2e_expect_output "$headline$no_rights"'\r\nRedirection to "h:\\timedata\\" has been removed.\r\nData files have been copied to "c:\\timesheet\\"\r\n'
    expect_file "$install/Data/2024-01.txt" '01;a\r\n02;b\r\n'
    expect_file "$install/orl.ini" '[Setup]\r\nLanguage=de\r\n\r\n'
    expect_file "$E2E_H/TimeData/orl.ini" '[Setup]\r\nLanguage=de\r\n\r\n'
    [ "$(backups_in "$install")" = 1 ] || fail "no backup in the installation folder"
    expect_file "$install"/ORL\ Backup\ */Data/2024-01.txt '01;a\r\n'
    ;;
comparison_decides)
    # The new location already holds an installation: its data is replaced only when the
    # current location holds lines that it lacks (results 1 and -1), never for 0 or 2.
    for result in 0 1 2 -1; do
        rm -rf "$install" "$E2E_H/TimeData"
        case $result in
            0) ours='01;a\r\n'; theirs='01;A\r\n' ;;
            1) ours='01;a\r\n02;b\r\n'; theirs='01;a\r\n' ;;
            2) ours='01;a\r\n'; theirs='01;a\r\n02;b\r\n' ;;
            -1) ours='01;a\r\n'; theirs='02;b\r\n' ;;
        esac
        lay_out_install "$install" '[Setup]\r\n' "$ours"
        lay_out_install "$E2E_H/TimeData" '[Setup]\r\n' "$theirs"
        e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
        e2e_expect_status 0
        case $result in
            0|2) expect_file "$E2E_H/TimeData/Data/2024-01.txt" "$theirs"
                 [ "$(backups_in "$E2E_H/TimeData")" = 0 ] || fail "result $result: backed up"
                 e2e_expect_output "$headline$no_rights"'\r\nRedirection to "h:\\timedata\\" has been established.\r\n' ;;
            1|-1) expect_file "$E2E_H/TimeData/Data/2024-01.txt" "$ours"
                  [ "$(backups_in "$E2E_H/TimeData")" = 1 ] || fail "result $result: not backed up"
                  e2e_expect_output "$headline$no_rights"'\r\nRedirection to "h:\\timedata\\" has been established.\r\nData files have been copied to "h:\\timedata\\"\r\n' ;;
        esac
    done
    ;;
option_forms)
    lay_out_install "$install" '[Setup]\r\n' '01;a\r\n'
    mkdir -p "$E2E_S/Work Group"
    # Upper-case option, blanks inside the quotes, a second /s that wins.
    e2e_run 'orlconfigc.exe /V"C:\TimeSheet" /s"S:\Elsewhere" /S"  S:\Work Group  " /unknown'
    e2e_expect_status 0
    e2e_expect_output "$headline"'\r\nWorkgroup server configured at "s:\\work group\\"'"$no_rights"'\r\n'
    expect_file "$install/orl.ini" '[Setup]\r\n\r\n[Server]\r\nServerPath=s:\\work group\r\n\r\n'
    # "/v" and the folder as two arguments: the folder is ignored and the path is empty.
    e2e_run 'orlconfigc.exe /v "C:\TimeSheet"'
    e2e_expect_status 2
    e2e_expect_output 'Orlagen configuration failed.\r\nInstallation path is required\r\n'
    ;;
help_changes_nothing)
    lay_out_install "$install" '[Setup]\r\nRedirect=H:\\TimeData\r\n[Server]\r\nServerAdmin=2\r\n' '01;a\r\n'
    for line in 'orlconfigc.exe /?' 'orlconfigc.exe /v"C:\TimeSheet" -h' 'orlconfigc.exe /help' 'orlconfigc.exe --help'; do
        e2e_run "$line"
        e2e_expect_status 0
        e2e_expect_output '%s\r\n\r\n%s\r\n%s\r\n\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n' \
            'Orlagen - Workgroup Configuration Version 3.0 (Console)' \
            'SYNTAX   orlconfigc.exe  [/v"xxxx"] /s"xxxx" [/r"xxxx"] [/c] [/a]' \
            "[ ] : Shows an optional parameter (don't use square brackets in parameters)" \
            '/v  : ORL install/data directory (default location will be used if not supplied)' \
            '/s  : Network directory for ORL workgroup server' \
            '/r  : Network directory for user files (INI file redirection)' \
            '/d  : Copy shared data files (if available and no files on server)' \
            '/a  : Assign user administrator rights' \
            '/x : Assign administrator only rights'
    done
    expect_file "$install/orl.ini" '[Setup]\r\nRedirect=H:\\TimeData\r\n[Server]\r\nServerAdmin=2\r\n'
    [ ! -e "$E2E_H/TimeData" ] || fail "help created the redirection folder"
    ;;
period_file_held_open)
    lay_out_install "$install" '[Setup]\r\n' '01;a\r\n'
    lay_out_install "$E2E_H/TimeData" '[Setup]\r\n' '01;a\r\n'
    put "$E2E_H/TimeData/Data/2024-02.txt" '02;b\r\n'
    e2e_hold 'H:\TimeData\Data\2024-02.txt'
    e2e_run 'orlconfigc.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    e2e_release
    e2e_expect_status 1
    e2e_expect_output 'Cannot open file h:\\timedata\\data\\2024-02.txt\r\n'
    expect_file "$install/orl.ini" '[Setup]\r\n'
    ;;
*)
    fail "no case $case_name"
    ;;
esac
echo "$case_name passed"
