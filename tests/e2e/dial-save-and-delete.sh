#!/usr/bin/env bash
# A session with the stand-in TAPI32.DLL and Phone Dialer: a double-click
# dials a stored contact and the Phone Dialer is closed once its "Dialing"
# window has gone; an unknown number typed and dialled with Enter is saved
# from the unknown-number dialog; a selected contact is deleted; on exit the
# file holds the counts and the changes.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
: "${DIALER_STANDIN:?}"
use_tapi_standin
printf '[PhoneNumbers]\r\nAnn, 555 1234, 5\r\nBob, 777 00, 2\r\n' >"$work/contacts.txt"

# Its "Dialing" window closes 3 s after it opened: after the first look,
# before the first tick of the watch.
("$WINE_RUN" "$DIALER_STANDIN" "$("$WINE_RUN" winepath -w "$work/dialer.log" 2>/dev/null)" 3000 >/dev/null 2>&1 &)
wait_window Dialing >/dev/null
start_tollwick
wait_main_window
sleep 0.5
double_click_client "$window" "$row_x" "$row0_y"  # Ann, most called
for _ in $(seq 100); do grep -q quit "$work/dialer.log" 2>/dev/null && break; sleep 0.1; done
events="$(cut -d' ' -f3 "$work/dialer.log" | tr '\n' ' ')"
[ "$events" = "ready dialing-closed quit " ] || fail "the Phone Dialer saw: $events"

focus_list
xdotool type --delay 60 "321"
xdotool key Return
unknown="$(wait_window 'Hey...')"
xdotool type --delay 60 "Zed"
xdotool key alt+s
sleep 3  # the request's wait before it looks for the Phone Dialer
still_open || fail "the window closed"

click_client "$window" "$row_x" "$((row0_y + row_height))"  # Bob, between Ann and Zed
sleep 0.3
click_delete
sleep 0.3
click_exit
wait_exit
[ "$(cat "$work/requests.txt")" = "$(printf '555 1234\tTollwick!\tAnn\tNo comment...\n321\tTollwick!\tNoName\tNo comment...')" ] ||
  fail "requests: $(cat "$work/requests.txt")"
printf '[PhoneNumbers]\r\nAnn, 555 1234, 6\r\nZed, 321, 1\r\n' >"$work/expected.txt"
tail -c +"$(($(grep -bo '\[PhoneNumbers\]' "$work/contacts.txt" | cut -d: -f1) + 1))" "$work/contacts.txt" >"$work/records.txt"
cmp "$work/records.txt" "$work/expected.txt" || { cat -A "$work/records.txt" >&2; fail "contacts.txt records differ"; }
