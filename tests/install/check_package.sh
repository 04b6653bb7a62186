#!/usr/bin/env bash
# Builds the Debian package with CPack and checks it as Debian would: lintian's pedantic tags
# (no error, no warning), the hardening of the programs, the AppStream metadata, its files, and
# a clean install and purge in a private dpkg root, leaving the machine as it was.
#   check_package.sh BUILD_DIR GUI(ON|OFF)
build="$1" gui="$2"
source "$(dirname "$0")/checks.sh"
need cpack dpkg dpkg-deb lintian hardening-check $([ "$gui" != ON ] || echo appstreamcli)

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/log" 2>&1 || { cat "$tmp/log"; exit 1; }
deb="$(echo "$tmp"/out/*.deb)"  # two would make no file name
[ -f "$deb" ] || { echo "FAIL: no single .deb: $deb" >&2; exit 1; }
# The informational and pedantic tags are shown for the record.
lintian --pedantic --display-info --tag-display-limit 0 "$deb" | tee "$tmp/lintian" || true
! grep -q '^[EW]: ' "$tmp/lintian" || fail "lintian reports errors or warnings"

programs="usr/bin/tabula-cli $([ "$gui" != ON ] || echo usr/bin/tabula)"
metainfo=usr/share/metainfo/io.github.tabula.Tabula.metainfo.xml

# Every file comes with dpkg --install and goes with --purge, but dpkg's own records.
sys="$tmp/sys"
mkdir -p "$sys"/var/lib/dpkg/{info,updates} && touch "$sys"/var/lib/dpkg/{status,available}
dpkg_root() { dpkg --root="$sys" --force-not-root --force-depends --log=/dev/null "$@" >>"$tmp/dpkg" 2>&1; }
dpkg_root --install "$deb" || fail "dpkg --install: $(cat "$tmp/dpkg")"
for file in $programs usr/share/doc/tabula/{copyright,changelog.gz} usr/share/man/man1/tabula-cli.1.gz \
    $([ "$gui" != ON ] || echo usr/share/man/man1/tabula.1.gz $metainfo); do
    [ -f "$sys/$file" ] || fail "the package does not install /$file"
done
[ "$gui" != ON ] || appstreamcli validate --no-net "$sys/$metainfo" >"$tmp/log" 2>&1 ||
    fail "appstreamcli: $(cat "$tmp/log")"

# hardening-check sees fortification only in the checking variants of libc calls; a program
# whose every such call the compiler proved safe makes none, and then each of its sources must
# have been compiled fortified. Control-flow protection is left out: Debian 12's own start-up
# files lack it.
fortified() {
    python3 -c 'import json, sys
e = [c for c in json.load(open(sys.argv[1])) if "/src/" in c["file"]]
sys.exit(not e or any("-D_FORTIFY_SOURCE=2" not in c["command"] for c in e))' "$build/compile_commands.json"
}
for program in $programs; do
    hardening-check --nocfprotection "$sys/$program" >"$tmp/log" 2>&1 && continue
    grep -q 'Fortify Source functions: no, only unprotected' "$tmp/log" &&
        hardening-check --nocfprotection --nofortify "$sys/$program" >/dev/null 2>&1 && fortified ||
        fail "hardening-check $program: $(cat "$tmp/log")"
done

dpkg_root --purge tabula || fail "dpkg --purge: $(cat "$tmp/dpkg")"
left="$(find "$sys" -path "$sys/var/lib/dpkg" -prune -o -type f -print)"
[ -z "$left" ] || fail "left after dpkg --purge: $left"
passed "package checks passed: $(basename "$deb")"
