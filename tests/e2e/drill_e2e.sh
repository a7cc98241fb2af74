#!/usr/bin/env bash
# Usage: drill_e2e.sh <tallyvane program> [screenshot directory]
#
# Drills on the real program in a window on a private Xvfb display, driven as a learner drives
# it (xdotool mouse clicks and keys): pick a kind and digit counts from the opened lists,
# generate, start, wait for the presentation, show the answer, copy it from the answer box,
# paste it into the answer input, press Enter, and read the verdict; then a wrong answer.
#
# The verdict is read back from the screen without any help from the program: before the
# drills, the verdict label is made to show both verdicts on known cases (an empty answer box
# with nothing typed is "正　确　！", with "x" typed "错　误　！"), and those two pictures of the
# label are the references that each later verdict must match pixel for pixel.
#
# With a screenshot directory, keeps pictures of the countdown, the flash, a long × problem and
# the verdicts there.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "usage: $0 <program> [screenshot directory]" >&2
  exit 2
fi
program=$(realpath "$1")
shots=${2:-}
title="Tallyvane-byKorvessa"

source "$(dirname "$0")/../../scripts/xvfb.sh"
skip_test_without Xvfb xdotool import compare convert

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

start_xvfb "$work" || fail "Xvfb did not start"

# --- The window and its controls (client-area coordinates from the layout table) ----------

window=""
start_program() {
  # The program keeps admin.ini beside itself: each session runs a fresh copy.
  rm -rf "$work/app" && mkdir -p "$work/app"
  cp "$program" "$work/app/tallyvane"
  if [ -n "${1:-}" ]; then printf '%s' "$1" >"$work/app/admin.ini"; fi
  "$work/app/tallyvane" >"$work/program.out" 2>&1 &
  program_pid=$!
  window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before its window showed"
    sleep 0.05
  done
  [ -n "$window" ] || fail "no window of the program showed"
  sleep 0.5
}

stop_program() {
  # The window may be gone before the key's release reaches it; that is no failure.
  xdotool key --window "$window" Escape 2>/dev/null || true
  for _ in $(seq 300); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$program_pid" 2>/dev/null && fail "the program did not close on Esc"
  wait "$program_pid" || true
  program_pid=""
}

# click X Y: a left click at a point of the window's client area.
click() {
  xdotool mousemove --window "$window" "$1" "$2" click 1
  sleep 0.15
}
double_click() {
  xdotool mousemove --window "$window" "$1" "$2" click --repeat 2 --delay 80 1
  sleep 0.15
}
keys() {
  xdotool key --clearmodifiers --delay 20 "$@"
  sleep 0.15
}

# Centres of the controls the learner uses.
generate() { click 361 639; }    # 按钮1
start() { click 442 639; }       # 按钮2
show_hide() { click 523 639; }   # 按钮3
verify() { click 802 657; }      # 按钮4
answer_input() { click 730 625; }  # 编辑框4
answer_box_xy=(516 440)          # first line of 编辑框2

# pick LIST_ARROW_X LIST_Y POSITION: opens a list by its arrow and takes the item at POSITION
# (from 0) with the keyboard, as a learner can: Home, then Down.
pick() {
  click "$1" "$2"
  sleep 0.3
  xdotool key Home
  if [ "$3" -gt 0 ]; then xdotool key --delay 5 --repeat "$3" Down; fi
  keys Return
}
pick_operation() { pick 92 647 "$1"; }  # 组合框2: 0 +, 1 + -, 2 ×, 3 ÷
pick_digits1() { pick 174 647 "$1"; }   # 组合框1: position = digits - 1
pick_digits2() { pick 256 646 "$1"; }   # 组合框4

screenshot() {
  import -window "$window" "$1"
}

