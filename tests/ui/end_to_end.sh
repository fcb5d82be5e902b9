#!/bin/bash
# The real program in a real X server: generate a batch with the defaults, save
# it through the real save dialog, close with the exit button, then check the
# file byte for byte. Usage: end_to_end.sh path/to/cardgen
# Exits with 77 (skipped) where xvfb-run or xdotool is missing.
set -euo pipefail

if [[ "${1:-}" != --inside ]]; then
    for tool in xvfb-run xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "end-to-end test skipped: $tool is not installed"
            exit 77
        fi
    done
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside "$@"
fi
shift
program=$1

work=$(mktemp -d)
pid=
cleanup() {
    if [[ -n "$pid" ]] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb

fail() {
    echo "FAIL: $*" >&2
    if [[ -n "${CARDGEN_E2E_SHOT:-}" ]] && command -v import >/dev/null; then
        import -window root "$CARDGEN_E2E_SHOT" || true
    fi
    exit 1
}

# Waits for a shown window whose whole title is $1 and prints its id.
wait_for_window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    fail "no window titled '$1'"
}

wait_until_gone() {
    for _ in $(seq 200); do
        if [[ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ]]; then
            return 0
        fi
        sleep 0.05
    done
    fail "window '$1' stayed open"
}

# Clicks at x, y inside the window's client area.
click() {
    xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}

# Dismisses the information box with Enter and checks that one was shown.
answer_information() {
    local box
    box=$(wait_for_window '信息：')
    xdotool windowfocus --sync "$box"
    xdotool key Return
    wait_until_gone '信息：'
}

"$program" &
pid=$!

main=$(wait_for_window '卡密批量生成工具 V1.0')
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$main")"
[[ "$X,$Y,$WIDTH,$HEIGHT" == "374,201,275,366" ]] || fail "window at $X,$Y size ${WIDTH}x$HEIGHT"

# 按钮_生成 at 168, 233, 87 x 35: the default batch of 50 lines.
click "$main" 211 250
answer_information

# 按钮_导出密码 at 8, 305, 72 x 25; a name without extension gets ".Txt".
click "$main" 44 317
dialog=$(wait_for_window '选择导出的卡号密码保存路径')
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 10 "$work/list"
xdotool key Return
wait_until_gone '选择导出的卡号密码保存路径'
answer_information

# 按钮_退出 at 182, 305, 72 x 25 ends the program with 0.
click "$main" 218 317
code=0
wait "$pid" || code=$?
pid=
[[ "$code" == 0 ]] || fail "exit code $code"

file="$work/list.Txt"
[[ -f "$file" ]] || fail "no file $file"
size=$(stat -c %s "$file")
[[ "$size" == 1350 ]] || fail "file holds $size bytes, not 50 x 27"
expected=$(for sequence in $(seq -f %05g 1 50); do printf '56M5FA1B2C%s\n' "$sequence"; done)
[[ "$(LC_ALL=C cut -c1-15 "$file")" == "$expected" ]] || fail "card numbers out of order"
lines=$(LC_ALL=C grep -c -E $'^56M5FA1B2C[0-9]{5}  [0-9]{8}\r$' "$file" || true)
[[ "$lines" == 50 ]] || fail "$lines of 50 lines have the right form"

echo "end-to-end: 50 lines saved and checked, exit code 0"
