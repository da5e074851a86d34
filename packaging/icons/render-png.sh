#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG sizes of the program icon from its SVG. The PNGs are
# committed; run this after changing the SVG (needs rsvg-convert from the
# Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/hicolor"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" scalable/apps/nl.kelvora.Kelvora.svg -o "${size}x${size}/apps/nl.kelvora.Kelvora.png"
done
