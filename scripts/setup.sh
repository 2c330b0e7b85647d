#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Focimetra need,
# and does nothing when all of them are present. Runs apt-get as root, through
# sudo otherwise.
set -euo pipefail

packages=(
  # build
  cmake make g++ pkgconf qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins
  # a native window on Wayland desktops
  qt6-wayland
  # the window's Japanese Gothic faces
  fonts-ipafont-gothic
  # tests: unit tests, sanitizers, end-to-end on a virtual X server read through AT-SPI
  libgtest-dev clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils imagemagick at-spi2-core python3 python3-pyatspi dbus dbus-x11
  # tests: the X clipboard, a window manager on the virtual X server (it gives the
  # activation back when a message box closes), and a headless Wayland compositor
  xclip openbox weston
  # tests: a dark desktop palette, as GNOME's dark style hands it to a Qt program
  # (GTK 3 carries its Adwaita theme, dark variant included)
  qt6-gtk-platformtheme
  # tests: the exported sheet read back as text and as pixels
  poppler-utils
  # tests: a German keyboard layout and Num Lock on the virtual X server
  x11-xkb-utils numlockx
  # tests: the desktop entry, the AppStream metadata, the manual page and the
  # Debian package as Debian checks it
  desktop-file-utils appstream dpkg-dev file man-db lintian
  # benchmarks: key to pixels through XTEST and DAMAGE, beside SpeedCrunch
  libxtst-dev libxdamage-dev speedcrunch
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
