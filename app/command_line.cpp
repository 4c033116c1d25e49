#include <cstdio>

#include "app/entry_points.h"

namespace tallyloom {

int runCommandLine(int, char**) {
  std::fprintf(stderr, "tallyloom: the command line is not built yet\n");
  return 2;
}

}  // namespace tallyloom
