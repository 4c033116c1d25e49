"""Prints generated time sheets as a user would: LibreOffice's PDF export of
every format, Gnumeric's PDF of the .xls and our own --pdf, each read back
with pdftotext. On paper the "Same as Previous" buttons are noise and the zero
hours are facts: no page may show a button caption, and every hour cell must
show "0.00" (per day column one cell per shift, the breaks and the daily
total; then the week's total and its four categories). Gnumeric must print no
header or footer of its own (the sheet's name, "Page 1").

Skips (exit 0) when the program's `generate` command is not built."""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import uno  # noqa: E402

from lo_session import Office, props  # noqa: E402
import workbook_checks as wc  # noqa: E402

ENDINGS = (".xls", ".xlsx", ".xlsm", ".ods")
# (label, arguments, day columns, shifts)
CONFIGURATIONS = [
    ("default", [], 5, 1),
    ("two-weeks", ["--days", "all", "--weeks", "2", "--shifts", "3"], 14, 3),
]
CAPTION = "Same as"


def zero_cells(day_columns, shifts):
    return day_columns * (shifts + 2) + 5


def pdf_text(path):
    r = wc.run(["pdftotext", "-layout", path, "-"])
    return r.stdout if r.returncode == 0 else None


def check_page(label, text, zeros, failures):
    if not failures.check(text, "%s: no text could be read from the PDF" % label):
        return
    failures.check(CAPTION not in text, "%s: a button caption is printed" % label)
    got = text.split().count("0.00")
    failures.check(got == zeros, "%s: %d cells print 0.00, expected %d" % (label, got, zeros))


def lo_pdf(office, path, failures):
    doc, _ = office.load(path)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % path):
        return None
    out = path + ".lo.pdf"
    try:
        doc.storeToURL(uno.systemPathToFileUrl(out), props(FilterName="calc_pdf_Export"))
    finally:
        doc.close(True)
    return pdf_text(out)


def gnumeric_pdf(path, tmp, failures):
    ssconvert = shutil.which("ssconvert")
    if not failures.check(ssconvert, "ssconvert (gnumeric) is missing: run scripts/setup"):
        return
    out = path + ".gnumeric.pdf"
    env = dict(os.environ, HOME=tmp)
    r = wc.run([ssconvert, path, out], timeout=300, env=env, stdin=subprocess.DEVNULL)
    if not failures.check(r.returncode == 0, "ssconvert %s failed: %s" % (path, r.stderr)):
        return
    text = pdf_text(out) or ""
    failures.check("Weekly Time Sheet" in text, "%s: Gnumeric's page shows no sheet" % path)
    for foreign in ("TimeSheet", "Page 1"):
        failures.check(foreign not in text, "%s: Gnumeric prints %r on the page" % (path, foreign))


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-paper-") as tmp:
        env = wc.private_env(tmp)
        made = []
        for label, args, days, shifts in CONFIGURATIONS:
            base = os.path.join(tmp, label)
            try:
                for ending in ENDINGS:
                    extra = ["--pdf", base + ".own.pdf"] if ending == ".xls" else []
                    wc.generate(program, base + ending, args + extra, env)
            except (RuntimeError, subprocess.TimeoutExpired) as e:
                failures.check(False, "%s: %s" % (label, e))
                continue
            check_page("%s --pdf" % label, pdf_text(base + ".own.pdf"), zero_cells(days, shifts),
                       failures)
            gnumeric_pdf(base + ".xls", tmp, failures)
            made.append((label, base, zero_cells(days, shifts)))
        with Office(time_limit=540) as office:
            for label, base, zeros in made:
                for ending in ENDINGS:
                    check_page("%s%s in LibreOffice" % (label, ending),
                               lo_pdf(office, base + ending, failures), zeros, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("printed pages", checks))
