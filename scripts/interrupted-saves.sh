#!/usr/bin/env bash
# Kills saves at random moments and checks that none of them harmed the file being saved.
#
#   scripts/interrupted-saves.sh [KILLS] [CARDS]      (defaults: 100 kills, 100000 cards)
#
# Each round copies the old deck onto the target, starts `tabula-cli convert NEW TARGET` (which
# reads the new deck and saves it over the target), sends it SIGKILL after a random delay
# between 0 and 1.2 times the length of an undisturbed save, and then checks that the target
# is byte for byte either the old deck or the new one. Then it saves again without
# interruption and checks that no temporary file is left beside the target. It ends non-zero
# when any target was corrupted or any temporary file stayed. Not run by CTest: it takes a few
# minutes. Needs a built tree (TABULA_CLI names another tabula-cli) and perl.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cli="${TABULA_CLI:-$root/build/src/cli/tabula-cli}"
kills="${1:-100}"
cards="${2:-100000}"
[ -x "$cli" ] || { echo "no tabula-cli at $cli: build first (cmake --build build)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A deck of N cards in descending index order, so that every save sorts it.
make_deck() {
    perl -e 'my ($n, $word) = @ARGV; binmode STDOUT; print pack("VV", 0xAAAB, $n);
             for my $i (0 .. $n - 1) {
                 print pack("a42 a512 V", sprintf("%s %07d", $word, $n - $i),
                            "The $word body of card $i.\r\nSecond line.", $i % 2);
             }' "$1" "$2"
}
make_deck "$cards" old >"$work/old.tbx"
make_deck "$((cards + cards / 10))" new >"$work/input.tbx"
mkdir "$work/target"
target="$work/target/deck.tbx"

now_ns() { date +%s%N; }
start="$(now_ns)"
"$cli" convert "$work/input.tbx" "$work/new.tbx"
save_ns=$(($(now_ns) - start))
echo "old deck $(stat -c %s "$work/old.tbx") bytes, new deck $(stat -c %s "$work/new.tbx") bytes," \
    "an undisturbed save takes $((save_ns / 1000000)) ms"

temporaries() { find "$work/target" -mindepth 1 -maxdepth 1 ! -name deck.tbx | wc -l; }

killed=0 finished=0 old=0 new=0 corrupted=0 left_after_kill=0 left_after_save=0
for ((round = 1; round <= kills; round++)); do
    cp "$work/old.tbx" "$target"
    delay_ns=$((RANDOM * 32768 + RANDOM))
    delay_ns=$((delay_ns % (save_ns * 12 / 10 + 1)))
    "$cli" convert "$work/input.tbx" "$target" &
    pid=$!
    sleep "$(printf '%d.%09d' $((delay_ns / 1000000000)) $((delay_ns % 1000000000)))"
    kill -KILL "$pid" 2>/dev/null || true
    if wait "$pid" 2>/dev/null; then finished=$((finished + 1)); else killed=$((killed + 1)); fi

    if cmp -s "$target" "$work/old.tbx"; then
        old=$((old + 1))
    elif cmp -s "$target" "$work/new.tbx"; then
        new=$((new + 1))
    else
        corrupted=$((corrupted + 1))
        echo "round $round: the target is neither the old nor the new deck" >&2
    fi
    left="$(temporaries)"
    [ "$left" -gt 0 ] && left_after_kill=$((left_after_kill + 1))

    "$cli" convert "$work/input.tbx" "$target"
    cmp -s "$target" "$work/new.tbx" || { echo "round $round: the next save went wrong" >&2; exit 1; }
    left="$(temporaries)"
    if [ "$left" -gt 0 ]; then
        left_after_save=$((left_after_save + left))
        echo "round $round: $left temporary file(s) stayed after the next save" >&2
        find "$work/target" -mindepth 1 -maxdepth 1 ! -name deck.tbx -delete
    fi
done

echo "kills: $kills ($killed killed while running, $finished had finished)"
echo "targets: $old old deck, $new new deck, $corrupted corrupted"
echo "rounds with a temporary file left by the kill: $left_after_kill"
echo "temporary files left after the next save: $left_after_save"
[ "$corrupted" -eq 0 ] && [ "$left_after_save" -eq 0 ]
