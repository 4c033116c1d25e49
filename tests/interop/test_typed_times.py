"""Times typed at the keyboard and picked from the list agree, in LibreOffice,
in every format. Every time the start/end list offers, typed as the list
shows it into a validated cell, is accepted ("Mark Invalid Data"), also the
times after midnight and with a list that starts late in the evening; times
off the list are refused. A start typed as 2:00 AM with an end picked as
3:00 AM is one hour, a night shift from 10:00 PM to 6:00 AM eight, and a
day of 2 h 30 min exactly 2.5.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
from test_keyboard_and_screen import marked_cells  # noqa: E402
import workbook_checks as wc  # noqa: E402

# Ten shifts of five days: 100 validated start/end cells, E11:E30 to M11:M30.
SHIFTS = ["--shifts", "10"]
CASES = [(ending, SHIFTS) for ending in (".xls", ".xlsx", ".xlsm", ".ods")]
CASES.append((".xls", SHIFTS + ["--first-time", "22:00"]))
CASES.append((".xls", SHIFTS + ["--clock", "24", "--time-step", "20"]))
OFF_LIST = {False: ["7:10 AM", "2:07 AM", "11:50 PM", "12:01 AM"],
            True: ["7:10", "2:07", "23:50", "0:01"]}
INPUT_CELLS = ["%s%d" % (c, r) for c in "EGIKM" for r in range(11, 31)]
# (start typed, end picked from the list or typed, worked hours by hand)
DAYS = [("2:00 AM", "3:00 AM", 1.0), ("10:00 PM", "6:00 AM", 8.0), ("9:00 AM", "11:30 AM", 2.5)]


def list_cells(doc):
    ref = doc.NamedRanges.getByName("Time0").getReferredCells()
    return [ref.getCellByPosition(0, i) for i in range(ref.Rows.getCount())]


def check_typing(sheet, label, listed, clock24, failures):
    off = OFF_LIST[clock24]
    typed = [c.getString() for c in listed] + off
    failures.check(len(typed) <= len(INPUT_CELLS), "%s: %d list times" % (label, len(listed)))
    for cell, text in zip(INPUT_CELLS, typed):
        sheet.getCellRangeByName(cell).setFormula(text)
    marked = marked_cells(sheet)
    for cell, text in zip(INPUT_CELLS, typed):
        refused = wc.parse_area(cell)[1:3] in marked
        failures.check(refused == (text in off), "%s: %r typed in %s is %s" % (
            label, text, cell, "refused" if refused else "accepted"))


def check_hours(doc, sheet, label, listed, failures):
    """First shift of Monday..Wednesday: start typed, end picked (the list
    cell's own value) when listed, else typed."""
    by_text = {c.getString(): c.getValue() for c in listed}
    for column, (start, end, want) in zip("EGI", DAYS):
        sheet.getCellRangeByName(column + "11").setFormula(start)
        if end in by_text:
            sheet.getCellRangeByName(column + "12").setValue(by_text[end])
        else:
            sheet.getCellRangeByName(column + "12").setFormula(end)
    doc.calculateAll()
    for column, (start, end, want) in zip("FHJ", DAYS):
        got = sheet.getCellRangeByName(column + "12").getValue()
        failures.check(got == want, "%s: %s to %s gives %r hours, by hand %r" % (
            label, start, end, got, want))


def check_file(office, path, label, clock24, failures):
    doc, _ = office.load(path)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % label):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        listed = list_cells(doc)
        values = [c.getValue() for c in listed]
        failures.check(all(0 <= v < 1 for v in values), "%s: list values outside a day: %r" % (
            label, [v for v in values if not 0 <= v < 1]))
        check_typing(sheet, label, listed, clock24, failures)
        if not clock24:
            check_hours(doc, sheet, label, listed, failures)
    finally:
        doc.close(True)


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-typed-") as tmp:
        env = wc.private_env(tmp)
        made = []
        for i, (ending, args) in enumerate(CASES):
            path = os.path.join(tmp, "sheet%d%s" % (i, ending))
            wc.generate(program, path, args, env)
            made.append((path, "%s %s" % (ending, " ".join(args)), "24" in args))
        with Office(time_limit=400) as office:
            for path, label, clock24 in made:
                check_file(office, path, label, clock24, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("typed times", checks))
