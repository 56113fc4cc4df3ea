#include "LanguageCatalogue.h"

#include "platform/TextCodec.h"
#include "xml/XmlPathDocument.h"

#include <tuple>
#include <utility>

namespace {

QString decodeAttribute(const tinyxml2::XMLElement *element, const char *name)
{
    return decodeUtf8OrEmpty(XmlPathDocument::AttributeText(element, name));
}

} // namespace

LanguageCatalogue::LanguageCatalogue(QList<Row> rows)
    : m_rows(std::move(rows))
{
}

LanguageCatalogue LanguageCatalogue::fromSupportFile(const QString &path)
{
    XmlPathDocument document;
    // A missing or malformed file gives an empty catalogue, unreported.
    std::ignore = document.Load(path.toStdString());

    QList<Row> rows;
    for (const tinyxml2::XMLElement *item = document.FindElement("LanguageInfo/item");
         item && rows.size() < Capacity; item = item->NextSiblingElement()) {
        Row row;
        row.code = decodeAttribute(item, "id");
        row.displayName = decodeAttribute(item, "filePath");
        if (isSafeFileName(row.displayName))
            rows.append(std::move(row));
    }
    return LanguageCatalogue(std::move(rows));
}

bool LanguageCatalogue::isSafeFileName(const QString &name)
{
    return name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\')
        && !name.contains(QChar::Null);
}

const LanguageCatalogue::Row *LanguageCatalogue::rowAt(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

const LanguageCatalogue::Row *LanguageCatalogue::findRow(QString Row::*field,
                                                         const QString &value) const
{
    for (const Row &row : m_rows) {
        if (row.*field == value)
            return &row;
    }
    return nullptr;
}

int LanguageCatalogue::rowOfCode(const QString &code) const
{
    const Row *row = findRow(&Row::code, code);
    return row ? int(row - m_rows.constData()) : -1;
}

QString LanguageCatalogue::NameAt(int row) const
{
    const Row *found = rowAt(row);
    return found ? found->displayName : QString();
}

QString LanguageCatalogue::CodeAt(int row) const
{
    const Row *found = rowAt(row);
    return found ? found->code : QString();
}

QString LanguageCatalogue::KeyAt(int row) const
{
    const Row *found = rowAt(row);
    return found ? found->keyName : QString();
}

QString LanguageCatalogue::NameByCode(const QString &code) const
{
    const Row *found = findRow(&Row::code, code);
    return found ? found->displayName : QString();
}

QString LanguageCatalogue::KeyByCode(const QString &code) const
{
    const Row *found = findRow(&Row::code, code);
    return found ? found->keyName : QString();
}

QString LanguageCatalogue::CodeByName(const QString &displayName) const
{
    const Row *found = findRow(&Row::displayName, displayName);
    return found ? found->code : QString();
}

QString LanguageCatalogue::CodeByKey(const QString &keyName) const
{
    const Row *found = findRow(&Row::keyName, keyName);
    return found ? found->code : QString();
}
