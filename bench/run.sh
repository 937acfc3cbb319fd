#!/usr/bin/env bash
# The bench: every figure of the show beside its budget and, where it counts, beside the floor
# (the least an SDL2 program costs on this machine), all measured in the same run under a
# private Xvfb. Prints one table.
#
#   bash bench/run.sh BUILD_DIR        (./dev bench builds build/release and calls this)
#
# RUNS (default 3) sets how many times each real-time game is played; START_RUNS (default 21)
# how many starts are timed. Each figure shows the median of its runs and [min - max].
# The whole bench takes about eighteen minutes: the real-time games are played at the show's pace.
set -euo pipefail

build=${1:?usage: bench/run.sh BUILD_DIR}
build=$(cd "$build" && pwd)
runs=${RUNS:-3}
start_runs=${START_RUNS:-21}
for f in simulate ruvantia bench/bench_floor bench/bench_first_frame bench/bench_ticks bench/bench_lateness \
    bench/bench_game bench/bench_packs; do
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
# Both paint the board's dark blue at the window's corner in their first frame.
say "bench: first frames ($start_runs starts each)"
for _ in $(seq "$start_runs"); do
    "$build/bench/bench_first_frame" 000040 4 4 "$build/bench/bench_floor" >>"$work/start.floor"
    "$build/bench/bench_first_frame" 000040 4 4 "$build/ruvantia" >>"$work/start.game"
done

# CPU time a process has run so far, in ms, from the scheduler's count in nanoseconds.
cpu_ms() { awk '{ printf "%.3f\n", $1 / 1e6 }' "/proc/$1/schedstat"; }

# --- The floor at rest for 20 s, with the display server's CPU over the same span, and its
# peak memory (it prints its peak in kB when it closes).
for r in $(seq "$runs"); do
    say "bench: the floor at rest, run $r of $runs (22 s)"
    "$build/bench/bench_floor" 22000 >>"$work/rss.floor" &
    floor=$!
    sleep 1
    f0=$(cpu_ms "$floor") x0=$(cpu_ms "$xvfb") t0=$(date +%s.%N)
    sleep 20
    f1=$(cpu_ms "$floor") x1=$(cpu_ms "$xvfb") t1=$(date +%s.%N)
    wait "$floor"
    awk -v a="$f0" -v b="$f1" -v c="$x0" -v d="$x1" -v s="$t0" -v e="$t1" \
        'BEGIN { print 100 * ((b - a) + (d - c)) / ((e - s) * 1000) }' >>"$work/cpu.floor"
done

# --- The short game in real time: peak memory, CPU while the invitation blinks, while the board
# waits for an answer, and during the goodbye screen's chase (--timings: one line per wait/until).
# Then the same game written down as ruvantia --registra does, turn about with the plain one.
# Lines: 2 the invitation, 4 the board's wait, 7 the chase (the until that waits for its end).
# Each ends "G % + S % of one core": the game's and the display server's share.
cpu_all() { sed -n "$1p" "$work/timings" | awk '{ print $(NF - 7) + $(NF - 4) }'; }
for r in $(seq "$runs"); do
    say "bench: short game in real time, run $r of $runs, plain then recorded (about 200 s)"
    "$build/simulate" --real-time --timings --server-pid "$xvfb" "${short_game[@]}" >/dev/null 2>"$work/timings"
    grep '^peak resident memory' "$work/timings" | awk '{ print $4 }' >>"$work/rss.game"
    cpu_all 2 >>"$work/cpu.invitation"
    cpu_all 4 >>"$work/cpu.waiting"
    cpu_all 7 >>"$work/cpu.chase"
    # The invitation's blinks: pixels sent per redraw, as a share of the board's window.
    sed -n 2p "$work/timings" | sed -E 's/.* ([0-9]+) redraws, ([0-9]+) pixels sent.*/\1 \2/' \
        | awk -v w="$window_pixels" '{ print ($1 > 0 ? 100 * $2 / $1 / w : 0) }' >>"$work/blink.pixels"
    "$build/simulate" --real-time --timings --server-pid "$xvfb" --record "$work/puntata.txt" "${short_game[@]}" \
        >/dev/null 2>"$work/timings"
    cpu_all 2 >>"$work/cpu.invitation.recorded"
    cpu_all 7 >>"$work/cpu.chase.recorded"
