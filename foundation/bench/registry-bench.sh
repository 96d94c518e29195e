#!/bin/sh
# Registry form of the tree against Wine's own `reg`, side by side in one run: Save then Load of
# 1,000 REG_SZ values in 10 subkeys, and `reg import` then `reg export` of the same values.
#   foundation/bench/registry-bench.sh <build-dir> [rounds]
# It runs in a Wine session of its own under the build folder (a clone of the template).
# Each side takes two Wine processes. Starting a process costs more than the registry work and
# varies with the machine's load, so each side is also run on an empty workload (our program
# doing nothing; reg importing and exporting an empty key) and the net figure is the difference.
# Medians over the rounds; the sides alternate within each round.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
rounds=${2:-7}
tool=$(sh "$root/cmake/built-program" "$build" registry_bench)
location='HKCU:Software/KrumbelBench/Tree'
bench_key='HKCU\Software\KrumbelBench'
work=$(mktemp -d)
export KRUMBEL_WINE_SESSION="$root/cmake/wine-session"
export KRUMBEL_WINE_STATE="$build/registry-bench"
. "$root/cmake/use-wine-session.sh"

session start --fresh "$tool" >/dev/null
cleanup() {
    session stop >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
files=$(session path 'C:\krumbel')

# wine_quiet <run|builtin> [args...]
wine_quiet() {
    session "$@" 2>/dev/null
}
reg() {
    wine_quiet builtin reg "$@" >/dev/null
}
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}
median() {
    sort -n "$work/$1" | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
# time_into <file> <command...>: appends the command's wall time in milliseconds to file.
time_into() {
    file=$1
    shift
    t0=$(now_ms)
    "$@"
    echo $(($(now_ms) - t0)) >>"$work/$file"
}

ours() {
    wine_quiet run "$tool" save "$location" >>"$work/save_inside"
    wine_quiet run "$tool" load "$location" >>"$work/load_inside"
}
ours_empty() {
    wine_quiet run "$tool" noop
    wine_quiet run "$tool" noop
}
theirs() {
    reg import 'C:\krumbel\bench.reg'
    reg export "$bench_key\\Reg" 'C:\krumbel\export.reg' /y
}
theirs_empty() {
    reg import 'C:\krumbel\empty.reg'
    reg export "$bench_key\\Empty" 'C:\krumbel\export.reg' /y
}

# The same values as a .reg file, written by the program itself, under another key.
mkdir -p "$files"
wine_quiet run "$tool" reg 'C:\krumbel\bench.reg' "$location" >/dev/null
sed -i 's|KrumbelBench\\Tree|KrumbelBench\\Reg|' "$files/bench.reg"
printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\KrumbelBench\\Empty]\r\n' >"$files/empty.reg"

for i in $(seq "$rounds"); do
    reg delete "$bench_key" /f || true
    time_into ours_whole ours
    time_into theirs_whole theirs
    time_into ours_base ours_empty
    time_into theirs_base theirs_empty
done
reg export "$bench_key\\Reg" 'C:\krumbel\export.reg' /y
exported=$(tr -d '\000' <"$files/export.reg" | grep -c '^"Setting' || true)

save=$(median save_inside)
load=$(median load_inside)
ours_whole=$(median ours_whole)
ours_base=$(median ours_base)
theirs_whole=$(median theirs_whole)
theirs_base=$(median theirs_base)
echo "rounds: $rounds; 1000 values in 10 subkeys (reg export found $exported)"
echo "Save, Load inside our process:        $save ms, $load ms"
echo "Save + Load, two processes:           $ours_whole ms (empty workload $ours_base ms)"
echo "reg import + reg export:              $theirs_whole ms (empty workload $theirs_base ms)"
awk -v s="$save" -v l="$load" -v ow="$ours_whole" -v ob="$ours_base" -v tw="$theirs_whole" \
    -v tb="$theirs_base" 'BEGIN {
    printf "ratio ours / reg, whole processes:    %.2f\n", ow / tw
    if (tw > tb) {
        printf "ratio ours / reg, net of start-up:    %.2f (ours measured inside: %.2f)\n",
            (ow - ob) / (tw - tb), (s + l) / (tw - tb)
    }
}'
