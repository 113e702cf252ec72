#!/usr/bin/env bash
# Pictures of the control's dialogs for the documentation: builds the Windows side, shows each
# dialog on a virtual X screen inside a Wine desktop window, as a user would see it, and writes
# PNG files (docs/ unless a folder is given).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${VANTOR_BUILD_ROOT:-$root/build}/win64
pictures=$(realpath -m "${1:-$root/docs}")

tools/setup-debian.sh
if ! dpkg-query -W -f='${Status}' imagemagick 2>/dev/null | grep -q "install ok installed"; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends imagemagick
fi

cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" >/dev/null
cmake --build "$out" -j "$(nproc)" --target dialog_gallery help_file vantor_pad

# A prefix of its own that draws on X, with one desktop window that holds every window.
export WINEPREFIX=$out/screenshot-prefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 300 wineboot -i
  timeout 120 wineserver -w
fi
# The caption buttons' symbols come from this font; this Wine finds it only in the prefix.
cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
timeout 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
timeout 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null
timeout 60 wineserver -w

shots=$(mktemp -d)
trap 'rm -rf "$shots"; wineserver -k 2>/dev/null || true' EXIT
# The folder's Windows name is spelled out rather than asked of winepath: a Wine program run now,
# without the X screen, would leave the new prefix's desktop without one.
xvfb-run -a -s "-screen 0 1024x768x24" \
  timeout 300 wine "$out/bin/dialog_gallery.exe" "Z:${shots//\//\\}"
timeout 60 wineserver -w
# Vantor Pad with the suggestion menu open on a marked word. The pad creates the control by its
# ProgID, so the control is registered in this prefix first, on the same X screen.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c \
  'cd "$1" && timeout 60 wine regsvr32 /s vantor.dll && timeout 120 wine vantor_pad.exe --screenshot "$2" "$3"' \
  sh "$out/bin" "Z:${shots//\//\\}\\vantor_pad.bmp" "Z:${root//\//\\}\\samples\\vantor_pad\\sample.txt"
timeout 60 wineserver -w

mkdir -p "$pictures"
for picture in "$shots"/*.bmp; do
  name=$(basename "${picture%.bmp}").png
  /usr/bin/convert "$picture" "$pictures/$name"
  echo "$pictures/$name: $(/usr/bin/identify -format '%wx%h' "$pictures/$name")"
done
