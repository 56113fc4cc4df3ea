#include "LanguageLineReader.h"

#include "LanguageStore.h"
#include "platform/ProfileFile.h"
#include "platform/TextCodec.h"

namespace {

// The last "=" of line, given its first. Values seldom hold a second one, so
// searching forward with memchr beats QByteArrayView::lastIndexOf, a plain
// loop back through the whole value: a twentieth of a language's loading.
qsizetype lastEqualsSign(QByteArrayView line, qsizetype first)
{
    for (qsizetype next = line.indexOf('=', first + 1); next >= 0;
         next = line.indexOf('=', first + 1))
        first = next;
    return first;
}

} // namespace

std::optional<QString> LineValue::take()
{
    if (m_line) {
        QString value = std::move(*m_line);
        value.remove(0, m_from);
        return std::move(value).trimmed();
    }
    const QByteArrayView bytes = m_bytes.sliced(m_from);
    if (m_utf8Mode)
        return decodeUtf8Strict(bytes);
    return decodeUtf8Trimmed(bytes);
}

LanguageLineReader::LanguageLineReader(const ProfileFile &file, bool utf8Mode)
    : m_file(file)
    , m_utf8Mode(utf8Mode)
{
}

void LanguageLineReader::read(const Visit &visit) const
{
    // As "=" is a single byte that no UTF-8 sequence holds, the lines of a
    // UTF-8 file are taken apart as bytes in both modes, and only the value,
    // and a key that is not ASCII, are decoded.
    if (m_utf8Mode || m_file.holdsUtf8())
        readUtf8(visit);
    else
        readWide(visit);
}

void LanguageLineReader::readUtf8(const Visit &visit) const
{
    m_file.visitSectionLinesNarrow(LanguageStore::TextSection.toUtf8(), [&](QByteArrayView line) {
        const qsizetype firstEquals = line.indexOf('=');
        if (firstEquals < 0)
            return;
        const qsizetype lastEquals = lastEqualsSign(line, firstEquals);
        const QByteArrayView keyBytes = line.first(lastEquals);
        LineKey key;
        QString keyText;
        // An ASCII key trimmed as bytes is trimmed as text.
        if (const QByteArrayView trimmed = keyBytes.trimmed();
            QtPrivate::isAscii(QLatin1StringView(trimmed))) {
            key.ascii = trimmed;
        } else if (std::optional<QString> text
                   = m_utf8Mode ? decodeUtf8Strict(keyBytes) : decodeUtf8(keyBytes)) {
            keyText = std::move(*text);
            key.text = QStringView(keyText).trimmed();
        } else {
            return; // not UTF-8 in UTF-8 mode
        }
        if (key.ascii.isEmpty() && key.text.isEmpty())
            return;
        LineValue value;
        value.m_bytes = line;
        value.m_from = (m_utf8Mode ? firstEquals : lastEquals) + 1;
        value.m_utf8Mode = m_utf8Mode;
        visit(key, value);
    });
}

// A UTF-16 file in wide mode: its lines are read as text.
void LanguageLineReader::readWide(const Visit &visit) const
{
    m_file.visitSectionLines(LanguageStore::TextSection, [&](QString &&line) {
        const qsizetype lastEquals = line.lastIndexOf(u'=');
        if (lastEquals < 0)
            return;
        LineKey key;
        key.text = QStringView(line).first(lastEquals).trimmed();
        if (key.text.isEmpty())
            return;
        LineValue value;
        value.m_line = &line;
        value.m_from = lastEquals + 1;
        visit(key, value);
    });
}
