// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "print/install_values.h"

namespace vm::print {

enum class LinkKind { Mail = 1, Web = 2 };

// The text handed to the shell for a mail or web link: "mailto:" or "http://" followed by the
// address, or by the maker's e-mail address or web host when the address is empty. A mail
// address may carry "?subject=" and "&body=" parts (or be those parts alone, for a message
// without a recipient).
std::string linkTarget(LinkKind kind, std::string_view address, const InstallValues& install);

}  // namespace vm::print
