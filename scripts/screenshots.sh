#!/usr/bin/env bash
# Renders the main window in its main states to docs/*.png, headless: no card, a recording
# playing in single division, one in the 4 x 4 thumbnail division, the playing recording
# again with German texts, the map with a route after the event (no tiles offline), and the
# log page with a speed search. The demo card is
# generated into a temporary cache folder, so only the clock of the empty window changes
# between runs.
set -euo pipefail
cd "$(dirname "$0")/.."
viewer=$(ls build/src/app/*-viewer 2>/dev/null | head -n 1 || true)
if [ -z "$viewer" ]; then
  bash scripts/build.sh
  viewer=$(ls build/src/app/*-viewer | head -n 1)
fi

cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
export XDG_CACHE_HOME="$cache" XDG_CONFIG_HOME="$cache/config"
export QT_QPA_PLATFORM=offscreen TZ=Europe/Berlin LANG=C.UTF-8 LC_ALL=C.UTF-8
# The map's browser engine refuses to run as root inside its sandbox.
if [ "$(id -u)" -eq 0 ]; then
  export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---no-sandbox --disable-gpu}"
fi
mkdir -p docs

"$viewer" --screenshot docs/main-empty.png
"$viewer" --demo --show event:0:57 --play --screenshot docs/main-single.png
"$viewer" --demo --show normal:1:120 --thumbnails --play --screenshot docs/main-thumbs.png
LANGUAGE=de LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 "$viewer" --demo --show event:0:57 --play --screenshot docs/main-single-de.png
"$viewer" --demo --show event:2:160 --screenshot docs/main-map.png
"$viewer" --demo --show log:0:87 --log-search 30 --screenshot docs/log-page.png
echo "wrote docs/main-empty.png docs/main-single.png docs/main-thumbs.png docs/main-single-de.png docs/main-map.png docs/log-page.png"
