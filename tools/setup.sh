#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages the build needs (when any is
# missing) and configures and builds one build folder.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config clang libclang-rt-14-dev
  libsdl2-dev libpng-dev zlib1g-dev libvorbisidec-dev liblzma-dev libvorbis-dev libogg-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgc-dev
  libfluidsynth-dev timgm6mb-soundfont libmpg123-dev libopencore-amrnb-dev libfreetype-dev
  fonts-dejavu-core libmp3lame-dev libsdl2-ttf-dev
  xvfb x11-utils
  # The data builder's sprite art.
  libcairo2-dev
  # The data builder's bitmap fonts: FreeType and the DejaVu faces it renders.
  libfreetype-dev fonts-dejavu-core
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
