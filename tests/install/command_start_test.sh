#!/usr/bin/env bash
# The command `tallyloom` starts without the desktop toolkit: a workbook, its
# summary, the help and the version load neither Qt Gui nor Qt Widgets nor the
# zip-package libraries; a picture, a PDF or a package format reaches the whole
# program, which loads them and writes the file. None loads libgsf and its
# GObject, GIO and libxml2 (GLib itself comes with Qt Core). When the whole
# program cannot start, the command says why in one line and writes nothing.
# Usage: command_start_test.sh PROGRAM WHOLE_PROGRAM
set -euo pipefail
program=$1
whole=$2

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
generate --output OUT/week.xls --picture OUT/week.png|libQt6Gui libQt6Widgets|libgsf-1 libgobject-2.0 libxml2|week.png
generate --output OUT/week.xls --pdf OUT/week.pdf|libQt6Gui libQt6Widgets|libgsf-1 libgobject-2.0 libxml2|week.pdf
generate --output OUT/week.xlsx --pdf OUT/week2.pdf|libQt6Widgets libxlsxwriter|libgsf-1 libgobject-2.0 libxml2|week2.pdf
TABLE

# The command in a folder of its own, beside a whole program that cannot
# start: it still writes an .xls alone; asked to draw, it prints one line that
# names the whole program and the reason, and writes nothing. A library the
# loader cannot map is only found once this process has become the whole
# program: the loader's own line says so and ends it with 127.
beside=$(realpath --relative-to="$(dirname "$program")" "$whole")
mkdir -p "$work/libs"
printf 'not a library' >"$work/libs/libQt6Widgets.so.6"
# what stands in for the whole program | extra environment | exit code | said on standard error
while IFS='|' read -r setup env code said; do
  rm -rf "$work/alone" "$work"/drawn.*
  mkdir -p "$work/alone/bin"
  cp "$program" "$work/alone/bin/tallyloom"
  target=$(realpath -m "$work/alone/bin/$beside")
  mkdir -p "$(dirname "$target")"
  case $setup in
  missing) ;;
  not-executable) cp "$whole" "$target" && chmod 644 "$target" ;;
  not-a-program) printf 'text\n' >"$target" && chmod 755 "$target" ;;
  unmappable-library) ln -s "$whole" "$target" ;;
  esac
  "$work/alone/bin/tallyloom" generate --output "$work/alone.xls" || fail "$setup: the command alone wrote no .xls"
  rc=0
  # shellcheck disable=SC2086  # the environment is words
  env $env "$work/alone/bin/tallyloom" generate --output "$work/drawn.xls" --pdf "$work/drawn.pdf" \
    2>"$work/err.txt" || rc=$?
  [ "$rc" = "$code" ] || fail "$setup: exit $rc, not $code"
  [ "$(wc -l <"$work/err.txt")" = 1 ] || fail "$setup: not one line: $(cat "$work/err.txt")"
  grep -qF "$target" "$work/err.txt" || fail "$setup: the line does not name $target: $(cat "$work/err.txt")"
  grep -qF "$said" "$work/err.txt" || fail "$setup: the line does not say '$said': $(cat "$work/err.txt")"
  for written in "$work"/drawn.*; do [ ! -e "$written" ] || fail "$setup: wrote $written"; done
done <<TABLE
missing||1|: No such file or directory
not-executable||1|: Permission denied
not-a-program||1|: Exec format error
unmappable-library|LD_LIBRARY_PATH=$work/libs|127|libQt6Widgets.so.6
TABLE

exit $failed
