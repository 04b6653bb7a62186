#!/usr/bin/env bash
# Plants known faults in the program, one at a time, and reports which tests catch each.
#
#   scripts/planted-faults.sh [options] [FAULT-ID...]
#
#   --check            only verify that every needle of the list is found exactly once (no build)
#   --list FILE        the fault list (default: scripts/planted-faults.list)
#   --work DIR         the scratch copy of the working tree (default: build-faults/ here); kept
#                      between runs, so later runs rebuild only what changed
#   --build-dir DIR    its build folder (default: WORK/build); must be configured from WORK
#   --e2e              also run the end-to-end tests (label e2e; seconds per test)
#   --jobs N           parallel build and test jobs (default 2)
#   --timeout S        CTest's limit per test without one of its own (default 120)
#   --first            stop each fault's CTest run at its first failing test, so the table names
#                      the first test(s) that caught it rather than all of them (much faster)
#   FAULT-ID...        run only these faults (default: all of them)
#
# Each line of the list is one fault, fields separated by " ||| ":
#
#   ID ||| FILES ||| NEEDLE ||| REPLACEMENT ||| WHAT IT CHANGES
#
# FILES is a path glob under the repository (`**` allowed) or `-` for anywhere under src/.
# NEEDLE is one line of the program exactly as it stands, without its indentation; it must
# occur exactly once among those files, so a fault stays aimed when code moves between files,
# and is refused (listed with the reason) when the line has changed or become ambiguous.
# REPLACEMENT takes the original line's indentation. Blank lines and lines starting with `#`
# are ignored.
#
# The working tree itself is never changed: the files git knows (committed or not, ignored
# ones left out) are copied into the scratch folder, where each fault is applied, the program
# rebuilt, CTest run (every label but install, fuzz and, without --e2e, e2e) and the line put
# back. Tests that already fail on the unchanged tree are run too but never credited. The
# result is a Markdown table on standard output; progress and refusals go to standard error,
# the build and test logs to WORK/logs/. Exit status: 0 when every fault was planted and
# caught, 1 when some fault was not caught or did not build, 2 when some fault was refused.
# Uses ccache when CCACHE_DIR is set and ccache is installed.
set -euo pipefail
shopt -s globstar nullglob

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
list="$root/scripts/planted-faults.list"
work="$root/build-faults"
build=""
check_only=0
e2e=0
jobs=2
timeout=120
first=0
wanted=()

usage() { sed -n '2,/^set -euo/{/^set -euo/d;s/^# \{0,1\}//;p}' "${BASH_SOURCE[0]}"; }
while [ $# -gt 0 ]; do
    case "$1" in
        --check) check_only=1 ;;
        --list) list="$(realpath "$2")"; shift ;;
        --work) work="$(realpath -m "$2")"; shift ;;
        --build-dir) build="$(realpath -m "$2")"; shift ;;
        --e2e) e2e=1 ;;
        --jobs) jobs="$2"; shift ;;
        --timeout) timeout="$2"; shift ;;
        --first) first=1 ;;
        -h | --help) usage; exit 0 ;;
        -*) echo "unknown option $1" >&2; usage >&2; exit 2 ;;
        *) wanted+=("$1") ;;
    esac
    shift
done
build="${build:-$work/build}"
[ -f "$list" ] || { echo "no fault list at $list" >&2; exit 2; }

