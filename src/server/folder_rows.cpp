// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/folder_rows.h"

#include "server/change_lines.h"
#include "server/copy_rows.h"
#include "server/row_writes.h"
#include "store/field_codec.h"
#include "store/file.h"

namespace vm::server {
namespace {

std::string wholeFile(store::FileSystem& fs, const std::string& path) {
  if (!fs.exists(path)) return {};
  const store::File file(fs, path, store::FileSystem::Mode::Read);
  std::string bytes(file.size(), '\0');
  bytes.resize(file.read(0, bytes));
  return bytes;
}

}  // namespace

std::int64_t copyFileRows(Connection& c, store::FileTable& folder, const TableShape& shape,
                          const std::function<void()>& step, const store::ChangeAuthor* author) {
  if (!folder.exists(shape.file)) return 0;
  const store::OpenFile file(folder, shape.file);
  CopyRows copy(c, shape.table, copyColumns(shape));
  folder.scan(shape.file, 1, file.count(), [&](std::int32_t, std::span<const char> record) {
    copyRow(copy, shape, record, author);
    if (step) step();
    return true;
  });
  return copy.finish();
}

std::int64_t copyRenewalRows(Connection& c, store::FileTable& folder) {
  namespace L = store::layout::renewal;
  constexpr auto kRenewals = store::DataFile::Renewals;
  if (!folder.exists(kRenewals)) return 0;
  const store::OpenFile file(folder, kRenewals);
  CopyRows copy(c, "renewals", "(course_id, months, reserved)");
  folder.scan(kRenewals, 1, file.count(), [&](std::int32_t, std::span<const char> record) {
    copy.row(3);
    copy.add(store::codec::getDouble(record, L::CourseID));
    copy.add(store::codec::getInt16(record, L::Months));
    copy.bytes(store::codec::rawText(record, L::Reserved));
    return true;
  });
  return copy.finish();
}

std::int64_t copyLogLines(Connection& c, store::FileTable& folder, std::string_view file,
                          std::string_view table) {
  addLogLines(c, table, wholeFile(folder.fileSystem(), folder.pathOf(file)));
  return c.exec("SELECT count(*) FROM " + std::string(table)).getInt64(0, 0);
}

}  // namespace vm::server
