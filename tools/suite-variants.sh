#!/usr/bin/env bash
# Runs the normal test suite (tools/run-suite.sh) in BUILD-DIR (default
# build/) once under each of the machine differences a distribution's build
# machines bring, one after another, and prints how long each took:
#   fonts   more fonts and fontconfig rules: fonts-urw-base35 and
#           fonts-noto-core, unpacked into BUILD-DIR/suite-variants/ and
#           added through a fontconfig file of their own, so the machine's
#           fonts stay as they are and no root is needed
#   polish  LANG=pl_PL.UTF-8 and TZ=Pacific/Kiritimati (UTC+14, where the
#           date is a day ahead of Europe's most of the day); the locale is
#           made for this run alone (LOCPATH), not for the machine's users
#   load    two processes that keep a core each busy beside the suite
# usage: tools/suite-variants.sh [BUILD-DIR] [VARIANT...]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
shift || true
VARIANTS=("$@")
[ ${#VARIANTS[@]} -gt 0 ] || VARIANTS=(fonts polish load)
WORK=$BUILD/suite-variants
mkdir -p "$WORK"

cmake --build "$BUILD" -j "$(nproc)" >/dev/null

fonts() {
  local root=$WORK/fonts
  if [ ! -f "$root/fonts.conf" ]; then
    rm -rf "$root" && mkdir -p "$root/debs"
    (cd "$root/debs" && apt-get download fonts-urw-base35 fonts-noto-core >/dev/null)
    for deb in "$root"/debs/*.deb; do dpkg-deb -x "$deb" "$root/tree"; done
    {
      echo '<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
      echo '  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
      echo "  <dir>$root/tree/usr/share/fonts</dir>"
      find "$root/tree" -path '*conf.avail/*.conf' | sort | sed 's|.*|  <include>&</include>|'
      echo "  <cachedir>$root/cache</cachedir>"
      echo '</fontconfig>'
    } >"$root/fonts.conf"
  fi
  FONTCONFIG_FILE=$root/fonts.conf "$ROOT/tools/run-suite.sh" "$BUILD"
}

polish() {
  local locales=$WORK/locales
  if [ ! -d "$locales/pl_PL.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i pl_PL -f UTF-8 "$locales/pl_PL.UTF-8"
    localedef -i C -f UTF-8 "$locales/C.UTF-8" # the tests' own locale, which LOCPATH hides otherwise
  fi
  LOCPATH=$locales LANG=pl_PL.UTF-8 LC_ALL= TZ=Pacific/Kiritimati "$ROOT/tools/run-suite.sh" "$BUILD"
}

HOGS=()
trap '[ ${#HOGS[@]} -eq 0 ] || kill "${HOGS[@]}" 2>/dev/null' EXIT
load() {
  for _ in 1 2; do
    sh -c 'while :; do :; done' &
    HOGS+=($!)
  done
  local result=0
  "$ROOT/tools/run-suite.sh" "$BUILD" || result=$?
  kill "${HOGS[@]}" && wait "${HOGS[@]}" 2>/dev/null || true
  HOGS=()
  return $result
}

status=0
summary=()
for variant in "${VARIANTS[@]}"; do
  echo "=== suite variant: $variant (load before: $(cut -d' ' -f1 /proc/loadavg))"
  start=$(date +%s)
  if "$variant"; then result=passed; else result=FAILED; status=1; fi
  summary+=("$variant: $result in $(($(date +%s) - start)) s")
done
printf '%s\n' "${summary[@]}"
exit $status
