#!/bin/sh
# Runs the benchmark under an Xvfb of its own and prints one table; the same
# figures go to BUILD/bench.csv, whose first line describes the machine.
#
#   bench/run-bench.sh BUILD          the full run (make bench)
#   bench/run-bench.sh BUILD --smoke  a few runs only, to show that it works
#
# BENCH_PAIRS, BENCH_RUNS, BENCH_ITEMS, BENCH_SETTLE_MS and BENCH_DISPLAY
# (the first display number tried) change the defaults.
set -eu

build=$(cd "${1:?usage: run-bench.sh BUILD [--smoke]}" && pwd)
smoke=false
[ "${2:-}" = "--smoke" ] && smoke=true

if $smoke; then
  # Two items, so that "avanti" is pressed twice in one window, as in the full run.
  pairs=${BENCH_PAIRS:-2} warmups=0 runs=${BENCH_RUNS:-2} items=${BENCH_ITEMS:-2}
  settle=${BENCH_SETTLE_MS:-0} out="$build/bench-smoke.csv"
  answers=${BENCH_REGISTER_ANSWERS:-5000}
else
  pairs=${BENCH_PAIRS:-20} warmups=2 runs=${BENCH_RUNS:-30} items=${BENCH_ITEMS:-2}
  settle=${BENCH_SETTLE_MS:-500} out="$build/bench.csv"
  answers=${BENCH_REGISTER_ANSWERS:-200000}
fi
for tool in "$build/vocario" "$build/bench/floor" "$build/bench_inprocess" "$build/bench/xstartwatch" \
  "$build/bench_register"; do
  [ -x "$tool" ] || { echo "run-bench: $tool is missing; build first" >&2; exit 1; }
done

# An Xvfb of our own, on the first display that is free.
xvfb_pid=""
work=$(mktemp -d)
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT INT TERM
display=${BENCH_DISPLAY:-96}
while [ -z "$xvfb_pid" ] && [ "$display" -lt $((${BENCH_DISPLAY:-96} + 30)) ]; do
  if [ ! -e "/tmp/.X$display-lock" ] && [ ! -e "/tmp/.X11-unix/X$display" ]; then
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    tries=0
    while [ ! -e "/tmp/.X11-unix/X$display" ] && kill -0 "$xvfb_pid" 2>/dev/null && [ $tries -lt 100 ]; do
      sleep 0.05
      tries=$((tries + 1))
    done
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ ! -e "/tmp/.X11-unix/X$display" ]; then
      kill "$xvfb_pid" 2>/dev/null || true
      xvfb_pid=""
    fi
  fi
  [ -z "$xvfb_pid" ] && display=$((display + 1))
done
[ -n "$xvfb_pid" ] || { echo "run-bench: no free X display for Xvfb" >&2; exit 1; }
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
unset QT_STYLE_OVERRIDE

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
qt=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
load=$(cut -d ' ' -f 1-3 /proc/loadavg)
machine="machine,\"$cpu\",$(nproc) cores,\"$(uname -s) $(uname -r)\",Qt $qt,load $load,$(date -u +%Y-%m-%dT%H:%MZ)"

echo "Start-up: $pairs pairs (vocario, floor), Xvfb $DISPLAY" >&2
"$build/bench/xstartwatch" --pairs "$pairs" --warmups "$warmups" --settle-ms "$settle" \
  --runs "$build/bench-startup-runs.csv" \
  "vocario=$build/vocario" "floor=$build/bench/floor" > "$work/startup.csv"
echo "In-process: $runs openings of each exercise, $items items each" >&2
"$build/bench_inprocess" --runs "$runs" --items "$items" > "$work/inprocess.csv" 2> "$work/inprocess.log" ||
  { cat "$work/inprocess.log" >&2; exit 1; }
echo "Register: one answer recorded, the teacher's view on $answers answers" >&2
"$build/bench_register" --answers "$answers" > "$work/register.csv" 2> "$work/register.log" ||
  { cat "$work/register.log" >&2; exit 1; }

{
  echo "$machine"
  echo "measure,subject,median,q1,q3,min,max,n,unit,target"
  cat "$work/startup.csv" "$work/inprocess.csv" "$work/register.csv"
} > "$out"

# Every measure must be there, or the benchmark has rotted.
rows() { grep -c "^$1," "$out" || true; }
if [ "$(rows startup)" -ne 3 ] || [ "$(rows open)" -ne 9 ] || [ "$(rows 'answer right')" -ne 9 ] \
   || [ "$(rows 'answer wrong')" -ne 9 ] || [ "$(rows 'next item')" -ne 9 ] \
   || [ "$(rows 'register [a-z]*')" -ne 4 ]; then
  echo "run-bench: some measures are missing from $out" >&2
  cat "$out" >&2
  exit 1
fi

echo "$machine" | cut -d , -f 2- | tr ',' ' '
awk -F , '
  function above(value, target) { return target != "" && value + 0 > substr(target, 4) + 0 ? " *" : "" }
  NR == 2 { printf "%-44s %10s  %-22s %4s  %s\n", "measure", "median", "q1 .. q3", "n", "target" }
  NR > 2 && $1 != "startup pair" && $1 !~ /^(open|answer|next)/ {
    printf "%-44s %10s  %-22s %4s  %s%s\n", $1 " " $2 " (" $9 ")", $3, $4 " .. " $5, $8, $10, above($3, $10)
  }
  $1 == "startup pair" { pairs = pairs " " $3 }
  $1 ~ /^(open|answer|next)/ {
    if (!($2 in seen)) { seen[$2] = 1; order[++forms] = $2 }
    cell[$2, $1] = $3 above($3, $10)
  }
  END {
    if (pairs != "") print "start-up ratio vocario/floor, pair by pair:" pairs
    printf "\n%-24s %11s %11s %11s %11s %11s\n", "exercise (medians, ms)", "open first", "open", "right", "wrong", "next item"
    for (i = 1; i <= forms; ++i) {
      f = order[i]
      printf "%-24s %11s %11s %11s %11s %11s\n", f, cell[f, "open first"], cell[f, "open"],
             cell[f, "answer right"], cell[f, "answer wrong"], cell[f, "next item"]
    }
    print "targets: opening <= 10 ms, answer and next item <= 2 ms; * marks a figure above its target"
  }' "$out"
echo "(written to $out)"
