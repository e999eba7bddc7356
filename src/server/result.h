// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vm::server {

// The rows a statement returned, every value in the server's binary form, and the number of rows
// a command touched. Rows and columns count from 0.
class Result {
 public:
  struct Handle;
  explicit Result(Handle* handle);
  ~Result();
  Result(Result&&) noexcept;
  Result& operator=(Result&&) noexcept;

  int rows() const;
  int columns() const;
  // The rows an INSERT, UPDATE, DELETE or COPY touched.
  std::int64_t affected() const;

  bool isNull(int row, int column) const;
  // The value's bytes as the server sent them.
  std::string_view raw(int row, int column) const;

  double getDouble(int row, int column) const;
  float getSingle(int row, int column) const;
  std::int16_t getInt16(int row, int column) const;
  std::int32_t getInt32(int row, int column) const;
  std::int64_t getInt64(int row, int column) const;
  bool getBool(int row, int column) const;
  std::string getText(int row, int column) const { return std::string(raw(row, column)); }

 private:
  friend class Connection;
  std::string_view sized(int row, int column, std::size_t bytes) const;

  std::unique_ptr<Handle> handle_;
};

}  // namespace vm::server
