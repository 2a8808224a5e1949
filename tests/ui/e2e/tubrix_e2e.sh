#!/usr/bin/env bash
# End-to-end tests of the desktop program on a private X server (Xvfb),
# driven with the keyboard as a user drives it (xdotool).
#
#   tubrix_e2e.sh save  TUBRIX WM_CLOSE   type the defaults, Compute, Show,
#                                         Enter, Save to a typed file name;
#                                         the file must be the report
#   tubrix_e2e.sh close TUBRIX WM_CLOSE   a refusal message captioned with the
#                                         program's name, then the window
#                                         manager's close: exit status 0 and
#                                         no window left
#
# Exits 77 (skipped) when no X server can be started.
set -euo pipefail

mode=$1
program=$2
wm_close=$3
# The expected report: the tests' shared text of the defaults' report.
report_header="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../support" && pwd)/default_report.h"

work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
  [[ -n $app ]] && kill "$app" 2>/dev/null || true
  [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

start_display() {
  command -v Xvfb >/dev/null && command -v xdotool >/dev/null || exit 77
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 480x640x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb" 2>/dev/null || break
    sleep 0.05
  done
  [[ -s $work/display ]] || { echo "Xvfb did not start; skipping" >&2; exit 77; }
  export DISPLAY=":$(head -n1 "$work/display")"
}

# A clean environment of the program's own: its single-copy lock and Qt's
# runtime files go to the test's folder.
start_program() {
  mkdir -p "$work/tmp" "$work/runtime"
  chmod 700 "$work/runtime"
  TMPDIR="$work/tmp" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C "$program" >"$work/program.log" 2>&1 &
  app=$!
  form=$(wait_window '^Tubrix 1\.2$')
}

# The id of the visible window whose title matches, waiting up to 20 s.
wait_window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n1) ||
    fail "no window named $1"
  [[ -n $id ]] || fail "no window named $1"
  echo "$id"
}

# Waits up to 10 s until the window has the keyboard focus: a window shows
# before it takes the keys, and keys typed in between go to the window
# below it.
wait_focus() {
  for _ in $(seq 200); do
    [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]] && return 0
    sleep 0.05
  done
  fail "window $1 did not take the keyboard focus"
}

wait_gone() {
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  fail "window $1 did not close"
}

keys() { xdotool key --delay 30 "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

# Waits up to 20 s for the program to end; its exit status goes to $status.
wait_exit() {
  for _ in $(seq 400); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$app" 2>/dev/null && fail "the program did not end"
  status=0
  wait "$app" || status=$?
  app=""
}

# The report of the defaults, one line per line of the string literal in
# the shared header (each written "...\n").
expected_report() {
  sed -n 's/^ *"\(.*\)\\n";\{0,1\}$/\1/p' "$report_header"
}

save_flow() {
  xdotool windowfocus --sync "$form"
  # Tab order as the template gives it: A propos, the eight edits top to
  # bottom, Compute, Show, Save. Tabbing into an edit selects its text.
  for value in 124.9 180.8 35 25 52 9800 27 1.6; do
    keys Tab
    type_text "$value"
  done
  keys Tab Return          # Compute
  keys Tab Return          # Show
  local outputs save_as
  outputs=$(wait_window '^Tubrix Outputs$')
  wait_focus "$outputs"
  keys Return              # OK: enables Save
  wait_gone '^Tubrix Outputs$'
  keys Tab Return          # Save
  save_as=$(wait_window '^Save As$')
  wait_focus "$save_as"
  type_text "$work/chamber"
  keys Return
  wait_gone '^Save As$'
  for _ in $(seq 100); do
    [[ -s $work/chamber.txt ]] && break
    sleep 0.05
  done
  diff <(expected_report) "$work/chamber.txt" || fail "the saved report differs"
  keys Escape              # closes the form
  wait_exit
  [[ $status -eq 0 ]] || fail "exit status $status"
}

close_flow() {
  xdotool windowfocus --sync "$form"
  keys Tab
  type_text 0              # no displacement
  keys Tab Tab Tab Tab Tab Tab Tab Tab Return   # Compute
  local message
  message=$(wait_window '^tubrix$')  # the message box, captioned with the program's name
  wait_focus "$message"
  keys Return
  wait_gone '^tubrix$'
  "$wm_close" "$form" || fail "cannot send WM_DELETE_WINDOW"
  wait_exit
  [[ $status -eq 0 ]] || fail "exit status $status"
  local left
  left=$(xdotool search --name '.' 2>/dev/null | wc -l || true)
  [[ $left -eq 0 ]] || fail "$left window(s) left behind"
}

start_display
start_program
case $mode in
  save) save_flow ;;
  close) close_flow ;;
  *) fail "unknown mode $mode" ;;
esac
echo "PASS: $mode"
