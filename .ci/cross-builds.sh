#!/usr/bin/env bash
# The cross builds, called by .ci/run:
#   win32  the product Tarmelon.dll (MinGW-w64 i686): built, exports and imports checked
#   i386   module, stand-ins, bench and tests as 32-bit Linux programs, run under qemu-i386
#   win64  Tarmelon.dll, SimConnect.dll, tarmelon-bench.exe and tests, run under wine64
# Usage: .ci/cross-builds.sh [win32] [i386] [win64]   (default: all three)
# Installs what it needs with apt-get (only what is missing).
set -euo pipefail
cd "$(dirname "$0")/.."

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(win32 i386 win64)

packages=(cmake ninja-build g++ g++-multilib googletest
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
          qemu-user wine64)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  if ! "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    # Mixed package versions on some images: take bookworm's set.
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends -t bookworm "${missing[@]}"
  fi
fi

stage() { echo; echo "=== $* ==="; }

for preset in "${presets[@]}"; do
  case "$preset" in
    win32|i386) ;;
    win64)
      export WINEPREFIX="$PWD/build/win64/wineprefix" WINEDEBUG=-all
      export WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=
      ;;
    *) echo "cross-builds: unknown preset '$preset' (win32, i386 or win64)" >&2; exit 2 ;;
  esac
  stage "$preset: configure"
  cmake --preset "$preset"
  stage "$preset: build"
  cmake --build --preset "$preset"
  if [ "$preset" = win64 ]; then
    stage "win64: Wine prefix"
    # No persistent Wine server: Wine's helper processes would then outlive each test
    # program and keep ctest waiting on its output pipe.
    .ci/wine-prefix.sh
  fi
  stage "$preset: tests"
  ctest --preset "$preset"
done
