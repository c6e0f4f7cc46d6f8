#!/usr/bin/env bash
# Two Tollwicks on one contacts file, as two machines on a network share: a
# second Wine prefix has a wineserver of its own, so neither sees the other's
# one-per-folder object. Each dials and adds; the one that saves last merges
# in what the other wrote, and after both close the file holds all of it.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
use_tapi_standin
printf '[PhoneNumbers]\r\nAnn, 555 1234, 2\r\nBob, 777 00, 5\r\n' >"$work/contacts.txt"
second_state="$WINE_STATE-second"
"$here/../wine/wine-prefix" "$second_state"
second_wine() {
  (cd "$work" && WINEPREFIX="$second_state/prefix" WINEDEBUG=-all exec "$("$here/../wine/wine-loader")" "$TOLLWICK_EXE" >/dev/null 2>&1) &
}

# Types a number into the window on top and dials it; an unknown one is saved
# under `name` from the unknown-number dialog.
dial() {
  focus_list
  xdotool type --delay 60 "$1"
  xdotool key Return
  if [ -n "${2:-}" ]; then
    wait_window 'Hey...' >/dev/null
    xdotool type --delay 60 "$2"
    xdotool key alt+s
  fi
  sleep 2.5  # the request's wait before it looks for the Phone Dialer
}

TOLLWICK_EXE="$TOLLWICK_EXE" start_tollwick
first="$app_pid"
wait_main_window
sleep 0.5
dial 5551234
second_wine
second=$!
for _ in $(seq 100); do [ "$(main_windows)" = 2 ] && break; sleep 0.1; done
[ "$(main_windows)" = 2 ] || fail "the second machine's Tollwick opened no window"
window="$(xdotool search --name '^Tollwick v1.3$' | tail -1)"
sleep 0.5
dial 77700
dial 654 Yan
click_exit
ends_by_itself "$second" || { kill "$second"; fail "the second machine's Tollwick did not end"; }
# Until its wineserver has gone, the other machine's windows may still be
# going away, and a search for this machine's windows can trip over them.
WINEPREFIX="$second_state/prefix" /usr/lib/wine/wineserver -w
window="$(xdotool search --name '^Tollwick v1.3$' | head -1)"
dial 321 Zed
click_exit
app_pid="$first"
wait_exit
printf '[PhoneNumbers]\r\nAnn, 555 1234, 3\r\nBob, 777 00, 6\r\nYan, 654, 1\r\nZed, 321, 1\r\n' >"$work/expected.txt"
tail -c +"$(($(grep -bo '\[PhoneNumbers\]' "$work/contacts.txt" | cut -d: -f1) + 1))" "$work/contacts.txt" >"$work/records.txt"
cmp "$work/records.txt" "$work/expected.txt" || { cat -A "$work/records.txt" >&2; fail "contacts.txt records differ"; }
[ ! -e "$work/contacts.txt.lock" ] || fail "a lock file was left behind"
