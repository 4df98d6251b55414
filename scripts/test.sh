#!/usr/bin/env bash
# Checks the format and the layering, builds both targets and runs every
# test: native, native under the sanitizers, the Windows build under Wine,
# then each fuzz target for 20 seconds
# (scripts/fuzz.sh runs them for as long as asked).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

echo "== format and layering"
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run -Werror
python3 scripts/check_layers.py .

for preset in native asan windows; do
  echo "== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset: test"
  ctest --preset "$preset"
done

echo "== fuzz: 20 s per target"
scripts/fuzz.sh 20
