#!/usr/bin/env bash
# The bench: every figure of the show beside a floor that does the same work in the same run
# (bench/floor.cpp, and the floors in the Google Benchmark programs), and its budget as a ratio to
# that floor, all under a private Xvfb. Prints one table.
#
#   bash bench/run.sh BUILD_DIR        (./dev bench builds build/release and calls this)
#
# RUNS (default 3) sets how many times each figure is measured; START_RUNS (default 7) how many
# starts make one run of the first frames. Each figure shows the median of its runs and [min - max]; a figure
# whose range is wider than its margin to the budget is "noisy", neither ok nor a miss.
# The whole bench takes about twenty minutes: the real-time games are played at the show's pace.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR}
build=$(cd "$build" && pwd)
runs=${RUNS:-3}
start_runs=${START_RUNS:-7}
for f in simulate ruvantia bench/bench_floor bench/bench_first_frame bench/bench_ticks bench/bench_lateness \
    bench/bench_game bench/bench_packs bench/bench_peak; do
    [ -x "$build/$f" ] || { echo "bench: $build/$f is missing (build the release first)" >&2; exit 2; }
done
work=$(mktemp -d)

# A private X display of its own, so that nothing else draws while we measure.
display=
for n in $(seq 90 130); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=:$n
        break
    fi
done
[ -n "$display" ] || { echo "bench: no free X display number" >&2; exit 2; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
cleanup() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
unset WAYLAND_DISPLAY SDL_VIDEODRIVER
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.05
done
xdpyinfo >/dev/null 2>&1 || { echo "bench: Xvfb did not start" >&2; exit 2; }

say() { printf '%s\n' "$*" >&2; }

# The board's window at scale 1: 12345 x 10965 twips, 15 twips a pixel.
window_pixels=$((823 * 731))

# "median min max" of the numbers on standard input, one a line.
stats() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) { print "nan nan nan"; exit }
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        print m, v[1], v[NR] }'
}

# The steps of the two real-time games, and their virtual traces to lay the real ones beside.
# The short game: the start, then the invitation blinks for 20 s, the board waits 20 s for an
# answer, a wrong answer at question 1 and the goodbye screen to the end: peak memory, CPU and
# pixels sent.
short_game=("wait 2000" "wait 20000" "click Form1.Image1" "until Form1.Timer6.Enabled=true" "wait 20000" "answer wrong"
    "wait 600" "click Form6.Label2(0)" "until Form3.Timer2.Enabled=true" "until Form3.Timer2.Enabled=false"
    "wait 60000")
# Questions 1 to 3 (right, right, wrong) and the goodbye screen, traced: lateness.
traced_game=("wait 900" "click Form1.Image1" "until Form1.Timer6.Enabled=true" "answer right" "wait 600"
    "click Form6.Label2(0)" "until Form1.Timer6.Enabled=true" "answer right" "wait 600" "click Form6.Label2(0)"
    "until Form1.Timer6.Enabled=true" "answer wrong" "wait 600" "click Form6.Label2(0)" "wait 120000")

# --- Process start to first frame, watched from outside: the game and the floor, turn about.
# Both paint the board's dark blue at the window's corner in their first frame. A run's figure is
# the median of its starts.
for r in $(seq "$runs"); do
    say "bench: first frames, run $r of $runs ($start_runs starts each)"
    for _ in $(seq "$start_runs"); do
        "$build/bench/bench_first_frame" 000040 4 4 "$build/bench/bench_floor" >>"$work/starts.floor"
        "$build/bench/bench_first_frame" 000040 4 4 "$build/ruvantia" >>"$work/starts.game"
    done
    for who in floor game; do
        stats <"$work/starts.$who" | cut -d' ' -f1 >>"$work/start.$who"
        rm "$work/starts.$who"
    done
done

# CPU time a process has run so far, in ms, from the scheduler's count in nanoseconds.
cpu_ms() { awk '{ printf "%.3f\n", $1 / 1e6 }' "/proc/$1/schedstat"; }

# --- The short game in real time: CPU while the invitation blinks, while the board waits for an
# answer, and during the goodbye screen's chase (--timings: one line per wait/until). Then the
# same game written down as ruvantia --registra does, turn about with the plain one.
# Lines: 2 the invitation, 4 the board's wait, 7 the chase (the until that waits for its end).
# Each ends "G % + S % of one core": the game's and the display server's share.
cpu_all() { sed -n "$1p" "$work/timings" | awk '{ print $(NF - 7) + $(NF - 4) }'; }
# "REDRAWS PIXELS MS" of a line: what the floor sends over the same span.
sent() { sed -n "$1p" "$work/timings" | sed -E 's/.*real ([0-9.]+) to ([0-9.]+) ms, ([0-9]+) redraws, ([0-9]+) pixels sent.*/\3 \4 \1 \2/' \
    | awk '{ printf "%d %d %d\n", $1, $2, $4 - $3 }'; }
