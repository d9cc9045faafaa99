#!/usr/bin/env bash
# The screenshots the metadata shows are the game's own: the script that makes them still runs
# and makes every one the metadata names, and the repository holds a copy of each at the
# address the metadata gives. The pixels are not compared: any change to the game's looks
# changes them, and the copies are refreshed by running the script.
#   ScreenshotsTest.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillox-shots-XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

metainfo=$build/dist/com.bexholt.Quillox.metainfo.xml
homepage=$(sed -n 's#.*<url type="homepage">\(.*\)</url>.*#\1#p' "$metainfo")
images=$(sed -n 's#.*<image[^>]*>\(.*\)</image>.*#\1#p' "$metainfo")
[ -n "$images" ] || fail "the metadata names no screenshot"
[ "$(grep -c '<caption>' "$metainfo")" = "$(wc -l <<<"$images")" ] ||
    fail "a screenshot without a caption"

python3 "$source/scripts/screenshots.py" "$build/quillox" "$work/shots" >/dev/null
for image in $images; do
    name=${image#"$homepage/screenshots/"}
    [ "$name" != "$image" ] || fail "$image is not under $homepage/screenshots/"
    for copy in "$work/shots/$name" "$source/dist/screenshots/$name"; do
        file "$copy" | grep -q 'PNG image data, 800 x 600' || fail "$copy: $(file "$copy")"
        # A drawn frame is a hundred kilobytes and more; a blank one compresses to almost none.
        [ "$(stat -c %s "$copy")" -gt 50000 ] || fail "$copy is blank"
    done
done
[ "$(ls "$source/dist/screenshots" | wc -l)" = "$(wc -l <<<"$images")" ] ||
    fail "dist/screenshots holds pictures the metadata does not show"
echo "ok: the script makes every screenshot the metadata shows: $(echo $images)"
