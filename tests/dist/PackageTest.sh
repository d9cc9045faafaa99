#!/usr/bin/env bash
# The game as a player gets it: installed into a scratch prefix, and as a Debian package.
#   PackageTest.sh BUILD_DIR SOURCE_DIR
# Checks the installed layout and validates the launcher and metadata; runs the installed
# program headless from an unrelated folder. Then packages a Release build of its own (kept in
# BUILD_DIR/package-release, so a second run only rebuilds what changed): reads the .deb's
# control data and contents, has lintian judge it, asks apt whether it would install, unpacks
# it into a throwaway root whose dependencies the machine must hold, and runs the program from
# there. Nothing is installed on the machine.
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
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
    share/quillox/Data/fonts/tut.ttf share/quillox/Data/fonts/tut-LICENSE.txt \
    share/quillox/Data/fonts/text-LICENSE.txt share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/man/man6/quillox.6.gz share/doc/quillox/copyright \
    share/doc/quillox/changelog.gz; do
    [ -f "$prefix/$f" ] || fail "not installed: $f"
done
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file "$icon")"
done
[ ! -e "$prefix/bin/Data" ] || fail "data beside the installed program"
grep -qx "StartupWMClass=$id" "$prefix/share/applications/$id.desktop" || fail "window class"
echo "ok: installed layout"

# Every option of --help is in the manual page, which formats without a warning.
help=$("$prefix/bin/quillox" --help)
manual=$work/quillox.6
gzip -dc "$prefix/share/man/man6/quillox.6.gz" >"$manual"
for option in $(grep -o -- '--[a-z-]*' <<<"$help" | sort -u); do
    grep -q -- "${option//-/\\\\-}" "$manual" || fail "$option is missing from the manual page"
done
warnings=$(groff -man -Tutf8 -ww -z "$manual" 2>&1)
[ -z "$warnings" ] || fail "manual page: $warnings"
for word in 'Space or Enter' 'Tab' 'zindles.dat' 'profiles/NAME.dat'; do
    grep -q "$word" <<<"$help" || fail "--help does not mention $word"
done
echo "ok: --help and the manual page agree"

play "$prefix/bin/quillox" installed

# ---------------------------------------------------------------- the Debian package
# What players install is a Release build: optimised, hardened and stripped.
release=$build/package-release
cmake -S "$source" -B "$release" -DCMAKE_BUILD_TYPE=Release >"$work/release.log" 2>&1 ||
    fail "configuring the Release build: $(tail -5 "$work/release.log")"
cmake --build "$release" -j"$(nproc)" >>"$work/release.log" 2>&1 ||
    fail "the Release build: $(tail -20 "$work/release.log")"
(cd "$work" && cpack -G DEB --config "$release/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/quillox_*.deb)
info=$(dpkg-deb -I "$deb")
grep -q '^ Package: quillox$' <<<"$info" || fail "package name: $info"
grep -q '^ Section: games$' <<<"$info" || fail "section: $info"
grep -q '^ Priority: optional$' <<<"$info" || fail "priority: $info"
depends=$(sed -n 's/^ Depends: //p' <<<"$info")
for lib in libsdl2-2.0-0 libopenal1 libpng16-16 libjpeg62-turbo libvorbisfile3 libfreetype6; do
    grep -q "\b$lib\b" <<<"$depends" || fail "$lib is not in Depends: $depends"
done
contents=$(dpkg-deb -c "$deb")
for f in ./usr/games/quillox ./usr/share/quillox/Data/Default.ini \
    ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/$id.png ./usr/share/man/man6/quillox.6.gz \
    ./usr/share/doc/quillox/copyright ./usr/share/doc/quillox/changelog.gz; do
    grep -q " $f\$" <<<"$contents" || fail "$f is not in the package"
done
! grep -q ' ./usr/bin/' <<<"$contents" || fail "a game's program outside /usr/games"
echo "ok: $(basename "$deb"): Depends: $depends"

# lintian is the judge distributions use: no error and no warning (informational notes and
# their explanations are printed, so a change that adds one is seen).
lintian_out=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) ||
    fail "lintian: $lintian_out"
echo "lintian: ${lintian_out:-nothing to report}"

# The change log, the metadata's latest release and the program agree on the version.
version=$(sed -n '1s/^quillox (\([^)]*\)).*/\1/p' "$source/dist/changelog")
grep -q "<release version=\"$version\"" "$release/dist/$id.metainfo.xml" ||
    fail "the metadata's releases do not start with the change log's $version"

simulated=$(apt-get install --simulate "$deb" 2>&1) || fail "apt would not install it: $simulated"
grep -q '^Inst quillox ' <<<"$simulated" || fail "apt's plan has no quillox: $simulated"
echo "ok: apt-get install --simulate plans: $(grep '^Inst quillox ' <<<"$simulated")"

# A throwaway root: the package's files unpacked, its dependencies those of this machine.
root=$work/root
dpkg-deb -x "$deb" "$root"
unmet=$(dpkg-checkbuilddeps -d "$(dpkg-deb -f "$deb" Depends)" /dev/null 2>&1) ||
    fail "dependencies the machine lacks: $unmet"
missing=$(ldd "$root/usr/games/quillox" | grep 'not found' || true)
[ -z "$missing" ] || fail "the unpacked program misses libraries: $missing"
printed=$("$root/usr/games/quillox" --version)
[ "$printed" = "Quillox $version" ] || fail "--version printed '$printed', the change log $version"
play "$root/usr/games/quillox" unpacked
echo "ok: the unpacked package runs"
