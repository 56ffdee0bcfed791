# Shared by the tests that drive the built wizard in a real X window: sourced, never run. It starts an Xvfb of its
# own on a free display, and gives the steps their checks. No X server is a failure, never a skip.

for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed (scripts/bootstrap installs it)"
        exit 1
    fi
done

work=$(mktemp -d)
xvfb=''
wizard=''
cleanup() {
    [ -n "$wizard" ] && kill "$wizard" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# -noreset: the server would otherwise restart, refusing connections, whenever the last wizard closes. Another
# server starting at the same moment may take the display that this one was told, so it tries again.
for _ in 1 2 3 4 5; do
    : >"$work/display"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$work/display" 2>"$work/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb" 2>/dev/null || break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$work/display")"
    for _ in $(seq 30); do
        kill -0 "$xvfb" 2>/dev/null && xdotool getdisplaygeometry >/dev/null 2>&1 && break 2
        sleep 0.1
    done
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    xvfb=''
done
if [ -z "$xvfb" ]; then
    echo "FAIL: no X server could be started:"
    cat "$work/xvfb.log"
    exit 1
fi

last='the start'
fail() {
    echo "FAIL: $*"
    echo "last step: $last"
    # A picture of the screen as the step left it, where one is asked for.
    [ -n "${REAL_WINDOW_SHOT:-}" ] && import -window root "$REAL_WINDOW_SHOT" 2>/dev/null
    [ -s "$work/wizard.log" ] && { echo "--- the wizard's output"; cat "$work/wizard.log"; }
    exit 1
}

# The step just done must have left the wizard running and answering.
step() {
    last=$1
    sleep 0.4
    kill -0 "$wizard" 2>/dev/null || fail "the wizard ended after: $1"
}

# The id of the first window whose whole title matches, waited for up to five seconds.
window() {
    local id=''
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits, as a person would, until the window of that title has the keyboard focus; fails if it never gets it.
focused() {
    local id
    id=$(window "$1") || fail "the window \"$1\" did not open"
    for _ in $(seq 50); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$id" ] && return 0
        sleep 0.1
    done
    fail "the window \"$1\" never got the keyboard focus"
}

gone() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

focusMain() { xdotool windowfocus --sync "$main"; }
# Without --sync, which waits for a move that never comes when the pointer is already there.
click() { xdotool mousemove "$1" "$2" sleep 0.1 click "${3:-1}"; }


# Starts the wizard in $work/pages with a home and a configuration folder of its own; sets $wizard and $main.
# No window manager: the main window stands at the screen's top left, which the coordinates of the tests rely on.
startWizard() {
    mkdir -p "$work/home" "$work/config" "$work/pages"
    (cd "$work/pages" && HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
        exec "$binary" "$@" >"$work/wizard.log" 2>&1) &
    wizard=$!
    main=$(window 'Larkspan 1.1') || fail "no wizard window appeared"
    focusMain
}

# Waits up to five seconds for the wizard to end, and fails unless it ended well.
ended() {
    for _ in $(seq 50); do
        kill -0 "$wizard" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$wizard" 2>/dev/null && fail "the wizard did not end: $1"
    wait "$wizard"
    local status=$?
    wizard=''
    [ "$status" -eq 0 ] || fail "the wizard ended with status $status: $1"
}

# Fails when Qt or anything else wrote into the home or configuration folder.
nothingWritten() {
    local written
    written=$(cd "$work" && find home config -type f)
    [ -z "$written" ] || fail "files were written beside the page: $written"
}
