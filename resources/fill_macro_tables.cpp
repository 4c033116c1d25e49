// Build-time tool: the macro module with the day-column tables and the day
// names of a sheet language filled in.
// Usage: fill_macro_tables IN.bas OUT.bas [LANGUAGE]   (en, de, fr, es; default en)
#include <cstdio>
#include <fstream>
#include <sstream>

#include "resources/macro_tables.h"

int main(int argc, char** argv) {
  const auto language = generator::SheetLanguageOfWord(argc == 4 ? argv[3] : "en");
  if ((argc != 3 && argc != 4) || !language) {
    std::fprintf(stderr, "usage: fill_macro_tables IN.bas OUT.bas [en|de|fr|es]\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  std::ofstream out(argv[2], std::ios::binary);
  // The template's sheet is not protected.
  out << macro_tables::Fill(source.str(), {*language, false}, macro_tables::Dialect::Vba);
  if (!in || !out) {
    std::fprintf(stderr, "fill_macro_tables: cannot read %s or write %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
