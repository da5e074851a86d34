// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/RowMemoryBudget.h"
#include "common/Translate.h"

#include "store/PacketCodec.h"

#include <cstdint>
#include <string>

namespace kelvora {

std::size_t RowMemoryBudget::limitFor(std::size_t inputBytes) {
    return kRowMemoryFloor + kRowMemoryPerInputByte * inputBytes;
}

RowMemoryBudget::RowMemoryBudget(std::size_t inputBytes) : limit_(limitFor(inputBytes)) {}

RowMemoryBudget RowMemoryBudget::counting() {
    RowMemoryBudget budget(0);
    budget.limit_ = SIZE_MAX;
    return budget;
}

void RowMemoryBudget::checkFor(std::size_t inputBytes) const {
    RowMemoryBudget reader(inputBytes);
    if (used_ > reader.limit_) reader.refuse();
}

void RowMemoryBudget::refuse() const {
    throw PacketFormatError(
        fillIn(translate("PacketFormat", "its rows would need more than %1 MiB of memory, more "
                                         "than Kelvora allows for a file of this size"),
               {std::to_string(limit_ >> 20)}));
}

void RowMemoryBudget::reserveRows(std::size_t rows) {
    if (rows > (limit_ - used_) / sizeof(Row)) refuse();
    used_ += rows * sizeof(Row);
}

} // namespace kelvora
