// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_rule.h"

#include <gtest/gtest.h>

#include "print/recording_surface.h"

namespace vm::print {
namespace {

TEST(PrintRule, RunsFromItsStartToAtLeastItsEndAndEndsTheLine) {
  RecordingSurface surface;
  surface.setFont(FontSpec{"Arial", 9.0});
  surface.setCurrentY(2.0);
  PrintRule(surface, 0.5, 7.5);

  const auto texts = surface.texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text.find_first_not_of('_'), std::string::npos);
  EXPECT_DOUBLE_EQ(texts[0].x, 0.5);
  const double end = 0.5 + surface.textWidth(texts[0].text);
  EXPECT_GE(end, 7.5);
  EXPECT_LT(end - surface.textWidth("_"), 7.5);  // not one underscore more than needed
  EXPECT_DOUBLE_EQ(surface.currentX(), 0.0);
  EXPECT_NEAR(surface.currentY(), 2.0 + surface.textHeight("_"), 1e-9);
}

TEST(PrintRule, UnderlinesWhatIsAlreadyOnTheLine) {
  RecordingSurface surface;
  surface.setCurrentY(1.0);
  surface.setCurrentX(0.5);
  surface.print("Course Code");
  PrintRule(surface, 0.5, 7.5);
  const auto texts = surface.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_DOUBLE_EQ(texts[1].y, texts[0].y);
  EXPECT_DOUBLE_EQ(texts[1].x, 0.5);
}

TEST(PrintRule, AnEmptySpanStillPrintsOneUnderscore) {
  RecordingSurface surface;
  PrintRule(surface, 3.0, 3.0);
  ASSERT_EQ(surface.texts().size(), 1u);
  EXPECT_EQ(surface.texts()[0].text, "_");
}

// A printer whose long runs come out narrower than their characters one by one.
class KerningSurface : public RecordingSurface {
 public:
  double textWidth(std::string_view text) const override {
    const double width = RecordingSurface::textWidth(text);
    return text.size() > 1 ? width * 0.9 : width;
  }
};

TEST(PrintRule, ReachesTheEndWhenRunsAreNarrowerThanTheirParts) {
  KerningSurface surface;
  PrintRule(surface, 0.5, 7.5);
  double end = 0.5;
  for (const auto& piece : surface.texts()) end += surface.textWidth(piece.text);
  EXPECT_GE(end, 7.5);
  EXPECT_GT(surface.texts().size(), 1u);
}

}  // namespace
}  // namespace vm::print
