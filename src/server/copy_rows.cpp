// SPDX-License-Identifier: GPL-3.0-or-later
#include "server/copy_rows.h"

#include "server/wire_values.h"

namespace vm::server {
namespace {

// The signature, the flags and the length of the (empty) header extension.
constexpr std::string_view kHeader{"PGCOPY\n\377\r\n\0\0\0\0\0\0\0\0\0", 19};
constexpr std::size_t kPiece = 1 << 20;

}  // namespace

CopyRows::CopyRows(Connection& connection, std::string_view table, std::string_view columns)
    : connection_(connection) {
  connection_.startCopy("COPY " + std::string(table) + ' ' + std::string(columns) +
                        " FROM STDIN (FORMAT binary)");
  buffer_.reserve(kPiece + 4096);
  buffer_ = kHeader;
}

CopyRows::~CopyRows() {
  if (!open_) return;
  try {
    connection_.endCopy("the program stopped the copy");
  } catch (const ServerError&) {
    // Already on the way out with the failure that stopped the copy.
  }
}

void CopyRows::row(int fields) {
  sendIfFull();
  wire::appendBig(buffer_, static_cast<std::uint16_t>(fields));
  ++rows_;
}

void CopyRows::field(std::size_t length) {
  wire::appendBig(buffer_, static_cast<std::uint32_t>(length));
}

void CopyRows::add(double v) {
  field(8);
  wire::appendDouble(buffer_, v);
}

void CopyRows::add(float v) {
  field(4);
  wire::appendSingle(buffer_, v);
}

void CopyRows::add(std::int16_t v) {
  field(2);
  wire::appendBig(buffer_, static_cast<std::uint16_t>(v));
}

void CopyRows::add(bool v) {
  field(1);
  buffer_ += v ? '\1' : '\0';
}

void CopyRows::text(std::string_view utf8) {
  field(utf8.size());
  buffer_ += utf8;
}

void CopyRows::bytes(std::string_view raw) {
  field(raw.size());
  buffer_ += raw;
}

void CopyRows::null(unsigned) { wire::appendBig(buffer_, static_cast<std::uint32_t>(0xFFFFFFFF)); }

void CopyRows::sendIfFull() {
  if (buffer_.size() < kPiece) return;
  connection_.putCopyData(buffer_);
  buffer_.clear();
}

std::int64_t CopyRows::finish() {
  wire::appendBig(buffer_, static_cast<std::uint16_t>(0xFFFF));
  connection_.putCopyData(buffer_);
  buffer_.clear();
  open_ = false;
  connection_.endCopy();
  return rows_;
}

}  // namespace vm::server
