#!/usr/bin/env bash
# The real game, played with keys on its own X server, killed (SIGKILL) at random moments:
# during start-up, in play, inside its exit, and exactly inside its saves (TARVELLE_CRASH_AT).
# After every kill poker.dat is absent or a whole 316-byte record whose check word matches
# and whose money is playable, poker.ini is absent or 14 bytes, the count of deals never goes
# back, and the next start leaves no temporary behind.
# Placed kills besides: inside a deal and inside a draw (the restarted statistics agree with
# the restarted money: a bet taken is a deal counted, a draw paid is a final hand counted),
# after an insert, a cashout and a setting change on the Extra screen (each on disk), and
# after a double-up guess that feeds the pot past 9999 (the guess, the feed and the payout
# on disk together).
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
i64() { od -An -t d8 -j "$2" -N 8 "$1" | tr -d ' '; }
sum32() { od -An -t u4 -j "$2" -N "$3" "$1" | tr -s ' ' '\n' | awk '{ s += $1 } END { print s + 0 }'; }

# The money and statistics of a record, as shell variables with a prefix: credit win bet
# bonus inserted cashout deals finals guesses.
read_record() {
    local f=$1 p=$2
    if [ ! -s "$f" ]; then
        eval "${p}credit=1000 ${p}win=0 ${p}bet=1 ${p}bonus=0 ${p}inserted=1000 ${p}cashout=0"
        eval "${p}deals=0 ${p}finals=0 ${p}guesses=0"
        return
    fi
    eval "${p}win=$(i32 "$f" 272) ${p}credit=$(i32 "$f" 276) ${p}bet=$(i32 "$f" 280) ${p}bonus=$(i32 "$f" 284)"
    eval "${p}inserted=$(i64 "$f" 288) ${p}cashout=$(i64 "$f" 296)"
    eval "${p}deals=$(($(u32 "$f" 44) + $(u32 "$f" 140))) ${p}finals=$(($(u32 "$f" 92) + $(u32 "$f" 188)))"
    eval "${p}guesses=$(sum32 "$f" 192 80)"
}

put32() { # FILE OFFSET VALUE, little-endian
    local v=$(($3 & 0xFFFFFFFF))
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255)))" |
        dd of="$1" bs=1 seek="$2" conv=notrunc status=none
}

# A playable record with the given credit, bet and pot (statistics kept), check word mended.
set_money() {
    local f=$1
    [ -s "$f" ] || head -c 316 /dev/zero >"$f"
    put32 "$f" 272 0
    put32 "$f" 276 "$2"
    put32 "$f" 280 "$3"
    put32 "$f" 284 "$4"
    put32 "$f" 312 $(($2 ^ $3 ^ $4))
}

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

# Starts the game on folder $d and waits until its table takes keys; sets $game.
start_game() {
    "$bin/tarvelle" --data-dir "$d" 2>>"$work/err$n" &
    game=$!
    sleep 3.9
    xdotool mousemove 500 380 2>/dev/null
}

stop_game() {
    kill -9 $game 2>/dev/null
    wait $game 2>/dev/null
}

