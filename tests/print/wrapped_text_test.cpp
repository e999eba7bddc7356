// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/wrapped_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "print/recording_surface.h"

namespace vm::print {
namespace {

using Event = RecordingSurface::Event;

// At 10 points the recording surface gives 0.08 inch per character and 0.16 inch per line.
constexpr double kLine = 0.16;

RecordingSurface tenPointSurface() {
  RecordingSurface surface;
  surface.setFont(FontSpec{"Arial", 10.0});
  return surface;
}

WrappedTextOptions helpOptions() {
  WrappedTextOptions options;
  options.heading = "Verdimark, Help Section: Overview";
  options.underlineHeading = true;
  return options;
}

std::string numberedLines(int count) {
  std::string text;
  for (int n = 1; n <= count; ++n) text += "Line " + std::to_string(n) + "\r\n";
  return text;
}

int countEvents(const RecordingSurface& surface, Event event) {
  int n = 0;
  for (const auto& e : surface.entries()) n += e.event == event;
  return n;
}

TEST(PrintWrappedText, OnePageTextHasItsHeadingUnderlinedAndNoFooter) {
  RecordingSurface surface = tenPointSurface();
  PrintWrappedText(surface, "First paragraph.\r\n\r\nSecond one.", helpOptions());

  const auto texts = surface.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "Verdimark, Help Section: Overview");
  EXPECT_DOUBLE_EQ(texts[0].x, 1.0);
  EXPECT_DOUBLE_EQ(texts[0].y, 1.0);
  EXPECT_TRUE(texts[0].font.underline);

  // An empty line under the heading, then the text from 1.0 inch, not underlined.
  EXPECT_EQ(texts[1].text, "First paragraph.");
  EXPECT_DOUBLE_EQ(texts[1].x, 1.0);
  EXPECT_NEAR(texts[1].y, 1.0 + 2 * kLine, 1e-9);
  EXPECT_FALSE(texts[1].font.underline);
  EXPECT_EQ(texts[2].text, "Second one.");
  EXPECT_NEAR(texts[2].y, 1.0 + 4 * kLine, 1e-9);

  EXPECT_EQ(countEvents(surface, Event::NewPage), 0);
  EXPECT_EQ(surface.entries().back().event, Event::EndDocument);
  EXPECT_FALSE(surface.font().underline);  // the caller's font is back
}

TEST(PrintWrappedText, ThreePageTextHasFootersFromPageTwoAndTheHeadingOnPageOne) {
  RecordingSurface surface = tenPointSurface();
  PrintWrappedText(surface, numberedLines(120), helpOptions());

  // Page 1 holds the heading and 47 lines (1.32 to 8.68 inches); page 2 holds 49 lines from
  // 1.0 inch; page 3 the remaining 24. A page ends after the first line that passes 8.8.
  int linesOnPage[4] = {};
  std::vector<RecordingSurface::Entry> footers;
  for (const auto& e : surface.texts()) {
    if (e.text.rfind("Line ", 0) == 0) ++linesOnPage[e.page];
    if (e.text.rfind("(page ", 0) == 0) footers.push_back(e);
  }
  EXPECT_EQ(linesOnPage[1], 47);
  EXPECT_EQ(linesOnPage[2], 49);
  EXPECT_EQ(linesOnPage[3], 24);

  ASSERT_EQ(footers.size(), 2u);
  EXPECT_EQ(footers[0].text, "(page 2)");
  EXPECT_EQ(footers[0].page, 2);
  EXPECT_DOUBLE_EQ(footers[0].x, 6.0);
  EXPECT_DOUBLE_EQ(footers[0].y, 9.2);
  EXPECT_EQ(footers[1].text, "(page 3)");
  EXPECT_EQ(footers[1].page, 3);

  const auto texts = surface.texts();
  EXPECT_EQ(texts.front().text, "Verdimark, Help Section: Overview");
  for (const auto& e : texts) {
    if (e.page > 1) {
      EXPECT_NE(e.text, "Verdimark, Help Section: Overview");
    }
  }
  // The first line of a later page starts at the top, at the left margin.
  const auto line48 =
      std::find_if(texts.begin(), texts.end(), [](const auto& e) { return e.text == "Line 48"; });
  ASSERT_NE(line48, texts.end());
  EXPECT_EQ(line48->page, 2);
  EXPECT_DOUBLE_EQ(line48->x, 1.0);
  EXPECT_DOUBLE_EQ(line48->y, 1.0);

  EXPECT_EQ(countEvents(surface, Event::NewPage), 2);
  EXPECT_EQ(countEvents(surface, Event::EndDocument), 1);
  EXPECT_EQ(texts.back().text, "(page 3)");
}

TEST(PrintWrappedText, HeadingOnEveryPageAndCentred) {
  RecordingSurface surface = tenPointSurface();
  WrappedTextOptions options = helpOptions();
  options.headingOnEveryPage = true;
  options.centreHeading = true;
  PrintWrappedText(surface, numberedLines(100), options);

  int headings = 0;
  for (const auto& e : surface.texts()) {
    if (e.text != options.heading) continue;
    ++headings;
    EXPECT_NEAR(e.x, 8.5 / 2 - surface.textWidth(options.heading) / 2, 1e-9);
    EXPECT_DOUBLE_EQ(e.y, 1.0);
  }
  EXPECT_EQ(headings, 3);  // 47 lines a page under a heading
}

TEST(PrintWrappedText, LinesBreakAtTheFirstBlankPastTheBreakZone) {
  RecordingSurface surface = tenPointSurface();
  std::string text;
  for (int n = 0; n < 40; ++n) text += "word ";
  PrintWrappedText(surface, text, WrappedTextOptions{});

  // From 1.0 inch the zone begins at 6.5 inches, after 69 characters; the blank after the
  // fourteenth word (the 70th character) ends the line and stays on it.
  std::string fourteenWords;
  for (int n = 0; n < 14; ++n) fourteenWords += "word ";
  const auto texts = surface.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, fourteenWords);
  EXPECT_EQ(texts[1].text, fourteenWords);
  EXPECT_DOUBLE_EQ(texts[1].x, 1.0);
  EXPECT_NEAR(texts[1].y, 1.0 + kLine, 1e-9);
  EXPECT_EQ(texts[2].text.size(), 60u);
}