# CPU of the floor and the X server while the floor sends REDRAWS PIXELS over MS (from 1 s on).
floor_cpu() {
    "$build/bench/bench_floor" --frames "$1" "$2" "$3" >>"$work/rss.floor" &
    local floor=$! f0 x0 t0 f1 x1 t1
    sleep 1
    f0=$(cpu_ms "$floor") x0=$(cpu_ms "$xvfb") t0=$(date +%s.%N)
    sleep "$(awk -v ms="$3" 'BEGIN { print ms / 1000 }')"
    f1=$(cpu_ms "$floor") x1=$(cpu_ms "$xvfb") t1=$(date +%s.%N)
    wait "$floor"
    awk -v a="$f0" -v b="$f1" -v c="$x0" -v d="$x1" -v s="$t0" -v e="$t1" \
        'BEGIN { print 100 * ((b - a) + (d - c)) / ((e - s) * 1000) }'
}
for r in $(seq "$runs"); do
    say "bench: short game in real time, run $r of $runs, plain then recorded, then the floor (about 240 s)"
    "$build/simulate" --real-time --timings --server-pid "$xvfb" "${short_game[@]}" >/dev/null 2>"$work/timings"
    cpu_all 2 >>"$work/cpu.invitation"
    cpu_all 4 >>"$work/cpu.waiting"
    cpu_all 7 >>"$work/cpu.chase"
    # The invitation's blinks: pixels sent per redraw, as a share of the board's window.
    sed -n 2p "$work/timings" | sed -E 's/.* ([0-9]+) redraws, ([0-9]+) pixels sent.*/\1 \2/' \
        | awk -v w="$window_pixels" '{ print ($1 > 0 ? 100 * $2 / $1 / w : 0) }' >>"$work/blink.pixels"
    # The floor sends as many redraws and pixels at the same pace, 10 s of each stretch.
    for part in 2:invitation 4:waiting 7:chase; do
        read -r n px ms < <(sent "${part%%:*}")
        floor_cpu "$(awk -v n="$n" -v ms="$ms" 'BEGIN { print (ms > 10000 ? int(n * 10000 / ms) : n) }')" \
            "$(awk -v p="$px" -v ms="$ms" 'BEGIN { print (ms > 10000 ? int(p * 10000 / ms) : p) }')" \
            "$((ms > 10000 ? 10000 : ms))" >>"$work/cpu.floor.${part#*:}"
    done
    "$build/simulate" --real-time --timings --server-pid "$xvfb" --record "$work/puntata$r.txt" "${short_game[@]}" \
        >/dev/null 2>"$work/timings"
    cpu_all 2 >>"$work/cpu.invitation.recorded"
    cpu_all 7 >>"$work/cpu.chase.recorded"
done

# --- Questions 1 to 3 and the goodbye screen in real time, against the virtual trace; and, turn
# about, the floor's bare sleeps until the same moments, one a line as the trace has them.
"$build/simulate" --trace "${traced_game[@]}" >"$work/virtual.trace"
# "MEDIAN P99 MAX" of lateness figures, one a line, ranked as bench_lateness ranks them.
late_quantiles() {
    sort -g | awk '{ v[NR] = $1 } END { print v[int(0.5 * (NR - 1) + 0.5) + 1], v[int(0.99 * (NR - 1) + 0.5) + 1], v[NR] }'
}
for r in $(seq "$runs"); do
    say "bench: questions 1 to 3 and the goodbye screen in real time, and the floor, run $r of $runs (about 200 s)"
    "$build/simulate" --real-time --trace "${traced_game[@]}" >"$work/real.trace"
    "$build/bench/bench_lateness" "$work/real.trace" "$work/virtual.trace" >"$work/late" || true
    read -r _ lines _ same _ med _ p99 _ max _ drift <"$work/late"
    echo "$med" >>"$work/late.median"
    echo "$p99" >>"$work/late.p99"
    echo "$max" >>"$work/late.max"
    echo "${drift#-}" >>"$work/late.drift"
    echo "$same" >>"$work/late.same"
    echo "$lines" >>"$work/late.lines"
    "$build/bench/bench_floor" --due "$work/virtual.trace" | late_quantiles >"$work/t"
    read -r med p99 max <"$work/t"
    echo "$med" >>"$work/floor.late.median"
    echo "$p99" >>"$work/floor.late.p99"
    echo "$max" >>"$work/floor.late.max"