# One placed kill; prints what is wrong, if anything. $1: deal, draw, insert, cashout,
# setting or guess.
placed() {
    local what=$1 f=$d/poker.dat
    # Money for the scenario, and Auto Hold off so a draw always replaces cards and counts.
    if [ "$what" = guess ]; then set_money "$f" 5000 10 9995; else set_money "$f" 5000 10 0; fi
    printf '\1\0\1\0\0\0\1\0\0\1\0\106\0\0' >"$d/poker.ini"
    start_game
    case $what in
    deal)
        read_record "$f" a_
        xdotool key Return
        sleep "0.$((RANDOM % 700))"
        stop_game
        read_record "$f" b_
        if [ "$b_deals" = "$a_deals" ]; then
            [ $((b_credit + b_win)) = $((a_credit + a_win)) ] || echo "no deal counted, yet the money moved"
        elif [ "$b_deals" = $((a_deals + 1)) ]; then
            [ "$b_credit" = $((a_credit + a_win - a_bet)) ] || echo "a deal counted without its bet taken"
        else
            echo "deals went from $a_deals to $b_deals"
        fi
        ;;
    draw)
        xdotool key Return
        sleep 1.6
        read_record "$f" a_
        xdotool key Return
        sleep "0.$((RANDOM % 900))"
        stop_game
        read_record "$f" b_
        [ "$b_deals" = "$a_deals" ] || return 0 # the first press did not deal: not a draw
        if [ "$b_finals" = "$a_finals" ]; then
            [ "$b_win" = "$a_win" ] && [ "$b_credit" = "$a_credit" ] ||
                echo "the draw was paid but the final hand not counted"
        elif [ "$b_finals" = $((a_finals + 1)) ]; then
            [ "$b_credit" = "$a_credit" ] || echo "a final hand counted with the credit changed"
        else
            echo "final hands went from $a_finals to $b_finals"
        fi
        ;;
    insert | cashout | setting)
        read_record "$f" a_
        local ini0
        ini0=$(od -An -t u1 -j 4 -N 1 "$d/poker.ini" | tr -d ' ')
        xdotool key s
        sleep 1
        # The Extra screen lies centred on the 1024x768 screen, from (112, 84).
        case $what in
        insert) xdotool mousemove 527 562 click 1 ;;
        cashout) xdotool mousemove 527 589 click 1 ;;
        setting) xdotool mousemove 147 404 click 1 ;; # the "Sound FX" lamp
        esac
        sleep 1.2
        stop_game
        read_record "$f" b_
        case $what in
        insert)
            [ "$b_inserted" = $((a_inserted + 1000)) ] && [ "$b_credit" = $((a_credit + a_win + 1000)) ] ||
                echo "an insert was lost: credit $a_credit -> $b_credit, inserted $a_inserted -> $b_inserted"
            ;;
        cashout)
            [ "$b_credit" = 0 ] && [ "$b_cashout" = $((a_cashout + a_credit + a_win)) ] ||
                echo "a cashout was lost: credit $a_credit -> $b_credit, cashed out $a_cashout -> $b_cashout"
            ;;
        setting)
            [ "$(od -An -t u1 -j 4 -N 1 "$d/poker.ini" | tr -d ' ')" = $((1 - ini0)) ] ||
                echo "a setting change was lost"
            ;;
        esac
        ;;
    guess)
        # Hands until one pays, then one guess: it feeds the pot of 9995 past 9999.
        local tries=0
        while :; do
            xdotool key Return
            sleep 1.6
            xdotool key Return
            sleep 2.5
            read_record "$f" a_
            [ "$a_win" -gt 0 ] && break
            tries=$((tries + 1))
            [ $tries -lt 4 ] || { stop_game; return 0; }
        done
        xdotool key d
        sleep 0.6
        xdotool key plus
        sleep "0.$((RANDOM % 600))"
        stop_game
        read_record "$f" b_
        if [ "$b_guesses" = $((a_guesses + 1)) ]; then
            local pot=$((a_bonus + a_bet)) paid=0
            [ $pot -gt 9999 ] && paid=$pot && pot=0
            [ "$b_bonus" = $pot ] && [ "$b_credit" = $((a_credit + paid)) ] ||
                echo "a guess counted without its feed of the pot: pot $a_bonus -> $b_bonus, credit $a_credit -> $b_credit"
        elif [ "$b_guesses" = "$a_guesses" ]; then
            [ "$b_bonus" = "$a_bonus" ] || echo "the pot moved without a guess"
        else
            echo "guesses went from $a_guesses to $b_guesses"
        fi
        ;;
    esac
}

lane() {
    local n=$1 d=$work/data$1 end=$((SECONDS + seconds)) kills=0 placed=0 bad=0 placedKills=0
    mkdir -p "$d"
    for f in poker2.dat deck1.bmp deck2.bmp deck3.bmp help.htm; do ln -s "$bin/$f" "$d/$f"; done
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$work/display$n" 2>/dev/null &
    local xvfb=$!
    for _ in $(seq 100); do [ -s "$work/display$n" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$work/display$n") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$d
    RANDOM=$((n * 7919))
    local scenarios=(random deal draw insert random cashout deal random setting guess)
    while [ $SECONDS -lt $end ]; do
        local scenario=${scenarios[(kills + 3 * n) % ${#scenarios[@]}]}
        if [ "$scenario" != random ]; then
            local why
            why=$(placed "$scenario")
            kills=$((kills + 1))
            placedKills=$((placedKills + 1))
            why+=$(check "$d" "$n")
            if [ -n "$why" ]; then
                echo "lane $n kill $kills (placed in a $scenario): $why"
                bad=$((bad + 1))
            fi
            continue
        fi
        local crash=""
        # One random run in two dies inside a save of its own, at a random step and pass.
        if [ $((RANDOM % 2)) = 0 ]; then
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
    echo "$kills $placed $bad $placedKills" >"$work/result$n"
}

for n in $(seq "$lanes"); do lane "$n" & done
wait
kills=0 placed=0 bad=0 deals=0 scripted=0
for n in $(seq "$lanes"); do
    read -r k p b s <"$work/result$n" || { echo "lane $n did not finish"; exit 1; }
    kills=$((kills + k)) placed=$((placed + p)) bad=$((bad + b)) scripted=$((scripted + s))
    deals=$((deals + $(cat "$work/deals$n" 2>/dev/null || echo 0)))
done
echo "$kills kills of the running game ($placed inside its saves, $scripted placed in deals, draws, the Extra screen and guesses), $deals deals kept, $bad left a bad file"
[ "$kills" -ge $((lanes * 3)) ] || { echo "too few kills"; exit 1; }
[ "$deals" -gt 0 ] || { echo "the keys never dealt a hand"; exit 1; }
[ "$bad" = 0 ]
