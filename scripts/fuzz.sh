#!/usr/bin/env bash
# Runs one fuzz target for a number of seconds:  scripts/fuzz.sh TARGET SECONDS
# TARGET is one of: profile stats highscores settings fnt classic.
# Builds the fuzz targets with clang in build-fuzz/ (installing clang and libFuzzer when they
# are missing), starts from the seed inputs in fuzz/seeds/TARGET and keeps what it learns in
# build-fuzz/corpus/TARGET. Inputs that break a reader are written to build-fuzz/findings/.
# QUILLOX_FUZZ_BUILD names another build folder, so that two runs need not share one.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ]; then
    echo "usage: $0 TARGET SECONDS   (TARGET: profile stats highscores settings fnt classic)" >&2
    exit 2
fi
target=$1
seconds=$2

QUILLOX_FUZZ=1 bash scripts/install-deps.sh
build=${QUILLOX_FUZZ_BUILD:-build-fuzz}
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" --target "fuzz_${target}" -j2

corpus=$build/corpus/${target}
findings=$build/findings/${target}
mkdir -p "$corpus" "$findings"
exec "$build/fuzz_${target}" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$corpus" "fuzz/seeds/${target}"
