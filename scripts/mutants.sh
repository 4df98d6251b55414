#!/usr/bin/env bash
# Mutation check: do the native test suites catch small deliberate faults?
#
#   scripts/mutants.sh [--equivalent] [--keep] [NAME...]
#   scripts/mutants.sh --check    only check that every mutant still applies
#
# Each mutant of scripts/mutants.txt (every one, or the NAMEs given) is
# applied alone to a scratch copy of the sources; the test suites of its
# layer and of the layers built on it are rebuilt and run. A mutant is killed
# when a suite fails, crashes or hangs, and survives when they all pass.
# Mutants marked equivalent (they change nothing a test could observe) are
# left out of the score; --equivalent runs them too, to confirm they survive.
#
# The scratch copy lives in $MUTANTS_DIR (default: tallyline-mutants beside
# the repository) and is removed at the end unless --keep is given. Builds go
# through ccache when it is installed; CCACHE_BASEDIR must cover the scratch
# copy for its objects to be shared with other builds. JOBS (default 2) sets
# the build's parallelism.
#
# Exit status: 0 every mutant killed, 1 a mutant survived, 2 the data file no
# longer matches the sources (or the unmutated suites fail).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
data=$repo/scripts/mutants.txt
scratch=${MUTANTS_DIR:-$(dirname "$repo")/tallyline-mutants}
build=$scratch/build
jobs=${JOBS:-2}
suite_timeout=120

runEquivalent=false
keep=false
checkOnly=false
wanted=()
for arg in "$@"; do
  case $arg in
    --equivalent) runEquivalent=true ;;
    --keep) keep=true ;;
    --check) checkOnly=true ;;
    -h | --help)
      sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'
      exit 0
      ;;
    -*)
      echo "mutants: unknown option $arg" >&2
      exit 2
      ;;
    *) wanted+=("$arg") ;;
  esac
done

# The data file: blocks of "key: value" lines. "from" and "to" continue on
# lines that start with "|", each one more line of the text.
names=() files=() froms=() tos=() rules=() equivalents=()
current=-1
field=
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    '#'* | '') field= ;;
    'mutant: '*)
      current=$((current + 1))
      names[current]=${line#mutant: }
      files[current]='' froms[current]='' tos[current]='' rules[current]='' equivalents[current]=''
      field=
      ;;
    'file: '*) files[current]=${line#file: } field= ;;
    'rule: '*) rules[current]=${line#rule: } field= ;;
    'equivalent: '*) equivalents[current]=${line#equivalent: } field= ;;
    'from: '*) froms[current]=${line#from: } field=from ;;
    'to: '*) tos[current]=${line#to: } field=to ;;
    'to:') tos[current]='' field=to ;;
    '|'*)
      case $field in
        from) froms[current]+=$'\n'${line#|} ;;
        to) tos[current]+=$'\n'${line#|} ;;
        *)
          echo "mutants: a '|' line outside from/to: $line" >&2
          exit 2
          ;;
      esac
      ;;
    *)
      echo "mutants: cannot read this line of $data: $line" >&2
      exit 2
      ;;
  esac
done <"$data"

selected=()
for i in "${!names[@]}"; do
  if [ ${#wanted[@]} -gt 0 ]; then
    for w in "${wanted[@]}"; do [ "$w" = "${names[i]}" ] && selected+=("$i"); done
  elif [ -z "${equivalents[i]}" ] || $runEquivalent; then
    selected+=("$i")
  fi
done
if [ ${#wanted[@]} -gt 0 ] && [ ${#selected[@]} -ne ${#wanted[@]} ]; then
  echo "mutants: not every NAME is a mutant of $data" >&2
  exit 2
fi

if $checkOnly; then
  stale=0
  for i in "${!names[@]}"; do
    if [ -z "${files[i]}" ] || [ -z "${rules[i]}" ] || [ -z "${froms[i]}" ]; then
      echo "${names[i]}: needs a file, a rule and a text to change"
      stale=$((stale + 1))
    elif ! python3 - "$repo/${files[i]}" "${froms[i]}" <<'PY'; then
import sys
with open(sys.argv[1], "rb") as f:
    sys.exit(0 if f.read().count(sys.argv[2].encode()) == 1 else 1)
PY
      echo "${names[i]}: the text to change does not occur exactly once in ${files[i]}"
      stale=$((stale + 1))
    fi
  done
  echo "${#names[@]} mutants, $stale to mend"
  [ "$stale" -eq 0 ]
  exit
fi

# The suites that see a layer: its own and those of the layers built on it.
suites_of() {
  case $1 in
    text) echo text_tests files_tests engine_tests settings_tests sheet_tests cli_tests ;;
    files) echo files_tests settings_tests sheet_tests cli_tests ;;
    engine) echo engine_tests sheet_tests cli_tests ;;
    settings) echo settings_tests sheet_tests cli_tests ;;
    sheet) echo sheet_tests cli_tests ;;
    cli) echo cli_tests ;;
    *) return 1 ;;
  esac
}

