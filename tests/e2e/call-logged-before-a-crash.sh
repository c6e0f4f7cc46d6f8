#!/usr/bin/env bash
# A call is in calls.txt the moment it is requested: the process killed right
# after the dial leaves its line whole.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
use_tapi_standin
printf '[PhoneNumbers]\r\nAnn, 555 1234, 5\r\n' >"$work/contacts.txt"
start_tollwick
wait_main_window
sleep 0.5
focus_list
xdotool type --delay 60 "5551234"
xdotool key Return
for _ in $(seq 50); do [ -s "$work/requests.txt" ] && break; sleep 0.1; done
[ -s "$work/requests.txt" ] || fail "no call was requested"
kill -9 "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""
grep -qP '^\d{4}-\d\d-\d\d \d\d:\d\d\t5551234\tAnn\t\r$' "$work/calls.txt" || fail "calls.txt: $(cat -A "$work/calls.txt" 2>/dev/null)"
