#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a Linux desktop gets from it:
# the programs, the manual pages (compressed), the licence, the desktop entry, the icon theme
# files, the help pages and the two file types, which must recognise decks and Cardfile files
# by their first bytes.
#   check_install.sh BUILD_DIR SOURCE_DIR GUI(ON|OFF)
# Exits 77 (skipped) when a checking tool is missing; debian-packages.txt lists them.
set -euo pipefail
build="$1" source="$2" gui="$3"

tools=(groff)
[ "$gui" = ON ] && tools+=(desktop-file-validate update-mime-database xmllint xdg-mime mimetype file)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
installed() { [ -f "$prefix/$1" ] || { fail "$1 is not installed"; return 1; }; }

cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" || {
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
}

# The command-line tool and its manual page, with or without the Qt program.
if installed bin/tabula-cli; then
    "$prefix/bin/tabula-cli" --help | grep -q '^Usage: tabula-cli' || fail "installed tabula-cli --help"
fi
pages=(tabula-cli)
[ "$gui" = ON ] && pages+=(tabula)
for page in "${pages[@]}"; do
    if installed "share/man/man1/$page.1.gz"; then
        warnings="$(gzip -dc "$prefix/share/man/man1/$page.1.gz" | groff -man -Tutf8 -ww -z 2>&1)"
        [ -z "$warnings" ] || fail "$page.1 has roff warnings: $warnings"
    fi
done
installed share/doc/tabula/copyright || true

if [ "$gui" != ON ]; then
    [ ! -e "$prefix/bin/tabula" ] || fail "bin/tabula installed without the Qt program"
    [ "$failures" -eq 0 ] && echo "install checks passed (tabula-cli only)"
    exit $((failures > 0))
fi

# The program answers --version without a display.
if installed bin/tabula; then
    version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/tabula" --version)"
    [[ "$version" =~ ^tabula\ [0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "tabula --version said '$version'"
fi

# The desktop entry: valid, starting the installed program with the file, for both types.
entry="share/applications/tabula.desktop"
if installed "$entry"; then
    report="$(desktop-file-validate "$prefix/$entry" 2>&1)" || fail "desktop-file-validate: $report"
    [ -z "$report" ] || fail "desktop-file-validate warns: $report"
    grep -qx 'Exec=tabula %f' "$prefix/$entry" || fail "the desktop entry does not run 'tabula %f'"
    grep -qx 'Icon=tabula' "$prefix/$entry" || fail "the desktop entry does not name the icon tabula"
    for type in application/x-tabula-deck application/x-cardfile; do
        grep -q "^MimeType=.*$type;" "$prefix/$entry" || fail "the desktop entry does not offer $type"
    done
fi

# The icon at every size of the theme, the very files the program shows, and the scalable one.
for size in 16 22 24 32 48 64 128 256; do
    icon="share/icons/hicolor/${size}x${size}/apps/tabula.png"
    if installed "$icon"; then
        file -b "$prefix/$icon" | grep -q "^PNG image data, $size x $size," ||
            fail "$icon is not a $size x $size PNG: $(file -b "$prefix/$icon")"
        cmp -s "$prefix/$icon" "$source/resources/icons/hicolor/${size}x${size}/apps/tabula.png" ||
            fail "$icon differs from the program's own icon"
    fi
done
if installed share/icons/hicolor/scalable/apps/tabula.svg; then
    xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/tabula.svg" 2>"$tmp/svg.err" ||
        fail "tabula.svg is not well-formed: $(cat "$tmp/svg.err")"
fi

installed share/tabula/help/contents.html || true

# A desktop's view of the prefix: its data first, none of the user's own types, no desktop's
# own type lookup.
in_desktop() {
    env -i PATH="$PATH" HOME="$tmp/home" XDG_DATA_HOME="$tmp/data-home" \
        XDG_DATA_DIRS="$prefix/share:/usr/local/share:/usr/share" "$@"
}

# The file types: the database builds without a word, and files are known by their bytes.
if installed share/mime/packages/tabula.xml; then
    xmllint --noout "$prefix/share/mime/packages/tabula.xml" 2>"$tmp/xml.err" ||
        fail "tabula.xml is not well-formed: $(cat "$tmp/xml.err")"
    in_desktop update-mime-database "$prefix/share/mime" >"$tmp/mime.log" 2>&1 ||
        fail "update-mime-database failed: $(cat "$tmp/mime.log")"
    [ ! -s "$tmp/mime.log" ] || fail "update-mime-database warns: $(cat "$tmp/mime.log")"

    files="$tmp/files"
    mkdir -p "$files"
    # No extensions: only the contents can tell what these are.
    printf '\xab\xaa\x00\x00\x00\x00\x00\x00' >"$files/deck"
    printf '\xaa\xaa\x00\x00\x00\x00\x00\x00' >"$files/old-deck"
    printf 'MGC\x00\x00' >"$files/cardfile"
    printf 'RRG\x00\x00\x00\x00\x00\x00' >"$files/cardfile-rrg"
    printf '\xab\xaa\x01\x00\x00\x00\x00\x00' >"$files/near-miss"
    printf 'Some words on a card\n' >"$files/words"
    printf 'Some words on a card\n' >"$files/by-name.tbx"

    query() { in_desktop xdg-mime query filetype "$files/$1"; }
    expect_type() {
        local got
        got="$(query "$1")" || { fail "xdg-mime query filetype $1 failed"; return; }
        [ "$got" = "$2" ] || fail "$1 is taken for '$got', not $2"
    }
    expect_type deck application/x-tabula-deck
    expect_type old-deck application/x-tabula-deck
    expect_type cardfile application/x-cardfile
    expect_type cardfile-rrg application/x-cardfile
    expect_type by-name.tbx application/x-tabula-deck
    for other in near-miss words; do
        got="$(query "$other")" || true
        case "$got" in
            application/x-tabula-deck | application/x-cardfile)
                fail "$other is taken for $got" ;;
        esac
    done
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures install checks failed" >&2
    exit 1
fi
echo "install checks passed"
