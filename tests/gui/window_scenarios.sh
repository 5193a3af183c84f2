# The scenarios of window_test.sh: scenario_NAME lays out the disk and prints the driver's
# script; after_NAME checks the disk afterwards. Sourced; $install is the default installation.

user=$(basename "$(dirname "$(dirname "$appdata")")")
install_windows="C:\\users\\$user\\AppData\\Roaming\\Brenmoor\\Orlagen\\"
main_caption='Orlagen - Workgroup, Data and Administrator Configuration'
# The driver's lines that remove the redirection in the redirection dialog.
remove_redirection='click btnAdvanced
form TRedirectForm
click btnRemove
click btnOK
form TMainConfigForm'

# An installation redirected to H:\TimeData, whose settings name the server S:\Workgroup with
# user administrator rights.
lay_out_redirected() {
    lay_out "$install" '[Setup]\r\nRedirect=H:\\TimeData\r\n' 2024-01.txt "$1"
    lay_out "$E2E_H/TimeData" '[Server]\r\nServerPath=S:\\Workgroup\r\nServerAdmin=2\r\n' 2024-01.txt "$2"
    mkdir -p "$E2E_S/Workgroup"
}

scenario_main_window() {
    set_display 96
    lay_out_redirected 'a\r\n' 'a\r\n'
    lay_out "$E2E_C/Other" '[Setup]\r\nLanguage=en\r\n'
    cat <<SCRIPT
start orlconfig.exe
form TMainConfigForm
caption $main_caption
layout
labels
bold lblExeLocated1
bold lblRedirect
bold lblWorkgroup
centred
text txtInstallFolder | $install_windows
text lblExeLocated1 | Orlagen data files HAVE BEEN FOUND at a standard location.
text lblRedirect | Redirection IS currently selected.
text lblWorkgroup | A workgroup server location IS currently selected.
text txtServerFolder | S:\\Workgroup\\
checked rbAdminUser | 1
enabled rbAdminOnly | 1
enabled btnRemove | 1
focus btnBrowseInstall
key TAB
focus btnAdvanced
key TAB
focus btnBrowseServer
key TAB
focus btnRemove
key TAB
focus rbAdminUser
key DOWN
checked rbAdminOnly | 1
key TAB
focus btnParamInfo
key TAB
focus btnOK
key TAB
focus btnCancel
shot main-window-96dpi
minimize ORL - Workgroup Configuration
click btnRemove
text txtServerFolder | 
checked rbNoAdmin | 1
checked rbAdminOnly | 0
enabled rbNoAdmin | 0
enabled rbAdminUser | 0
enabled btnRemove | 0
enabled lblRemove | 0
text lblWorkgroup | A workgroup server location IS currently selected.
click btnBrowseInstall
open C:\\Other\\Data\\ClientProject.txt
box Error | The selected location does not contain a valid Orlagen installation | OK
text txtInstallFolder | $install_windows
click btnBrowseInstall
open C:\\Other\\orl.inf
text txtInstallFolder | C:\\Other
text lblRedirect | Redirection IS currently selected.
key ESCAPE
exit 0
SCRIPT
}
after_main_window() {
    [ "$(cat "$install/orl.ini")" = "$(printf '[Setup]\r\nRedirect=H:\\TimeData\r\n')" ] || fail "orl.ini changed"
    [ ! -e "$E2E_S/Workgroup/Data" ] || fail "the server was written to"
}

