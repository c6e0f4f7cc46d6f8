#!/usr/bin/env bash
# A log-off in miniature: Wine tells every window of the prefix that the
# session ends, then ends the programs without destroying their windows. The
# contacts of the run are saved all the same.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
cp "$here/input-three.txt" "$work/contacts.txt"
start_tollwick
wait_main_window
sleep 0.5
"$WINE_RUN" wineboot --end-session >/dev/null 2>&1
wait_exit
expect_contacts_file "$here/expected/three.txt"
