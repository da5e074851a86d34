#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
BUILD=build
FLAGS=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVORA_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  BUILD=build-sanitize
  FLAGS=(-DCMAKE_BUILD_TYPE=Debug -DKELVORA_WERROR=ON -DKELVORA_SANITIZE=ON)
fi
# A compiler cache, where one is installed, makes rebuilds of unchanged sources cheap.
if command -v ccache >/dev/null; then FLAGS+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$BUILD" -G Ninja "${FLAGS[@]}"
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)" --timeout 600
# The normal build is also installed into a temporary prefix and packaged.
if [ "$BUILD" = build ]; then ./scripts/install-check.sh "$BUILD"; fi
