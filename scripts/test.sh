#!/usr/bin/env bash
# Builds and runs every test: the Linux build, the sanitizer build, the fuzz targets, and (where the cross
# script exists) the 32-bit Windows DLL with its 32-bit and Windows proofs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh dev

for preset in dev asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# The fuzz targets, each for a bounded time from its corpus (cache variable TARMELON_FUZZ_SECONDS, 20 s).
echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz

if [ -x .ci/cross-builds.sh ]; then
  echo "== cross builds"
  .ci/cross-builds.sh
fi
