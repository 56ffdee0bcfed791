#!/usr/bin/env bash
# Drives the built wizard in a real X window, as a person would, through what the offscreen platform cannot show:
# pastes from an empty clipboard and selection, Escape under open drop-down lists and menus, the colour dialog, a
# named pipe typed into the file dialog as the page picture, and the settings that Qt's dialogs would keep.
#
#   real_window.sh <path of the larkspan binary>
#
# It starts its own Xvfb on a free display and fails on a crash, a hang or a file written where none may be.
# Exit 77 (a skip) only where no X server can be started at all.
set -uo pipefail

binary=${1:?usage: real_window.sh <larkspan binary>}
for tool in Xvfb xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (scripts/bootstrap installs it)"
        exit 77
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

Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "SKIP: no X server could be started:"
    cat "$work/xvfb.log"
    exit 77
fi
export DISPLAY=":$(head -n1 "$work/display")"

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

mkdir -p "$work/home" "$work/config" "$work/pages"
mkfifo "$work/pages/pipe.gif"
cd "$work/pages"
# No window manager: the main window stands at the screen's top left, which the coordinates below rely on.
HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$binary" >"$work/wizard.log" 2>&1 &
wizard=$!
main=$(window 'Larkspan 1.1') || fail "no wizard window appeared"
focusMain
xdotool key alt+s
step "Start"

# Escape folds an open list and nothing else.
xdotool key Down
xdotool key alt+Down
step "opening the layout list"
xdotool key Escape
step "Escape in the open layout list"
click 567 265
step "opening the heading size list"
xdotool key Escape
step "Escape in the open heading size list"

xdotool key alt+n
step "Next to the colours"
click 171 92
click 189 116
step "ticking Background Color"
click 330 116
step "opening the background colour menu"
xdotool key Escape
step "Escape in the open colour menu"
click 330 116
click 377 135
step "Custom... in the colour menu"
window 'Select Color' >/dev/null || fail "the colour dialog did not open"
xdotool key alt+a Return
step "adding a custom colour and OK"
gone 'Select Color' || fail "the colour dialog stayed open"

focusMain
xdotool key alt+n
step "Next to the image"
xdotool key alt+m
step "ticking Include Image"
click 305 95
window 'Select an Image' >/dev/null || fail "the file dialog did not open"
xdotool type --delay 20 'pipe.gif'
xdotool key Return
step "a named pipe typed as the page picture"
window 'Larkspan' >/dev/null || fail "no message for a named pipe as the picture: the window hangs"
xdotool key Return
step "OK on the message"

focusMain
xdotool key alt+n
step "Next to the page text"
for paste in "key ctrl+v" "key shift+Insert" "click 2"; do
    xdotool mousemove 360 120 sleep 0.1
    xdotool $paste
    step "$paste in the page text box with nothing to paste"
done

xdotool key alt+n
step "Next to the bullets"
for paste in "key ctrl+v" "key shift+Insert" "click 2"; do
    click 400 100
    xdotool $paste
    step "$paste in the item box with nothing to paste"
done
click 200 86
step "opening the bullet style list"
xdotool key Escape
step "Escape in the open bullet style list"

# Escape outside any pop-up is Cancel, which ends the program.
focusMain
xdotool key Escape
last="Escape on the bullet page"
for _ in $(seq 50); do
    kill -0 "$wizard" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$wizard" 2>/dev/null && fail "Escape outside any pop-up did not end the program"
wait "$wizard"
status=$?
wizard=''
[ "$status" -eq 0 ] || fail "the wizard ended with status $status"

written=$(cd "$work" && find home config -type f)
[ -z "$written" ] || fail "files were written beside the page: $written"
echo "PASS: the real window survived every step"