done

# --- 1,000 real timer ticks of 10 ms, in the game's event loop and, turn about, as bare sleeps in
# the floor: what the machine itself allows (other users' work delays any wake-up).
quantiles() { sort -g | awk '{ v[NR] = $1 } END { print v[int(NR * 0.5) + 1], v[int(NR * 0.99) + 1] }'; }
for r in $(seq "$runs"); do
    say "bench: 1,000 real timer ticks, run $r of $runs"
    "$build/bench/bench_ticks" 1000 | quantiles >"$work/t"
    read -r med p99 <"$work/t"
    echo "$med" >>"$work/ticks.median"
    echo "$p99" >>"$work/ticks.p99"
    "$build/bench/bench_floor" --ticks 1000 | quantiles >"$work/t"
    read -r med p99 <"$work/t"
    echo "$med" >>"$work/floor.ticks.median"
    echo "$p99" >>"$work/floor.ticks.p99"
done

# --- The game's own peak memory over the short game, replayed by ruvantia --rivedi from each
# run's recording: the three at once, while the Google Benchmark programs below measure (the
# replays sleep between their steps, and memory does not depend on the pace).
replays=()
for r in $(seq "$runs"); do
    "$build/bench/bench_peak" "$build/ruvantia" --rivedi "$work/puntata$r.txt" >>"$work/rss.game" &
    replays+=($!)
done

# --- Google Benchmark: redraws off screen, whole games in virtual time (how fast this machine is),
# the packs read; each beside its floor.
say "bench: redraws off screen, games in virtual time, packs read"
SDL_VIDEODRIVER=offscreen "$build/bench/bench_game" --benchmark_repetitions=5 --benchmark_format=csv \
    --benchmark_min_time=0.3 2>/dev/null >"$work/gb.csv"
"$build/bench/bench_packs" --benchmark_repetitions=5 --benchmark_format=csv --benchmark_min_time=0.3 \
    2>/dev/null >>"$work/gb.csv"
# name,iterations,real_time,cpu_time,time_unit,...: the repetitions, not the aggregates; times in
# ms (the packs' built-in reading comes in us).
gb() {
    grep "^\"$1\"," "$work/gb.csv" | awk -F, -v col="${2:-3}" '{ u = $5; gsub(/"/, "", u); print $col / (col == 3 && u == "us" ? 1000 : 1) }'
}
for name in RedrawBoard/1 RedrawBoard/2 RedrawFloor/1 RedrawFloor/2 ReadBuiltInPack ReadBuiltInFloor \
    LoadSpreadsheet/xlsx LoadFloor/xlsx; do
    gb "BM_$name" >"$work/gb.${name//\//.}"
done
gb_games_col=$(head -1 "$work/gb.csv" | tr ',' '\n' | grep -n '^"games_per_s"$' | cut -d: -f1)
gb BM_WholeGame "$gb_games_col" >"$work/games"
say "bench: waiting for the replays that measure the game's memory"
wait "${replays[@]}"

# --- The table.
# row FIGURE FILE UNIT BUDGET_TEXT LIMIT [FLOOR_FILE]
#   LIMIT is an awk expression of f (the floor's median) and min(a, b): the highest median within
#   budget. A row whose [min - max] is wider than the distance from its median to that limit is
#   "noisy": this run cannot tell whether it is within budget.
misses=0 noisy=0
# "MEDIAN UNIT [MIN - MAX]", three significant digits (whole numbers from 1,000 on).
show() {
    awk -v m="$1" -v lo="$2" -v hi="$3" -v u="$4" 'function f(x) { return x >= 1000 ? sprintf("%.0f", x) : sprintf("%.3g", x) }
        BEGIN { printf "%s %s [%s - %s]", f(m), u, f(lo), f(hi) }'
}
row() {
    local figure=$1 file=$2 unit=$3 budget=$4 limit=$5 floor=${6:-}
    local m lo hi fm=0 flo fhi floor_text="" ratio_text="" verdict
    read -r m lo hi < <(stats <"$file")
    if [ -n "$floor" ]; then
        read -r fm flo fhi < <(stats <"$floor")
        floor_text=$(show "$fm" "$flo" "$fhi" "$unit")
        ratio_text=$(awk -v a="$m" -v b="$fm" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }')
    fi
    verdict=$(awk -v m="$m" -v lo="$lo" -v hi="$hi" -v f="$fm" "function min(a, b) { return a < b ? a : b }
        BEGIN { l = $limit; d = l - m; if (hi - lo > (d < 0 ? -d : d)) print \"noisy\"; else print (m <= l ? \"ok\" : \"MISS\") }")
    case $verdict in MISS) misses=$((misses + 1)) ;; noisy) noisy=$((noisy + 1)) ;; esac
    printf '%-58s %-28s %-28s %-7s %-30s %s\n' "$figure" "$(show "$m" "$lo" "$hi" "$unit")" "$floor_text" \
        "$ratio_text" "$budget" "$verdict"
}

