#!/usr/bin/env bash
# The game as a player gets it: installed into a scratch prefix, and as a Debian package.
#   PackageTest.sh BUILD_DIR
# Checks the installed layout and validates the launcher and metadata; runs the installed
# program headless from an unrelated folder; builds the .deb once, reads its control data and
# contents, asks apt whether it would install, unpacks it and runs the program from there.
# Nothing is installed on the machine.
set -euo pipefail

build=$(cd "$1" && pwd)
id=com.bexholt.Quillox
work=$(mktemp -d "${TMPDIR:-/tmp}/quillox-package-XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A headless scripted run of PROGRAM from a folder of its own: it must start on level 2, load
# its pictures and draw a full frame.
play() {
    local program=$1 name=$2
    local run=$work/run-$name
    mkdir -p "$run/xdg" "$run/cwd"
    chmod 700 "$run/xdg"
    printf '20 screenshot %s\n20 state %s\n21 quit\n' "$run/shot.png" "$run/state.json" \
        >"$run/script.txt"
    (cd "$run/cwd" && XDG_RUNTIME_DIR=$run/xdg "$program" --headless --data-home "$run/home" \
        --ticks-per-frame 1 --seed 21 --level 2 --player Tester --script "$run/script.txt") ||
        fail "$name: the program ended with $?"
    grep -q '"name": *"game"' "$run/state.json" || fail "$name: not on the play screen"
    file "$run/shot.png" | grep -q 'PNG image data, 800 x 600' || fail "$name: no 800x600 frame"
    # A frame drawn from the data is tens of kilobytes; a blank one compresses to almost none.
    [ "$(stat -c %s "$run/shot.png")" -gt 50000 ] || fail "$name: the frame is blank"
    echo "ok: $name ran headless from another folder and drew the play screen"
}

# ---------------------------------------------------------------- install into a prefix
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quillox share/quillox/Data/Default.ini share/quillox/Data/graphics/zindles.png \
    share/quillox/Data/fonts/tut.ttf share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/man/man6/quillox.6 share/doc/quillox/fonts/tut-LICENSE.txt \
    share/doc/quillox/fonts/text-LICENSE.txt; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$icon")"
done
[ ! -e "$prefix/bin/Data" ] || fail "data beside the installed program"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
grep -qx "StartupWMClass=$id" "$prefix/share/applications/$id.desktop" || fail "window class"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
echo "ok: installed layout, launcher and metadata"

# Every option of --help is in the manual page, which formats without a warning.
help=$("$prefix/bin/quillox" --help)
for option in $(grep -o -- '--[a-z-]*' <<<"$help" | sort -u); do
    grep -q -- "${option//-/\\\\-}" "$prefix/share/man/man6/quillox.6" ||
        fail "$option is missing from the manual page"
done
warnings=$(groff -man -Tutf8 -ww -z "$prefix/share/man/man6/quillox.6" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
for word in 'Space or Enter' 'Tab' 'zindles.dat' 'profiles/NAME.dat'; do
    grep -q "$word" <<<"$help" || fail "--help does not mention $word"
done
echo "ok: --help and the manual page agree"

play "$prefix/bin/quillox" installed

# ---------------------------------------------------------------- the Debian package
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/quillox_*.deb)
info=$(dpkg-deb -I "$deb")
grep -q '^ Package: quillox$' <<<"$info" || fail "package name: $info"
grep -q '^ Section: games$' <<<"$info" || fail "section: $info"
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for lib in libsdl2-2.0-0 libopenal1 libpng16-16 libjpeg62-turbo libvorbisfile3 libfreetype6; do
    grep -q "\b$lib\b" <<<"$depends" || fail "$lib is not in Depends: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/quillox ./usr/share/quillox/Data/Default.ini ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/man/man6/quillox.6; do
    grep -q " $f\$" <<<"$contents" || fail "$f is not in the package"
done
echo "ok: $(basename "$deb"): Depends: $depends"

simulated=$(apt-get install --simulate "$deb" 2>&1) || fail "apt would not install it: $simulated"
grep -q '^Inst quillox ' <<<"$simulated" || fail "apt's plan has no quillox: $simulated"
echo "ok: apt-get install --simulate plans: $(grep '^Inst quillox ' <<<"$simulated")"

root=$work/root
dpkg-deb -x "$deb" "$root"
version=$("$root/usr/bin/quillox" --version)
[ "$version" = "Quillox 1.3" ] || fail "--version printed '$version'"
play "$root/usr/bin/quillox" unpacked
echo "ok: the unpacked package runs"
