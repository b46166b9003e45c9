#!/usr/bin/env bash
# Renders the editor at scale 1.0 and 1.5 (the window, with the settings strip open, with the
# hamburger menu open, with the preset list open, and the about box) from component
# snapshots and puts the pictures in resources/screenshots (the README shows them). The
# preset list shows the factory presets of resources/presets.
#   scripts/snapshot.sh            uses build/ (WHIRLANE_SNAPSHOT_BUILD picks another)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${WHIRLANE_SNAPSHOT_BUILD:-$root/build}"

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
ninja -C "$build" whirlane-snapshot

run=()
if [ -z "${DISPLAY:-}" ]; then
    run=(xvfb-run -a)
fi
"${run[@]}" "$build/tools/whirlane-snapshot" --out "$root/resources/screenshots" --scales 1.0,1.5 \
    --presets "$root/resources/presets"
