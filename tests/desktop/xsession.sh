# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that drive the built wizard in a real X window: sourced, never run. It starts an Xvfb of its
# own on a free display, and gives the steps their checks. No X server is a failure, never a skip.

for tool in Xvfb xdotool dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed (scripts/bootstrap installs it)"
        exit 1
    fi
done

# A desktop runs its programs inside a session bus of its own; so does every test here, on a private bus that ends
# with the test. The desktop the developer runs the tests on, if any, is never reached.
if [ -z "${XSESSION_PRIVATE_BUS:-}" ]; then
    XSESSION_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

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

# The id of the first window whose whole title matches, waited for up to fifteen seconds, as a busy machine or a
# sanitized build may need.
window() {
    local id=''
    for _ in $(seq 150); do
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

# Types into the focused file dialog's name box and takes it.
chooseFile() {
    focused "$1"
    xdotool key ctrl+a
    xdotool type --delay 10 "$2"
    xdotool key Return
    step "$2 in \"$1\""
}

# A Basic Style page with the background picture tile.webp and the page picture shot.png from $work/pictures,
# then on to the Finish page.
answerWithPictures() {
    xdotool key alt+s
    step "Start"
    xdotool key Down
    xdotool key alt+n
    step "Basic Style, Next to the colours"
    click 171 258
    click 571 289
    chooseFile 'Select an Image' "$work/pictures/tile.webp"
    focusMain
    xdotool key alt+n
    step "Next to the image"
    xdotool key alt+m
    step "Include Image"
    # Browse, reached by the keyboard: it follows the box, which follows the ticked check box.
    xdotool key Tab Tab space
    chooseFile 'Select an Image' "$work/pictures/shot.png"
    focusMain
    for _ in 1 2 3 4; do
        xdotool key alt+n
        step "Next"
    done
}
# Without --sync, which waits for a move that never comes when the pointer is already there.
click() { xdotool mousemove "$1" "$2" sleep 0.1 click "${3:-1}"; }


# Settings of the wizard's environment beyond those below, as NAME=value words.
wizardEnv=()

# Starts the wizard in $work/pages with a home and a configuration folder of its own; sets $wizard and $main.
# No window manager: the main window stands at the screen's top left, which the coordinates of the tests rely on.
# The desktop is none in particular, so that Qt's own theme and dialogs are used, unless DESKTOP names one (GNOME,
# say, under which Qt takes GTK's theme and dialogs where qt6-gtk-platformtheme is installed).
startWizard() {
    mkdir -p "$work/home" "$work/config" "$work/pages"
    local desktop=(-u XDG_CURRENT_DESKTOP)
    [ -n "${DESKTOP:-}" ] && desktop=(XDG_CURRENT_DESKTOP="$DESKTOP")
    (cd "$work/pages" && exec env -u DESKTOP_SESSION -u GNOME_DESKTOP_SESSION_ID -u KDE_FULL_SESSION \
        -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u GTK_THEME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
        "${desktop[@]}" HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
        "${wizardEnv[@]}" "$binary" "$@" >"$work/wizard.log" 2>&1) &
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

# What the desktop's own services may keep in a user's home while a program runs, each with who writes it. They are
# named when found, never taken for the wizard's.
desktopFiles=(
    'home/.dbus/session-bus/*' "the session bus address that dbus-launch keeps when it starts a bus (dbus-x11)"
    'home/.local/share/recently-used.xbel' "GTK's list of recently used files, kept by GTK's file dialog"
    'config/dconf/user' "dconf's settings database, written when GTK stores a setting"
    'home/.cache/dconf/user' "dconf's mark of a changed setting, kept in the cache when there is no XDG_RUNTIME_DIR"
    'home/.cache/fontconfig/*' "fontconfig's cache of the fonts"
)

# Fails when Qt, the wizard or anything else but the desktop's services wrote into the home or configuration
# folder.
nothingWritten() {
    local file i known written=()
    while IFS= read -r file; do
        known=''
        for ((i = 0; i < ${#desktopFiles[@]}; i += 2)); do
            # shellcheck disable=SC2053 # the pattern is meant to match
            [[ $file == ${desktopFiles[i]} ]] && known=${desktopFiles[i + 1]} && break
        done
        if [ -n "$known" ]; then
            echo "note: $file is the desktop's, not the wizard's: $known"
        else
            written+=("$file")
        fi
    done < <(cd "$work" && find home config -type f)
    [ ${#written[@]} -eq 0 ] || fail "files were written beside the page: ${written[*]}"
}
