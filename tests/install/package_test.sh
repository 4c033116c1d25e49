#!/usr/bin/env bash
# Builds the Debian package with CPack and inspects it with dpkg-deb: its
# control fields, computed dependencies and contents. Skipped (77) without
# the Debian tools.
# Usage: package_test.sh BUILD_DIR DESKTOP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3

for tool in dpkg-deb dpkg-shlibdeps cpack; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$work/tallyloom_${version}_$arch.deb
[ -f "$deb" ] || { ls "$work"; echo "FAIL: no $deb"; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tallyloom ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for needed in 'libqt6widgets6' 'libqt6gui6' 'libqt6core6' 'libgsf-1-114' 'fonts-liberation2'; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
dpkg-deb --info "$deb" >/dev/null || fail "dpkg-deb --info"

# Contents: everything under /usr, owned by root, nothing writable by others.
dpkg-deb --contents "$deb" >"$work/contents"
for path in ./usr/bin/tallyloom "./usr/share/applications/$id.desktop" \
  "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/man/man1/tallyloom.1.gz \
  "./usr/share/icons/hicolor/48x48/apps/$id.png" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  ./usr/share/tallyloom/HAND-M.CUR; do
  grep -qE " $path$" "$work/contents" || fail "the package lacks $path"
done
awk '$6 !~ /^\.\/(usr\/)?$/ && $6 !~ /^\.\/usr\// { print "outside /usr: " $6 }' "$work/contents" |
  grep . && fail "files outside /usr"
awk '$2 != "root/root" { print "owner " $2 ": " $6 }' "$work/contents" | grep . && fail "not owned by root"
awk '$1 ~ /^.....w|^........w/ { print "writable " $1 ": " $6 }' "$work/contents" | grep . &&
  fail "writable by group or others"
grep -E ' \./usr/bin/tallyloom$' "$work/contents" | grep -q '^-rwxr-xr-x' ||
  fail "the program is not rwxr-xr-x"

exit $failed
