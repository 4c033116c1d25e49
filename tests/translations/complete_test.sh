#!/bin/sh
# Every translation is current and complete: updated from the program's
# sources, a copy stays the same and holds no unfinished text; the hand-kept
# tables_*.ts hold none either.
# Usage: complete_test.sh <lupdate> <source folder>
set -eu
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$source"/resources/translations/tallyloom_*.ts "$work"/
LUPDATE=$1 "$source"/resources/translations/update.sh "$work" >"$work/log" 2>&1 ||
  { cat "$work/log"; exit 1; }
status=0
for ts in "$source"/resources/translations/tallyloom_*.ts; do
  copy="$work/$(basename "$ts")"
  if ! cmp -s "$ts" "$copy"; then
    echo "$(basename "$ts") is behind the program's texts (run resources/translations/update.sh):"
    diff "$ts" "$copy" || true
    status=1
  fi
  if grep -q 'type="unfinished"' "$copy"; then
    echo "$(basename "$ts") has unfinished translations"
    status=1
  fi
done
for ts in "$source"/resources/translations/tables_*.ts; do
  if grep -q 'type="unfinished"' "$ts"; then
    echo "$(basename "$ts") has unfinished translations"
    status=1
  fi
done
exit $status
