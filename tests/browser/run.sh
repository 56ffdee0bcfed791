#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves the pages with make_pages and checks them in Debian's headless Chromium through check_pages.py, driven by
# Debian's own Python, Selenium and ChromeDriver.
#
#   run.sh <make_pages binary> <work folder> [screenshot folder]
#
# A missing browser, driver or Python module is a failure, not a skip: scripts/bootstrap installs them.
set -euo pipefail
make_pages=${1:?usage: run.sh <make_pages binary> <work folder> [screenshot folder]}
work=${2:?usage: run.sh <make_pages binary> <work folder> [screenshot folder]}
here=$(cd "$(dirname "$0")" && pwd)

missing() {
    echo "FAIL: $1 is not installed: Debian package $2 (scripts/bootstrap installs it)"
    exit 1
}
[ -x /usr/bin/python3 ] || missing /usr/bin/python3 python3
[ -x /usr/bin/chromium ] || missing /usr/bin/chromium chromium
[ -x /usr/bin/chromedriver ] || missing /usr/bin/chromedriver chromium-driver
/usr/bin/python3 -c 'import selenium' 2>/dev/null || missing "the Python module selenium" python3-selenium

"$make_pages" "$work"  # replaces its own files, leaves the rest of the folder alone
/usr/bin/python3 "$here/check_pages.py" "$work" ${3:+"$3"}