done

# --- Questions 1 to 3 and the goodbye screen in real time, against the virtual trace.
"$build/simulate" --trace "${traced_game[@]}" >"$work/virtual.trace"
for r in $(seq "$runs"); do
    say "bench: questions 1 to 3 and the goodbye screen in real time, run $r of $runs (about 100 s)"
    "$build/simulate" --real-time --trace "${traced_game[@]}" >"$work/real.trace"
    "$build/bench/bench_lateness" "$work/real.trace" "$work/virtual.trace" >"$work/late" || true
    read -r _ lines _ same _ med _ p99 _ max _ drift <"$work/late"
    echo "$med" >>"$work/late.median"
    echo "$p99" >>"$work/late.p99"
    echo "$max" >>"$work/late.max"
    echo "${drift#-}" >>"$work/late.drift"
    echo "$same" >>"$work/late.same"
    echo "$lines" >>"$work/late.lines"
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

# --- Google Benchmark: redraws off screen and whole games in virtual time.
say "bench: redraws off screen and games in virtual time"
SDL_VIDEODRIVER=offscreen "$build/bench/bench_game" --benchmark_repetitions=5 --benchmark_format=csv \
    --benchmark_min_time=0.3 2>/dev/null >"$work/gb.csv"
# name,iterations,real_time,cpu_time,time_unit,...,games_per_s: the repetitions, not the aggregates.
gb() {
    grep "^\"$1\"," "$work/gb.csv" | awk -F, -v col="$2" '{ print $col }'
}
gb BM_RedrawBoard/1 3 >"$work/redraw1"
gb BM_RedrawBoard/2 3 >"$work/redraw2"
gb_games_col=$(head -1 "$work/gb.csv" | tr ',' '\n' | grep -n '^"games_per_s"$' | cut -d: -f1)
gb BM_WholeGame "$gb_games_col" >"$work/games"

# --- Reading packs: the built-in one at every start, a player's 300 questions from Calc's .xlsx.
"$build/bench/bench_packs" --benchmark_repetitions=5 --benchmark_format=csv --benchmark_min_time=0.3 \
    2>/dev/null >"$work/packs.csv"
grep '^"BM_ReadBuiltInPack",' "$work/packs.csv" | awk -F, '{ print $3 / 1000 }' >"$work/pack.builtin"
grep '^"BM_LoadSpreadsheet/xlsx",' "$work/packs.csv" | awk -F, '{ print $3 }' >"$work/pack.xlsx"

# --- The table.
# row FIGURE FILE UNIT BUDGET_TEXT CHECK [FLOOR_FILE]
#   CHECK is an awk condition on m (the median) and r (the ratio to the floor's median).
misses=0
# "MEDIAN UNIT [MIN - MAX]", three significant digits (whole numbers from 1,000 on).
show() {
    awk -v m="$1" -v lo="$2" -v hi="$3" -v u="$4" 'function f(x) { return x >= 1000 ? sprintf("%.0f", x) : sprintf("%.3g", x) }
        BEGIN { printf "%s %s [%s - %s]", f(m), u, f(lo), f(hi) }'
}
row() {
    local figure=$1 file=$2 unit=$3 budget=$4 check=$5 floor=${6:-}
    local m lo hi fm flo fhi
    read -r m lo hi < <(stats <"$file")
    local measured floor_text="" ratio_text="" verdict
    measured=$(show "$m" "$lo" "$hi" "$unit")
    local r=0
    if [ -n "$floor" ]; then
        read -r fm flo fhi < <(stats <"$floor")
        floor_text=$(show "$fm" "$flo" "$fhi" "$unit")
        r=$(awk -v a="$m" -v b="$fm" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }')
        ratio_text="${r}x"
        [ "$r" = "0.00" ] && ratio_text="-" # a floor of nothing: no ratio
    fi
    if awk -v m="$m" -v r="$r" "BEGIN { exit !($check) }"; then verdict=ok; else verdict=MISS; misses=$((misses + 1)); fi
    printf '%-58s %-30s %-30s %-7s %-34s %s\n' "$figure" "$measured" "$floor_text" "$ratio_text" "$budget" "$verdict"
}

