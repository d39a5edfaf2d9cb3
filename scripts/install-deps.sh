#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; does nothing when all are there.
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-charts-dev libqt6svg6-dev libqt6sql6-sqlite qt6-qpa-plugins
  libxlsxwriter-dev zlib1g-dev libasound2-dev
  sqlite3 libsqlite3-dev libgtest-dev libgmock-dev libbenchmark-dev
  qt6-translations-l10n
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
