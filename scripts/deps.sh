#!/usr/bin/env bash
# Installs the Debian 12 packages the program needs to build and run ("run"), or to build and run
# every test ("test"). Only missing packages are installed, so running it again changes nothing.
set -euo pipefail

mode=${1:-run}

packages=(
  build-essential cmake pkg-config
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libqwt-qt5-dev libjsoncpp-dev
  iputils-ping imagemagick dcraw ffmpeg
  # Latin, Greek and Cyrillic glyphs, and the Chinese, Japanese and Korean ones of the program's
  # CJK languages (fontconfig picks them for those texts).
  fonts-dejavu-core fonts-noto-cjk
)
if [ "$mode" = test ]; then
  # locales: the sources and character maps localedef makes a test's locale from.
  packages+=(xvfb xauth iproute2 procps xdotool locales)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
