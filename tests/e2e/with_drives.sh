#!/bin/bash
# Runs a Windows test program with S:, H: and \\FILESRV\Teams mapped to fresh scratch folders.
set -eu
source "$(dirname "$0")/fixture.sh"
e2e_begin "$(basename "$1" .exe)"
exec "$WINE_RUN" "$E2E_BIN/$1" "${@:2}"
