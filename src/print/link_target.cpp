// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/link_target.h"

namespace vm::print {

std::string linkTarget(LinkKind kind, std::string_view address, const InstallValues& install) {
  if (kind == LinkKind::Mail)
    return "mailto:" + (address.empty() ? install.email : std::string(address));
  return "http://" + (address.empty() ? install.webHost : std::string(address));
}

}  // namespace vm::print
