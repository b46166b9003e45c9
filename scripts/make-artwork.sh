#!/usr/bin/env bash
# Builds the artwork tool and redraws the editor's images and the about box's logo film strip
# into resources/images from the vendored fonts in resources/fonts. Previews (the window at
# base size with the handles at mid travel and the switch on, the same at full size, the four
# switch states and a row of logo frames) go to the build folder, not into the repository.
#   scripts/make-artwork.sh            uses build/ (WHIRLANE_ARTWORK_BUILD picks another)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${WHIRLANE_ARTWORK_BUILD:-$root/build}"

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
ninja -C "$build" whirlane-artwork

"$build/tools/whirlane-artwork" \
    --fonts "$root/resources/fonts" \
    --images "$root/resources/images" \
    --preview "$build/artwork-preview"
