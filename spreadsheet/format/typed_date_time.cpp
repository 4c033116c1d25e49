#include "spreadsheet/format/typed_date_time.h"

#include <array>
#include <cctype>
#include <string>

#include "spreadsheet/format/date_serial.h"

namespace spreadsheet::format {

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}
char lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// A cursor over the typed text.
struct Scanner {
  std::string_view s;
  std::size_t i = 0;

  bool done() const { return i == s.size(); }
  bool peek(char c) const { return i < s.size() && s[i] == c; }
  bool take(char c) {
    if (!peek(c)) return false;
    ++i;
    return true;
  }
  void skipSpaces() {
    while (peek(' ')) ++i;
  }
  // Up to maxDigits digits; -1 when there are none.
  long number(int maxDigits, int* count = nullptr) {
    long n = 0;
    int k = 0;
    while (i < s.size() && isDigit(s[i]) && k < maxDigits) n = n * 10 + (s[i++] - '0'), ++k;
    if (count) *count = k;
    if (k == 0 || (i < s.size() && isDigit(s[i]))) return -1;
    return n;
  }
  // A month name, full or its first three letters; 0 when there is none.
  int monthName() {
    static const std::array<const char*, 12> names = {
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    std::size_t start = i;
    std::string word;
    while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) word += lower(s[i++]);
    for (int m = 0; m < 12; ++m) {
      std::string full = names[m];
      if (word == full || (word.size() == 3 && full.compare(0, 3, word) == 0)) return m + 1;
    }
    i = start;
    return 0;
  }
};

// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
int fullYear(long y, int digits) {
  if (digits > 2) return static_cast<int>(y);
  return static_cast<int>(y < 30 ? 2000 + y : 1900 + y);
}

long readYear(Scanner& sc) {
  int digits = 0;
  long y = sc.number(4, &digits);
  if (y < 0 || digits == 3) return -1;
  return fullYear(y, digits);
}

struct DatePart {
  long serial;
  const char* format;
};

// m/d/y, m-d-y and y-m-d with numbers.
std::optional<DatePart> numericDate(Scanner& sc) {
  std::size_t start = sc.i;
  int firstDigits = 0;
  long first = sc.number(4, &firstDigits);
  if (first < 0 || !(sc.peek('/') || sc.peek('-'))) return sc.i = start, std::nullopt;
  char sep = sc.s[sc.i++];
  long second = sc.number(2);
  if (second < 0 || !sc.take(sep)) return sc.i = start, std::nullopt;
  long year, month, day;
  if (firstDigits == 4) {
    year = first, month = second, day = sc.number(2);
  } else {
    month = first, day = second, year = readYear(sc);
  }
  if (firstDigits == 3 || day < 0 || year < 0) return sc.i = start, std::nullopt;
  auto serial =
      serialOfDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
  if (!serial) return sc.i = start, std::nullopt;
  return DatePart{*serial, "m/d/yyyy"};
}

// d-mmm-y ("29-May-2005", "29 May 05") and mmm d, y ("May 29, 2005").
std::optional<DatePart> namedMonthDate(Scanner& sc) {
  std::size_t start = sc.i;
  long day = -1, year = -1;
  int month = sc.monthName();
  if (month) {
    sc.skipSpaces();
    day = sc.number(2);
    if (!sc.take(',') && !sc.take('-') && !sc.take('/') && !sc.peek(' ')) day = -1;
    sc.skipSpaces();
  } else {
    day = sc.number(2);
    if (!sc.take('-') && !sc.take('/') && !sc.take(' ')) day = -1;
    month = sc.monthName();
    if (!sc.take('-') && !sc.take('/') && !sc.take(' ')) month = 0;
  }
  if (day >= 0 && month) year = readYear(sc);
  auto serial =
      year < 0 ? std::nullopt : serialOfDate(static_cast<int>(year), month, static_cast<int>(day));
  if (!serial) return sc.i = start, std::nullopt;
  return DatePart{*serial, "d-mmm-yy"};
}

struct TimePart {
  long seconds;
  const char* format;
};

// "AM", "PM", "A", "P" in any case; 0 none, 1 am, 2 pm.
int readMeridiem(Scanner& sc) {
  std::size_t start = sc.i;
  sc.skipSpaces();
  if (sc.done()) return sc.i = start, 0;
  char c = lower(sc.s[sc.i]);
  if (c != 'a' && c != 'p') return sc.i = start, 0;
  ++sc.i;
  if (sc.i < sc.s.size() && lower(sc.s[sc.i]) == 'm') ++sc.i;
  return c == 'a' ? 1 : 2;
}

std::optional<TimePart> timeOfDay(Scanner& sc) {
  std::size_t start = sc.i;
  long h = sc.number(4), m = 0, s = -1;
  bool minutes = false;
  if (h >= 0 && sc.take(':')) {
    minutes = true;
    m = sc.number(2);
    if (m >= 0 && sc.take(':')) s = sc.number(2);
    if (m < 0 || (s < 0 && sc.s[sc.i - 1] == ':')) h = -1;
  }
  int meridiem = h >= 0 ? readMeridiem(sc) : 0;
  if (h < 0 || m > 59 || s > 59 || (!minutes && !meridiem) || (meridiem && h > 12))
    return sc.i = start, std::nullopt;
  if (meridiem) h = h % 12 + (meridiem == 2 ? 12 : 0);
  long total = h * 3600 + m * 60 + (s < 0 ? 0 : s);
  const char* format = meridiem  ? (s < 0 ? "h:mm AM/PM" : "h:mm:ss AM/PM")
                       : h >= 24 ? "[h]:mm:ss"
                       : s < 0   ? "h:mm"
                                 : "h:mm:ss";
  return TimePart{total, format};
}

}  // namespace

std::optional<TypedInput> recognizeDateTime(std::string_view s) {
  Scanner sc{s};
  std::optional<DatePart> date = numericDate(sc);
  if (!date) date = namedMonthDate(sc);
  if (date && sc.done())
    return TypedInput{CellValue(static_cast<double>(date->serial)), date->format};
  if (date) sc.skipSpaces();
  std::optional<TimePart> time = timeOfDay(sc);
  if (!time || !sc.done()) return std::nullopt;
  double fraction = static_cast<double>(time->seconds) / 86400.0;
  if (!date) return TypedInput{CellValue(fraction), time->format};
  if (time->seconds >= 86400) return std::nullopt;
  return TypedInput{CellValue(static_cast<double>(date->serial) + fraction), "m/d/yyyy h:mm"};
}

}  // namespace spreadsheet::format
