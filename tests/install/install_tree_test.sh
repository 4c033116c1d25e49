#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR with prefix /usr and checks it as a
# user's system would see it: the file list, the icons' sizes, the installed
# program's run, the menu entry, the metainfo and the manual page.
# Usage: install_tree_test.sh BUILD_DIR SOURCE_DIR DESKTOP_ID VERSION PRIVATE_DIR
set -euo pipefail
build=$1 source=$2 id=$3 version=$4 private=$5

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

DESTDIR=$root cmake --install "$build" --prefix /usr >"$work/install.log" ||
  { cat "$work/install.log"; exit 1; }

# Exactly these files, nothing missing and nothing stray.
sizes=(16 32 48 64 128 256)
{
  echo usr/bin/tallyloom
  echo "usr/$private/tallyloom"
  echo "usr/share/applications/$id.desktop"
  echo "usr/share/metainfo/$id.metainfo.xml"
  echo usr/share/man/man1/tallyloom.1.gz
  echo usr/share/doc/tallyloom/copyright
  echo usr/share/doc/tallyloom/changelog.gz
  echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
  for s in "${sizes[@]}"; do echo "usr/share/icons/hicolor/${s}x$s/apps/$id.png"; done
  (cd "$source/resources/beside" && find . -type f ! -name '.*' -printf 'usr/share/tallyloom/%P\n')
} | sort >"$work/expected"
(cd "$root" && find . -type f -printf '%P\n' | sort) >"$work/installed"
diff -u "$work/expected" "$work/installed" || fail "the installed files differ from the expected list"

for s in "${sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${s}x$s/apps/$id.png
  file "$png" | grep -q "PNG image data, $s x $s," || fail "$png: $(file -b "$png")"
done

program=$root/usr/bin/tallyloom
for elf in "$program" "$root/usr/$private/tallyloom"; do
  if readelf -d "$elf" | grep -E 'RPATH|RUNPATH' | grep -qF "$build"; then
    fail "the installed $elf still looks for libraries in the build tree"
  fi
done
[ "$("$program" --version)" = "tallyloom $version" ] || fail "--version: $("$program" --version)"

# The installed program writes the same workbook as the built one, and our
# reader opens it.
mkdir -p "$work/out" "$work/config" "$work/tmp"
export XDG_CONFIG_HOME=$work/config TEMP=$work/tmp TMPDIR=$work/tmp
args=(--days mon,wed,sat --weeks 2 --shifts 3)
"$program" generate --output "$work/out/installed.xls" "${args[@]}" --json >"$work/summary.json" ||
  fail "the installed program could not generate a workbook"
"$build/bin/tallyloom" generate --output "$work/out/built.xls" "${args[@]}"
cmp -s "$work/out/installed.xls" "$work/out/built.xls" ||
  fail "the installed and the built program write different workbooks"
grep -qF "\"version\":\"$version\"" "$work/summary.json" || fail "summary: $(cat "$work/summary.json")"
# The picture and the PDF come from the whole program in the private folder.
QT_QPA_PLATFORM=offscreen "$program" generate --output "$work/out/drawn.xls" --picture "$work/out/drawn.png" \
  --pdf "$work/out/drawn.pdf" || fail "the installed program could not draw through the whole program"
file "$work/out/drawn.png" | grep -q "PNG image data" || fail "no picture: $(file -b "$work/out/drawn.png")"
"$build/bin/interop_sample" describe "$work/out/installed.xls" "$work/described.json" ||
  fail "our reader cannot open the installed program's workbook"
grep -qF '"TimeSheet"' "$work/described.json" || fail "the workbook has no sheet TimeSheet"

# The menu entry points at the installed program and icon; the metainfo at the
# menu entry.
desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" ||
  { cat "$work/appstream.log"; fail "appstreamcli validate $metainfo"; }
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not the installed program"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/48x48/apps/$icon_name.png" ] || fail "Icon=$icon_name has no icon"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $id.desktop"

# The manual page renders without a warning and names every option of --help.
manual=$root/usr/share/man/man1/tallyloom.1.gz
warnings=$(MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null) || fail "man -l $manual failed"
[ -z "$warnings" ] || fail "man -l warns: $warnings"
MANWIDTH=80 man -l "$manual" 2>/dev/null | col -b >"$work/manual.txt"
for option in $("$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
  grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" "$work/manual.txt" ||
    fail "the manual page lacks $option"
done

exit $failed
