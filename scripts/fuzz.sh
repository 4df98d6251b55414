#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 20).
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# The corpus grows in build/fuzz/corpus/TARGET, seeded from fuzz/corpus/TARGET;
# a crash leaves its input in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true

# clang cannot write GBK literals itself: build from a copy whose literals
# are already GBK escapes.
copy=build/fuzz-src
python3 scripts/transcode_literals.py . "$copy"
CC=clang CXX=clang++ cmake -S "$copy" -B build/fuzz -G Ninja -DTALLYLINE_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do targets+=("$(basename "$f" .cpp)"); done
fi

mkdir -p build/fuzz/findings
for t in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$t
  mkdir -p "$corpus"
  echo "== fuzz $t for ${seconds}s"
  log=build/fuzz/$t.log
  status=0
  build/fuzz/fuzz/"$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/findings/"$t"- "$corpus" "fuzz/corpus/$t" \
    >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ *DONE|stat::number_of_executed_units|stat::peak_rss|INFO: seed corpus)' "$log" || true
  grep -E 'cov: [0-9]+' "$log" | tail -1 || true
  if [ "$status" != 0 ]; then
    grep -E '==[0-9]+==ERROR|SUMMARY|^    #[0-9]+ .* in ' "$log" | head -20
    echo "fuzz: $t found a failure (input in build/fuzz/findings, log in $log)"
    exit 1
  fi
done
