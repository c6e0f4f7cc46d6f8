# Shared steps of the end-to-end tests: the real TOLLWICK.EXE under Wine, in
# a scratch folder, driven with xdotool on the test session's display.
# The test runner passes WINE_RUN, TOLLWICK_EXE and WINE_STATE.
set -euo pipefail
: "${WINE_RUN:?}" "${TOLLWICK_EXE:?}" "${WINE_STATE:?}"
DISPLAY="$(cat "$WINE_STATE/display")"
export DISPLAY
work="$(mktemp -d /tmp/tollwick-e2e-XXXXXX)"
app_pid=""
window=""

cleanup() {
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  import -window root "$work/../tollwick-e2e-failure.png" 2>/dev/null || true
  exit 1
}

# The Wine frame around the client area: 3 pixels left, 22 above.
frame_left=3
frame_top=22

# Waits for a top-level window with exactly this title; prints its id.
wait_window() {
  local id
  id="$(timeout 30 xdotool search --sync --name "^$1\$" | head -1)" || fail "no window '$1'"
  echo "$id"
}

# Starts Tollwick in the scratch folder, with any arguments given.
start_tollwick() {
  (cd "$work" && exec "$WINE_RUN" "$TOLLWICK_EXE" "$@" >/dev/null 2>&1) &
  app_pid=$!
}

wait_main_window() { window="$(wait_window 'Tollwick v1.3')"; }

# Clicks at coordinates relative to the window's outer frame, the way a hand
# would: move there, let the pointer settle, press and release.
click_frame() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.05
  xdotool mouseup 1
  sleep 0.3
}

# Clicks at client coordinates (x, y) of a window.
click_client() { click_frame "$1" $(($2 + frame_left)) $(($3 + frame_top)); }

# Gives the contact list the focus with a click into its empty area.
focus_list() { click_client "$window" 280 300; }

click_exit() { click_client "$window" 360 347; }

# The close box sits near the right end of the caption.
click_close_box() {
  local width
  width="$(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')"
  click_frame "$window" $((width - 14)) 11
}

# The colour of a pixel in the window's client area, as the screen shows it,
# and in one of the pictures under res/bitmaps; both as "r,g,b".
window_pixel() {
  import -window "$window" "$work/window.png"
  convert "$work/window.png" -format "%[fx:int(255*p{$(($1 + frame_left)),$(($2 + frame_top))}.r)],%[fx:int(255*p{$(($1 + frame_left)),$(($2 + frame_top))}.g)],%[fx:int(255*p{$(($1 + frame_left)),$(($2 + frame_top))}.b)]" info:
}
picture_pixel() {
  convert "$here/../../res/bitmaps/$1.bmp" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

still_open() { xdotool search --name '^Tollwick v1.3$' >/dev/null 2>&1; }

wait_exit() {
  for _ in $(seq 150); do
    kill -0 "$app_pid" 2>/dev/null || { app_pid=""; return 0; }
    sleep 0.1
  done
  fail "Tollwick did not end"
}

expect_contacts_file() {
  cmp "$work/contacts.txt" "$1" || {
    od -c "$work/contacts.txt" | tail -20 >&2
    fail "contacts.txt differs from $1"
  }
}

# True when the display's 28 cells show NUMBER (at most 28 characters,
# right-aligned) in the glyphs of the numbers strip.
display_shows() {
  local number="$1" glyphs="0123456789#*-()" position char index source x y
  import -window "$window" "$work/display.png"
  for position in $(seq 1 28); do
    index=$((position - 29 + ${#number}))
    char=" "
    [ "$index" -ge 0 ] && char="${number:$index:1}"
    source=121
    case "$glyphs" in *"$char"*) [ "$char" != " " ] && { local prefix="${glyphs%%"$char"*}"; source=$((1 + 8 * ${#prefix})); } ;; esac
    if [ "$position" -le 14 ]; then y=76; x=$((26 + 8 * (position - 1))); else y=101; x=$((26 + 8 * (position - 15))); fi
    convert "$work/display.png" -crop "7x24+$((x + frame_left))+$((y + frame_top))" +repage "$work/cell.png"
    convert "$here/../../res/bitmaps/IDB_BITMAP_NUMBERS.bmp" -crop "7x24+$source+1" +repage "$work/glyph.png"
    [ "$(compare -metric AE "$work/cell.png" "$work/glyph.png" null: 2>&1)" = "0" ] || { echo "cell $position ($char) differs" >&2; return 1; }
  done
}

# The contact list's rows, in client coordinates: the first row's middle and
# the pitch from row to row.
row_x=200
row0_y=51
row_height=17
double_click_client() {
  xdotool mousemove --window "$1" $(($2 + frame_left)) $(($3 + frame_top))
  sleep 0.3
  xdotool click --repeat 2 --delay 80 1
  sleep 0.3
}
click_delete() { click_client "$window" 306 347; }
click_new() { click_client "$window" 198 347; }

# Waits for a process to end by itself; false after 15 seconds.
ends_by_itself() {
  for _ in $(seq 150); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

main_windows() { xdotool search --name '^Tollwick v1.3$' 2>/dev/null | wc -l; }

# The program and the stand-in TAPI32.DLL side by side in the scratch folder,
# the DLL taken over Wine's; the requests it gets go to requests.txt.
use_tapi_standin() {
  : "${TAPI_STANDIN:?}"
  cp "$TOLLWICK_EXE" "$TAPI_STANDIN" "$work/"
  TOLLWICK_EXE="$work/$(basename "$TOLLWICK_EXE")"
  export WINEDLLOVERRIDES=tapi32=n TOLLWICK_TAPI_LOG="$("$WINE_RUN" winepath -w "$work/requests.txt" 2>/dev/null)"
}
