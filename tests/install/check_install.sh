#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a Linux desktop gets from it: the
# programs, the manual pages, the licence, the desktop entry, the icons, the help and the two
# file types, known by their first bytes.
#   check_install.sh BUILD_DIR SOURCE_DIR GUI(ON|OFF)
build="$1" source="$2" gui="$3"
source "$(dirname "$0")/checks.sh"
need groff $([ "$gui" != ON ] || echo desktop-file-validate update-mime-database xmllint xdg-mime mimetype file)
p="$tmp/prefix"
has() { [ -f "$p/$1" ] || { fail "$1 is not installed"; return 1; }; }
# Runs a check; its output, if any, is the failure.
quiet() { local out; out="$("$@" 2>&1)" && [ -z "$out" ] || fail "$* said: $out"; }

cmake --install "$build" --prefix "$p" >"$tmp/log" || { cat "$tmp/log"; exit 1; }
has share/doc/tabula/copyright && has bin/tabula-cli &&
    { "$p/bin/tabula-cli" --help | grep -q '^Usage: tabula-cli' || fail "tabula-cli --help"; }
for page in tabula-cli $([ "$gui" != ON ] || echo tabula); do
    has "share/man/man1/$page.1.gz" && quiet sh -c "gzip -dc '$p/share/man/man1/$page.1.gz' | groff -man -Tutf8 -ww -z"
done
if [ "$gui" != ON ]; then
    [ ! -e "$p/bin/tabula" ] || fail "bin/tabula installed without the Qt program"
    passed "install checks passed"
fi

has share/tabula/help/contents.html && has bin/tabula && { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p/bin/tabula" --version |
    grep -qxE 'tabula [0-9]+\.[0-9]+\.[0-9]+' || fail "tabula --version"; }
entry=share/applications/tabula.desktop
has $entry && quiet desktop-file-validate "$p/$entry"
for line in 'Exec=tabula %f' 'Icon=tabula' 'MimeType=.*application/x-tabula-deck;.*' 'MimeType=.*application/x-cardfile;.*'; do
    grep -qx "$line" "$p/$entry" 2>/dev/null || fail "the desktop entry lacks $line"
done
# Every size of the theme is the program's own icon.
for size in 16 22 24 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/tabula.png"
    has "$icon" || continue
    file -b "$p/$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is not $size x $size"
    cmp -s "$p/$icon" "$source/resources/${icon#share/}" || fail "$icon differs"
done
has share/icons/hicolor/scalable/apps/tabula.svg && quiet xmllint --noout "$p/share/icons/hicolor/scalable/apps/tabula.svg"

# A desktop that sees this prefix only: no user types, no desktop's own lookup.
desktop() { env -i PATH="$PATH" HOME="$tmp/home" XDG_DATA_HOME="$tmp/none" XDG_DATA_DIRS="$p/share:/usr/local/share:/usr/share" "$@"; }
has share/mime/packages/tabula.xml && quiet xmllint --noout "$p/share/mime/packages/tabula.xml" &&
    quiet desktop update-mime-database "$p/share/mime"
# Files without extensions get the type of their bytes; near misses are none of ours.
while read -r name bytes type; do
    printf "$bytes" >"$tmp/$name"
    got="$(desktop xdg-mime query filetype "$tmp/$name" || true)"
    [ "$got" = "$type" ] || fail "$name is taken for '$got', not $type"
done <<'EOF'
deck \xab\xaa\x00\x00\x00\x00\x00\x00 application/x-tabula-deck
old-deck \xaa\xaa\x00\x00\x00\x00\x00\x00 application/x-tabula-deck
cardfile MGC\x00\x00 application/x-cardfile
cardfile-rrg RRG\x00\x00\x00\x00\x00\x00 application/x-cardfile
by-name.tbx Some\x20words\n application/x-tabula-deck
near-miss \xab\xaa\x01\x00\x00\x00\x00\x00 application/octet-stream
words Some\x20words\n text/plain
EOF
passed "install checks passed"
