#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks what it declares and holds, and runs
# the unpacked kesh-tool.
#   package_test.sh BUILD_DIR VERSION
set -euo pipefail
build="$1" version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=works.corvel.kesh

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    fail "cpack: $(cat "$work/cpack.log")"
deb="$(ls "$work"/*.deb)"
[ "$(dpkg-deb -f "$deb" Package)" = kesh ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for dependency in libqt6core6 libqt6widgets6 libqt6opengl6 libqt6charts6 libopengl0 libglu1-mesa \
    libgl1-mesa-dri libegl-mesa0 libegl1 xfoil; do
    grep -qE "(^|, )$dependency( |,|$)" <<<"$depends" || fail "no dependency on $dependency"
done

dpkg-deb -c "$deb" | awk '{ print $6 }' | grep -v '/$' | sort >"$work/files"
echo "Files:"
cat "$work/files"
for file in ./usr/bin/kesh ./usr/bin/kesh-tool ./usr/share/applications/$id.desktop \
    ./usr/share/mime/packages/$id.xml ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/kesh/sample/vantair.ini ./usr/share/kesh/sample/gliders/Pipit/Pipit.gli; do
    grep -qxF "$file" "$work/files" || fail "not in the package: $file"
done
grep -q '/kesh/libkesh-nofpe\.so$' "$work/files" || fail "not in the package: libkesh-nofpe.so"

dpkg-deb -x "$deb" "$work/root"
sample="$work/root/usr/share/kesh/sample"
"$work/root/usr/bin/kesh-tool" check "$sample/gliders/Harle/Harle.gli" --sim "$sample" |
    grep -qx "name: Harle" || fail "the unpacked kesh-tool check"