# The three windows at 144 DPI: laid out at scale, every text whole, the status lines bold.
scenario_main_window_144dpi() {
    # No fonts until the test ends, as in a fresh prefix: Debian's Wine finds none of its own there.
    local fonts="$E2E_PREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts.hidden"
    trap "mv '$fonts.hidden'/* '$fonts'/" EXIT
    mv "$fonts"/* "$fonts.hidden"/
    set_display 144
    lay_out_redirected 'a\r\n' 'a\r\n'
    cat <<SCRIPT
start orlconfig.exe
form TMainConfigForm
layout
labels
bold lblExeLocated1
bold lblRedirect
bold lblWorkgroup
shot main-window-144dpi
click btnAdvanced
form TRedirectForm
layout
labels
centred
shot redirection-dialog-144dpi
click btnCancel
gone
form TMainConfigForm
click btnParamInfo
form TParamInfoForm
layout
labels
centred
shot parameter-dialog-144dpi
click btnOK
gone
form TMainConfigForm
click btnCancel
exit 0
SCRIPT
}
after_main_window_144dpi() { set_display 96; }

# The redirection removed while the redirected folder holds more data: the questions answered,
# the data brought home after a backup, the window closed.
scenario_configure() {
    set_display 96
    lay_out_redirected 'a\r\n' 'a\r\nb\r\n'
    cat <<SCRIPT
start orlconfig.exe
form TMainConfigForm
click btnAdvanced
form TRedirectForm
text txtRedirectFolder | H:\\TimeData\\
click btnRemove
click btnOK
form TMainConfigForm
text lblRedirect | Redirection is NOT currently selected.
click rbAdminOnly
click btnOK
box Confirm | Do you want to copy Client/Project/Category/Activity files from this machine for the shared data? | No
box Confirm | The current Orlagen file location appears to have more data than the new file location\r\nDo you wish to use the more complete files in the current location?\r\n(Recommended - The utility will back up Orlagen data files at the new location before copying files) | Yes | question-box
box Information | Orlagen has been configured on this machine.\r\n\r\nWorkgroup server configured at "s:\\workgroup\\"\r\nAdministrator only rights for server data have been assigned.\r\nRedirection to "h:\\timedata\\" has been removed.\r\nData files have been copied to "${install_windows,,}" | OK
exit 0
SCRIPT
}
after_configure() {
    [ "$(cat "$install/Data/2024-01.txt")" = "$(printf 'a\r\nb\r\n')" ] || fail "data not brought home"
    grep -q Redirect "$install/orl.ini" && fail "still redirected"
    grep -q 'ServerAdmin=1' "$install/orl.ini" || fail "rights not written"
    [ "$(cat "$install"/ORL\ Backup\ */Data/2024-01.txt)" = "$(printf 'a\r\n')" ] || fail "no backup"
    [ ! -e "$E2E_S/Workgroup/Data/ClientProject.txt" ] || fail "shared data copied against the answer"
}

# A period file held open by another program: the error box, and the window stays open. The
# console build shows the window too when started without arguments.
scenario_held_open() {
    set_display 96
    lay_out_redirected 'a\r\n' 'b\r\n'
    e2e_hold 'H:\TimeData\Data\2024-01.txt' >&2
    cat <<SCRIPT
start orlconfigc.exe
form TMainConfigForm
$remove_redirection
click btnOK
box Confirm | Do you want to copy Client/Project/Category/Activity files from this machine for the shared data? | No
box ORL - Workgroup Configuration | Cannot open file h:\\timedata\\data\\2024-01.txt. | OK | error-box
text lblRedirect | Redirection is NOT currently selected.
click btnCancel
exit 0
SCRIPT
}
after_held_open() {
    e2e_release
    grep -q Redirect "$install/orl.ini" || fail "the redirection was changed"
}

syntax='SYNTAX   orlconfig.exe  [/v"xxxx"] /s"xxxx" [/r"xxxx"] [/c] [/a]\r\n[ ] : Shows an optional parameter (don'"'"'t use square brackets in parameters)\r\n\r\n/v  : ORL install/data directory (default location will be used if not supplied)\r\n/s  : Network directory for ORL workgroup server\r\n/r  : Network directory for user files (INI file redirection)\r\n/d  : Copy shared data files (if available and no files on server)\r\n/a  : Assign user administrator rights\r\n/x : Assign administrator only rights'

