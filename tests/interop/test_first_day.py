"""Time sheets whose week starts on Monday and on Thursday, written as .ods and
opened in LibreOffice: row 9 names the chosen days in week order from the
first day, every date falls on its own day once a start date on the first day
is typed, and the document's Basic CopyTimes copies the previous day column,
across the end of a week too.

Skips (exit 0) when the first_day_sheet helper is not built."""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

NAMES = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
SUNDAY = 38501  # 29 May 2005

# first day, days (Sunday first), weeks; the names expected in row 9 of week 1;
# the week-start cell; the day column whose button is pressed, the one it copies.
CASES = [
    (2, ".xxxxx.", 1, ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday"], "R4", 2, 1),
    (5, "xx.xxxx", 2, ["Thursday", "Friday", "Saturday", "Sunday", "Monday", "Wednesday"], "S4",
     7, 6),
]


def column(k):
    """Letters of the left column of day column k (E = 1)."""
    n = 4 + 2 * (k - 1)
    letters = ""
    while n >= 0:
        letters = chr(ord("A") + n % 26) + letters
        n = n // 26 - 1
    return letters


def check_sheet(office, path, case, failures):
    first, _, weeks, names, start_cell, pressed, copied = case
    label = "first day %s" % NAMES[first - 1]
    doc, _ = office.load(path, MacroExecutionMode=4)
    try:
        sheet = doc.Sheets.getByIndex(0)
        cell = sheet.getCellRangeByName
        n = len(names)
        shown = [cell("%s9" % column(k)).getString() for k in range(1, n * weeks + 1)]
        failures.check(shown == names * weeks, "%s: row 9 reads %r" % (label, shown))
        failures.check(cell("%s9" % column(n * weeks + 1)).getString() == "",
                       "%s: a day past the last" % label)

        cell(start_cell).setValue(SUNDAY + first - 1)
        doc.calculateAll()
        previous = SUNDAY + first - 2
        for k in range(1, n * weeks + 1):
            date = cell("%s10" % column(k)).getValue()
            day = NAMES[int(date - SUNDAY) % 7]
            failures.check(day == shown[k - 1] and date > previous,
                           "%s: %s10 is %r, a %s, under %s" % (label, column(k), date, day,
                                                                shown[k - 1]))
            previous = date

        source, target = column(copied), column(pressed)
        cell(source + "11").setValue(0.25 + 8 * 0.010416666666667)   # 8:00 AM
        cell(source + "12").setValue(0.25 + 44 * 0.010416666666667)  # 5:00 PM
        wc.run_copy_times(doc, pressed)
        doc.calculateAll()
        for row in (11, 12):
            failures.check(wc.close(cell("%s%d" % (target, row)).getValue(),
                                    cell("%s%d" % (source, row)).getValue()),
                           "%s: CopyTimes %d left %s%d at %r" % (
                               label, pressed, target, row, cell("%s%d" % (target, row)).getValue()))
        total = cell("%s16" % target).getValue()
        failures.check(wc.close(total, 9), "%s: the copied day totals %r hours" % (label, total))
    finally:
        doc.close(True)


def main():
    helper = os.path.join(sys.argv[1], "first_day_sheet")
    if not os.path.exists(helper):
        print("skipped: %s is not built" % helper)
        return 0
    failures = wc.Failures()
    with tempfile.TemporaryDirectory(prefix="tallyloom-first-day-") as tmp:
        paths = []
        for case in CASES:
            path = os.path.join(tmp, "first-day-%d.ods" % case[0])
            r = subprocess.run([helper, str(case[0]), case[1], str(case[2]), path],
                               capture_output=True, text=True, timeout=120,
                               env=wc.private_env(tmp))
            if failures.check(r.returncode == 0, "helper failed: %s" % r.stderr):
                paths.append((path, case))
        with Office(time_limit=300) as office:
            for path, case in paths:
                check_sheet(office, path, case, failures)
    if failures.report("first day"):
        print("first day: all checks passed")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
