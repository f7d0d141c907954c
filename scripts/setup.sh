#!/usr/bin/env bash
# Installs the Debian 12 packages Orvanta needs to build, run and test.
# Idempotent: only missing packages are installed, so a second run is quick.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libwmf-dev libwmf-bin fonts-urw-base35 libemf2svg-dev libexpat1-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool imagemagick libjpeg-turbo-progs
  clang libclang-rt-14-dev
  libx11-dev libxtst-dev
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
  dpkg-dev lintian
  icc-profiles-free
  libpng-dev libwebp-dev webp libtiff-dev libtiff-tools libheif-dev libheif-examples
  libavif-dev libavif-bin libjxl-dev libjxl-tools libgif-dev liblcms2-dev qt6-image-formats-plugins
  libexiv2-dev exiv2 libturbojpeg0-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libglib2.0-dev xclip dbus dbus-x11
  libxcb1-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
