// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/title_texts.h"

namespace vm::access {
namespace {

std::string numberOrNothing(int n) { return n == 0 ? std::string() : std::to_string(n); }

}  // namespace

std::string versionText(int major, int minor, int revision) {
  return "Version w" + numberOrNothing(major) + "." + numberOrNothing(minor) + "." +
         numberOrNothing(revision);
}

std::optional<std::string> screenResolutionWarning(std::string_view title, int width, int height) {
  if (width >= 800) return std::nullopt;
  const std::string name(title);
  const std::string lines[] = {
      name + " is designed for use on a",
      "screen resolution of at least 800x600. ",
      "",
      name + " will not display correctly on",
      "your current screen resolution (" + std::to_string(width) + "x" + std::to_string(height) +
          ").",
      "",
      "You can adjust your screen resolution by",
      "right-clicking anywhere on your desktop,",
      "select <Properties>, then <Settings>,",
      "and then select and accept at least",
      "800x600 as your 'Screen Area'.",
  };
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  return text;
}

}  // namespace vm::access
