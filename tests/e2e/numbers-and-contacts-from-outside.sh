#!/usr/bin/env bash
# Started with a tel: link, Tollwick shows its number, not dialled; started
# again in the folder with a vCard file, it hands the file to the running
# window, which imports it, says how it went and saves at once.
# The test runner also passes MESSAGE_BOX_TEXT.
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.sh"
: "${MESSAGE_BOX_TEXT:?}"
printf '[PhoneNumbers]\r\nAnn, 555 1234, 2\r\n' >"$work/contacts.txt"
start_tollwick "tel:+1-201-555-0123;ext=7"
wait_main_window
sleep 0.5
display_shows "+1-201-555-0123" || fail "the display does not show +1-201-555-0123"
sleep 1
xdotool search --name '^Hey\.\.\.$' >/dev/null 2>&1 && fail "the number was dialled"

printf 'BEGIN:VCARD\r\nVERSION:2.1\r\nN:Lee;Ann;;;\r\nTEL;CELL:+44 20 7946 0018\r\nTEL;HOME:555-1234\r\nEND:VCARD\r\n' >"$work/phone.vcf"
(cd "$work" && exec "$WINE_RUN" "$TOLLWICK_EXE" phone.vcf >/dev/null 2>&1) &
second=$!
ends_by_itself "$second" || { kill "$second"; fail "the second start did not end"; }
wait_window INFO >/dev/null
text="$("$WINE_RUN" "$MESSAGE_BOX_TEXT" INFO)" || fail "no text in the INFO box"
[ "$text" = $'1 contact added.\n1 was already in the list.' ] || fail "the INFO box says '$text'"
grep -q 'Ann Lee (cell), +44 20 7946 0018, 0' "$work/contacts.txt" || fail "the import was not saved at once"
xdotool key Return
[ "$(main_windows)" = 1 ] || fail "$(main_windows) windows"
sleep 2.5  # the box leaves the screen
click_exit
wait_exit
printf '[PhoneNumbers]\r\nAnn, 555 1234, 2\r\nAnn Lee (cell), +44 20 7946 0018, 0\r\n' >"$work/expected.txt"
tail -c +"$(($(grep -bo '\[PhoneNumbers\]' "$work/contacts.txt" | cut -d: -f1) + 1))" "$work/contacts.txt" >"$work/records.txt"
cmp "$work/records.txt" "$work/expected.txt" || { cat -A "$work/records.txt" >&2; fail "contacts.txt records differ"; }
