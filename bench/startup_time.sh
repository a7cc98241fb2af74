#!/usr/bin/env bash
# Usage: bench/startup_time.sh [tallyvane] [runs]
# Times the real program under Xvfb from its start to a shown window (mapped, titled, its
# lists filled), with the default 5,000 digits (10,000 list items) and with 100,000 digits
# (key "5" of admin.ini; 200,000 items), and prints the median and range of the runs.
# The goal for the default is under 0.5 s. Build with the release preset first.
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/release/window/tallyvane}
runs=${2:-7}
title="Tallyvane-byKorvessa"
[ -x "$program" ] || { echo "no program at $program (cmake --preset release; cmake --build --preset release)" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
source "$(dirname "$0")/../scripts/xvfb.sh"
start_xvfb "$work" || { echo "Xvfb did not start" >&2; exit 1; }
unset QT_QPA_PLATFORM

section=$'\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3'  # 系统配置

# time_once <dir>: milliseconds from the start to the first visible window with the title.
time_once() {
  local dir=$1 start end pid window=""
  start=$(date +%s%N)
  "$dir/tallyvane" >/dev/null 2>"$dir/stderr.log" &
  pid=$!
  while [ -z "$window" ]; do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    kill -0 "$pid" 2>/dev/null || { echo "the program ended early:" >&2; cat "$dir/stderr.log" >&2; wait "$pid"; echo "status $?" >&2; return 1; }
  done
  end=$(date +%s%N)
  kill "$pid"  # not Esc: the settings file of the run stays as it was
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

# Starts a new Xvfb when the one in use has gone away.
ensure_display() {
  xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
  kill "$xvfb_pid" 2>/dev/null || true
  start_xvfb "$work" || { echo "Xvfb went away and did not start again" >&2; exit 1; }
}

# measure <label> <admin.ini content or "-">
measure() {
  local label=$1 ini=$2 dir="$work/$1" times=()
  mkdir -p "$dir"
  cp "$program" "$dir/tallyvane"
  if [ "$ini" != "-" ]; then printf '%s' "$ini" >"$dir/admin.ini"; fi
  ensure_display
  time_once "$dir" >/dev/null  # warm the caches
  for _ in $(seq "$runs"); do
    ensure_display
    times+=("$(time_once "$dir")")
  done
  local sorted
  sorted=$(printf '%s\n' "${times[@]}" | sort -n)
  printf '| %-28s | %6s ms | %6s ms | %6s ms |\n' "$label" \
    "$(echo "$sorted" | sed -n "$(((runs + 1) / 2))p")" "$(echo "$sorted" | head -n1)" \
    "$(echo "$sorted" | tail -n1)"
}

echo "Start to shown window, $runs runs each (polling xdotool adds a few ms):"
echo "| settings                     | median    | fastest   | slowest   |"
echo "|------------------------------|-----------|-----------|-----------|"
measure "default 5,000 digits" -
measure "maxDigits 100,000" "[$section]"$'\n5=100000\n'
