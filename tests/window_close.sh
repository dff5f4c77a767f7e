#!/usr/bin/env bash
# A program shows its window under a real X server, waits without using the
# processor, and ends with exit code 0 when the window is closed.
set -u
prog_path="$1"; title="$2"; xclose="$3"; shot_dir="${4:-}"
command -v Xvfb >/dev/null || { echo "Xvfb not installed"; exit 77; }
# Xvfb picks a free display itself and writes its number once it is ready,
# so tests running side by side never share a display or race its start.
numfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$numfile"' EXIT
for _ in $(seq 100); do
  [ -s "$numfile" ] && break
  sleep 0.1
done
[ -s "$numfile" ] || { echo "Xvfb did not start"; exit 1; }
display=":$(head -n 1 "$numfile")"
# The server takes connections (xclose: 2 when the display cannot be opened,
# 1 when it opens but has no such window).
opened=0
for _ in $(seq 100); do
  DISPLAY="$display" "$xclose" --probe "no such window" 2>/dev/null
  [ $? -eq 1 ] && { opened=1; break; }
  sleep 0.1
done
[ $opened -eq 1 ] || { echo "display $display takes no connections"; exit 1; }
DISPLAY="$display" "$prog_path" &
pid=$!
# Wait for the window to appear.
for _ in $(seq 50); do
  DISPLAY="$display" "$xclose" --probe "$title" 2>/dev/null && break
  sleep 0.2
done
sleep 2
t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
sleep 3
t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
if [ $((t1 - t0)) -gt 30 ]; then
  echo "waiting program used $((t1 - t0)) ticks of CPU in 3 s"; kill $pid; exit 1
fi
DISPLAY="$display" "$xclose" "$title" || { echo "window not found"; kill $pid; exit 1; }
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "program still running after close"; kill $pid; exit 1; fi
wait $pid
rc=$?
[ $rc -eq 0 ] || { echo "exit code $rc"; exit 1; }
echo "closed cleanly"
