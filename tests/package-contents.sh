#!/usr/bin/env bash
# Makes the Debian package from a built tree and checks it: the program, the launcher entry, the
# metainfo, the manual page and every icon size are in it; it depends on the libraries and on
# the QML modules the screens load; it claims no default handler; its program runs.
# Usage: package-contents.sh BUILD_DIR ICON_SIZE...
set -euo pipefail
build=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/stashline_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')

expected=(
    ./usr/bin/stashline
    ./usr/share/applications/com.quellmar.Stashline.desktop
    ./usr/share/metainfo/com.quellmar.Stashline.metainfo.xml
    ./usr/share/man/man1/stashline.1.gz
    ./usr/share/icons/hicolor/scalable/apps/com.quellmar.Stashline.svg
)
for size in "$@"; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/com.quellmar.Stashline.png")
done
status=0
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || { echo "missing from the package: $path"; status=1; }
done
if grep -E 'mimeapps\.list|defaults\.list' <<<"$contents"; then
    echo "the package must not change default handlers"
    status=1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6quick6 libsqlite3-0 qml6-module-qtquick-controls qml6-module-qtquick-layouts; do
    grep -q "\b$package\b" <<<"$depends" || { echo "Depends lacks $package: $depends"; status=1; }
done

dpkg-deb -x "$deb" "$work/root"
version=$("$work/root/usr/bin/stashline" --version)
[ "$version" = "stashline $(dpkg-deb -f "$deb" Version)" ] || { echo "unexpected --version: $version"; status=1; }
exit $status
