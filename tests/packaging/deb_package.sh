#!/usr/bin/env bash
# Makes the Debian package from the build's CPack configuration into a fresh
# folder, and checks its name, its control fields (the dependencies found by
# dpkg-shlibdeps and those named by hand), its contents, and what lintian says
# of it.
# Usage: deb_package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
build_dir=$(cd "$1" && pwd)
source_dir=$(cd "$2" && pwd)
version=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/common.sh"

require_commands cpack dpkg dpkg-deb dpkg-shlibdeps file readelf desktop-file-validate appstreamcli od cmp \
  gzip man lintian
[[ -f "$build_dir/CPackConfig.cmake" ]] || fail "$build_dir/CPackConfig.cmake is missing"
tmp=$(mktemp -d)
save_install_manifest "$build_dir" "$tmp"
trap 'restore_install_manifest "$build_dir" "$tmp"; rm -rf "$tmp"' EXIT

echo "== cpack -G DEB"
(cd "$tmp" && cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$tmp/out") >"$tmp/cpack.log" 2>&1 || {
  cat "$tmp/cpack.log" >&2
  fail "cpack -G DEB failed"
}
arch=$(dpkg --print-architecture)
deb=$tmp/out/focimetra_${version}_${arch}.deb
packages=$(cd "$tmp/out" && find . -maxdepth 1 -name '*.deb' -printf '%P\n')
[[ "$packages" == "focimetra_${version}_${arch}.deb" ]] ||
  fail "cpack made '$(echo $packages)', not focimetra_${version}_${arch}.deb"

echo "== control fields"
dpkg-deb -f "$deb" | tee "$tmp/control"
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == focimetra ]] || fail "Package is not focimetra"
[[ $(field Version) == "$version" ]] || fail "Version is not $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is not $arch"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^\>]+@[^\>]+\>$ ]] || fail "Maintainer is not 'Name <address>'"
[[ -n $(field Section) ]] || fail "no Section"
[[ -n $(field Priority) ]] || fail "no Priority"
description=$(field Description)
[[ -n $(head -n1 <<<"$description") ]] || fail "no short description"
[[ $(wc -l <<<"$description") -ge 2 ]] || fail "no long description"
long_line=$(awk 'length($0) > 80' <<<"$description")
[[ -z "$long_line" ]] || fail "description lines longer than 80 columns: $long_line"
depends=$(field Depends)
# Names of the packages in Depends, one a line.
depends_names=$(tr ',' '\n' <<<"$depends" | sed -E 's/^[[:space:]]+//; s/[[:space:](].*$//')
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6printsupport6 qt6-qpa-plugins fonts-ipafont-gothic; do
  grep -qx "$needed" <<<"$depends_names" || fail "Depends lacks $needed: $depends"
done
# dpkg-shlibdeps gives versioned dependencies; those named by hand are not.
for library in libqt6widgets6 libqt6printsupport6; do
  grep -qE "$library \\(>= [0-9.]+\\)" <<<"$depends" || fail "Depends has no versioned $library: $depends"
done
# Wayland support is recommended, not required: X11 and XWayland do without it.
[[ $(field Recommends) == qt6-wayland ]] || fail "Recommends is not qt6-wayland: $(field Recommends)"

echo "== contents"
dpkg-deb -c "$deb" >"$tmp/contents"
# Every entry is below ./usr/, and the files are exactly those of an installation.
if grep -vE '^\S+ \S+ +[0-9]+ \S+ \S+ \./usr/' "$tmp/contents" >&2; then fail "entries outside ./usr/"; fi
files=$(awk '$1 !~ /^d/ { print $6 }' "$tmp/contents" | sed 's|^\./usr/||' | LC_ALL=C sort)
expected=$(expected_files "$source_dir")
if [[ "$files" != "$expected" ]]; then
  diff <(echo "$expected") <(echo "$files") >&2 || true
  fail "the package's files differ from the expected ones (< expected, > packaged)"
fi
if awk '{ print $2 }' "$tmp/contents" | grep -vqx 'root/root'; then fail "entries not owned by root/root"; fi
mkdir "$tmp/root"
dpkg-deb -x "$deb" "$tmp/root"
check_installation "$tmp/root/usr" "$source_dir" "$build_dir" "$version"
cmp -s "$tmp/root/usr/share/applications/$APP_ID.desktop" "$source_dir/packaging/$APP_ID.desktop" ||
  fail "the packaged desktop entry differs from packaging/$APP_ID.desktop"
cmp -s "$tmp/root/usr/share/metainfo/$APP_ID.metainfo.xml" "$source_dir/packaging/$APP_ID.metainfo.xml" ||
  fail "the packaged metainfo differs from packaging/$APP_ID.metainfo.xml"
if readelf -S "$tmp/root/usr/bin/focimetra" | grep -q '\.debug_info'; then
  fail "the packaged program is not stripped"
fi
# The control archive holds the checksums of the files.
dpkg-deb -e "$deb" "$tmp/control.d"
[[ -s "$tmp/control.d/md5sums" ]] || fail "no md5sums in the control archive"
(cd "$tmp/root" && md5sum --quiet -c "$tmp/control.d/md5sums") || fail "md5sums do not match the files"

echo "== lintian"
# Without the user's lintian configuration, so that every run checks the same.
# Any error or warning fails; the package carries no overrides.
status=0
lintian --no-cfg --fail-on error,warning --display-info "$deb" >"$tmp/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges is not recommended' "$tmp/lintian.log" || true
tags=$(grep -E '^[EW]: ' "$tmp/lintian.log" || true)
[[ $status -eq 0 && -z "$tags" ]] || fail "lintian found errors or warnings (status $status):${tags:+$'\n'}$tags"

echo "Debian package: ok ($(basename "$deb"), $(stat -c %s "$deb") bytes)"
