#include "profile/ProfileDocument.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "profile/XmlOptions.h"
#include "profile/XmlTree.h"

namespace tolvane {

enum class TextEncoding : std::uint8_t { utf8, utf16le, utf16be };

struct ProfileDocument::Impl {
    pugi::xml_document xml;
    TextEncoding encoding = TextEncoding::utf8;
    bool byteOrderMark = false;
    bool crlf = false;
    std::size_t parsedBytes = 0;  // what the file held: about what saving writes
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

pugi::xml_encoding pugiEncoding(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::utf16le:
            return pugi::encoding_utf16_le;
        case TextEncoding::utf16be:
            return pugi::encoding_utf16_be;
        case TextEncoding::utf8:
            break;
    }
    return pugi::encoding_utf8;
}

// How the file's text is encoded, and the byte-order mark it starts with, if any. pugixml's own
// guess is not used: it takes a file without a mark for UTF-16 only when it starts with "<", reads
// a mark followed by a NUL as UTF-32 and honours a Latin-1 declaration, where a profile's bytes
// are kept as they are.
struct Layout {
    TextEncoding encoding = TextEncoding::utf8;
    std::size_t markLength = 0;
};

Layout layoutOf(std::string_view bytes) {
    const auto starts = [&](std::string_view prefix) { return bytes.starts_with(prefix); };
    if (starts("\xFF\xFE")) return {TextEncoding::utf16le, 2};
    if (starts("\xFE\xFF")) return {TextEncoding::utf16be, 2};
    if (starts("\xEF\xBB\xBF")) return {TextEncoding::utf8, 3};
    // FMLE's usual file has no mark at all.
    if (bytes.size() >= 2 && byteAt(bytes, 0) != 0 && byteAt(bytes, 1) == 0)
        return {TextEncoding::utf16le, 0};
    if (bytes.size() >= 2 && byteAt(bytes, 0) == 0 && byteAt(bytes, 1) != 0)
        return {TextEncoding::utf16be, 0};
    return {};
}

// Whether UTF-16 text has whole units and every surrogate in a pair, which any editor writes;
// pugixml would drop a lone one silently. A block of units that all lie below U+C000 (no unit's
// high byte has its top two bits set) holds no surrogate and is passed over eight bytes at a time.
bool isWholeUtf16(std::string_view text, bool littleEndian) {
    if (text.size() % 2 != 0) return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const std::size_t units = text.size() / 2;
    const std::size_t high = littleEndian ? 1 : 0;
    // The top two bits of each unit's high byte, in a word read in the machine's byte order.
    const uint64_t tops = (littleEndian == (std::endian::native == std::endian::little))
                              ? 0xC000C000C000C000
                              : 0x00C000C000C000C0;
    constexpr std::size_t kBlock = 64;  // units, a multiple of four
    for (std::size_t i = 0; i < units;) {
        const std::size_t end = std::min(units, i + kBlock);
        if (end - i == kBlock) {
            uint64_t found = 0;
            for (std::size_t k = i; k < end; k += 4) {
                uint64_t word;
                std::memcpy(&word, bytes + 2 * k, sizeof word);
                found |= word & tops;
            }
            if (found == 0) {
                i = end;
                continue;
            }
        }
        for (; i < end; ++i) {
            const uint8_t unit = bytes[2 * i + high];
            if ((unit & 0xF8) != 0xD8) continue;
            // A lead (D800-DBFF) followed by a trail (DC00-DFFF), which may start the next block.
            if (unit >= 0xDC || i + 1 == units || (bytes[2 * i + 2 + high] & 0xFC) != 0xDC)
                return false;
            ++i;
        }
    }
    return true;
}

// Replaces each surrogate of UTF-16 text that is not in a pair with U+FFFD.
void replaceLoneSurrogates(char* text, std::size_t size, bool littleEndian) {
    const std::size_t high = littleEndian ? 1 : 0;
    const auto surrogate = [&](std::size_t at, uint8_t mask, uint8_t value) {
        return at + 1 < size && (static_cast<uint8_t>(text[at + high]) & mask) == value;
    };
    for (std::size_t at = 0; at + 1 < size; at += 2) {
        if (surrogate(at, 0xFC, 0xD8) && surrogate(at + 2, 0xFC, 0xDC)) {
            at += 2;
        } else if (surrogate(at, 0xF8, 0xD8)) {
            text[at + high] = static_cast<char>(0xFF);
            text[at + 1 - high] = static_cast<char>(0xFD);
        }
    }
}

// How an ASCII character is written as a code unit of an encoding.
template <TextEncoding kEncoding>
struct Units {
    static constexpr std::size_t kWidth = kEncoding == TextEncoding::utf8 ? 1 : 2;
    // Where the character's byte lies in its unit; the other byte is zero.
    static constexpr std::size_t kAt = kEncoding == TextEncoding::utf16be ? 1 : 0;

