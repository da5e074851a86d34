// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/FieldDef.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvora {

class Packet;

// What a table may hold. The readers refuse a file that breaks one of these
// rules, so the same rules are applied when a value is set (View) and again
// by every writer before it writes a byte: Kelvora never writes a file that
// it would refuse to read.
//
// - a text is well-formed UTF-8, and a text field's value is no longer than
//   the field's width in characters;
// - a float is a finite number; an integer a whole number that fits 32 bits;
// - the rows fit the memory a reader allows for a file of their size
//   (RowMemoryBudget).
class TableRules {
public:
    // What is wrong with `text` as a value of `field`, as the words that
    // follow "holds" in a reader's message; "" when nothing is.
    static std::string textProblem(const FieldDef& field, std::string_view text);
    // The same for a number of a float or integer field (a NaN is the empty
    // value and always allowed).
    static std::string numberProblem(const FieldDef& field, double value);
    // Refuses (PacketFormatError "field 'x' of row N holds ...") a packet
    // holding a value that breaks a rule.
    static void checkValues(const Packet& packet);
    // Refuses (PacketFormatError with the reader's message) a packet whose
    // rows a reader would not give room for when read from `encodedBytes`
    // bytes.
    static void checkMemory(const Packet& packet, std::size_t encodedBytes);

    // "field 'x' of row N" as the messages name a value; `row` counts from 0.
    static std::string place(const FieldDef& field, std::size_t row);
};

} // namespace kelvora
