#!/usr/bin/env bash
# Installs what the plug-in needs, builds it in Release, installs the VST3 bundle into
# ~/.vst3 and renders a short organ-like chord through the installed bundle.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2 --target LumikerWhirlane_VST3 LumikerWhirlane_Standalone whirlane-render

bundle="Lumiker Whirlane.vst3"
mkdir -p "$HOME/.vst3"
rm -rf "$HOME/.vst3/$bundle"
cp -R "build/plugin/LumikerWhirlane_artefacts/Release/VST3/$bundle" "$HOME/.vst3/"
echo "Installed $HOME/.vst3/$bundle"

# Factory presets go to the machine-wide folder; the plug-in copies them into the user's
# preset folder the first time its window opens.
factory="/opt/Application Support/Tavori/Default Presets/LumikerWhirlane/Ver.1.0.0"
if mkdir -p "$factory" 2>/dev/null && cp resources/presets/*.lwhlp "$factory/" 2>/dev/null; then
    echo "Installed the factory presets into $factory"
else
    echo "Cannot write $factory: run this script as root to install the factory presets."
fi

# The user manual goes where the menu's "User Manual" item looks for it.
manuals="/opt/Application Support/Tavori/User Manuals"
if mkdir -p "$manuals" 2>/dev/null && [ -w "$manuals" ]; then
    bash scripts/make-manual.sh "$manuals"
    echo "Installed the user manual into $manuals"
else
    echo "Cannot write $manuals: run this script as root to install the user manual."
fi

mkdir -p out
build/tools/whirlane-render --plugin "$HOME/.vst3/$bundle" --signal chord --seconds 6 --output out/whirlane-demo.wav
echo "Demo render: $(pwd)/out/whirlane-demo.wav"
