// Build-time tool: the macro module with the day-column tables filled in.
// Usage: fill_macro_tables IN.bas OUT.bas
#include <cstdio>
#include <fstream>
#include <sstream>

#include "resources/macro_tables.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fill_macro_tables IN.bas OUT.bas\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  std::ofstream out(argv[2], std::ios::binary);
  out << macro_tables::Fill(source.str(), false);  // the template's sheet is not protected
  if (!in || !out) {
    std::fprintf(stderr, "fill_macro_tables: cannot read %s or write %s\n", argv[1], argv[2]);
    return 1;
  }
  return 0;
}
