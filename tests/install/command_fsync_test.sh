#!/usr/bin/env bash
# The command forces to the disk only what the user keeps: the output file and
# its folder, two fsyncs. The template copy and the generated workbook in the
# run's own folder are removed at its end and are not forced.
# Usage: command_fsync_test.sh PROGRAM
set -euo pipefail
program=$1
command -v strace >/dev/null || exit 77

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/temp" "$work/out"
export TEMP=$work/temp TMPDIR=$work/temp XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
failed=0

# each output: the fsyncs must be its temporary file beside it, then its folder
while read -r output; do
  rm -f "$work/trace.txt"
  # The leak checker cannot run under a tracer.
  if ! ASAN_OPTIONS=detect_leaks=0 strace -f -y -qq -e trace=fsync,fdatasync -o "$work/trace.txt" \
    "$program" generate --output "$work/out/$output" --weeks 4 --shifts 20 --days all; then
    echo "FAIL: tallyloom generate --output $output failed" >&2
    failed=1
    continue
  fi
  [ -s "$work/out/$output" ] || { echo "FAIL: no $output" >&2; failed=1; }
  # Each synced descriptor's path, as strace -y shows it.
  synced=$(grep -o 'sync([0-9]*<[^>]*>' "$work/trace.txt" | sed 's/.*<\(.*\)>/\1/' || true)
  expected="$work/out/.$output.TMP
$work/out"
  got=$(printf '%s\n' "$synced" | sed -E "s#\.[0-9]+\.[0-9]+\.tmp\$#.TMP#")
  if [ "$got" != "$expected" ]; then
    echo "FAIL: $output: fsyncs on" >&2
    printf '  %s\n' "$synced" >&2
    failed=1
  fi
done <<'TABLE'
largest.xls
largest.ods
TABLE
exit $failed
