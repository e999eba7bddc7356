#include "store/change_log/change_log_export.h"

#include <filesystem>

#include "store/change_log/change_log_reader.h"
#include "store/store_error.h"

namespace vm::store {
namespace {

constexpr std::size_t kChunk = 1 << 20;

std::string csvRow(std::initializer_list<std::string_view> cells) {
  std::string row;
  for (const std::string_view cell : cells) {
    if (!row.empty()) row += ',';
    row += csvCell(cell);
  }
  return row + "\r\n";
}

}  // namespace

std::string csvCell(std::string_view cell) {
  const bool quote = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                     (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
  if (!quote) return std::string(cell);
  std::string out = "\"";
  for (const char c : cell) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + '"';
}

std::int64_t exportChangeLog(FileSystem& fs, const std::string& logPath, const ChangeFilter& filter,
                             const std::string& csvPath) {
  const std::string staged = csvPath + ".$$$";
  const FileSystem::Handle h = fs.open(staged, FileSystem::Mode::Replace);
  std::int64_t rows = 0;
  bool open = true;
  try {
    std::string chunk =
        "\xEF\xBB\xBF" + csvRow({"Date and Time", "User", "Action", "Record", "Details"});
    std::uint64_t written = 0;
    const auto flush = [&] {
      fs.write(h, written, chunk);
      written += chunk.size();
      chunk.clear();
    };
    ChangeLogReader reader(fs, logPath);
    reader.readOlder([&](std::string_view line, LinePlace) {
      if (!filter.matches(line)) return true;
      const ChangeEntry e = parseChangeLine(line);
      chunk += csvRow({e.when, e.user, e.action, e.record, e.details});
      ++rows;
      if (chunk.size() >= kChunk) flush();
      return true;
    });
    flush();
    fs.sync(h);
    open = false;  // a close that fails has released the handle all the same
    fs.close(h);
  } catch (const StoreError&) {
    try {
      if (open) fs.close(h);
    } catch (const StoreError&) {
    }
    try {
      fs.remove(staged);
    } catch (const StoreError&) {
    }
    throw;
  }
  try {
    fs.rename(staged, csvPath);
    const std::string folder = std::filesystem::path(csvPath).parent_path().string();
    fs.syncFolder(folder.empty() ? "." : folder);
  } catch (const StoreError&) {
    try {
      fs.remove(staged);
    } catch (const StoreError&) {
    }
    throw;
  }
  return rows;
}

}  // namespace vm::store
