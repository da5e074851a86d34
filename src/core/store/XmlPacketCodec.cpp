#include "common/Utf8.h"
#include "store/PacketCodec.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>

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
        default:
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
                throw PacketFormatError("it contains a document type declaration, which is not allowed");
            }
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
                for (char c : digits)
                    ok = ok && (hex ? std::isxdigit(static_cast<unsigned char>(c))
                                    : std::isdigit(static_cast<unsigned char>(c)));
            }
            if (!ok)
                throw PacketFormatError("it contains an unknown entity '&" + std::string(name.substr(0, 32)) +
                                        ";'");
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
    if (f.name.empty()) throw PacketFormatError("a field has no name");
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
        throw PacketFormatError("field '" + f.name + "' has the unsupported type '" +
                                std::string(attr(node, "fieldtype")) + "'");
    }
    if (f.type == FieldType::Text) {
        std::string_view w = attr(node, "WIDTH");
        int width = 0;
        auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), width);
        if (ec != std::errc() || p != w.data() + w.size() || width <= 0)
            throw PacketFormatError("field '" + f.name + "' has no valid width");
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
        throw PacketFormatError("'" + std::string(text.substr(0, 40)) +
                                "' is not a valid number for field '" + field + "'");
    return v;
}

} // namespace

std::string encodeXml(const Packet& packet) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                      "<DATAPACKET Version=\"2.0\">\n<METADATA>\n<FIELDS>\n";
    const auto& fields = packet.fields();
    for (const auto& f : fields) {
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
    for (const Row& row : packet.rows) {
        out += "<ROW";
        for (int i = 0; i < packet.fieldCount(); ++i) {
            if (packet.isNull(row, i)) continue;
            const auto& f = fields[static_cast<std::size_t>(i)];
            out += ' ';
            out += f.name;
            out += "=\"";
            if (packet.isText(i))
                appendEscaped(out, packet.text(row, i));
            else
                appendNumber(out, packet.number(row, i), f.type);
            out += '"';
        }
        out += "/>\n";
    }
    out += "</ROWDATA>\n</DATAPACKET>\n";
    return out;
}

Packet decodeXml(std::string_view bytes) {
    if (bytes.size() > kMaxXmlBytes) throw PacketFormatError("it is larger than 256 MiB");
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    screen(bytes);
    pugi::xml_document doc;
    unsigned options = pugi::parse_escapes | pugi::parse_eol | pugi::parse_cdata;
    auto result = doc.load_buffer(bytes.data(), bytes.size(), options, pugi::encoding_utf8);
    if (!result)
        throw PacketFormatError(std::string("it is no well-formed XML (") + result.description() + ")");
    auto root = doc.document_element();
    if (std::strcmp(root.name(), "DATAPACKET") != 0) throw PacketFormatError("it is not a data packet");
    auto fieldsNode = root.child("METADATA").child("FIELDS");
    if (!fieldsNode) throw PacketFormatError("it has no field definitions");

    FieldDefs fields;
    for (auto node : fieldsNode.children("FIELD"))
        fields.push_back(parseField(node));
    if (fields.empty()) throw PacketFormatError("it has no field definitions");
    Packet packet(fields);
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (packet.fieldIndex(fields[i].name) != static_cast<int>(i))
            throw PacketFormatError("field '" + fields[i].name + "' appears twice");

    // Attributes come in field order as a rule, so the search for an
    // attribute's field starts just after the previous one's.
    const int count = packet.fieldCount();
    auto findField = [&](std::string_view name, int from) {
        for (int k = 0; k < count; ++k) {
            int i = (from + k) % count;
            if (fields[static_cast<std::size_t>(i)].name == name) return i;
        }
        return packet.fieldIndex(name); // written in other capitals
    };
    for (auto rowNode : root.child("ROWDATA").children("ROW")) {
        Row row = packet.emptyRow();
        int hint = 0;
        int rowState = 0;
        for (auto a = rowNode.first_attribute(); a; a = a.next_attribute()) {
            std::string_view name = a.name();
            int field = findField(name, hint);
            if (field < 0) {
                if (utf8::equalsIgnoreCaseAscii(name, "RowState")) {
                    std::string_view v = a.value();
                    std::from_chars(v.data(), v.data() + v.size(), rowState);
                }
                continue;
            }
            hint = field + 1;
            std::string_view value = a.value();
            if (value.empty()) continue;
            const auto& f = fields[static_cast<std::size_t>(field)];
            if (packet.isText(field))
                packet.setText(row, field,
                               std::string(f.type == FieldType::Text
                                               ? utf8::prefix(value, static_cast<std::size_t>(f.width))
                                               : value));
            else
                packet.setNumber(row, field, parseXmlNumber(value, f.type, f.name));
        }
        if (rowState & 3) continue; // an original or a deleted row of a change log
        packet.rows.push_back(std::move(row));
    }
    return packet;
}

} // namespace kelvora
