#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks it with lintian, as Debian checks its
# own: no error and no warning, and none of the hints that the program was built without
# Debian's hardening flags. Prints every tag lintian finds. A build that cannot fortify (one
# that does not optimize, or runs under the sanitizers) passes FORTIFY=no: then only the
# fortify hint is not held against it.
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
hints='^I: [^ ]+: hardening-'
[ "$fortify" = yes ] || hints='^I: [^ ]+: hardening-(?!no-fortify-functions)'
if grep -P "$hints" <<<"$report"; then
    echo "the program lacks hardening flags"
    status=1
fi
exit $status
