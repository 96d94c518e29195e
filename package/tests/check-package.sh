#!/bin/sh
# The release zip as a player receives it, checked without running anything: one folder named
# like the zip holding exactly the two programs and README.txt; each program built for the
# package's machine, importing only Windows' own DLLs, stripped, with its version information and
# a manifest that runs as invoker without visual styles and is DPI aware (per monitor, version 2,
# else for the system); the README as Windows text.
#   check-package.sh <zip> <i686|x86_64> <version> <objdump> <windres> <check-imports>
set -eu
zip=$1
arch=$2
version=$3
objdump=$4
windres=$5
check_imports=$6

folder=$(basename "$zip" .zip)
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

listing=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$folder/Quorvel.exe" "$folder/README.txt" "$folder/Tinkrel.exe")
if [ "$listing" != "$expected" ]; then
    fail "the zip holds"
    printf '%s\n' "$listing"
    echo "instead of"
    printf '%s\n' "$expected"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"

# check_program <file> <description>
check_program() {
    program="$work/$folder/$1"
    [ -f "$program" ] || { fail "$1 is missing"; return; }
    sh "$check_imports" "$objdump" "$program" "$arch" || fail "$1 imports or machine"

    if "$objdump" -t "$program" | grep -q '^\[ *[0-9]*\]'; then
        fail "$1 still has a symbol table"
    fi
    if "$objdump" -h "$program" | grep -q '\.debug'; then
        fail "$1 still has debugging sections"
    fi

    rc=$("$windres" -i "$program" -O rc)
    numbers=$(echo "$version.0.0.0" | cut -d. -f1-4 | sed 's/\./, /g')
    for line in \
        "FILEVERSION $numbers" \
        "PRODUCTVERSION $numbers" \
        "VALUE \"ProductName\", \"Krumbel\"" \
        "VALUE \"ProductVersion\", \"$version\"" \
        "VALUE \"FileVersion\", \"$version\"" \
        "VALUE \"FileDescription\", \"$2\"" \
        "VALUE \"OriginalFilename\", \"$1\""; do
        printf '%s\n' "$rc" | sed 's/^ *//' | grep -qxF "$line" || fail "$1 lacks version line '$line'"
    done

    # The manifest is stored as its UTF-8 bytes; resource type 24 (RT_MANIFEST), name 1.
    printf '%s\n' "$rc" | grep -qx '1 24 /\* RT_MANIFEST \*/' || fail "$1 has no manifest 1"
    "$windres" -i "$program" -O res -o "$work/$1.res"
    manifest=$(tr -d '\000' <"$work/$1.res")
    case "$manifest" in *'level="asInvoker"'*) ;; *) fail "$1 does not run as invoker" ;; esac
    case "$manifest" in *'<dependency'*) fail "$1 depends on an assembly (visual styles?)" ;; esac
    case "$manifest" in *'>true</dpiAware>'*) ;; *) fail "$1 is not DPI aware for the system" ;; esac
    case "$manifest" in
    *'>PerMonitorV2, System</dpiAwareness>'*) ;;
    *) fail "$1 is not DPI aware per monitor (version 2, else system)" ;;
    esac
    count=$(printf '%s\n' "$manifest" | grep -c '<supportedOS ' || true)
    [ "$count" -eq 5 ] || fail "$1 declares $count supported systems instead of 5"
}
check_program Quorvel.exe "Krumbel start options"
check_program Tinkrel.exe "Krumbel tweak tool"

readme="$work/$folder/README.txt"
if [ -f "$readme" ]; then
    awk '!/\r$/ { bad = 1 } END { exit bad }' "$readme" || fail "README.txt has lines without CR LF"
    if LC_ALL=C grep -q '[^[:print:][:space:]]' "$readme"; then
        fail "README.txt is not plain ASCII"
    fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "ok: $(basename "$zip"), $(wc -c <"$zip") bytes"
