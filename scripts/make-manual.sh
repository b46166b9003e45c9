#!/usr/bin/env bash
# Builds the user manual PDF from resources/manual/manual.ms with groff (-ms macros, tbl).
#   scripts/make-manual.sh OUTPUT_FOLDER     writes OUTPUT_FOLDER/LumikerWhirlane Manual.pdf
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 OUTPUT_FOLDER" >&2
    exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$1"
# The version printed in the manual is the project's own.
version="$(sed -n 's/^project(LumikerWhirlane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
if [ -z "$version" ]; then
    echo "$0: no project version in CMakeLists.txt" >&2
    exit 1
fi

mkdir -p "$out"
pdf="$out/LumikerWhirlane Manual.pdf"
# Write beside the target first, so a failed run leaves no half-written manual.
tmp="$(mktemp "$out/.manual.XXXXXX")"
trap 'rm -f "$tmp"' EXIT
# -P-pletter would change the paper; A4 is groff's Debian default. -ww: warn about anything odd.
groff -ww -t -ms -Tpdf -dversion="$version" "$root/resources/manual/manual.ms" > "$tmp"
# mktemp makes the file private; the installed manual is for every user of the machine.
chmod 644 "$tmp"
mv "$tmp" "$pdf"
trap - EXIT
echo "$pdf"
