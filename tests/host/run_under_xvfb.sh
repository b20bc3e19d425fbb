#!/usr/bin/env bash
# Runs a command under a private virtual X server and SDL's X11 driver. The server keeps its
# live screen in an XWD file whose path is exported as PLIMORA_XVFB_SCREEN, so a test can look
# at what a real window shows. The screen is 480 x 800 (PLIMORA_XVFB_SIZE=WxHxDEPTH changes it).
# The last screen that showed anything is kept after the command ends (its window closed, the
# live screen is black again) as build/xvfb_screen.xwd, or the file PLIMORA_XVFB_KEEP names.
# Exits with the command's status, or 77, which ctest counts as skipped, when Xvfb is not
# installed.
#   tests/host/run_under_xvfb.sh build/tests/host_tests --gtest_filter='RealWindowTest.*'
set -euo pipefail
keep=${PLIMORA_XVFB_KEEP:-$(cd "$(dirname "$0")/../.." && pwd)/build/xvfb_screen.xwd}
if ! command -v Xvfb >/dev/null; then
  echo "Xvfb is not installed: skipped"
  exit 77
fi
dir=$(mktemp -d)
pid=
watcher=
# Ends a background job; its status (the signal that ended it) is no failure of ours.
stop() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null || return 0
  wait "$1" 2>/dev/null || true
}
cleanup() {
  stop "$watcher"
  stop "$pid"
  rm -rf "$dir"
}
trap cleanup EXIT
# -displayfd lets the server pick a free display and report it once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${PLIMORA_XVFB_SIZE:-480x800x24}" -fbdir "$dir" -nolisten tcp \
  3>"$dir/display" 2>"$dir/log" &
pid=$!
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
if [ ! -s "$dir/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$dir/log" >&2
  exit 1
fi
export DISPLAY=":$(cat "$dir/display")" SDL_VIDEODRIVER=x11 PLIMORA_XVFB_SCREEN="$dir/Xvfb_screen0"
# On a loaded machine the server can name its display before it takes connections: wait
# until a client gets through.
for _ in $(seq 100); do
  xwininfo -root >/dev/null 2>&1 && break
  sleep 0.1
done
# The X11 client libraries and D-Bus that SDL loads keep allocations for the life of the
# process and are unloaded before the leak report, which then cannot name them. Leaks of our
# own code are checked by the tests on SDL's dummy driver.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
# Likewise the thread sanitizer cannot follow the software renderer's own synchronisation.
export TSAN_OPTIONS="${TSAN_OPTIONS:+$TSAN_OPTIONS:}suppressions=$(cd "$(dirname "$0")" && pwd)/xvfb_tsan.supp"

# The screen as the command found it (black) tells a screen that shows nothing. Every tenth of
# a second the screen is read twice; when both reads agree (it did not change while being
# read) and differ from the blank one, that read replaces the kept copy, whole (written aside,
# then renamed). Comparing the read itself, not the live file, keeps a screen that turns black
# between the comparison and the copy from being kept.
screen="$dir/Xvfb_screen0"
cp "$screen" "$dir/blank.xwd"
mkdir -p "$(dirname "$keep")"
rm -f "$keep"
keepShown() {
  cp "$screen" "$dir/shown.xwd" && cp "$screen" "$dir/again.xwd" || return 0
  cmp -s "$dir/shown.xwd" "$dir/again.xwd" || return 0
  cmp -s "$dir/shown.xwd" "$dir/blank.xwd" && return 0
  cp "$dir/shown.xwd" "$keep.$$.tmp" && mv "$keep.$$.tmp" "$keep"
}
while sleep 0.1; do keepShown || true; done &
watcher=$!
status=0
"$@" || status=$?
exit "$status"
