#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pugi {
struct xml_node_struct;
}

namespace tolvane {

// A failed change of a profile document. A write whose path matches no element or several, and an
// insertion beyond a parent's children, raise it; rebuilding a profile catches it.
class ProfileFailure : public std::runtime_error {
  public:
    ProfileFailure(std::string name, std::string reason, std::string path = {},
                   std::size_t matches = 0)
        : std::runtime_error(name.empty() ? "profile write failed" : name),
          name_(std::move(name)),
          reason_(std::move(reason)),
          path_(std::move(path)),
          matches_(matches) {}
    // The query error's description and domain; both empty when the query matched no element or
    // several.
    const std::string& name() const { return name_; }
    const std::string& reason() const { return reason_; }
    // The path of the write that failed, empty for an insertion, and how many elements it matched.
    const std::string& path() const { return path_; }
    std::size_t matches() const { return matches_; }

  private:
    std::string name_;
    std::string reason_;
    std::string path_;
    std::size_t matches_ = 0;
};

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

// The parsed tree of one FMLE profile, with the byte habits of the file it came from (encoding,
// byte-order mark, line ends) so that saving writes it back the same way.
class ProfileDocument {
  public:
    ~ProfileDocument();
    ProfileDocument(const ProfileDocument&) = delete;
    ProfileDocument& operator=(const ProfileDocument&) = delete;

    // The document, or nothing when the bytes are not well-formed XML with a root element.
    static std::unique_ptr<ProfileDocument> parse(std::string_view bytes);

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
// given. Throws ProfileFailure when the path matches none or several, changing nothing.
void setValue(const std::optional<std::string>& value, const std::string& path,
              const XmlNode& context);

}  // namespace profile
}  // namespace tolvane
