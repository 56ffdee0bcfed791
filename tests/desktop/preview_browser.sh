#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Preview in Browser in a real X window. A stand-in web browser, registered the freedesktop way (a desktop entry and
# mimeapps.list in the wizard's own data and configuration folders), records the address it is given and keeps a
# copy of the page; headless Chromium then opens that address and must show both pictures, and the page must be the
# one Finish saves, byte for byte. The preview folder must be private while the wizard runs and gone after, and the
# browser, which xdg-open runs in the foreground, must outlive the wizard. A second run, with no way to start a
# browser, and a third, where xdg-open starts but finds no browser, must give the message.
#
#   preview_browser.sh <larkspan binary>
set -uo pipefail

binary=${1:?usage: preview_browser.sh <larkspan binary>}
. "$(dirname "$0")/xsession.sh"

for tool in xdg-open xdg-mime file; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/bootstrap installs it)"
done

pages="$work/pages"
mkdir -p "$pages" "$work/pictures" "$work/data/applications" "$work/config" "$work/seen"
convert -size 120x80 gradient:skyblue-navy "$work/pictures/shot.png"
convert -size 40x40 xc:'#F4F0E0' -fill '#E6DCC0' -draw 'circle 20,20 20,8' "$work/pictures/tile.webp"

# The stand-in: writes down the address and copies the page it names before the wizard can change or remove it,
# then stays open as a browser does.
cat >"$work/standin" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$1" >>"$work/addresses"
cp "\$(printf '%s' "\$1" | sed 's|^file://||')" "$work/seen/page.htm"
printf '%s\n' "\$\$" >"$work/standin.pid"
exec sleep 60 </dev/null >/dev/null 2>&1
SCRIPT
chmod +x "$work/standin"
cat >"$work/data/applications/standin-browser.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Stand-in Browser
Exec=$work/standin %u
MimeType=text/html;x-scheme-handler/http;x-scheme-handler/https;
ENTRY
cat >"$work/config/mimeapps.list" <<LIST
[Default Applications]
text/html=standin-browser.desktop
x-scheme-handler/http=standin-browser.desktop
x-scheme-handler/https=standin-browser.desktop
LIST

# --- First run: the stand-in is the desktop's web browser.
wizardEnv=(XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime")
mkdir -m 0700 "$work/runtime"
startWizard
answerWithPictures
xdotool key alt+p
step "Preview in Browser"
for _ in $(seq 50); do
    [ -s "$work/addresses" ] && break
    sleep 0.1
done
[ -s "$work/addresses" ] || fail "the stand-in browser was given no address"
address=$(head -n1 "$work/addresses")
echo "the browser was given $address"
# xdg-open hands a program for local files the path that the file address names.
page=${address#file://}
folder=$(dirname "$page")
[ -f "$page" ] || fail "the browser was given no page file: $address"
[ "$(dirname "$folder")" = "$work/runtime" ] || fail "the preview is not in the runtime folder: $folder"
[ "$(stat -c %a "$folder")" = 700 ] || fail "the preview folder is open to others: $(stat -c %a "$folder")"
[ -n "${PREVIEW_SHOTS:-}" ] && import -window root "$PREVIEW_SHOTS/preview.png"
/usr/bin/python3 "$(dirname "$0")/pictures_shown.py" "file://$page" 2 ${PREVIEW_SHOTS:+"$PREVIEW_SHOTS/chromium.png"} || fail "Chromium does not show the preview's pictures"

focusMain
xdotool key alt+f
chooseFile 'Save your web page' page
focused 'Larkspan'
xdotool key alt+n
step "No to copying the pictures"
focused 'Larkspan'
xdotool key alt+n
ended "No to another page"
standin=$(cat "$work/standin.pid")
kill -0 "$standin" 2>/dev/null || fail "the browser was closed with the wizard"
kill "$standin"
cmp -s "$work/seen/page.htm" "$pages/page.htm" || fail "the preview is not the page that Finish saved"
[ ! -e "$folder" ] || fail "the preview folder is still there after the wizard ended: $(ls -A "$folder")"

# --- Second run: no way to start a browser at all.
wizardEnv=(PATH=/nonexistent BROWSER= DEFAULT_BROWSER= XDG_DATA_HOME="$work/data")
: >"$work/addresses"
startWizard
answerWithPictures
xdotool key alt+p
step "Preview in Browser without a browser"
message=$(window 'Larkspan') || fail "no message said that no browser could be started"
[ -n "${PREVIEW_SHOTS:-}" ] && import -window root "$PREVIEW_SHOTS/no-browser.png"
xdotool windowfocus --sync "$message"
xdotool key Return
step "OK to the message"
gone 'Larkspan' || fail "the message stayed open"
[ ! -s "$work/addresses" ] || fail "a browser was started after all"
focusMain
xdotool key Escape
ended "Escape on the Finish page"

# --- Third run: xdg-open starts but finds no browser, and says so only by its exit status. Nothing is registered in
# the private folders, the system's registrations (the installed Chromium's among them) are out of its sight, and
# BROWSER names no program, so that its own list of well-known browsers is not tried either. The registration is the
# test's own and goes; nothing else may be left in the configuration folder at the end.
rm "$work/config/mimeapps.list"
mkdir -p "$work/bare"
wizardEnv=(XDG_DATA_HOME="$work/bare" XDG_DATA_DIRS="$work/bare" XDG_CONFIG_DIRS="$work/bare"
    BROWSER="$work/no-such-browser" MAILCAPS="$work/bare/mailcap")
startWizard
answerWithPictures
xdotool key alt+p
step "Preview in Browser where xdg-open finds no browser"
message=$(window 'Larkspan') || fail "no message said that no browser could be started when xdg-open found none"
grep -q "no method available" "$work/wizard.log" || fail "xdg-open did not say that it found no browser"
transient=$(xprop -id "$message" WM_TRANSIENT_FOR 2>/dev/null)
[ "${transient##* }" = "$(printf '0x%x' "$main")" ] || fail "the message is not over the wizard's window: $transient"
[ -n "${PREVIEW_SHOTS:-}" ] && import -window root "$PREVIEW_SHOTS/xdg-open-no-browser.png"
xdotool windowfocus --sync "$message"
xdotool key Return
step "OK to the late message"
gone 'Larkspan' || fail "the late message stayed open"
[ ! -s "$work/addresses" ] || fail "a browser was started after all"
focusMain
xdotool key Escape
ended "Escape on the Finish page after the late message"
nothingWritten
echo "PASS: the preview shown by the desktop's browser with both pictures, the page Finish saves, its folder private" \
    "and gone at the end, the browser still open; without a browser, and where xdg-open finds none, the message"
