#pragma once
// How a profile's XML is parsed and written, shared with the benchmark's floor so that both sides
// do the same work.
#include <pugixml.hpp>

namespace tolvane::profile {

// Values stay as the file spells them (no parse_escapes, format_no_escapes): a reference to an
// entity that only the document type declares would otherwise be written back as "&amp;name;".
constexpr unsigned kParseOptions = (pugi::parse_default & ~pugi::parse_escapes) |
                                   pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi |
                                   pugi::parse_doctype;
constexpr unsigned kSaveOptions = pugi::format_indent | pugi::format_no_empty_element_tags |
                                  pugi::format_attribute_single_quote |
                                  pugi::format_no_declaration | pugi::format_no_escapes;

}  // namespace tolvane::profile
