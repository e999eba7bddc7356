// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_state.h"

#include "store/access_levels.h"

namespace vm::ui {
namespace {

template <typename List>
QStringList toStringList(const List& list) {
  QStringList out;
  for (std::string_view s : list)
    out << QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
  return out;
}

}  // namespace

AppState::AppState(store::FileTable& files, records::Records& records, Settings& settings,
                   Dialogs& dialogs, const format::Clock& clock, print::InstallValues install)
    : AccessLevelNames(toStringList(store::kAccessLevelNames)),
      files(files),
      records(records),
      settings(settings),
      dialogs(dialogs),
      clock(clock),
      install(std::move(install)) {}

void AppState::openHelp(QWidget* owner, int topic) {
  HelpTopic = topic;
  if (showHelp) showHelp(owner);
}

QString AppState::accessLevelName(int level) const {
  return level >= 1 && level <= AccessLevelNames.size() ? AccessLevelNames[level - 1] : QString();
}

QString AppState::pathOf(const QString& name) const {
  return QString::fromStdString(files.pathOf(name.toStdString()));
}

}  // namespace vm::ui
