#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need.
# As root it runs apt-get; otherwise it prints the command to run and stops.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    juce-modules-source
    libfreetype-dev libfontconfig1-dev libasound2-dev libx11-dev libxrandr-dev libxinerama-dev
    libxcursor-dev libxext-dev libxcomposite-dev libgl-dev
    zlib1g-dev libpng-dev libjpeg-dev libflac-dev libogg-dev libvorbis-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth
    # The user manual (groff's PDF output), its page check and previews.
    groff poppler-utils
    # The scripted standalone session: clicks, window grabs, PNG conversion.
    xdotool x11-apps netpbm
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

command="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run as root:" >&2
    echo "  apt-get update && $command" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$command
