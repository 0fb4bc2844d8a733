#!/bin/sh
# Starts a real program in a virtual display and goes credits, introduction,
# main menu, Quit with the keyboard, as a user would; the program must end.
# usage: realprogram.sh <program>   (runs itself under xvfb-run)
set -e
prog="$1"
if [ -z "$INSIDE_XVFB" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" sh "$0" "$prog"
fi
unset QT_QPA_PLATFORM
"$prog" &
pid=$!
# Focuses the window with this exact title, moves the focus forward and presses the focused button.
press() {
    w=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
    [ -n "$w" ] || { echo "window '$1' never appeared"; kill "$pid"; exit 1; }
    xdotool windowfocus --sync "$w"
    i=0
    while [ "$i" -lt "$2" ]; do xdotool key Tab; i=$((i + 1)); done
    xdotool key space
}
press MARQUETA 0
press Introduction 0
press "Main Menu" 4 # New Problem, then the three gated buttons, then Quit
i=0
while kill -0 "$pid" 2>/dev/null && [ "$i" -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end after Quit"
    kill "$pid"
    exit 1
fi
wait "$pid"
