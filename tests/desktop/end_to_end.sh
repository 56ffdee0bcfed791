#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes whole pages with the built wizard in a real X window, by keyboard and mouse through Qt's own dialogs, and
# checks each saved file byte for byte against what the page library writes for the same answers.
#
#   end_to_end.sh <larkspan binary> <expected_page tool>
#
# First run: every page answered, the overwrite question refused once and then accepted, "No" to another page.
# Second run: "Yes" to another page, which must bring the wizard back exactly as it started. Third run: the save
# dialog cancelled, which must save nothing and keep the wizard on the Finish page. Fourth run: the first page
# opened from the command line and saved over itself, the same bytes, also under a name that is not UTF-8. Fifth:
# a text file refused with a message. Then three pages whose PNG and WebP pictures come from another folder than the
# one the page is saved to: Yes to copying them (the copies equal, and Chromium shows them on the saved page), No
# (the folder holds the page alone), and Yes over a different file of the same name (left as it was).
set -uo pipefail

binary=${1:?usage: end_to_end.sh <larkspan binary> <expected_page tool>}
expected=${2:?usage: end_to_end.sh <larkspan binary> <expected_page tool>}
. "$(dirname "$0")/xsession.sh"

pages="$work/pages"
mkdir -p "$pages"
convert -size 30x20 xc:red "$pages/logo.gif"
convert -size 8x8 xc:yellow "$pages/tile.gif"
printf 'First line\nSecond line\n' >"$pages/notes.txt"
printf 'an older page\r\n' >"$pages/garden.htm"
mkdir -p "$work/pictures" "$work/yes" "$work/no" "$work/clash"
convert -size 24x16 xc:blue "$work/pictures/shot.png"
convert -size 6x6 xc:green "$work/pictures/tile.webp"

title() { xdotool getwindowname "$main"; }

# The saved file must be what the page library writes for the answers.
sameAsLibrary() {
    local file=$1
    shift
    "$expected" "$work/expected.htm" "$@" || fail "the page library could not write the expected page"
    cmp -s "$work/expected.htm" "$pages/$file" || {
        diff <(tr '\r' '~' <"$work/expected.htm") <(tr '\r' '~' <"$pages/$file") | head -20
        fail "$file is not the page the library writes for the same answers"
    }
}

# From the Layout page to Finish by Next alone.
nextToFinish() {
    for _ in 1 2 3 4 5 6; do
        xdotool key alt+n
        step "Next"
    done
    [ "$(title)" = 'Larkspan 1.1- Final Step: Finish your page' ] || fail "Next by Next led to \"$(title)\", not Finish"
}

# --- First run: everything answered.
startWizard
sleep 0.5
firstSeen="$work/start.png"
import -window root "$firstSeen"
xdotool key alt+s
step "Start"
xdotool key Down Down Down Down
click 375 216
xdotool type --delay 10 'My Garden'
click 353 264
xdotool type --delay 10 "Bob's roses"
click 567 265
xdotool key Down Return
step "the layout, title, heading and size"

xdotool key alt+n
step "Next to the colours"
click 171 92
click 189 116
click 330 116
xdotool key n
step "Navy from the background colour menu"
click 189 140
click 330 140
xdotool key c
focused 'Select Color'
xdotool key alt+h ctrl+a
xdotool type --delay 10 '#123456'
xdotool key Return
step "a text colour typed in the colour dialog"
gone 'Select Color' || fail "the colour dialog stayed open"
focusMain
click 171 258
click 571 289
chooseFile 'Select an Image' tile.gif

focusMain
xdotool key alt+n
step "Next to the image"
xdotool key alt+m
step "Include Image"
click 305 95
chooseFile 'Select an Image' logo.gif

focusMain
xdotool key alt+n
step "Next to the text"
click 566 285
chooseFile 'Import a Text File' notes.txt
focusMain
xdotool key alt+m
step "the Enter key mask"
click 360 180
xdotool key ctrl+End
xdotool type --delay 10 'Hello'
xdotool key Return
xdotool type --delay 10 'World'
step "text typed after the import"

xdotool key alt+n
step "Next to the bullets"
xdotool type --delay 10 'Roses'
xdotool key Return
xdotool type --delay 10 'Tulips'
xdotool key Return
click 200 86
xdotool key Down Return
step "two items in square bullets"

