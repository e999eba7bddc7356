// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <filesystem>

#include "app/demo_seed.h"
#include "format/clock.h"
#include "store/posix_file_system.h"
#include "store/store_error.h"

// Prepares the demonstration folder that `make run` opens: seeds it on first use only.
int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: verdimark-demo-seed FOLDER\n");
    return 2;
  }
  try {
    std::filesystem::create_directories(argv[1]);
    vm::store::PosixFileSystem fs;
    vm::store::FileTable files(fs, argv[1]);
    const vm::format::SystemClock clock;
    if (vm::app::seedDemonstrationData(files, clock))
      std::printf("Demonstration data written to %s (user %s %s, password %s)\n", argv[1],
                  vm::app::kDemoUserFirst, vm::app::kDemoUserLast, vm::app::kDemoPassword);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "verdimark-demo-seed: %s\n", e.what());
    return 1;
  }
  return 0;
}
