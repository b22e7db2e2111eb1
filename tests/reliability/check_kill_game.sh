#!/usr/bin/env bash
# The real game, played with keys on its own X server, killed (SIGKILL) at random moments:
# during start-up, in play, inside its exit, and exactly inside its saves (TARVELLE_CRASH_AT).
# After every kill poker.dat is absent or a whole 316-byte record whose check word matches
# and whose money is playable, poker.ini is absent or 14 bytes, the count of deals never goes
# back, and the next start leaves no temporary behind.
#   check_kill_game.sh BUILD [SECONDS] [LANES]
set -uo pipefail
bin=$1/bin
seconds=${2:-${TARVELLE_KILL_SECONDS:-60}}
lanes=${3:-3}
for p in Xvfb xdotool; do
    command -v $p >/dev/null || { echo "SKIP: $p is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

u32() { od -An -t u4 -j "$2" -N 4 "$1" | tr -d ' '; }
i32() { od -An -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }

# Prints nothing when the folder is sound, else what is wrong; updates the lane's deal count.
check() {
    local d=$1 lane=$2 f=$1/poker.dat
    if [ -e "$f" ]; then
        [ "$(stat -c %s "$f")" = 316 ] || { echo "poker.dat has $(stat -c %s "$f") bytes"; return; }
        local win credit bet bonus word
        win=$(i32 "$f" 272) credit=$(i32 "$f" 276) bet=$(i32 "$f" 280) bonus=$(i32 "$f" 284)
        word=$(u32 "$f" 312)
        [ $(((win ^ credit ^ bet ^ bonus) & 0xFFFFFFFF)) = "$word" ] || { echo "check word broken"; return; }
        [ "$bet" -ge 1 ] && [ "$bet" -le 500 ] && [ "$credit" -ge 0 ] && [ "$win" -ge 0 ] && [ "$bonus" -ge 0 ] ||
            { echo "money out of shape: credit $credit win $win bet $bet bonus $bonus"; return; }
        local deals=$(($(u32 "$f" 44) + $(u32 "$f" 140)))
        local before=$(cat "$work/deals$lane" 2>/dev/null || echo 0)
        [ "$deals" -ge "$before" ] || { echo "deal count went back from $before to $deals"; return; }
        echo "$deals" >"$work/deals$lane"
    fi
    if [ -e "$d/poker.ini" ] && [ "$(stat -c %s "$d/poker.ini")" != 14 ]; then
        echo "poker.ini has $(stat -c %s "$d/poker.ini") bytes"
    fi
}

lane() {
    local n=$1 d=$work/data$1 end=$((SECONDS + seconds)) kills=0 placed=0 bad=0
    mkdir -p "$d"
    for f in poker2.dat deck1.bmp deck2.bmp deck3.bmp help.htm; do ln -s "$bin/$f" "$d/$f"; done
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$work/display$n" 2>/dev/null &
    local xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display$n" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$work/display$n") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$d
    RANDOM=$((n * 7919))
    while [ $SECONDS -lt $end ]; do
        local crash=""
        # One run in four dies inside a save of its own, at a random step and pass.
        if [ $((RANDOM % 4)) = 0 ]; then
            local steps=(open write sync rename)
            crash=${steps[RANDOM % 4]}:$((1 + RANDOM % 3))
        fi
        local started=0
        TARVELLE_CRASH_AT=$crash "$bin/tarvelle" --data-dir "$d" 2>>"$work/err$n" &
        local game=$! t0=$SECONDS
        # Kill at a random moment: a third during start-up, the rest in play.
        local life=$((RANDOM % 3 == 0 ? RANDOM % 3600 : 3800 + RANDOM % 5000))
        [ -n "$crash" ] && life=15000
        local waited=0
        sleep 0.2
        xdotool mousemove 500 380 2>/dev/null
        while [ $waited -lt $life ] && kill -0 $game 2>/dev/null; do
            # The clean-up follows the taking of the folder's lock at once.
            if [ $started = 0 ] && [ -e "$d/tarvelle.lock" ] && ! flock -n "$d/tarvelle.lock" true; then
                started=1
                sleep 0.2
                if ls "$d" | grep -qE '^poker\.(dat|ini)\.[A-Za-z0-9]{6}$'; then
                    echo "lane $n: a start left a killed save's temporary behind"
                    bad=$((bad + 1))
                fi
            fi
            if [ $waited -ge 3700 ]; then
                local keys=(Return Return Return space 1 2 3 4 5 d plus minus m)
                local key=${keys[RANDOM % ${#keys[@]}]}
                [ $((RANDOM % 80)) = 0 ] && key=x # now and then the exit, with its saves
                xdotool key "$key" 2>/dev/null
            fi
            sleep 0.1
            waited=$((waited + 100 + RANDOM % 60))
        done
        kill -9 $game 2>/dev/null
        wait $game 2>/dev/null
        kills=$((kills + 1))
        [ -n "$crash" ] && placed=$((placed + 1))
        local why
        why=$(check "$d" "$n")
        if [ -n "$why" ]; then
            echo "lane $n kill $kills (crash point '${crash}'): $why"
            bad=$((bad + 1))
        fi
    done
    kill -9 $xvfb 2>/dev/null
    echo "$kills $placed $bad" >"$work/result$n"
}

for n in $(seq "$lanes"); do lane "$n" & done
wait
kills=0 placed=0 bad=0 deals=0
for n in $(seq "$lanes"); do
    read -r k p b <"$work/result$n" || { echo "lane $n did not finish"; exit 1; }
    kills=$((kills + k)) placed=$((placed + p)) bad=$((bad + b))
    deals=$((deals + $(cat "$work/deals$n" 2>/dev/null || echo 0)))
done
echo "$kills kills of the running game ($placed inside its saves), $deals deals kept, $bad left a bad file"
[ "$kills" -ge $((lanes * 3)) ] || { echo "too few kills"; exit 1; }
[ "$deals" -gt 0 ] || { echo "the keys never dealt a hand"; exit 1; }
[ "$bad" = 0 ]
