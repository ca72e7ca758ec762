#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's packages.
set -euo pipefail
packages=(
  build-essential cmake pkg-config clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfontconfig-dev libfreetype-dev fontconfig
  python3 python3-fonttools python3-pil opentype-sanitizer
  fonts-arphic-ukai fonts-wqy-zenhei
  unicode-data rime-data-stroke
  qt6-base-dev qt6-qpa-plugins libx11-dev libxtst-dev
  xvfb xauth openbox tint2 xterm xclip xdotool x11-xkb-utils x11-utils imagemagick
  fonts-hanazono
  lintian desktop-file-utils appstream dpkg-dev
  fcitx5 fcitx5-modules-dev libfcitx5core-dev fcitx5-frontend-gtk3 fcitx5-frontend-qt6
  sway wtype grim qt6-wayland zenity chromium dbus-x11 libdbus-1-dev chise-db wl-clipboard
  dbus-daemon libglib2.0-bin
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
