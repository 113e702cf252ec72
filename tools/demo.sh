#!/usr/bin/env bash
# Shows the spelling checker at work: installs what is missing (as the test command does), builds
# the command-line tool and the default dictionaries, and checks the sample text that ships with
# the project. Then asks for suggestions for a few misspellings.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=${VANTOR_BUILD_ROOT:-$root/build}/native

tools/setup-debian.sh
cmake -S "$root" -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$out" -j "$(nproc)" --target vantor dictionaries >/dev/null

vantor=$out/bin/vantor
echo "\$ vantor check tools/vantor/sample.txt"
status=0
"$vantor" check tools/vantor/sample.txt || status=$?
echo "(exit status $status: 1 means problems were found)"
echo
echo "\$ vantor suggest --scores recieve fourty acommodate"
"$vantor" suggest --scores recieve fourty acommodate
((status <= 1))
