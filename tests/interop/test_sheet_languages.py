"""Time sheets made in German, French and Spanish, opened in LibreOffice as
.ods: the title, the row labels, the day names, the money headings, the
list's error title and the button caption read in the sheet's language; the
document's Basic CopyTimes, which finds the day columns by their names,
copies Monday's times to Tuesday; and the day's total is computed.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

# The default sheet (Monday to Friday, one week, one shift) in each language,
# written out by hand: cell -> text.
EXPECTED = {
    "de": {"C1": "Wöchentlicher Stundenzettel", "C11": "Beginn", "C12": "Ende",
           "C14": "Mittag", "C15": "Sonstige\nPausen", "C16": "Summe", "C18": "Normal",
           "C19": "Überstd.", "C20": "Krank", "C21": "Urlaub",
           "O14": "Geplante Stunden gesamt", "P14": "Satz(\u20ac)", "Q14": "Lohn(\u20ac)",
           "F11": "Summe", "I4": "Mitarbeiter:", "D25": "Unterschrift Mitarbeiter",
           "days": ["Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag"],
           "error": "Hinweis", "button": "Wie Vortag"},
    "fr": {"C1": "Feuille de temps hebdomadaire", "C11": "Début", "C12": "Fin",
           "C14": "Déjeuner", "C15": "Autres\npauses", "C16": "Total", "C18": "Normales",
           "C19": "H. sup.", "C20": "Maladie", "C21": "Congés",
           "O14": "Heures prévues au total", "P14": "Taux(\u20ac)", "Q14": "Total(\u20ac)",
           "F11": "Total", "I4": "Employé\u00a0:", "D25": "Signature de l'employé",
           "days": ["Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi"],
           "error": "Information", "button": "Comme la veille"},
    "es": {"C1": "Hoja de horas semanal", "C11": "Entrada", "C12": "Salida",
           "C14": "Almuerzo", "C15": "Otras\npausas", "C16": "Total", "C18": "Normales",
           "C19": "H. extra", "C20": "Enfermedad", "C21": "Vacaciones",
           "O14": "Total de horas previstas", "P14": "Tarifa(\u20ac)", "Q14": "Total(\u20ac)",
           "F11": "Total", "I4": "Empleado:", "D25": "Firma del empleado",
           "days": ["Lunes", "Martes", "Miércoles", "Jueves", "Viernes"],
           "error": "Información", "button": "Igual al anterior"},
}

EIGHT, FIVE_THIRTY, HALF_HOUR = 8 / 24, 17.5 / 24, 0.5 / 24


def check_sheet(office, path, language, want, failures):
    doc, _ = office.load(path, MacroExecutionMode=4)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % language):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        cell = sheet.getCellRangeByName
        for at, text in want.items():
            if at[0].isupper() and at[1:].isdigit():
                failures.check(cell(at).getString() == text, "%s: %s reads %r, expected %r" % (
                    language, at, cell(at).getString(), text))
        days = [cell("%s9" % c).getString() for c in "EGIKM"]
        failures.check(days == want["days"], "%s: row 9 reads %r" % (language, days))
        title = cell("E11").Validation.ErrorTitle
        failures.check(title == want["error"], "%s: the list's error title is %r" % (
            language, title))
        captions = sorted({b[0] for b in wc.lo_buttons(sheet)})
        failures.check(captions == [want["button"]], "%s: buttons read %r" % (language, captions))

        cell("E11").setValue(EIGHT)
        cell("E12").setValue(FIVE_THIRTY)
        cell("E14").setValue(HALF_HOUR)
        wc.run_copy_times(doc, 2)
        doc.calculateAll()
        copied = [cell(at).getValue() for at in ("G11", "G12", "G14")]
        failures.check(all(wc.close(a, b) for a, b in zip(copied, [EIGHT, FIVE_THIRTY, HALF_HOUR])),
                       "%s: CopyTimes gave %r" % (language, copied))
        for at in ("E16", "G16"):
            total = cell(at).getValue()
            failures.check(wc.close(total, 9), "%s: %s totals %r hours" % (language, at, total))
    finally:
        doc.close(True)


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-sheet-languages-") as tmp:
        env = wc.private_env(tmp)
        made = []
        for language, want in EXPECTED.items():
            path = os.path.join(tmp, language + ".ods")
            try:
                wc.generate(program, path, ["--language", language], env)
                made.append((path, language, want))
            except RuntimeError as e:
                failures.check(False, str(e))
        with Office(time_limit=300) as office:
            for path, language, want in made:
                check_sheet(office, path, language, want, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("sheet languages", checks))
