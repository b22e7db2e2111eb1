#!/usr/bin/env bash
# Runs every fuzz target of a TARVELLE_FUZZ build for SECONDS each, JOBS at a time, at low
# priority, starting from the kept corpus. New inputs that add coverage are merged back into
# fuzz/corpus/<target>; crashes, leaks and timeouts land in BUILD/fuzz/artifacts and fail the run.
#   fuzz/campaign.sh BUILD SECONDS JOBS [target...]
set -uo pipefail
build=$1 seconds=$2 jobs=$3
shift 3
here=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for t in "$build"/fuzz/fuzz_*; do [ -f "$t" ] && [ -x "$t" ] && targets+=("$(basename "$t")"); done
fi
out=$build/fuzz/campaign
mkdir -p "$out" "$build/fuzz/artifacts"
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

run() {
    local t=$1 work=$out/$1
    rm -rf "$work" && mkdir -p "$work/new"
    nice -n 19 "$build/fuzz/$t" "$work/new" "$here/corpus/$t" -max_total_time="$seconds" -timeout=30 \
        -rss_limit_mb=2048 -max_len=131072 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz/artifacts/$t-" >"$work/log" 2>&1
    echo $? >"$work/rc"
    # Keep what widened coverage, in the kept corpus.
    nice -n 19 "$build/fuzz/$t" -merge=1 "$here/corpus/$t" "$work/new" >"$work/merge.log" 2>&1 || true
}

pids=()
for t in "${targets[@]}"; do
    run "$t" &
    pids+=($!)
    if [ ${#pids[@]} -ge "$jobs" ]; then
        wait "${pids[0]}"
        pids=("${pids[@]:1}")
    fi
done
wait

status=0
printf '%-16s %8s %12s %8s %8s %s\n' target seconds executions cov ft result
for t in "${targets[@]}"; do
    log=$out/$t/log
    execs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' | tail -1)
    secs=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | grep -o 'in [0-9]*' | grep -o '[0-9]*' | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*')
    rc=$(cat "$out/$t/rc")
    result=ok
    [ "$rc" = 0 ] || { result="FAILED (see $log)"; status=1; }
    printf '%-16s %8s %12s %8s %8s %s\n' "$t" "${secs:-?}" "${execs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
exit $status
