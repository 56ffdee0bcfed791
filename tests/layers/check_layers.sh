#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a folder at its own level or above: the folders of src/ form
# layers, and each may include only its own headers and those of the layers below it.
#   check_layers.sh <src folder>
set -euo pipefail
src=${1:?usage: check_layers.sh <src folder>}

# Lower numbers are lower layers; folders on one level know nothing of each other.
declare -A level=([page]=0 [platform]=1 [files]=2 [ui]=3 [colours]=4 [images]=4 [source_browser]=4 [wizard]=5
                  [app]=5 [tools]=5 [.]=6)

status=0
while IFS= read -r file; do
    relative=${file#"$src"/}
    folder=$(dirname "$relative")
    [ "$folder" = "." ] || folder=${folder%%/*}
    if [ -z "${level[$folder]+set}" ]; then
        echo "$relative: the folder $folder has no layer; give it one in ${BASH_SOURCE[0]##*/}"
        status=1
        continue
    fi
    while IFS=: read -r line included; do
        target=${included%%/*}
        [ "$target" = "$folder" ] && continue
        if [ "$included" = "$target" ] || [ -z "${level[$target]+set}" ]; then
            echo "$relative:$line: \"$included\" names no folder of src/; include it by its folder"
            status=1
        elif [ "${level[$target]}" -ge "${level[$folder]}" ]; then
            echo "$relative:$line: $folder includes \"$included\", which is not below it"
            status=1
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" \
                 | sed -E 's/^([0-9]+):[^"]*"([^"]+)".*/\1:\2/')
    # The core is standard C++ only.
    if [ "$folder" = page ] && grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        echo "$relative: the core includes Qt"
        status=1
    fi
done < <(find "$src" -name '*.h' -o -name '*.cpp' | sort)

[ "$status" -eq 0 ] && echo "Every include in $src runs downward."
exit "$status"
