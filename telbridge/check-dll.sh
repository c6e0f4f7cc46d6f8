#!/usr/bin/env bash
# Static check of the shipped bridge: check-dll.sh OBJDUMP TAPI32.DLL
# A PE32 DLL for i386 that exports tapiRequestMakeCall by that very name (the
# program looks it up so) and imports nothing but the system's own DLLs, so
# that copying the one file installs it.
set -euo pipefail
headers="$("$1" -p "$2")"
status=0
grep -Eq '^Magic[[:space:]]+010b' <<<"$headers" || { echo "FAIL: not PE32" >&2; status=1; }
grep -Eq '\] tapiRequestMakeCall$' <<<"$headers" || { echo "FAIL: tapiRequestMakeCall not exported by that name" >&2; status=1; }
for dll in $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:lower:]' '[:upper:]'); do
  case "$dll" in
    KERNEL32.DLL | SHELL32.DLL | MSVCRT.DLL) ;;
    *) echo "FAIL: imports $dll" >&2; status=1 ;;
  esac
done
exit "$status"