# Replaces the one occurrence of $MUTANT_FROM in the file by $MUTANT_TO;
# status 3 when the text does not occur exactly once.
apply_mutant() {
  MUTANT_FROM=$1 MUTANT_TO=$2 python3 - "$3" <<'PY'
import os, sys
path = sys.argv[1]
old, new = os.environb[b"MUTANT_FROM"], os.environb[b"MUTANT_TO"]
with open(path, "rb") as f:
    content = f.read()
if content.count(old) != 1:
    sys.exit(3)
with open(path, "wb") as f:
    f.write(content.replace(old, new))
PY
}

# Builds the suites and runs them; prints the first suite that fails.
build_and_test() {
  local log=$scratch/build.log suite
  if ! cmake --build "$build" -j "$jobs" --target "$@" >"$log" 2>&1; then
    echo "build"
    return 1
  fi
  for suite in "$@"; do
    if ! (cd "$build/tests" && TMPDIR=$scratch/tmp timeout "$suite_timeout" "./$suite" \
      --gtest_brief=1 --gtest_fail_fast) >"$scratch/test.log" 2>&1; then
      echo "$suite"
      return 1
    fi
  done
}

started=$SECONDS
echo "== scratch copy in $scratch"
# Only a folder this script made is ever removed.
marker=$scratch/.tallyline-mutants
if [ -e "$scratch" ] && [ ! -e "$marker" ]; then
  echo "mutants: $scratch exists and is no scratch copy of this script; set MUTANTS_DIR" >&2
  exit 2
fi
rm -rf "$scratch"
mkdir -p "$scratch/tmp"
touch "$marker"
cp -r "$repo/CMakeLists.txt" "$repo/cmake" "$repo/src" "$repo/tests" "$repo/scripts" "$scratch/"
if command -v ccache >/dev/null && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$scratch}
# The optimisation of the native build, without its debugging information.
cmake -S "$scratch" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" -DTALLYLINE_BENCH=OFF >/dev/null

restore=
cleanup() {
  if [ -n "$restore" ]; then cp "$scratch/original" "$restore"; fi
  if ! $keep; then rm -rf "$scratch"; fi
}
trap cleanup EXIT

echo "== the unmutated suites"
all_suites=$(suites_of text)
# shellcheck disable=SC2086
if failed=$(build_and_test $all_suites); then
  echo "   pass ($((SECONDS - started)) s)"
else
  echo "mutants: the unmutated sources fail ($failed); see $scratch/*.log" >&2
  keep=true
  exit 2
fi

killed=0 survived=0 broken=0 count=0
survivors=()
for i in "${selected[@]}"; do
  count=$((count + 1))
  name=${names[i]} file=${files[i]}
  label=$(printf '[%2d/%d] %s' "$count" "${#selected[@]}" "$name")
  layer=${file#src/}
  layer=${layer%%/*}
  if ! suites=$(suites_of "$layer"); then
    echo "$label: STALE, $file is in no native layer"
    broken=$((broken + 1))
    continue
  fi
  path=$scratch/$file
  if [ ! -f "$path" ]; then
    echo "$label: STALE, $file does not exist"
    broken=$((broken + 1))
    continue
  fi
  cp "$path" "$scratch/original"
  status=0
  apply_mutant "${froms[i]}" "${tos[i]}" "$path" || status=$?
  if [ "$status" != 0 ]; then
    echo "$label: STALE, the text to change does not occur exactly once in $file"
    broken=$((broken + 1))
    continue
  fi
  restore=$path
  mutantStart=$SECONDS
  # shellcheck disable=SC2086
  if failed=$(build_and_test $suites); then
    result=survived
  elif [ "$failed" = build ]; then
    result=unbuilt
  else
    result=killed
  fi
  cp "$scratch/original" "$path"
  restore=
  took=$((SECONDS - mutantStart))
  if [ -n "${equivalents[i]}" ]; then
    if [ "$result" = survived ]; then
      echo "$label: equivalent, survived (${took} s)"
    else
      echo "$label: marked equivalent but $result ($failed)"
      broken=$((broken + 1))
    fi
    continue
  fi
  case $result in
    killed)
      killed=$((killed + 1))
      echo "$label: killed by $failed (${took} s)"
      ;;
    survived)
      survived=$((survived + 1))
      survivors+=("$name")
      echo "$label: SURVIVED (${took} s): ${rules[i]}"
      ;;
    unbuilt)
      broken=$((broken + 1))
      echo "$label: DOES NOT BUILD; the mutant must compile:"
      grep -m 3 -E 'error' "$scratch/build.log" | sed 's/^/    /'
      ;;
  esac
done

scored=$((killed + survived))
equivalentCount=0
for e in "${equivalents[@]}"; do [ -n "$e" ] && equivalentCount=$((equivalentCount + 1)); done
elapsed=$((SECONDS - started))
echo "== score: $killed of $scored killed$([ "$scored" -gt 0 ] &&
  echo " ($((100 * killed / scored)) %)"), $equivalentCount equivalent in the data file;" \
  "$((elapsed / 60)) min $((elapsed % 60)) s"
[ ${#survivors[@]} -gt 0 ] && echo "   survived: ${survivors[*]}"
if [ "$broken" -gt 0 ]; then
  echo "mutants: $broken mutant(s) to mend in $data" >&2
  exit 2
fi
[ "$survived" -eq 0 ]
