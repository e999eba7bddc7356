// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/link_rule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format/number_text.h"

namespace {

using vm::store::linkKey;
using vm::store::sameLink;

// Whether two stamps link, asked both ways and through the keys the passes look records up by:
// the one rule, whichever of its two forms a reader or writer of links uses.
TEST(LinkRule, TwoStampsLinkWhenTheirFifteenDigitTextsAgreeAndNeitherIsNaN) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double stamp = 45123.4375;
  struct Case {
    double a, b;
    bool links;
  };
  const Case cases[] = {
      {stamp, stamp, true},
      {45123.51234567891, 45123.51234567893, true},  // alike in 15 digits, other bits
      {stamp, std::nextafter(stamp, 1e9), true},
      {45123.5123456789, 45123.5123456788, false},  // the 15th digit differs
      {45123.5123456789, 45123.5123456799, false},
      {stamp, stamp + 1.0 / 86400, false},           // one second apart
      {123456789012345.5, 123456789012346.0, true},  // halfway: to the even digit
      {123456789012344.5, 123456789012344.0, true},
      {123456789012344.5, 123456789012345.0, false},
      {-3.0, std::nextafter(-3.0, 0.0), true},
      {-3.0, 3.0, false},
      {1e20, std::nextafter(1e20, inf), true},
      {0.0, -0.0, true},
      {0.0, 1e-300, false},
      {inf, inf, true},
      {-inf, -inf, true},
      {inf, -inf, false},
      {inf, std::numeric_limits<double>::max(), false},
      {nan, nan, false},  // links to nothing, not even to itself
      {stamp, nan, false},
      {inf, nan, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sameLink(c.a, c.b), c.links) << c.a << " and " << c.b;
    EXPECT_EQ(sameLink(c.b, c.a), c.links) << c.b << " and " << c.a;
    const auto key = linkKey(c.a);
    EXPECT_EQ(key && key == linkKey(c.b), c.links) << c.a << " and " << c.b << " by key";
    if (!std::isnan(c.a) && !std::isnan(c.b)) {
      EXPECT_EQ(vm::format::generalNumber(c.a) == vm::format::generalNumber(c.b), c.links)
          << c.a << " and " << c.b << " as texts";
    }
  }
}

}  // namespace
