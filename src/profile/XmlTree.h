#pragma once

// Inside the profile store only: the XML library behind ProfileDocument and XmlNode.

#include <pugixml.hpp>

#include "profile/ProfileDocument.h"

namespace tolvane {

enum class TextEncoding { utf8, utf16le, utf16be };

struct ProfileDocument::Impl {
    pugi::xml_document xml;
    TextEncoding encoding = TextEncoding::utf8;
    bool byteOrderMark = false;
    bool crlf = false;
};

inline pugi::xml_node node(const XmlNode& n) {
    return pugi::xml_node(n.get());
}
inline XmlNode wrap(pugi::xml_node n) {
    return XmlNode(n.internal_object());
}

}  // namespace tolvane