# The redirection dialog, the folder browser from both buttons and the parameter dialog, with
# their keys (Tab and Shift+Tab through the memo, Esc there as on Close); dialogs centred again
# after being dragged aside; hidden dialogs that refuse to close; the program closed from the
# task bar. Nothing is configured.
scenario_dialogs() {
    set_display 96
    lay_out_redirected 'a\r\n' 'a\r\n'
    mkdir -p "$E2E_H/Other" "$E2E_S/Team"
    cat <<SCRIPT
start orlconfig.exe
form TMainConfigForm
click btnAdvanced
form TRedirectForm
caption Redirection
layout
labels
centred
text txtRedirectFolder | H:\\TimeData\\
enabled btnRemove | 1
focus btnOK
key TAB
focus btnCancel
key TAB
focus btnBrowseRedirect
shot redirection-dialog
click btnBrowseRedirect
browse Locate a network directory the user will be redirected to | TimeData | H:\\Other
text txtRedirectFolder | H:\\Other
move 20 | 30
key ESCAPE
gone
form TMainConfigForm
enabled btnAdvanced | 1
close TRedirectForm | WM_CLOSE
close TParamInfoForm | SC_CLOSE
click btnAdvanced
form TRedirectForm
centred
text txtRedirectFolder | H:\\TimeData\\
click btnBrowseRedirect
browse Locate a network directory the user will be redirected to | TimeData | H:\\Other
text txtRedirectFolder | H:\\Other
key TAB
key TAB
focus btnOK
key RETURN
gone
form TMainConfigForm
click btnAdvanced
form TRedirectForm
text txtRedirectFolder | H:\\Other
click btnCancel
form TMainConfigForm
click btnBrowseServer
browse Locate a network directory for Orlagen | Workgroup | S:\\Team
text txtServerFolder | S:\\Team
enabled rbAdminUser | 1
click btnParamInfo
form TParamInfoForm
caption Parameter Information
layout
labels
centred
text Memo | Orlagen - Workgroup Configuration Version 3.0\r\n\r\n$syntax
focus btnOK
shot parameter-dialog
key TAB
focus Memo
key TAB
focus btnOK
key SHIFT+TAB
focus Memo
key SHIFT+TAB
focus btnOK
move 600 | 400
key RETURN
gone
form TMainConfigForm
click btnParamInfo
form TParamInfoForm
centred
text Memo | Orlagen - Workgroup Configuration Version 3.0\r\n\r\n$syntax
key ESCAPE
focus btnOK
key TAB
focus Memo
key ESCAPE
focus Memo
key RETURN
gone
form TMainConfigForm
click btnParamInfo
form TParamInfoForm
text Memo | Orlagen - Workgroup Configuration Version 3.0\r\n\r\n$syntax
click btnOK
gone
form TMainConfigForm
close TApplication | SC_CLOSE
exit 0
SCRIPT
}
after_dialogs() {
    [ "$(cat "$install/orl.ini")" = "$(printf '[Setup]\r\nRedirect=H:\\TimeData\r\n')" ] || fail "orl.ini changed"
    [ -z "$(ls "$E2E_S/Team")" ] || fail "the server was written to"
}

