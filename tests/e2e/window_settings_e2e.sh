#!/usr/bin/env bash
# Usage: window_settings_e2e.sh <tallyvane>
# Starts the real program under Xvfb from a temporary directory, with and without an admin.ini
# beside it, finds its window by title, closes it with Esc and compares the admin.ini it wrote
# byte for byte. Exits 77 (skipped) when Xvfb or xdotool is missing.
set -euo pipefail

program=$1
title="Tallyvane-byKorvessa"
source "$(dirname "$0")/../../scripts/xvfb.sh"
skip_test_without Xvfb xdotool

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" || true; fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid" || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! start_xvfb "$work"; then
  echo "FAILED: Xvfb is installed but did not start"
  cat "$work/xvfb.log"
  exit 1
fi
unset QT_QPA_PLATFORM

failures=0

# The section name 系统配置 in GBK.
section=$'\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3'

# run_case <name> <admin.ini content or "-" for none> <expected admin.ini content> [during]
# With "during", Esc is pressed while a presentation runs: the window must stay until the
# presentation has ended, and close then.
run_case() {
  local name=$1 given=$2 expected=$3 during=${4:-}
  local dir="$work/$name"
  mkdir -p "$dir"
  cp "$program" "$dir/tallyvane"
  if [ "$given" != "-" ]; then printf '%s' "$given" >"$dir/admin.ini"; fi

  (cd / && exec "$dir/tallyvane") >"$dir/output.log" 2>&1 &
  program_pid=$!
  local window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
  done
  if [ -z "$window" ]; then
    echo "FAIL [$name]: no visible window titled $title"
    cat "$dir/output.log"
    failures=$((failures + 1))
    return
  fi
  local seen_title
  seen_title=$(xdotool getwindowname "$window")
  if [ "$seen_title" != "$title" ]; then
    echo "FAIL [$name]: title '$seen_title', expected '$title'"
    failures=$((failures + 1))
  fi

  sleep 0.3  # the window takes input once its loop runs
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  if [ "$during" = "during" ]; then
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 361)) $((Y + 639)) click 1  # 按钮1, generate
    sleep 0.3
    xdotool mousemove $((X + 442)) $((Y + 639)) click 1  # 按钮2, start
    sleep 0.3
    xdotool key Escape
    sleep 2  # the countdown alone lasts 3.5 s
    if ! kill -0 "$program_pid" 2>/dev/null; then
      echo "FAIL [$name]: the window closed while the presentation ran"
      failures=$((failures + 1))
      program_pid=""
      return
    fi
  else
    xdotool key Escape
  fi
  local status=0
  for _ in $(seq 400); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$program_pid" 2>/dev/null; then
    echo "FAIL [$name]: the program did not end after Esc"
    failures=$((failures + 1))
    kill "$program_pid" || true
    wait "$program_pid" || true
    program_pid=""
    return
  fi
  wait "$program_pid" || status=$?
  program_pid=""
  if [ "$status" -ne 0 ]; then
    echo "FAIL [$name]: exit status $status"
    cat "$dir/output.log"
    failures=$((failures + 1))
  fi

  printf '%s' "$expected" >"$dir/expected.ini"
  if ! cmp -s "$dir/expected.ini" "$dir/admin.ini"; then
    echo "FAIL [$name]: admin.ini differs from what was expected"
    echo "expected:"; od -c "$dir/expected.ini"
    echo "written:"; od -c "$dir/admin.ini" 2>/dev/null || echo "(no admin.ini)"
    failures=$((failures + 1))
    return
  fi
  echo "ok [$name]"
}

# No file: every position 0 (" + ", 1 digit, 4 s) and the default of 5,000 digits.
run_case no-settings - "[$section]"$'\n1=0\n2=0\n4=0\n3=0\n5=5000\n'

# A division of 5 by 10 digits with 12 digits at most, time position 40 past the last (36);
# the file's CRLF lines and key order stay as they were.
run_case division-restored \
  "[$section]"$'\r\n5=12\r\n1=3\r\n2=4\r\n4=9\r\n3=40\r\n' \
  "[$section]"$'\r\n5=12\r\n1=3\r\n2=4\r\n4=9\r\n3=36\r\n'

# Addition puts the hidden second list at the first list's position: key 4 comes back as 6.
run_case addition-follows-first-list \
  "[$section]"$'\n1=0\n2=6\n4=2\n3=0\n5=5000\n' \
  "[$section]"$'\n1=0\n2=6\n4=6\n3=0\n5=5000\n'

# Esc during a presentation (1-digit addition, 4 s) closes the window only after it.
run_case esc-during-presentation - "[$section]"$'\n1=0\n2=0\n4=0\n3=0\n5=5000\n' during

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "all cases passed"
