"""Writes time sheets as .xls, .xlsx, .xlsm and .ods with the command line.
openpyxl reads the Office Open XML files; LibreOffice opens every new format
and must find the facts our reader finds in the .xls (cells and formula
values, merges, validations, names, page setup, buttons) with the sizes
LibreOffice gives the .xls. Then times are entered and the .ods's button for
day column 2 runs its bound script.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import format_checks as fc  # noqa: E402
import workbook_checks as wc  # noqa: E402
from test_generated_workbook import CONFIGURATIONS, check_first_day_hours, list_time  # noqa: E402

NEW_ENDINGS = (".xlsx", ".xlsm", ".ods")


def check_ods_button(office, path, failures):
    """Day 1's times, then the script of day column 2's button: day 2 gets the
    same times, as numbers, and the same daily total. Macros of this document
    are allowed by the load argument MacroExecutionMode = 4 (always, no
    warning), which changes nothing in the profile."""
    doc, _ = office.load(path, MacroExecutionMode=4)
    try:
        sheet = doc.Sheets.getByIndex(0)
        cell = sheet.getCellRangeByName
        cell("E11").setValue(list_time(9))   # 8:00 AM
        cell("E12").setValue(list_time(45))  # 5:00 PM
        cell("E14").setValue(30 / 1440)      # half an hour's lunch
        doc.calculateAll()
        scripts = fc.first_button_scripts(sheet)
        if not failures.check(len(scripts) == 1, "day column 2's button runs %r" % scripts):
            return
        failures.check("location=document" in scripts[0], "script %r is not the document's" % scripts[0])
        doc.getScriptProvider().getScript(scripts[0]).invoke((), (), ())
        doc.calculateAll()
        for row in (11, 12, 13, 14, 15):
            src, dst = cell("E%d" % row), cell("G%d" % row)
            failures.check(src.getType() == dst.getType() and wc.close(src.getValue(), dst.getValue()),
                           "G%d holds %r (%s), E%d %r (%s)" % (row, dst.getValue(), dst.getType().value,
                                                               row, src.getValue(), src.getType().value))
        failures.check(wc.close(cell("G16").getValue(), 8.5) and wc.close(cell("E16").getValue(), 8.5),
                       "daily totals E16 %r, G16 %r; expected 8.5" % (
                           cell("E16").getValue(), cell("G16").getValue()))
        failures.check(cell("G16").getFormula() != cell("E16").getFormula(),
                       "day 2's total %r sums day 1's cells" % cell("G16").getFormula())
        failures.check(cell("I11").getString() == "", "day 3 was changed: I11 %r" % cell("I11").getString())
    finally:
        doc.close(True)


def main():
    bin_dir = sys.argv[1]
    program = wc.usable_program(bin_dir)
    if program is None:
        return 0
    failures = wc.Failures()
    with tempfile.TemporaryDirectory(prefix="tallyloom-formats-") as tmp:
        env = wc.private_env(tmp)
        made = []
        for label, base, desc in wc.generated_workbooks(bin_dir, program, tmp, env, CONFIGURATIONS,
                                                        failures, (".xls",) + NEW_ENDINGS):
            for ending in (".xlsx", ".xlsm"):
                fc.check_with_openpyxl(base + ending, desc, failures)
            made.append((label, base, desc))
        with Office(time_limit=540) as office:
            for label, base, desc in made:
                doc, _ = office.load(base + ".xls")
                xls_sizes = fc.lo_sizes(doc.Sheets.getByIndex(0), desc["sheets"][0])
                # Cell looks once, on the default sheet: every cell is a UNO round trip.
                looks = fc.cell_looks(doc.Sheets.getByIndex(0), desc["sheets"][0]) if label == "default" else None
                doc.close(True)
                for ending in NEW_ENDINGS:
                    doc = fc.check_format(office, base + ending, desc, xls_sizes, failures, looks)
                    if doc is None:
                        continue
                    if label == "default":
                        sub = wc.Failures()
                        check_first_day_hours(doc, desc, sub)
                        failures.items += ["%s%s: %s" % (base, ending, i) for i in sub.items]
                    doc.close(True)
            if made and made[0][0] == "default":
                check_ods_button(office, made[0][1] + ".ods", failures)
    if failures.report("new formats"):
        print("new formats: all checks passed")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
