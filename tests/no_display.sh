#!/usr/bin/env bash
# Without a display a program ends at once with a non-zero exit code and says
# why, instead of waiting unseen for keys no one can type.
set -u
prog_path="$1"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER -u XDG_RUNTIME_DIR timeout 10 "$prog_path" 2>&1 </dev/null)
rc=$?
[ $rc -ne 124 ] || { echo "still running after 10 s"; exit 1; }
[ $rc -ne 0 ] || { echo "exit code 0"; exit 1; }
msg="no display: set DISPLAY or WAYLAND_DISPLAY, or use lesson-replay for a run without a window"
grep -qF "$msg" <<<"$out" || { echo "no message; the output was: $out"; exit 1; }
echo "refused with exit code $rc"