same=$(sort -u "$work/late.same" | paste -sd/)
lines=$(head -1 "$work/late.lines")
read -r games _ < <(stats <"$work/games")
echo
echo "RUVANTIA bench: $build, Xvfb 1280x1024x24, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "this machine's speed: $(printf '%.0f' "$games") whole games simulated a second (virtual time, no drawing)"
echo "each figure: median [min - max] of $runs runs (each run of the starts the median of $start_runs; 5 for the Google Benchmark rows);"
echo "the floor (bench/floor.cpp, or the *Floor benchmarks) does the same work with plain calls, in the same run"
printf '%-58s %-28s %-28s %-7s %-30s %s\n' "figure" "measured" "floor" "ratio" "budget" ""
row "process start to first frame shown (seen from outside)" "$work/start.game" ms "<= 1.2x floor and <= 1 s" \
    "min(1.2 * f, 1000)" "$work/start.floor"
row "peak resident memory over a whole game (ruvantia itself)" <(awk '{ print $1 / 1024 }' "$work/rss.game") MB \
    "<= 1.3x floor" "1.3 * f" <(awk '{ print $1 / 1024 }' "$work/rss.floor")
row "CPU while the invitation blinks (20 s), game + X server" "$work/cpu.invitation" "%" "<= 2x floor + 0.01 %" \
    "2 * f + 0.01" "$work/cpu.floor.invitation"
row "CPU while the board waits for an answer (20 s), game + X" "$work/cpu.waiting" "%" "<= 2x floor + 0.01 %" \
    "2 * f + 0.01" "$work/cpu.floor.waiting"
row "CPU during the goodbye screen's chase (10 ms ticks), + X" "$work/cpu.chase" "%" "<= 2x floor" "2 * f" \
    "$work/cpu.floor.chase"
row "the invitation's CPU, the show recorded (floor: not)" "$work/cpu.invitation.recorded" "%" "<= 1.25x plain" \
    "1.25 * f" "$work/cpu.invitation"
row "the chase's CPU, the show recorded (floor: not)" "$work/cpu.chase.recorded" "%" "<= 1.25x plain" "1.25 * f" \
    "$work/cpu.chase"
row "pixels sent per invitation blink, share of the window" "$work/blink.pixels" "%" "<= 5 % of the window" "5"
row "lateness of traced changes, median ($lines lines)" "$work/late.median" ms "<= floor + 1 ms" "f + 1" \
    "$work/floor.late.median"
row "lateness of traced changes, p99" "$work/late.p99" ms "<= floor + 1 ms" "f + 1" "$work/floor.late.p99"
row "lateness of traced changes, max" "$work/late.max" ms "<= a frame (16 ms)" "16" "$work/floor.late.max"
row "lateness drift, last tenth vs first tenth of the lines" "$work/late.drift" ms "none (< 1 ms)" "1"
row "lateness of 1,000 real timer ticks (10 ms), median" "$work/ticks.median" ms "<= floor + 1 ms" "f + 1" \
    "$work/floor.ticks.median"
row "lateness of 1,000 real timer ticks (10 ms), p99" "$work/ticks.p99" ms "<= floor + 1 ms" "f + 1" \
    "$work/floor.ticks.p99"
row "one full redraw of Form1 off screen, scale 1" "$work/gb.RedrawBoard.1" ms "<= 2x floor and <= 16 ms" \
    "min(2 * f, 16)" "$work/gb.RedrawFloor.1"
row "one full redraw of Form1 off screen, scale 2" "$work/gb.RedrawBoard.2" ms "<= 2x floor and <= 16 ms" \
    "min(2 * f, 16)" "$work/gb.RedrawFloor.2"
row "reading the built-in pack (300 questions) at start" "$work/gb.ReadBuiltInPack" ms "<= 5x floor" "5 * f" \
    "$work/gb.ReadBuiltInFloor"
row "reading a 300-question .xlsx saved by Calc, from the disk" "$work/gb.LoadSpreadsheet.xlsx" ms "<= 2x floor" \
    "2 * f" "$work/gb.LoadFloor.xlsx"
if [ "$same" != yes ]; then
    echo "MISS: a real-time trace did not list the same changes at the same moments as the virtual one"
    misses=$((misses + 1))
fi
echo "verdicts: $misses over budget, $noisy noisy"
