#include "camtwist/Plist.h"

#include <plist/plist.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

namespace tolvane {
namespace {

// Owns a libplist node.
struct NodeDeleter {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using NodePtr = std::unique_ptr<void, NodeDeleter>;

struct XmlText {
    char* text = nullptr;
    ~XmlText() {
        if (text) plist_to_xml_free(text);
    }
};

// Owns what libplist hands out for the caller to free: dictionary keys and iterators.
struct FreeDeleter {
    void operator()(void* memory) const { std::free(memory); }
};

plist_t item(plist_t dict, const std::string& key) {
    return plist_dict_get_item(dict, key.c_str());
}

// CamTwist's files nest two or three levels. libplist's binary reader, its copy, free and XML
// writer recurse, so a deeply nested list overflows the stack or is written back as megabytes of
// indent.
constexpr std::size_t kMaxDepth = 256;
// libplist makes a node for every reference to a binary object, so a small file of shared
// references expands exponentially. A million nodes, fifty times a preference file of 10,000
// keys, still reads in under two seconds.
constexpr uint64_t kMaxNodes = 1'000'000;

uint64_t bigEndian(const unsigned char* bytes, std::size_t size) {
    uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value = value << 8 | bytes[i];
    return value;
}

// The length of a binary object that has one (a string's characters, a container's items) and
// where its content starts. Nothing when the length runs past `end`.
struct Length {
    uint64_t count = 0;
    uint64_t content = 0;
};
std::optional<Length> lengthOf(const unsigned char* data, uint64_t offset, uint64_t end) {
    uint64_t count = data[offset] & 0xF;
    uint64_t at = offset + 1;
    if (count == 0xF) {  // the length follows as an integer object
        if (at >= end || data[at] >> 4 != 0x1 || (data[at] & 0xF) > 3) return std::nullopt;
        const std::size_t size = std::size_t{1} << (data[at] & 0xF);
        if (end - ++at < size) return std::nullopt;
        count = bigEndian(data + at, size);
        at += size;
    }
    return Length{count, at};
}

// The object references a binary object holds: none for a scalar; for an array or set its
// items, for a dictionary its keys and then its values. Nothing when they run past `end`.
struct References {
    bool container = false;
    bool dictionary = false;
    const unsigned char* first = nullptr;
    uint64_t count = 0;
};
std::optional<References> referencesOf(const unsigned char* data, uint64_t offset, uint64_t end,
                                       unsigned referenceSize) {
    const unsigned kind = data[offset] >> 4;
    if (kind < 0xA || kind > 0xD) return References{};
    const auto length = lengthOf(data, offset, end);
    if (!length) return std::nullopt;
    uint64_t count = length->count;
    if (kind == 0xD) {
        if (count > std::numeric_limits<uint64_t>::max() / 2) return std::nullopt;
        count *= 2;
    }
    if (count > (end - length->content) / referenceSize) return std::nullopt;
    return References{true, kind == 0xD, data + length->content, count};
}

// A dictionary key as the binary reader makes it, for telling keys apart without decoding them:
// an ASCII key is its bytes; a UTF-16 key holding a character beyond ASCII is its code units,
// which convert to UTF-8 one to one. Nothing for a key whose text cannot be told that cheaply
// (a NUL, bytes beyond ASCII in an ASCII key, UTF-16 that could equal an ASCII key or holds a
// lone surrogate, no string at all).
struct KeyText {
    bool utf16 = false;
    std::string_view bytes;
    friend bool operator==(const KeyText& a, const KeyText& b) {
        return a.utf16 == b.utf16 && a.bytes == b.bytes;
    }
};
std::optional<KeyText> keyText(const unsigned char* data, uint64_t offset, uint64_t end) {
    const unsigned kind = data[offset] >> 4;
    if (kind != 0x5 && kind != 0x6) return std::nullopt;
    const auto length = lengthOf(data, offset, end);
    const uint64_t unit = kind == 0x6 ? 2 : 1;
    if (!length || length->count > (end - length->content) / unit) return std::nullopt;
    const std::string_view bytes(reinterpret_cast<const char*>(data + length->content),
                                 static_cast<std::size_t>(length->count * unit));
    if (kind == 0x5) {
        for (const char c : bytes)
            if (c <= 0) return std::nullopt;  // NUL, or a byte beyond ASCII
        return KeyText{false, bytes};
    }
    bool beyondAscii = false;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const unsigned c =
            static_cast<unsigned char>(bytes[i]) << 8 | static_cast<unsigned char>(bytes[i + 1]);
        const bool high = c >= 0xD800 && c < 0xDC00, low = c >= 0xDC00 && c < 0xE000;
        if (c == 0 || low) return std::nullopt;
        if (high) {
            // A high surrogate takes the low one that follows it.
            if (i + 3 >= bytes.size()) return std::nullopt;
            const unsigned next = static_cast<unsigned char>(bytes[i + 2]) << 8 |
                                  static_cast<unsigned char>(bytes[i + 3]);
            if (next < 0xDC00 || next >= 0xE000) return std::nullopt;
            i += 2;
        }
        beyondAscii = beyondAscii || c >= 0x80;
    }
    if (!beyondAscii) return std::nullopt;
    return KeyText{true, bytes};
}

// Whether one dictionary's keys, `count` references from `first`, are all told apart: false when
// two are the same or one cannot be told cheaply.
bool keysAreDistinct(const unsigned char* data, const unsigned char* first, uint64_t count,
                     unsigned referenceSize, const unsigned char* offsets, unsigned offsetSize,
                     uint64_t objects, uint64_t table) {
    std::vector<KeyText> keys;
    keys.reserve(static_cast<std::size_t>(count));
    for (uint64_t i = 0; i < count; ++i) {
        const uint64_t index = bigEndian(first + i * referenceSize, referenceSize);
        if (index >= objects) return false;
        const uint64_t offset = bigEndian(offsets + index * offsetSize, offsetSize);
        if (offset >= table) return false;
        const auto key = keyText(data, offset, table);
        if (!key) return false;
        keys.push_back(*key);
    }
    // Few keys are compared pairwise; many through a table of their hashes, open addressing.
    constexpr std::size_t kFew = 16;
    if (keys.size() <= kFew) {
        for (std::size_t i = 0; i < keys.size(); ++i)
            for (std::size_t j = i + 1; j < keys.size(); ++j)
                if (keys[i] == keys[j]) return false;
        return true;
    }
    const std::size_t mask = std::bit_ceil(keys.size() * 2) - 1;
    std::vector<uint32_t> slots(mask + 1, 0);  // a key's place in `keys` plus one
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::size_t slot = (std::hash<std::string_view>{}(keys[i].bytes) ^ keys[i].utf16) & mask;
        for (; slots[slot]; slot = (slot + 1) & mask)
            if (keys[slots[slot] - 1] == keys[i]) return false;
        slots[slot] = static_cast<uint32_t>(i + 1);
    }
    return true;
}

// What the walk over a binary list found.
enum class Binary : uint8_t {
    unsafe,        // libplist must not read it
    safe,          // read it as it is
    repeatedKeys,  // read it, then merge the keys a dictionary holds more than once
};

// Whether libplist can read a binary list without harm: every object reached from the top one
// lies among the objects, none refers back to an object that holds it, containers nest at most
// kMaxDepth deep and the list expands to at most kMaxNodes nodes. Walks the graph without
// recursion and each object once, and looks at each dictionary's keys on the way.
Binary checkBinary(std::string_view bytes) {
    constexpr std::size_t kHeader = 8, kTrailer = 32;
    if (bytes.size() < kHeader + kTrailer) return Binary::unsafe;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* trailer = data + bytes.size() - kTrailer;
    const unsigned offsetSize = trailer[6], referenceSize = trailer[7];
    const uint64_t count = bigEndian(trailer + 8, 8), top = bigEndian(trailer + 16, 8);
    const uint64_t table = bigEndian(trailer + 24, 8), tableEnd = bytes.size() - kTrailer;
    // More objects than nodes allowed is no preference file; refusing it also bounds the memory
    // the walk takes.
    if (offsetSize < 1 || offsetSize > 8 || referenceSize < 1 || referenceSize > 8 ||
        table < kHeader || table > tableEnd || count > (tableEnd - table) / offsetSize ||
        count > kMaxNodes || top >= count)
        return Binary::unsafe;

    enum class State : uint8_t { unseen, open, done };
    struct Object {
        State state = State::unseen;
        uint16_t height = 0;  // containers on the deepest path down from here, itself included
        uint64_t nodes = 0;   // nodes once every reference is copied out
    };
    struct Frame {
        uint64_t index;
        const unsigned char* next;
        uint64_t left;
    };
    std::vector<Object> objects(count);
    std::vector<Frame> path;  // containers only, so never deeper than kMaxDepth
    uint64_t referencesRead = 0;
    bool repeatedKeys = false;

    // Adds a finished object to the container that holds it.
    auto addToParent = [&](const Object& child) {
        Object& parent = objects[path.back().index];
        parent.nodes += child.nodes;
        parent.height = std::max<uint16_t>(parent.height, child.height + 1);
        return parent.nodes <= kMaxNodes && path.size() + child.height <= kMaxDepth;
    };
    // Takes in an object not seen before: a scalar is done at once, a container is entered.
    auto enter = [&](uint64_t index) {
        const uint64_t offset = bigEndian(data + table + index * offsetSize, offsetSize);
        if (offset < kHeader || offset >= table) return false;
        const auto references = referencesOf(data, offset, table, referenceSize);
        if (!references) return false;
        Object& object = objects[index];
        object.nodes = 1;
        if (!references->container) {
            object.state = State::done;
            return path.empty() || addToParent(object);
        }
        if (path.size() == kMaxDepth) return false;
        if (references->dictionary && !repeatedKeys)
            repeatedKeys = !keysAreDistinct(data, references->first, references->count / 2,
                                            referenceSize, data + table, offsetSize, count, table);
        object.state = State::open;
        object.height = 1;
        path.push_back({index, references->first, references->count});
        return true;
    };

    if (!enter(top)) return Binary::unsafe;
    while (!path.empty()) {
        Frame& frame = path.back();
        if (frame.left == 0) {
            Object& finished = objects[frame.index];
            finished.state = State::done;
            path.pop_back();
            if (!path.empty() && !addToParent(finished)) return Binary::unsafe;
            continue;
        }
        const uint64_t index = bigEndian(frame.next, referenceSize);
        frame.next += referenceSize;
        --frame.left;
        // Every reference read is a node of the expanded list, which bounds the walk.
        if (++referencesRead > kMaxNodes || index >= count) return Binary::unsafe;
        const Object& child = objects[index];
        if (child.state == State::open) return Binary::unsafe;  // a cycle
        if (child.state == State::done ? !addToParent(child) : !enter(index)) return Binary::unsafe;
    }
    return repeatedKeys ? Binary::repeatedKeys : Binary::safe;
}

// The deepest nesting of arrays and dictionaries in an XML list, read from its text alone.
// Comments, CDATA sections and processing instructions hold no elements; "<array/>" and
// "<dict/>" add a level without opening one.
std::size_t xmlDepth(std::string_view text) {
    std::size_t depth = 0, deepest = 0, at = 0;
    auto skipPast = [&](std::string_view end, std::size_t from) {
        const auto found = text.find(end, from);
        at = found == std::string_view::npos ? text.size() : found + end.size();
    };
    while ((at = text.find('<', at)) != std::string_view::npos) {
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("<!--")) {
            skipPast("-->", at + 4);
        } else if (rest.starts_with("<![CDATA[")) {
            skipPast("]]>", at + 9);
        } else if (rest.starts_with("<?")) {
            skipPast("?>", at + 2);
        } else {
            // A tag ends at its first ">", even inside quotes: that can only count more levels.
            const auto end = rest.find('>');
            std::string_view tag = rest.substr(1, end == std::string_view::npos ? end : end - 1);
            at = end == std::string_view::npos ? text.size() : at + end + 1;
            const bool closing = tag.starts_with('/');
            const bool empty = tag.ends_with('/');
            if (closing) tag.remove_prefix(1);
            const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
            if (name != "array" && name != "dict") continue;
            if (closing)
                depth -= depth > 0;
            else
                deepest = std::max(deepest, empty ? depth + 1 : ++depth);
        }
    }
    return deepest;
}

