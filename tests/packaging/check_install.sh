#!/usr/bin/env bash
# Installs the build into a scratch folder as a package lays it out and checks it as a packager
# would: exactly the programs, their man pages and the player's desktop files go in (no test,
# benchmark or fixture program); the desktop entry is valid and every type it opens is known; the
# man pages render without a warning and describe every command and option of qvplay-cli; the
# player answers --help without a display and names its settings file. A check whose tool is
# missing is passed over.
# Usage: check_install.sh BUILD_DIR [CMAKE]
set -euo pipefail
build=$1
cmake=${2:-cmake}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
has() { command -v "$1" >/dev/null; }

prefix=$scratch/usr
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
expected=(bin/qvplay bin/qvplay-cli share/applications/qvplay.desktop
          share/man/man1/qvplay-cli.1.gz share/man/man1/qvplay.1.gz
          share/mime/packages/qvplay.xml share/icons/hicolor/scalable/apps/qvplay.svg)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/qvplay.png")
done
want=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
got=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
[ "$got" = "$want" ] || fail "installed files differ from the package's list:
$(diff <(echo "$want") <(echo "$got") || true)"

desktop=$prefix/share/applications/qvplay.desktop
if has desktop-file-validate; then
    out=$(desktop-file-validate "$desktop" 2>&1) || true
    [ -z "$out" ] || fail "desktop-file-validate: $out"
fi
if has update-mime-database && [ -f /usr/share/mime/packages/freedesktop.org.xml ]; then
    mkdir -p "$scratch/mime/packages"
    cp /usr/share/mime/packages/freedesktop.org.xml "$prefix/share/mime/packages/qvplay.xml" \
        "$scratch/mime/packages/"
    # A data folder outside the search path draws a note; the scratch one is named as the path.
    out=$(XDG_DATA_HOME=$scratch XDG_DATA_DIRS=$scratch \
        update-mime-database "$scratch/mime" 2>&1) || fail "update-mime-database: $out"
    [ -z "$out" ] || fail "update-mime-database: $out"
    for type in $(sed -n 's/^MimeType=//p' "$desktop" | tr ';' ' '); do
        grep -qx "$type" "$scratch/mime/types" || fail "$type in MimeType= is no known type"
    done
fi

help=$("$prefix/bin/qvplay-cli" --help)
if has groff; then
    for page in "$prefix"/share/man/man1/*.1.gz; do
        out=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$out" ] || fail "$(basename "$page"): $out"
    done
    text=$(zcat "$prefix/share/man/man1/qvplay-cli.1.gz" | LC_ALL=C groff -man -Tascii -P-cbou)
    for command in $(sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p' <<<"$help" | sort -u); do
        grep -Eq "^ +$command( |$)" <<<"$text" || fail "qvplay-cli.1 has no entry for $command"
    done
    for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        grep -q -- "$option" <<<"$text" || fail "qvplay-cli.1 does not mention $option"
    done
fi

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/qvplay" --help) ||
    fail "qvplay --help without a display"
grep -qF "$prefix/bin/qvplay.ini" <<<"$out" || fail "qvplay --help names no settings file: $out"
echo "installation checked: ${#expected[@]} files"
