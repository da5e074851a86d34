// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translate.h"
#include "common/Utf8.h"
#include "store/PacketCodec.h"
#include "store/TableRules.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kelvora {

namespace {

void appendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += "&#10;";
            break;
        case '\r':
            out += "&#13;";
            break;
        case '\t':
            out += "&#9;";
            break;
        case '\0':
            // No XML document can hold this character.
            throw PacketFormatError(
                translate("PacketFormat", "a text holds the character NUL, which XML cannot carry"));
        default:
            // Other control characters travel as character references, so
            // that every reader gets them back exactly.
            if (static_cast<unsigned char>(c) < 0x20)
                out += "&#" + std::to_string(static_cast<int>(c)) + ";";
            else
                out += c;
        }
    }
}

void appendNumber(std::string& out, double v, FieldType type) {
    char buf[40];
    auto res = type == FieldType::Integer ? std::to_chars(buf, buf + sizeof buf, static_cast<long>(v))
                                          : std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

const char* xmlType(FieldType type) {
    switch (type) {
    case FieldType::Text:
        return "string";
    case FieldType::Memo:
        return "bin.hex";
    case FieldType::Float:
        return "r8";
    case FieldType::Integer:
        return "i4";
    }
    return "string";
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

bool isNameByte(char c) {
    auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '_' || c == '-' || c == '.' || c == ':' || u >= 0x80;
}

// Where in a packet the byte at `pos` lies, for a message: "field 'x' of row
// N" inside a row, "field definition N" inside one, "line N" elsewhere. Only
// worked out when a file is refused, so the scans cost nothing otherwise.
std::string placeOf(std::string_view xml, std::size_t pos) {
    auto lt = xml.rfind('<', pos);
    auto countTags = [&](std::string_view tag) {
        std::size_t n = 0;
        for (auto at = xml.find(tag); at != std::string_view::npos && at <= lt; at = xml.find(tag, at + 1)) {
            char after = at + tag.size() < xml.size() ? xml[at + tag.size()] : '>';
            if (!isNameByte(after)) ++n;
        }
        return n;
    };
    if (lt != std::string_view::npos &&
        (xml.compare(lt, 4, "<ROW") == 0 || xml.compare(lt, 6, "<FIELD") == 0) &&
        !isNameByte(xml[lt + (xml[lt + 1] == 'R' ? 4 : 6)])) {
        bool row = xml[lt + 1] == 'R';
        std::string where =
            row ? fillIn(translate("PacketFormat", "row %1"), {std::to_string(countTags("<ROW"))})
                : fillIn(translate("PacketFormat", "field definition %1"),
                         {std::to_string(countTags("<FIELD"))});
        // The attribute: the name before the nearest '=' before pos.
        auto eq = xml.rfind('=', pos);
        if (row && eq != std::string_view::npos && eq > lt) {
            std::size_t end = eq;
            while (end > lt && std::isspace(static_cast<unsigned char>(xml[end - 1])))
                --end;
            std::size_t begin = end;
            while (begin > lt && isNameByte(xml[begin - 1]))
                --begin;
            where = fillIn(translate("PacketFormat", "field '%1' of %2"),
                           {xml.substr(begin, end - begin), where});
        }
        return where;
    }
    std::size_t line = 1;
    for (std::size_t k = 0; k < pos && k < xml.size(); ++k)
        line += xml[k] == '\n';
    return fillIn(translate("PacketFormat", "line %1"), {std::to_string(line)});
}

bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    return utf8::equalsIgnoreCaseAscii(text.substr(at, word.size()), word);
}

// Refuses what a data packet never needs and a hostile file could abuse:
// document type declarations and entities other than the five predefined
// ones and character references. Comments and CDATA are skipped.
void screen(std::string_view xml) {
    for (std::size_t i = 0; i < xml.size(); ++i) {
        if (xml[i] == '<') {
            if (xml.compare(i, 4, "<!--") == 0) {
                auto end = xml.find("-->", i + 4);
                if (end == std::string_view::npos) return; // the parser reports it
                i = end + 2;
            } else if (xml.compare(i, 9, "<![CDATA[") == 0) {
                auto end = xml.find("]]>", i + 9);
                if (end == std::string_view::npos) return;
                i = end + 2;
            } else if (startsWithNoCase(xml, i, "<!DOCTYPE") || startsWithNoCase(xml, i, "<!ENTITY")) {
                throw PacketFormatError(translate(
                    "PacketFormat", "it contains a document type declaration, which is not allowed"));
            }
        } else if (xml[i] == '\0') {
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "%1 holds the character NUL, which XML does not allow"),
                       {placeOf(xml, i)}));
        } else if (xml[i] == '&') {
            auto semi = xml.find(';', i);
            std::string_view name =
                semi == std::string_view::npos ? xml.substr(i + 1, 16) : xml.substr(i + 1, semi - i - 1);
            bool ok = name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos";
            if (!ok && name.size() >= 2 && name[0] == '#') {
                std::string_view digits = name.substr(1);
                bool hex = digits[0] == 'x';
                if (hex) digits.remove_prefix(1);
                ok = !digits.empty() && digits.size() <= 8;
                unsigned long code = 0;
                for (char c : digits) {
                    ok = ok && (hex ? std::isxdigit(static_cast<unsigned char>(c))
                                    : std::isdigit(static_cast<unsigned char>(c)));
                    if (ok) code = code * (hex ? 16 : 10) + static_cast<unsigned long>(hexValue(c));
                }
                // NUL, UTF-16 surrogates and numbers past Unicode are no characters.
                if (ok && (code == 0 || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF))
                    throw PacketFormatError(
                        fillIn(translate("PacketFormat", "%1 holds the character reference '&%2;', "
                                                         "which is no valid character"),
                               {placeOf(xml, i), name}));
            }
            if (!ok)
                throw PacketFormatError(fillIn(
                    translate("PacketFormat", "it contains an unknown entity '&%1;'"), {name.substr(0, 32)}));
        }
    }
}

