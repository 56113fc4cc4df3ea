#include "WebItemWalk.h"

#include "xml/XmlPathDocument.h"

using namespace tinyxml2;

namespace WebItemWalk {

namespace {

XMLElement *itemFrom(XMLElement *element)
{
    while (element && !element->Attribute("id"))
        element = element->NextSiblingElement();
    return element;
}

} // namespace

XMLElement *first(XmlPathDocument &document)
{
    return itemFrom(document.FindElement("languageInfo/items/item"));
}

XMLElement *next(XMLElement *item)
{
    return itemFrom(item->NextSiblingElement());
}

} // namespace WebItemWalk
