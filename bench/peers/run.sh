#!/usr/bin/env bash
# Peer comparison: `tallyline-cli run` against bc -l, apcalc's calc, qalc and a
# muparser driver on the same generated corpora, with the floor (read the
# numbers with strtod, print one value a line) as the lower bound, and
# `tallyline-cli run --check` against `run` on the corpora with their results
# written. Installs the
# missing peers (Debian packages), builds the helpers into the build tree,
# measures, checks that the results agree to 10 significant digits, and prints
# the tables (also written to $PEERS_BUILD/results.md). See README.md.
#
#   bash bench/peers/run.sh
#
# Environment (defaults in brackets):
#   TALLYLINE_CLI  the binary under test [tallyline-cli of the native build]
#   PEERS_BUILD    build and work folder [build/peers]
#   PEERS_SIZES    corpus sizes every tool runs ["1000 10000 100000"]
#   PEERS_BIG      the corpus only tallyline-cli runs, 0 for none [1000000]
#   PEERS_TOOLS    tools to run ["floor tallyline rerun check bc calc muparser qalc"]
#   PEERS_RUNS     runs per tool and corpus; the median is kept [5]
#   PEERS_BUDGET   seconds one run may take: a run estimated (from the smaller
#                  corpus) to take longer is skipped, one that takes twice as
#                  long is stopped [60]
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
cli=${TALLYLINE_CLI:-}
if [[ -z $cli ]]; then
  for cli in "$root"/build/native/src/{cli/,}tallyline-cli; do
    [[ -x $cli ]] && break
  done
fi
build=${PEERS_BUILD:-$root/build/peers}
sizes=${PEERS_SIZES:-"1000 10000 100000"}
big=${PEERS_BIG:-1000000}
tools=${PEERS_TOOLS:-"floor tallyline rerun check bc calc muparser qalc"}
runs=${PEERS_RUNS:-5}
budget=${PEERS_BUDGET:-60}
limit=$((budget * 2))
work=$build/work
report=$build/results.md

declare -A label=(
  [floor]="floor (strtod)" [tallyline]="tallyline-cli run" [bc]="bc -l"
  [rerun]="tallyline-cli run, results written" [check]="tallyline-cli run --check, results written"
  [calc]="calc (apcalc)" [muparser]="muparser driver" [qalc]="qalc"
)
declare -A note=()   # tool -> why it does not run at all
declare -A walls=() cpus=() rsses=() wall=() cpu=() rss=() done_runs=() agree=() skip=() per_line=() per_line_cpu=() per_line_from=()

say() { echo "peers: $*" >&2; }