// Whether XML 1.0 can carry the text: UTF-8 (no overlong forms, no surrogates) whose every
// character is #x9, #xA, #xD, #x20-#xD7FF, #xE000-#xFFFD or #x10000-#x10FFFF.
bool xmlCanCarry(std::string_view text) {
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC0 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF8 ? 4
                                                 : 0;
        if (length == 0 || text.size() - i < length) return false;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            c = c << 6 | (next & 0x3F);
        }
        const bool isChar = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                            (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
        if (c < kLeast[length] || !isChar) return false;
        i += length;
    }
    return true;
}

// The bytes libplist writes for a string: all of its length, NULs included, although
// PlistDictionary::string stops at the first NUL.
std::string_view writtenText(plist_t value) {
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(value, &length);
    return text ? std::string_view(text, static_cast<std::size_t>(length)) : std::string_view();
}

// The XML libplist writes for one value.
std::string xmlOf(plist_t node) {
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    std::string text = xml ? std::string(xml, length) : std::string();
    if (xml) plist_to_xml_free(xml);
    return text;
}

// libplist writes a date it cannot format (far outside the calendar's years) as an empty element,
// which reads back as 2001-01-01: such a date would be lost, not kept. A date is whole seconds in
// XML, so only what XML writes is compared.
bool xmlCanCarryDate(plist_t date) {
    const std::string written = xmlOf(date);
    if (written.empty() || written.find("<date/>") != std::string::npos) return false;
    plist_t back = nullptr;
    plist_from_xml(written.data(), static_cast<uint32_t>(written.size()), &back);
    if (!back) return false;
    const bool same = xmlOf(back) == written;
    plist_free(back);
    return same;
}

