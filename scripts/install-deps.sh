#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Does nothing when every package is already present.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qtbase5-dev qtbase5-private-dev qttools5-dev qttools5-dev-tools qt5-qmake
  libspdlog-dev libfmt-dev
  xvfb xauth openbox xdotool x11-utils libxcb1-dev
  weston qtwayland5
  fonts-wqy-microhei
  clang libclang-rt-14-dev valgrind
  g++-mingw-w64-x86-64
  clang-format clang-tidy clazy
  doxygen
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
