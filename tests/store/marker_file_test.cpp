// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/marker_file.h"

#include <gtest/gtest.h>

#include <string>

#include "store/crc32c.h"

using namespace vm::store;

TEST(Crc32c, GivesTheKnownChecksums) {
  std::string ascending;
  for (int i = 0; i < 32; ++i) ascending += static_cast<char>(i);
  const std::pair<std::string, std::uint32_t> cases[] = {
      {"", 0},
      {"a", 0xC1D04330},
      {"123456789", 0xE3069283},
      {std::string(32, '\0'), 0x8A9136AA},
      {std::string(32, '\xFF'), 0x62A8AB43},
      {ascending, 0x46DD794E},
  };
  for (const auto& [bytes, sum] : cases) EXPECT_EQ(crc32c(bytes), sum) << bytes.size() << " bytes";
}

namespace {

const std::string kHeader = "Verdimark restore";
const std::string kText = kHeader + "\nput Name.List\nend\n";

}  // namespace

TEST(MarkerFile, AFileIsKnownByItsFirstLineAndItsChecksum) {
  const std::string checked = checkedText(kText);
  EXPECT_EQ(checked, "Verdimark checksum " + std::string("A65C19A3") + "\n" + kText);
  const struct {
    const char* name;
    std::string bytes;
    Found found;
    std::string text;
  } cases[] = {
      {"as written", checked, Found::Checked, kText},
      {"an older build's", kText, Found::Unchecked, kText},
      {"an older build's, cut short", kText.substr(0, 24), Found::Unchecked, kText.substr(0, 24)},
      {"empty", "", Found::CutShort, ""},
      {"cut in its header", kText.substr(0, 12), Found::CutShort, ""},
      {"cut in the checksum word", checked.substr(0, 15), Found::CutShort, ""},
      {"cut after the checksum word", checked.substr(0, 40), Found::Changed, ""},
      {"one byte more", checked + "x", Found::Changed, ""},
      {"not ours", "Someone else's file\nend\n", Found::Changed, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FoundMarker found = judgeMarkerBytes(c.bytes, kHeader);
    EXPECT_EQ(found.found, c.found);
    EXPECT_EQ(found.text, c.text);
  }
}

// Whichever byte of a file of ours changes, and to whatever, the file is refused: never obeyed,
// never taken for an older build's or for one cut short.
TEST(MarkerFile, AnyOneByteChangedIsFound) {
  const std::string checked = checkedText(kText);
  for (std::size_t at = 0; at < checked.size(); ++at) {
    for (const char to : {'\0', '\n', ' ', 'V', '0', 'A', '\xFF'}) {
      if (checked[at] == to) continue;
      std::string bytes = checked;
      bytes[at] = to;
      EXPECT_EQ(judgeMarkerBytes(bytes, kHeader).found, Found::Changed)
          << "byte " << at << " changed to " << static_cast<int>(to);
    }
  }
}
