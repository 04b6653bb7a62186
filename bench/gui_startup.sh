#!/bin/sh
# Start-up of the real program as the user meets it: the time from starting `tabula` with a
# deck of CARDS made-up cards to its first painted window, minus the same for an empty deck,
# beside `cat` of the same file; each the best of five whole processes, in one run. The
# program is told by TABULA_QUIT_AFTER_FIRST_PAINT to end after that paint. Peak memory is
# the highest of the five runs. Run it on a display, or under `xvfb-run -a`; without one the
# offscreen platform paints.
#   bench/gui_startup.sh BUILD-DIR [CARDS]      (1,000,000 cards unless told)
set -eu
build=${1:?usage: gui_startup.sh BUILD-DIR [CARDS]}
cards=${2:-1000000}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT INT TERM
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$dir/config" TABULA_QUIT_AFTER_FIRST_PAINT=1

"$build/bench/tabula_make_deck" 0 "$dir/empty.tbx"
"$build/bench/tabula_make_deck" "$cards" "$dir/deck.tbx"

# Best of five: wall milliseconds, CPU milliseconds (user + system), peak resident KiB.
measure() {
    for run in 1 2 3 4 5; do
        start=$(date +%s%N)
        /usr/bin/time -f '%U %S %M' -o "$dir/time" "$@" >/dev/null
        end=$(date +%s%N)
        echo "$(((end - start) / 1000000)) $(cat "$dir/time")"
    done | sort -n |
        awk 'NR == 1 { w = $1; c = ($2 + $3) * 1000 } { if ($4 > p) p = $4 } END { print w, c, p }'
}

size=$(stat -c %s "$dir/deck.tbx")
set -- $(measure cat "$dir/deck.tbx"); cat_ms=$1
set -- $(measure "$build/src/tabula" "$dir/empty.tbx"); empty_ms=$1; empty_cpu=$2
set -- $(measure "$build/src/tabula" "$dir/deck.tbx"); deck_ms=$1; deck_cpu=$2; deck_peak=$3

echo "file: $cards cards, $size bytes"
echo "cat:                 ${cat_ms} ms"
echo "tabula, empty deck:  ${empty_ms} ms (CPU ${empty_cpu} ms)"
echo "tabula, the deck:    ${deck_ms} ms (CPU ${deck_cpu} ms), peak ${deck_peak} KiB"
awk -v d="$deck_ms" -v e="$empty_ms" -v c="$cat_ms" -v p="$deck_peak" -v s="$size" 'BEGIN {
    printf "deck minus empty:    %d ms = %.2f x cat\n", d - e, (d - e) / (c > 0 ? c : 1)
    printf "peak / file size:    %.3f\n", p * 1024 / s }'
