#!/bin/sh
# Runs the KSysInfo test under Wine with the host's view of the processor in its environment:
#   sysinfo-facts.sh <test-program.exe>
# KRUMBEL_WINE_SESSION and KRUMBEL_WINE_STATE come from the test registration.
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"

cpuinfo_field() {
    sed -n "s/^$1[[:space:]]*: //p" /proc/cpuinfo | head -n 1
}

# The brand text as a user program reads it with CPUID. A virtual machine may show a different
# text to the kernel (and so in /proc/cpuinfo) than to user programs, which is what the test
# program sees.
user_mode_brand() {
    compiler=$(command -v cc || command -v gcc || command -v clang) || return 1
    dir=$(mktemp -d)
    cat >"$dir/brand.c" <<'SOURCE'
#include <cpuid.h>
#include <stdio.h>
int main(void) {
    unsigned int r[13] = {0};
    for (unsigned int i = 0; i < 3; ++i)
        __cpuid(0x80000002u + i, r[4 * i], r[4 * i + 1], r[4 * i + 2], r[4 * i + 3]);
    fputs((const char*)r, stdout);
    return 0;
}
SOURCE
    if "$compiler" -o "$dir/brand" "$dir/brand.c" 2>/dev/null; then
        "$dir/brand"
        status=0
    else
        status=1
    fi
    rm -rf "$dir"
    return $status
}

# The time-stamp counter frequency as the kernel measured it at boot; /proc/cpuinfo's
# "cpu MHz" is the fallback, which equals it only with a constant-rate counter.
tsc_megahertz() {
    log=$(dmesg 2>/dev/null || true)
    refined=$(printf '%s\n' "$log" |
        sed -n 's/.*tsc: Refined TSC clocksource calibration: \([0-9.]*\) MHz.*/\1/p' | tail -n 1)
    detected=$(printf '%s\n' "$log" |
        sed -n 's/.*tsc: Detected \([0-9.]*\) MHz processor.*/\1/p' | tail -n 1)
    if [ -n "$refined" ]; then
        echo "$refined kernel log, refined TSC calibration"
    elif [ -n "$detected" ]; then
        echo "$detected kernel log, detected TSC frequency"
    else
        echo "$(cpuinfo_field 'cpu MHz') /proc/cpuinfo cpu MHz (no TSC figure in the kernel log)"
    fi
}

KRUMBEL_EXPECT_VENDOR_ID=$(cpuinfo_field vendor_id)
kernel_brand=$(cpuinfo_field 'model name')
if user_brand=$(user_mode_brand) && [ -n "$user_brand" ]; then
    KRUMBEL_EXPECT_BRAND=$user_brand
    trimmed=$(printf '%s' "$user_brand" | sed 's/^ *//; s/ *$//')
    if [ "$trimmed" != "$kernel_brand" ]; then
        echo "note: /proc/cpuinfo names the processor '$kernel_brand', CPUID in user mode" \
            "'$trimmed'; comparing with the latter"
    fi
else
    KRUMBEL_EXPECT_BRAND=$kernel_brand
fi
tsc=$(tsc_megahertz)
KRUMBEL_EXPECT_TSC_MHZ=${tsc%% *}
KRUMBEL_EXPECT_TSC_SOURCE=${tsc#* }
export KRUMBEL_EXPECT_VENDOR_ID KRUMBEL_EXPECT_BRAND KRUMBEL_EXPECT_TSC_MHZ KRUMBEL_EXPECT_TSC_SOURCE
echo "host: vendor $KRUMBEL_EXPECT_VENDOR_ID, brand '$KRUMBEL_EXPECT_BRAND'," \
    "TSC $KRUMBEL_EXPECT_TSC_MHZ MHz ($KRUMBEL_EXPECT_TSC_SOURCE)"

session run "$1"
