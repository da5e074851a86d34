// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>

namespace kelvora {

// The memory the rows of one packet may take: 32 MiB, plus 6 bytes for every
// byte of its encoding. A packet whose rows would need more is refused, so
// that opening a file never takes more than a small multiple of its size
// (with the file itself and the program, under 64 MiB + 8 x its size).
inline constexpr std::size_t kRowMemoryFloor = 32u << 20;
inline constexpr std::size_t kRowMemoryPerInputByte = 6;

// Counts the memory of the rows a decoder builds and refuses a packet that
// would go over its limit (PacketFormatError).
class RowMemoryBudget {
public:
    explicit RowMemoryBudget(std::size_t inputBytes);
    // A budget without a limit, for a writer that counts while it encodes and
    // learns the size of its file at the end; checkFor() then decides.
    static RowMemoryBudget counting();
    // Refuses, as a reader of a file of `inputBytes` bytes would, the rows counted so far.
    void checkFor(std::size_t inputBytes) const;
    void reserveRows(std::size_t rows); // the rows themselves, before any value
    // A row got its value slots.
    void addSlots(std::size_t bytes) {
        used_ += bytes;
        if (used_ > limit_) refuse();
    }
    // A text value; short texts live inside the string itself (counted with the slots).
    void addText(std::size_t bytes) {
        if (bytes < kShortText) return;
        used_ += bytes + 1;
        if (used_ > limit_) refuse();
    }
    std::size_t limit() const { return limit_; }

private:
    static constexpr std::size_t kShortText = 16;
    static std::size_t limitFor(std::size_t inputBytes);
    [[noreturn]] void refuse() const;
    std::size_t limit_;
    std::size_t used_ = 0;
};

} // namespace kelvora