std::string_view attr(const pugi::xml_node& node, const char* name) {
    for (auto a = node.first_attribute(); a; a = a.next_attribute())
        if (utf8::equalsIgnoreCaseAscii(a.name(), name)) return a.value();
    return {};
}

FieldDef parseField(const pugi::xml_node& node) {
    FieldDef f;
    f.name = std::string(attr(node, "attrname"));
    if (f.name.empty()) throw PacketFormatError(translate("PacketFormat", "a field has no name"));
    std::string type = utf8::upperAscii(attr(node, "fieldtype"));
    std::string subtype = utf8::upperAscii(attr(node, "SUBTYPE"));
    if (type == "STRING" || type == "STRING.UNI") {
        f.type = FieldType::Text;
    } else if (type == "BIN.HEX" && (subtype == "TEXT" || subtype == "WIDETEXT")) {
        f.type = FieldType::Memo;
    } else if (type == "R8" || type == "R4" || type == "FIXED") {
        f.type = FieldType::Float;
    } else if (type == "I4" || type == "I2" || type == "I1" || type == "UI1" || type == "UI2") {
        f.type = FieldType::Integer;
    } else {
        throw PacketFormatError(fillIn(translate("PacketFormat", "field '%1' has the unsupported type '%2'"),
                                       {f.name, attr(node, "fieldtype")}));
    }
    if (f.type == FieldType::Text) {
        std::string_view w = attr(node, "WIDTH");
        int width = 0;
        auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), width);
        if (ec != std::errc() || p != w.data() + w.size() || width <= 0)
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "field '%1' has no valid width"), {f.name}));
        f.width = width;
    }
    return f;
}

double parseXmlNumber(std::string_view text, FieldType type, const std::string& field) {
    double v = 0;
    bool ok = false;
    if (type == FieldType::Integer) {
        long n = 0;
        auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
        ok = ec == std::errc() && p == text.data() + text.size() && n >= INT32_MIN && n <= INT32_MAX;
        v = static_cast<double>(n);
    } else {
        auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        ok = ec == std::errc() && p == text.data() + text.size() && std::isfinite(v);
    }
    if (!ok)
        throw PacketFormatError(fillIn(translate("PacketFormat", "'%1' is not a valid number for field '%2'"),
                                       {text.substr(0, 40), field}));
    return v;
}

} // namespace

