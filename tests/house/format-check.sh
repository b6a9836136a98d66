#!/usr/bin/env bash
# format-check.sh <clang-format> <source tree>
# Fails when a C++ file of the sources, the tests, the benchmarks or the drawing program is not
# formatted as the committed .clang-format says, and shows where (`clang-format -i <file>` mends
# it).
set -euo pipefail
clang_format=$1
cd "$2"
mapfile -d '' files < <(find src tests bench resources/draw -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "${#files[@]}" -eq 0 ]; then
  echo "no C++ files found under $2" >&2
  exit 1
fi
"$clang_format" --style=file --dry-run -Werror "${files[@]}"
echo "${#files[@]} files, each formatted as .clang-format says"
