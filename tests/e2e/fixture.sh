# The end-to-end fixture, sourced by the end-to-end tests: scratch folders mapped into the build's
# Wine prefix as the drives S: and H: and the share \\FILESRV\Teams, and a way to run a program
# with an exact Windows command line.
#
# Needs: BUILD_DIR (the windows build tree). Gives: E2E_S, E2E_H, E2E_TEAMS (the Linux folders
# behind S:\, H:\ and \\FILESRV\Teams\), E2E_C (the folder behind C:\), and after e2e_run the
# program's standard output in E2E_OUT (a file) and its exit status in E2E_STATUS.
# Tests that use it share the prefix's drive mappings: CTest runs them one at a time.

set -u
: "${BUILD_DIR:?}"
WINE_RUN="$BUILD_DIR/wine-run.sh"
E2E_BIN="$BUILD_DIR/bin"
E2E_PREFIX="$BUILD_DIR/wineprefix"

# e2e_begin NAME: a fresh scratch tree for the test NAME, mapped into the prefix.
e2e_begin() {
    local scratch="$BUILD_DIR/e2e/$1"
    rm -rf "$scratch"
    mkdir -p "$scratch/s" "$scratch/h" "$scratch/unc/Teams"
    # Marks the mapped folders as scratch: only marked drives may be emptied by a test.
    touch "$scratch/s/orl-scratch-drive" "$scratch/h/orl-scratch-drive"
    "$WINE_RUN" cmd /c exit 0 </dev/null >/dev/null 2>&1  # makes the prefix when it is new
    local devices="$E2E_PREFIX/dosdevices"
    mkdir -p "$devices/unc"
    # Wine finds drive links by their lower-case names only.
    ln -sfn "$scratch/s" "$devices/s:"
    ln -sfn "$scratch/h" "$devices/h:"
    ln -sfn "$scratch/unc" "$devices/unc/filesrv"
    E2E_S="$scratch/s"
    E2E_H="$scratch/h"
    E2E_TEAMS="$scratch/unc/Teams"
    E2E_C="$E2E_PREFIX/drive_c"
    E2E_OUT="$scratch/stdout"
}

# e2e_run LINE: runs the exact Windows command line LINE (the program is looked for in the
# build's bin folder first); standard input is empty.
e2e_run() {
    E2E_STATUS=0
    ORL_COMMAND_LINE="$1" "$WINE_RUN" "$E2E_BIN/orl_exact_launch.exe" </dev/null >"$E2E_OUT" ||
        E2E_STATUS=$?
}

# e2e_expect_output FORMAT [ARGS]: the program wrote exactly what printf makes of the arguments.
e2e_expect_output() {
    if ! cmp -s <(printf "$@") "$E2E_OUT"; then
        echo "output differs; expected:"; printf "$@" | od -c | head -20
        echo "got:"; od -c "$E2E_OUT" | head -20
        return 1
    fi
}

e2e_expect_status() {
    if [ "$E2E_STATUS" != "$1" ]; then
        echo "exit status $E2E_STATUS, expected $1"
        return 1
    fi
}

# e2e_hold WINDOWS-PATH: another Windows program of the prefix opens the file for writing (sharing
# reading and writing) and keeps it open until e2e_release. The marker files live on H:.
e2e_hold() {
    rm -f "$E2E_H/held" "$E2E_H/release"
    ORL_HOLD="$1" ORL_HELD='H:\held' ORL_RELEASE='H:\release' \
        "$WINE_RUN" "$E2E_BIN/orl_hold_file.exe" </dev/null >/dev/null 2>&1 &
    E2E_HOLDER=$!
    for _ in $(seq 100); do [ -e "$E2E_H/held" ] && return 0; sleep 0.1; done
    echo "the file holder did not start"
    return 1
}

e2e_release() {
    touch "$E2E_H/release"
    wait "$E2E_HOLDER" || true
}
