#!/bin/sh
# Registry form of the tree against Wine's own `reg`, side by side in one run: Save then Load of
# 1,000 REG_SZ values in 10 subkeys, and `reg import` then `reg export` of the same values.
#   foundation/bench/registry-bench.sh <win64-build-dir> [rounds]
# Each side is two Wine processes per round; the start-up of two empty processes is measured too
# and taken off both, so the net figures compare the registry work. Medians over the rounds.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "$1" && pwd)
rounds=${2:-5}
state="$build/wine"
tool="$build/foundation/registry_bench.exe"
run="$root/cmake/wine-run"
ours='HKCU:Software/KrumbelBench/Tree'
theirs='HKCU\Software\KrumbelBench\Reg'
work=$(mktemp -d)
drive_c="$state/prefix/drive_c"


if [ ! -f "$state/loader" ]; then
    echo "no Wine prefix in $state yet: run the win64 tests once (ctest)" >&2
    exit 1
fi
cleanup() {
    sh "$run" "$state" --builtin reg delete 'HKCU\Software\KrumbelBench' /f >/dev/null 2>&1 || true
    rm -rf "$work" "$drive_c/krumbel/bench.reg" "$drive_c/krumbel/export.reg"
}
trap cleanup EXIT

wine_quiet() {
    sh "$run" "$state" "$@" 2>/dev/null | tr -d '\r'
}
now_ms() {
    echo $(($(date +%s%N) / 1000000))
}
median() {
    sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}

# The .reg file is written inside the prefix, so reg.exe reads it through a Windows path.
wine_quiet "$tool" reg 'C:\krumbel\bench.reg' "$ours" >/dev/null
sed -i "s|KrumbelBench\\\\Tree|KrumbelBench\\\\Reg|" "$drive_c/krumbel/bench.reg"

: >"$work/ours" ; : >"$work/theirs" ; : >"$work/startup" ; : >"$work/inside"
for i in $(seq "$rounds"); do
    sh "$run" "$state" --builtin reg delete 'HKCU\Software\KrumbelBench' /f >/dev/null 2>&1 || true

    t0=$(now_ms)
    wine_quiet "$tool" noop
    wine_quiet "$tool" noop
    t1=$(now_ms)
    echo $((t1 - t0)) >>"$work/startup"

    t0=$(now_ms)
    save_ms=$(wine_quiet "$tool" save "$ours")
    load_ms=$(wine_quiet "$tool" load "$ours")
    t1=$(now_ms)
    echo $((t1 - t0)) >>"$work/ours"
    echo "$save_ms $load_ms" | awk '{print $1 + $2}' >>"$work/inside"

    t0=$(now_ms)
    wine_quiet --builtin reg import 'C:\krumbel\bench.reg' >/dev/null
    wine_quiet --builtin reg export "$theirs" 'C:\krumbel\export.reg' /y >/dev/null
    t1=$(now_ms)
    echo $((t1 - t0)) >>"$work/theirs"
done

ours_ms=$(median <"$work/ours")
theirs_ms=$(median <"$work/theirs")
startup_ms=$(median <"$work/startup")
inside_ms=$(median <"$work/inside")
exported=$(tr -d '\000' <"$drive_c/krumbel/export.reg" | grep -c '^"Setting' || true)
echo "rounds: $rounds, values: 1000 in 10 subkeys (reg export wrote $exported)"
echo "two empty processes (start-up):        ${startup_ms} ms"
echo "Save + Load (two processes):           ${ours_ms} ms"
echo "reg import + reg export (two processes): ${theirs_ms} ms"
echo "Save + Load inside the process:        ${inside_ms} ms"
awk -v o="$ours_ms" -v t="$theirs_ms" -v s="$startup_ms" -v i="$inside_ms" 'BEGIN {
    printf "ratio, whole processes (ours / reg):  %.2f\n", o / t
    if (t > s && o > s) printf "ratio, start-up taken off:           %.2f\n", (o - s) / (t - s)
    if (t > s) printf "ratio, inside the process vs reg net: %.2f\n", i / (t - s)
}'
