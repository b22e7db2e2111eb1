#!/usr/bin/env bash
# One game per data folder: a second copy leaves the folder's files alone and says why, a
# killed copy's lock keeps nobody out, removing the lock file lets nobody in, and a start
# clears the temporaries a killed save left. Odd files (FIFOs) never hang the start, and a
# SIGTERM during the start-up ends the game with status 0 and the files as they were.
set -euo pipefail
bin=$1/bin
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
data=$work/data
mkdir -p "$data"
for f in poker2.dat deck1.bmp deck2.bmp deck3.bmp help.htm; do ln -s "$bin/$f" "$data/$f"; done
head -c 316 /dev/zero >"$data/poker.dat" # a valid record: every money field 0, check word 0
printf '\1\1\1\0\1\0\1\1\0\1\0\106\0\2' >"$data/poker.ini"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work
fail() { echo "FAIL: $*"; exit 1; }
# Waits up to 15 s for a condition.
waitfor() { for _ in $(seq 150); do eval "$1" && return 0; sleep 0.1; done; return 1; }
# The game holds its folder's lock from the start on (flock(1) cannot take it then).
running() { [ -e "$data/tarvelle.lock" ] && ! flock -n "$data/tarvelle.lock" true; }
snapshot() { (cd "$data" && find . -type f -printf '%p %s %T@\n' | sort && cat poker.dat poker.ini | md5sum); }

"$bin/tarvelle" --data-dir "$data" 2>"$work/a.err" &
a=$!
pids+=($a)
waitfor running || fail "the first copy did not start"
sleep 1
before=$(snapshot)

"$bin/tarvelle" --data-dir "$data" 2>"$work/b.err" &
b=$!
pids+=($b)
waitfor 'grep -q "already running" "$work/b.err"' || fail "the second copy did not say it was refused"
kill -0 "$a" || fail "the first copy died"
kill -9 "$b"
[ "$(snapshot)" = "$before" ] || fail "the second copy touched the files"

# The first copy dies without a chance to unlock: the next start is not kept out.
kill -9 "$a"
wait "$a" 2>/dev/null || true
touch "$data/poker.dat.Ab12Cd" "$data/poker.ini.zzzzzz" "$data/poker.dat.keep"
"$bin/tarvelle" --data-dir "$data" 2>"$work/c.err" &
c=$!
pids+=($c)
waitfor running || fail "a stale lock kept the game out: $(cat "$work/c.err")"
sleep 1
grep -q "already running" "$work/c.err" && fail "a stale lock was taken for a running game"
[ ! -e "$data/poker.dat.Ab12Cd" ] && [ ! -e "$data/poker.ini.zzzzzz" ] || fail "leftover temporaries stayed"
[ -e "$data/poker.dat.keep" ] || fail "a file not of the game's own pattern was removed"

# The lock file removed under a running game: a second copy is still refused, and the
# running one takes a lock file of the same name again.
rm "$data/tarvelle.lock"
"$bin/tarvelle" --data-dir "$data" 2>"$work/d.err" &
d=$!
pids+=($d)
waitfor 'grep -q "already running" "$work/d.err"' || fail "with tarvelle.lock removed a second copy came in"
waitfor running || fail "the running copy did not take tarvelle.lock again"
kill -0 "$c" || fail "the running copy died"
kill -TERM "$c"
wait "$c" 2>/dev/null || true
echo "lock removal ok"

# FIFOs where poker.ini and coach.cfg belong, and poker.dat a link to a FIFO: the start does
# not hang on them, the game plays from the defaults, and they are left as they were.
odd=$work/odd
mkdir -p "$odd"
for f in poker2.dat deck1.bmp deck2.bmp deck3.bmp help.htm; do ln -s "$bin/$f" "$odd/$f"; done
mkfifo "$odd/poker.ini" "$odd/coach.cfg" "$odd/pipe"
ln -s pipe "$odd/poker.dat"
"$bin/tarvelle" --data-dir "$odd" 2>"$work/e.err" &
e=$!
pids+=($e)
waitfor '[ "$(grep -c "is not a regular file" "$work/e.err")" -ge 3 ]' || fail "odd files hang the start: $(cat "$work/e.err")"
sleep 1
kill -TERM "$e"
status=0
wait "$e" || status=$?
[ "$status" = 0 ] || fail "the game ended with status $status beside odd files"
[ -p "$odd/poker.ini" ] && [ -p "$odd/coach.cfg" ] && [ -L "$odd/poker.dat" ] && [ -p "$odd/pipe" ] ||
    fail "an odd file was replaced: $(ls -l "$odd")"
echo "odd files ok"

# A damaged poker.dat: the game says so, keeps it as poker.dat.damaged and plays from the defaults.
hurt=$work/hurt
mkdir -p "$hurt"
for f in poker2.dat deck1.bmp deck2.bmp deck3.bmp help.htm; do ln -s "$bin/$f" "$hurt/$f"; done
printf 'x%.0s' $(seq 316) >"$hurt/poker.dat"
cp "$hurt/poker.dat" "$work/damaged"
"$bin/tarvelle" --data-dir "$hurt" 2>"$work/g.err" &
g=$!
pids+=($g)
waitfor 'grep -q "poker.dat was damaged" "$work/g.err"' || fail "a damaged poker.dat was replaced without a word"
sleep 1 # past the start-up: the SIGTERM saves the defaults
kill -TERM "$g"
wait "$g" || true
cmp -s "$work/damaged" "$hurt/poker.dat.damaged" || fail "the damaged poker.dat was not kept"
[ "$(od -An -t d4 -j 276 -N 4 "$hurt/poker.dat" | tr -d ' ')" = 1000 ] || fail "the game did not start from the defaults"
echo "damaged file ok"

# SIGTERM from the first instant: at any moment of the start-up, from the taking of the lock
# (before the table and the Extra screen are built) on, the game ends with status 0 and the
# files stay as they were (this record is sane, so a save would not change it either).
before=$(cat "$data/poker.dat" "$data/poker.ini" | md5sum)
for ms in 0 10 20 50 100 200 400 800; do
    "$bin/tarvelle" --data-dir "$data" 2>>"$work/f.err" &
    f=$!
    pids+=($f)
    # Watched through /proc: flock(1) would take the lock for a moment and keep the game out.
    for _ in $(seq 2000); do ls -l "/proc/$f/fd" 2>/dev/null | grep -q tarvelle.lock && break; sleep 0.002; done
    sleep "0.$(printf %03d $ms)"
    kill -TERM "$f"
    status=0
    wait "$f" || status=$?
    [ "$status" = 0 ] || fail "SIGTERM $ms ms into the start-up ended the game with status $status"
done
[ "$(cat "$data/poker.dat" "$data/poker.ini" | md5sum)" = "$before" ] || fail "a SIGTERM at start-up changed the files"
echo "one game per folder ok"
