#!/usr/bin/env bash
# Times Runvella's start with the ten-year log (TenYearLog.h) against a minimal Qt Widgets program
# that shows one window, empty and with one line of text, all under Xvfb, RUNS times each (default
# 7), one after the other. Reports the medians, from the start of the process until the window is
# mapped: Runvella's splash, its main window, its main window less the two fixed 300 ms pauses of
# the splash, the minimal program's windows, and the ratios. Builds what it needs (Release) in
# build/bench.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/bench"
bin="$build/bin"

if [ "${1:-}" != --measure ]; then
    "$root/scripts/setup"
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DRUNVELLA_BUILD_TESTS=OFF \
        -DRUNVELLA_BUILD_BENCH=ON >/dev/null
    "$root/scripts/check-packages" "$build"
    cmake --build "$build" --parallel "${JOBS:-4}" --target Runvella ten_year_home startup_minimal \
        startup_watch >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --measure
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export RUNVELLA_HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$bin/ten_year_home" "$RUNVELLA_HOME" >/dev/null

runvella() { "$bin/startup_watch" '^Runvella\s*$' "$bin/Runvella"; }
minimal() { "$bin/startup_watch" '^Minimal$' "$bin/startup_minimal" "$@"; }
value() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p"; }
median() { sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }

# One start of each first, so that both find their files in the system's cache.
runvella >/dev/null
minimal >/dev/null
minimal --text >/dev/null
splash=() main=() yardstick=() textYardstick=()
for ((run = 0; run < ${RUNS:-7}; run++)); do
    times="$(runvella)"
    splash+=("$(value first_window_ms <<<"$times")")
    main+=("$(value window_ms <<<"$times")")
    yardstick+=("$(minimal | value window_ms)")
    textYardstick+=("$(minimal --text | value window_ms)")
done

splash_ms="$(printf '%s\n' "${splash[@]}" | median)"
main_ms="$(printf '%s\n' "${main[@]}" | median)"
minimal_ms="$(printf '%s\n' "${yardstick[@]}" | median)"
text_ms="$(printf '%s\n' "${textYardstick[@]}" | median)"
awk -v splash="$splash_ms" -v main="$main_ms" -v minimal="$minimal_ms" -v text="$text_ms" -v runs="${RUNS:-7}" 'BEGIN {
    printf "medians of %d starts each, in ms from the start of the process to the window on screen\n", runs
    printf "  Runvella splash                         %7.1f\n", splash
    printf "  Runvella main window                    %7.1f\n", main
    printf "  Runvella main window less 2 x 300 ms    %7.1f\n", main - 600
    printf "  minimal Qt Widgets window               %7.1f\n", minimal
    printf "  the same with one line of text          %7.1f\n", text
    printf "  ratio to the empty window               %7.2f\n", (main - 600) / minimal
    printf "  ratio to the window with text           %7.2f\n", (main - 600) / text
}'