    static bool is(const char* unit, char c) {
        if constexpr (kWidth == 1) {
            return *unit == c;
        } else {
            return unit[kAt] == c && unit[1 - kAt] == '\0';
        }
    }
    static void append(std::string& out, char c) {
        if constexpr (kWidth == 2 && kAt == 1) out += '\0';
        out += c;
        if constexpr (kWidth == 2 && kAt == 0) out += '\0';
    }
    // The first line feed from a unit boundary on, or null.
    static const char* lineFeed(const char* begin, const char* end) {
        for (const char* at = begin; (at = static_cast<const char*>(std::memchr(
                                          at, '\n', static_cast<std::size_t>(end - at))));
             ++at) {
            const char* unit = at - kAt;
            if (unit >= begin && static_cast<std::size_t>(unit - begin) % kWidth == 0 &&
                end - unit >= static_cast<std::ptrdiff_t>(kWidth) && is(unit, '\n'))
                return unit;
        }
        return nullptr;
    }
    // Whether the first line of the text ends in CR LF.
    static bool crlf(std::string_view text) {
        const char* begin = text.data();
        const char* lf = lineFeed(begin, begin + text.size());
        return lf && lf != begin && is(lf - kWidth, '\r');
    }
};

bool endsLinesWithCrlf(std::string_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::utf16le:
            return Units<TextEncoding::utf16le>::crlf(text);
        case TextEncoding::utf16be:
            return Units<TextEncoding::utf16be>::crlf(text);
        case TextEncoding::utf8:
            break;
    }
    return Units<TextEncoding::utf8>::crlf(text);
}

struct StringWriter : pugi::xml_writer {
    explicit StringWriter(std::string& out) : text(out) {}
    void write(const void* data, size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string& text;
};

// Writes pugixml's output with a CR before each LF, in the output's code units. pugixml keeps a CR
// inside processing instructions and the doctype: a LF that follows one gets no second. Each
// write holds whole code units.
template <TextEncoding kEncoding>
class CrlfWriter final : public pugi::xml_writer {
    using U = Units<kEncoding>;

  public:
    explicit CrlfWriter(std::string& out) : out_(out) {}

    void write(const void* data, size_t size) override {
        const char* begin = static_cast<const char*>(data);
        const char* end = begin + size;
        const char* copied = begin;
        for (const char* lf = begin; (lf = U::lineFeed(lf, end)) != nullptr; lf += U::kWidth) {
            if (lf == begin ? lastWasCr_ : U::is(lf - U::kWidth, '\r')) continue;
            out_.append(copied, static_cast<std::size_t>(lf - copied));
            U::append(out_, '\r');
            copied = lf;
        }
        out_.append(copied, static_cast<std::size_t>(end - copied));
        if (size >= U::kWidth) lastWasCr_ = U::is(end - U::kWidth, '\r');
    }

