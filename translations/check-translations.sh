#!/bin/bash
# Fails when a catalogue is out of date with the sources (run
# update-translations.sh) or when a catalogue that must be complete has
# unfinished entries (listed): check-translations.sh LUPDATE
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/translations"
cp "$here"/families.sh "$here"/update-translations.sh "$work/translations/"
cp "$here"/*.ts "$work/translations/" 2>/dev/null || true
# The sources are read where they are; only the catalogues are copies.
ln -s "$(dirname "$here")/src" "$work/src"
ln -s "$(dirname "$here")/cli" "$work/cli"
bash "$work/translations/update-translations.sh" "$lupdate" >/dev/null || { echo "lupdate failed"; exit 1; }
. "$here/families.sh"
status=0
for fresh in "$work"/translations/*.ts; do
  name=$(basename "$fresh")
  if [ ! -f "$here/$name" ]; then
    echo "missing catalogue: translations/$name (run translations/update-translations.sh)"
    status=1
  elif ! cmp -s "$fresh" "$here/$name"; then
    echo "out of date: translations/$name (run translations/update-translations.sh)"
    diff "$here/$name" "$fresh" | head -20
    status=1
  fi
done
for lang in $complete_languages; do
  for ts in "$here"/*_"$lang".ts; do
    [ -f "$ts" ] || continue
    # Each unfinished entry with its context's name and source text.
    unfinished=$(awk '/<name>/ { gsub(/.*<name>|<\/name>.*/, ""); ctx = $0 }
                      /<source>/ { src = $0; gsub(/.*<source>|<\/source>.*/, "", src) }
                      /type="unfinished"/ { print "  " ctx ": " src }' "$ts")
    if [ -n "$unfinished" ]; then
      echo "unfinished in translations/$(basename "$ts"):"
      echo "$unfinished"
      status=1
    fi
  done
done
exit $status
