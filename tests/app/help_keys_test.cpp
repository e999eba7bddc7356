// SPDX-License-Identifier: GPL-3.0-or-later
// Every window that has help opens the help viewer on its own topic, by F1 and by its help
// button, and that topic has its text.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <map>

#include "app/window_catalogue.h"
#include "ui/button/pellam_button.h"
#include "ui/help/help_menu.h"
#include "ui/help/help_topics.h"

namespace vm::test {
namespace {

// The topic each window opens on, by its caption in the help topics menu.
const std::map<std::string, QString> kTopics = {
    {"main window, full access", "The 'Name List' Tab"},
    {"main window, Course Index tab", "The 'Course Index' Tab"},
    {"main window, Search & Summary tab", "The 'Search/Summary' Tab"},
    {"main window, training matrix panel", "The 'Training Matrix' Window"},
    {"main window, renewals panel", "The 'Renewals' Window"},
    {"training matrix", "The 'Training Matrix' Window"},
    {"renewals view", "The 'Renewals' Window"},
    {"renewal periods", "Renewal Periods"},
    {"renewal periods, read only", "Renewal Periods"},
    {"change log viewer", "The 'Change Log' Window"},
    {"import window", "Spreadsheets: Import and Export"},
};

struct Opened {
  int topic = 0;
  QWidget* over = nullptr;
};

TEST(HelpKeys, F1AndTheHelpButtonOpenEachWindowsTopic) {
  for (const auto& [name, caption] : kTopics) {
    SCOPED_TRACE(name);
    OpenWindow w(name);
    std::vector<Opened> opened;
    w.app().state.showHelp = [&](QWidget* owner) {
      opened.push_back({w.app().state.HelpTopic, owner->window()});
    };
    w.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTest::mouseClick(w.control<ui::PellamButton>("cmdHelp"), Qt::LeftButton);

    ASSERT_EQ(opened.size(), 2u);
    const auto items = ui::help::helpMenuItems(w.app().state.install);
    for (const Opened& o : opened) {
      EXPECT_EQ(o.over, w.window());
      ASSERT_TRUE(o.topic >= 1 && o.topic <= static_cast<int>(items.size())) << o.topic;
      const ui::help::HelpMenuItem& item = items[static_cast<std::size_t>(o.topic - 1)];
      EXPECT_EQ(item.caption.trimmed(), caption);
      EXPECT_TRUE(item.showsText());
      EXPECT_GT(ui::helpTopicText(item.number, w.app().state.install).size(), 400);
    }
  }
}

}  // namespace
}  // namespace vm::test
