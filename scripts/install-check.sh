#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a finished build into a temporary prefix and checks it as a Linux
# desktop installation: the files in their places, the desktop file and the
# AppStream metainfo valid, kelvora-cli (and kelvora) working for a user with
# fresh folders without writing into the prefix, and the Debian package.
#   scripts/install-check.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=$(realpath "${1:-build}")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kelvora-install-check.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
PREFIX=$WORK/prefix/usr
failures=0
fail() { echo "install-check: FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "install-check: ok: $*"; }

GUI=0
[ -x "$BUILD/kelvora" ] && GUI=1

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log"

expected=(
  bin/kelvora-cli
  share/kelvora/manual/manual.htm
  share/kelvora/translations/kelvora_corestore_nl.qm
  share/kelvora/translations/kelvora_glaze_en.qm
  share/kelvora/db0991/mat.cds
  share/kelvora/db0991/glz.cds
  share/kelvora/data/molar_masses.xml
  share/kelvora/data/expansion/appen.xml
  share/kelvora/data/expansion/english-turner.xml
  share/kelvora/data/limits/aardewerk-lood.xml
  share/kelvora/data/limits/steengoed-glans.xml
  share/kelvora/data/limits/hoog-steengoed-rhodes.xml
  share/applications/nl.kelvora.Kelvora.desktop
  share/metainfo/nl.kelvora.Kelvora.metainfo.xml
  share/icons/hicolor/scalable/apps/nl.kelvora.Kelvora.svg
  share/man/man1/kelvora-cli.1.gz
  share/bash-completion/completions/kelvora-cli
  share/doc/kelvora/copyright
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/nl.kelvora.Kelvora.png")
done
[ $GUI = 1 ] && expected+=(bin/kelvora share/man/man1/kelvora.1.gz)
for f in "${expected[@]}"; do
  [ -f "$PREFIX/$f" ] || fail "not installed: $f"
done
pass "${#expected[@]} files installed in their places"

desktop-file-validate "$PREFIX/share/applications/nl.kelvora.Kelvora.desktop" && pass "desktop-file-validate" ||
  fail "desktop-file-validate"
appstreamcli validate --no-net "$PREFIX/share/metainfo/nl.kelvora.Kelvora.metainfo.xml" >"$WORK/appstream.log" &&
  pass "appstreamcli validate --no-net" || { cat "$WORK/appstream.log"; fail "appstreamcli validate"; }
zcat "$PREFIX/share/man/man1/kelvora-cli.1.gz" | grep -q '^\.TH KELVORA-CLI 1' && pass "man page" || fail "man page"
if [ $GUI = 1 ]; then
  zcat "$PREFIX/share/man/man1/kelvora.1.gz" | grep -q '^\.TH KELVORA 1' && pass "man page of kelvora" ||
    fail "man page of kelvora"
fi
bash -n "$PREFIX/share/bash-completion/completions/kelvora-cli" && pass "bash completion parses" ||
  fail "bash completion"

# Everything in the prefix with its checksum, to prove nothing is written there.
snapshot() { (cd "$WORK/prefix" && find . -printf '%y %p\n' | sort && find . -type f -print0 | sort -z |
  xargs -0 sha256sum); }
snapshot >"$WORK/prefix.before"

# A user with fresh folders: the starter tables are copied on first use.
user_env=(env -i PATH="$PATH" LC_ALL=C HOME="$WORK/home" XDG_DATA_HOME="$WORK/data" XDG_CONFIG_HOME="$WORK/config")
mkdir -p "$WORK/home"
cli=("${user_env[@]}" "$PREFIX/bin/kelvora-cli")
if "${cli[@]}" list glazes >"$WORK/glazes.txt" && [ -s "$WORK/glazes.txt" ]; then
  pass "installed kelvora-cli lists $(wc -l <"$WORK/glazes.txt") starter glazes"
else
  fail "installed kelvora-cli list glazes"
fi
for t in mat.cds glz.cds; do
  cmp -s "$PREFIX/share/kelvora/db0991/$t" "$WORK/data/kelvora/db0991/$t" || fail "starter table $t not copied"
done
[ -d "$WORK/config/kelvora" ] || fail "settings folder not made"
"${cli[@]}" list materials >/dev/null || fail "installed kelvora-cli list materials"
version=$("${cli[@]}" --version)
grep -q '^kelvora-cli 0\.9\.9\.1$' <<<"$version" && grep -q "^data: *$WORK/data/kelvora/db0991\$" <<<"$version" &&
  grep -q "^settings: *$WORK/config/kelvora/kelvora.INI\$" <<<"$version" && pass "kelvora-cli --version names the folders" ||
  fail "kelvora-cli --version: $version"
"${cli[@]}" --help | grep -q '^usage: kelvora-cli' || fail "kelvora-cli --help"
set +e
"${cli[@]}" frobnicate 2>/dev/null
rc=$?
set -e
[ $rc = 2 ] || fail "a usage error exits $rc instead of 2"

if [ $GUI = 1 ]; then
  "$PREFIX/bin/kelvora" --version | grep -q '^kelvora 0\.9\.9\.1$' || fail "kelvora --version"
  # Help without any display at all.
  env -i PATH="$PATH" HOME="$WORK/home" "$PREFIX/bin/kelvora" --help | grep -q '^usage: kelvora' &&
    pass "kelvora --help without a display" || fail "kelvora --help without a display"
  # The program itself, started for a moment by another fresh user, seeds its folder too.
  mkdir -p "$WORK/home2"
  env -i PATH="$PATH" HOME="$WORK/home2" QT_QPA_PLATFORM=offscreen "$PREFIX/bin/kelvora" >"$WORK/kelvora.log" 2>&1 &
  gui=$!
  seeded="$WORK/home2/.local/share/kelvora/db0991/mat.cds" # the last one copied
  for _ in $(seq 150); do
    [ -f "$seeded" ] && break
    kill -0 $gui 2>/dev/null || break
    sleep 0.2
  done
  kill $gui 2>/dev/null || true
  wait $gui 2>/dev/null || true
  cmp -s "$PREFIX/share/kelvora/db0991/mat.cds" "$seeded" &&
    pass "installed kelvora seeds ~/.local/share/kelvora/db0991" || fail "installed kelvora did not seed its data folder"
fi

snapshot >"$WORK/prefix.after"
diff -u "$WORK/prefix.before" "$WORK/prefix.after" && pass "nothing written into the prefix" ||
  fail "the prefix changed"

# The Debian package and its file list.
cpack -G DEB -B "$WORK/deb" --config "$BUILD/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
  { cat "$WORK/cpack.log"; fail "cpack -G DEB"; }
deb=$(find "$WORK/deb" -maxdepth 1 -name 'kelvora_*.deb' | head -n 1)
if [ -n "$deb" ]; then
  dpkg-deb -c "$deb" | awk '{print $6}' >"$WORK/deb.files"
  for f in "${expected[@]}"; do
    grep -qx "./usr/$f" "$WORK/deb.files" || fail "not in the package: /usr/$f"
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  grep -q 'libpugixml' <<<"$depends" || fail "Depends lacks libpugixml: $depends"
  [ $GUI = 0 ] || grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks libqt6widgets6: $depends"
  pass "$(basename "$deb"): $(wc -l <"$WORK/deb.files") entries; Depends: $depends"
else
  fail "no .deb built"
fi

if [ $failures -gt 0 ]; then
  echo "install-check: $failures failure(s)" >&2
  exit 1
fi
echo "install-check: all passed"