xdotool key alt+n
step "Next to the links"
xdotool type --delay 10 'http://example.com/'
xdotool key Tab
xdotool type --delay 10 "Bob's page"
xdotool key alt+a
click 375 97
xdotool type --delay 10 'C:\My Pages\home.htm'
xdotool key Tab
xdotool type --delay 10 'Home'
xdotool key alt+a
step "two links"
xdotool key alt+x
step "the jump menu"

xdotool key alt+n
step "Next to the finish"
xdotool type --delay 10 'bob@example.com'
click 513 273
focused 'Source Browser - Read Only'
xdotool key Escape
gone 'Source Browser - Read Only' || fail "Escape did not close the source browser"
step "the source browser"

focusMain
xdotool key alt+f
chooseFile 'Save your web page' garden
# The file is there: Qt's dialog asks, and "No" leaves it and the dialog as they were.
xdotool key alt+n
step "No to replacing garden.htm"
[ "$(cat "$pages/garden.htm")" = $'an older page\r' ] || fail "No to the overwrite question changed the file"
# Without a window manager nothing hands the focus back to the dialog when the question closes.
xdotool windowfocus --sync "$(window 'Save your web page')"
chooseFile 'Save your web page' garden
xdotool key alt+y
step "Yes to replacing garden.htm"
focused 'Larkspan'
xdotool key Escape
step "Escape on the congratulation, which is no answer"
xdotool key alt+n
ended "No to another page"
sameAsLibrary garden.htm layout=4 title='My Garden' heading="Bob's roses" size=2 \
    bg=' BGCOLOR="#000080"' fg=' TEXT="#123456"' background=tile.gif image=logo.gif width=30 height=20 \
    text='First line<BR>\r\nSecond line<BR>\r\nHello\r\n<BR>\r\nWorld' bullet=Roses bullet='\r\nTulips' style=1 \
    link="http://example.com/\\tBob's page" link='C:\My Pages\home.htm\tHome' jump=1 email=bob@example.com

# --- Second run: another page after the first.
startWizard
xdotool key alt+s
step "Start"
xdotool key Down
click 375 216
xdotool type --delay 10 'Second'
nextToFinish
xdotool key alt+f
chooseFile 'Save your web page' second
focused 'Larkspan'
xdotool key alt+y
step "Yes to another page"
[ "$(title)" = 'Larkspan 1.1' ] || fail "after Yes the wizard shows \"$(title)\", not the Welcome page"
# The window as it first showed.
import -window root "$work/again.png"
differing=$(compare -metric AE "$firstSeen" "$work/again.png" null: 2>&1)
[ "${differing%% *}" -eq 0 ] 2>/dev/null || fail "the wizard after Yes differs from its start in $differing pixels"
sameAsLibrary second.htm layout=1 title=Second
focusMain
xdotool key Escape
ended "Escape on the Welcome page"

# --- Third run: the save dialog cancelled.
startWizard
xdotool key alt+s
step "Start"
xdotool key Down
nextToFinish
xdotool key alt+f
focused 'Save your web page'
xdotool key Escape
step "Cancel in the save dialog"
gone 'Save your web page' || fail "the save dialog stayed open"
[ "$(title)" = 'Larkspan 1.1- Final Step: Finish your page' ] ||
    fail "after cancelling the save the wizard shows \"$(title)\", not the Finish page"
[ "$(cd "$pages" && ls ./*.htm | wc -l)" -eq 2 ] || fail "a cancelled save wrote a file"
focusMain
xdotool key Escape
ended "Escape on the Finish page"

# --- Fourth run: the first page opened again from the command line, and saved over itself unchanged.
cp "$pages/garden.htm" "$work/garden.made"
startWizard garden.htm
[ "$(title)" = 'Larkspan 1.1' ] || fail "an opened page shows \"$(title)\", not the Welcome page"
xdotool key alt+s
step "Start with garden.htm opened"
nextToFinish
xdotool key alt+f
focused 'Save your web page'
# The dialog holds the opened page's name in its folder: Return and one Yes save over it.
xdotool key Return
step "the opened page's own name"
xdotool key alt+y
step "Yes to replacing garden.htm"
focused 'Larkspan'
xdotool key alt+n
ended "No to another page after saving the opened page"
cmp -s "$work/garden.made" "$pages/garden.htm" || fail "garden.htm opened and saved again is not the file it was"

