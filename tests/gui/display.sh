# Sourced (without arguments) by the window tier's scripts after the end-to-end fixture: reruns
# the calling script inside a fresh Xvfb display and leaves with its status; inside, drops the
# marker argument. A Wine server started without that display would serve the run badly, so the
# run starts with none and leaves none behind. Inside, gives screenshot.
stop_wine() {
    WINEPREFIX="$E2E_PREFIX" /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    WINEPREFIX="$E2E_PREFIX" /usr/lib/wine/wineserver64 -w 2>/dev/null || true
}
if [ "${1:-}" != --inside-display ]; then
    stop_wine
    status=0
    xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-display "$@" || status=$?
    stop_wine
    exit $status
fi
shift

# screenshot NAME: the whole display, kept as the build's gui-screenshots/NAME.png.
screenshot() {
    mkdir -p "$BUILD_DIR/gui-screenshots"
    import -window root "$BUILD_DIR/gui-screenshots/$1.png" || echo "no screenshot taken"
}
