#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test. Safe to run again.
set -euo pipefail

packages=(
  build-essential gcc g++ libc6-dev cmake ninja-build pkg-config git
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qttranslations5-l10n
  libqt5sql5-sqlite libqt5sql5-mysql libqt5serialport5-dev libqt5websockets5-dev libqt5svg5-dev
  libxlsxwriter-dev zlib1g-dev librabbitmq-dev sqlite3 mariadb-server
  rabbitmq-server amqp-tools
  # WenQuanYi Zen Hei renders the reports' Chinese text: its PDF text reads back as the same
  # characters (the CJK ideographs that other fonts share with radicals come out as radicals).
  fonts-noto-cjk fonts-wqy-zenhei
  clang libclang-rt-14-dev
  poppler-utils python3 python3-openpyxl python3-pil xvfb xauth imagemagick
  e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
