#!/usr/bin/env bash
# Installs what is missing, builds, and opens the viewer on the demo card.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh -DVARIANT=tumbo
exec build/src/app/tumbo-viewer --demo
