#!/usr/bin/env bash
# symbols-once.sh <guard program or -> <program> <library>...
# No function of ours is compiled into two of the binaries: each function defined in the program
# or in one of its libraries (a text symbol of nm, demangled; the C runtime's and rcc's own left
# out) is defined in that one alone, so that each has one copy and one set of statics. A static
# library linked into two of them fails here. The guard program, which runs without Qt, shares
# code with the others only through the one library of ours it links, libbiorhythmus-screen.so.
set -euo pipefail
guard=$1
shift
binaries=("$@")
[ "$guard" = - ] || binaries+=("$guard")

# Not ours: what every executable and shared object carries from the C runtime's start files,
# and the local object by which each compiled-in resource file of Qt's rcc registers itself.
runtime='^(_init|_fini|_start|main|deregister_tm_clones|register_tm_clones|__do_global_dtors_aux|frame_dummy)$'
resources='^\(anonymous namespace\)::initializer::~?initializer\(\)$'

# The functions a binary defines, one a line; nothing but the runtime's in the guard, whose code
# lies in its library.
functions() {
  local table
  table=$(nm --defined-only --demangle "$1") || { echo "$1 has no symbols: is it stripped?" >&2; exit 1; }
  awk '$2 == "T" || $2 == "t" { sub(/^[^ ]* [^ ]* /, ""); print }' <<<"$table" |
    { grep -vE -e "$runtime" -e "$resources" || true; } | sort -u
}

listing=$(mktemp)
trap 'rm -f "$listing"' EXIT
for binary in "${binaries[@]}"; do
  functions "$binary" | sed "s|^|$(basename "$binary")\t|" >>"$listing"
done

# Each function found twice, with the binaries that define it.
twice=$(awk -F'\t' '{ where[$2] = where[$2] " " $1; count[$2]++ }
  END { for (f in count) if (count[f] > 1) print "  " f ":" where[f] }' "$listing" | sort)
status=0
if [ -n "$twice" ]; then
  echo "Functions defined in more than one binary:"
  echo "$twice"
  status=1
fi
if [ "$guard" != - ]; then
  ours=$(readelf --dynamic "$guard" |
    sed -n 's/.*Shared library: \[\(libbiorhythmus-[^]]*\)\].*/\1/p' | paste -sd' ')
  if [ "$ours" != libbiorhythmus-screen.so ]; then
    echo "$(basename "$guard") links ${ours:-none of our libraries} instead of libbiorhythmus-screen.so alone"
    status=1
  fi
fi
[ "$status" -ne 0 ] || echo "$(wc -l <"$listing") functions in ${#binaries[@]} binaries, each defined once"
exit "$status"
