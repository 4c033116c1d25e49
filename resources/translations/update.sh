#!/bin/sh
# Brings the translations up to date with the texts in the program's code: new
# texts come in unfinished, texts the code no longer has leave. The texts taken
# from tables and other folders are in tables_*.ts, kept by hand.
# Usage: update.sh [folder of the .ts files, default this one]
# LUPDATE names Qt's lupdate when it is not Debian's.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
folder=$(cd "${1:-$here}" && pwd)
cd "$here/../.."
"${LUPDATE:-/usr/lib/qt6/bin/lupdate}" -no-obsolete -locations none shell preview platform \
  -ts "$folder"/tallyloom_*.ts