# The verdict label 标签7: 112 x 32 at (600, 640).
verdict_picture() {
  import -window "$window" -crop 112x32+600+640 +repage "$1"
}
same_picture() {
  [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" = "0" ]
}

keep() {
  if [ -n "$shots" ]; then mkdir -p "$shots" && cp "$1" "$shots/$2"; fi
}

# --- Session 1: the verdict references and two drills -------------------------------------

start_program ""

# settled_verdict FILE [DIFFERENT_FROM]: the verdict label once it shows something (other than
# DIFFERENT_FROM) and has stopped changing.
settled_verdict() {
  local previous=""
  for _ in $(seq 80); do
    verdict_picture "$1"
    if [ "$(convert "$1" -format '%k' info:)" -gt 2 ] &&
      { [ -z "${2:-}" ] || ! same_picture "$1" "$2"; }; then
      if [ -n "$previous" ] && same_picture "$1" "$previous"; then return 0; fi
      cp "$1" "$work/previous.png"
      previous="$work/previous.png"
    fi
    sleep 0.25
  done
  fail "the verdict label did not settle"
}

# Ready, the answer box empty: nothing typed is right, "x" is wrong.
verify
settled_verdict "$work/correct.png"
answer_input
keys x
verify
settled_verdict "$work/wrong.png" "$work/correct.png"
answer_input
keys ctrl+a BackSpace
keep "$work/correct.png" verdict-reference-correct.png
keep "$work/wrong.png" verdict-reference-wrong.png

# expect_verdict correct|wrong NAME: waits (up to 20 s, as the program may still be busy with
# queued input) until the verdict label shows the expected picture. The drills below alternate
# right and wrong answers, so the verdict left from the drill before never passes for the new
# one.
expect_verdict() {
  local seen=""
  for _ in $(seq 80); do
    verdict_picture "$work/verdict.png"
    if same_picture "$work/verdict.png" "$work/$1.png"; then seen=1; break; fi
    sleep 0.25
  done
  if [ -z "$seen" ]; then
    keep "$work/verdict.png" "$2-unexpected-verdict.png"
    fail "$2: the verdict is not the $1 one"
  fi
  screenshot "$work/window.png"
  keep "$work/window.png" "$2.png"
  echo "ok: $2 ($1)"
}

# answer_from_box SELECT: shows the answer, copies it from the answer box (SELECT is
# "all" for a bare answer or "word" for one between blank runs), pastes it into the answer
# input and presses Enter.
answer_from_box() {
  show_hide
  if [ "$1" = all ]; then
    click "${answer_box_xy[@]}"
    keys ctrl+a ctrl+c
  else
    double_click "${answer_box_xy[@]}"
    keys ctrl+c
  fi
  answer_input
  keys ctrl+a ctrl+v Return
}

# Drill 1: 15-digit by 15-digit product (29 or 30 digits, shown bare).
pick_operation 2
pick_digits1 14
pick_digits2 14
generate
start
sleep 8  # countdown with tones (no sound device: silent waits) and the question
screenshot "$work/product.png"
keep "$work/product.png" product-question.png
answer_from_box all
expect_verdict correct product-right-answer
answer_input
keys ctrl+a 0 Return
expect_verdict wrong product-wrong-answer

# Drill 2: a column of twenty 20-digit numbers at 4 s, the countdown and the flash on screen.
pick_operation 0
pick_digits1 19
generate
start
# Pictures every few tenths of a second through the countdown and the flash (about 9.3 s with
# the tones); the first one with a countdown number and the first one with an addend are kept.
shot=0
for _ in $(seq 40); do
  shot=$((shot + 1))
  screenshot "$work/burst-$shot.png"
  sleep 0.2
done
countdown="" flash=""
for i in $(seq "$shot"); do
  # The overlay draws its numbers in green, the flash its addends in white.
  green=$(convert "$work/burst-$i.png" -crop 504x104+241+109 +repage -fill black \
    +opaque '#00ff00' -format '%[fx:mean>0]' info:)
  white=$(convert "$work/burst-$i.png" -crop 1029x375+2+41 +repage -fill black \
    +opaque '#ffffff' -format '%[fx:mean>0]' info:)
  if [ -z "$countdown" ] && [ "$green" = 1 ]; then countdown=$i; fi
  if [ -z "$flash" ] && [ "$white" = 1 ]; then flash=$i; fi
done
[ -n "$countdown" ] || fail "no countdown number was seen"
[ -n "$flash" ] || fail "no flashed addend was seen"
[ "$countdown" -lt "$flash" ] || fail "the flash came before the countdown"
keep "$work/burst-$countdown.png" countdown.png
keep "$work/burst-$flash.png" flash.png
sleep 2
answer_from_box word
expect_verdict correct column-right-answer
answer_input
keys ctrl+a 1 2 3 Return
expect_verdict wrong column-wrong-answer

# Drill 3: a quotient of 30 by 10 digits (20 or 21 digits, shown bare), checked with 按钮4.
pick_operation 3
pick_digits1 29
pick_digits2 9
generate
start
sleep 8
show_hide
click "${answer_box_xy[@]}"
keys ctrl+a ctrl+c
answer_input
keys ctrl+a ctrl+v
verify
expect_verdict correct quotient-right-answer

stop_program

# --- Session 2: a long × problem, chosen through the settings file -----------------------

if [ -n "$shots" ]; then
  # Operation 2 (×), both lists at position 999: 1000-digit factors.
  start_program $'[\xcf\xb5\xcd\xb3\xc5\xe4\xd6\xc3]\r\n1=2\r\n2=999\r\n4=999\r\n3=0\r\n5=5000\r\n'
  generate
  start
  sleep 8
  screenshot "$work/long.png"
  keep "$work/long.png" long-product-question.png
  show_hide
  screenshot "$work/long-answer.png"
  keep "$work/long-answer.png" long-product-answer.png
  stop_program
fi

echo "PASS"