install_peers() {
  local missing=()
  command -v bc >/dev/null || missing+=(bc)
  command -v calc >/dev/null || missing+=(apcalc)
  command -v qalc >/dev/null || missing+=(qalc)
  [[ -f /usr/include/muParser.h ]] || missing+=(libmuparser-dev)
  [[ -x /usr/bin/time ]] || missing+=(time)
  ((${#missing[@]})) || return 0
  if [[ $(id -u) -eq 0 ]] && command -v apt-get >/dev/null; then
    say "installing ${missing[*]}"
    apt-get update -qq >&2 || true
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >&2 || say "installing failed; the missing tools are skipped"
  else
    say "missing ${missing[*]}: install them with apt-get (as root); they are skipped"
  fi
  [[ -x /usr/bin/time ]] || { say "/usr/bin/time (package time) is needed"; exit 1; }
}

compile() {
  local name=$1
  shift
  if [[ ! -x $build/$name || $here/$name.cpp -nt $build/$name ]]; then
    g++ -std=c++20 -O2 -Wall -Wextra -Wshadow -Werror -o "$build/$name" "$here/$name.cpp" "$@"
  fi
}

build_helpers() {
  mkdir -p "$build/corpus" "$work"
  compile generate
  compile floor
  if [[ -f /usr/include/muParser.h ]]; then
    compile muparser_driver -lmuparser
  else
    note[muparser]="libmuparser-dev is not installed"
  fi
}

check_tools() {
  command -v bc >/dev/null || note[bc]="bc is not installed"
  command -v calc >/dev/null || note[calc]="calc (apcalc) is not installed"
  command -v qalc >/dev/null || note[qalc]="qalc is not installed"
  if [[ ! -x $cli ]]; then
    note[tallyline]="not built: no tallyline-cli in build/native (cmake --preset native && cmake --build --preset native --target tallyline-cli), nor TALLYLINE_CLI set"
    say "tallyline-cli skipped: ${note[tallyline]}"
    note[rerun]=${note[tallyline]}
    note[check]=${note[tallyline]}
  fi
}

# Prints the path prefix of the N-line corpora, generating them when needed:
# the expressions, and (with tallyline-cli) the same lines with their results
# written, for the check.
corpus() {
  local prefix=$build/corpus/lines-$1
  if [[ ! -s $prefix.expected.txt || $build/generate -nt $prefix.expected.txt ]]; then
    "$build/generate" "$1" "$prefix"
  fi
  if [[ -x $cli && (! -s $prefix.results.txt || $cli -nt $prefix.results.txt) ]]; then
    "$cli" run -o "$prefix.results.txt" "$prefix.tallyline.txt" >&2
  fi
  echo "$prefix"
}

# Runs TOOL once on its corpus under /usr/bin/time (peak memory) and timeout.
invoke() {
  local tool=$1 prefix=$2
  local measured=(/usr/bin/time -f %M -o "$work/rss" timeout "$limit")
  case $tool in
    floor) "${measured[@]}" "$build/floor" "$prefix.peers.txt" ;;
    tallyline) "${measured[@]}" "$cli" run "$prefix.tallyline.txt" ;;
    rerun) "${measured[@]}" "$cli" run "$prefix.results.txt" ;;
    check) "${measured[@]}" "$cli" run --check "$prefix.results.txt" ;;
    bc) BC_LINE_LENGTH=0 "${measured[@]}" bc -l "$prefix.peers.txt" </dev/null ;;
    calc) "${measured[@]}" calc -q -p <"$prefix.peers.txt" ;;
    muparser) "${measured[@]}" "$build/muparser_driver" "$prefix.peers.txt" ;;
    # +u8: ASCII minus signs; 16 digits, so that the last shown digit is not the 10th.
    qalc) "${measured[@]}" qalc -t +u8 -s "precision 16" -f "$prefix.peers.txt" </dev/null ;;
  esac
}

# One run; sets run_wall and run_cpu (seconds, user + system) and run_rss (KiB).
run_once() {
  local tool=$1 prefix=$2 out=$3 status=0
  local TIMEFORMAT='%3R %3U %3S'
  { time invoke "$tool" "$prefix" >"$out" 2>"$work/stderr"; } 2>"$work/times" || status=$?
  local user sys
  read -r run_wall user sys < <(tail -n 1 "$work/times")
  run_cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%.3f", u + s }')
  run_rss=$(tail -n 1 "$work/rss")
  return "$status"
}

# One value a line from a tool's output.
extract() {
  local tool=$1 out=$2
  case $tool in
    # "EXPR=RESULT", the result possibly "1.5×10^-005" with × in GBK (A1 C1) or UTF-8 (C3 97).
    tallyline | rerun) LC_ALL=C sed -e 's/\r$//' -e '/=/!s/.*/no-result/' -e 's/^.*=//' \
      -e 's/\xa1\xc110\^/e/' -e 's/\xc3\x9710\^/e/' -e 's/,//g' "$out" ;;
    calc) sed -e 's/^[[:space:]]*//' -e 's/^~//' "$out" ;;
    qalc) LC_ALL=C sed -e 's/\xe2\x88\x92/-/g' "$out" ;;
    *) cat "$out" ;;
  esac
}

