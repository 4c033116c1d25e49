#!/usr/bin/env bash
# Builds the Debian package with CPack and inspects it with dpkg-deb: its
# control fields, computed dependencies and contents; lintian must find no
# error and no warning; a second build gives the same bytes. Skipped (77)
# without the Debian tools.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR DESKTOP_ID VERSION PRIVATE_DIR
set -euo pipefail
build=$1 source=$2 id=$3 version=$4 private=$5

for tool in dpkg-deb dpkg-shlibdeps cpack; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
command -v lintian >/dev/null || { echo "FAIL: no lintian: run scripts/setup" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# As scripts/package does: every time in the package is the last commit's.
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null || echo 1796688000)
export SOURCE_DATE_EPOCH
arch=$(dpkg --print-architecture)
package() {  # OUT_DIR: builds the package there and prints its path
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$1" >"$1.log" 2>&1 ||
    { cat "$1.log" >&2; return 1; }
  local deb=$1/tallyloom_${version}_$arch.deb
  [ -f "$deb" ] || { ls "$1" >&2; echo "FAIL: no $deb" >&2; return 1; }
  echo "$deb"
}
deb=$(package "$work/first")
# The second build, for the comparison below, runs while the first is inspected.
package "$work/second" >"$work/second.path" &
second=$!

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tallyloom ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
for needed in 'libqt6widgets6' 'libqt6gui6' 'libqt6core6' 'fonts-liberation2'; do
  grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
# The compound file is our own; libgsf is only the tests' reference.
grep -q "libgsf" <<<"$depends" && fail "Depends names libgsf: $depends"
dpkg-deb --info "$deb" >/dev/null || fail "dpkg-deb --info"

# Contents: everything under /usr, owned by root, nothing writable by others.
dpkg-deb --contents "$deb" >"$work/contents"
for path in ./usr/bin/tallyloom "./usr/$private/tallyloom" "./usr/share/applications/$id.desktop" \
  "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/man/man1/tallyloom.1.gz \
  "./usr/share/icons/hicolor/48x48/apps/$id.png" "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
  ./usr/share/tallyloom/HAND-M.CUR ./usr/share/doc/tallyloom/copyright \
  ./usr/share/doc/tallyloom/changelog.gz; do
  grep -qE " $path$" "$work/contents" || fail "the package lacks $path"
done
awk '$6 !~ /^\.\/(usr\/)?$/ && $6 !~ /^\.\/usr\// { print "outside /usr: " $6 }' "$work/contents" |
  grep . && fail "files outside /usr"
awk '$2 != "root/root" { print "owner " $2 ": " $6 }' "$work/contents" | grep . && fail "not owned by root"
awk '$1 ~ /^.....w|^........w/ { print "writable " $1 ": " $6 }' "$work/contents" | grep . &&
  fail "writable by group or others"
# Two programs: the command and the whole program it becomes.
[ "$(grep -c '^-rwx' "$work/contents")" = 2 ] || fail "not two programs: $(grep '^-rwx' "$work/contents")"
for program in ./usr/bin/tallyloom "./usr/$private/tallyloom"; do
  grep -E " $program\$" "$work/contents" | grep -q '^-rwxr-xr-x' || fail "$program is not rwxr-xr-x"
done

# Reproducible: every entry carries the commit's time, and the second build
# (the same install, CPack alone again) is the same file.
stamp=$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%Y-%m-%d %H:%M')
TZ=UTC dpkg-deb --contents "$deb" | awk -v stamp="$stamp" '$4 " " $5 != stamp { print "time " $4 " " $5 ": " $6 }' |
  grep . && fail "entries not dated $stamp"
TZ=UTC ar tv "$deb" | grep -v "$(TZ=UTC date -d "@$SOURCE_DATE_EPOCH" '+%b %e %H:%M %Y')" &&
  fail "archive members not dated by SOURCE_DATE_EPOCH"

# The changelog's newest entry is this version.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/tallyloom/changelog.gz | gzip -dc >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
  fail "the changelog's newest entry is not $version"

# The copyright file parses in Debian's machine-readable format; the program's
# licence there is LICENSE's text, and the embedded font's licence is given.
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/tallyloom/copyright >"$work/copyright"
/usr/bin/python3 - "$work/copyright" "$source/LICENSE" <<'EOF' || fail "the copyright file"
import sys
from debian import copyright
words = lambda text: " ".join(text.replace("\n.\n", "\n").split())
parsed = copyright.Copyright(open(sys.argv[1]), strict=True)
program = parsed.find_files_paragraph("usr/bin/tallyloom").license
licence = open(sys.argv[2]).read().split("\n\n", 2)[2]
assert program.synopsis == "Expat", program.synopsis
assert words(program.text) == words(licence), "Expat text differs from LICENSE"
fonts = {p.license.synopsis: p.license.text for p in parsed.all_license_paragraphs()}
assert "SIL OPEN FONT LICENSE" in fonts.get("OFL-1.1", ""), sorted(fonts)
EOF

# Debian's own checker: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log" >&2; fail "lintian"; }
grep -E '^[EW]: ' "$work/lintian.log" >&2 && fail "lintian reports errors or warnings"

if wait "$second"; then
  cmp "$deb" "$(cat "$work/second.path")" || fail "two package builds differ"
else
  fail "the second package build failed"
fi

exit $failed
