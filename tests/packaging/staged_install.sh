#!/usr/bin/env bash
# Installs the build into fresh folders, once with --prefix and once with DESTDIR
# (stripped, as a packager would), and checks that exactly the program, its
# desktop entry, its icons, its AppStream metainfo, its manual page and its
# changelog land where they belong.
# Usage: staged_install.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

require_commands cmake desktop-file-validate appstreamcli readelf od cmp gzip man
tmp=$(mktemp -d)
save_install_manifest "$build_dir" "$tmp"
trap 'restore_install_manifest "$build_dir" "$tmp"; rm -rf "$tmp"' EXIT

echo "== cmake --install --prefix"
cmake --install "$build_dir" --prefix "$tmp/prefix" >"$tmp/install.log" || {
  cat "$tmp/install.log" >&2
  fail "cmake --install --prefix failed"
}
check_installation "$tmp/prefix" "$source_dir" "$build_dir" "$version"

echo "== DESTDIR=... cmake --install --prefix /usr --strip"
DESTDIR="$tmp/destdir" cmake --install "$build_dir" --prefix /usr --strip >"$tmp/install.log" || {
  cat "$tmp/install.log" >&2
  fail "cmake --install with DESTDIR failed"
}
outside=$(cd "$tmp/destdir" && find . -mindepth 1 -maxdepth 1 -printf '%P\n')
[[ "$outside" == usr ]] || fail "DESTDIR holds more than usr/: $(echo $outside)"
check_installation "$tmp/destdir/usr" "$source_dir" "$build_dir" "$version"
if readelf -S "$tmp/destdir/usr/bin/focimetra" | grep -q '\.debug_info'; then
  fail "--strip left debugging information in bin/focimetra"
fi

echo "installed files:"
expected_files "$source_dir" | sed 's/^/  /'
echo "staged installation: ok"
