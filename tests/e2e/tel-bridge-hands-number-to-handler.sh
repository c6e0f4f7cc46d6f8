#!/usr/bin/env bash
# Dialling a stored contact with the bridge in place, as scripts/run starts
# the program, hands exactly one tel: URI to xdg-open; once tel: has no
# handler, the request is refused and the program says so.
# The test runner also passes TEL_BRIDGE and MESSAGE_BOX_TEXT.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
: "${TEL_BRIDGE:?}" "${MESSAGE_BOX_TEXT:?}"
mkdir -p "$work/fake"
cat >"$work/fake/xdg-open" <<FAKE
#!/bin/sh
printf '%s\n' "\$*" >>"$work/xdg-open.log"
FAKE
chmod +x "$work/fake/xdg-open"
export PATH="$work/fake:$PATH" WINEDLLOVERRIDES=tapi32=n
"$here/../../telbridge/wine-install" "$WINE_RUN" "$work/app" "$TOLLWICK_EXE" "$TEL_BRIDGE"
TOLLWICK_EXE="$work/app/TOLLWICK.EXE"
printf '[PhoneNumbers]\nAnn,555 0123 #9,0\n' >"$work/contacts.txt"

dial_ann() {
  focus_list
  xdotool type --delay 80 "555-0123#9"
  xdotool key Return
}

start_tollwick
wait_main_window
dial_ann
for _ in $(seq 100); do [ -s "$work/xdg-open.log" ] && break; sleep 0.1; done
sleep 1  # room for a second, unwanted URI
[ "$(cat "$work/xdg-open.log" 2>/dev/null)" = "tel:555-0123%239" ] ||
  fail "xdg-open got '$(cat "$work/xdg-open.log" 2>/dev/null)', not one tel:555-0123%239"

"$WINE_RUN" reg delete 'HKCR\tel' /f >/dev/null 2>&1
dial_ann
wait_window "HEY!" >/dev/null
expected=$'Please go to Phone Dialer (Start->Programs->Accessories),\nthen Tools->ConnectUsing and check\n\'Use Phone Dialer to handle voice call requests from other programs.'
text="$("$WINE_RUN" "$MESSAGE_BOX_TEXT" 'HEY!')" || fail "no text in the HEY! box"
[ "$text" = "$expected" ] || fail "the HEY! box says '$text'"
xdotool key Return
sleep 0.5
xdotool key Escape Escape
wait_exit
[ "$(wc -l <"$work/xdg-open.log")" = 1 ] || fail "xdg-open ran again without a handler"
