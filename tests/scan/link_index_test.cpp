// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/link_index.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "format/automation_date.h"
#include "store/field_codec.h"
#include "store/link_rule.h"

using vm::store::sameLink;

TEST(LinkIndex, ARecordIsTheListedPersonsItsPersonIdLinksTo) {
  const double stamp = vm::format::toAutomationDate({2004, 3, 15, 14, 7, 9});
  const double inf = std::numeric_limits<double>::infinity();
  const std::vector<double> values = {stamp,
                                      std::nextafter(stamp, 1e9),
                                      stamp + 1.0 / 86400,
                                      0.0,
                                      -0.0,
                                      1e20,
                                      1.5e-5,
                                      -3,
                                      inf,
                                      -inf,
                                      std::nan(""),
                                      123456789012345678.0};
  std::vector<double> rows = values;
  rows.push_back(stamp);  // a second person created in the same second
  rows.push_back(std::nan(""));
  rows.push_back(std::nan(""));

  vm::scan::LinkIndex index(rows);
  std::vector<char> record(300, ' ');
  for (double v : values) {
    vm::store::codec::putDouble(record, vm::store::layout::training::PersonID, v);
    for (int pass = 0; pass < 2; ++pass) {  // learnt, then known by its bytes
      const int slot = index.find(record);
      for (std::size_t row = 0; row < rows.size(); ++row)
        EXPECT_EQ(slot == index.slotOfRow(row), sameLink(v, rows[row]))
            << v << " row " << row << " pass " << pass;
    }
  }
  EXPECT_EQ(index.slotOfRow(0), index.slotOfRow(values.size()));
  EXPECT_NE(index.slotOfRow(rows.size() - 1), index.slotOfRow(rows.size() - 2));
}