# Compares a tool's values with the generator's: agreement means a difference
# of at most half a unit in the 10th significant digit.
agreement() {
  local expected=$1 values=$2
  paste -d ' ' "$expected" "$values" | LC_ALL=C awk '
    function abs(x) { return x < 0 ? -x : x }
    {
      good = $2 ~ /^[-+]?([0-9]+[.]?[0-9]*|[.][0-9]+)([eE][-+]?[0-9]+)?$/
      if (good) {
        e = $1 + 0; g = $2 + 0; m = abs(e) > abs(g) ? abs(e) : abs(g)
        lg = m > 0 ? log(m) / log(10) : 0; x = int(lg); if (x > lg) x--
        good = abs(e - g) <= 0.5 * 10 ^ (x - 9)
      }
      if (!good && bad++ == 0) first = "line " NR ": expected " $1 ", got " ($2 == "" ? "nothing" : $2)
    }
    END {
      if (bad) printf "%d of %d differ (first %s)\n", bad, NR, first
      else printf "all %d agree\n", NR
    }'
}

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Runs every tool on the N-line corpus RUNS times, taking the tools in turn
# so that a burst of load from elsewhere falls on all of them alike.
measure() {
  local n=$1 prefix=$2 tool key r status estimate active=()
  shift 2
  for tool in "$@"; do
    key="$tool,$n"
    if [[ -n ${per_line[$tool]:-} ]]; then
      estimate=$(awk -v p="${per_line[$tool]}" -v n="$n" 'BEGIN { printf "%.0f", p * n }')
      if ((estimate > budget)); then
        skip[$key]="skipped: about ${estimate} s a run, estimated from the ${per_line_from[$tool]}-line corpus"
        continue
      fi
    fi
    active+=("$tool")
    walls[$key]="" cpus[$key]="" rsses[$key]=""
  done
  for ((r = 1; r <= runs; r++)); do
    for tool in "${active[@]}"; do
      key="$tool,$n"
      [[ -n ${skip[$key]:-} ]] && continue
      say "$tool, $n lines, run $r"
      status=0
      run_once "$tool" "$prefix" "$work/$tool-$n.out" || status=$?
      # Lines it could not evaluate, and stale results, are a matter for the
      # agreement column.
      if ((status == 1)) && grep -q 'failed lines:\|stale results:' "$work/stderr"; then
        status=0
      fi
      if ((status == 124)); then
        skip[$key]="stopped after ${limit} s"
        continue
      elif ((status != 0)); then
        skip[$key]="failed (exit status $status): $(head -c 200 "$work/stderr" | head -n 1)"
        continue
      fi
      walls[$key]+=" $run_wall" cpus[$key]+=" $run_cpu" rsses[$key]+=" $run_rss"
      if ((r == 1)) && [[ $tool == check ]]; then
        agree[$key]=$(sed -n 's/^tallyline-cli: run: //p' "$work/stderr")
      elif ((r == 1)) && [[ $tool != floor ]]; then
        extract "$tool" "$work/$tool-$n.out" >"$work/values"
        agree[$key]=$(agreement "$prefix.expected.txt" "$work/values")
      fi
      if awk -v w="$run_wall" -v b="$budget" 'BEGIN { exit !(w > b) }'; then
        skip[$key]="one run only: it took ${run_wall} s"
      fi
    done
  done
  for tool in "${active[@]}"; do
    key="$tool,$n"
    [[ -n ${walls[$key]} ]] || continue
    # shellcheck disable=SC2086 # the lists are space-separated numbers
    wall[$key]=$(median ${walls[$key]})
    # shellcheck disable=SC2086
    cpu[$key]=$(median ${cpus[$key]})
    # shellcheck disable=SC2086
    rss[$key]=$(median ${rsses[$key]})
    done_runs[$key]=$(wc -w <<<"${walls[$key]}")
    per_line[$tool]=$(awk -v w="${wall[$key]}" -v n="$n" 'BEGIN { printf "%.9f", w / n }')
    per_line_cpu[$tool]=$(awk -v c="${cpu[$key]}" -v n="$n" 'BEGIN { printf "%.9f", c / n }')
    per_line_from[$tool]=$n
  done
}

