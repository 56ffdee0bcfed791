#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The wizard in the desktop's language, in a real X window, by keyboard alone with that language's access keys: one
# page made under LANG=de_DE.UTF-8 and the same answers under LANG=C. The German run must show the German captions
# and Qt's German buttons; the English run today's English captions; and the two saved pages must be the same bytes.
# The English run keeps the German regional settings for dates (LC_TIME), as the footer's date follows them.
#
#   languages.sh <larkspan binary> <translations folder>
set -uo pipefail

binary=${1:?usage: languages.sh <larkspan binary> <translations folder>}
sources=${2:?usage: languages.sh <larkspan binary> <translations folder>}
. "$(dirname "$0")/xsession.sh"
translated="/usr/bin/python3 $(dirname "$0")/translated.py"
qtGerman=/usr/share/qt6/translations/qtbase_de.qm
[ -f "$qtGerman" ] || fail "Qt's German translation is not installed (scripts/bootstrap installs qt6-translations-l10n)"

# One page, by keyboard alone. $1: the wizard's translation (- for English), $2: Qt's own, $3: the file's name.
makePage() {
    local ours=$1 qt=$2 name=$3
    # The access key of a caption in this language, pressed with Alt ($3 "menu": alone, as in an open menu).
    key() {
        local chord
        chord=$($translated --key "$ours" "$1" "$2") || fail "no access key for \"$2\""
        [ "${3:-}" = menu ] && chord=${chord#alt+}
        xdotool key "$chord"
        step "$2"
    }
    expectTitle() {
        local want
        want=$($translated "$ours" larkspan::frmWiz "$1")
        [ "$(xdotool getwindowname "$main")" = "$want" ] \
            || fail "the window is called \"$(xdotool getwindowname "$main")\", not \"$want\""
    }

    startWizard
    expectTitle 'Larkspan 1.1'
    key larkspan::frmWiz '&Start >'
    expectTitle 'Larkspan 1.1 - Select a page layout'
    xdotool key Down Down Down Down Tab type --delay 10 'Mein Garten'
    xdotool key Tab type --delay 10 'Rosen & Tulpen'
    key larkspan::frmWiz '&Next >'
    # A button pressed by its key clicks a tenth of a second later, as Qt shows the press: the boxes are enabled then.
    key ColourPage 'C&ustom Colors'
    key ColourPage 'Backg&round Color'
    # Its colour button, then the colour from its menu, once the menu is up (a window of the wizard's own).
    xdotool key Tab sleep 0.4 key space
    local windows=0
    for _ in $(seq 50); do
        windows=$(xdotool search --onlyvisible --pid "$wizard" 2>/dev/null | wc -l)
        [ "$windows" -gt 1 ] && break
        sleep 0.1
    done
    [ "$windows" -gt 1 ] || fail "the colour menu did not open"
    key ColourPage '&Navy' menu
    key larkspan::frmWiz '&Next >'
    key larkspan::frmWiz '&Next >'
    xdotool type --delay 10 'Viele Gruesse aus dem Garten'
    key TextPage 'Enable Key &Mask'
    key larkspan::frmWiz '&Next >'
    xdotool type --delay 10 'Rosen'
    key BulletListPage '&Add Item'
    key larkspan::frmWiz '&Next >'
    xdotool type --delay 10 'http://example.com/'
    xdotool key Tab type --delay 10 'Beispiel'
    key LinksPage '&Add Link'
    key LinksPage 'Combo Bo&x (JavaScript)'
    key larkspan::frmWiz '&Next >'
    expectTitle 'Larkspan 1.1- Final Step: Finish your page'
    xdotool type --delay 10 'rose@example.com'
    key larkspan::frmWiz '&Finish'
    chooseFile "$($translated "$ours" FinishPage 'Save your web page')" "$name"
    focused 'Larkspan'
    # "No" to another page, with the access key of Qt's own button in that language.
    xdotool key "$($translated --key "$qt" QPlatformTheme '&No')"
    ended "No to another page"
    [ -s "$work/pages/$name.htm" ] || fail "no page was saved as $name.htm"
}

wizardEnv=(LANG=de_DE.UTF-8 LC_ALL= LANGUAGE= LC_MESSAGES= LC_TIME=)
makePage "$sources/larkspan_de.ts" "$qtGerman" deutsch
wizardEnv=(LANG=C LC_ALL= LANGUAGE= LC_MESSAGES= LC_TIME=de_DE.UTF-8)
makePage - - english
cmp "$work/pages/deutsch.htm" "$work/pages/english.htm" || {
    diff <(tr '\r' '~' <"$work/pages/english.htm") <(tr '\r' '~' <"$work/pages/deutsch.htm") | head -20
    fail "the page made in German is not the page made in English"
}
for answer in '<TITLE>Mein Garten</TITLE>' 'BGCOLOR="#000080"' '<LI>Rosen' 'http://example.com/' 'rose@example.com'; do
    grep -qF "$answer" "$work/pages/english.htm" || fail "the page does not hold $answer"
done
echo "PASS: the same page in German and in English, by each language's access keys"
