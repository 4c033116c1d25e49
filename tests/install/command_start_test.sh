#!/usr/bin/env bash
# The command `tallyloom` starts without the desktop toolkit: a workbook, its
# summary, the help and the version load neither Qt Gui nor Qt Widgets nor the
# zip-package libraries; a picture or a PDF beside an .xls reaches the drawing
# program (Qt Gui without Qt Widgets), a package format the whole program,
# which loads them and writes the file. None loads libgsf and its GObject, GIO
# and libxml2 (GLib itself comes with Qt Core).
# Usage: command_start_test.sh PROGRAM
set -euo pipefail
program=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TEMP=$work TMPDIR=$work XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=1
}

# arguments (OUT is the scratch folder) | libraries loaded | libraries not loaded | file written
while IFS='|' read -r args loaded absent written; do
  args=${args//OUT/$work}
  # shellcheck disable=SC2086  # the arguments are words
  if ! LD_DEBUG=files "$program" $args >"$work/out.txt" 2>"$work/loads.txt"; then
    fail "tallyloom $args: $(grep -v '^ *[0-9]*:' "$work/loads.txt")"
    continue
  fi
  for library in $loaded; do
    grep -q "file=$library[.-]" "$work/loads.txt" || fail "tallyloom $args did not load $library"
  done
  for library in $absent; do
    grep -q "file=$library[.-]" "$work/loads.txt" && fail "tallyloom $args loaded $library"
  done
  [ -z "$written" ] || [ -s "$work/$written" ] || fail "tallyloom $args wrote no $written"
done <<'TABLE'
--version|libQt6Core|libQt6Gui libQt6Widgets libzip libxlsxwriter|
--help|libQt6Core|libQt6Gui libQt6Widgets libzip libxlsxwriter|
generate --output OUT/largest.xls --weeks 4 --shifts 20 --days all|libQt6Core|libQt6Gui libQt6Widgets libzip libxlsxwriter libfontconfig libgsf-1 libgobject-2.0 libgio-2.0 libxml2|largest.xls
generate --output OUT/summary --json --from-settings|libQt6Core|libQt6Gui libQt6Widgets libzip libxlsxwriter|summary
generate --output OUT/week.xlsx|libxlsxwriter||week.xlsx
generate --output OUT/week.ods --days sat,sun|libzip||week.ods
generate --output OUT/week.xls --picture OUT/week.png|libQt6Gui|libQt6Widgets libzip libxlsxwriter libgsf-1 libgobject-2.0 libxml2|week.png
generate --output OUT/week.xls --pdf OUT/week.pdf|libQt6Gui|libQt6Widgets libzip libxlsxwriter libgsf-1 libgobject-2.0 libxml2|week.pdf
generate --output OUT/week.xlsx --pdf OUT/week2.pdf|libQt6Widgets libxlsxwriter|libgsf-1 libgobject-2.0 libxml2|week2.pdf
TABLE

# The command copied alone still writes the .xls; asked to draw, it names the
# drawing program it cannot find and writes nothing.
mkdir "$work/alone"
cp "$program" "$work/alone/tallyloom"
"$work/alone/tallyloom" generate --output "$work/alone.xls" || fail "the command alone wrote no .xls"
if "$work/alone/tallyloom" generate --output "$work/drawn.xls" --picture "$work/drawn.png" 2>"$work/err.txt"; then
  fail "the command alone claimed to draw"
fi
grep -q "^tallyloom: cannot start .*/tallyloom-drawing (it draws pictures and PDFs): No such file" "$work/err.txt" ||
  fail "the command alone said: $(cat "$work/err.txt")"
[ ! -e "$work/drawn.xls" ] || fail "the command alone wrote a workbook it could not draw"

exit $failed
