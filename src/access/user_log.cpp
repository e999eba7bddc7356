// SPDX-License-Identifier: GPL-3.0-or-later
#include "access/user_log.h"

#include <string>
#include <vector>

#include "format/cp1252.h"
#include "format/trim.h"
#include "store/data_files.h"
#include "store/durable_append.h"
#include "store/store_error.h"
#include "ui/app_state.h"
#include "ui/dialogs.h"

namespace vm::access {
namespace {

std::string logPath(const ui::AppState& state) { return state.files.pathOf(store::kUserLogName); }

// The whole line or nothing, flushed: a disk that fills up midway leaves no part of it.
void appendLine(const ui::AppState& state, const std::string& bytes) {
  store::FileSystem& fs = state.files.fileSystem();
  const store::FileSystem::Handle h = fs.open(logPath(state), store::FileSystem::Mode::ReadWrite);
  try {
    store::appendWhole(fs, h, fs.size(h), bytes, state.files.folder());
  } catch (const store::StoreError&) {
    fs.close(h);
    throw;
  }
  fs.close(h);
}

}  // namespace

bool WriteUserLog(ui::AppState& state, UserLogKind kind, QWidget* owner) {
  const format::DateTime date = state.clock.now();
  const format::DateTime time = state.clock.now();
  const std::string line =
      userLogLine(kind, date, time, state.CurrentUserName.toStdString(),
                  state.accessLevelName(state.CurrentAccessLevel).toStdString());
  try {
    appendLine(state, format::utf8ToCp1252(line) + "\r\n");
    return true;
  } catch (const store::StoreError& e) {
    const QString what = kind == UserLogKind::LogIn ? "log-in" : "log-out";
    state.dialogs.message(
        owner, ui::makeMessage("User Log Not Written",
                               "The 'User Log' could not be written to:\n" +
                                   QString::fromStdString(e.systemText()) + "\n\nThis " + what +
                                   " goes on without being recorded.",
                               ui::MessageIcon::Exclamation));
    return false;
  }
}

QString readUserLog(const ui::AppState& state) {
  store::FileSystem& fs = state.files.fileSystem();
  const std::string path = logPath(state);
  const store::FileSystem::Handle h = fs.open(path, store::FileSystem::Mode::Read);
  std::vector<char> bytes;
  try {
    bytes.resize(fs.size(h));
    bytes.resize(fs.read(h, 0, bytes));
  } catch (const store::StoreError&) {
    fs.close(h);
    throw;
  }
  fs.close(h);
  const std::string text = format::cp1252ToUtf8(std::string_view(bytes.data(), bytes.size()));
  return QString::fromStdString(format::trim(text));
}

}  // namespace vm::access
