#!/usr/bin/env bash
# Installs what is missing, builds in build/ and starts Kelvora.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/kelvora ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kelvora is built, but this machine has no display to show its windows on."
    echo "Start it under a virtual display with:"
    echo "    xvfb-run -a -s '-screen 0 1280x1024x24' build/kelvora"
    exit 0
  fi
  exec build/kelvora
fi
build/kelvora-cli || true
