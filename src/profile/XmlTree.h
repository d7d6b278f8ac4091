#pragma once

// Inside the profile store only: the XML library behind ProfileDocument and XmlNode.

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "profile/ProfileDocument.h"

namespace tolvane {

class XmlAccess {
  public:
    static pugi::xml_node node(const XmlNode& n) { return pugi::xml_node(n.node_); }
    static XmlNode wrap(pugi::xml_node n) { return XmlNode(n.internal_object()); }
};

inline pugi::xml_node node(const XmlNode& n) {
    return XmlAccess::node(n);
}
inline XmlNode wrap(pugi::xml_node n) {
    return XmlAccess::wrap(n);
}

namespace profile {

struct QueryResult {
    bool failed = false;  // the path is no location path of child steps
    std::vector<pugi::xml_node> nodes;
};

// Every element an absolute path of child steps matches from the context's document.
QueryResult query(const std::string& path, pugi::xml_node context);

// Inserts an element at a position among the parent's child nodes; none when the position lies
// beyond them.
pugi::xml_node insertElement(pugi::xml_node parent, const char* name, std::size_t position);

// All the text under a node in document order, references resolved: the value of an element.
std::string textOf(pugi::xml_node node);
// Makes a text the element's only content, spelt with references where XML needs them.
void setText(pugi::xml_node element, std::string_view text);

// An attribute's value with its references resolved; setting one adds the attribute where the
// element lacks it, spelt for the single quotes the document is written with.
std::string attributeText(pugi::xml_attribute attribute);
void setAttributeText(pugi::xml_node element, const char* name, std::string_view text);

}  // namespace profile
}  // namespace tolvane
