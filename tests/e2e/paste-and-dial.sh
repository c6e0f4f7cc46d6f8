#!/usr/bin/env bash
# A number copied in another program: Ctrl+V puts it on the display without
# the text around it, and Enter dials it through the stand-in TAPI32.DLL.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
use_tapi_standin
printf '[PhoneNumbers]\r\nAnn, +1 (201) 555-0123, 5\r\n' >"$work/contacts.txt"
start_tollwick
wait_main_window
sleep 0.5
# xclip serves the X clipboard, which Wine keeps in step with Windows', until
# it ends; in the foreground of its own, so that it holds no pipe of ours.
printf 'Call Ann today! Tel.: +1 (201) 555-0123 ext. 7' >"$work/copied.txt"
xclip -quiet -selection clipboard "$work/copied.txt" >/dev/null 2>&1 &
clip=$!
trap 'kill "$clip" 2>/dev/null || true; cleanup' EXIT
sleep 0.3
focus_list
xdotool key ctrl+v
sleep 0.5
display_shows "+1 (201) 555-0123" || fail "the display does not show the pasted number"
xdotool key Return
for _ in $(seq 50); do [ -s "$work/requests.txt" ] && break; sleep 0.1; done
[ "$(cat "$work/requests.txt")" = "$(printf '+1 (201) 555-0123\tTollwick!\tAnn\tNo comment...')" ] ||
  fail "requests: $(cat "$work/requests.txt" 2>/dev/null)"
sleep 2.5  # the request's wait before it looks for the Phone Dialer
click_exit
wait_exit
grep -q '^Ann, +1 (201) 555-0123, 6' "$work/contacts.txt" || fail "the call was not counted"
