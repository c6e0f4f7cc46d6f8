# Sourced by the scripts that run a build under Wine outside the tests:
#   wine_build TARGET...   builds those targets of the shipped 32-bit build
#                          where 32-bit Wine runs here, else of the x86_64
#                          build, says which, and sets build and WINEARCH.
# TOLLWICK_WINE_BUILD=win64 (or win32) chooses the build instead.
wine_build() {
  local arch="${TOLLWICK_WINE_BUILD:-}" what
  if [ -z "$arch" ]; then
    arch=win64
    "$root/tests/wine/can-run-32bit" --wine >/dev/null && arch=win32
  fi
  case "$arch" in
    win32) what="the shipped 32-bit build" ;;
    win64) what="the x86_64 build" ;;
    *) echo "TOLLWICK_WINE_BUILD is win32 or win64, not $arch" >&2; return 2 ;;
  esac
  "$root/scripts/build" "$arch" -- "$@" >/dev/null
  build="$root/build/$arch"
  export WINEARCH="$arch"
  echo "Running $what: $build/app/TOLLWICK.EXE"
}
