#!/usr/bin/env bash
# Saves the pages with make_pages and checks them in Debian's headless Chromium through check_pages.mjs.
#
#   run.sh <make_pages binary> <work folder> [screenshot folder]
#
# A missing browser or Node.js is a failure, not a skip: scripts/bootstrap installs them.
set -euo pipefail
make_pages=${1:?usage: run.sh <make_pages binary> <work folder> [screenshot folder]}
work=${2:?usage: run.sh <make_pages binary> <work folder> [screenshot folder]}
here=$(cd "$(dirname "$0")" && pwd)

for tool in node npm /usr/bin/chromium; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/bootstrap installs it)"; exit 1; }
done
if [ ! -d "$here/node_modules/playwright-core" ]; then
    (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

"$make_pages" "$work"  # replaces its own files, leaves the rest of the folder alone
node "$here/check_pages.mjs" "$work" ${3:+"$3"}
