// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vm::access {

// "Version w" + major "##" + "." + minor "##" + "." + revision "####". Those formats show
// nothing for 0, so 1.0.0 reads "Version w1..".
std::string versionText(int major, int minor, int revision);

// The lines of the warning about a screen narrower than 800 pixels (its height plays no
// part), naming the program by its title, joined by line breaks; nothing for a wide enough
// screen.
std::optional<std::string> screenResolutionWarning(std::string_view title, int width, int height);

}  // namespace vm::access
