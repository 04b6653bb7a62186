#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: installs the missing Debian packages, builds
# the program, the tools and the tests with Ninja, runs them with CTest, then builds the fuzz
# targets with clang and runs each briefly over its seed corpus.
#   TABULA_GUI=OFF scripts/test.sh   builds and tests without Qt (deck library and tabula-cli).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
cd "$tabula_root"

gui="${TABULA_GUI:-ON}"
groups=(core fuzz package)
[ "$gui" = ON ] && groups+=(gui)
install_packages "${groups[@]}"

jobs="$(nproc)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULA_GUI="$gui"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

if [ -d fuzz ] && [ -f fuzz/CMakeLists.txt ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTABULA_GUI=OFF -DTABULA_BENCH=OFF -DTABULA_FUZZ=ON
    cmake --build build-fuzz -j "$jobs"
    ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz
fi
