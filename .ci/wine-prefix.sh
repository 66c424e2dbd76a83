#!/usr/bin/env bash
# Prepares the Wine prefix the win64 tests run in (once; later calls return at once):
# WINEPREFIX, default build/win64/wineprefix. No display is needed: Wine's null graphics
# driver gives the bench a real FS98MAIN window without one. No dialogs: no Mono/Gecko
# installers, no crash dialog.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEPREFIX="${WINEPREFIX:-$PWD/build/win64/wineprefix}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=

wine64="$(command -v wine64 || true)"
[ -n "$wine64" ] || wine64=/usr/lib/wine/wine64
wineserver="$(command -v wineserver || true)"
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver64
[ -x "$wine64" ] || { echo "wine-prefix: wine64 not found (apt-get install wine64)" >&2; exit 1; }

ready="$WINEPREFIX/.tarmelon-ready"
if [ -f "$ready" ]; then
  exit 0
fi
mkdir -p "$(dirname "$WINEPREFIX")"
"$wine64" wineboot --init
"$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
"$wine64" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
"$wineserver" -w
touch "$ready"
echo "wine-prefix: $WINEPREFIX ready"
