#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built wizard as a screen reader meets it: in its own Xvfb, on a private session bus with the desktop's
# accessibility bus switched on as a screen reader switches it on, read and driven through AT-SPI by
# accessibility.py (Debian's Python and pyatspi).
#
#   accessibility.sh <path of the larkspan binary>
set -uo pipefail

binary=${1:?usage: accessibility.sh <larkspan binary>}
. "$(dirname "$0")/xsession.sh"

[ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi2-core is not installed (scripts/bootstrap test installs it)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed (scripts/bootstrap test)"
# What Orca does when it starts: the accessibility bus starts on the session bus, and toolkits are told to use it.
dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null ||
    fail "the accessibility bus did not start"

startWizard
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$wizard" || fail "the screen reader's view of the wizard"
xdotool key Escape
ended "Escape on the Layout page"
