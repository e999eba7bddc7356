// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace vm::print {

// Values fixed for one installation: the administrator access code and the maker's contact
// details shown on the title window, in the help and used by the mail and web links. The
// built-in values below serve until the installation's settings file in the data folder
// overrides them.
struct InstallValues {
  std::string accessCode = "TRAIN-2024";
  std::string makerName = "Pellam Software";
  std::string addressLine1 = "418 Quarry Ridge Road, Suite 200";
  std::string addressLine2 = "Millbrook, OH 45999";
  std::string email = "support@pellamsoftware.example";
  std::string webHost = "www.pellamsoftware.example";
  std::string downloadPath = "/downloads/verdimark-setup.zip";  // on webHost
};

}  // namespace vm::print
