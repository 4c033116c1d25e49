#!/usr/bin/env bash
# The plainest build, `cmake -S . -B b && cmake --build b`, uses the Makefile
# generator, which makes no folder for a custom command's outputs (Ninja
# does). A fresh Makefile build of the targets whose commands write into
# folders of their own (the translations, the icons) catches a command that
# counts on Ninja.
# Usage: makefile_build_test.sh SOURCE
set -euo pipefail
source=$1
command -v make >/dev/null || { echo "make is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source" -B "$work" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
  -DTALLYLOOM_BENCH=OFF >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work" --target tallyloom_translations tallyloom_icon -j2 >"$work/build.log" 2>&1 ||
  { tail -30 "$work/build.log"; exit 1; }
