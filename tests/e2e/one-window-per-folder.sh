#!/usr/bin/env bash
# One Tollwick per contacts file: a second start in the folder leaves the one
# window and ends by itself, and a contact added in that window reaches the
# file; a start in another folder opens a window of its own.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
printf '[PhoneNumbers]\r\nAnn, 555 1234, 2\r\n' >"$work/contacts.txt"
start_tollwick
wait_main_window
first="$app_pid"
(cd "$work" && exec "$WINE_RUN" "$TOLLWICK_EXE" >/dev/null 2>&1) &
second=$!
ends_by_itself "$second" || { kill "$second"; fail "the second start in the folder did not end"; }
[ "$(main_windows)" = 1 ] || fail "$(main_windows) windows on one contacts file"

focus_list
xdotool type --delay 60 "5550177"
click_new
wait_window 'Update contact' >/dev/null
xdotool type --delay 60 "Zoe"
xdotool key Return
sleep 0.5
click_exit
wait_exit
printf '[PhoneNumbers]\r\nAnn, 555 1234, 2\r\nZoe, 5550177, 0\r\n' >"$work/expected.txt"
tail -c +"$(($(grep -bo '\[PhoneNumbers\]' "$work/contacts.txt" | cut -d: -f1) + 1))" "$work/contacts.txt" >"$work/records.txt"
cmp "$work/records.txt" "$work/expected.txt" || { cat -A "$work/records.txt" >&2; fail "contacts.txt records differ"; }

# Another folder, another window.
mkdir "$work/other"
cp "$work/expected.txt" "$work/other/contacts.txt"
start_tollwick
wait_main_window
(cd "$work/other" && exec "$WINE_RUN" "$TOLLWICK_EXE" >/dev/null 2>&1) &
other=$!
for _ in $(seq 100); do [ "$(main_windows)" = 2 ] && break; sleep 0.1; done
[ "$(main_windows)" = 2 ] || { kill "$other"; fail "a start in another folder opened no window of its own"; }
# Both sit centred on the screen: the click reaches the one on top.
for left in 1 0; do
  window="$(xdotool search --name '^Tollwick v1.3$' | head -1)"
  click_exit
  for _ in $(seq 50); do [ "$(main_windows)" = "$left" ] && break; sleep 0.1; done
done
wait_exit
ends_by_itself "$other" || { kill "$other"; fail "the other folder's Tollwick did not end"; }
