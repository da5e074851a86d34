#!/usr/bin/env bash
# Installs the Debian packages Kelvora needs to build, test and run, when missing.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  libpugixml-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-liberation
  poppler-utils clang-format
  qt6-charts-dev libqt6opengl6-dev coinor-libclp-dev
  desktop-file-utils appstream dpkg-dev file
  libyaml-cpp-dev nlohmann-json3-dev zlib1g-dev
  libzip-dev
  qt6-l10n-tools qt6-tools-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
