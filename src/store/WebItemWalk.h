#pragma once

namespace tinyxml2 {
class XMLElement;
}
class XmlPathDocument;

// The items of a web file: the element at "languageInfo/items/item" and every
// later sibling element, whatever its name, that has an "id" attribute.
// Elements without one are passed over without ending the walk.
namespace WebItemWalk {

// The first item of the document, or nullptr.
tinyxml2::XMLElement *first(XmlPathDocument &document);

// The item after item in document order, or nullptr.
tinyxml2::XMLElement *next(tinyxml2::XMLElement *item);

} // namespace WebItemWalk
