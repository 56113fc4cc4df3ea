#pragma once

#include <QByteArray>
#include <QHash>

namespace tinyxml2 {
class XMLElement;
}
class XmlPathDocument;

// The items of one loaded web file by id; of two items with one id the first
// in document order is the one found. Built once per file, so that reading or
// writing every item of a file stays linear in its size.
class WebItemIndex
{
public:
    WebItemIndex() = default;
    explicit WebItemIndex(XmlPathDocument &document);

    tinyxml2::XMLElement *find(const QByteArray &id) const { return m_items.value(id); }

    // Records an item appended to the document for an id the index lacks.
    void add(const QByteArray &id, tinyxml2::XMLElement *item) { m_items.insert(id, item); }

private:
    QHash<QByteArray, tinyxml2::XMLElement *> m_items;
};
