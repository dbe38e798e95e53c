#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks it with lintian, as Debian checks its
# own: no error and no warning, and none of the hints that the program was built without
# Debian's hardening flags. Prints every tag lintian finds. A build that cannot fortify (one
# that does not optimize, or runs under the sanitizers) passes FORTIFY=no.
# Usage: package-lintian.sh BUILD_DIR [FORTIFY=yes|no]
set -euo pipefail
build=$1
fortify=${2:-yes}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/stashline_*.deb)
status=0
report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || status=1
[ -z "$report" ] || echo "$report"
# lintian's fortify hint only guesses from the libc calls it sees (C++ code that makes no call
# the compiler could check gets it all the same), so _FORTIFY_SOURCE is checked in the build's
# own compile commands; every other hardening hint fails the package.
if grep -P '^I: [^ ]+: hardening-(?!no-fortify-functions)' <<<"$report"; then
    echo "the program lacks hardening flags"
    status=1
fi
if [ "$fortify" = yes ] && ! grep -q -- '-D_FORTIFY_SOURCE=' "$build/compile_commands.json"; then
    echo "the build does not fortify (no -D_FORTIFY_SOURCE)"
    status=1
fi
exit $status
