// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/link_target.h"

#include <gtest/gtest.h>

namespace vm::print {
namespace {

TEST(LinkTarget, EmptyAddressesGoToTheMaker) {
  InstallValues install;
  install.email = "help@maker.example";
  install.webHost = "www.maker.example";
  EXPECT_EQ(linkTarget(LinkKind::Mail, "", install), "mailto:help@maker.example");
  EXPECT_EQ(linkTarget(LinkKind::Web, "", install), "http://www.maker.example");
}

TEST(LinkTarget, GivenAddressesAreUsedAsTheyAre) {
  const InstallValues install;
  EXPECT_EQ(linkTarget(LinkKind::Mail, "ann@office.example", install), "mailto:ann@office.example");
  EXPECT_EQ(linkTarget(LinkKind::Mail, "?subject=Hi&body=Look", install),
            "mailto:?subject=Hi&body=Look");
  EXPECT_EQ(linkTarget(LinkKind::Web, "www.other.example/page", install),
            "http://www.other.example/page");
}

}  // namespace
}  // namespace vm::print
