// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "format/automation_date.h"
#include "store/record_layouts.h"

// What the benches of passes over Training.Records share.
namespace vm::bench {

// What any reader of the file pays: every byte read once, in large blocks, and one field of each
// record looked at so that nothing is left out. The yardstick of every pass.
inline std::uint64_t plainRead(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY);
  std::vector<char> block(256 * 1024);
  std::uint64_t sum = 0;
  for (;;) {
    const ssize_t got = ::read(fd, block.data(), block.size());
    if (got <= 0) break;
    for (ssize_t at = 0; at < got; at += store::layout::training::kLength)
      sum += static_cast<unsigned char>(block[static_cast<std::size_t>(at)]);
  }
  ::close(fd);
  return sum;
}

// The persons of a large Name List: their `DateCreated` stamps a minute apart.
inline std::vector<double> listedPersons(int count) {
  std::vector<double> persons;
  for (int p = 0; p < count; ++p)
    persons.push_back(format::toAutomationDate({2001, 1, 1, 8, 0, 0}) + p * 61 / 86400.0);
  return persons;
}

}  // namespace vm::bench
