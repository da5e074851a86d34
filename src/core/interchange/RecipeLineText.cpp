// SPDX-License-Identifier: GPL-3.0-or-later
#include "interchange/RecipeLineText.h"

#include "common/Translate.h"

#include "interchange/AmountText.h"
#include "interchange/ImportText.h"

#include <vector>

namespace kelvora {

namespace {
bool isUnit(const std::string& word) {
    const std::string w = ImportText::lowerAscii(word);
    return w == "%" || w == "g" || w == "gm" || w == "gr" || w == "gram" || w == "grams" || w == "gms";
}

// "3.00*" -> "3.00", noting the mark.
std::string withoutMark(std::string word, bool& marked) {
    while (!word.empty() && word.back() == '*') {
        word.pop_back();
        marked = true;
    }
    return word;
}

std::string join(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i < to; ++i)
        out += (out.empty() ? "" : " ") + words[i];
    return out;
}

// Dotted leaders ("Silica ........ 22") and an ellipsis become a blank.
std::string withoutLeaders(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i, 3) == "\xE2\x80\xA6") {
            out += ' ';
            i += 3;
        } else if (text.substr(i, 2) == "..") {
            while (i < text.size() && text[i] == '.')
                ++i;
            out += ' ';
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool isDash(const std::string& w) {
    return w == "-" || w == "\xE2\x80\x93" || w == "\xE2\x80\x94" || w == "to" || w == "tot";
}

std::string cleanName(std::string name, bool& marked) {
    name = ImportText::trim(name);
    name = withoutMark(std::move(name), marked);
    return ImportText::trim(name);
}
} // namespace

RecipeLineText RecipeLineText::parse(std::string_view line) {
    RecipeLineText out;
    std::string text = ImportText::trim(line);
    for (const char c : text)
        if (c >= '0' && c <= '9') out.hasDigit = true;
    // A bullet before the line is no part of it.
    for (const std::string_view bullet : {"- ", "\xE2\x80\xA2 ", "* "})
        if (text.substr(0, bullet.size()) == bullet) text = ImportText::trim(text.substr(bullet.size()));
    if (!text.empty() && text.front() == '+') {
        out.plus = true;
        text = ImportText::trim(text.substr(1));
    }

    if (text.find('\t') != std::string::npos) {
        // Columns: the name and then the first number ("Recipe", "Percent", "Batch").
        std::vector<std::string> cells;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('\t', start);
            if (end == std::string::npos) end = text.size();
            cells.push_back(ImportText::trim(text.substr(start, end - start)));
            start = end + 1;
        }
        for (const std::string& cell : cells) {
            std::vector<std::string> w = ImportText::words(cell);
            if (w.size() == 2 && isUnit(w[1])) w.pop_back();
            const std::string value = w.size() == 1 ? withoutMark(w[0], out.marked) : std::string();
            if (const auto amount = AmountText::parse(value); amount && !out.firstAmount) {
                out.firstAmount = amount;
            } else if (!value.empty() && !out.firstAmount && AmountText::isRange(value)) {
                out.unsettled =
                    fillIn(translate("Import", "bereik '%1' in plaats van één hoeveelheid"), {value});
            } else if (!value.empty() && AmountText::looksNumeric(value)) {
                if (!out.firstAmount && out.unsettled.empty())
                    out.unsettled = fillIn(translate("Import", "'%1' is geen getal"), {value});
            } else if (out.nameAfterFirst.empty() && !cell.empty()) {
                out.nameAfterFirst = cleanName(cell, out.marked);
            }
        }
        out.name = out.nameAfterFirst;
        if (out.firstAmount)
            out.unsettled.clear();
        else if (out.unsettled.empty())
            out.unsettled = kNoAmount;
        return out;
    }

    std::vector<std::string> w = ImportText::words(withoutLeaders(text));
    // "50 g", "32 %": the unit belongs to the number before it.
    if (w.size() >= 2 && isUnit(w.back()) && AmountText::parse(w[w.size() - 2])) {
        if (w.back() == "%") w[w.size() - 2] += "%";
        w.pop_back();
    }
    if (w.size() >= 2 && w[1] == "%" && AmountText::parse(w[0])) {
        w[0] += "%";
        w.erase(w.begin() + 1);
    }
    if (w.empty()) {
        out.unsettled = kNoAmount;
        return out;
    }
    const std::size_t n = w.size();
    // Ranges: "1-4", "1 - 4", "0.5-2%" at either end.
    auto rangeAt = [&](std::size_t i) { return i < n && AmountText::isRange(w[i]); };
    auto spacedRange = [&](std::size_t i) {
        return i + 2 < n && AmountText::parse(w[i]) && isDash(w[i + 1]) && AmountText::parse(w[i + 2]);
    };
    if (rangeAt(0) || rangeAt(n - 1) || spacedRange(0) || (n >= 3 && spacedRange(n - 3))) {
        const bool atStart = rangeAt(0) || spacedRange(0);
        const std::size_t width = (atStart ? rangeAt(0) : rangeAt(n - 1)) ? 1 : 3;
        const std::string range = atStart ? join(w, 0, width) : join(w, n - width, n);
        out.name = cleanName(atStart ? join(w, width, n) : join(w, 0, n - width), out.marked);
        out.unsettled = fillIn(translate("Import", "bereik '%1' in plaats van één hoeveelheid"), {range});
        return out;
    }
    const std::string first = withoutMark(w.front(), out.marked);
    const std::string last = withoutMark(w.back(), out.marked);
    if (n >= 2) {
        out.firstAmount = AmountText::parse(first);
        if (out.firstAmount) out.nameAfterFirst = cleanName(join(w, 1, n), out.marked);
        out.lastAmount = AmountText::parse(last);
        if (out.lastAmount) out.nameBeforeLast = cleanName(join(w, 0, n - 1), out.marked);
    } else if (AmountText::parse(first)) {
        out.unsettled = translate("Import", "hoeveelheid zonder grondstof");
        return out;
    }
    if (out.hasAmount()) return out;
    if (n >= 2 && AmountText::looksNumeric(first)) {
        out.name = cleanName(join(w, 1, n), out.marked);
        out.unsettled = fillIn(translate("Import", "'%1' is geen getal"), {first});
    } else if (n >= 2 && AmountText::looksNumeric(last)) {
        out.name = cleanName(join(w, 0, n - 1), out.marked);
        out.unsettled = fillIn(translate("Import", "'%1' is geen getal"), {last});
    } else {
        out.name = cleanName(join(w, 0, n), out.marked);
        out.unsettled = kNoAmount;
    }
    return out;
}

} // namespace kelvora
