// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/install_values_file.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(InstallValuesFile, KeysInTheDataFolderOverrideTheBuiltInValues) {
  vm::test::TempFolder folder;
  const QString path = QString::fromStdString(folder.str());
  const vm::print::InstallValues builtIn = vm::ui::loadInstallValues(path);
  EXPECT_FALSE(builtIn.accessCode.empty());

  folder.write("Verdimark.ini",
               "[Installation]\nAccessCode=Open Sesame 7\nEmail=help@training.example\n");
  const vm::print::InstallValues v = vm::ui::loadInstallValues(path);
  EXPECT_EQ(v.accessCode, "Open Sesame 7");
  EXPECT_EQ(v.email, "help@training.example");
  EXPECT_EQ(v.webHost, builtIn.webHost);
}
