"""Generates time sheets with the command line and checks them in LibreOffice
and xlrd against what our own reader says they hold; then enters times into
the first day and checks the hours, and runs the CopyTimes macro.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

CONFIGURATIONS = [
    ("default", []),
    ("two-weeks", ["--days", "all", "--weeks", "2", "--shifts", "3"]),
    ("largest", ["--days", "all", "--weeks", "4", "--shifts", "20"]),
]


def list_time(i):
    """Entry i (1-based) of the quarter-hour list, as the sheet holds it."""
    return (360 + 15 * (i - 1)) % 1440 / 1440


def check_buttons_described(desc, failures):
    """Every day column after the first has its button, numbered in order."""
    buttons = desc["sheets"][0]["buttons"]
    actions = [b["onAction"] for b in buttons]
    wanted = ["'CopyTimes %d'" % n for n in range(2, len(buttons) + 2)]
    failures.check(actions == wanted, "button macros %r" % actions)
    failures.check(all(b["text"] == "Same as Previous" for b in buttons), "button texts")


def check_first_day_hours(doc, desc, failures):
    sheet = doc.Sheets.getByIndex(0)

    def cell(a1):
        return sheet.getCellRangeByName(a1)

    # The weekly total stands in row 16 under the "Total Hours Scheduled" heading.
    heading = [c for c in desc["sheets"][0]["cells"]
               if c["value"] == {"s": "Total Hours Scheduled"}]
    if not failures.check(heading, "no weekly total column"):
        return
    total = sheet.getCellByPosition(heading[0]["col"] - 1, 15)
    cell("E11").setValue(list_time(9))   # 8:00 AM
    cell("E12").setValue(list_time(45))  # 5:00 PM
    doc.calculateAll()
    failures.check(wc.close(total.getValue(), 9, 1e-9), "weekly total %r" % total.getValue())
    for a1, hours in (("F12", 9), ("E16", 9)):
        failures.check(wc.close(cell(a1).getValue(), hours, 1e-9),
                       "8:00 to 17:00: %s shows %r, expected %r" % (a1, cell(a1).getValue(), hours))
    cell("E14").setValue(30 / 1440)
    doc.calculateAll()
    failures.check(wc.close(cell("E16").getValue(), 8.5, 1e-9),
                   "with 30 minutes lunch the day totals %r" % cell("E16").getValue())


def check_copy_times(office, path, failures):
    """See the sample script: the search must stop at day column 2's time."""
    doc, _ = office.load(path, MacroExecutionMode=4)
    try:
        sheet = doc.Sheets.getByIndex(0)
        sheet.getCellRangeByName("G11").setValue(list_time(9))
        selected = wc.run_copy_times(doc, 3)
        failures.check(selected and selected.endswith("$G$11"), "CopyTimes 3 ended on %s" % selected)
    finally:
        doc.close(True)


def main():
    bin_dir = sys.argv[1]
    program = wc.usable_program(bin_dir)
    if program is None:
        return 0
    failures = wc.Failures()
    with tempfile.TemporaryDirectory(prefix="tallyloom-interop-") as tmp:
        env = wc.private_env(tmp)
        described = []
        for label, base, desc in wc.generated_workbooks(bin_dir, program, tmp, env, CONFIGURATIONS,
                                                        failures):
            path = base + ".xls"
            wc.check_with_xlrd(path, desc, failures)
            check_buttons_described(desc, failures)
            described.append((label, path, desc))
        with Office(time_limit=500) as office:
            for label, path, desc in described:
                doc = wc.check_with_libreoffice(office, path, desc, failures)
                if doc is not None:
                    if label == "default":
                        check_first_day_hours(doc, desc, failures)
                    doc.close(True)
            if described and described[0][0] == "default":
                check_copy_times(office, described[0][1], failures)
    if failures.report("generated"):
        print("generated workbooks: all checks passed")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
