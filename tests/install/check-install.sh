#!/usr/bin/env bash
# Checks of the installed tree and of the Debian package, one case a run:
#
#   check-install.sh stage         <build dir> <stage>
#   check-install.sh layout        <stage>
#   check-install.sh desktop-entry <stage>
#   check-install.sh appstream     <stage>
#   check-install.sh manual-page   <stage>
#   check-install.sh package       <stage> <build dir> <package dir> <version>
#
# Exit 0: passed; 1: failed; 77: skipped because a tool is missing (the reason is printed).
set -euo pipefail

readonly APP_ID=example.quillmark.Desklet
readonly PREFIX=usr

# Every file an install holds, relative to the root of the installed tree. Nothing
# else may be there: a stray file would end up in the package too.
readonly EXPECTED_FILES=(
    etc/xdg/autostart/"$APP_ID".PrintWatch.desktop
    usr/bin/desklet
    usr/bin/desklet-print-watch
    usr/lib/cups/backend/desklet
    usr/share/applications/"$APP_ID".desktop
    usr/share/doc/desklet/copyright
    usr/share/icons/hicolor/128x128/apps/"$APP_ID".png
    usr/share/icons/hicolor/256x256/apps/"$APP_ID".png
    usr/share/icons/hicolor/48x48/apps/"$APP_ID".png
    usr/share/icons/hicolor/64x64/apps/"$APP_ID".png
    usr/share/icons/hicolor/scalable/apps/"$APP_ID".svg
    usr/share/man/man1/desklet.1.gz
    usr/share/metainfo/"$APP_ID".metainfo.xml
    usr/share/ppd/desklet/desklet.ppd
)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
skip() {
    echo "SKIP: $*"
    exit 77
}
need() { # need <command> <Debian package>
    command -v "$1" >/dev/null 2>&1 || skip "$1 is not installed (Debian package $2; scripts/install-deps installs it)"
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "passed"
    exit 0
}

# The regular files of a tree, relative to it, sorted.
files_of() {
    (cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort)
}
expected_files() {
    printf '%s\n' "${EXPECTED_FILES[@]}" | LC_ALL=C sort
}

# The value of one key of the [Desktop Entry] group.
desktop_value() { # desktop_value <file> <key>
    sed -n "s/^$2=//p" "$1" | head -n 1
}

# Width and height of a PNG, from its IHDR chunk (bytes 16 to 23, big-endian).
png_size() {
    local bytes
    read -r -a bytes < <(od -An -v -tu1 -j16 -N8 "$1")
    [ "${#bytes[@]}" -eq 8 ] || return 1
    echo "$(((bytes[0] << 24) | (bytes[1] << 16) | (bytes[2] << 8) | bytes[3]))x$(((bytes[4] << 24) | (bytes[5] << 16) | (bytes[6] << 8) | bytes[7]))"
}

case_stage() { # <build dir> <stage>
    local build=$1 stage=$2
    need cmake cmake
    rm -rf "$stage"
    mkdir -p "$stage"
    DESTDIR="$stage" cmake --install "$build" --prefix "/$PREFIX" >"$stage.log" 2>&1 || {
        cat "$stage.log"
        fail "cmake --install into DESTDIR=$stage"
    }
    finish
}

