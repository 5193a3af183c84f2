#!/bin/bash
# orlconfig.exe, the window build, run with arguments under Wine and Xvfb: exactly one message
# box with the report, nothing on standard output; a screenshot of the box is kept.
#   gui_test.sh CASE
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/fixture.sh"
source "$here/display.sh"
case_name=$1
e2e_begin "gui-$case_name"
install="$E2E_C/TimeSheet"
rm -rf "$install"
trap 'rm -rf "$install"' EXIT
mkdir -p "$install/Data" "$E2E_H/TimeData" "$E2E_S/Workgroup"
printf '[Setup]\r\n' >"$install/orl.ini"
printf 'installed' >"$install/orl.inf"
printf '01;a\r\n' >"$install/Data/2024-01.txt"

case $case_name in
success)
    line='orlconfig.exe /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /a'
    caption=Information; status=0
    expected=$(printf '%s\r\n\r\n%s\r\n%s\r\n%s\r\n%s' 'Orlagen has been configured on this machine.' \
        'Workgroup server configured at "s:\workgroup\"' \
        'User administrator rights for server data have been assigned.' \
        'Redirection to "h:\timedata\" has been established.' \
        'Data files have been copied to "h:\timedata\"') ;;
failure)
    line='orlconfig.exe /v"C:\TimeSheet" /s"C:\TimeSheet"'
    caption=Error; status=2
    expected=$(printf 'Orlagen configuration failed.\r\nInstallation and server paths must be different') ;;
error)
    # A period file held open by another program: the last-resort box, status 1.
    printf 'installed' >"$E2E_H/TimeData/orl.inf"
    mkdir -p "$E2E_H/TimeData/Data" && printf '02;b\r\n' >"$E2E_H/TimeData/Data/2024-02.txt"
    e2e_hold 'H:\TimeData\Data\2024-02.txt'
    trap 'e2e_release; rm -rf "$install"' EXIT
    line='orlconfig.exe /v"C:\TimeSheet" /r"H:\TimeData"'
    caption="Application Error"; status=1
    expected='Cannot open file h:\timedata\data\2024-02.txt' ;;
*)
    echo "no case $case_name"; exit 1 ;;
esac

rm -f "$E2E_H/shot" "$E2E_H/shot.done"
ORL_COMMAND_LINE="$line" ORL_CHILD_OUTPUT='H:\child-output' ORL_SHOT_MARKER='H:\shot' \
    "$WINE_RUN" "$E2E_BIN/orl_gui_driver.exe" "$caption" "$status" </dev/null >"$E2E_OUT" 2>&1 &
driver=$!
for _ in $(seq 300); do [ -e "$E2E_H/shot" ] && break; sleep 0.1; done
if [ -e "$E2E_H/shot" ]; then
    screenshot "$case_name"
    touch "$E2E_H/shot.done"
fi
driver_status=0
wait $driver || driver_status=$?
cat "$E2E_OUT"
[ $driver_status = 0 ] || { echo "FAILED: driver status $driver_status"; exit 1; }
# The box text as Wine's static control reports it (its line ends are CR LF as given).
box_text=$(sed -n '2,/^exit /p' "$E2E_OUT" | sed '$d')
[ "$(head -1 "$E2E_OUT")" = "box \"$caption\"" ] || { echo "FAILED: caption"; exit 1; }
[ "$box_text" = "$expected" ] || { echo "FAILED: box text differs"; printf '%s' "$expected" | od -c | head; exit 1; }
[ -f "$E2E_H/TimeData/Data/2024-01.txt" ] || [ "$status" != 0 ] || { echo "FAILED: data not moved"; exit 1; }
echo "gui $case_name passed"