# Microseconds a line, wall clock; estimated from a smaller corpus when skipped.
cost() {
  local tool=$1 n=$2 key="$1,$2"
  if [[ -n ${wall[$key]:-} ]]; then
    awk -v w="${wall[$key]}" -v n="$n" 'BEGIN { printf "%.2f", w * 1e6 / n }'
  fi
}

cost_cpu() {
  local key="$1,$2"
  if [[ -n ${cpu[$key]:-} ]]; then
    awk -v c="${cpu[$key]}" -v n="$2" 'BEGIN { printf "%.2f", c * 1e6 / n }'
  fi
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a > 0 && b > 0) printf "%.2f", a / b }'; }

table() {
  local n=$1 prefix=$2 tool key base
  local bytes
  bytes=$(stat -c %s "$prefix.tallyline.txt")
  base=$(cost tallyline "$n")
  echo
  echo "### $n lines ($(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1048576 }') MiB)"
  echo
  echo "| tool | runs | median wall s | µs/line wall | µs/line CPU | peak RSS MiB | ÷ tallyline-cli | results |"
  echo "|---|---|---|---|---|---|---|---|"
  for tool in $tools; do
    key="$tool,$n"
    if [[ -n ${note[$tool]:-} ]]; then
      echo "| ${label[$tool]} | 0 | | | | | | ${note[$tool]} |"
    elif [[ -z ${wall[$key]:-} ]]; then
      [[ -n ${skip[$key]:-} ]] && echo "| ${label[$tool]} | 0 | | | | | | ${skip[$key]} |"
    else
      local mine cpuline mib text
      mine=$(cost "$tool" "$n")
      cpuline=$(awk -v c="${cpu[$key]}" -v n="$n" 'BEGIN { printf "%.2f", c * 1e6 / n }')
      mib=$(awk -v k="${rss[$key]}" 'BEGIN { printf "%.1f", k / 1024 }')
      text=${agree[$key]:-"(not an evaluator)"}
      [[ -n ${skip[$key]:-} ]] && text="$text; ${skip[$key]}"
      echo "| ${label[$tool]} | ${done_runs[$key]} | ${wall[$key]} | $mine | $cpuline | $mib" \
        "| $(ratio "$mine" "$base") | $text |"
    fi
  done
}

