"""Reads a generated .ods with SheetJS (the npm package `xlsx`, which
scripts/setup installs under build/sheetjs), a reader that takes each cell's
text and value type as the file gives them: the daily and weekly totals, the
week's dates and the time lists must come out as numbers with the texts the
sheet shows, in their cells; dates shown with dots read as such in .xls,
.xlsx and .ods too.

Skips (exit 0) when the program's `generate` command is not built; fails
when SheetJS is not installed."""

import json
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import workbook_checks as wc  # noqa: E402

SHEETJS = os.path.join(HERE, "..", "..", "build", "sheetjs", "node_modules", "xlsx")

READ = """
const XLSX = require(process.argv[1]);
const book = XLSX.readFile(process.argv[2]);
const sheet = book.Sheets[book.SheetNames[0]];
const out = {};
for (const ref of JSON.parse(process.argv[3])) {
  const c = sheet[ref];
  out[ref] = c ? {t: c.t, v: c.v, w: c.w} : null;
}
console.log(JSON.stringify(out));
"""

# The default sheet (Monday to Friday, week starting 5/29/2005 = serial 38501).
DATES = {"R4": (38501, "5/29/2005"), "R5": (38507, "6/4/2005")}
DATES.update({"%s10" % c: (38502 + i, "%d/%d/2005" % ((5, 30 + i) if i < 2 else (6, i - 1)))
              for i, c in enumerate("EGIKM")})
TOTALS = {ref: (0, "0.00") for ref in ["E16", "G16", "I16", "K16", "M16", "O16"]}


LISTS = {ref: (minutes % 1440 / 1440, text) for ref, (minutes, text) in wc.LIST_MINUTES.items()}

# The same dates with --date-format dmy-dots, in every format SheetJS reads.
DOTS = {"R4": (38501, "29.5.2005"), "R5": (38507, "4.6.2005")}
DOTS.update({"%s10" % c: (38502 + i, "%d.%d.2005" % ((30 + i, 5) if i < 2 else (i - 1, 6)))
             for i, c in enumerate("EGIKM")})


def read_cells(path, wanted, failures):
    r = wc.run(["node", "-e", READ, SHEETJS, path, json.dumps(sorted(wanted))])
    if not failures.check(r.returncode == 0, "SheetJS failed on %s: %s" % (path, r.stderr)):
        return
    cells = json.loads(r.stdout)
    for ref, (value, text) in sorted(wanted.items()):
        got = cells.get(ref)
        failures.check(got is not None and got["t"] == "n" and wc.close(got["v"], value) and
                       got.get("w") == text, "%s: %s reads as %r, expected %r shown as %r" % (
                           os.path.basename(path), ref, got, value, text))


def checks(bin_dir, program, failures):
    if not failures.check(os.path.isdir(SHEETJS), "SheetJS is not installed at %s: run scripts/setup"
                          % os.path.normpath(SHEETJS)):
        return
    with tempfile.TemporaryDirectory(prefix="tallyloom-sheetjs-") as tmp:
        env = wc.private_env(tmp)
        path = os.path.join(tmp, "default.ods")
        wc.generate(program, path, [], env)
        read_cells(path, dict(DATES, **TOTALS, **LISTS), failures)
        for ending in (".xls", ".xlsx", ".ods"):
            path = os.path.join(tmp, "dots" + ending)
            wc.generate(program, path, ["--date-format", "dmy-dots"], env)
            read_cells(path, DOTS, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("SheetJS", checks))
