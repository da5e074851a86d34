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
    void reserveRows(std::size_t rows); // the rows themselves, before any value
    void addSlots(std::size_t bytes);   // a row got its value slots
    void addText(std::size_t bytes);    // a text value beyond the short-string buffer
    std::size_t limit() const { return limit_; }

private:
    void add(std::size_t bytes);
    std::size_t limit_;
    std::size_t used_ = 0;
};

} // namespace kelvora
