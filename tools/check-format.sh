#!/usr/bin/env bash
# Fails when a C or C++ source of the project differs from what clang-format makes of it under
# .clang-format; prints the files and the first differences. With --fix, reformats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t sources < <(find engine control textctl activex tools tests bench samples packaging \
  -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
if [ "${1:-}" = --fix ]; then
  clang-format -i "${sources[@]}"
  exit 0
fi
status=0
for file in "${sources[@]}"; do
  if ! clang-format --dry-run --Werror "$file" 2>/dev/null; then
    echo "not formatted: $file"
    clang-format "$file" | diff -u "$file" - | head -20 || true
    status=1
  fi
done
echo "formatting: ${#sources[@]} sources checked, $( ((status)) && echo "some differ" || echo "all as clang-format makes them")"
exit $status
