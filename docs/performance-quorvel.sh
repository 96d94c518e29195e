#!/bin/sh
# Times Quorvel.exe -automatic beside a trivial dialog program of ours that closes itself at once
# (quorvel_baseline.exe: Wine's own cost of starting a dialog program), in turns, in one Wine
# session: a virtual display and a prefix of its own under <build-dir>/performance-quorvel, both
# programs in one virtual desktop of 1280 x 1024. Prints the median wall times and the
# measuring steps that sysreport times inside one process.
#   docs/performance-quorvel.sh [build-dir] [runs]   (default: build/win64, 7 runs)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/win64}
runs=${2:-7}
cmake --build "$build" --target Quorvel quorvel_baseline sysreport >/dev/null
quorvel=$(sh "$root/cmake/built-program" "$build" Quorvel)
baseline=$(sh "$root/cmake/built-program" "$build" quorvel_baseline)
sysreport=$(sh "$root/cmake/built-program" "$build" sysreport)

export KRUMBEL_WINE_SESSION="$root/cmake/wine-session"
export KRUMBEL_WINE_STATE="$build/performance-quorvel"
. "$root/cmake/use-wine-session.sh"
work=$(mktemp -d)
trap 'session stop >/dev/null; rm -rf "$work"' EXIT
session start "$quorvel" 1280x1024 >/dev/null
session copy "$quorvel" "$baseline" "$sysreport"
session desktop 1280x1024 Quorvel.exe quorvel_baseline.exe sysreport.exe

# elapsed_ms <program> [args]: wall time of one run, in milliseconds.
elapsed_ms() {
    start=$(date +%s%N)
    session builtin "C:\\krumbel\\$1" "$2" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() {
    sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# One unmeasured round warms Wine's caches for both.
elapsed_ms quorvel_baseline.exe "" >/dev/null
elapsed_ms Quorvel.exe -automatic >/dev/null
i=0
while [ $i -lt "$runs" ]; do
    elapsed_ms quorvel_baseline.exe "" >>"$work/baseline"
    elapsed_ms Quorvel.exe -automatic >>"$work/quorvel"
    i=$((i + 1))
done
b=$(median <"$work/baseline")
q=$(median <"$work/quorvel")
echo "runs: $runs each, in turns; medians"
echo "quorvel_baseline.exe: $b ms"
echo "Quorvel.exe -automatic: $q ms"
echo "difference: $((q - b)) ms"
echo "measuring steps in one process (sysreport):"
session builtin 'C:\krumbel\sysreport.exe' 2>/dev/null | grep '^Times'
