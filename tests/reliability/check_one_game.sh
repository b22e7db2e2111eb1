#!/usr/bin/env bash
# One game per data folder: a second copy leaves the folder's files alone and says why, a
# killed copy's lock keeps nobody out, and a start clears the temporaries a killed save left.
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
echo "one game per folder ok"
