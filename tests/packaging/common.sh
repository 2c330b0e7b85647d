# Shared by the packaging tests: what an installation of Focimetra holds, and
# small checks on it. Sourced, not run.

readonly APP_ID=io.github.focimetra.Focimetra

# The files (not folders) an installation holds, relative to its prefix, sorted.
# $1: the source tree, whose LICENSE (when there is one) is installed too.
expected_files() {
  local source_dir=$1
  {
    echo "bin/focimetra"
    echo "share/applications/$APP_ID.desktop"
    echo "share/icons/hicolor/32x32/apps/$APP_ID.png"
    echo "share/icons/hicolor/64x64/apps/$APP_ID.png"
    echo "share/icons/hicolor/128x128/apps/$APP_ID.png"
    echo "share/icons/hicolor/scalable/apps/$APP_ID.svg"
    echo "share/metainfo/$APP_ID.metainfo.xml"
    echo "share/man/man1/focimetra.1.gz"
    echo "share/doc/focimetra/changelog.gz"
    if [[ -f "$source_dir/LICENSE" ]]; then echo "share/doc/focimetra/copyright"; fi
  } | LC_ALL=C sort
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

require_commands() {
  local command
  for command in "$@"; do
    command -v "$command" >/dev/null 2>&1 ||
      fail "'$command' is not installed (scripts/setup.sh installs what the tests need)"
  done
}

# Installing writes install_manifest.txt into the build folder; a test keeps the
# one a person may rely on for uninstalling. $1: build folder, $2: temp folder.
save_install_manifest() {
  if [[ -f "$1/install_manifest.txt" ]]; then cp -p "$1/install_manifest.txt" "$2/install_manifest.saved"; fi
}
restore_install_manifest() {
  if [[ -f "$2/install_manifest.saved" ]]; then
    cp -p "$2/install_manifest.saved" "$1/install_manifest.txt"
  else
    rm -f "$1/install_manifest.txt"
  fi
}

# Width and height of a PNG file, from its IHDR chunk, as "W H".
png_size() {
  local bytes
  bytes=$(od -An -tu1 -N24 "$1" | tr -s ' \n' ' ')
  read -r -a b <<<"$bytes"
  [[ ${#b[@]} -eq 24 && ${b[1]} -eq 80 && ${b[2]} -eq 78 && ${b[3]} -eq 71 ]] || fail "$1 is not a PNG file"
  echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19])) $(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_key() {
  awk -F= -v key="$2" '
    /^\[/ { in_entry = ($0 == "[Desktop Entry]") }
    in_entry && $1 == key { sub(/^[^=]*=/, ""); print; exit }' "$1"
}

# The releases of a Debian-format changelog, newest first, as "VERSION DATE"
# lines, the date as YYYY-MM-DD on the day the entry names.
changelog_releases() {
  local line version
  while IFS= read -r line; do
    if [[ "$line" =~ ^focimetra\ \(([^\)]+)\) ]]; then
      version=${BASH_REMATCH[1]}
    elif [[ "$line" =~ ^\ --\ .*\>\ \ [A-Z][a-z]{2},\ ([0-9]{1,2}\ [A-Z][a-z]{2}\ [0-9]{4})\  ]]; then
      echo "$version $(date -d "${BASH_REMATCH[1]}" +%F)"
    elif [[ "$line" == " -- "* ]]; then
      echo "$version (a sign-off line without a date)"
    fi
  done
}

# The releases of an AppStream metainfo file, in its order, as "VERSION DATE".
metainfo_releases() {
  local tag version date
  grep -o '<release [^>]*>' "$1" | while IFS= read -r tag; do
    version='(no version)' date='(no date)'
    if [[ "$tag" =~ \ version=\"([^\"]*)\" ]]; then version=${BASH_REMATCH[1]}; fi
    if [[ "$tag" =~ \ date=\"([^\"]*)\" ]]; then date=${BASH_REMATCH[1]}; fi
    echo "$version $date"
  done
}

# Checks one installation below PREFIX: exactly the expected files, each where
# it belongs and of its kind, the desktop entry and the metainfo valid and
# pointing at each other, the program, and the icons.
# $1: prefix, $2: source tree, $3: build folder, $4: version.
# The command line of the installed program, with no display to open a window on:
# --version and --help answer on standard output with status 0, an unknown
# option is refused in one line with status 1. $1: program, $2: version.
check_command_line() {
  local program=$1 version=$2 output status
  local -a no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20)
  output=$("${no_display[@]}" "$program" --version 2>&1) || fail "$program --version exits with status $?"
  [[ "$output" == "focimetra $version" ]] || fail "$program --version prints '$output'"
  output=$("${no_display[@]}" "$program" --help 2>&1) || fail "$program --help exits with status $?"
  local named
  for named in -platform -style -display QT_QPA_PLATFORM QT_SCALE_FACTOR; do
    grep -qe "$named" <<<"$output" || fail "$program --help does not name $named: $output"
  done
  output=$("${no_display[@]}" "$program" --bogus 2>&1) && status=0 || status=$?
  [[ $status -eq 1 && "$output" == "focimetra: Unknown option 'bogus'." ]] ||
    fail "$program --bogus exits with status $status, printing '$output'"
}

check_installation() {
  local prefix=$1 source_dir=$2 build_dir=$3 version=$4
  local actual expected
  actual=$(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
  expected=$(expected_files "$source_dir")
  if [[ "$actual" != "$expected" ]]; then
    echo "installed files differ from the expected ones (< expected, > installed):" >&2
    diff <(echo "$expected") <(echo "$actual") >&2 || true
    fail "unexpected installation under $prefix"
  fi

  # The program: an executable ELF file, with no run path into the build or source tree.
  local program=$prefix/bin/focimetra
  [[ -x "$program" ]] || fail "$program is not executable"
  [[ $(head -c4 "$program" | od -An -c | tr -d ' ') == '177ELF' ]] || fail "$program is not an ELF file"
  if readelf -d "$program" | grep -E 'R(UN)?PATH' | grep -qF -e "$build_dir" -e "$source_dir"; then
    fail "$program keeps a run path into the build or source tree"
  fi

  check_command_line "$program" "$version"

  # Data files are readable by all and not executable.
  local file mode
  while IFS= read -r file; do
    [[ "$file" == bin/* ]] && continue
    mode=$(stat -c %a "$prefix/$file")
    [[ "$mode" == 644 ]] || fail "$file has mode $mode, not 644"
  done <<<"$expected"

  # Icons: the bitmaps of the right size, the same pictures as the window's.
  local size
  for size in 32 64 128; do
    file=$prefix/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png
    [[ $(png_size "$file") == "$size $size" ]] || fail "$file is $(png_size "$file"), not ${size}x${size}"
    cmp -s "$file" "$source_dir/ui/assets/focimetra-$size.png" || fail "$file is not ui/assets/focimetra-$size.png"
  done
  file=$prefix/share/icons/hicolor/scalable/apps/$APP_ID.svg
  grep -q '<svg' "$file" || fail "$file is not an SVG picture"
  cmp -s "$file" "$source_dir/ui/assets/focimetra.svg" || fail "$file is not ui/assets/focimetra.svg"

  # The desktop entry: valid, starting the installed program, showing the installed icon.
  local desktop=$prefix/share/applications/$APP_ID.desktop
  desktop-file-validate "$desktop" || fail "$desktop does not validate"
  [[ $(desktop_key "$desktop" Exec) == focimetra ]] || fail "Exec in $desktop is not 'focimetra'"
  [[ $(desktop_key "$desktop" Icon) == "$APP_ID" ]] || fail "Icon in $desktop is not '$APP_ID'"
  [[ $(desktop_key "$desktop" Terminal) == false ]] || fail "Terminal in $desktop is not 'false'"
  [[ $(desktop_key "$desktop" Type) == Application ]] || fail "Type in $desktop is not 'Application'"
  [[ -n $(desktop_key "$desktop" StartupWMClass) ]] || fail "$desktop has no StartupWMClass"
  if grep -q '^DBusActivatable=' "$desktop"; then fail "$desktop is D-Bus activatable, but the program is not"; fi

  # The metainfo: valid together with the tree it is in, naming this version.
  local metainfo=$prefix/share/metainfo/$APP_ID.metainfo.xml
  grep -q "<id>$APP_ID</id>" "$metainfo" || fail "$metainfo does not have the id $APP_ID"
  grep -q "<launchable type=\"desktop-id\">$APP_ID.desktop</launchable>" "$metainfo" ||
    fail "$metainfo does not launch $APP_ID.desktop"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo has no release $version"
  grep -q '<binary>focimetra</binary>' "$metainfo" || fail "$metainfo does not provide the binary focimetra"
  appstreamcli validate-tree --no-net "$prefix" >&2 ||
    fail "appstreamcli validate-tree fails on the installation"

  # The manual page: the source page, compressed reproducibly, that man shows
  # without a warning.
  local page=$prefix/share/man/man1/focimetra.1.gz warnings
  gzip -9n -c "$source_dir/packaging/focimetra.1" | cmp -s - "$page" ||
    fail "$page is not packaging/focimetra.1 compressed with gzip -9n"
  warnings=$(MANWIDTH=80 man -l --warnings "$page" 2>&1 >/dev/null)
  [[ -z "$warnings" ]] || fail "man -l warns on $page: $warnings"
  MANWIDTH=80 man -l "$page" 2>/dev/null | grep -q '^NAME' || fail "man -l shows no NAME section of $page"

  # The changelog: NEWS, compressed reproducibly, whose releases are those of
  # the metainfo, newest first, this version at the top.
  local changelog=$prefix/share/doc/focimetra/changelog.gz releases
  gzip -9n -c "$source_dir/NEWS" | cmp -s - "$changelog" ||
    fail "$changelog is not NEWS compressed with gzip -9n"
  releases=$(gzip -dc "$changelog" | changelog_releases)
  [[ "$releases" == "$version "* ]] || fail "the newest release in NEWS is not $version: $releases"
  if [[ "$releases" != "$(metainfo_releases "$metainfo")" ]]; then
    echo "releases in NEWS (<) and in the metainfo (>):" >&2
    diff <(echo "$releases") <(metainfo_releases "$metainfo") >&2 || true
    fail "NEWS and $metainfo name different releases"
  fi
}
