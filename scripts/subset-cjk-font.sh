#!/usr/bin/env bash
# Cuts WenQuanYi Micro Hei (Debian's fonts-wqy-microhei) down to the characters the
# translations need beyond the project's Latin and Cyrillic faces, plus printable ASCII, and
# writes it with its licence into tools/fonts, where the asset generator reads it. Run it after
# a translation brings new Chinese (or other CJK) characters, and commit the two files: the
# generator stops with "no glyph for U+...." until then.
set -euo pipefail
cd "$(dirname "$0")/.."

SOURCE=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc
OUT=tools/fonts/WenQuanYiMicroHei-Subset.ttf
LICENCE=tools/fonts/WenQuanYiMicroHei-LICENSE.txt

missing=()
for p in fonts-wqy-microhei python3-fonttools; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

chars=$(mktemp)
trap 'rm -f "$chars"' EXIT
# Every character of the catalogues' translations and the languages' names from U+0370 up
# that is no Cyrillic letter (those the DejaVu faces draw), and printable ASCII for the
# tutorial's digits and keys.
/usr/bin/python3 - "$chars" po/*.po po/languages.txt <<'PY'
import sys
out, files = sys.argv[1], sys.argv[2:]
keep = {chr(c) for c in range(32, 127)}
for name in files:
    for ch in open(name, encoding="utf-8").read():
        code = ord(ch)
        if code >= 0x370 and not 0x400 <= code <= 0x4FF:
            keep.add(ch)
open(out, "w", encoding="utf-8").write("".join(sorted(keep)))
print(f"{len(keep)} characters")
PY
/usr/bin/python3 -m fontTools.subset "$SOURCE" --font-number=0 --text-file="$chars" \
    --output-file="$OUT" --name-IDs='*' --name-languages='*' --notdef-outline --no-hinting
# The face ships inside the game, whose pictures are drawn with it: its licence (Apache 2.0)
# allows that, so the embedding flag says "installable" as the other bundled faces do.
/usr/bin/python3 - "$OUT" <<'PY'
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1])
font["OS/2"].fsType = 0
font.save(sys.argv[1])
PY
{
    echo "WenQuanYi Micro Hei, cut down to the characters Quillox uses by"
    echo "scripts/subset-cjk-font.sh from Debian's fonts-wqy-microhei. Its copyright file follows,"
    echo "then the Apache License 2.0 under which the project uses it."
    echo
    cat /usr/share/doc/fonts-wqy-microhei/copyright
    echo
    cat /usr/share/common-licenses/Apache-2.0
} > "$LICENCE"
ls -l "$OUT" "$LICENCE"