// The path of the first key, string or date below `node` that XML cannot carry. Recursion is
// bounded by the nesting that parsing lets through.
std::optional<std::string> firstUnwritable(plist_t node, const std::string& path) {
    const auto below = [&](const std::string& name) {
        return path.empty() ? name : path + "/" + name;
    };
    switch (plist_get_node_type(node)) {
        case PLIST_STRING:
            if (!xmlCanCarry(writtenText(node))) return path;
            break;
        case PLIST_DATE:
            if (!xmlCanCarryDate(node)) return path;
            break;
        case PLIST_ARRAY:
            for (uint32_t i = 0; i < plist_array_get_size(node); ++i)
                if (auto found =
                        firstUnwritable(plist_array_get_item(node, i), below(std::to_string(i))))
                    return found;
            break;
        case PLIST_DICT: {
            plist_dict_iter iterator = nullptr;
            plist_dict_new_iter(node, &iterator);
            const std::unique_ptr<void, FreeDeleter> ownedIterator(iterator);
            for (;;) {
                char* key = nullptr;
                plist_t value = nullptr;
                plist_dict_next_item(node, iterator, &key, &value);
                const std::unique_ptr<char, FreeDeleter> ownedKey(key);
                if (!value) break;
                const std::string name = key ? key : "";
                if (!xmlCanCarry(name)) return below(name);
                if (auto found = firstUnwritable(value, below(name))) return found;
            }
            break;
        }
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

struct PlistDictionary::Node {
    NodePtr dict;
};

PlistDictionary::PlistDictionary()
    : node_(std::make_unique<Node>(Node{NodePtr(plist_new_dict())})) {}
PlistDictionary::PlistDictionary(std::unique_ptr<Node> node) : node_(std::move(node)) {}
PlistDictionary::~PlistDictionary() = default;
PlistDictionary::PlistDictionary(const PlistDictionary& other)
    : node_(std::make_unique<Node>(Node{NodePtr(plist_copy(other.node_->dict.get()))})) {}
PlistDictionary& PlistDictionary::operator=(const PlistDictionary& other) {
    if (this != &other) node_->dict.reset(plist_copy(other.node_->dict.get()));
    return *this;
}
// A moved-from dictionary stays usable and empty.
PlistDictionary::PlistDictionary(PlistDictionary&& other) noexcept : PlistDictionary() {
    std::swap(node_, other.node_);
}
PlistDictionary& PlistDictionary::operator=(PlistDictionary&& other) noexcept {
    std::swap(node_, other.node_);
    return *this;
}

std::optional<PlistDictionary> PlistDictionary::parse(std::string_view bytes) {
    // libplist reads 8 bytes of header without checking the length, and its length is 32 bits.
    if (bytes.size() < 8 || bytes.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    plist_t root = nullptr;
    const auto length = static_cast<uint32_t>(bytes.size());
    const bool binary = plist_is_binary(bytes.data(), length);
    // Refused before libplist sees them, as the reader cannot be told to stop.
    const Binary check = binary ? checkBinary(bytes) : Binary::safe;
    if (check == Binary::unsafe || (!binary && xmlDepth(bytes) > kMaxDepth)) return std::nullopt;
    if (binary)
        plist_from_bin(bytes.data(), length, &root);
    else
        plist_from_xml(bytes.data(), length, &root);
    NodePtr owned(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT) return std::nullopt;
    PlistDictionary read(std::make_unique<Node>(Node{std::move(owned)}));
    // The binary reader keeps every copy of a repeated key, where CamTwist keeps the last one and
    // a save would write them all; reading our own XML merges them as the XML reader does.
    if (check == Binary::repeatedKeys) return parse(read.toXml());
    return read;
}

std::string PlistDictionary::toXml() const {
    XmlText xml;
    uint32_t length = 0;
    plist_to_xml(node_->dict.get(), &xml.text, &length);
    return xml.text ? std::string(xml.text, length) : std::string();
}

std::optional<std::string> PlistDictionary::unwritableText() const {
    return firstUnwritable(node_->dict.get(), "");
}

std::size_t PlistDictionary::size() const {
    return plist_dict_get_size(node_->dict.get());
}

bool PlistDictionary::contains(const std::string& key) const {
    return item(node_->dict.get(), key) != nullptr;
}

std::optional<std::string> PlistDictionary::string(const std::string& key) const {
    plist_t value = item(node_->dict.get(), key);
    if (!value || plist_get_node_type(value) != PLIST_STRING) return std::nullopt;
    // Not plist_get_string_val: it aborts on a string holding a NUL, which a file may carry. The
    // length libplist gives may then exceed its copy of the text, so stop at the first NUL.
    uint64_t length = 0;
    const char* text = plist_get_string_ptr(value, &length);
    if (!text) return std::nullopt;
    return std::string(text, ::strnlen(text, static_cast<std::size_t>(length)));
}

std::optional<std::string> PlistDictionary::numberText(const std::string& key) const {
    plist_t value = item(node_->dict.get(), key);
    if (!value) return std::nullopt;
    char buffer[64];
    std::to_chars_result written{};
    if (plist_get_node_type(value) == PLIST_UINT) {
        uint64_t number = 0;
        plist_get_uint_val(value, &number);
        // Binary lists store negative integers as their two's complement.
        written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int64_t>(number));
    } else if (plist_get_node_type(value) == PLIST_REAL) {
        double number = 0;
        plist_get_real_val(value, &number);
        written = std::to_chars(buffer, buffer + sizeof buffer, number);
    } else {
        return std::nullopt;
    }
    return std::string(buffer, written.ptr);
}

std::optional<bool> PlistDictionary::boolean(const std::string& key) const {
    plist_t value = item(node_->dict.get(), key);
    if (!value || plist_get_node_type(value) != PLIST_BOOLEAN) return std::nullopt;
    return plist_bool_val_is_true(value) != 0;
}

void PlistDictionary::setInteger(const std::string& key, int64_t value) {
    plist_dict_set_item(node_->dict.get(), key.c_str(),
                        plist_new_uint(static_cast<uint64_t>(value)));
}
void PlistDictionary::setString(const std::string& key, const std::string& value) {
    plist_dict_set_item(node_->dict.get(), key.c_str(), plist_new_string(value.c_str()));
}
void PlistDictionary::setBoolean(const std::string& key, bool value) {
    plist_dict_set_item(node_->dict.get(), key.c_str(), plist_new_bool(value ? 1 : 0));
}

void PlistDictionary::copyKeyFrom(const PlistDictionary& other, const std::string& key) {
    if (plist_t value = item(other.node_->dict.get(), key))
        plist_dict_set_item(node_->dict.get(), key.c_str(), plist_copy(value));
    else if (contains(key))  // libplist asserts that a key it removes is there
        plist_dict_remove_item(node_->dict.get(), key.c_str());
}

bool operator==(const PlistDictionary& a, const PlistDictionary& b) {
    return a.toXml() == b.toXml();
}

}  // namespace tolvane
