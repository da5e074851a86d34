#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts "// SPDX-License-Identifier: GPL-3.0-or-later" as the first line of every
# C++ source and header under src cli tests bench fuzz tools that has no SPDX
# line yet. Prints the files it changed; running it twice changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
HEADER='// SPDX-License-Identifier: GPL-3.0-or-later'
changed=0
while IFS= read -r -d '' file; do
  # A header already somewhere in the first lines counts.
  if head -n 5 "$file" | grep -q 'SPDX-License-Identifier:'; then continue; fi
  tmp=$(mktemp "$file.XXXXXX")
  { printf '%s\n' "$HEADER"; cat "$file"; } >"$tmp"
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
  echo "$file"
  changed=$((changed + 1))
done < <(find src cli tests bench fuzz tools -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
echo "add-spdx: $changed file(s) given a licence line" >&2
