#!/usr/bin/env bash
# The shipped program carries exactly the resources listed in
# resources.expected, no more and no fewer: check-resources.sh OBJDUMP FILE
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
expected="$(grep -v '^#' "$here/resources.expected" | sort)"
actual="$("$here/list-resources.sh" "$1" "$2")"
if [ "$expected" != "$actual" ]; then
  echo "FAIL: resources differ (< expected, > found):" >&2
  diff <(echo "$expected") <(echo "$actual") >&2 || true
  exit 1
fi
echo "$(wc -l <<<"$actual") resources as listed"
