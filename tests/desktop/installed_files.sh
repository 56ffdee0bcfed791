#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what the desktop gets: every file in place, the desktop
# entry and the AppStream file accepted by their validators, and the installed program answering.
#
#   installed_files.sh <build folder>
set -uo pipefail

build=${1:?usage: installed_files.sh <build folder>}
id=example.larkspan.Larkspan
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is not installed (scripts/bootstrap installs it)"
        exit 1
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

failed=0
fail() { echo "FAIL: $*"; failed=1; }

expected=(
    bin/larkspan
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/larkspan/help/index.html
    share/man/man1/larkspan.1
    share/doc/larkspan/copyright
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "$file is missing"
done

# Every page the help's contents page links to is installed beside it.
help=$prefix/share/larkspan/help
for page in $(grep -o 'href="[a-z]*\.html"' "$help/index.html" | sed 's/href="\(.*\)"/\1/'); do
    [ -s "$help/$page" ] || fail "the help page $page is missing"
done

# Each PNG is drawn at the size its folder names.
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -s "$png" ] || continue
    read -r width height < <(od -An -j16 -N8 -tu1 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "the ${size}x${size} icon is $width x $height"
done

echo "--- desktop-file-validate"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx "Exec=larkspan %f" "$prefix/share/applications/$id.desktop" || fail "the entry does not start larkspan with the file"
grep -qx "MimeType=text/html;" "$prefix/share/applications/$id.desktop" || fail "the entry does not offer to open web pages"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the entry's icon is not $id"
echo "--- appstreamcli validate --no-net"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

echo "--- the installed program"
"$prefix/bin/larkspan" --version || fail "the installed larkspan --version"

[ "$failed" -eq 0 ] && echo "PASS"
exit "$failed"
