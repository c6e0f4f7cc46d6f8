#!/usr/bin/env bash
# A first run, by keyboard and mouse: without contacts.txt the program says
# so; the window shows its face; a number typed while the list has the focus,
# letters, spaces and a second display row included, shows on the display in
# glyphs; Escape only clears it; the close box closes the window and writes a
# new file holding the banner and the section header.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
start_tollwick
info="$(wait_window INFO)"
click_frame "$info" 40 8  # its caption: activates it
xdotool key Return
wait_main_window
sleep 1
# The phone's screen and body show through from the background picture.
for spot in "60 90" "10 200" "300 10"; do
  set -- $spot
  [ "$(window_pixel "$1" "$2")" = "$(picture_pixel IDB_BACK "$1" "$2")" ] ||
    fail "pixel ($1, $2) is $(window_pixel "$1" "$2"), the picture has $(picture_pixel IDB_BACK "$1" "$2")"
done
display_shows "" || fail "the display is not blank"
focus_list
xdotool type --delay 80 "#(555) 1-800 flowers"
sleep 0.5
display_shows "#(555)1-8003569377" || fail "the display does not show #(555)1-8003569377"
xdotool key Escape
sleep 1.5
still_open || fail "the first Escape closed the window: typed digits did not reach the dial number"
display_shows "" || fail "Escape did not clear the display"
click_close_box
wait_exit
expect_contacts_file "$here/expected/empty.txt"
