#include "camtwist/Plist.h"

#include <plist/plist.h>

#include <charconv>
#include <cstring>
#include <limits>

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

plist_t item(plist_t dict, const std::string& key) {
    return plist_dict_get_item(dict, key.c_str());
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
    if (binary)
        plist_from_bin(bytes.data(), length, &root);
    else
        plist_from_xml(bytes.data(), length, &root);
    NodePtr owned(root);
    if (!root || plist_get_node_type(root) != PLIST_DICT) return std::nullopt;
    PlistDictionary read(std::make_unique<Node>(Node{std::move(owned)}));
    // The binary reader keeps every copy of a repeated key, where CamTwist keeps the last one and
    // a save would write them all; reading our own XML merges them as the XML reader does.
    if (binary) return parse(read.toXml());
    return read;
}

std::string PlistDictionary::toXml() const {
    XmlText xml;
    uint32_t length = 0;
    plist_to_xml(node_->dict.get(), &xml.text, &length);
    return xml.text ? std::string(xml.text, length) : std::string();
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

bool operator==(const PlistDictionary& a, const PlistDictionary& b) {
    return a.toXml() == b.toXml();
}

}  // namespace tolvane
