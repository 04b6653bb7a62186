#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and checks it as Debian would: lintian
# with its pedantic tags (no error, no warning), the hardening of both programs, the AppStream
# metadata, the files in it, and that it installs and removes cleanly. The installing is done
# into a private dpkg root, so the machine running the test is left as it was.
#   check_package.sh BUILD_DIR GUI(ON|OFF)
# Exits 77 (skipped) when a checking tool is missing; debian-packages.txt lists them.
set -euo pipefail
build="$1" gui="$2"

tools=(cpack dpkg dpkg-deb lintian hardening-check)
[ "$gui" = ON ] && tools+=(appstreamcli)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1 || {
    cat "$tmp/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
}
debs=("$tmp"/out/*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb" >&2; exit 1; }
deb="${debs[0]}"

# Errors and warnings fail; the informational and pedantic tags are shown for the record.
lintian --pedantic --display-info --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1 || true
cat "$tmp/lintian.log"
if grep -q '^[EW]: ' "$tmp/lintian.log"; then
    fail "lintian reports errors or warnings"
fi

root="$tmp/root"
dpkg-deb -x "$deb" "$root"
expected=(usr/bin/tabula-cli usr/share/man/man1/tabula-cli.1.gz
    usr/share/doc/tabula/copyright usr/share/doc/tabula/changelog.gz)
programs=(usr/bin/tabula-cli)
if [ "$gui" = ON ]; then
    expected+=(usr/bin/tabula usr/share/man/man1/tabula.1.gz
        usr/share/metainfo/io.github.tabula.Tabula.metainfo.xml)
    programs+=(usr/bin/tabula)
fi
for file in "${expected[@]}"; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done

# hardening-check sees fortification only in the checking variants of libc calls a program
# makes; when the compiler proves every such call safe, it makes none. For such a program the
# build's compile commands must show that each of its sources was compiled fortified.
fortified_sources() {
    python3 - "$build/compile_commands.json" <<'PY'
import json, sys
entries = [e for e in json.load(open(sys.argv[1])) if "/src/" in e["file"]]
bare = [e["file"] for e in entries if "-D_FORTIFY_SOURCE=2" not in e["command"]]
print("\n".join(bare))
sys.exit(1 if bare or not entries else 0)
PY
}
# Control-flow protection is left out: Debian 12's own start-up files are not built with it,
# so no program linked there can have it.
for program in "${programs[@]}"; do
    [ -f "$root/$program" ] || continue
    hardening-check --nocfprotection "$root/$program" >"$tmp/hardening.log" 2>&1 && continue
    if grep -q 'Fortify Source functions: no, only unprotected' "$tmp/hardening.log" &&
        hardening-check --nocfprotection --nofortify "$root/$program" >/dev/null 2>&1 &&
        fortified_sources >"$tmp/unfortified.log"; then
        echo "note: $program makes no checked libc call; all its sources are compiled fortified"
    else
        fail "hardening-check $program: $(cat "$tmp/hardening.log" "$tmp/unfortified.log" 2>/dev/null)"
    fi
done

metainfo="$root/usr/share/metainfo/io.github.tabula.Tabula.metainfo.xml"
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" >"$tmp/appstream.log" 2>&1 ||
        fail "appstreamcli validate: $(cat "$tmp/appstream.log")"
fi

# Install and remove with dpkg in a root of its own: every file comes and goes, and nothing
# is left behind but dpkg's own records.
sys="$tmp/sys"
mkdir -p "$sys/var/lib/dpkg/info" "$sys/var/lib/dpkg/updates"
touch "$sys/var/lib/dpkg/status" "$sys/var/lib/dpkg/available"
dpkg_root() {
    dpkg --root="$sys" --force-not-root --force-depends --log=/dev/null "$@" \
        >>"$tmp/dpkg.log" 2>&1
}
if dpkg_root --install "$deb"; then
    for file in "${expected[@]}"; do
        [ -f "$sys/$file" ] || fail "dpkg --install did not put /$file in place"
    done
    dpkg_root --status tabula || fail "dpkg does not know tabula after --install"
    dpkg_root --purge tabula || fail "dpkg --purge tabula: $(cat "$tmp/dpkg.log")"
    left="$(find "$sys" -path "$sys/var/lib/dpkg" -prune -o -type f -print)"
    [ -z "$left" ] || fail "files left after dpkg --purge: $left"
else
    fail "dpkg --install: $(cat "$tmp/dpkg.log")"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures package checks failed" >&2
    exit 1
fi
echo "package checks passed: $(basename "$deb")"