# A whole session through the windows alone; the disk afterwards is what the console run with
# the same choices gives.
lay_out_session() {
    rm -rf "$install" "$E2E_S/Team" "$E2E_H/Home"
    lay_out "$install" '[Setup]\r\nLanguage=en\r\n' 2024-01.txt '2024-01-02;09:00;Brenmoor\r\n'
    mkdir -p "$E2E_S/Team" "$E2E_H/Home"
}
scenario_whole_session() {
    set_display 96
    lay_out_session
    cat <<SCRIPT
start orlconfig.exe
form TMainConfigForm
click btnBrowseServer
browse Locate a network directory for Orlagen | * | S:\\Team
click btnAdvanced
form TRedirectForm
click btnBrowseRedirect
browse Locate a network directory the user will be redirected to | * | H:\\Home
click btnOK
gone
form TMainConfigForm
click rbAdminUser
click btnOK
box Confirm | Do you want to copy Client/Project/Category/Activity files from this machine for the shared data? | Yes
box Information | Orlagen has been configured on this machine.\r\n\r\nWorkgroup server configured at "s:\\team\\"\r\nShared files for the workgroup have been copied to the server.\r\nUser administrator rights for server data have been assigned.\r\nRedirection to "h:\\home\\" has been established.\r\nData files have been copied to "h:\\home\\" | OK | information-box
exit 0
SCRIPT
}
# disk_state FOLDER...: every file of the folders with its contents, backup folders named alike.
disk_state() {
    find "$@" -type f -print0 | sort -z | xargs -0 md5sum | sed 's/ORL Backup [^/]*/ORL Backup .../'
}
# same_disk_as_console LAY-OUT COMMAND-LINE FOLDER...: the disk that the window left equals what the
# console run with the same choices makes of the same layout.
same_disk_as_console() {
    local lay_out=$1 line=$2; shift 2
    local window_state; window_state=$(disk_state "$@")
    $lay_out
    e2e_run "$line"
    e2e_expect_status 0 || fail "console run"
    [ "$window_state" = "$(disk_state "$@")" ] || { diff <(echo "$window_state") <(disk_state "$@"); fail "disks differ"; }
}
after_whole_session() {
    [ "$(cat "$E2E_H/Home/Data/2024-01.txt")" = "$(printf '2024-01-02;09:00;Brenmoor\r\n')" ] || fail "data not moved"
    same_disk_as_console lay_out_session 'orlconfigc.exe /s"S:\Team" /r"H:\Home" /d /a' \
        "$install" "$E2E_S/Team" "$E2E_H/Home"
}

# A configuration long enough to watch: many period files at both locations, backed up and
# copied while the window answers and shows what it copies. Every way of closing the program is
# tried meanwhile and refused: the run ends as an undisturbed one does.
lay_out_long() {
    rm -rf "$install" "$E2E_H/TimeData"
    lay_out_redirected '' ''
    local side=0 folder
    for folder in "$install/Data" "$E2E_H/TimeData/Data"; do
        awk -v folder="$folder" -v side=$side 'BEGIN {
            for (f = 0; f < 1000; f++) {
                name = sprintf("%s/%04d-%02d.txt", folder, 1000 + int(f / 12), 1 + f % 12)
                for (n = 0; n < 300; n++)
                    printf "2024-01-02;09:00;12:30;Brenmoor;Orlagen;Development;Coding;%06d\r\n", n + side >name
                close(name)
            }
        }'
        side=1
    done
}
scenario_long_configuration() {
    set_display 96
    lay_out_long
    cat <<SCRIPT
start orlconfig.exe
form TMainConfigForm
$remove_redirection
click btnRemove
click btnOK
box Warning | The selected data file location has existing Orlagen data files\r\nThe utility will back up these files and copy current files to the new location\r\nContinue? | Yes
working
close TApplication | SC_CLOSE
close TApplication | WM_CLOSE
close TMainConfigForm | WM_CLOSE
close TMainConfigForm | SC_CLOSE
close TMainConfigForm | ALT+F4
close TProgressForm | WM_CLOSE
close TProgressForm | ALT+F4
close TRedirectForm | WM_CLOSE
busy
box Information | Orlagen has been configured on this machine.\r\n\r\nNo administrator rights for server data have been assigned.\r\nRedirection to "h:\\timedata\\" has been removed.\r\nData files have been copied to "${install_windows,,}" | OK
exit 0
SCRIPT
}
after_long_configuration() {
    cmp -s "$install/Data/1080-01.txt" "$E2E_H/TimeData/Data/1080-01.txt" || fail "data not copied"
    [ "$(ls "$install"/ORL\ Backup\ */Data | wc -l)" -ge 1000 ] || fail "no whole backup"
    grep -q Redirect "$install/orl.ini" && fail "still redirected"
    same_disk_as_console lay_out_long "orlconfigc.exe /v\"${install_windows%\\}\"" "$install" "$E2E_H/TimeData" "$E2E_S"
}
