#include "WebItemIndex.h"

#include "WebItemWalk.h"
#include "xml/XmlPathDocument.h"

using namespace tinyxml2;

WebItemIndex::WebItemIndex(XmlPathDocument &document)
{
    for (XMLElement *item = WebItemWalk::first(document); item; item = WebItemWalk::next(item)) {
        const QByteArray id = item->Attribute("id");
        if (!m_items.contains(id))
            m_items.insert(id, item);
    }
}
