// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/open_link.h"

#include <gtest/gtest.h>

#include "support/expect_box.h"
#include "support/scripted_dialogs.h"

namespace vm::ui {
namespace {

using print::InstallValues;
using print::LinkKind;

TEST(OpenLink, EmptyAddressesOpenTheMakersMailAndWebSite) {
  test::ScriptedDialogs dialogs;
  InstallValues install;
  std::vector<QUrl> opened;
  const UrlOpener record = [&](const QUrl& url) {
    opened.push_back(url);
    return true;
  };
  EXPECT_TRUE(OpenLink(LinkKind::Mail, nullptr, "", install, dialogs, record));
  EXPECT_TRUE(OpenLink(LinkKind::Web, nullptr, "", install, dialogs, record));
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0].scheme(), "mailto");
  EXPECT_EQ(opened[0].path().toStdString(), install.email);
  EXPECT_EQ(opened[1].scheme(), "http");
  EXPECT_EQ(opened[1].host().toStdString(), install.webHost);
  EXPECT_TRUE(dialogs.shown().empty());
}

TEST(OpenLink, APreparedMessageKeepsItsSubjectAndLineBreaks) {
  test::ScriptedDialogs dialogs;
  QUrl opened;
  OpenLink(LinkKind::Mail, nullptr,
           "?subject='Verdimark' - Training&body=Hello.%0D%0A%0D%0ALet me know.", InstallValues{},
           dialogs, [&](const QUrl& url) {
             opened = url;
             return true;
           });
  EXPECT_EQ(opened.scheme(), "mailto");
  EXPECT_TRUE(opened.path().isEmpty());
  const QString query = opened.query(QUrl::FullyDecoded);
  EXPECT_TRUE(query.startsWith("subject='Verdimark' - Training&body=Hello.\r\n\r\nLet me know."))
      << query.toStdString();
}

TEST(OpenLink, AFailedLinkIsReported) {
  test::ScriptedDialogs dialogs;
  dialogs.answer(Answer::Ok);
  EXPECT_FALSE(OpenLink(LinkKind::Web, nullptr, "", InstallValues{}, dialogs,
                        [](const QUrl&) { return false; }));
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_TRUE(test::isBox(dialogs.lastMessage(),
                          {"Error", "Could not establish a connection!", MessageIcon::Critical}));
}

}  // namespace
}  // namespace vm::ui
