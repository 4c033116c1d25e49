"""The VBA "Same as Previous" macro of the .xls and .xlsm, run by LibreOffice
in its VBA compatibility mode on sheets made with the command line: default,
Monday first, protected, with an overtime rule and in German, each of two
weeks. A day's times are copied onto the next day within a week and from a
week's last day onto the next week's first; the copy keeps the target's own
formulas and leaves a protected sheet protected.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

ENDINGS = (".xls", ".xlsm")
TWO_WEEKS = ["--weeks", "2"]
# label, flags; every sheet has five days a week, so day column 6 is week 2's first.
CASES = [
    ("default", TWO_WEEKS),
    ("monday-first", TWO_WEEKS + ["--first-day", "mon"]),
    ("protected", TWO_WEEKS + ["--protect"]),
    ("overtime", TWO_WEEKS + ["--overtime", "daily:8"]),
    ("german", TWO_WEEKS + ["--language", "de"]),
]
START, END, LUNCH = 8 * 60 / 1440, 17 * 60 / 1440, 30 / 1440  # 8:00 to 17:00, half an hour


def column(k):
    """Letters of the left column of day column k (E = 1)."""
    n = 4 + 2 * (k - 1)
    return (chr(ord("A") + n // 26 - 1) if n >= 26 else "") + chr(ord("A") + n % 26)


def copy_and_check(doc, sheet, label, source, pressed, failures):
    cell = sheet.getCellRangeByName
    formulas = [cell("%s%d" % (column(pressed), r)).getFormula() for r in (16, 18, 19)]
    for row, value in ((11, START), (12, END), (14, LUNCH)):
        cell("%s%d" % (column(source), row)).setValue(value)
    wc.run_copy_times(doc, pressed)
    doc.calculateAll()
    target = column(pressed)
    got = [cell("%s%d" % (target, r)).getValue() for r in (11, 12, 14)]
    failures.check(all(wc.close(a, b) for a, b in zip(got, (START, END, LUNCH))),
                   "%s: CopyTimes %d left %s11..14 at %r" % (label, pressed, target, got))
    failures.check(wc.close(cell(target + "16").getValue(), 8.5),
                   "%s: the copied day totals %r" % (label, cell(target + "16").getValue()))
    after = [cell("%s%d" % (target, r)).getFormula() for r in (16, 18, 19)]
    failures.check(after == formulas, "%s: CopyTimes %d changed %r to %r" % (
        label, pressed, formulas, after))


def check_sheet(office, path, label, failures):
    doc, _ = office.load(path, MacroExecutionMode=4)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % label):
        return
    try:
        if not failures.check(wc.basic_module(doc, "Module1")[0] is not None,
                              "%s: LibreOffice shows no macro module" % label):
            return
        sheet = doc.Sheets.getByIndex(0)
        protected = sheet.isProtected()
        copy_and_check(doc, sheet, label, 1, 2, failures)
        copy_and_check(doc, sheet, label, 5, 6, failures)
        failures.check(sheet.isProtected() == protected, "%s: protection %r after the copy" % (
            label, sheet.isProtected()))
    finally:
        doc.close(True)


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-vba-") as tmp:
        made = wc.generate_each(program, tmp, wc.private_env(tmp), CASES, ENDINGS, failures)
        with Office(time_limit=400) as office:
            for path, label, _ in made:
                check_sheet(office, path, label, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("VBA copy", checks))
