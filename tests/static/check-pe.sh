#!/usr/bin/env bash
# Static checks of the shipped program: check-pe.sh OBJDUMP TOLLWICK.EXE
# A 32-bit Windows GUI executable (PE32, i386) that imports nothing but the
# system's own DLLs, with room on its main stack for the main window.
set -euo pipefail
objdump="$1"
exe="$2"
headers="$("$objdump" -p "$exe")"
status=0
expect() {
  if ! grep -Eq "$1" <<<"$headers"; then
    echo "FAIL: $2" >&2
    status=1
  fi
}
expect 'file format pei-i386' "not a PE file for i386"
expect '^Magic[[:space:]]+010b' "not PE32"
expect '^Subsystem[[:space:]]+00000002' "not a Windows GUI program"

allowed=' KERNEL32.DLL USER32.DLL GDI32.DLL COMCTL32.DLL ADVAPI32.DLL WINMM.DLL SHELL32.DLL MSVCRT.DLL '
imports="$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr '[:lower:]' '[:upper:]')"
[ -n "$imports" ] || { echo "FAIL: no imports found" >&2; status=1; }
for dll in $imports; do
  case "$allowed" in
    *" $dll "*) ;;
    *) echo "FAIL: imports $dll" >&2; status=1 ;;
  esac
done

stack="$(sed -n 's/^SizeOfStackReserve[[:space:]]*//p' <<<"$headers")"
if [ -z "$stack" ] || [ $((16#$stack)) -lt $((1024 * 1024)) ]; then
  echo "FAIL: main thread stack reserve is ${stack:-missing}, want at least 1 MB" >&2
  status=1
fi
[ $status -eq 0 ] && echo "TOLLWICK.EXE: PE32 i386 GUI, imports: $(echo $imports)"
exit $status