TEST(PrintWrappedText, TextWithoutBlanksIsCutPastTheRightMarginAndAHalf) {
  RecordingSurface surface = tenPointSurface();
  PrintWrappedText(surface, std::string(200, 'x'), WrappedTextOptions{});

  // Cut as soon as x passes 8.0 inches: 88 characters from 1.0 inch.
  const auto texts = surface.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text.size(), 88u);
  EXPECT_EQ(texts[1].text.size(), 88u);
  EXPECT_EQ(texts[2].text.size(), 24u);
  EXPECT_GT(texts[0].x + surface.textWidth(texts[0].text), 8.0);
}

TEST(PrintWrappedText, LineEndsAloneGiveEmptyLines) {
  for (const std::string text : {"\r\n\r\n\r\n", "\n\n\n", "\r\r\r"}) {
    RecordingSurface surface = tenPointSurface();
    PrintWrappedText(surface, text, WrappedTextOptions{});
    EXPECT_TRUE(surface.texts().empty());
    EXPECT_EQ(countEvents(surface, Event::NewPage), 0);
  }
  // The lines after three line ends start three lines down, whichever the ending.
  for (const std::string text : {"a\r\n\r\n\r\nb", "a\n\n\nb"}) {
    RecordingSurface surface = tenPointSurface();
    PrintWrappedText(surface, text, WrappedTextOptions{});
    const auto texts = surface.texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NEAR(texts[1].y - texts[0].y, 3 * kLine, 1e-9);
  }
}

TEST(PrintWrappedText, CharactersBeyondAsciiAreKeptWhole) {
  RecordingSurface surface = tenPointSurface();
  PrintWrappedText(surface, "Café – Zoë", WrappedTextOptions{});
  ASSERT_EQ(surface.texts().size(), 1u);
  EXPECT_EQ(surface.texts()[0].text, "Café – Zoë");
}

TEST(PrintWrappedText, LeftOpenTheDocumentTakesMore) {
  RecordingSurface surface = tenPointSurface();
  WrappedTextOptions options;
  options.leaveDocumentOpen = true;
  PrintWrappedText(surface, "Part one.", options);
  EXPECT_TRUE(surface.documentOpen());
  EXPECT_EQ(countEvents(surface, Event::EndDocument), 0);
}

TEST(PrintWrappedText, EmptyTextOpensNoDocument) {
  RecordingSurface surface = tenPointSurface();
  PrintWrappedText(surface, "", helpOptions());
  EXPECT_TRUE(surface.entries().empty());
}

}  // namespace
}  // namespace vm::print
