#!/usr/bin/env bash
# Lists the resources of a PE file, one "TYPE NAME LANGUAGE" line each, sorted:
# list-resources.sh OBJDUMP FILE. Numbers are decimal, names as stored.
set -euo pipefail
"$1" -p "$2" | sed -n '/The .rsrc Resource Directory section/,/^$/p' | awk '
  function hex(s,   i, n) {
    n = 0
    for (i = 1; i <= length(s); i++) n = n * 16 + index("0123456789abcdef", tolower(substr(s, i, 1))) - 1
    return n
  }
  function key(line,   s) {
    if (match(line, /name: \[[^]]*\]: [^,]*/)) { s = substr(line, RSTART, RLENGTH); sub(/.*\]: /, "", s); return s }
    if (match(line, /ID: 0x[0-9a-fA-F]+/)) { s = substr(line, RSTART + 6, RLENGTH - 6); return hex(s) }
    return "?"
  }
  /Entry:/ {
    depth = index($0, "Entry:") - length($1) - 1
    if (depth <= 3) type = key($0)
    else if (depth <= 5) name = key($0)
    else print type, name, key($0)
  }' | sort
