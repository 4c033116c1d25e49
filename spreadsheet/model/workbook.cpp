#include "spreadsheet/model/workbook.h"

#include <cctype>

#include "spreadsheet/model/error.h"

namespace spreadsheet {

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

Workbook::Workbook() : palette_(defaultPalette()), styles_(defaultFont_) {}

Worksheet* Workbook::findSheet(const std::string& name) {
  for (auto& s : sheets_)
    if (sameName(s->name(), name)) return s.get();
  return nullptr;
}

const Worksheet* Workbook::findSheet(const std::string& name) const {
  for (const auto& s : sheets_)
    if (sameName(s->name(), name)) return s.get();
  return nullptr;
}

int Workbook::sheetIndex(const Worksheet& s) const {
  for (std::size_t i = 0; i < sheets_.size(); ++i)
    if (sheets_[i].get() == &s) return static_cast<int>(i);
  return -1;
}

Worksheet& Workbook::addSheet(const std::string& name) {
  if (name.empty() || name.size() > 31)
    throw Error("A sheet name must have 1 to 31 characters.");
  if (name.find_first_of(":\\/?*[]") != std::string::npos)
    throw Error("The sheet name \"" + name + "\" contains a character that is not allowed.");
  if (findSheet(name)) throw Error("That name is already taken. Try a different one.");
  sheets_.push_back(std::make_unique<Worksheet>(*this, name));
  return *sheets_.back();
}

void Workbook::removeSheet(std::size_t index) {
  if (index >= sheets_.size()) throw Error("Subscript out of range");
  if (sheets_.size() == 1) throw Error("A workbook must contain at least one visible worksheet.");
  sheets_.erase(sheets_.begin() + static_cast<std::ptrdiff_t>(index));
}

const DefinedName* Workbook::findName(const std::string& name, int sheetScope) const {
  for (const DefinedName& n : names_)
    if (n.sheetScope == sheetScope && sameName(n.name, name)) return &n;
  return nullptr;
}

void Workbook::setDefaultFont(const Font& f) {
  defaultFont_ = f;
  styles_.setDefaultFont(f);
}

}  // namespace spreadsheet
