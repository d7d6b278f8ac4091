#include "profile/ProfileDocument.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "profile/XmlTree.h"

namespace tolvane {

enum class TextEncoding { utf8, utf16le, utf16be };

struct ProfileDocument::Impl {
    pugi::xml_document xml;
    TextEncoding encoding = TextEncoding::utf8;
    bool byteOrderMark = false;
    bool crlf = false;
};

namespace {

uint8_t byteAt(std::string_view bytes, std::size_t i) {
    return static_cast<uint8_t>(bytes[i]);
}

void appendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16 to UTF-8; nothing for an odd length or a broken surrogate pair, which no editor writes.
std::optional<std::string> utf16ToUtf8(std::string_view bytes, bool littleEndian) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    const auto unit = [&](std::size_t i) -> uint32_t {
        const uint32_t a = byteAt(bytes, i), b = byteAt(bytes, i + 1);
        return littleEndian ? (a | b << 8) : (a << 8 | b);
    };
    std::string out;
    out.reserve(bytes.size() / 2 + bytes.size() / 8);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        uint32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00) {
            if (i + 2 >= bytes.size()) return std::nullopt;
            const uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low >= 0xE000) return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        } else if (cp >= 0xDC00 && cp < 0xE000) {
            return std::nullopt;
        }
        appendUtf8(out, cp);
    }
    return out;
}

void appendUtf16(std::string& out, uint32_t unit, bool littleEndian) {
    const char lo = static_cast<char>(unit & 0xFF), hi = static_cast<char>(unit >> 8);
    out += littleEndian ? lo : hi;
    out += littleEndian ? hi : lo;
}

// UTF-8 as the document holds it to UTF-16, after the given byte-order mark; a byte that starts
// no valid sequence is carried as U+FFFD rather than dropped.
std::string utf8ToUtf16(std::string_view text, bool littleEndian, std::string_view mark) {
    std::string out;
    out.reserve(mark.size() + text.size() * 2);
    out.append(mark);
    for (std::size_t i = 0; i < text.size();) {
        const uint8_t lead = byteAt(text, i);
        std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
        uint32_t cp = length == 1   ? lead
                      : length == 2 ? lead & 0x1F
                      : length == 3 ? lead & 0x0F
                                    : lead & 0x07;
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const uint8_t next = byteAt(text, i + k);
            valid = (next & 0xC0) == 0x80;
            cp = cp << 6 | (next & 0x3F);
        }
        if (!valid || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
            cp = 0xFFFD;
            length = 1;
        }
        if (cp >= 0x10000) {
            appendUtf16(out, 0xD800 + ((cp - 0x10000) >> 10), littleEndian);
            appendUtf16(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), littleEndian);
        } else {
            appendUtf16(out, cp, littleEndian);
        }
        i += length;
    }
    return out;
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

// Values stay as the file spells them (no parse_escapes, format_no_escapes): a reference to an
// entity that only the document type declares would otherwise be written back as "&amp;name;".
constexpr unsigned kParseOptions = (pugi::parse_default & ~pugi::parse_escapes) |
                                   pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                                   pugi::parse_doctype;
constexpr unsigned kSaveOptions = pugi::format_indent | pugi::format_no_empty_element_tags |
                                  pugi::format_attribute_single_quote |
                                  pugi::format_no_declaration | pugi::format_no_escapes;

// FMLE nests a profile five levels deep. Pretty-printing costs the square of the depth (a line of
// indent per level), so a document nested far deeper is refused rather than saved at gigabytes.
constexpr int kMaxDepth = 1000;

// Whether the document nests too deeply. On the way, an attribute value that holds a single quote
// (from double quotes in the file) gets it as a reference, since values are written unescaped in
// single quotes.
bool nestedTooDeep(pugi::xml_document& xml) {
    struct Walker : pugi::xml_tree_walker {
        bool tooDeep = false;
        bool for_each(pugi::xml_node& node) override {
            tooDeep = depth() >= kMaxDepth;
            for (pugi::xml_attribute attribute : node.attributes()) {
                if (!std::strchr(attribute.value(), '\'')) continue;
                std::string value;
                for (const char* c = attribute.value(); *c; ++c)
                    *c == '\'' ? value += "&apos;" : value += *c;
                attribute.set_value(value.c_str());
            }
            return !tooDeep;
        }
    } walker;
    xml.traverse(walker);
    return walker.tooDeep;
}

}  // namespace

