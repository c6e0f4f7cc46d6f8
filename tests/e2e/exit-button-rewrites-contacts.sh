#!/usr/bin/env bash
# The window shows its face, and the contacts read at start come back in the
# canonical layout when Exit is clicked.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
cp "$here/input-three.txt" "$work/contacts.txt"
start_tollwick
wait_main_window
sleep 1
# The phone's screen and body show through from the background picture.
for spot in "60 90" "10 200" "300 10"; do
  set -- $spot
  [ "$(window_pixel "$1" "$2")" = "$(picture_pixel IDB_BACK "$1" "$2")" ] ||
    fail "pixel ($1, $2) is $(window_pixel "$1" "$2"), the picture has $(picture_pixel IDB_BACK "$1" "$2")"
done
focus_list
click_exit
wait_exit
expect_contacts_file "$here/expected/three.txt"