headline() {
  local n=$1 big_n=$2 prefix=$3 base base_cpu tool
  base=$(cost tallyline "$n")
  base_cpu=$(cost_cpu tallyline "$n")
  echo
  echo "### Headline ($n lines, median wall clock)"
  echo
  if [[ -z $base ]]; then
    echo "- tallyline-cli: no measurement (${note[tallyline]:-${skip[tallyline,$n]:-}})."
  fi
  for tool in $tools; do
    [[ $tool == tallyline || $tool == rerun || $tool == check || -n ${note[$tool]:-} ]] && continue
    local mine mine_cpu from=""
    mine=$(cost "$tool" "$n")
    mine_cpu=$(cost_cpu "$tool" "$n")
    if [[ -z $mine && -n ${per_line[$tool]:-} ]]; then
      mine=$(awk -v p="${per_line[$tool]}" 'BEGIN { printf "%.2f", p * 1e6 }')
      mine_cpu=$(awk -v p="${per_line_cpu[$tool]}" 'BEGIN { printf "%.2f", p * 1e6 }')
      from=" (estimated from the ${per_line_from[$tool]}-line corpus)"
    fi
    [[ -n $mine ]] || continue
    if [[ -n $base ]]; then
      if [[ $tool == floor ]]; then
        echo "- tallyline-cli $base µs/line = $(ratio "$base" "$mine") × the floor ($mine µs/line;" \
          "CPU time: $(ratio "$base_cpu" "$mine_cpu") ×; target at most 4)."
      else
        echo "- ${label[$tool]}: $mine µs/line$from = $(ratio "$mine" "$base") × tallyline-cli" \
          "(CPU time: ${mine_cpu:-?} µs/line, $(ratio "${mine_cpu:-0}" "$base_cpu") ×; target above 1)."
      fi
    else
      echo "- ${label[$tool]}: $mine µs/line$from (CPU time: ${mine_cpu:-?} µs/line)."
    fi
  done
  if [[ -n $base ]]; then
    local bytes mib
    bytes=$(stat -c %s "$prefix.tallyline.txt")
    mib=$(awk -v k="${rss[tallyline,$n]}" 'BEGIN { printf "%.1f", k / 1024 }')
    echo "- tallyline-cli peak memory $mib MiB = $(ratio "$((${rss[tallyline,$n]} * 1024))" "$bytes") × the corpus."
    if [[ -n ${wall[tallyline,$big_n]:-} ]]; then
      local big_mib
      big_mib=$(awk -v k="${rss[tallyline,$big_n]}" 'BEGIN { printf "%.1f", k / 1024 }')
      echo "- tallyline-cli $big_n lines: ${wall[tallyline,$big_n]} s = $(ratio "${wall[tallyline,$big_n]}" "${wall[tallyline,$n]}") × the $n-line time" \
        "(CPU time: $(ratio "${cpu[tallyline,$big_n]}" "${cpu[tallyline,$n]}") ×; target at most 10.3), peak memory $big_mib MiB."
    elif [[ $big_n != 0 ]]; then
      echo "- tallyline-cli $big_n lines: ${skip[tallyline,$big_n]:-not run}."
    fi
    if [[ -n ${wall[check,$n]:-} && -n ${wall[rerun,$n]:-} ]]; then
      echo "- tallyline-cli run --check on the corpus with its results written: ${wall[check,$n]} s =" \
        "$(ratio "${wall[check,$n]}" "${wall[rerun,$n]}") × run on that corpus and" \
        "$(ratio "${wall[check,$n]}" "${wall[tallyline,$n]}") × run on the corpus (CPU time:" \
        "$(ratio "${cpu[check,$n]}" "${cpu[rerun,$n]}") × and $(ratio "${cpu[check,$n]}" "${cpu[tallyline,$n]}") ×; target at most 1.5)."
    fi
  fi
}

machine() {
  echo "## Run of $(date -u '+%Y-%m-%d %H:%M UTC')"
  echo
  echo "- machine: $(nproc) cores (nproc), $(lscpu | sed -n 's/^Model name:[[:space:]]*//p' | head -n 1)," \
    "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)"
  echo "- load average at the start: $load_start; at the end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
  echo "- tools: $(bc --version 2>/dev/null | head -n 1 || true); calc $(calc -v 2>/dev/null || true);" \
    "qalc $(qalc -v 2>/dev/null || true); muparser $(dpkg-query -W -f '${Version}' libmuparser-dev 2>/dev/null || true);" \
    "$(g++ --version | head -n 1)"
  echo "- median of $runs runs; CPU = user + system time; peak RSS from /usr/bin/time"
}

main() {
  load_start=$(cut -d ' ' -f 1-3 /proc/loadavg)
  install_peers
  build_helpers
  check_tools
  local n prefix tool last=""
  for n in $sizes; do
    prefix=$(corpus "$n")
    local usable=()
    for tool in $tools; do
      [[ -n ${note[$tool]:-} ]] || usable+=("$tool")
    done
    measure "$n" "$prefix" "${usable[@]}"
    last=$n
  done
  if [[ $big != 0 && -z ${note[tallyline]:-} && " $tools " == *" tallyline "* ]]; then
    measure "$big" "$(corpus "$big")" tallyline
  fi
  {
    machine
    for n in $sizes; do table "$n" "$(corpus "$n")"; done
    if [[ -n ${wall[tallyline,$big]:-}${skip[tallyline,$big]:-} ]]; then
      tools=tallyline table "$big" "$(corpus "$big")"
    fi
    headline "$last" "$big" "$(corpus "$last")"
  } | tee "$report"
  say "written to $report"
}

main
