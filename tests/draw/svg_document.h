#pragma once

#include <libxml/tree.h>

#include <memory>
#include <string>
#include <string_view>

// Reading the SVG documents that the drawings make, with libxml2.

using SvgDocument = std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)>;

// The parsed document, or a null one when the bytes are not well-formed
// XML. Never reaches out to the network.
SvgDocument ParseSvg(const std::string& bytes);

// True for an element of this name.
bool IsElement(xmlNode* node, std::string_view name);

// The attribute's value, or "" when the element has none.
std::string AttributeOf(xmlNode* node, const char* name);

// All the text inside the node.
std::string TextOf(xmlNode* node);
