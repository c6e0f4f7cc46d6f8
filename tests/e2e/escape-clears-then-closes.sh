#!/usr/bin/env bash
# Digits typed while the list has the focus make a dial number, so the first
# Escape only clears it; the second closes the window and saves.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
cp "$here/input-three.txt" "$work/contacts.txt"
start_tollwick
wait_main_window
focus_list
xdotool type --delay 80 "555 1234"
sleep 0.5
xdotool key Escape
sleep 1.5
still_open || fail "the first Escape closed the window: typed digits did not reach the dial number"
xdotool key Escape
wait_exit
expect_contacts_file "$here/expected/three.txt"
