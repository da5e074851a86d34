// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>

namespace kelvora {

// CRC-32 (IEEE 802.3, as in zip and PNG), eight bytes per step.
std::uint32_t crc32(const void* data, std::size_t size, std::uint32_t crc = 0);

} // namespace kelvora
