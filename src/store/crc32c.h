// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>

namespace vm::store {

// The CRC-32C (Castagnoli) checksum of the bytes, as iSCSI and ext4 use it: it finds every change
// of up to three bits and every burst of up to 32, so any one byte changed is found.
std::uint32_t crc32c(std::string_view bytes);

}  // namespace vm::store
