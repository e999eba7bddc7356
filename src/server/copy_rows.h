// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "server/connection.h"

namespace vm::server {

// Rows sent to one table by COPY in the server's binary form, the fastest way in for many rows:
// values are added field by field, row by row, and sent in large pieces. Nothing is kept until
// finish() returns (and then only when the transaction commits); a writer dropped before finish()
// makes the server throw away what it received.
class CopyRows {
 public:
  // `columns`: "(name, name, ...)" in the order the values come.
  CopyRows(Connection& connection, std::string_view table, std::string_view columns);
  ~CopyRows();
  CopyRows(const CopyRows&) = delete;
  CopyRows& operator=(const CopyRows&) = delete;

  void row(int fields);
  void add(double v);
  void add(float v);
  void add(std::int16_t v);
  void add(bool v);
  void text(std::string_view utf8);
  void bytes(std::string_view raw);
  void null(unsigned type = 0);  // the type is the table's to know

  // Sends the rest and ends the copy; returns the rows copied.
  std::int64_t finish();

 private:
  void field(std::size_t length);
  void sendIfFull();

  Connection& connection_;
  std::string buffer_;
  std::int64_t rows_ = 0;
  bool open_ = true;
};

}  // namespace vm::server
