#!/usr/bin/env bash
# A number typed while the list has the focus, letters and spaces included,
# shows on the display in glyphs; the first Escape only clears it, the second
# closes the window and saves.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
cp "$here/input-three.txt" "$work/contacts.txt"
start_tollwick
wait_main_window
focus_list
xdotool type --delay 80 "1-800 flowers"
sleep 0.5
display_shows "1-8003569377" || fail "the display does not show 1-8003569377"
xdotool key Escape
sleep 1.5
still_open || fail "the first Escape closed the window: typed digits did not reach the dial number"
xdotool key Escape
wait_exit
expect_contacts_file "$here/expected/three.txt"
