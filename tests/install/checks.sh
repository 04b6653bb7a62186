# What both install checks share: strict mode, a scratch folder, and failures counted rather
# than stopping at the first. Sourced, not run.
set -euo pipefail
# Exits 77 (skipped) when a checking tool is missing; debian-packages.txt lists them.
need() { for tool; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }; done; }
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# Says this when nothing failed; the exit status tells the failures.
passed() { [ "$failures" -eq 0 ] && echo "$*"; exit $((failures > 0)); }
