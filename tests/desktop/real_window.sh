#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the built wizard in a real X window, as a person would, through what the offscreen platform cannot show:
# pastes from an empty clipboard and selection, Escape under open drop-down lists and menus, the colour dialog, a
# named pipe typed into the file dialog as the page picture, and the settings that Qt's dialogs would keep; then
# the picture dialog once more on a GNOME desktop, where it is GTK's.
#
#   real_window.sh <path of the larkspan binary>
#
# It fails on a crash, a hang or a file written where none may be.
set -uo pipefail

binary=${1:?usage: real_window.sh <larkspan binary>}
. "$(dirname "$0")/xsession.sh"

startWizard
mkfifo "$work/pages/pipe.gif"
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
focused 'Select Color'
xdotool key alt+a Return
step "adding a custom colour and OK"
gone 'Select Color' || fail "the colour dialog stayed open"

focusMain
xdotool key alt+n
step "Next to the image"
xdotool key alt+m
step "ticking Include Image"
click 305 95
focused 'Select an Image'
xdotool type --delay 20 'pipe.gif'
xdotool key Return
step "a named pipe typed as the page picture"
focused 'Larkspan'
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

# Escape outside any pop-up is Cancel, which ends the program; the window goes with the focus and a selection in
# a text box and entries in the list (on the sanitizer build, any use of a page or control already gone fails).
focusMain
click 400 100
xdotool type --delay 20 'last item'
xdotool key Return
xdotool type --delay 20 'typed'
xdotool key ctrl+a
step "an item added and text selected in the item box"
xdotool key Escape
ended "Escape outside any pop-up, the focus in the item box"
nothingWritten

# On a GNOME desktop Qt takes GTK's theme and GTK's file dialog, where qt6-gtk-platformtheme is installed, as
# Debian installs it with Qt. The picture dialog is opened and cancelled; what GTK keeps of it is the desktop's.
DESKTOP=GNOME startWizard
if grep -q libqgtk3 "/proc/$wizard/maps"; then
    echo "note: on GNOME the wizard runs with GTK's theme"
else
    echo "note: on GNOME the wizard runs with Qt's own theme: qt6-gtk-platformtheme is not installed"
fi
# GTK's font is larger than Qt's own, so the window has grown: the Browse button is reached by the keyboard.
for key in alt+s Down alt+n alt+n alt+m Tab Tab space; do
    xdotool key "$key"
    step "$key on GNOME"
done
step "the picture dialog on GNOME"
dialog=$(window 'Select an Image') || fail "the picture dialog did not open on GNOME"
xdotool windowfocus --sync "$dialog" key Escape
gone 'Select an Image' || fail "Escape left the picture dialog open on GNOME"
focusMain
xdotool key Escape
ended "Escape on GNOME"
nothingWritten
echo "PASS: the real window survived every step"
