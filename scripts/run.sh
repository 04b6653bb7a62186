#!/usr/bin/env bash
# Starts Tabula on the sample deck: installs the Debian packages it needs when they are
# missing, builds it with Ninja into build/, then runs it. Extra arguments replace the sample
# deck, e.g.  scripts/run.sh ~/cards.tbx
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
cd "$tabula_root"

install_packages core gui

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULA_GUI=ON
cmake --build build -j "$(nproc)" --target tabula

args=("$@")
[ ${#args[@]} -eq 0 ] && args=("$tabula_root/resources/sample/sample.tbx")

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MESSAGE
Tabula is built, but there is no display to show its window on (DISPLAY and
WAYLAND_DISPLAY are both empty). On a machine without a desktop, run it inside a
virtual X server instead:

    xvfb-run -a -s "-screen 0 1024x768x24" build/src/tabula ${args[*]}

(xvfb-run comes with the package xvfb, which this script has installed.)
MESSAGE
    exit 1
fi

exec build/src/tabula "${args[@]}"
