#!/bin/sh
# The release zip carries nothing of the moment, the folder or the person that made it: the one
# time in it is the commit's (SOURCE_DATE_EPOCH, else the source's last commit), in the programs'
# headers and in every entry; the entries come in byte order with fixed permissions and no extra
# fields (no user or group ids); no path of the source or build folder is in the programs; and
# SHA256SUMS beside it names the zip and the programs and matches them. Then the package is made
# again into a folder of its own, under another time zone and umask, and must come out the same.
#   check-reproducible.sh <zip> <objdump> <source folder> <build folder> <make-package command...>
set -eu
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
objdump=$2
source_dir=$3
build_dir=$4
shift 4

folder=$(dirname "$zip")
name=$(basename "$zip")
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

time=${SOURCE_DATE_EPOCH:-$(git -C "$source_dir" log -1 --format=%ct)}
# The DOS time of a zip entry counts in steps of two seconds; zip rounds up.
zip_time=$(date -u -d "@$(((time + 1) / 2 * 2))" +%Y%m%d.%H%M%S)
pe_time=$(LC_ALL=C date -u -d "@$time" '+%a %b %e %H:%M:%S %Y')

# The entries: "<permissions> ... <yyyymmdd.hhmmss> <name>", one a line, in the zip's order.
entries=$(unzip -Z -s -T "$zip" | grep '^[-d]')
names=$(printf '%s\n' "$entries" | awk '{ print $NF }')
[ "$names" = "$(printf '%s\n' "$names" | LC_ALL=C sort)" ] || fail "entries not in byte order: $names"
printf '%s\n' "$entries" | while read -r mode _ _ _ _ _ when entry; do
    case "$entry" in *.exe) expected=-rwxr-xr-x ;; *) expected=-rw-r--r-- ;; esac
    [ "$mode" = "$expected" ] || echo "FAIL: $entry has permissions $mode instead of $expected"
    [ "$when" = "$zip_time" ] || echo "FAIL: $entry has the time $when instead of $zip_time"
done | grep . && failures=$((failures + 1))
count=$(printf '%s\n' "$names" | wc -l)
bare=$(unzip -Z -v "$zip" | grep -c 'length of extra field: *0 bytes' || true)
[ "$bare" -eq "$count" ] || fail "$((count - bare)) of $count entries have extra fields (ids, times)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
programs=$(printf '%s\n' "$names" | grep '\.exe$')
for program in $programs; do
    stamp=$(TZ=UTC LC_ALL=C "$objdump" -p "$work/$program" | sed -n 's/^Time\/Date[[:space:]]*//p')
    [ "$stamp" = "$pe_time" ] || fail "$program has the time stamp '$stamp' instead of '$pe_time'"
    for path in "$source_dir" "$build_dir"; do
        ! grep -q -F "$path" "$work/$program" || fail "$program holds the path $path"
    done
done

sums="$folder/SHA256SUMS"
listed=$(sed 's/^[0-9a-f]\{64\}  //' "$sums")
[ "$listed" = "$(printf '%s\n' "$name" "$programs")" ] || fail "SHA256SUMS names: $listed"
ln -s "$zip" "$work/$name"
(cd "$work" && sha256sum --quiet --strict -c "$sums") || fail "SHA256SUMS does not match"

again="$folder-again"
(export TZ=IST-5:30 && umask 077 && "$@" "$again") >"$work/again.log" 2>&1 ||
    { cat "$work/again.log"; fail "the package could not be made again"; }
if ! cmp "$zip" "$again/$name"; then
    fail "made again, the zip differs; SHA256SUMS, first and again:"
    diff "$sums" "$again/SHA256SUMS" || true
fi
rm -rf "$again"

[ "$failures" -eq 0 ] || exit 1
echo "ok: $name holds only the commit's time $(date -u -d "@$time" +%FT%TZ) and comes out the same again"
