#!/bin/bash
# The fixture itself: an exact command line arrives unchanged, quotes and backslashes included,
# the exit status comes back, and S:, H: and \\FILESRV\Teams reach their scratch folders.
set -eu
source "$(dirname "$0")/fixture.sh"
e2e_begin fixture
mkdir -p "$E2E_S/Work group"
line='orl_show_command_line.exe /v"C:\Time Sheet\" /s"S:\Work group" "" /R"H:\" x'
ORL_TOUCH='S:\Work group\probe.txt;H:\probe.txt;\\FILESRV\Teams\probe.txt' e2e_run "$line"
e2e_expect_status 7
e2e_expect_output '%s\r\n' "$line"
test -f "$E2E_S/Work group/probe.txt"
test -f "$E2E_H/probe.txt"
test -f "$E2E_TEAMS/probe.txt"
echo "fixture passed"
