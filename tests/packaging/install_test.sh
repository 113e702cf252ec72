#!/bin/sh
# Installs the build into a temporary prefix, builds a C program against the installed library
# with pkg-config and runs it, runs the installed tool from outside the source tree, and builds
# the Debian package and lists it. Usage: install_test.sh BUILD_DIR CLIENT_SOURCE
set -eu
build=$1 client=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/vantor share/man/man1/vantor.1 include/trov.h \
            share/vantor/trovam.tlx share/vantor/trovam2.clx share/vantor/userdic.tlx \
            share/vantor/correct.tlx; do
  [ -f "$prefix/$file" ] || fail "the install lacks $file"
done
pc=$(find "$prefix" -name trov.pc)
[ -n "$pc" ] || fail "the install lacks trov.pc"
libdir=$(dirname "$(dirname "$pc")")

# The shared library: a SONAME of the product's major version, and only the flat API exported.
major=$("$prefix/bin/vantor" --version | sed -n 's/.*(Vantor \([0-9]*\)\..*/\1/p')
soname=$(readelf -d "$libdir/libtrov.so" | sed -n 's/.*Library soname: \[\(.*\)\].*/\1/p')
[ -n "$major" ] && [ "$soname" = "libtrov.so.$major" ] || fail "SONAME is '$soname'"
others=$(nm -D --defined-only "$libdir/libtrov.so" | awk '{print $3}' | grep -v '^TROV_' || true)
[ -z "$others" ] || fail "exported beside TROV_: $others"

# A C11 program, strict, built with what pkg-config says, run on an installed dictionary.
flags=$(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --cflags --libs trov)
cc -std=c11 -Wall -Wextra -Werror -pedantic -o "$work/client" "$client" $flags
LD_LIBRARY_PATH=$libdir "$work/client" "$prefix/share/vantor/trovam2.clx" >"$work/client.out"
cat >"$work/client.want" <<'WANT'
spelling: correct
speling: misspelled
monday: capitalization
best for speling: spelling
closed: 1
WANT
diff -u "$work/client.want" "$work/client.out" || fail "the C program's answers"

# The installed tool, from a folder of its own, finds its dictionaries without options.
cd "$work"
printf 'The speling is checked.\n' >text.txt
status=0
"$prefix/bin/vantor" check --no-suggestions text.txt >check.out 2>&1 || status=$?
[ "$status" = 1 ] || fail "check exited $status: $(cat check.out)"
[ "$(cat check.out)" = "text.txt:1:5: misspelled: speling" ] || fail "check said: $(cat check.out)"
"$prefix/bin/vantor" --version | grep -Eq '^@\(#\) International Ispell Version 3\.1\.20 \(Vantor [0-9]+\.[0-9]+\.[0-9]+\)$' ||
  fail "version line"

# The Debian package, built into the temporary folder and listed.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/deb/*.deb)
dpkg-deb -c "$deb" | tee "$work/deb.list"
for file in usr/bin/vantor usr/share/man/man1/vantor.1 usr/share/vantor/trovam2.clx \
            usr/include/trov.h "libtrov.so.$major" pkgconfig/trov.pc; do
  grep -q "$file" "$work/deb.list" || fail "the package lacks $file"
done
dpkg-deb -f "$deb" Package Version Depends
echo "install, C program, installed tool and package: passed"