std::string encodeXml(const Packet& packet) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<DATAPACKET Version=\"2.0\">\n<METADATA>\n<FIELDS>\n";
    const auto& fields = packet.fields();
    for (const auto& f : fields) {
        // A row carries each value as an attribute named after its field.
        bool name = !f.name.empty() && !std::isdigit(static_cast<unsigned char>(f.name[0])) &&
                    f.name[0] != '-' && f.name[0] != '.';
        for (char c : f.name)
            name = name && isNameByte(c);
        if (!name)
            throw PacketFormatError(fillIn(
                translate("PacketFormat", "field '%1' has a name that XML cannot carry as an attribute"),
                {f.name}));
        out += "<FIELD attrname=\"";
        appendEscaped(out, f.name);
        out += "\" fieldtype=\"";
        out += xmlType(f.type);
        out += '"';
        if (f.type == FieldType::Memo) out += " SUBTYPE=\"Text\"";
        if (f.type == FieldType::Text) out += " WIDTH=\"" + std::to_string(f.width) + "\"";
        out += "/>\n";
    }
    out += "</FIELDS>\n<PARAMS/>\n</METADATA>\n<ROWDATA>\n";
    for (std::size_t r = 0; r < packet.rows.size(); ++r) {
        const Row& row = packet.rows[r];
        out += "<ROW";
        for (int i = 0; i < packet.fieldCount(); ++i) {
            if (packet.isNull(row, i)) continue;
            const auto& f = fields[static_cast<std::size_t>(i)];
            out += ' ';
            out += f.name;
            out += "=\"";
            // The rules every reader applies, and NUL, which no XML can carry.
            if (packet.isText(i)) {
                const std::string& text = packet.text(row, i);
                std::string problem = TableRules::textProblem(f, text);
                if (problem.empty() && text.find('\0') != std::string::npos)
                    problem = translate("PacketFormat", "the character NUL, which XML cannot carry");
                if (!problem.empty())
                    throw PacketFormatError(
                        fillIn(translate("PacketFormat", "%1 holds %2"), {TableRules::place(f, r), problem}));
                appendEscaped(out, text);
            } else {
                const std::string problem = TableRules::numberProblem(f, packet.number(row, i));
                if (!problem.empty())
                    throw PacketFormatError(
                        fillIn(translate("PacketFormat", "%1 holds %2"), {TableRules::place(f, r), problem}));
                appendNumber(out, packet.number(row, i), f.type);
            }
            out += '"';
        }
        out += "/>\n";
    }
    out += "</ROWDATA>\n</DATAPACKET>\n";
    // A reader allows the rows only so much memory for a file of this size;
    // refuse to write a file that Kelvora would refuse to read.
    TableRules::checkMemory(packet, out.size());
    return out;
}

namespace {
std::string rowText(std::size_t row) {
    return fillIn(translate("PacketFormat", "row %1"), {std::to_string(row + 1)});
}

// Refuses an element that carries one attribute twice.
void checkAttributesOnce(const pugi::xml_node& node, const std::string& where) {
    std::unordered_set<std::string_view> names;
    for (auto a = node.first_attribute(); a; a = a.next_attribute())
        if (!names.insert(a.name()).second)
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "%1 has the attribute '%2' twice"), {where, a.name()}));
}
} // namespace

