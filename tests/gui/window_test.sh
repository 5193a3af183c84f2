#!/bin/bash
# The windows of orlconfig.exe under Wine and Xvfb, in Wine's virtual desktop (so that frames
# and captions are drawn), driven by orl_window_driver.exe with the script of a scenario from
# window_scenarios.sh; screenshots of the scenario are kept in the build's gui-screenshots.
#   window_test.sh SCENARIO
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/fixture.sh"
source "$here/display.sh"
scenario=$1
e2e_begin "window-$scenario"

# set_display DPI: Wine's virtual desktop, and the screen's pixels per inch. The desktop is made
# by the first program that needs one, possibly reg itself, before the settings are in: Wine is
# stopped afterwards so that the next program makes it anew with them.
set_display() {
    "$WINE_RUN" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    "$WINE_RUN" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
    "$WINE_RUN" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
    stop_wine
}

# The default installation of the prefix's user, which the window shows first.
appdata=$(ls -d "$E2E_C"/users/*/AppData/Roaming | grep -v /Public/ | head -1)
install="$appdata/Brenmoor/Orlagen"
rm -rf "$install"
# lay_out FOLDER INI [PERIOD-NAME LINES]...: an installation with its shared data files.
lay_out() {
    local folder=$1; shift
    mkdir -p "$folder/Data"
    printf "$1" >"$folder/orl.ini"; shift
    printf 'installed' >"$folder/orl.inf"
    printf 'Brenmoor;Orlagen\r\n' >"$folder/Data/ClientProject.txt"
    printf 'Development;Coding\r\n' >"$folder/Data/CategoryActivity.txt"
    while [ $# -gt 1 ]; do printf "$2" >"$folder/Data/$1"; shift 2; done
}
fail() { echo "FAILED: $*"; exit 1; }

source "$here/window_scenarios.sh"
"scenario_$scenario" >"$E2E_H/script.txt"

# The driver asks for a screenshot by making a marker file H:\shot.NAME and waits for it to go.
ORL_SHOT_MARKER='H:\shot' "$WINE_RUN" "$E2E_BIN/orl_window_driver.exe" 'H:\script.txt' </dev/null >"$E2E_OUT" 2>&1 &
driver=$!
while kill -0 $driver 2>/dev/null; do
    for marker in "$E2E_H"/shot.*; do
        [ -e "$marker" ] || continue
        screenshot "$scenario-${marker##*/shot.}"
        rm -f "$marker"
    done
    sleep 0.1
done
driver_status=0
wait $driver || driver_status=$?
cat "$E2E_OUT"
[ $driver_status = 0 ] || fail "driver status $driver_status"
"after_$scenario"
echo "window scenario $scenario passed"
