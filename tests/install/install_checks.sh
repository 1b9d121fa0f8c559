#!/usr/bin/env bash
# install_checks.sh CHECK: one check of the installation, run by CTest (see
# CMakeLists.txt beside this file). The environment names the tools (CMAKE,
# CPACK), the build (BUILD_DIR, SOURCE_DIR), the staging folder and prefix (STAGE, PREFIX),
# the list of expected files (EXPECTED, where @LIBRARY_DIR@ stands for the
# program's library folder under the prefix, LIBRARY_DIR) and the facts the build states
# (APP_ID, VERSION, RELEASE_DATE, ORGANISATION).
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

root="$STAGE$PREFIX"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# The expected files under the prefix, one a line, sorted.
expected_files() { sed "s|@LIBRARY_DIR@|$LIBRARY_DIR|; s|^|${PREFIX#/}/|" "$EXPECTED" | LC_ALL=C sort; }

# A staged install holds exactly the expected files with Debian's modes, and
# the data it installs are the project's own.
staged_files() {
  rm -rf "$STAGE"
  # A group-writable umask must not leak into the installed modes.
  (umask 002 && DESTDIR="$STAGE" "$CMAKE" --install "$BUILD_DIR" --prefix "$PREFIX" >/dev/null)
  diff -u <(expected_files) <(cd "$STAGE" && find . ! -type d -printf '%P\n' | LC_ALL=C sort) \
    || fail "the staged install is not the list in expected-files.txt (- expected, + installed)"
  local odd
  odd=$(find "$STAGE" -mindepth 1 \( -type d ! -perm 0755 \) -o \( -type f -path "*/bin/*" ! -perm 0755 \) \
    -o \( -type f ! -path "*/bin/*" ! -perm 0644 \) -printf '%m %P\n')
  [ -z "$odd" ] || fail "modes other than 755 for folders and programs, 644 for files: $odd"
  local cue
  for cue in "$SOURCE_DIR"/resources/sounds/*.wav; do
    cmp -s "$cue" "$root/share/tablicznik/$(basename "$cue")" || fail "$(basename "$cue") is not the project's cue"
  done
  cmp -s "$SOURCE_DIR/resources/icons/scalable.svg" "$root/share/icons/hicolor/scalable/apps/$APP_ID.svg" \
    || fail "the scalable icon is not the generated one"
  # Both manual pages describe the options, the keys and the zoom, with its levels.
  local page section
  for page in "man/man1/tablicznik.1.gz OPTIONS KEYS ZOOM" "man/pl/man1/tablicznik.1.gz OPCJE KLAWISZE POWIĘKSZENIE"; do
    set -- $page
    local text
    text=$(gzip -dc "$root/share/$1")
    shift
    for section in "$@"; do
      grep -qx ".SH $section" <<<"$text" || fail "$page: no section $section"
    done
    grep -q "100, 125, 150," <<<"$text" || fail "$page: the zoom levels are not listed"
  done
  echo "staged install: $(expected_files | wc -l) files as expected"
}

# desktop-file-validate passes the entry (hints are allowed, except the one
# of a second main category, which lists the program twice in some menus),
# and the entry names the installed program and icons.
desktop_entry() {
  local entry="$root/share/applications/$APP_ID.desktop" out
  out=$(desktop-file-validate "$entry" 2>&1) || { echo "$out"; fail "desktop-file-validate failed"; }
  [ -z "$out" ] || echo "$out"
  ! grep -qE ': (error|warning):' <<<"$out" || fail "desktop-file-validate reports errors or warnings"
  ! grep -q 'more than one main category' <<<"$out" || fail "more than one main category"
  key() { sed -n "s/^$1=//p" "$entry"; }
  [ "$(key Exec)" = tablicznik ] || fail "Exec is '$(key Exec)'"
  [ -x "$root/bin/$(key Exec)" ] || fail "Exec names no installed program"
  [ "$(key Icon)" = "$APP_ID" ] || fail "Icon is '$(key Icon)'"
  [ "$(key Categories)" = "Education;Chemistry;" ] || fail "Categories are '$(key Categories)'"
  local name
  for name in Name 'Name\[pl\]' GenericName 'GenericName\[pl\]' Comment 'Comment\[pl\]' Keywords 'Keywords\[pl\]'; do
    [ -n "$(key "$name")" ] || fail "no $name"
  done
  local size
  for size in 16 32 48 64 128 256; do
    [ -f "$root/share/icons/hicolor/${size}x${size}/apps/$(key Icon).png" ] || fail "no ${size}x${size} icon"
  done
  [ -f "$root/share/icons/hicolor/scalable/apps/$(key Icon).svg" ] || fail "no scalable icon"
  echo "desktop entry: valid, program and icons installed"
}

# appstreamcli validates the metadata without errors or warnings.
validate_metainfo() {
  local out
  out=$(appstreamcli validate --no-net "$1" 2>&1) || { echo "$out"; fail "appstreamcli rejects $1"; }
  echo "$out"
  ! grep -qE '^[EW]:' <<<"$out" || fail "appstreamcli reports errors or warnings for $1"
}

# The installed metadata validates and points at the installed entry and
# program; with a web folder for the screenshots, the metadata lists every
# picture of the README and still validates.
metainfo() {
  local xml="$root/share/metainfo/$APP_ID.metainfo.xml"
  validate_metainfo "$xml"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$xml" || fail "no launchable"
  [ -f "$root/share/applications/$APP_ID.desktop" ] || fail "the launchable's desktop entry is not installed"
  grep -q "<binary>tablicznik</binary>" "$xml" || fail "no provided binary"
  grep -q "<release version=\"$VERSION\" date=\"$RELEASE_DATE\"/>" "$xml" || fail "no release $VERSION"

  local tmp=$WORK
  # A reserved name that no web site can have (RFC 2606): only the form is checked.
  "$CMAKE" -DTEMPLATE="$SOURCE_DIR/dist/app.metainfo.xml.in" -DOUTPUT="$tmp/$APP_ID.metainfo.xml" \
    -DSCREENSHOT_URL=https://screenshots.invalid/docs -DTABLICZNIK_APP_ID="$APP_ID" \
    -DPROJECT_VERSION="$VERSION" -DTABLICZNIK_RELEASE_DATE="$RELEASE_DATE" -P "$SOURCE_DIR/dist/metainfo.cmake"
  validate_metainfo "$tmp/$APP_ID.metainfo.xml"
  diff -u <(grep -o 'docs/[A-Za-z0-9_-]*\.png' "$SOURCE_DIR/README.md" | sort -u) \
    <(grep -o 'docs/[A-Za-z0-9_-]*\.png' "$tmp/$APP_ID.metainfo.xml" | sort -u) \
    || fail "the screenshots are not the README's pictures (- README, + metadata)"
  grep -c '<screenshot type="default">' "$tmp/$APP_ID.metainfo.xml" | grep -qx 1 || fail "not one default screenshot"
}

# CPack builds the package: the computed and the declared dependencies,
# nothing run at install time, exactly the expected files under /usr, a
# stripped program, the same bytes when packed again, and no lintian errors.
package() {
  local out=$WORK
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$RELEASE_DATE" +%s)}
  local arch deb
  arch=$(dpkg --print-architecture)
  deb="tablicznik_${VERSION}_${arch}.deb"
  local pass
  for pass in first again; do
    (cd "$BUILD_DIR" && "$CPACK" -G DEB -B "$out/$pass") >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack failed"; }
    [ -f "$out/$pass/$deb" ] || fail "no $deb"
  done
  cmp "$out/first/$deb" "$out/again/$deb" || fail "packing twice gives different packages"
  deb="$out/first/$deb"

  field() { dpkg-deb -f "$deb" "$1"; }
  [ "$(field Package)" = tablicznik ] || fail "Package is '$(field Package)'"
  [ "$(field Version)" = "$VERSION" ] || fail "Version is '$(field Version)'"
  [ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
  [ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
  [[ "$(field Maintainer)" == "Tablicznik project <"*">" ]] || fail "Maintainer is '$(field Maintainer)'"
  local depends dependency
  depends=$(field Depends)
  for dependency in fonts-liberation2 fonts-dejavu-core qt6-translations-l10n libqt6widgets6 \
      libqt6multimedia6 libc6; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
  done
  # Public Qt interfaces only: the package takes any Qt 6 update.
  ! grep -q "qt6-base-abi" <<<"$depends" || fail "Depends ties the package to one Qt build: $depends"
  [ "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | LC_ALL=C sort | tr '\n' ' ')" = "./control ./md5sums " ] \
    || fail "the control archive holds more than control and md5sums"
  diff -u <(PREFIX=/usr expected_files) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort) \
    || fail "the package's files are not the list in expected-files.txt (- expected, + packed)"
  dpkg-deb -x "$deb" "$out/root"
  file "$out/root/usr/bin/tablicznik" | grep -q ', stripped' || fail "the program is not stripped"

  local report status=0
  report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
  report=$(grep -v 'running with root privileges' <<<"$report" || true)
  [ "$status" = 0 ] || { echo "$report"; fail "lintian reports errors"; }
  echo "package: $(basename "$deb"), lintian: ${report:-no tags}"
}

# Starts PROGRAM from / with HOME as a fresh home and the offscreen platform,
# shows its output, and stops it at the first line that decides: `decide`
# gets each line and answers 0 (the check passed), 1 (it failed) or 2 (read
# on). A program that falls silent for a minute fails.
watch_program() {
  local home=$1 program=$2 decide=$3 line verdict=1
  mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
  chmod 700 "$home/runtime"
  coproc RUN (cd / && exec env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$home" XDG_CONFIG_HOME="$home/config" \
    XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen QT_FORCE_STDERR_LOGGING=1 QT_LOGGING_RULES='tablicznik.*.debug=true' \
    timeout 90 "$program" 2>&1)
  local pid=$RUN_PID
  while IFS= read -r -t 60 line <&"${RUN[0]}"; do
    echo "  | $line"
    verdict=0
    "$decide" "$line" || verdict=$?
    [ "$verdict" = 2 ] || break
    verdict=1
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  return "$verdict"
}

# The staged program, started from / as the installed one is, with a fresh
# home: finds its cues in its data folder; opens the first-run window when
# the home has no settings; without the data folder looks in the three
# places in order and runs on silently.
installed_program() {
  local tmp=$WORK
  local program="$root/bin/tablicznik" data
  data=$(realpath "$root/share/tablicznik")

  cues_from_data() {
    case $1 in
      *"first run"*) return 1 ;;
      "tablicznik.cues: cue "*" found in $data") return 0 ;;
      "tablicznik.cues: "*) return 1 ;;
    esac
    return 2
  }
  mkdir -p "$tmp/seen/config/$ORGANISATION"
  printf '[2.00]\nShowed=1\n' >"$tmp/seen/config/$ORGANISATION/Tablicznik.conf"
  echo "A user who has seen the first-run window:"
  watch_program "$tmp/seen" "$program" cues_from_data || fail "the cues were not found in $data"

  first_run() {
    case $1 in
      "tablicznik.settings: first run: the about window opens") return 0 ;;
      "tablicznik.cues: "*) return 1 ;; # the main window came first
    esac
    return 2
  }
  echo "A new user:"
  watch_program "$tmp/new" "$program" first_run || fail "no first-run window for a new user"
  # Ended by SIGTERM while the first-run window is up, the program closes
  # it through its closing steps: the marker may already say it was seen.
  grep -qxE 'Showed=[01]' "$tmp/new/config/$ORGANISATION/Tablicznik.conf" \
    || fail "the new user's settings are not in the fresh home's configuration folder"

  mkdir -p "$tmp/alone/bin" "$tmp/alone/$LIBRARY_DIR"
  cp "$program" "$tmp/alone/bin/"
  cp "$root/$LIBRARY_DIR/libtablicznik-sound.so" "$tmp/alone/$LIBRARY_DIR/"
  local alone
  alone=$(realpath "$tmp/alone")
  not_found() {
    case $1 in
      "tablicznik.cues: cue KTXbutton.wav not found in /, $alone/bin, $alone/share/tablicznik") return 0 ;;
      "tablicznik.cues: "*) return 1 ;;
    esac
    return 2
  }
  echo "The program without its data folder:"
  watch_program "$tmp/seen" "$tmp/alone/bin/tablicznik" not_found || fail "the lookup without cues went wrong"

  rm "$tmp/alone/$LIBRARY_DIR/libtablicznik-sound.so"
  no_library() {
    case $1 in
      "tablicznik.cues: no sound library, the cues are silent: "*) return 0 ;;
      "tablicznik.cues: "*) return 1 ;;
    esac
    return 2
  }
  echo "The program without its sound library:"
  watch_program "$tmp/seen" "$tmp/alone/bin/tablicznik" no_library || fail "the program without its sound library went wrong"
}

case ${1:-} in
  staged_files | desktop_entry | metainfo | package | installed_program) "$1" ;;
  *) fail "usage: install_checks.sh staged_files|desktop_entry|metainfo|package|installed_program" ;;
esac
