#!/usr/bin/env bash
# tools/perf.sh [SECONDS]
#
# Figures for the README's section on performance, from the optimised build:
# - idle CPU: each program in its real window under a virtual X server (Xvfb),
#   left waiting at its first prompt for SECONDS (default 10); the CPU it used
#   meanwhile, from utime + stime in /proc/PID/stat;
# - resident memory of that window program after start-up;
# - resident memory of the headless program after start-up and after a
#   100,000-key soak (lesson-soak, in-process).
# The benchmarks (start-up, menu page, lesson screen, text) are separate:
#   build/bench/lesson_bench
set -euo pipefail
cd "$(dirname "$0")/.."
idle="${1:-10}"
command -v Xvfb >/dev/null || { echo "perf.sh: Xvfb is not installed" >&2; exit 2; }
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target corvana dellmir fennor jorrel lesson-soak >/dev/null

# A free display number.
n=90
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
prog_pid=""
cleanup() {
  [ -n "$prog_pid" ] && kill "$prog_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done

ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }  # utime + stime
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
hz=$(getconf CLK_TCK)

printf '%-8s %14s %12s %14s %14s %14s\n' program "idle CPU (s)" "idle CPU %" "window RSS" "headless RSS" "RSS 100k keys"
for p in corvana dellmir fennor jorrel; do
  DISPLAY=":$n" "build/$p/$p" &
  prog_pid=$!
  sleep 3  # start-up: the window opens and the main menu waits for a number
  kill -0 "$prog_pid" 2>/dev/null || { echo "perf.sh: $p did not stay up" >&2; exit 1; }
  window_rss=$(rss_kb "$prog_pid")
  t0=$(ticks "$prog_pid")
  sleep "$idle"
  t1=$(ticks "$prog_pid")
  kill "$prog_pid"
  wait "$prog_pid" 2>/dev/null || true
  prog_pid=""
  soak=$(build/tests/lesson-soak "$p" --keys 100000 --seed 1 --quiet)
  start_kb=$(sed 's/.*rss_start_kb=\([0-9]*\).*/\1/' <<<"$soak")
  end_kb=$(sed 's/.*rss_end_kb=\([0-9]*\).*/\1/' <<<"$soak")
  cpu=$(awk -v d=$((t1 - t0)) -v hz="$hz" 'BEGIN {printf "%.2f", d / hz}')
  pct=$(awk -v d=$((t1 - t0)) -v hz="$hz" -v s="$idle" 'BEGIN {printf "%.2f", 100 * d / hz / s}')
  printf '%-8s %14s %12s %11s KiB %11s KiB %11s KiB\n' "$p" "$cpu" "$pct" "$window_rss" "$start_kb" "$end_kb"
done
