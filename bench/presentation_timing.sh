#!/usr/bin/env bash
# Usage: bench/presentation_timing.sh
# Builds the timing program in build/release-presentation and runs real presentations in a
# window on a private Xvfb display: generation at 5,000 digits for each kind, the flash slot by
# slot for 1-digit addends at 4 s and 5,000-digit addends at 40 s, and the repaint of a
# 5,008-character addend. Prints Markdown tables. Takes about a minute and a half.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/release-presentation}

cmake --preset release -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target presentation_timing >/dev/null

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

source "$root/scripts/xvfb.sh"
start_xvfb "$work" || { echo "$0: Xvfb did not start" >&2; exit 1; }
export XDG_RUNTIME_DIR="$work"

# The program keeps admin.ini beside itself: run a copy in the scratch directory.
cp "$build/bench/presentation_timing" "$work/"
echo "Machine: $(nproc) cores, $(uname -sr); Xvfb 1280x1024x24; release build"
"$work/presentation_timing"
