#!/usr/bin/env bash
# Installs what is missing, builds every build and runs every test: native, native under
# AddressSanitizer+UndefinedBehaviorSanitizer, the thread tests under ThreadSanitizer, and the
# Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${VANTOR_BUILD_ROOT:-$root/build}
jobs=$(nproc)

tools/setup-debian.sh

step() { printf '\n=== %s ===\n' "$*"; }

configure_and_build() {  # dir, cmake arguments...; $targets (optional) limits what is built
  local dir=$1; shift
  cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" ${targets:+--target $targets}
}

step "formatting (clang-format, check mode)"
tools/check-format.sh

step "native build and tests"
# The benchmarks are built (not run) so that they keep compiling as the code under them changes.
configure_and_build "$out/native" -DVANTOR_BENCH=ON
# The language dictionaries are the same bytes in every build: the others copy these.
from_native=-DVANTOR_LANGUAGE_DICTIONARIES_FROM="$out/native/bin"
ctest --test-dir "$out/native" -j "$jobs" --output-on-failure

step "native tests under AddressSanitizer and UndefinedBehaviorSanitizer"
configure_and_build "$out/asan" -DVANTOR_SANITIZE=ON "$from_native"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir "$out/asan" -j "$jobs" --output-on-failure

step "thread tests under ThreadSanitizer"
targets=engine_tests configure_and_build "$out/tsan" -DVANTOR_TSAN=ON "$from_native"
ctest --test-dir "$out/tsan" -j "$jobs" --output-on-failure -R 'Concurrency'

step "fuzzing the file readers, the scanner and the check driver (libFuzzer, bounded time)"
configure_and_build "$out/fuzz" -DVANTOR_FUZZ=ON "$from_native" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
fuzz_seconds=${VANTOR_FUZZ_SECONDS:-60}
fuzz_pids=()
for fuzzer in "$out"/fuzz/bin/*_fuzz; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  mkdir -p "$out/fuzz/corpus/$name"
  ( cd "$out/fuzz" && "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 \
      -print_final_stats=1 "corpus/$name" > "$name.log" 2>&1 ) &
  fuzz_pids+=("$!:$name")
done
fuzz_failed=0
for entry in "${fuzz_pids[@]}"; do
  if wait "${entry%%:*}"; then
    echo "${entry#*:}: no failure in ${fuzz_seconds}s"
  else
    echo "${entry#*:}: FAILED"; tail -40 "$out/fuzz/${entry#*:}.log"; fuzz_failed=1
  fi
done
((fuzz_failed == 0))

# The 32-bit control ships in the installer, so its build comes first; its programs run under Wine
# only where the kernel runs 32-bit code.
if tools/runs-32bit.sh; then runs32=yes; else runs32=no; fi

step "Windows i686 build"
if [ "$runs32" = yes ]; then
  configure_and_build "$out/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
    -DVANTOR_WINE=ON "$from_native"
else
  targets="vantor_activex vantor" configure_and_build "$out/win32" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
fi

step "Windows x86_64 build and tests under Wine"
configure_and_build "$out/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" "$from_native" \
  -DVANTOR_I686_BIN="$out/win32/bin"
# With both halves of Wine installed, plain wine starts Wine's own programs in their 32-bit builds.
wine64=wine
[ -x /usr/lib/wine/wine64 ] && wine64=/usr/lib/wine/wine64
run_wine_tests() {  # build folder
  tools/wine-prefix.sh "$1/wineprefix"
  export WINEPREFIX="$1/wineprefix" WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
  # A persistent wineserver started here, not by the first test, so tests do not wait on ctest's
  # pipes.
  wineserver -p
  "$wine64" cmd /c exit
  local status=0
  ctest --test-dir "$1" -j "$jobs" --output-on-failure || status=$?
  wineserver -k 2>/dev/null || true
  return $status
}
# Runs on every way out, under set -e too: nothing in it may fail.
stop_wineservers() {
  local prefix
  for prefix in "$out/win64/wineprefix" "$out/win32/wineprefix"; do
    if [ -d "$prefix" ]; then WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; fi
  done
}
trap stop_wineservers EXIT
run_wine_tests "$out/win64"

step "Windows i686 tests under Wine"
if [ "$runs32" = yes ]; then
  run_wine_tests "$out/win32"
else
  echo "32-bit runs skipped: this machine cannot run 32-bit code (a 32-bit test program did not run)"
fi

echo
echo "All builds and tests passed."
