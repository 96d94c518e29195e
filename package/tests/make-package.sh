#!/bin/sh
# Makes the release package into a folder of its own, as `./dev package` does, and fails unless
# the zip of the expected name is there afterwards.
#   make-package.sh <cpack> <CPackConfig.cmake> <folder> <expected zip>
set -eu
cpack=$1
config=$2
folder=$3
zip=$4
rm -rf "$folder"
mkdir -p "$folder"
"$cpack" --config "$config" -B "$folder"
if [ ! -f "$zip" ]; then
    echo "FAIL: cpack made no $zip"
    ls -l "$folder"
    exit 1
fi
echo "made $zip ($(wc -c <"$zip") bytes)"
