"""Time sheets made with sheet options, opened in LibreOffice in .xls, .xlsx
and .ods: the time cells and lists show the chosen clock, the lists start,
end and count as chosen, times typed in that clock pass or fail the list's
validation, the dates read in the chosen order from the chosen week start,
the days run from the chosen first day, the money headings and amounts
carry the chosen currency on its side, and the .ods "Same as Previous" macro
copies the day before.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402
from test_keyboard_and_screen import marked_cells  # noqa: E402

ENDINGS = (".xls", ".xlsx", ".ods")
WEEKDAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday"]

# label, flags, expectations written out by hand:
#   time list (count, first text, last text, first minutes), break list (count, last text),
#   typed (cell, text, accepted), week-start cell and its text, day dates (cell, text),
#   row 9 from E, currency texts (heading Rate, a rate of 12 with its cents).
CASES = [
    ("clock24", ["--clock", "24", "--time-step", "10", "--first-time", "5:00"],
     dict(times=(142, "05:00", "04:30", 300), breaks=(24, "2:00"),
          typed=[("E11", "17:40", True), ("G11", "17:45", False), ("E12", "23:50", True)],
          start=("R4", "5/29/2005"), dates=[("E10", "5/30/2005")], days=WEEKDAYS,
          money=("Rate($)", "$12.00"))),
    ("euro", ["--date-format", "dmy-dots", "--currency", "\u20ac", "--currency-after",
              "--break-step", "15", "--longest-break", "1:30"],
     dict(times=(95, "6:00 AM", "5:30 AM", 360), breaks=(6, "1:30"),
          typed=[("E11", "8:00 AM", True), ("G11", "8:10 AM", False)],
          start=("R4", "29.5.2005"), dates=[("E10", "30.5.2005"), ("M10", "3.6.2005")],
          days=WEEKDAYS, money=("Rate(\u20ac)", "12.00 \u20ac"))),
    ("monday-empty", ["--first-day", "mon", "--days", "mon,tue,wed,thu,fri", "--weeks", "2",
                      "--week-start", "empty", "--time-step", "60"],
     dict(times=(24, "6:00 AM", "5:00 AM", 360), breaks=(24, "2:00"),
          typed=[("E11", "9:00 AM", True), ("G11", "9:30 AM", False)],
          start=("R4", ""), dates=[("E10", ""), ("W10", "")], days=WEEKDAYS * 2,
          money=("Rate($)", "$12.00"))),
    ("given-date", ["--first-day", "mon", "--days", "all", "--week-start", "2026-03-02",
                    "--date-format", "ymd", "--currency", "CHF"],
     dict(times=(95, "6:00 AM", "5:30 AM", 360), breaks=(24, "2:00"),
          typed=[("E11", "6:00 AM", True)],
          start=("U4", "2026-03-02"), dates=[("E10", "2026-03-02"), ("Q10", "2026-03-08")],
          days=WEEKDAYS + ["Saturday", "Sunday"], money=("Rate(CHF)", "CHF 12.00"))),
]


def letters(index):
    """Column letters of a 0-based column index."""
    text = ""
    index += 1
    while index:
        index, rest = divmod(index - 1, 26)
        text = chr(ord("A") + rest) + text
    return text


def list_cells(doc, name):
    return doc.NamedRanges.getByName(name).getReferredCells()


def check_lists(doc, label, want, failures):
    count, first, last, first_minutes = want["times"]
    times = list_cells(doc, "Time0")
    values = [row[0] for row in times.getDataArray()]
    failures.check(len(values) == count, "%s: Time0 has %d entries" % (label, len(values)))
    failures.check(round(values[0] * 1440) == first_minutes, "%s: Time0 starts at %r" % (
        label, values[0] * 1440))
    shown = (times.getCellByPosition(0, 0).getString(),
             times.getCellByPosition(0, len(values) - 1).getString())
    failures.check(shown == (first, last), "%s: Time0 runs %r" % (label, shown))
    count, last = want["breaks"]
    breaks = list_cells(doc, "LunchTime")
    rows = len(breaks.getDataArray())
    # The break list's name starts with one empty entry.
    failures.check(rows == count + 1, "%s: LunchTime has %d rows" % (label, rows))
    end = breaks.getCellByPosition(0, rows - 1).getString()
    failures.check(end == last, "%s: LunchTime ends at %r" % (label, end))


def check_money(sheet, label, want, failures):
    heading, amount = want["money"]
    row = [sheet.getCellByPosition(c, 13).getString() for c in range(60)]
    rates = [c for c, text in enumerate(row) if text.startswith("Rate(")]
    if not failures.check(rates and row[rates[0]] == heading, "%s: row 14 reads %r" % (
            label, [t for t in row if t])):
        return
    pay = row[rates[0] + 1]
    failures.check(pay == heading.replace("Rate", "Total"), "%s: pay heading %r" % (label, pay))
    rate = sheet.getCellByPosition(rates[0], 17)
    rate.setValue(12)
    failures.check(rate.getString().strip() == amount, "%s: a rate of 12 shows %r" % (
        label, rate.getString()))
    total = sheet.getCellByPosition(rates[0] + 1, 17)
    total.setValue(1234.5)
    # The accounting layout pads with spaces as the column's width allows.
    shown = "".join(total.getString().split())
    expected = amount.replace("12.00", "1,234.50").replace(" ", "")
    expected = "1,234.50" if amount == "$12.00" else expected
    failures.check(shown == expected, "%s: a pay of 1234.5 shows %r" % (label, shown))


def check_copy(doc, sheet, label, failures):
    """The second day's button copies the first day's start and end."""
    cell = sheet.getCellRangeByName
    cell("E11").setValue(7 / 24)
    cell("E12").setValue(15.5 / 24)
    wc.run_copy_times(doc, 2)
    doc.calculateAll()
    copied = (cell("G11").getValue(), cell("G12").getValue())
    failures.check(wc.close(copied[0], 7 / 24) and wc.close(copied[1], 15.5 / 24),
                   "%s: CopyTimes gave %r" % (label, copied))


def check_sheet(office, path, label, want, failures):
    doc, _ = office.load(path, MacroExecutionMode=4)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % label):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        cell = sheet.getCellRangeByName
        check_lists(doc, label, want, failures)
        days = [sheet.getCellByPosition(4 + 2 * k, 8).getString() for k in range(len(want["days"]))]
        failures.check(days == want["days"], "%s: row 9 reads %r" % (label, days))
        start_cell, start_text = want["start"]
        failures.check(cell(start_cell).getString() == start_text, "%s: %s reads %r" % (
            label, start_cell, cell(start_cell).getString()))
        for at, text in want["dates"]:
            failures.check(cell(at).getString() == text, "%s: %s reads %r, expected %r" % (
                label, at, cell(at).getString(), text))
        check_money(sheet, label, want, failures)
        for at, text, _ in want["typed"]:
            cell(at).setFormula(text)
        marked = marked_cells(sheet)
        for at, text, accepted in want["typed"]:
            refused = wc.parse_area(at)[1:3] in marked
            failures.check(refused != accepted, "%s: %r in %s %s" % (
                label, text, at, "refused" if refused else "accepted"))
        if label.endswith(".ods"):
            check_copy(doc, sheet, label, failures)
    finally:
        doc.close(True)


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-sheet-options-") as tmp:
        made = wc.generate_each(program, tmp, wc.private_env(tmp), CASES, ENDINGS, failures)
        with Office(time_limit=400) as office:
            for path, label, (_, _, want) in made:
                check_sheet(office, path, label, want, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("sheet options", checks))
