// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's manual page from the text its --help prints from.
#include <cstdio>
#include <fstream>

#include "app/command_line.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: verdimark-manual-page FILE VERSION DATE\n");
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << vm::app::manualPage(vm::app::commandLineText(), argv[2], argv[3]);
  out.close();
  if (!out) {
    std::fprintf(stderr, "verdimark-manual-page: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
