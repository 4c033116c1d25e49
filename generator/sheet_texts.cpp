#include "generator/sheet_texts.h"

namespace generator {

namespace {

// "[Address 1] " keeps the space the English sheet has always had.
constexpr SheetTexts kEnglish{
    .word = "en",
    .title = "Weekly Time Sheet",
    .companyName = "[Company Name]",
    .address1 = "[Address 1] ",
    .address2 = "[Address 2]",
    .city = "City",
    .state = "State",
    .zip = "ZIP",
    .employeeName = "Employee name:",
    .managerName = "Manager name:",
    .weekStarting = "Week starting:",
    .weekEnding = "Week ending:",
    .employeeSignature = "Employee signature",
    .managerSignature = "Manager signature",
    .date = "Date",
    .start = "Start",
    .end = "End",
    .lunch = "Lunch",
    .otherBreaks = "Other\nBreaks",
    .total = "Total",
    .regular = "Regular",
    .overtime = "Overtime",
    .sick = "Sick",
    .vacation = "Vacation",
    .totalHoursScheduled = "Total Hours Scheduled",
    .rate = "Rate($)",
    .pay = "Total($)",
    .days = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    .validationTitle = "Information",
    .timeMessage = "You must select time from the list on the right.",
    .breakMessage =
        "You must enter time in following format 00:30  (or choose it from the list "
        "on the right).",
    .buttonCaption = "Same as Previous",
};

constexpr SheetTexts kGerman{
    .word = "de",
    .title = "Wöchentlicher Stundenzettel",
    .companyName = "[Firmenname]",
    .address1 = "[Adresse 1]",
    .address2 = "[Adresse 2]",
    .city = "Ort",
    .state = "Bundesland",
    .zip = "PLZ",
    .employeeName = "Mitarbeiter:",
    .managerName = "Vorgesetzter:",
    .weekStarting = "Woche vom:",
    .weekEnding = "Woche bis:",
    .employeeSignature = "Unterschrift Mitarbeiter",
    .managerSignature = "Unterschrift Vorgesetzter",
    .date = "Datum",
    .start = "Beginn",
    .end = "Ende",
    .lunch = "Mittag",
    .otherBreaks = "Andere\nPausen",
    .total = "Summe",
    .regular = "Normal",
    .overtime = "Überstunden",
    .sick = "Krank",
    .vacation = "Urlaub",
    .totalHoursScheduled = "Geplante Stunden gesamt",
    .rate = "Satz($)",
    .pay = "Summe($)",
    .days = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
    .validationTitle = "Information",
    .timeMessage = "Bitte wählen Sie eine Uhrzeit aus der Liste rechts.",
    .breakMessage =
        "Bitte geben Sie die Zeit im Format 00:30 ein (oder wählen Sie sie aus der "
        "Liste rechts).",
    .buttonCaption = "Wie Vortag",
};

// French sets a no-break space before a colon.
constexpr SheetTexts kFrench{
    .word = "fr",
    .title = "Feuille de temps hebdomadaire",
    .companyName = "[Nom de l'entreprise]",
    .address1 = "[Adresse 1]",
    .address2 = "[Adresse 2]",
    .city = "Ville",
    .state = "Région",
    .zip = "Code postal",
    .employeeName = "Employé\u00a0:",
    .managerName = "Responsable\u00a0:",
    .weekStarting = "Semaine du\u00a0:",
    .weekEnding = "Semaine au\u00a0:",
    .employeeSignature = "Signature de l'employé",
    .managerSignature = "Signature du responsable",
    .date = "Date",
    .start = "Début",
    .end = "Fin",
    .lunch = "Déjeuner",
    .otherBreaks = "Autres\npauses",
    .total = "Total",
    .regular = "Normales",
    .overtime = "Heures sup.",
    .sick = "Maladie",
    .vacation = "Congés",
    .totalHoursScheduled = "Heures prévues au total",
    .rate = "Taux($)",
    .pay = "Total($)",
    .days = {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
    .validationTitle = "Information",
    .timeMessage = "Choisissez une heure dans la liste à droite.",
    .breakMessage = "Saisissez la durée au format 00:30 (ou choisissez-la dans la liste à droite).",
    .buttonCaption = "Comme la veille",
};

constexpr SheetTexts kSpanish{
    .word = "es",
    .title = "Hoja de horas semanal",
    .companyName = "[Nombre de la empresa]",
    .address1 = "[Dirección 1]",
    .address2 = "[Dirección 2]",
    .city = "Ciudad",
    .state = "Provincia",
    .zip = "Código postal",
    .employeeName = "Empleado:",
    .managerName = "Responsable:",
    .weekStarting = "Semana del:",
    .weekEnding = "Semana hasta:",
    .employeeSignature = "Firma del empleado",
    .managerSignature = "Firma del responsable",
    .date = "Fecha",
    .start = "Entrada",
    .end = "Salida",
    .lunch = "Almuerzo",
    .otherBreaks = "Otros\ndescansos",
    .total = "Total",
    .regular = "Normales",
    .overtime = "Horas extra",
    .sick = "Enfermedad",
    .vacation = "Vacaciones",
    .totalHoursScheduled = "Total de horas previstas",
    .rate = "Tarifa($)",
    .pay = "Total($)",
    .days = {"Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado"},
    .validationTitle = "Información",
    .timeMessage = "Seleccione una hora de la lista de la derecha.",
    .breakMessage =
        "Introduzca la hora con el formato 00:30 (o elíjala de la lista de la derecha).",
    .buttonCaption = "Igual que el anterior",
};

}  // namespace

const SheetTexts& SheetTextsOf(SheetLanguage language) {
  switch (language) {
    case SheetLanguage::German:
      return kGerman;
    case SheetLanguage::French:
      return kFrench;
    case SheetLanguage::Spanish:
      return kSpanish;
    case SheetLanguage::English:
      break;
  }
  return kEnglish;
}

std::optional<SheetLanguage> SheetLanguageOfWord(std::string_view word) {
  for (SheetLanguage language : kSheetLanguages)
    if (SheetTextsOf(language).word == word) return language;
  return std::nullopt;
}

}  // namespace generator
