#!/usr/bin/env bash
# Creates (once) a 64-bit Wine prefix for the tests: no graphics driver, so windows and modal
# dialogs work without X.
set -euo pipefail
prefix=$(realpath -m "$1")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
# A 64-bit prefix, made by the 64-bit loader even where the 32-bit half of Wine is installed too.
wine64=wine
[ -x /usr/lib/wine/wine64 ] && wine64=/usr/lib/wine/wine64
if [ ! -f "$prefix/system.reg" ]; then
  echo "Creating Wine prefix $prefix"
  timeout 300 "$wine64" wineboot -i
  timeout 120 wineserver -w
fi
timeout 60 "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
timeout 60 wineserver -w
