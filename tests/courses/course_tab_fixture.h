// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "courses/course_files.h"
#include "courses/course_index_tab.h"
#include "support/fake_lobby.h"
#include "support/test_app.h"

namespace vm::test {

// A test application whose small main window holds the Course Index tab.
struct CourseTabFixture : ::testing::Test {
  TestApp app;
  std::unique_ptr<FakeLobby> lobby;
  courses::CourseIndexTab* tab = nullptr;

  // Writes Course.Index with these courses (none: no file), logs in at `level` and lists them as
  // the main window's first activation does.
  void open(const std::vector<CourseBytes>& courses, int level = 4) {
    if (!courses.empty()) app.folder.write("Course.Index", courseFile(courses));
    app.state.CurrentAccessLevel = level;
    lobby = std::make_unique<FakeLobby>(app);
    tab = lobby->hold(FakeLobby::kCourseIndex, new courses::CourseIndexTab(app.state, *lobby));
    lobby->activate();
  }
  ui::Grid& gridCourse() { return *tab->grid(); }
  std::string courses() { return app.folder.read("Course.Index"); }
};

}  // namespace vm::test
