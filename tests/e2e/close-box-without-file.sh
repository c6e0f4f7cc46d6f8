#!/usr/bin/env bash
# Without contacts.txt the program says so, and closing it with the close box
# writes a new file holding the banner and the section header.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
start_tollwick
info="$(wait_window INFO)"
click_frame "$info" 40 8  # its caption: activates it
xdotool key Return
wait_main_window
focus_list
click_close_box
wait_exit
expect_contacts_file "$here/expected/empty.txt"
