#!/usr/bin/env bash
# take.sh GAME GRAB WIDTHxHEIGHT DIR: the store screenshots (table.png, coach.png, extra.png), taken
# of the game itself on an X server of its own, with a data folder of its own, in English.
set -euo pipefail
game=$1 grab=$2 size=$3 out=$4
for need in Xvfb xdotool; do
    command -v "$need" >/dev/null || { echo "take.sh: $need is not installed (see deps-test.txt)" >&2; exit 1; }
done
work=$(mktemp -d)
xvfb=""
gamepid=""
cleanup() {
    [ -z "$gamepid" ] || kill "$gamepid" 2>/dev/null || true
    [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 1 -nolisten tcp -screen 0 "${size}x24" >"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "take.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")
unset XAUTHORITY WAYLAND_DISPLAY QT_SCALE_FACTOR
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE=en XDG_RUNTIME_DIR=$work HOME=$work

shot() {
    sleep "$2"
    "$grab" "$work/$1.png"
}

# The data files sit beside the program; the player's files go to a folder of their own.
mkdir "$work/data"
for f in poker2.dat deck1.bmp deck2.bmp deck3.bmp help.htm; do cp "$(dirname "$game")/$f" "$work/data/"; done
"$game" --data-dir "$work/data" 2>"$work/game.log" &
gamepid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Tarvelle$' >/dev/null ||
    { cat "$work/game.log" >&2; echo "take.sh: the game shows no window" >&2; exit 1; }
# Keys go where the pointer is (no window manager): onto the table. Past the splash, deal.
xdotool mousemove 40 40
sleep 5
xdotool key Return
shot table 2
xdotool key c
shot coach 3
xdotool key c s
shot extra 2
xdotool key Escape x
# X ends the game; one that does not is ended on the way out.
for _ in $(seq 50); do kill -0 "$gamepid" 2>/dev/null || break; sleep 0.1; done
mkdir -p "$out"
for name in table coach extra; do
    [ -s "$work/$name.png" ] || { cat "$work/game.log" >&2; echo "take.sh: no $name screenshot" >&2; exit 1; }
    mv "$work/$name.png" "$out/$name.png"
done
