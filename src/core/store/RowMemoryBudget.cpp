#include "store/RowMemoryBudget.h"

#include "store/PacketCodec.h"

#include <string>

namespace kelvora {

RowMemoryBudget::RowMemoryBudget(std::size_t inputBytes)
    : limit_(kRowMemoryFloor + kRowMemoryPerInputByte * inputBytes) {}

void RowMemoryBudget::add(std::size_t bytes) {
    used_ += bytes;
    if (used_ > limit_)
        throw PacketFormatError("its rows would need more than " + std::to_string(limit_ >> 20) +
                                " MiB of memory, more than Kelvora allows for a file of this size");
}

void RowMemoryBudget::reserveRows(std::size_t rows) {
    if (rows > limit_ / sizeof(Row)) add(limit_ + 1);
    add(rows * sizeof(Row));
}

void RowMemoryBudget::addSlots(std::size_t bytes) {
    add(bytes);
}

void RowMemoryBudget::addText(std::size_t bytes) {
    // Short texts live inside the string itself (counted with the slots).
    if (bytes >= sizeof(std::string) / 2) add(bytes + 1);
}

} // namespace kelvora