same=$(sort -u "$work/late.same" | paste -sd/)
lines=$(head -1 "$work/late.lines")
echo
echo "RUVANTIA bench: $build, Xvfb 1280x1024x24, $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "each figure: median [min - max] of $runs runs ($start_runs for the starts); the floor is measured in the same run"
printf '%-58s %-30s %-30s %-7s %-34s %s\n' "figure" "measured" "floor" "ratio" "budget" ""
row "process start to first frame shown (seen from outside)" "$work/start.game" ms "< 1.2x floor and < 100 ms" \
    "r < 1.2 && m < 100" "$work/start.floor"
row "peak resident memory over a whole game" <(awk '{ print $1 / 1024 }' "$work/rss.game") MB \
    "< 1.3x floor and < 40 MB" "r < 1.3 && m < 40" <(awk '{ print $1 / 1024 }' "$work/rss.floor")
row "CPU while the invitation blinks (20 s), game + X server" "$work/cpu.invitation" "%" "<= 0.1 % of one core" \
    "m <= 0.1" "$work/cpu.floor"
row "CPU while the board waits for an answer (20 s), game + X" "$work/cpu.waiting" "%" "<= 0.05 % of one core" \
    "m <= 0.05" "$work/cpu.floor"
row "CPU during the goodbye screen's chase (10 ms ticks), + X" "$work/cpu.chase" "%" "<= 1.5 % of one core" \
    "m <= 1.5" "$work/cpu.floor"
row "the invitation's CPU, the show recorded (floor: not)" "$work/cpu.invitation.recorded" "%" \
    "<= 0.1 % and <= 1.25x plain" "m <= 0.1 && r <= 1.25" "$work/cpu.invitation"
row "the chase's CPU, the show recorded (floor: not)" "$work/cpu.chase.recorded" "%" \
    "<= 1.5 % and <= 1.25x plain" "m <= 1.5 && r <= 1.25" "$work/cpu.chase"
row "pixels sent per invitation blink, share of the window" "$work/blink.pixels" "%" "<= 5 % of the window" "m <= 5"
row "lateness of traced changes, median ($lines lines, same: $same)" "$work/late.median" ms "< 1 ms" \
    "m < 1 && \"$same\" == \"yes\"" "$work/floor.ticks.median"
row "lateness of traced changes, p99" "$work/late.p99" ms "< 2 ms" "m < 2" "$work/floor.ticks.p99"
row "lateness of traced changes, max (no budget)" "$work/late.max" ms "-" "1"
row "lateness drift, last tenth vs first tenth of the lines" "$work/late.drift" ms "none (< 1 ms)" "m < 1"
row "one full redraw of Form1 off screen, scale 1" "$work/redraw1" ms "< 2 ms" "m < 2"
row "one full redraw of Form1 off screen, scale 2" "$work/redraw2" ms "< 6 ms" "m < 6"
row "whole games simulated per second, virtual time, no drawing" "$work/games" "/s" ">= 5,000 /s" "m >= 5000"
row "reading the built-in pack (300 questions) at start" "$work/pack.builtin" ms "< 1 ms" "m < 1"
row "reading a 300-question .xlsx saved by Calc, from the disk" "$work/pack.xlsx" ms "< 20 ms" "m < 20"
row "lateness of 1,000 real timer ticks (10 ms), median" "$work/ticks.median" ms "-" "1" "$work/floor.ticks.median"
row "lateness of 1,000 real timer ticks (10 ms), p99" "$work/ticks.p99" ms "< 2 ms" "m < 2" "$work/floor.ticks.p99"
echo "floor: the floor program (bench/floor.cpp) in the same run (for the CPU rows, at rest with the X server over 20 s);"
echo "       for the lateness rows, its bare sleeps of 10 ms"
if [ "$misses" -eq 0 ]; then echo "every figure within its budget"; else echo "$misses figure(s) over budget"; fi
