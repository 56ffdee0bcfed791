#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the built wizard in a real X window under a real window manager (openbox, or metacity or xfwm4 when named
# and installed), with the keyboard alone: the
# Source Browser opened from the Finish page and closed, once by Escape and once by the window manager's own close
# key, after which the wizard must be neither minimised nor without the keyboard: Alt+B reaches Back.
#
#   window_manager.sh <path of the larkspan binary> [openbox|metacity|xfwm4]
set -uo pipefail

binary=${1:?usage: window_manager.sh <larkspan binary> [openbox|metacity|xfwm4]}
manager=${2:-openbox}
. "$(dirname "$0")/xsession.sh"

case $manager in
    openbox) start=(openbox --sm-disable) ;;
    metacity) start=(metacity --sm-disable) ;;
    xfwm4) start=(xfwm4 --compositor=off --sm-client-disable) ;;
    *) fail "no such window manager here: $manager" ;;
esac
command -v "$manager" >/dev/null || fail "$manager is not installed (scripts/bootstrap test installs openbox)"
# A configuration of its own in the test's home, so that the developer's does not change the keys.
mkdir -p "$work/home" "$work/config"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" "${start[@]}" >"$work/manager.log" 2>&1 &
windowManager=$!
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "$manager did not start"
trap 'kill "$windowManager" 2>/dev/null; cleanup' EXIT

# The main window is on the screen, not minimised, and has the keyboard.
mainWindowActive() {
    xprop -id "$main" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_HIDDEN && fail "the wizard is minimised: $1"
    for _ in $(seq 50); do
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ] && return 0
        sleep 0.1
    done
    fail "the wizard does not have the keyboard: $1"
}

title() { xdotool getwindowname "$main"; }

startWizard
xdotool key alt+s
step "Start"
xdotool key Down
step "a layout chosen"
for page in colours image text bullets links finish; do
    xdotool key alt+n
    step "Next to the $page"
done
[ "$(title)" = "Larkspan 1.1- Final Step: Finish your page" ] || fail "not on the Finish page: $(title)"

for close in Escape alt+F4; do
    # The Source Browser button follows the e-mail box, which has the focus on entering the page and after a close.
    xdotool key Tab space
    step "the Source Browser opened"
    focused 'Source Browser - Read Only'
    xdotool key "$close"
    gone 'Source Browser - Read Only' || fail "$close left the Source Browser open"
    step "the Source Browser closed by $close"
    mainWindowActive "after $close in the Source Browser"
    xdotool key shift+Tab
done

xdotool key alt+b
step "Alt+B after the Source Browser"
[ "$(title)" = "Larkspan 1.1- Add links to your page" ] || fail "Alt+B did not go back to the links: $(title)"
xdotool key Escape
ended "Escape on the links page"
echo "PASS: the keyboard stayed with the wizard under $manager"
