#pragma once
#include <array>
#include <optional>
#include <string_view>

// Every text the layout writes into the sheet, once per language the sheet
// can be made in: labels, day names, the lists' validation texts and the
// button's caption. English is the sheet as it has always been.
namespace generator {

enum class SheetLanguage { English, German, French, Spanish };

struct SheetTexts {
  std::string_view word;  // "en": the command line's and the summary's name
  std::string_view name;  // "Deutsch": the language by its own name
  std::string_view title;
  // Header placeholders and labels; city, state and zip make "[City, State, ZIP]".
  std::string_view companyName, address1, address2;
  std::string_view city, state, zip;
  std::string_view employeeName, managerName, weekStarting, weekEnding;
  std::string_view employeeSignature, managerSignature, date;
  // Row captions of the grid and the pay columns.
  std::string_view start, end, lunch, otherBreaks, total;
  std::string_view regular, overtime, sick, vacation;
  // The money headings are these words with the currency: "Rate($)", "Total($)".
  std::string_view totalHoursScheduled, rate, pay;
  // Sunday .. Saturday, in row 9: the macros find a day's columns by its name.
  std::array<std::string_view, 7> days;
  // The time lists' validation: the error's title, and the messages of the
  // start/end lists and of the break lists.
  std::string_view validationTitle, timeMessage, breakMessage;
  std::string_view buttonCaption;
  // The button's message when no earlier day holds times, and its title.
  std::string_view noDataMessage, informationTitle;
};

inline constexpr std::array<SheetLanguage, 4> kSheetLanguages{
    SheetLanguage::English, SheetLanguage::German, SheetLanguage::French, SheetLanguage::Spanish};

// The four tables, header-only so that the macro sources can be filled from
// them at build time and when a workbook is written.
namespace sheet_text_tables {

// "[Address 1] " keeps the space the English sheet has always had.
inline constexpr SheetTexts kEnglish{
    .word = "en",
    .name = "English",
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
    .rate = "Rate",
    .pay = "Total",
    .days = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"},
    .validationTitle = "Information",
    .timeMessage = "You must select time from the list on the right.",
    .breakMessage =
        "You must enter time in following format 00:30  (or choose it from the list "
        "on the right).",
    .buttonCaption = "Same as Previous",
    .noDataMessage = "There is no data to copy.",
    .informationTitle = "Information",
};

inline constexpr SheetTexts kGerman{
    .word = "de",
    .name = "Deutsch",
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
    .otherBreaks = "Sonstige\nPausen",
    .total = "Summe",
    .regular = "Normal",
    .overtime = "Überstd.",
    .sick = "Krank",
    .vacation = "Urlaub",
    .totalHoursScheduled = "Geplante Stunden gesamt",
    .rate = "Satz",
    .pay = "Lohn",
    .days = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"},
    .validationTitle = "Hinweis",
    .timeMessage = "Bitte wählen Sie eine Uhrzeit aus der Liste rechts.",
    .breakMessage =
        "Bitte geben Sie die Dauer im Format 00:30 ein (oder wählen Sie sie aus der "
        "Liste rechts).",
    .buttonCaption = "Wie Vortag",
    .noDataMessage = "Es gibt keine Daten zum Kopieren.",
    .informationTitle = "Information",
};

// French sets a no-break space before a colon.
inline constexpr SheetTexts kFrench{
    .word = "fr",
    .name = "Fran\u00e7ais",
    .title = "Feuille de temps hebdomadaire",
    .companyName = "[Nom de l'entreprise]",
    .address1 = "[Adresse 1]",
    .address2 = "[Adresse 2]",
    .city = "Ville",
    .state = "Région",
    .zip = "CP",
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
    .overtime = "H. sup.",
    .sick = "Maladie",
    .vacation = "Congés",
    .totalHoursScheduled = "Heures prévues au total",
    .rate = "Taux",
    .pay = "Total",
    .days = {"Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi"},
    .validationTitle = "Information",
    .timeMessage = "Choisissez une heure dans la liste à droite.",
    .breakMessage = "Saisissez la durée au format 00:30 (ou choisissez-la dans la liste à droite).",
    .buttonCaption = "Comme la veille",
    .noDataMessage = "Il n'y a aucune donn\u00e9e \u00e0 copier.",
    .informationTitle = "Information",
};

inline constexpr SheetTexts kSpanish{
    .word = "es",
    .name = "Espa\u00f1ol",
    .title = "Hoja de horas semanal",
    .companyName = "[Nombre de la empresa]",
    .address1 = "[Dirección 1]",
    .address2 = "[Dirección 2]",
    .city = "Ciudad",
    .state = "Provincia",
    .zip = "C.P.",
    .employeeName = "Empleado:",
    .managerName = "Responsable:",
    .weekStarting = "Semana del:",
    .weekEnding = "Semana al:",
    .employeeSignature = "Firma del empleado",
    .managerSignature = "Firma del responsable",
    .date = "Fecha",
    .start = "Entrada",
    .end = "Salida",
    .lunch = "Almuerzo",
    .otherBreaks = "Otras\npausas",
    .total = "Total",
    .regular = "Normales",
    .overtime = "H. extra",
    .sick = "Enfermedad",
    .vacation = "Vacaciones",
    .totalHoursScheduled = "Total de horas previstas",
    .rate = "Tarifa",
    .pay = "Total",
    .days = {"Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado"},
    .validationTitle = "Información",
    .timeMessage = "Seleccione una hora de la lista de la derecha.",
    .breakMessage =
        "Introduzca la duración con el formato 00:30 (o elíjala de la lista de la derecha).",
    .buttonCaption = "Igual al anterior",
    .noDataMessage = "No hay datos que copiar.",
    .informationTitle = "Informaci\u00f3n",
};

}  // namespace sheet_text_tables

constexpr const SheetTexts& SheetTextsOf(SheetLanguage language) {
  switch (language) {
    case SheetLanguage::German:
      return sheet_text_tables::kGerman;
    case SheetLanguage::French:
      return sheet_text_tables::kFrench;
    case SheetLanguage::Spanish:
      return sheet_text_tables::kSpanish;
    case SheetLanguage::English:
      break;
  }
  return sheet_text_tables::kEnglish;
}

// "en", "de", "fr", "es"; nullopt for any other word.
constexpr std::optional<SheetLanguage> SheetLanguageOfWord(std::string_view word) {
  for (SheetLanguage language : kSheetLanguages)
    if (SheetTextsOf(language).word == word) return language;
  return std::nullopt;
}

// The language whose day names include `dayName`; nullopt when none does.
constexpr std::optional<SheetLanguage> SheetLanguageOfDayName(std::string_view dayName) {
  for (SheetLanguage language : kSheetLanguages)
    for (std::string_view day : SheetTextsOf(language).days)
      if (day == dayName) return language;
  return std::nullopt;
}

}  // namespace generator
