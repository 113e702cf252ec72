#!/usr/bin/env bash
# Installs, as root on Debian 12, every Debian package the builds and tests need that is missing.
# Where the kernel runs 32-bit programs, that includes the 32-bit half of Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  googletest libbenchmark-dev nlohmann-json3-dev
  wamerican emacs-nox pkg-config dpkg-dev
  # the word lists of dict/languages.txt
  wbritish wcanadian wngerman wswiss wfrench wspanish witalian wportuguese wbrazilian wdutch
  wdanish wswedish wnorwegian wcatalan wgalician-minimos wirish wpolish wesperanto wbulgarian
  wukrainian
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 libwine-dev wine64-tools xvfb xauth fonts-wine
  fp-utils-3.2.2 nsis
)
# npm fetches the word frequencies at build time; a machine with its own Node.js (and npm) keeps it.
command -v npm >/dev/null || packages+=(npm)

export DEBIAN_FRONTEND=noninteractive
# A mirror in the middle of a sync fails an index now and then: try again, and if it keeps failing
# go on with the lists there are (the install below fails plainly if they lack a package).
update_package_lists() {
  local attempt
  for attempt in 1 2 3; do
    apt-get update -q && return 0
    echo "apt-get update failed (attempt $attempt of 3)"
    sleep $((attempt * 10))
  done
  echo "apt-get update kept failing: going on with the package lists there are"
}
updated=no
if tools/runs-32bit.sh; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    update_package_lists
    updated=yes
  fi
  packages+=(wine32:i386)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  [ "$updated" = yes ] || update_package_lists
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
