#!/usr/bin/env bash
# Compares what two builds of tallyline-cli write, for changes that must not
# change behaviour.
#
# usage: scripts/compare_outputs.sh [OLD [NEW]]
#
# OLD and NEW are commits (default: HEAD, and the working tree's tracked
# changes: new files must be added to the index). Each is checked out into a
# scratch git worktree and built natively with ccache (target tallyline-cli
# only; a build is kept per commit and reused). Both run on:
#   - the peer corpus (bench/peers/generate.cpp, COMPARE_PEERS lines), `run`;
#   - the fuzz corpora's texts and byte mutations of them, as lines, `run`;
#   - COMPARE_LINES random lines shared out over every option set that
#     changes evaluation, `run` (output, standard error, exit status);
#   - a twentieth of as many single expressions, `eval` (line and status);
#   - small sheets under the batch command, `replay` (text, caret, status).
# Prints the number of differing lines and the first few; exit status 1
# when any differ.
#
# Settings: COMPARE_DIR (scratch folder, default build/compare),
# COMPARE_LINES (1000000), COMPARE_PEERS (100000), COMPARE_SEED.
set -euo pipefail

repo=$(git rev-parse --show-toplevel)
cd "$repo"
scratch=${COMPARE_DIR:-$repo/build/compare}
lines=${COMPARE_LINES:-1000000}
peers=${COMPARE_PEERS:-100000}
seed=${COMPARE_SEED:-20261207}
mkdir -p "$scratch"

old=$(git rev-parse "${1:-HEAD}")
if [[ $# -ge 2 ]]; then
  new=$(git rev-parse "$2")
else
  # The working tree's tracked changes as a commit object (HEAD when clean).
  new=$(git stash create)
  new=${new:-$(git rev-parse HEAD)}
fi

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-/work} CCACHE_NOHASHDIR=true
export CCACHE_DIR=${CCACHE_DIR:-/work/.ccache}

# Prints the path of the tallyline-cli built from commit $1.
build() {
  local commit=$1 tree=$scratch/tree-${1:0:12}
  local binary=$tree/build/src/tallyline-cli
  if [[ ! -x $binary ]]; then
    if [[ ! -d $tree ]]; then
      git worktree add --detach "$tree" "$commit" >/dev/null 2>&1
    fi
    cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DTALLYLINE_BENCH=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
      -DCMAKE_C_COMPILER_LAUNCHER=ccache >"$tree/configure.log" 2>&1
    nice cmake --build "$tree/build" -j2 --target tallyline-cli >"$tree/build.log" 2>&1 || {
      echo "build of ${commit:0:12} failed, see $tree/build.log" >&2
      exit 2
    }
  fi
  echo "$binary"
}

corpus=$scratch/corpus-$seed-$lines-$peers
if [[ ! -s $corpus/done ]]; then
  rm -rf "$corpus"
  mkdir -p "$corpus"
  python3 "$repo/scripts/compare_corpus.py" "$corpus" "$lines" "$seed"
  g++ -O2 -std=c++20 -o "$corpus/generate" "$repo/bench/peers/generate.cpp"
  "$corpus/generate" "$peers" "$corpus/peers" >/dev/null
  echo ok >"$corpus/done"
fi

# Runs binary $1 on the corpus, writing into folder $2.
run_all() {
  local cli=$1 out=$2
  rm -rf "$out"
  mkdir -p "$out"
  "$cli" run "$corpus/peers.tallyline.txt" >"$out/peers.out" 2>"$out/peers.err" || true
  local name args file
  while IFS=$'\t' read -r name args; do
    local sets=()
    for arg in $args; do sets+=(--set "$arg"); done
    for file in "$corpus"/run-"$name"-*.txt "$corpus/fuzz-$name.txt"; do
      local base=${file##*/}
      local status=0
      "$cli" run "${sets[@]}" "$file" >"$out/$base.out" 2>"$out/$base.err" || status=$?
      echo "exit status $status" >>"$out/$base.err"
    done
    xargs -0 -n 2000 "$cli" eval "${sets[@]}" -- <"$corpus/eval-$name.txt" \
      >"$out/eval-$name.out" 2>&1 || true
    "$cli" replay "$corpus/replay-$name.txt" >"$out/replay-$name.out" 2>&1 || true
  done <"$corpus/sets.txt"
}

old_cli=$(build "$old")
new_cli=$(build "$new")
echo "old ${old:0:12}: $old_cli"
echo "new ${new:0:12}: $new_cli"
(run_all "$old_cli" "$scratch/out-old") &
run_all "$new_cli" "$scratch/out-new"
wait

python3 - "$scratch/out-old" "$scratch/out-new" <<'EOF'
import os, sys
old, new = sys.argv[1], sys.argv[2]
names = sorted(set(os.listdir(old)) | set(os.listdir(new)))
total = differing = 0
shown = []
for name in names:
    def lines(folder):
        path = os.path.join(folder, name)
        if not os.path.exists(path):
            return []
        with open(path, "rb") as f:
            return f.read().split(b"\n")
    a, b = lines(old), lines(new)
    total += max(len(a), len(b))
    for i in range(max(len(a), len(b))):
        x = a[i] if i < len(a) else None
        y = b[i] if i < len(b) else None
        if x != y:
            differing += 1
            if len(shown) < 10:
                shown.append((name, i + 1, x, y))
print(f"{total} lines compared in {len(names)} outputs, {differing} differ")
for name, number, x, y in shown:
    print(f"{name}:{number}")
    print(f"  old: {x!r}")
    print(f"  new: {y!r}")
sys.exit(1 if differing else 0)
EOF
