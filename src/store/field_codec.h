#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/record_layouts.h"

namespace vm::store::codec {

// Little-endian puts and gets of single fields, independent of the host's byte order.

// Windows-1252 text padded with spaces or cut to the field's width.
void putText(std::span<char> record, layout::Field f, std::string_view utf8);
std::string getText(std::span<const char> record, layout::Field f);
// The raw bytes of a text field, for scans that compare without converting.
std::string_view rawText(std::span<const char> record, layout::Field f);

void putDouble(std::span<char> record, layout::Field f, double v);
double getDouble(std::span<const char> record, layout::Field f);

void putSingle(std::span<char> record, layout::Field f, float v);
float getSingle(std::span<const char> record, layout::Field f);

void putInt16(std::span<char> record, layout::Field f, std::int16_t v);
std::int16_t getInt16(std::span<const char> record, layout::Field f);

}  // namespace vm::store::codec
