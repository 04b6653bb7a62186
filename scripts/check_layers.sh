#!/usr/bin/env bash
# Checks that the source folders stay layers: each folder includes only its own headers and
# those of the folders below it, so no folder reaches up (nothing below app/ includes "app/")
# and no two folders include each other. The core (deck/, output/) includes no Qt.
# Usage: check_layers.sh SOURCE_DIR (the repository's src/ folder).
set -euo pipefail
src="${1:?usage: check_layers.sh SRC_DIR}"

# The folder a file or an include belongs to: output/devices is a layer of its own.
folder_of() {
    case "$1" in
        output/devices/*) echo output/devices ;;
        */*) echo "${1%%/*}" ;;
        *) echo . ;;
    esac
}

# What each folder may include besides itself, lowest first.
allowed_below() {
    case "$1" in
        deck) echo "" ;;
        output) echo "deck" ;;
        cli) echo "deck output" ;;
        ui) echo "deck" ;;
        stack) echo "deck ui" ;;
        output/devices) echo "deck output" ;;
        commands) echo "deck output ui stack output/devices" ;;
        app) echo "deck output ui stack output/devices commands" ;;
        .) echo "app" ;;
        *) return 1 ;;
    esac
}

status=0
cd "$src"
while IFS= read -r file; do
    from=$(folder_of "$file")
    if ! below=$(allowed_below "$from"); then
        echo "$file: the folder '$from' has no place among the layers in $0" >&2
        status=1
        continue
    fi
    while IFS= read -r included; do
        to=$(folder_of "$included")
        [ "$to" = . ] && continue  # a header beside the file or a system header
        [ "$to" = "$from" ] && continue
        [[ " $below " == *" $to "* ]] && continue
        echo "$file includes \"$included\": $from may include only: ${below:-nothing}" >&2
        status=1
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    case "$from" in
        deck | output | cli)
            if grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
                echo "$file includes Qt: $from builds without it" >&2
                status=1
            fi
            ;;
    esac
done < <(find . -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%P\n' | sort)
exit $status
