// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/fault_text.h"

namespace vm::server {
namespace {

bool holds(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string withDetail(std::string message, std::string_view detail) {
  while (!detail.empty() && (detail.back() == '\n' || detail.back() == ' '))
    detail.remove_suffix(1);
  if (detail.empty()) return message;
  // The client library indents its lines of advice with a tab, which a box shows as a gap.
  message += "\n\n";
  for (std::size_t i = 0; i < detail.size(); ++i)
    if (detail[i] != '\t' || (i > 0 && detail[i - 1] != '\n')) message += detail[i];
  return message;
}

}  // namespace

Fault faultOfState(std::string_view s) {
  if (s == "53100") return Fault::DiskFull;
  if (s.starts_with("08") || s == "57P01" || s == "57P02" || s == "57P03")
    return Fault::ConnectionLost;
  if (s == "40001" || s == "40P01" || s == "55P03" || s == "57014") return Fault::Busy;
  if (s.starts_with("23") || s.starts_with("22")) return Fault::Refused;
  if (s == "42501") return Fault::NotPermitted;
  if (s == "28000" || s == "28P01") return Fault::LogInRefused;
  if (s == "3D000") return Fault::DatabaseMissing;
  return Fault::Failed;
}

Fault faultOfConnectFailure(std::string_view text) {
  // The server's words as it sends them, whatever the client's language.
  if (holds(text, "database \"") && holds(text, "\" does not exist")) return Fault::DatabaseMissing;
  if (holds(text, "authentication failed") || holds(text, "no pg_hba.conf entry") ||
      (holds(text, "role \"") && holds(text, "\" does not exist")) ||
      holds(text, "no password supplied") || holds(text, "password is required") ||
      holds(text, "permission denied for database") || holds(text, "not permitted to log in"))
    return Fault::LogInRefused;
  return Fault::CannotReach;
}

std::string faultMessage(Fault fault, std::string_view server, std::string_view detail,
                         bool commitInDoubt) {
  const std::string at = "The server \"" + std::string(server) + "\"";
  switch (fault) {
    case Fault::CannotReach:
      return withDetail(at + " cannot be reached.\nCheck the connection and that the server runs.",
                        detail);
    case Fault::LogInRefused:
      return withDetail(at + " refused the log-in.\nCheck the user name and the password.", detail);
    case Fault::DatabaseMissing:
      return withDetail(at + " has no such database.\nCheck the database name.", detail);
    case Fault::SchemaTooNew:
    case Fault::SchemaNotReady:
      return withDetail(at + " holds a database this copy of Verdimark cannot use.", detail);
    case Fault::DiskFull:
      return withDetail(at + " has no room left on its disk.\nNothing was changed.", detail);
    case Fault::ConnectionLost:
      return withDetail(at + " is no longer connected.\n" +
                            (commitInDoubt ? "Whether the last change was saved is not known."
                                           : "The change under way was not saved."),
                        detail);
    case Fault::Busy:
      return withDetail(
          at + " is busy with the same records for another user.\nNothing was changed; please "
               "try again.",
          detail);
    case Fault::Refused:
      return withDetail(at + " refused a value.\nNothing was changed.", detail);
    case Fault::NotPermitted:
      return withDetail(at + " does not allow this to the user of the connection.\nNothing was "
                             "changed.",
                        detail);
    case Fault::Failed:
      break;
  }
  return withDetail(at + " reported an error.\nNothing was changed.", detail);
}

}  // namespace vm::server