# The same page under a name whose bytes are not UTF-8 (e-acute in Latin-1), opened and saved over itself: the same
# file, nothing written under another name. Qt's dialog does not see such a file, so it asks nothing.
latin=$(printf 'caf\xe9.htm')
cp "$work/garden.made" "$pages/$latin"
startWizard "$latin"
[ "$(title)" = 'Larkspan 1.1' ] || fail "the page named in Latin-1 shows \"$(title)\", not the Welcome page"
xdotool key alt+s
step "Start with the page named in Latin-1 opened"
nextToFinish
xdotool key alt+f
focused 'Save your web page'
xdotool key Return
step "the Latin-1 name in the dialog"
focused 'Larkspan'
xdotool key alt+n
ended "No to another page after saving the page named in Latin-1"
cmp -s "$work/garden.made" "$pages/$latin" || fail "the page named in Latin-1, opened and saved, is not the file it was"
rm "$pages/$latin"
ls -A "$pages" | grep -q "^caf" && fail "the page named in Latin-1 was also written under another name: $(ls -A "$pages" | cat -v)"

# --- Fifth run: a file that is no page of ours is named in a message, and the wizard starts empty.
startWizard notes.txt
# Without a window manager nothing hands the message the focus that startWizard gave the main window.
message=$(window 'Larkspan') || fail "no message named the refused file"
xdotool windowfocus --sync "$message"
xdotool key Return
step "OK to the message that notes.txt cannot be opened"
gone 'Larkspan' || fail "the message stayed open"
focusMain
xdotool key alt+s
step "Start after the refused file"
[ "$(title)" = 'Larkspan 1.1 - Select a page layout' ] || fail "after the refused file the wizard shows \"$(title)\""
xdotool key Escape
ended "Escape on the Layout page"
[ "$(cat "$pages/notes.txt")" = $'First line\nSecond line' ] || fail "the refused file changed"

# A Basic Style page with the background picture and the page picture from $work/pictures, saved as page.htm in
# the folder given, up to the question that offers to copy the pictures.
pageWithPictures() {
    startWizard
    answerWithPictures
    xdotool key alt+f
    chooseFile 'Save your web page' "$1/page"
    # The page is written before the question comes; a sanitized build on a busy machine may take a while.
    for _ in $(seq 150); do
        [ -f "$1/page.htm" ] && break
        sleep 0.1
    done
    [ -f "$1/page.htm" ] || fail "the page was not saved before the question"
    focused 'Larkspan'
}

# --- Sixth run: Yes copies both pictures beside the page, and a browser shows them there.
pageWithPictures "$work/yes"
xdotool key alt+y
step "Yes to copying the pictures"
focused 'Larkspan'
xdotool key alt+n
ended "No to another page after copying the pictures"
for picture in shot.png tile.webp; do
    cmp -s "$work/pictures/$picture" "$work/yes/$picture" || fail "$picture was not copied beside the page"
done
/usr/bin/python3 "$(dirname "$0")/pictures_shown.py" "file://$work/yes/page.htm" 2 ||
    fail "Chromium does not show the copied pictures on the saved page"

# --- Seventh run: No copies nothing.
pageWithPictures "$work/no"
xdotool key alt+n
step "No to copying the pictures"
focused 'Larkspan'
xdotool key alt+n
ended "No to another page after not copying"
[ "$(ls -A "$work/no")" = page.htm ] || fail "No to copying left more than the page: $(ls -A "$work/no")"

# --- Eighth run: a different file of the same name is never overwritten.
printf 'another picture' >"$work/clash/shot.png"
pageWithPictures "$work/clash"
xdotool key alt+y
step "Yes to copying over a different shot.png"
focused 'Larkspan'
xdotool key Return
step "OK to the message naming shot.png"
focused 'Larkspan'
xdotool key alt+n
ended "No to another page after the clash"
[ "$(cat "$work/clash/shot.png")" = 'another picture' ] || fail "the different shot.png was overwritten"
cmp -s "$work/pictures/tile.webp" "$work/clash/tile.webp" || fail "tile.webp was not copied beside shot.png"
[ "$(ls -A "$work/clash" | tr '\n' ' ')" = 'page.htm shot.png tile.webp ' ] ||
    fail "the clash left other files: $(ls -A "$work/clash")"
nothingWritten
echo "PASS: three pages made, compared and cancelled, one opened and saved again, one refused, three with their" \
    "pictures copied, refused and kept from overwriting, in a real window"
