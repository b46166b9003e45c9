#!/usr/bin/env bash
# Opens the built standalone app in a real window on a private virtual display, clicks
# through the top bar and the settings strip with xdotool, and grabs the screen after every
# step into standalone-*.png.
#   scripts/standalone-session.sh [BUILD_DIR] [OUTPUT_DIR]
#     BUILD_DIR   the build with LumikerWhirlane_Standalone built (default build/)
#     OUTPUT_DIR  where the PNGs go (default resources/screenshots/)
# The app runs with a throw-away home folder, so no settings or presets of yours are touched;
# its preset folder is seeded with the factory presets, as the installer would.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="${2:-$root/resources/screenshots}"
app="$build/plugin/LumikerWhirlane_artefacts/Release/Standalone/Lumiker Whirlane"

for tool in Xvfb xdotool xwd xwdtopnm pnmcut pnmtopng; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing (run scripts/install-deps.sh)" >&2; exit 1; }
done
[ -x "$app" ] || { echo "$0: no standalone app at $app" >&2; exit 1; }
mkdir -p "$out"

# Editor base size, and the places the clicks go, in editor pixels at that size.
editorWidth=530
editorHeight=650
menuAt=(115 15)        # hamburger button (104, 4, 22, 22)
aAt=(418 15)           # A/B page at x 403: "A" 0..30
copyAt=(439 15)        #   copy button 30..42
bAt=(460 15)           #   "B" 42..72
gearAt=(515 15)        # gear (500, 0, 30, 30)
syncAt=(40 46)         # settings strip at y 29: SYNC toggle (10, 2, 60, 30)

appPid=""
xvfbPid=""
home="$(mktemp -d)"
cleanup() {
    local status=$?
    if [ -n "$appPid" ]; then kill "$appPid" 2>/dev/null; wait "$appPid" 2>/dev/null || true; fi
    if [ -n "$xvfbPid" ]; then kill "$xvfbPid" 2>/dev/null; wait "$xvfbPid" 2>/dev/null || true; fi
    rm -rf "$home"
    exit "$status"
}
trap cleanup EXIT

# A display number nobody uses.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfbPid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    kill -0 "$xvfbPid" 2>/dev/null || { echo "$0: Xvfb on :$display did not start" >&2; exit 1; }
    sleep 0.1
done

mkdir -p "$home/Music/Tavori/Presets/LumikerWhirlane"
cp "$root"/resources/presets/*.lwhlp "$home/Music/Tavori/Presets/LumikerWhirlane/"
# The app's own settings: input not muted, so it shows no muted-input notice over the editor
# (the display has no audio device anyway; the notice would only push the editor down).
mkdir -p "$home/.config"
cat > "$home/.config/Lumiker Whirlane.settings" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<PROPERTIES>
  <VALUE name="shouldMuteInput" val="0"/>
</PROPERTIES>
XML
HOME="$home" XDG_CONFIG_HOME="$home/.config" "$app" >"$home/app.log" 2>&1 &
appPid=$!

# The main window: the app's largest visible window (JUCE also maps small helper windows).
window=""
for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --pid "$appPid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" -ge "$editorWidth" ] && [ "$HEIGHT" -ge "$editorHeight" ]; then
            window="$id"
        fi
    done
    [ -n "$window" ] && break
    kill -0 "$appPid" 2>/dev/null || { echo "$0: the app quit:" >&2; cat "$home/app.log" >&2; exit 1; }
    sleep 0.2
done
[ -n "$window" ] || { echo "$0: no app window appeared" >&2; exit 1; }
sleep 1

# The editor sits at the bottom of the window, centred: above it are the window's title bar
# and, while the audio input is muted, the app's notice; the frame is as wide on every side.
eval "$(xdotool getwindowgeometry --shell "$window")"
border=$(( (WIDTH - editorWidth) / 2 ))
editorX=$border
editorY=$(( HEIGHT - border - editorHeight ))
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT; editor at $editorX,$editorY"

click() {
    xdotool mousemove --window "$window" $((editorX + $1)) $((editorY + $2)) click 1
    sleep 0.8
}

# Grabs the screen area covering every visible window of the app (an open menu is a window
# of its own) into OUTPUT_DIR/standalone-NAME.png.
shoot() {
    local left=100000 top=100000 right=0 bottom=0
    for id in $(xdotool search --onlyvisible --pid "$appPid" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -le 1 ] && continue
        [ "$X" -lt "$left" ] && left=$X
        [ "$Y" -lt "$top" ] && top=$Y
        [ $((X + WIDTH)) -gt "$right" ] && right=$((X + WIDTH))
        [ $((Y + HEIGHT)) -gt "$bottom" ] && bottom=$((Y + HEIGHT))
    done
    [ "$left" -lt 0 ] && left=0
    [ "$top" -lt 0 ] && top=0
    xwd -root -silent | xwdtopnm 2>/dev/null \
        | pnmcut -left "$left" -top "$top" -width $((right - left)) -height $((bottom - top)) \
        | pnmtopng > "$out/standalone-$1.png"
    echo "$out/standalone-$1.png"
}

shoot window
click "${gearAt[@]}";  shoot gear
click "${syncAt[@]}";  shoot sync
click "${bAt[@]}";     shoot b
click "${copyAt[@]}";  shoot copy
click "${aAt[@]}";     shoot a
click "${menuAt[@]}";  shoot menu
xdotool key Escape
