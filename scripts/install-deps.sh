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
  libavformat-dev libavcodec-dev libswscale-dev libavutil-dev libssl-dev libjpeg62-turbo-dev libexif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  udisks2 dbus xvfb xauth fonts-dejavu-core fonts-noto-cjk
  ffmpeg gdal-bin poppler-utils exiv2
  dpkg-dev file appstream locales
)

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# A German locale, so the tests that read numbers under a decimal comma run.
if ! locale -a 2>/dev/null | grep -ix 'de_DE\.utf-\?8' >/dev/null; then
  if grep -q '^# *de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    $SUDO sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
