// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RowMemoryBudget.h"

#include "store/PacketCodec.h"

#include <string>

namespace kelvora {

RowMemoryBudget::RowMemoryBudget(std::size_t inputBytes)
    : limit_(kRowMemoryFloor + kRowMemoryPerInputByte * inputBytes) {}

void RowMemoryBudget::refuse() const {
    throw PacketFormatError("its rows would need more than " + std::to_string(limit_ >> 20) +
                            " MiB of memory, more than Kelvora allows for a file of this size");
}

void RowMemoryBudget::reserveRows(std::size_t rows) {
    if (rows > (limit_ - used_) / sizeof(Row)) refuse();
    used_ += rows * sizeof(Row);
}

} // namespace kelvora
