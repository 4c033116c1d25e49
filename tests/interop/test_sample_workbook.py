"""Writes the sample workbook (every feature the writer supports) and checks
it in LibreOffice and xlrd: values before and after recalculation, entered
times, merges, sizes, names, validations, page setup, buttons and the macro
module; then runs the CopyTimes macro in LibreOffice's VBA support."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402


def list_time(i):
    """Entry i (1-based) of the quarter-hour list, as the sheet holds it."""
    return 0.25 + (i - 1) * 0.010416666666667


def check_entered_times(doc, failures):
    sheet = doc.Sheets.getByName("TimeSheet")

    def cell(a1):
        return sheet.getCellRangeByName(a1)

    cell("G11").setValue(list_time(9))   # 8:00 AM
    cell("G12").setValue(list_time(45))  # 5:00 PM
    doc.calculateAll()
    failures.check(wc.close(cell("H12").getValue(), 9, 1e-9), "8:00 to 17:00 gave %r hours" %
                   cell("H12").getValue())
    cell("G11").setValue(22 / 24)
    cell("G12").setValue(6 / 24)
    cell("G14").setValue(30 / 1440)
    doc.calculateAll()
    failures.check(wc.close(cell("H12").getValue(), 8, 1e-9), "22:00 to 6:00 gave %r hours" %
                   cell("H12").getValue())
    failures.check(wc.close(cell("H15").getValue(), 0.5, 1e-9), "30 minutes of breaks gave %r" %
                   cell("H15").getValue())
    failures.check(wc.close(cell("G16").getValue(), 7.5, 1e-9), "daily total %r, expected 7.5" %
                   cell("G16").getValue())
    failures.check(wc.close(cell("S16").getValue(), 16, 1e-9), "weekly total %r, expected 16" %
                   cell("S16").getValue())


def check_copy_times_runs(office, path, failures):
    """Runs CopyTimes as the button of day column 3 would. With a numeric first
    time in day column 2 the search stops there and the macro ends by
    selecting G11; had it missed that column it would end on E11 with its
    no-data message. (Whether the paste lands is not checked: a headless
    office has no clipboard to carry it.)"""
    doc, _ = office.load(path, MacroExecutionMode=4)  # run document macros without asking
    try:
        sheet = doc.Sheets.getByName("TimeSheet")
        sheet.getCellRangeByName("G11").setValue(list_time(9))
        selected = wc.run_copy_times(doc, 3)
        failures.check(selected and selected.endswith("$G$11"), "CopyTimes 3 ended on %s" % selected)
        selected = wc.run_copy_times(doc, 6)
        failures.check(selected and selected.endswith("$E$11"),
                       "CopyTimes 6 (no data) ended on %s" % selected)
    finally:
        doc.close(True)


def main():
    bin_dir = sys.argv[1]
    failures = wc.Failures()
    with tempfile.TemporaryDirectory(prefix="tallyloom-interop-") as tmp:
        path = os.path.join(tmp, "sample.xls")
        desc = wc.describe(bin_dir, "sample", path, os.path.join(tmp, "sample.json"))
        wc.check_with_xlrd(path, desc, failures)
        with Office(time_limit=400) as office:
            doc = wc.check_with_libreoffice(office, path, desc, failures)
            if doc is not None:
                check_entered_times(doc, failures)
                doc.close(True)
            check_copy_times_runs(office, path, failures)
    if failures.report("sample"):
        print("sample workbook: all checks passed")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
