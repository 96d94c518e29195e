#!/bin/sh
# Makes the release package into a folder of its own, as `./dev package` and the package tests
# do: the zip, which every build of the same commit makes again byte for byte, and SHA256SUMS
# beside it, naming the zip and the programs by their paths inside it.
#   make-package.sh <cpack> <CPackConfig.cmake> <folder>
#
# The one time in the package is SOURCE_DATE_EPOCH, else that of the source's last commit, taken
# now rather than when the build was configured. strip (run by CPack) writes it into the programs'
# headers. CPack's zip is then made again in a fixed form: the entries in byte order, each with
# that time in UTC, the permissions 755 for programs and 644 for the rest, and no extra fields
# (-X: no user and group ids, no local times). Info-ZIP's zip compresses with its own code, so
# the bytes don't change with the zlib of the machine.
set -eu
cpack=$1
config=$2
folder=$3
source_dir=$(cd "$(dirname "$0")/.." && pwd)

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct) || {
        echo "FAIL: no SOURCE_DATE_EPOCH, and $source_dir has no commit to take the time from"
        exit 1
    }
fi
export SOURCE_DATE_EPOCH
export TZ=UTC

# The files below the current folder, by their paths, in byte order.
sorted_files() {
    find . -type f "$@" | sed 's|^\./||' | LC_ALL=C sort
}

rm -rf "$folder"
mkdir -p "$folder/cpack"
folder=$(cd "$folder" && pwd)
"$cpack" --config "$config" -B "$folder/cpack"
made=$(ls "$folder"/cpack/*.zip)
zip=$(basename "$made")

files="$folder/cpack/files"
unzip -q "$made" -d "$files"
find "$files" -type f -perm -u+x -exec chmod 755 {} +
find "$files" -type f ! -perm -u+x -exec chmod 644 {} +
find "$files" -exec touch -d "@$SOURCE_DATE_EPOCH" {} +
(cd "$files" && sorted_files | zip -X -D -q "$folder/$zip" -@)

(cd "$folder" && sha256sum "$zip") >"$folder/SHA256SUMS"
(cd "$files" && sorted_files -name '*.exe' | xargs sha256sum) >>"$folder/SHA256SUMS"
rm -rf "$folder/cpack"
echo "made $folder/$zip ($(wc -c <"$folder/$zip") bytes)"
