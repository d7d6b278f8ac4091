#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tl/expected.hpp>

namespace pugi {
struct xml_node_struct;
}

namespace tolvane {

// A node of a profile document, or none. A handle: it does not own the node.
class XmlNode {
  public:
    XmlNode() = default;
    explicit operator bool() const { return node_ != nullptr; }

  private:
    friend class XmlAccess;
    explicit XmlNode(pugi::xml_node_struct* node) : node_(node) {}
    pugi::xml_node_struct* node_ = nullptr;
};

// Why bytes are no profile document.
enum class ParseFailure : std::uint8_t {
    notText,       // UTF-16 of odd length or with a broken surrogate pair
    notXml,        // no well-formed XML with a root element
    nestedTooDeep  // nested far deeper than any profile (a thousand levels)
};

// The parsed tree of one FMLE profile, with the byte habits of the file it came from (encoding,
// byte-order mark, line ends) so that saving writes it back the same way. Text and attribute
// values are kept as the file spells them, character and entity references included, so that a
// reference to an entity the document type declares (or does not) is written back as it was; the
// values read and written through this store are unescaped and escaped on the way.
class ProfileDocument {
  public:
    ~ProfileDocument();
    ProfileDocument(ProfileDocument&&) noexcept;
    ProfileDocument& operator=(ProfileDocument&&) noexcept;

    static tl::expected<ProfileDocument, ParseFailure> parse(std::string_view bytes);

    XmlNode rootElement() const;
    // Pretty-printed, 4 spaces a level, empty elements as start and end tag, attributes in single
    // quotes, in the encoding, byte-order mark and line ends of the parsed file.
    std::string serialize() const;

  private:
    struct Impl;
    explicit ProfileDocument(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

namespace profile {

// The text of the one element an absolute path of child steps ("/a/b/c") matches from the
// context's document: all its descendant text. Nothing when the path matches none or several.
std::optional<std::string> valueForXPath(const std::string& path, const XmlNode& context);

// Replaces the text of the one element the path matches, or removes the element when no value is
// given. Returns how many elements the path matched: anything but 1 changed nothing (a path that
// is no location path of child steps matches none).
std::size_t setValue(const std::optional<std::string>& value, const std::string& path,
                     const XmlNode& context);

}  // namespace profile
}  // namespace tolvane
