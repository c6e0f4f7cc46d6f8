# Sourced by the scripts that run a build under Wine outside the tests:
#   wine_build TARGET...   builds those targets of the shipped 32-bit build
#                          where 32-bit Wine runs here, else of the x86_64
#                          build, says which, and sets build and WINEARCH.
wine_build() {
  local arch=win64 what="the x86_64 build (32-bit Wine cannot run here)"
  if "$root/tests/wine/can-run-32bit" --wine >/dev/null; then
    arch=win32 what="the shipped 32-bit build"
  fi
  "$root/scripts/build" "$arch" -- "$@" >/dev/null
  build="$root/build/$arch"
  export WINEARCH="$arch"
  echo "Running $what: $build/app/TOLLWICK.EXE"
}