Packet decodeXml(std::string_view bytes) {
    if (bytes.size() > kMaxXmlBytes)
        throw PacketFormatError(translate("PacketFormat", "it is larger than 256 MiB"));
    RowMemoryBudget budget(bytes.size());
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    screen(bytes);
    pugi::xml_document doc;
    unsigned options = pugi::parse_escapes | pugi::parse_eol | pugi::parse_cdata;
    auto result = doc.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
    if (!result)
        throw PacketFormatError(
            fillIn(translate("PacketFormat", "it is no well-formed XML (%1)"), {result.description()}));
    auto root = doc.document_element();
    if (std::strcmp(root.name(), "DATAPACKET") != 0)
        throw PacketFormatError(translate("PacketFormat", "it is not a data packet"));
    auto fieldsNode = root.child("METADATA").child("FIELDS");
    if (!fieldsNode) throw PacketFormatError(translate("PacketFormat", "it has no field definitions"));

    FieldDefs fields;
    for (auto node : fieldsNode.children("FIELD")) {
        if (fields.size() == kMaxFields)
            throw PacketFormatError(fillIn(translate("PacketFormat", "it has more than %1 fields"),
                                           {std::to_string(kMaxFields)}));
        checkAttributesOnce(node, fillIn(translate("PacketFormat", "field definition %1"),
                                         {std::to_string(fields.size() + 1)}));
        fields.push_back(parseField(node));
        if (!utf8::isValid(fields.back().name))
            throw PacketFormatError(
                fillIn(translate("PacketFormat", "field definition %1 has a name that is not valid UTF-8"),
                       {std::to_string(fields.size())}));
    }
    if (fields.empty()) throw PacketFormatError(translate("PacketFormat", "it has no field definitions"));
    Packet packet(fields);
    const int count = packet.fieldCount();
    // Field by exact name, and by name in capitals for rows that write a name
    // in other capitals; one pass, so a header of many fields costs linear time.
    std::unordered_map<std::string_view, int> exact;
    std::unordered_map<std::string, int> folded;
    exact.reserve(fields.size());
    folded.reserve(fields.size());
    for (int i = 0; i < count; ++i) {
        const std::string& name = fields[static_cast<std::size_t>(i)].name;
        if (!folded.emplace(utf8::upperAscii(name), i).second)
            throw PacketFormatError(fillIn(translate("PacketFormat", "field '%1' appears twice"), {name}));
        exact.emplace(name, i);
    }
    auto findField = [&](std::string_view name) {
        auto it = exact.find(name);
        if (it != exact.end()) return it->second;
        auto f = folded.find(utf8::upperAscii(name));
        return f == folded.end() ? -1 : f->second;
    };

    auto rowsNode = root.child("ROWDATA");
    std::size_t rowNodes = 0;
    for (auto rowNode = rowsNode.child("ROW"); rowNode; rowNode = rowNode.next_sibling("ROW"))
        ++rowNodes;
    budget.reserveRows(rowNodes);
    packet.rows.reserve(rowNodes);

    // Which row last set each field: a second attribute for one field is refused.
    std::vector<std::size_t> setIn(fields.size(), SIZE_MAX);
    std::unordered_set<std::string_view> others;
    std::size_t r = 0;
    for (auto rowNode = rowsNode.child("ROW"); rowNode; rowNode = rowNode.next_sibling("ROW"), ++r) {
        Row row;
        int rowState = 0;
        others.clear();
        for (auto a = rowNode.first_attribute(); a; a = a.next_attribute()) {
            std::string_view name = a.name();
            int field = findField(name);
            if (field < 0) {
                if (!others.insert(name).second)
                    throw PacketFormatError(fillIn(
                        translate("PacketFormat", "%1 has the attribute '%2' twice"), {rowText(r), name}));
                if (utf8::equalsIgnoreCaseAscii(name, "RowState")) {
                    std::string_view v = a.value();
                    std::from_chars(v.data(), v.data() + v.size(), rowState);
                }
                continue;
            }
            const auto& f = fields[static_cast<std::size_t>(field)];
            if (setIn[static_cast<std::size_t>(field)] == r)
                throw PacketFormatError(
                    fillIn(translate("PacketFormat", "%1 has the field '%2' twice"), {rowText(r), name}));
            setIn[static_cast<std::size_t>(field)] = r;
            std::string_view value = a.value();
            if (value.empty()) continue;
            if (!packet.isMaterialized(row)) budget.addSlots(packet.slotBytes());
            if (packet.isText(field)) {
                if (!isValidUtf8Text(value))
                    throw PacketFormatError(fillIn(
                        translate("PacketFormat", "field '%1' of %2 holds text that is not valid UTF-8"),
                        {f.name, rowText(r)}));
                std::string_view kept = f.type == FieldType::Text
                                            ? utf8::prefix(value, static_cast<std::size_t>(f.width))
                                            : value;
                budget.addText(kept.size());
                packet.setText(row, field, std::string(kept));
            } else {
                packet.setNumber(row, field, parseXmlNumber(value, f.type, f.name));
            }
        }
        if (rowState & 3) continue; // an original or a deleted row of a change log
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

} // namespace kelvora
