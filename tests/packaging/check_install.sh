#!/usr/bin/env bash
# Installs the build into a scratch prefix and packs it as a .deb, then checks that both hold
# the program, its desktop entry, metainfo, icons, manual page and licence, that Debian's own
# checker (lintian) finds nothing wrong with the package, and that the packaged program starts.
set -euo pipefail
build=$1
app_id=$2
lintian=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

expect_files() {
    local root=$1
    for path in games/tinzel share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
        share/man/man6/tinzel.6.gz share/doc/tinzel/copyright share/doc/tinzel/changelog.gz; do
        [ -f "$root/$path" ] || { echo "missing from $root: $path"; exit 1; }
    done
    for size in 16 32 48 64 128 256; do
        local icon=$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        [ -f "$icon" ] || { echo "missing icon: $icon"; exit 1; }
        identify -format '%wx%h' "$icon" | grep -qx "${size}x${size}" ||
            { echo "$icon is not ${size}x${size}"; exit 1; }
    done
}

cmake --install "$build" --prefix "$scratch/prefix" > /dev/null
expect_files "$scratch/prefix"
echo "cmake --install: program, desktop entry, metainfo, six icons and documentation in place"

(cd "$scratch" && cpack --config "$build/CPackConfig.cmake" -G DEB > /dev/null)
deb=$(ls "$scratch"/*.deb)
dpkg-deb --field "$deb" Package Version Depends Recommends | sed 's/^/  /'
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 ||
    { echo "the package does not depend on Qt's widgets library"; exit 1; }
# Without Qt's Wayland platform, a Wayland desktop runs the game through Xwayland.
dpkg-deb --field "$deb" Recommends | grep -qw qt6-wayland ||
    { echo "the package does not recommend Qt's Wayland platform"; exit 1; }
dpkg-deb --extract "$deb" "$scratch/unpacked"
expect_files "$scratch/unpacked/usr"
# A distribution takes no package with an error or a warning.
"$lintian" --fail-on error,warning "$deb" || { echo "lintian rejects $(basename "$deb")"; exit 1; }
echo "lintian: no error and no warning"

# The packaged program starts and keeps running until it is stopped.
set +e
QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/unpacked/usr/games/tinzel"
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the packaged tinzel exited with status $status"; exit 1; }
echo "cpack: $(basename "$deb") holds everything and its tinzel starts"
