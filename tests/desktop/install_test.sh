#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, runs the installed programs from there and has
# the desktop's own validators check the entry, the file type and the AppStream metadata.
#   install_test.sh BUILD_DIR SOURCE_DIR LIBDIR VERSION
set -euo pipefail
build="$1" source="$(realpath "$2")" libdir="$3" version="$4"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
id=works.corvel.kesh

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/root/usr"
sample="$usr/share/kesh/sample"
for file in bin/kesh bin/kesh-tool "$libdir/kesh/libkesh-nofpe.so" share/kesh/sample/vantair.ini \
    share/kesh/templates/gliders/Thermique/Thermique.gli share/kesh/templates/airfoils/modele0008.txt \
    share/applications/$id.desktop share/mime/packages/$id.xml share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/doc/kesh/README.md; do
    [ -f "$usr/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
    file "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" |
        grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} PNG icon"
done

# The installed programs, with no display, and no path of the source or build tree in them
# (debug information aside).
"$usr/bin/kesh-tool" check "$sample/gliders/Pipit/Pipit.gli" --sim "$sample" >"$work/check"
grep -qx "name: Pipit" "$work/check" || fail "kesh-tool check: $(cat "$work/check")"
mkdir "$work/sim"
"$usr/bin/kesh-tool" new Thermique --name T --sim "$work/sim" >/dev/null &&
    [ -f "$work/sim/airfoils/modele3409.txt" ] || fail "kesh-tool new does not find the templates"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/kesh" --version)" = "kesh $version" ] ||
    fail "kesh --version"
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/kesh" --help | grep -q -- "--open FICHIER" ||
    fail "kesh --help"
for program in kesh kesh-tool; do
    strip --strip-debug -o "$work/stripped" "$usr/bin/$program"
    ! grep -qaF "$source" "$work/stripped" || fail "$program holds a path of $source"
done

# xfoil gets the installed trap work-around: a stand-in on PATH records what it is given.
mkdir "$work/fakebin"
printf '#!/bin/sh\necho "$LD_PRELOAD" >"%s"\nexit 1\n' "$work/preload" >"$work/fakebin/xfoil"
chmod +x "$work/fakebin/xfoil"
PATH="$work/fakebin:$PATH" "$usr/bin/kesh-tool" foil-import "NACA 2412" -o "$work/foil.txt" \
    --re 100000 --jobs 1 >/dev/null 2>&1 || true
[ "$(cat "$work/preload" 2>/dev/null)" = "$usr/$libdir/kesh/libkesh-nofpe.so" ] ||
    fail "xfoil was given LD_PRELOAD='$(cat "$work/preload" 2>/dev/null)'"

# The validators.
out="$(desktop-file-validate "$usr/share/applications/$id.desktop" 2>&1)" || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
echo "desktop-file-validate: no remark"
appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli validate-tree"
mkdir "$work/share" && cp -r "$usr/share/mime" "$work/share/mime"
out="$(XDG_DATA_DIRS="$work/share" update-mime-database "$work/share/mime" 2>&1)"
[ -z "$out" ] || fail "update-mime-database: $out"
type="$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$usr/share/mime/packages/$id.xml")"
grep -qx "$type:\*\.gli" "$work/share/mime/globs" || fail "no *.gli glob for $type"
grep -q "^MimeType=$type;" "$usr/share/applications/$id.desktop" || fail "the entry does not open $type"
echo "update-mime-database: no remark; $type is *.gli"