trim() {
    local s="$1"
    s="${s#"${s%%[![:space:]]*}"}"
    printf '%s' "${s%"${s##*[![:space:]]}"}"
}

# The faults, in list order: parallel arrays indexed by position.
ids=() globs=() needles=() replacements=() whats=()
sep=' ||| '
line_no=0
while IFS= read -r raw || [ -n "$raw" ]; do
    line_no=$((line_no + 1))
    [[ "$raw" =~ ^[[:space:]]*(#|$) ]] && continue
    rest="$raw" fields=()
    while [[ "$rest" == *"$sep"* ]]; do
        fields+=("$(trim "${rest%%"$sep"*}")")
        rest="${rest#*"$sep"}"
    done
    fields+=("$(trim "$rest")")
    if [ "${#fields[@]}" -ne 5 ]; then
        echo "$list:$line_no: expected 5 fields separated by '$sep', found ${#fields[@]}" >&2
        exit 2
    fi
    for id in "${ids[@]}"; do
        [ "$id" != "${fields[0]}" ] || { echo "$list:$line_no: fault id ${fields[0]} used twice" >&2; exit 2; }
    done
    ids+=("${fields[0]}") globs+=("${fields[1]}") needles+=("${fields[2]}")
    replacements+=("${fields[3]}") whats+=("${fields[4]}")
done <"$list"

selected=()
if [ "${#wanted[@]}" -eq 0 ]; then
    selected=("${!ids[@]}")
else
    for w in "${wanted[@]}"; do
        found=""
        for i in "${!ids[@]}"; do [ "${ids[$i]}" = "$w" ] && found="$i"; done
        [ -n "$found" ] || { echo "no fault with id $w in $list" >&2; exit 2; }
        selected+=("$found")
    done
fi

# Finds fault i's needle in the working tree: sets where_file (relative) and where_line, or
# sets refusal to the reason.
locate() {
    local i="$1" glob="${globs[$1]}" needle="${needles[$1]}" files=() hits=() f n
    refusal="" where_file="" where_line=""
    if [ "$glob" = - ]; then
        files=("$root"/src/**/*.*)
    else
        # shellcheck disable=SC2206  # the glob is meant to expand here
        files=("$root"/$glob)
    fi
    [ "${#files[@]}" -gt 0 ] || { refusal="no file matches $glob"; return; }
    for f in "${files[@]}"; do
        [ -f "$f" ] || continue
        while IFS= read -r n; do hits+=("${f#"$root"/}:$n"); done < <(
            NEEDLE="$needle" awk '
                { s = $0; sub(/^[ \t]+/, "", s); sub(/[ \t\r]+$/, "", s) }
                s == ENVIRON["NEEDLE"] { print FNR }' "$f")
    done
    case "${#hits[@]}" in
        0) refusal="needle not found in $glob" ;;
        1) where_file="${hits[0]%:*}" where_line="${hits[0]##*:}" ;;
        *) refusal="needle found ${#hits[@]} times: ${hits[*]}" ;;
    esac
}

refused=0
declare -A where refusals
for i in "${selected[@]}"; do
    locate "$i"
    if [ -n "$refusal" ]; then
        refusals[$i]="$refusal"
        refused=$((refused + 1))
        echo "REFUSED ${ids[$i]}: $refusal" >&2
    else
        where[$i]="$where_file:$where_line"
        [ "$check_only" = 0 ] || echo "${ids[$i]} $where_file:$where_line"
    fi
    if [ -z "$refusal" ] && [ "${needles[$i]}" = "${replacements[$i]}" ]; then
        echo "REFUSED ${ids[$i]}: the replacement is the needle itself" >&2
        refusals[$i]="replacement equals needle"
        refused=$((refused + 1))
    fi
done
if [ "$check_only" = 1 ]; then
    echo "${#selected[@]} faults, $refused refused" >&2
    [ "$refused" -eq 0 ] && exit 0 || exit 2
fi

# --- The scratch copy -------------------------------------------------------------------------

mkdir -p "$work/logs"
[ "$work" != "$root" ] || { echo "the scratch folder cannot be the working tree" >&2; exit 2; }

# Copies the working tree's files into the scratch folder, leaving files whose contents are
# unchanged alone so that the build there stays incremental.
sync_tree() {
    local files f
    if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        files="$(git -C "$root" ls-files --cached --others --exclude-standard)"
    else
        files="$(cd "$root" && find . -path ./.git -prune -o -path './build*' -prune -o -type f -print |
            sed 's|^\./||')"
    fi
    while IFS= read -r f; do
        [ -f "$root/$f" ] || continue
        case "$f" in "${work#"$root"/}"/*) continue ;; esac
        if ! cmp -s "$root/$f" "$work/$f"; then
            mkdir -p "$(dirname "$work/$f")"
            # A fresh timestamp, so that a file changed since the last run is always rebuilt.
            cp --preserve=mode "$root/$f" "$work/$f"
        fi
    done <<<"$files"
}

echo "copying the working tree to $work" >&2
sync_tree

launcher=()
if [ -n "${CCACHE_DIR:-}" ] && command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# Every fault relinks the test programs: lld does that several times faster than ld.
linker=()
command -v ld.lld >/dev/null && linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
if [ -f "$build/CMakeCache.txt" ]; then
    configured_from="$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")"
    if [ "$(realpath "$configured_from")" != "$(realpath "$work")" ]; then
        echo "$build is configured from $configured_from, not from the scratch copy $work" >&2
        exit 2
    fi
else
    echo "configuring $build" >&2
    cmake -S "$work" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTABULA_BENCH=OFF "${launcher[@]}" "${linker[@]}" >"$work/logs/configure.log" 2>&1 ||
        { echo "configuring failed: see $work/logs/configure.log" >&2; exit 2; }
fi

exclude='^(install|fuzz|e2e)$'
[ "$e2e" = 1 ] && exclude='^(install|fuzz)$'

# Builds and runs the suite; prints the failed tests' names, one a line. Returns 3 when the
# build failed. Further arguments go to CTest.
build_and_test() {
    local log="$1" failed="$build/Testing/Temporary/LastTestsFailed.log"
    shift
    cmake --build "$build" -j "$jobs" >"$log.build" 2>&1 || return 3
    rm -f "$failed"
    ctest --test-dir "$build" -j "$jobs" -LE "$exclude" --timeout "$timeout" "$@" \
        >"$log.ctest" 2>&1 || true
    [ -f "$failed" ] && sed 's/^[0-9]*://' "$failed" | sort
    return 0
}

echo "building and testing the unchanged tree" >&2
baseline="$(build_and_test "$work/logs/baseline")" ||
    { echo "the unchanged tree does not build: see $work/logs/baseline.build" >&2; exit 2; }
if [ -n "$baseline" ]; then
    echo "failing already on the unchanged tree (never credited):" >&2
    printf '    %s\n' "${baseline//$'\n'/$'\n'    }" >&2
fi

planted_file="" planted_copy=""
restore() {
    if [ -n "$planted_file" ]; then
        # A fresh timestamp, so that the next build compiles the restored file again.
        cat "$planted_copy" >"$work/$planted_file"
        rm -f "$planted_copy"
        planted_file=""
    fi
}
trap restore EXIT

declare -A caught
missed=0
for i in "${selected[@]}"; do
    id="${ids[$i]}"
    [ -z "${refusals[$i]:-}" ] || continue
    file="${where[$i]%:*}" line="${where[$i]##*:}"
    echo "planting $id at ${where[$i]}" >&2
    planted_copy="$(mktemp)"
    cp "$work/$file" "$planted_copy"
    planted_file="$file"
    REPLACEMENT="${replacements[$i]}" awk -v at="$line" '
        FNR == at { match($0, /^[ \t]*/); $0 = substr($0, 1, RLENGTH) ENVIRON["REPLACEMENT"] }
        { print }' "$planted_copy" >"$work/$file"
    status=0
    stop=()
    [ "$first" = 1 ] && stop=(--stop-on-failure)
    failed="$(build_and_test "$work/logs/$id" "${stop[@]}")" || status=$?
    restore
    if [ "$status" -eq 3 ]; then
        caught[$i]="BUILD FAILED (logs/$id.build)"
        missed=$((missed + 1))
        continue
    fi
    credited="$(comm -23 <(printf '%s\n' "$failed" | sed '/^$/d') \
        <(printf '%s\n' "$baseline" | sed '/^$/d'))"
    if [ -z "$credited" ]; then
        caught[$i]="NOT CAUGHT"
        missed=$((missed + 1))
    else
        caught[$i]="$(wc -l <<<"$credited"): $(paste -sd, <<<"$credited" | sed 's/,/, /g')"
    fi
    echo "    ${caught[$i]}" >&2
done

cell() { printf '%s' "${1//|/\\|}"; }
echo "| Fault | Where | What it changes | Caught by |"
echo "|---|---|---|---|"
for i in "${selected[@]}"; do
    if [ -n "${refusals[$i]:-}" ]; then
        result="REFUSED: ${refusals[$i]}" place="${globs[$i]}"
    else
        result="${caught[$i]}" place="${where[$i]}"
    fi
    echo "| ${ids[$i]} | $(cell "$place") | $(cell "${whats[$i]}") | $(cell "$result") |"
done
[ "$refused" -eq 0 ] || exit 2
[ "$missed" -eq 0 ] || exit 1
