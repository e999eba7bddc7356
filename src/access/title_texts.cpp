#include "access/title_texts.h"

#include "ui/app_title.h"

namespace vm::access {
namespace {

std::string numberOrNothing(int n) { return n == 0 ? std::string() : std::to_string(n); }

}  // namespace

std::string versionText(int major, int minor, int revision) {
  return "Version w" + numberOrNothing(major) + "." + numberOrNothing(minor) + "." +
         numberOrNothing(revision);
}

std::optional<std::string> screenResolutionWarning(int width, int height) {
  if (width >= 800) return std::nullopt;
  const std::string title = ui::kAppTitle;
  return title + " is designed for use on a\n" +
         "screen resolution of at least 800x600. \n" +
         "\n" +
         title + " will not display correctly on\n" +
         "your current screen resolution (" + std::to_string(width) + "x" +
         std::to_string(height) + ").\n" +
         "\n" +
         "You can adjust your screen resolution by\n" +
         "right-clicking anywhere on your desktop,\n" +
         "select <Properties>, then <Settings>,\n" +
         "and then select and accept at least\n" +
         "800x600 as your 'Screen Area'.";
}

}  // namespace vm::access
