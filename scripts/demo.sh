#!/usr/bin/env bash
# Installs what is missing, builds, and opens the viewer on the demo card.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
viewer=$(ls build/src/app/*-viewer 2>/dev/null | head -n 1 || true)
if [ -n "$viewer" ]; then
  exec "$viewer" --demo
fi
# Until the viewer lands: make the demo card and print its summary.
card="${XDG_CACHE_HOME:-$HOME/.cache}/tumbo-viewer/demo-card"
[ -d "$card/CH1" ] || build/src/cli/tumbo-cli generate-card "$card" --seed 1 >/dev/null
exec build/src/cli/tumbo-cli card "$card"
