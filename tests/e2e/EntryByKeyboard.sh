#!/usr/bin/env bash
# The real program on a virtual screen with a window manager, driven by keys
# alone: sign in with Enter, open 新员工录入 with Alt+Y and Enter, type a
# number and a name, walk every field with Enter up to "确  定", save with
# Enter, then read the new row back from the program's db2.mdb.
#   EntryByKeyboard.sh PROGRAM PREPARED_DIR
# The program runs in a folder of its own, from the freshly prepared data.
set -euo pipefail

program=$(readlink -f "$1")
prepared=$(cd "$2" && pwd)

if [ -z "${HALVERN_E2E_INNER:-}" ]; then
  # A screen of our own, on a display number nobody uses.
  export HALVERN_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" "$0" "$@"
fi

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | sed 's/^/  window: /' >&2 || true
  exit 1
}

# Waits until a visible window with exactly this title exists; prints its id.
wait_window() {
  local title=$1 id=""
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

focus() {
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  sleep 0.3
}

cp -a "$prepared/." "$work/"
cp "$program" "$work/halvern"
export HOME="$work/home"
mkdir -p "$HOME"

openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
"$work/halvern" >"$work/halvern.log" 2>&1 &
pids+=($!)

login=$(wait_window '登录') || fail "the sign-in window did not open"
focus "$login"
xdotool key --delay 100 Return
main=$(wait_window 'VARNO HRMS 人事管理系统 2.3') || fail "Enter in the sign-in did not open the main window"
focus "$main"
xdotool key --delay 150 alt+y Return
entry=$(wait_window '新员工录入') || fail "Alt+Y, Enter did not open 新员工录入"
focus "$entry"

# Number, sex kept as shown, name; then Enter through every further field to the save button.
xdotool type --delay 60 'E2E01'
xdotool key --delay 60 Return Return
xdotool type --delay 60 'Keyboard'
for _ in $(seq 1 29); do xdotool key --delay 40 Return; done
# Enter on "确  定" saves.
xdotool key --delay 100 Return

row=""
for _ in $(seq 1 50); do
  row=$(sqlite3 "$work/db2.mdb" "select 员工编号||'|'||trim(姓名) from 员工信息 where 员工编号='E2E01'" 2>/dev/null || true)
  [ -n "$row" ] && break
  sleep 0.2
done
[ "$row" = "E2E01|Keyboard" ] || fail "no saved row for E2E01 (found '$row')"
# The window stays open, cleared for the next employee.
xdotool search --onlyvisible --name '^新员工录入$' >/dev/null || fail "the entry window closed"
echo "1 passed, 0 failed"
