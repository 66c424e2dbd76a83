#!/usr/bin/env bash
# Installs what building and testing the Tarmelon module needs on a Debian machine.
# Usage: scripts/deps.sh [dev|cross]   (dev: Linux build and tests; cross: also the
# MinGW, Wine and qemu toolchains for the 32-bit Windows DLL and its proofs)
set -euo pipefail
what=${1:-dev}

packages=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest libbenchmark-dev binutils python3
          libcpp-httplib-dev nlohmann-json3-dev pkg-config chromium chromium-driver locales)
if [ "$what" = cross ]; then
  packages+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64 g++-multilib qemu-user wine64)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  export DEBIAN_FRONTEND=noninteractive
  if ! $sudo apt-get install -y -qq "${missing[@]}"; then
    # Mixed package versions on some images: take bookworm's set.
    $sudo apt-get install -y -qq -t bookworm "${missing[@]}"
  fi
fi

# A comma-decimal locale, for the test that files come out the same under it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
