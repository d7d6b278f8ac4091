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
    ProfileFailure(std::string name, std::string reason)
        : std::runtime_error(name.empty() ? "profile write failed" : name),
          name_(std::move(name)),
          reason_(std::move(reason)) {}
    // The query error's description and domain; both empty when the query matched no element or
    // several.
    const std::string& name() const { return name_; }
    const std::string& reason() const { return reason_; }

  private:
    std::string name_;
    std::string reason_;
};

// A node of a profile document; empty when it names none.
class XmlNode {
  public:
    XmlNode() = default;
    explicit XmlNode(pugi::xml_node_struct* node) : node_(node) {}
    pugi::xml_node_struct* get() const { return node_; }
    explicit operator bool() const { return node_ != nullptr; }

  private:
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

    struct Impl;
    Impl& impl() const { return *impl_; }

  private:
    explicit ProfileDocument(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace tolvane
