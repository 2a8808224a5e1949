#include "tests/draw/svg_document.h"

#include <libxml/parser.h>

SvgDocument ParseSvg(const std::string& bytes) {
  return SvgDocument(
      xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "drawing.svg", nullptr,
                    XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING),
      xmlFreeDoc);
}

bool IsElement(xmlNode* node, std::string_view name) {
  return node != nullptr && node->type == XML_ELEMENT_NODE &&
         name == reinterpret_cast<const char*>(node->name);
}

std::string AttributeOf(xmlNode* node, const char* name) {
  xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
  if (value == nullptr) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}

std::string TextOf(xmlNode* node) {
  xmlChar* value = xmlNodeGetContent(node);
  if (value == nullptr) return {};
  std::string text(reinterpret_cast<const char*>(value));
  xmlFree(value);
  return text;
}
