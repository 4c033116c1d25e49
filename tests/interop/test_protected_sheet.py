"""A default sheet made with --protect (Monday to Friday, one week, one shift),
read by third parties. LibreOffice (.ods and .xls): the sheet is protected,
entering a value into a computed cell is refused and into an input cell
accepted, and in
the .ods the button over day 2 still copies day 1 and the sheet is protected
again afterwards; the VBA CopyTimes of the .xls and the .xlsm lifts the
protection and puts it back. openpyxl (.xlsx and .xlsm): the protection and
the locks.

Skips (exit 0) when the program cannot generate."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import openpyxl  # noqa: E402

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

# Days in E:N; start and end in rows 11 and 12, breaks 14 and 15, daily total
# 16, kinds of hours 18 to 21; total hours O, rate P, pay Q; week start R4:S4.
LOCKED = {"E11": False, "E12": False, "E14": False, "G15": False, "E18": False,
          "M21": False, "P18": False, "P21": False, "R4": False, "D4": False, "K5": False,
          "F12": True, "F15": True, "E16": True, "O18": True, "Q18": True, "R5": True,
          "E9": True, "E10": True, "C11": True, "AC201": True}
EIGHT_AM, FIVE_PM = 1 / 3, 17 / 24


def entered(sheet, name, value):
    """Enters `value` through the cell range's data, which LibreOffice checks
    against the protection as it checks typing (setFormula and setValue do not);
    returns the cell's formula after."""
    cell = sheet.getCellRangeByName(name)
    try:
        cell.setDataArray(((value,),))
    except Exception:
        pass  # a locked cell of a protected sheet: refused
    return cell.getFormula()


def check_in_libreoffice(office, path, failures):
    # Macros run only where the test runs one: the .ods.
    doc, _ = office.load(path, MacroExecutionMode=4 if path.endswith(".ods") else 0)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % path):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        failures.check(sheet.isProtected(), "%s: the sheet is not protected" % path)
        if not path.endswith(".ods"):
            _, source = wc.basic_module(doc, "Module1")
            failures.check(source is not None and "ActiveSheet.Unprotect" in source and
                           "ActiveSheet.Protect\n" in source.replace("\r\n", "\n"),
                           "%s: the VBA CopyTimes does not lift the protection" % path)
        if path.endswith(".xlsm"):
            return
        for name, locked in LOCKED.items():
            got = sheet.getCellRangeByName(name).CellProtection.IsLocked
            failures.check(got == locked, "%s: %s locked %r" % (path, name, got))
        before = sheet.getCellRangeByName("F12").getFormula()
        failures.check(entered(sheet, "F12", 5) == before,
                       "%s: entering a number into the hours formula F12 was accepted" % path)
        failures.check(entered(sheet, "P18", 15) == "15",
                       "%s: entering a rate into P18 was refused" % path)
        if not path.endswith(".ods"):
            return
        _, source = wc.basic_module(doc, "Module1")
        failures.check(source is not None and 'oSheet.unprotect("")' in source,
                       "%s: the Basic CopyTimes does not lift the protection" % path)
        sheet.getCellRangeByName("E11").setValue(EIGHT_AM)
        sheet.getCellRangeByName("E12").setValue(FIVE_PM)
        wc.run_copy_times(doc, 2)
        for row, want in ((11, EIGHT_AM), (12, FIVE_PM)):
            got = sheet.getCellRangeByName("G%d" % row).getValue()
            failures.check(wc.close(got, want), "%s: CopyTimes 2 left G%d at %r" % (path, row, got))
        failures.check(sheet.isProtected(), "%s: CopyTimes left the sheet unprotected" % path)
    finally:
        doc.close(True)


def check_with_openpyxl(path, failures):
    sheet = openpyxl.load_workbook(path, keep_vba=path.endswith(".xlsm")).worksheets[0]
    failures.check(sheet.protection.sheet, "%s: the sheet is not protected" % path)
    failures.check(not sheet.protection.password, "%s: a password was set" % path)
    for name, locked in LOCKED.items():
        got = sheet[name].protection.locked
        failures.check(got == locked, "%s: %s locked %r" % (path, name, got))


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory() as tmp:
        env = wc.private_env(tmp)
        base = os.path.join(tmp, "protected")
        for ending in (".ods", ".xls", ".xlsx", ".xlsm"):
            wc.generate(program, base + ending, ["--protect"], env)
        for ending in (".xlsx", ".xlsm"):
            check_with_openpyxl(base + ending, failures)
        with Office() as office:
            for ending in (".ods", ".xls", ".xlsm"):
                check_in_libreoffice(office, base + ending, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("protected sheet", checks))
