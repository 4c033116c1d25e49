"""Payslips worked out by hand, computed by LibreOffice in .xls, .xlsx and .ods
sheets made with the command line: under an overtime rule a day of breaks
alone counts 0, so the total row is regular plus overtime; 2.5 overtime
hours at 23.25 pay 58.13; rates show their cents; without a rule the total
row still counts such a day; a week starting on Monday starts on a Monday
and ends, over two weeks, on the second Sunday; a German sheet shows its
dates with dots and its money in euros.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

ENDINGS = (".xls", ".xlsx", ".ods")
DAILY8 = ["--overtime", "daily:8"]

# label, flags, cells typed (text as at the keyboard), then cell -> (value,
# shown text) worked out by hand; None where either is not checked. Default
# days: Monday..Friday in E..M, totals O, rate P, pay Q.
CASES = [
    ("negative-day", DAILY8,
     {"E11": "9:00 AM", "E12": "10:00 AM", "E14": "2:00",   # one hour less a 2-hour lunch
      "G11": "8:00 AM", "G12": "5:00 PM",                   # nine hours
      "I14": "0:30", "P18": "15.50"},                       # a lunch alone
     {"E16": (0, "0.00"), "G16": (9, "9.00"), "I16": (0, "0.00"),
      "O16": (9, "9.00"), "O18": (8, "8.00"), "O19": (1, "1.00"),
      "P18": (15.5, "$15.50"), "P19": (23.25, "$23.25"),
      "Q18": (124, None), "Q19": (23.25, None)}),
    ("half-cent", DAILY8,
     {"E11": "8:00 AM", "E12": "6:30 PM", "P18": "15.50"},
     {"E16": (10.5, "10.50"), "O18": (8, "8.00"), "O19": (2.5, "2.50"),
      "P19": (23.25, "$23.25"), "Q18": (124, None), "Q19": (58.13, None)}),
    ("no-rule", [],
     {"E11": "9:00 AM", "E12": "10:00 AM", "E14": "2:00", "G11": "8:00 AM", "G12": "5:00 PM",
      "P18": "15.50", "E18": "8"},
     {"E16": (-1, "-1.00"), "O16": (8, "8.00"), "P18": (15.5, "$15.50"), "Q18": (124, None)}),
    ("monday-first", ["--first-day", "mon", "--weeks", "2"], {},
     {"R4": (38502, "5/30/2005"), "E10": (38502, "5/30/2005"), "M10": (38506, "6/3/2005"),
      "O10": (38509, "6/6/2005"), "R5": (38515, "6/12/2005")}),
    ("german", ["--language", "de"],
     {"E11": "22:00", "E12": "06:00", "P18": "15.5"},
     {"F12": (8, "8.00"), "R4": (38501, "29.5.2005"), "E10": (38502, "30.5.2005"),
      "P18": (15.5, "\u20ac 15.50")}),
]


def check_sheet(office, path, label, case, failures):
    _, _, typed, wanted = case
    doc, _ = office.load(path)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % label):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        for ref, text in typed.items():
            sheet.getCellRangeByName(ref).setFormula(text)
        doc.calculateAll()
        for ref, (value, text) in sorted(wanted.items()):
            cell = sheet.getCellRangeByName(ref)
            got = (cell.getValue(), cell.getString())
            failures.check((value is None or wc.close(got[0], value)) and
                           (text is None or got[1] == text),
                           "%s: %s is %r, by hand %r" % (label, ref, got, (value, text)))
    finally:
        doc.close(True)


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-payslips-") as tmp:
        made = wc.generate_each(program, tmp, wc.private_env(tmp), CASES, ENDINGS, failures)
        with Office(time_limit=400) as office:
            for path, label, case in made:
                check_sheet(office, path, label, case, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("payslips", checks))
