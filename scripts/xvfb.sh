# Sourced by the scripts that run the program on a private X server (the headless screenshot,
# the end-to-end tests, the timing scripts).

# start_xvfb <dir>: starts Xvfb in the background on a display it picks itself, with its log in
# <dir>/xvfb.log; sets xvfb_pid and exports DISPLAY. Tries again when the server dies or cannot
# be reached (other programs on the machine may start X servers too). Returns 1 when it never
# comes up. -noreset keeps the server from resetting when its last client leaves, which would
# refuse the next client for a moment.
start_xvfb() {
  local dir=$1 _attempt
  for _attempt in 1 2 3 4 5; do
    : >"$dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/display" \
      2>"$dir/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
      [ -s "$dir/display" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    if [ -s "$dir/display" ]; then
      export DISPLAY=":$(head -n1 "$dir/display")"
      if xdotool getdisplaygeometry >/dev/null 2>&1; then return 0; fi
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    sleep 0.2
  done
  return 1
}

# skip_test_without <tool>...: an end-to-end test ends as skipped (exit 77, its CTest
# SKIP_RETURN_CODE) when one of the tools is not installed.
skip_test_without() {
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null; then
      echo "SKIPPED: $tool is not installed"
      exit 77
    fi
  done
}
