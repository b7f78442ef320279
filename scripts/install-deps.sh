#!/usr/bin/env bash
# Installs every Debian package the project builds, tests and runs with.
# Safe to run again: it only asks apt for what is missing.
set -euo pipefail

PACKAGES=(
  g++ cmake make pkg-config ninja-build ccache
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev qt6-positioning-dev
  qt6-image-formats-plugins libqt6svg6 qt6-svg-dev
  libgl-dev libxkbcommon-dev
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libssl-dev libexif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  udisks2 dbus xvfb xauth fonts-dejavu-core fonts-noto-cjk
  ffmpeg gdal-bin poppler-utils exiv2
  dpkg-dev file appstream
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
