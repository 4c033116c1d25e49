"""Overtime rules computed by LibreOffice in .xls, .xlsx and .ods sheets made
with the command line: times typed into the day cells, the sheet recalculated,
and each day's "Regular" and "Overtime", the row totals, the overtime rate
and the pay compared with hours worked out by hand. In .ods the "Same as
Previous" macro copies a day onto the next and the copy still counts the
earlier days of its own week, across a week's end too.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

ENDINGS = (".xls", ".xlsx", ".ods")
RATE = 20

# One day's entries in minutes after midnight: start, end, lunch (None = left empty).
NINE = (8 * 60, 17 * 60, None)
TEN = (7 * 60, 17 * 60, None)
EIGHT = (8 * 60, 16 * 60, None)
NIGHT = (22 * 60, 7 * 60, None)      # over midnight: 9 hours
LUNCH_ONLY = (None, None, 30)       # a day total of -0.5
SHORT = (8 * 60, 14 * 60 + 30, 30)  # 6.5 hours less a half-hour lunch

# label, flags, days Monday first (every week after the other), then by hand:
# regular and overtime hours of each day, the totals column, the multiplier.
CASES = [
    ("daily8", ["--overtime", "daily:8"], [NINE] * 5,
     [8] * 5, [1] * 5, "O", 1.5),
    ("weekly40", ["--overtime", "weekly:40", "--overtime-rate", "2"], [TEN] * 4 + [EIGHT],
     [10, 10, 10, 10, 0], [0, 0, 0, 0, 8], "O", 2),
    ("both", ["--overtime", "daily:8,weekly:40"], [TEN] * 4 + [EIGHT],
     [8, 8, 8, 8, 8], [2, 2, 2, 2, 0], "O", 1.5),
    ("night-and-negative", ["--overtime", "daily:8", "--overtime-rate", "1.25"],
     [NIGHT, LUNCH_ONLY, SHORT],
     [8, 0, 6, 0, 0], [1, 0, 0, 0, 0], "O", 1.25),
    ("two-weeks", ["--overtime", "weekly:40", "--weeks", "2"], [NINE] * 10,
     [9, 9, 9, 9, 4] * 2, [0, 0, 0, 0, 5] * 2, "Y", 1.5),
]


def day_column(k):
    """Sheet column index (0-based) of day column k from 1: E, G, I, ..."""
    return 2 + 2 * k


def type_days(sheet, days):
    for k, (start, end, lunch) in enumerate(days, 1):
        for row, minutes in ((10, start), (11, end), (13, lunch)):
            if minutes is not None:
                sheet.getCellByPosition(day_column(k), row).setValue(minutes / 1440.0)


def hours(sheet, k, row):
    return sheet.getCellByPosition(day_column(k), row - 1).getValue()


def check_hours(sheet, label, case, failures):
    """Each day's hours and the row totals; returns the totals column."""
    _, _, _, regular, overtime, totals, _ = case
    got = [(round(hours(sheet, k, 18), 9), round(hours(sheet, k, 19), 9))
           for k in range(1, len(regular) + 1)]
    failures.check(got == list(zip(regular, overtime)),
                   "%s: regular and overtime by day %r, expected %r" % (
                       label, got, list(zip(regular, overtime))))
    column = wc.column_number(totals) - 1
    cell = sheet.getCellByPosition
    sums = (cell(column, 17).getValue(), cell(column, 18).getValue())
    failures.check(wc.close(sums[0], sum(regular)) and wc.close(sums[1], sum(overtime)),
                   "%s: row totals %r" % (label, sums))
    return column


def check_pay(sheet, label, case, column, failures):
    _, _, _, regular, overtime, _, multiplier = case
    cell = sheet.getCellByPosition
    rate = cell(column + 1, 18).getValue()
    failures.check(wc.close(rate, RATE * multiplier), "%s: overtime rate %r" % (label, rate))
    pay = cell(column + 2, 17).getValue() + cell(column + 2, 18).getValue()
    want = RATE * sum(regular) + RATE * multiplier * sum(overtime)
    failures.check(wc.close(pay, want), "%s: pay %r, expected %r" % (label, pay, want))
    for row in (20, 21):
        failures.check(cell(day_column(1), row - 1).getFormula() == "",
                       "%s: row %d holds a formula" % (label, row))


def check_copy(doc, sheet, label, failures):
    """Friday copied from Thursday: 10 hours, all overtime after four days of 10."""
    wc.run_copy_times(doc, 5)
    doc.calculateAll()
    got = (hours(sheet, 5, 18), hours(sheet, 5, 19))
    failures.check(wc.close(got[0], 0) and wc.close(got[1], 10), "%s: Friday copied from Thursday gives %r" % (label, got))


def check_copy_across_weeks(doc, sheet, label, failures):
    """Week 2's Monday copied from week 1's Friday counts its own week: 9 regular."""
    wc.run_copy_times(doc, 6)
    doc.calculateAll()
    got = (hours(sheet, 6, 18), hours(sheet, 6, 19))
    failures.check(wc.close(got[0], 9) and wc.close(got[1], 0),
                   "%s: week 2's Monday copied from week 1's Friday gives %r" % (label, got))


def check_sheet(office, path, label, case, failures):
    doc, _ = office.load(path, MacroExecutionMode=4)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % label):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        type_days(sheet, case[2])
        doc.calculateAll()
        column = check_hours(sheet, label, case, failures)
        sheet.getCellByPosition(column + 1, 17).setValue(RATE)
        doc.calculateAll()
        check_pay(sheet, label, case, column, failures)
        if label == "weekly40.ods":
            check_copy(doc, sheet, label, failures)
        if label == "two-weeks.ods":
            check_copy_across_weeks(doc, sheet, label, failures)
    finally:
        doc.close(True)


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-overtime-") as tmp:
        made = wc.generate_each(program, tmp, wc.private_env(tmp), CASES, ENDINGS, failures)
        with Office(time_limit=400) as office:
            for path, label, case in made:
                check_sheet(office, path, label, case, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("overtime", checks))