  private:
    std::string& out_;
    bool lastWasCr_ = false;
};

using profile::kParseOptions;
using profile::kSaveOptions;

// FMLE nests a profile five levels deep. Pretty-printing costs the square of the depth (a line of
// indent per level), so a document nested far deeper is refused rather than saved at gigabytes.
constexpr std::size_t kMaxDepth = 1000;

// Whether a document read from this text may nest too deeply: a node a thousand levels deep lies
// in a thousand elements, each a "<" of the text.
bool mayNestTooDeeply(std::string_view text) {
    const char* const end = text.data() + text.size();
    std::size_t tags = 0;
    for (const char* at = text.data();
         (at = static_cast<const char*>(std::memchr(at, '<', static_cast<std::size_t>(end - at))));
         ++at)
        if (++tags >= kMaxDepth) return true;
    return false;
}

// Whether the document nests too deeply. On the way, where the text has single quotes, an
// attribute value that holds one (from double quotes in the file) gets it as a reference, since
// values are written unescaped in single quotes. pugixml's own walk is the cheapest: one virtual
// call a node, where walking through its interface takes five calls.
bool nestedTooDeep(pugi::xml_document& xml, bool quotes) {
    struct Walker : pugi::xml_tree_walker {
        explicit Walker(bool quotes) : quotes(quotes) {}
        bool quotes;
        bool tooDeep = false;
        bool for_each(pugi::xml_node& node) override {
            tooDeep = static_cast<std::size_t>(depth()) >= kMaxDepth;
            if (!quotes) return !tooDeep;
            for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
                 attribute = attribute.next_attribute()) {
                if (!std::strchr(attribute.value(), '\'')) continue;
                std::string value;
                for (const char* c = attribute.value(); *c; ++c)
                    *c == '\'' ? value += "&apos;" : value += *c;
                attribute.set_value(value.c_str());
            }
            return !tooDeep;
        }
    } walker(quotes);
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
    const Layout layout = layoutOf(bytes);
    const std::string_view text = bytes.substr(layout.markLength);
    impl->encoding = layout.encoding;
    impl->byteOrderMark = layout.markLength != 0;
    impl->parsedBytes = bytes.size();
    if (layout.encoding != TextEncoding::utf8 &&
        !isWholeUtf16(text, layout.encoding == TextEncoding::utf16le))
        return tl::unexpected(ParseFailure::notText);
    impl->crlf = endsLinesWithCrlf(text, layout.encoding);

    // pugixml decodes UTF-16 itself, straight into the UTF-8 it holds.
    const auto result = impl->xml.load_buffer(text.data(), text.size(), kParseOptions,
                                              pugiEncoding(layout.encoding));
    if (!result || !impl->xml.document_element()) return tl::unexpected(ParseFailure::notXml);
    // References stay as written: a single quote in a value is one in the text.
    const bool quotes = std::memchr(text.data(), '\'', text.size()) != nullptr;
    if ((quotes || mayNestTooDeeply(text)) && nestedTooDeep(impl->xml, quotes))
        return tl::unexpected(ParseFailure::nestedTooDeep);
    return ProfileDocument(std::move(impl));
}

XmlNode ProfileDocument::rootElement() const {
    return wrap(impl_->xml.document_element());
}

std::string ProfileDocument::serialize() const {
    std::string out;
    out.reserve(impl_->parsedBytes + impl_->parsedBytes / 8 + 64);
    const unsigned options = kSaveOptions | (impl_->byteOrderMark ? pugi::format_write_bom : 0);
    const auto save = [&](pugi::xml_writer&& writer) {
        impl_->xml.save(writer, "    ", options, pugiEncoding(impl_->encoding));
    };
    if (!impl_->crlf) {
        save(StringWriter(out));
    } else if (impl_->encoding == TextEncoding::utf16le) {
        save(CrlfWriter<TextEncoding::utf16le>(out));
    } else if (impl_->encoding == TextEncoding::utf16be) {
        save(CrlfWriter<TextEncoding::utf16be>(out));
    } else {
        save(CrlfWriter<TextEncoding::utf8>(out));
    }
    // pugixml writes text that is no UTF-8 as best it can: an encoded surrogate becomes a lone one,
    // which would make the file unreadable. Such text comes only from a value written into the
    // document (a UTF-8 file's bytes merged into one that became UTF-16), never from the file.
    if (impl_->encoding != TextEncoding::utf8) {
        const std::size_t mark = impl_->byteOrderMark ? 2 : 0;
        const bool littleEndian = impl_->encoding == TextEncoding::utf16le;
        if (!isWholeUtf16(std::string_view(out).substr(mark), littleEndian))
            replaceLoneSurrogates(out.data() + mark, out.size() - mark, littleEndian);
    }
    return out;
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
    // Mostly an element of one text.
    if (const pugi::xml_node only = node.first_child();
        only && only.type() == pugi::node_pcdata && !only.next_sibling()) {
        appendUnescaped(text, only.value());
        return text;
    }
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