case_layout() { # <stage>
    local stage=$1
    diff <(expected_files) <(files_of "$stage") >/dev/null || {
        echo "expected (<) against installed (>):"
        diff <(expected_files) <(files_of "$stage") || true
        fail "the installed files differ from the expected layout"
    }

    local binary=$stage/usr/bin/desklet
    [ -x "$binary" ] || fail "usr/bin/desklet is not executable"
    [ "$(head -c 4 "$binary" 2>/dev/null | od -An -c | tr -d ' ')" = '177ELF' ] || fail "usr/bin/desklet is not an ELF file"

    local size png
    for size in 48 64 128 256; do
        png=$stage/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
        [ -f "$png" ] || continue
        [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$png is not a PNG"
        [ "$(png_size "$png" || true)" = "${size}x${size}" ] ||
            fail "$png is $(png_size "$png" || echo unreadable), not ${size}x${size}"
    done
    grep -q '<svg' "$stage/usr/share/icons/hicolor/scalable/apps/$APP_ID.svg" 2>/dev/null || fail "the scalable icon is not an SVG"

    # The desktop, the icon theme and the software centre find each other by the one id.
    local entry=$stage/usr/share/applications/$APP_ID.desktop
    local metainfo=$stage/usr/share/metainfo/$APP_ID.metainfo.xml
    if [ -f "$entry" ]; then
        [ "$(desktop_value "$entry" Icon)" = "$APP_ID" ] || fail "Icon= does not name the installed icon $APP_ID"
        # Started from the menu, %f drops out and -file arrives with no value: an empty file field.
        [ "$(desktop_value "$entry" Exec)" = "desklet -file %f" ] || fail "Exec= is not 'desklet -file %f'"
        [ "$(desktop_value "$entry" Categories)" = "Office;" ] || fail "Categories= is not 'Office;'"
    fi
    if [ -f "$metainfo" ]; then
        grep -q "<id>$APP_ID</id>" "$metainfo" || fail "the metadata's id is not $APP_ID"
        grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
            fail "the metadata does not launch $APP_ID.desktop"
    fi
    gzip -t "$stage/usr/share/man/man1/desklet.1.gz" 2>/dev/null || fail "the manual page is not a valid gzip file"
    finish
}

case_desktop_entry() { # <stage>
    local entry=$1/usr/share/applications/$APP_ID.desktop
    need desktop-file-validate desktop-file-utils
    local out
    local file
    for file in "$entry" "$1/etc/xdg/autostart/$APP_ID.PrintWatch.desktop"; do
        out=$(desktop-file-validate "$file" 2>&1) || fail "desktop-file-validate rejects $file"
        [ -z "$out" ] || {
            echo "$out"
            fail "desktop-file-validate has remarks on $file"
        }
    done

    # A misspelt type is valid syntax but never matches a document: every type must be
    # one that the shared MIME database knows.
    local types=/usr/share/mime/types type
    if [ -r "$types" ]; then
        local -a listed
        IFS=';' read -r -a listed <<<"$(desktop_value "$entry" MimeType)"
        [ "${#listed[@]}" -gt 0 ] || fail "MimeType= is empty"
        for type in "${listed[@]}"; do
            grep -qxF "$type" "$types" || fail "MimeType= lists '$type', which the MIME database does not know"
        done
    else
        echo "note: $types is missing (shared-mime-info), the media types were not looked up"
    fi
    finish
}

case_appstream() { # <stage>
    local stage=$1
    need appstreamcli appstream
    # The tree form also checks that the launchable desktop entry is installed beside it.
    appstreamcli validate --no-net "$stage/usr/share/metainfo/$APP_ID.metainfo.xml" || fail "appstreamcli validate"
    appstreamcli validate-tree --no-net "$stage/$PREFIX" || fail "appstreamcli validate-tree"
    finish
}

case_manual_page() { # <stage>
    local page=$1/usr/share/man/man1/desklet.1.gz warnings
    # Warnings go to standard error; the page itself is thrown away.
    if command -v man >/dev/null 2>&1; then
        warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "man cannot format the page"
    elif command -v groff >/dev/null 2>&1; then
        warnings=$(gzip -dc "$page" | groff -z -ww -man 2>&1) || fail "groff cannot format the page"
    else
        skip "neither man nor groff is installed (Debian packages man-db, groff-base)"
    fi
    [ -z "$warnings" ] || {
        echo "$warnings"
        fail "formatting the manual page gives warnings"
    }
    finish
}

case_package() { # <stage> <build dir> <package dir> <version>
    local stage=$1 build=$2 out=$3 version=$4
    need cpack cmake
    need dpkg-deb dpkg
    need dpkg-shlibdeps dpkg-dev
    rm -rf "$out"
    mkdir -p "$out"
    cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || {
        cat "$out.log"
        fail "cpack"
        finish
    }

    local arch deb
    arch=$(dpkg --print-architecture)
    deb=$out/desklet_${version}_$arch.deb
    [ -f "$deb" ] || {
        ls "$out"
        fail "no package named $(basename "$deb")"
        finish
    }

    # The same files as the install, at /usr, owned by root, none writable by others.
    local contents
    contents=$(dpkg-deb --contents "$deb")
    diff <(files_of "$stage") <(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' <<<"$contents" | LC_ALL=C sort) || fail "the package's files differ from the install (< install, > package)"
    awk '$2 != "root/root" || substr($1, 9, 1) == "w" { print; bad = 1 } END { exit bad }' <<<"$contents" ||
        fail "files not owned by root or writable by others"
    grep -q '^-rwxr-xr-x .* \./usr/bin/desklet$' <<<"$contents" || fail "usr/bin/desklet is not mode 0755"
    # The print system runs a backend as root only when nobody else may run it.
    grep -q '^-rwx------ .* \./usr/lib/cups/backend/desklet$' <<<"$contents" ||
        fail "usr/lib/cups/backend/desklet is not mode 0700"

    # The maintainer scripts that make and remove the fax printer, executable.
    local script
    for script in postinst prerm postrm; do
        dpkg-deb --ctrl-tarfile "$deb" | tar -tvf - "./$script" 2>/dev/null | grep -q '^-rwxr-xr-x' ||
            fail "the package has no executable $script"
    done

    local field
    [ "$(dpkg-deb --field "$deb" Package)" = desklet ] || fail "Package is not desklet"
    [ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "Version is not $version"
    field=$(dpkg-deb --field "$deb" Depends)
    echo "Depends: $field"
    # The libraries the binary links against come from shlibdeps; the SVG plug-in and
    # the phone book's SQLite driver are loaded at run time and have to be named by hand.
    local dependency
    for dependency in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6sql6-sqlite libqt6pdf6 \
        libqt6keychain1; do
        grep -Eq "(^|, )$dependency( |,|$)" <<<"$field" || fail "Depends lacks $dependency"
    done
    local recommends="xdg-utils, qt6-image-formats-plugins, cups-daemon, cups-client, cups-filters, libsecret-1-0"
    [ "$(dpkg-deb --field "$deb" Recommends)" = "$recommends" ] ||
        fail "Recommends is not the browser opener, the TIFF reader, the print system and the keyring's library"
    [ -n "$(dpkg-deb --field "$deb" Maintainer)" ] || fail "no Maintainer"
    finish
}

command=${1:-}
[ $# -gt 0 ] && shift
case "$command" in
stage) case_stage "$@" ;;
layout) case_layout "$@" ;;
desktop-entry) case_desktop_entry "$@" ;;
appstream) case_appstream "$@" ;;
manual-page) case_manual_page "$@" ;;
package) case_package "$@" ;;
*)
    echo "usage: $0 stage|layout|desktop-entry|appstream|manual-page|package ..." >&2
    exit 2
    ;;
esac
