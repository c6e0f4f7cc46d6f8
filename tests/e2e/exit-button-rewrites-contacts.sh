#!/usr/bin/env bash
# Contacts read at start come back in the canonical layout when Exit is clicked.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
cp "$here/input-three.txt" "$work/contacts.txt"
start_tollwick
wait_main_window
focus_list
click_exit
wait_exit
expect_contacts_file "$here/expected/three.txt"
