// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "server/wire_values.h"

namespace vm::server {

// The parameters $1, $2, ... of one statement, in the server's binary form.
class Params {
 public:
  Params& add(double v) {
    return put(wire::kDouble, [&](std::string& s) { wire::appendDouble(s, v); });
  }
  Params& add(float v) {
    return put(wire::kSingle, [&](std::string& s) { wire::appendSingle(s, v); });
  }
  Params& add(std::int16_t v) {
    return put(wire::kInt16,
               [&](std::string& s) { wire::appendBig(s, static_cast<std::uint16_t>(v)); });
  }
  Params& add(std::int32_t v) {
    return put(wire::kInt32,
               [&](std::string& s) { wire::appendBig(s, static_cast<std::uint32_t>(v)); });
  }
  Params& add(std::int64_t v) {
    return put(wire::kInt64,
               [&](std::string& s) { wire::appendBig(s, static_cast<std::uint64_t>(v)); });
  }
  Params& add(bool v) {
    return put(wire::kBool, [&](std::string& s) { s += v ? '\1' : '\0'; });
  }
  // Text must be UTF-8 without a NUL character, as the server holds text.
  Params& text(std::string_view utf8) {
    return put(wire::kText, [&](std::string& s) { s = utf8; });
  }
  Params& bytes(std::string_view raw) {
    return put(wire::kBytes, [&](std::string& s) { s = raw; });
  }
  // One-dimensional arrays, for "= ANY($n)" and unnest($n).
  Params& int64s(std::span<const std::int64_t> vs) {
    return array(wire::kInt64Array, wire::kInt64, vs.size(), [&](std::string& s) {
      for (const std::int64_t v : vs) {
        wire::appendBig(s, std::uint32_t{8});
        wire::appendBig(s, static_cast<std::uint64_t>(v));
      }
    });
  }
  Params& doubles(std::span<const double> vs) {
    return array(wire::kDoubleArray, wire::kDouble, vs.size(), [&](std::string& s) {
      for (const double v : vs) {
        wire::appendBig(s, std::uint32_t{8});
        wire::appendDouble(s, v);
      }
    });
  }
  Params& null(wire::Type type) {
    values_.emplace_back();
    types_.push_back(type);
    nulls_.push_back(1);
    return *this;
  }
  // Text would otherwise turn into a bool.
  Params& add(const char*) = delete;

  std::size_t size() const { return values_.size(); }
  const std::string& value(std::size_t i) const { return values_[i]; }
  unsigned type(std::size_t i) const { return types_[i]; }
  bool isNull(std::size_t i) const { return nulls_[i] != 0; }

 private:
  template <typename Fill>
  Params& array(wire::Type type, wire::Type element, std::size_t count, Fill&& elements) {
    return put(type, [&](std::string& s) {
      wire::appendBig(s, std::uint32_t{1});  // dimensions
      wire::appendBig(s, std::uint32_t{0});  // no nulls
      wire::appendBig(s, std::uint32_t{element});
      wire::appendBig(s, static_cast<std::uint32_t>(count));
      wire::appendBig(s, std::uint32_t{1});  // counted from 1
      elements(s);
    });
  }

  template <typename Fill>
  Params& put(wire::Type type, Fill&& fill) {
    fill(values_.emplace_back());
    types_.push_back(type);
    nulls_.push_back(0);
    return *this;
  }

  std::vector<std::string> values_;
  std::vector<unsigned> types_;
  std::vector<char> nulls_;
};

}  // namespace vm::server
