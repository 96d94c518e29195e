#!/bin/sh
# A session's prefix, a clone of the build folder's template, in a session of its own: the files
# Wine writes (the registry, .update-timestamp, the .ini files) are its own, the DLLs are shared
# with the template; the session script maps C: paths and drive letters, and refuses C: and Z:.
set -eu
. "${KRUMBEL_WINE_SESSION%/*}/use-wine-session.sh"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

prefix=$(session prefix)
for file in system.reg user.reg userdef.reg .update-timestamp drive_c/windows/win.ini \
    drive_c/windows/system.ini; do
    links=$(stat -c %h "$prefix/$file")
    [ "$links" -eq 1 ] || fail "$file has $links links: Wine would write it into the template too"
done
shared=$(find "$prefix/drive_c/windows/system32" -name '*.dll' -links +1 | wc -l)
[ "$shared" -gt 100 ] || fail "only $shared DLLs are shared with the template"

[ "$(session path 'C:\krumbel\a b\c.txt')" = "$prefix/drive_c/krumbel/a b/c.txt" ] ||
    fail "C:\\krumbel\\a b\\c.txt maps to $(session path 'C:\krumbel\a b\c.txt')"
! session path 'D:\krumbel' 2>/dev/null || fail "a path on D: was mapped to drive_c"

folder=$(mktemp -d "$PWD/drive.XXXXXX")
trap 'rm -rf "$folder"' EXIT
echo seen >"$folder/on-the-drive.txt"
session drive S "$folder"
session builtin cmd /c type 'S:\on-the-drive.txt' | grep -qx seen || fail "drive S: shows no file"
session drive S
! session builtin cmd /c type 'S:\on-the-drive.txt' >/dev/null 2>&1 || fail "drive S: stays mapped"
for letter in C z; do
    ! session drive "$letter" "$folder" 2>/dev/null || fail "drive $letter: was taken"
done

[ "$failures" -eq 0 ] && echo "the clone writes only its own files; paths and drives map"
exit "$failures"
