#!/usr/bin/env bash
# Builds both targets and runs every test: native, native under the sanitizers,
# the Windows build under Wine, then each fuzz target for 20 seconds
# (scripts/fuzz.sh runs them for as long as asked).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

for preset in native asan windows; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: test"
  ctest --preset "$preset"
done

echo "== fuzz: 20 s per target"
scripts/fuzz.sh 20