ProfileDocument::ProfileDocument(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ProfileDocument::~ProfileDocument() = default;
ProfileDocument::ProfileDocument(ProfileDocument&&) noexcept = default;
ProfileDocument& ProfileDocument::operator=(ProfileDocument&&) noexcept = default;

tl::expected<ProfileDocument, ParseFailure> ProfileDocument::parse(std::string_view bytes) {
    auto impl = std::make_unique<Impl>();
    std::optional<std::string> text;
    const auto starts = [&](std::initializer_list<uint8_t> prefix) {
        if (bytes.size() < prefix.size()) return false;
        std::size_t i = 0;
        for (uint8_t b : prefix)
            if (byteAt(bytes, i++) != b) return false;
        return true;
    };
    if (starts({0xFF, 0xFE})) {
        impl->encoding = TextEncoding::utf16le;
        impl->byteOrderMark = true;
        text = utf16ToUtf8(bytes.substr(2), true);
    } else if (starts({0xFE, 0xFF})) {
        impl->encoding = TextEncoding::utf16be;
        impl->byteOrderMark = true;
        text = utf16ToUtf8(bytes.substr(2), false);
    } else if (starts({0xEF, 0xBB, 0xBF})) {
        impl->byteOrderMark = true;
        text = std::string(bytes.substr(3));
    } else if (bytes.size() >= 2 && byteAt(bytes, 0) != 0 && byteAt(bytes, 1) == 0) {
        impl->encoding = TextEncoding::utf16le;  // FMLE's usual file: no mark at all
        text = utf16ToUtf8(bytes, true);
    } else if (bytes.size() >= 2 && byteAt(bytes, 0) == 0 && byteAt(bytes, 1) != 0) {
        impl->encoding = TextEncoding::utf16be;
        text = utf16ToUtf8(bytes, false);
    } else {
        text = std::string(bytes);
    }
    if (!text) return tl::unexpected(ParseFailure::notText);
    const auto firstLineEnd = text->find('\n');
    impl->crlf =
        firstLineEnd != std::string::npos && firstLineEnd > 0 && (*text)[firstLineEnd - 1] == '\r';

    const auto result =
        impl->xml.load_buffer(text->data(), text->size(), kParseOptions, pugi::encoding_utf8);
    if (!result || !impl->xml.document_element()) return tl::unexpected(ParseFailure::notXml);
    if (nestedTooDeep(impl->xml)) return tl::unexpected(ParseFailure::nestedTooDeep);
    return ProfileDocument(std::move(impl));
}

XmlNode ProfileDocument::rootElement() const {
    return wrap(impl_->xml.document_element());
}

std::string ProfileDocument::serialize() const {
    StringWriter writer;
    impl_->xml.save(writer, "    ", kSaveOptions, pugi::encoding_utf8);
    std::string text;
    if (impl_->crlf) {
        text.reserve(writer.text.size() + writer.text.size() / 16);
        // pugixml keeps a CR inside processing instructions and the doctype: don't double it.
        for (char c : writer.text) {
            if (c == '\n' && (text.empty() || text.back() != '\r')) text += '\r';
            text += c;
        }
    } else {
        text = std::move(writer.text);
    }
    switch (impl_->encoding) {
        case TextEncoding::utf8:
            if (impl_->byteOrderMark) text.insert(0, "\xEF\xBB\xBF");
            return text;
        case TextEncoding::utf16le:
            return utf8ToUtf16(text, true, impl_->byteOrderMark ? "\xFF\xFE" : "");
        case TextEncoding::utf16be:
            return utf8ToUtf16(text, false, impl_->byteOrderMark ? "\xFE\xFF" : "");
    }
    return text;
}

namespace profile {
namespace {

// Element names only: predicates, axes, wildcards and functions are no part of our paths.
bool isStepCharacter(char c) {
    return c != '[' && c != ']' && c != '@' && c != '*' && c != '(' && c != ')' && c != '=' &&
           c != ':' && c != '\'' && c != '"' && c != ' ';
}

bool isNamed(pugi::xml_node element, std::string_view name) {
    const char* own = element.name();
    return own[0] == name[0] && std::strncmp(own, name.data(), name.size()) == 0 &&
           own[name.size()] == '\0';
}

// Appends the character a reference's name (between "&" and ";") stands for; false for a name
// that is no predefined entity or valid character number, which then stays as written.
bool appendReferenced(std::string& out, std::string_view name) {
    static constexpr std::pair<std::string_view, char> kPredefined[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
    for (const auto& [entity, c] : kPredefined)
        if (name == entity) return out += c, true;
    if (name.size() < 2 || name[0] != '#') return false;
    const bool hex = name[1] == 'x';
    std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    uint32_t cp = 0;
    for (char c : digits) {
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0) return false;
        cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
        if (cp > 0x10FFFF) return false;
    }
    if (cp == 0 || (cp >= 0xD800 && cp < 0xE000)) return false;
    appendUtf8(out, cp);
    return true;
}

// Text as the file spells it, with its references resolved.
void appendUnescaped(std::string& out, std::string_view raw) {
    // A reference is short: a ";" further on ends no reference, so each "&" looks only this far.
    constexpr std::size_t kLongestReference = 32;
    for (std::size_t at = 0; at < raw.size();) {
        const std::size_t amp = raw.find('&', at);
        out.append(raw.substr(at, amp - at));
        if (amp == std::string_view::npos) return;
        const std::size_t semicolon = raw.substr(amp + 1, kLongestReference).find(';');
        if (semicolon != std::string_view::npos &&
            appendReferenced(out, raw.substr(amp + 1, semicolon))) {
            at = amp + semicolon + 2;
        } else {
            out += '&';
            at = amp + 1;
        }
    }
}

// Text as a file spells it: markup characters and control characters as references.
std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
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
            default:
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
                    out += "&#" + std::to_string(static_cast<unsigned char>(c)) + ";";
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace

// All descendant text in document order, without recursion (a profile may nest deeply).
std::string textOf(pugi::xml_node node) {
    std::string text;
    const auto append = [&text](pugi::xml_node at) {
        if (at.type() == pugi::node_pcdata) appendUnescaped(text, at.value());
        if (at.type() == pugi::node_cdata) text += at.value();
    };
    append(node);
    pugi::xml_node at = node.first_child();
    while (at) {
        append(at);
        if (at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at && at != node && !at.next_sibling())
            at = at.parent();
        if (!at || at == node) break;
        at = at.next_sibling();
    }
    return text;
}

void setText(pugi::xml_node element, std::string_view text) {
    while (element.first_child())
        element.remove_child(element.first_child());
    const std::string spelt = escaped(text);
    element.append_child(pugi::node_pcdata).set_value(spelt.c_str(), spelt.size());
}

std::string attributeText(pugi::xml_attribute attribute) {
    std::string text;
    appendUnescaped(text, attribute.value());
    return text;
}

void setAttributeText(pugi::xml_node element, const char* name, std::string_view text) {
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) attribute = element.append_attribute(name);
    std::string spelt;
    for (char c : escaped(text))
        c == '\'' ? spelt += "&apos;" : spelt += c;
    attribute.set_value(spelt.c_str());
}

QueryResult query(const std::string& path, pugi::xml_node context) {
    QueryResult result;
    if (path.empty() || path.front() != '/' || path.back() == '/' || !context) {
        result.failed = !path.empty() && path.front() != '/';
        return result;
    }
    std::vector<pugi::xml_node> current{context.root()};
    std::vector<pugi::xml_node> next;
    std::size_t from = 1;
    while (from <= path.size() && !current.empty()) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        const std::string_view step(path.data() + from, slash - from);
        if (step.empty() || !std::all_of(step.begin(), step.end(), isStepCharacter)) {
            result.failed = true;
            return result;
        }
        next.clear();
        for (pugi::xml_node parent : current)
            for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
                if (child.type() == pugi::node_element && isNamed(child, step))
                    next.push_back(child);
        current.swap(next);
        from = slash + 1;
    }
    result.nodes = std::move(current);
    return result;
}

pugi::xml_node insertElement(pugi::xml_node parent, const char* name, std::size_t position) {
    std::size_t count = 0;
    pugi::xml_node before;
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling(), ++count)
        if (count == position) before = child;
    if (position > count || !parent) return {};
    return before ? parent.insert_child_before(name, before) : parent.append_child(name);
}

std::optional<std::string> valueForXPath(const std::string& path, const XmlNode& context) {
    const QueryResult result = query(path, node(context));
    if (result.failed || result.nodes.size() != 1) return std::nullopt;
    return textOf(result.nodes.front());
}

std::size_t setValue(const std::optional<std::string>& value, const std::string& path,
                     const XmlNode& context) {
    const QueryResult result = query(path, node(context));
    if (result.failed) return 0;
    if (result.nodes.size() != 1) return result.nodes.size();
    pugi::xml_node target = result.nodes.front();
    if (value) {
        setText(target, *value);
    } else {
        target.parent().remove_child(target);
    }
    return 1;
}

}  // namespace profile
}  // namespace tolvane
