#!/usr/bin/env bash
# Prints how large the tests are beside the program: non-blank lines that are not only a
# comment, of every tracked text file under tests/ (binary fixtures are skipped) against src/.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

count() {
    git ls-files -- "$1" | xargs -r grep -IhvE '^\s*(//.*|#.*)?$' | wc -l
}

program=$(count src)
tests=$(count tests)
echo "tests/: ${tests} lines, src/: ${program} lines, tests are $((100 * tests / program)) % of the program"
