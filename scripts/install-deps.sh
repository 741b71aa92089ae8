#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, and only those missing.
set -euo pipefail
packages=(
  build-essential cmake pkg-config git
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-serialport-dev qt6-charts-dev qt6-multimedia-dev
  libicu-dev libgtest-dev libgmock-dev
  libxlsxwriter-dev libquazip1-qt6-dev libfreexl-dev unicode-data python3
  postgresql postgresql-client
  fonts-noto-cjk poppler-utils xvfb xauth x11-apps imagemagick
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
