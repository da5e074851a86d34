#!/bin/bash
# Brings every catalogue up to date with the sources (new texts appear as
# unfinished, vanished ones are dropped): update-translations.sh [LUPDATE] [family...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
lupdate=${1:-/usr/lib/qt6/bin/lupdate}
shift || true
. "$here/families.sh"
for entry in $families; do
  IFS=: read -r family folders languages <<<"$entry"
  if [ $# -gt 0 ] && [[ " $* " != *" $family "* ]]; then continue; fi
  sources=()
  for f in ${folders//,/ }; do [ -d "$root/$f" ] && sources+=("$root/$f"); done
  [ ${#sources[@]} -gt 0 ] || continue
  for lang in ${languages//,/ }; do
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h,ui \
      -source-language nl -target-language "$lang" -I "$root/src/gui" -I "$root/src/core" -I "$root/cli" "${sources[@]}" -ts "$here/kelvora_${family}_${lang}.ts"
  done
done
