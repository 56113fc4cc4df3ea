#include "ProfileDocument.h"

#include <algorithm>
#include <utility>

using namespace ProfileSyntax;

namespace {

// A written key line that holds a line break or reads back as a header
// changes which lines and sections the file has.
bool changesStructure(const ProfileCodec &codec, const ProfileLine &entry)
{
    return entry.kind == LineKind::Header || hasLineBreak(codec, entry.text);
}

// A line ending in CR before an empty line ending in LF: together they read
// back as one CR LF, so a change that makes them neighbours changes which
// lines the file has.
bool joinLineEnds(const ProfileLine &line, const ProfileLine &next)
{
    return line.end == LineEnd::Cr && next.text.isEmpty() && next.end == LineEnd::Lf;
}

// The first of several equal names wins.
void insertFirst(QHash<QByteArrayView, qsizetype> &index, QByteArrayView name, qsizetype position)
{
    if (!index.contains(name))
        index.insert(name, position);
}

} // namespace

ProfileDocument::ProfileDocument()
    : ProfileDocument(QByteArray())
{
}

ProfileDocument::ProfileDocument(QByteArray file)
    : m_source(std::move(file))
    , m_codec(ProfileCodec::detect(m_source))
    , m_equals(m_codec.fromWide(u"="))
    , m_open(m_codec.fromWide(u"["))
    , m_close(m_codec.fromWide(u"]"))
{
    const QByteArrayView body = QByteArrayView(m_source).sliced(m_codec.mark().size());
    const QByteArrayView text = m_codec.units(body, 0, m_codec.unitCount(body));
    m_trailer = body.sliced(text.size());

    m_sections.emplace_back();
    bool firstLine = true;
    splitLines(m_codec, text, [&](const ProfileLine &line) {
        if (std::exchange(firstLine, false) && line.end != LineEnd::None)
            m_newLine = line.end;
        if (line.kind == LineKind::Header)
            return addSection(line);
        Section &section = m_sections.back();
        section.lines.append(line);
        if (line.kind == LineKind::Entry)
            section.lastEntry = section.lines.size() - 1;
    });
}

void ProfileDocument::visitEntries(QByteArrayView file, const ProfileCodec &codec,
                                   QByteArrayView section,
                                   const std::function<void(QByteArrayView)> &visit)
{
    const QByteArrayView body = file.sliced(codec.mark().size());
    const QByteArrayView text = codec.units(body, 0, codec.unitCount(body));
    QByteArray wantedStorage;
    QByteArray nameStorage;
    const QByteArrayView wanted = codec.matchKey(trimmed(codec, section), wantedStorage);
    enum class Place { Before, Inside, After } place = Place::Before;
    splitLines(codec, text, [&](const ProfileLine &line) {
        if (place == Place::After)
            return;
        if (line.kind == LineKind::Header) {
            // Lines before the first header belong to no section; of two
            // sections with one name the first is read.
            if (place == Place::Inside)
                place = Place::After;
            else if (codec.matchKey(sectionName(codec, line.text), nameStorage) == wanted)
                place = Place::Inside;
        } else if (place == Place::Inside && line.kind == LineKind::Entry) {
            visit(line.text);
        }
    });
}

QList<QByteArrayView> ProfileDocument::entries(QByteArrayView section) const
{
    const qsizetype index = findSection(trimmed(m_codec, section));
    if (index < 0)
        return {};
    const QList<ProfileLine> &lines = m_sections[index].lines;
    QList<QByteArrayView> result;
    result.reserve(lines.size());
    for (const ProfileLine &line : lines) {
        if (line.kind == LineKind::Entry)
            result.append(line.text);
    }
    return result;
}

void ProfileDocument::setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value)
{
    const QByteArrayView name = trimmed(m_codec, section);
    const QByteArrayView keyName = trimmed(m_codec, key);
    const qsizetype index = findSection(name);
    if (index < 0)
        return appendSection(name, keyName, value);
    Section &target = m_sections[index];
    QByteArray storage;
    const qsizetype found = findKey(target, m_codec.matchKey(keyName, storage));
    if (found < 0)
        return insertEntry(target, keyName, value);

    ProfileLine &line = target.lines[found];
    line.text = newLine({ entryKey(m_codec, line.text), m_equals, value }).text;
    if (hasLineBreak(m_codec, line.text))
        reparse();
}

bool ProfileDocument::removeKey(QByteArrayView section, QByteArrayView key)
{
    const qsizetype index = findSection(trimmed(m_codec, section));
    if (index < 0)
        return false;
    Section &target = m_sections[index];
    QByteArray storage;
    const qsizetype found = findKey(target, m_codec.matchKey(trimmed(m_codec, key), storage));
    if (found < 0)
        return false;

    target.lines.remove(found);
    if (found < target.lines.size() && joinLineEnds(target.lines[found - 1], target.lines[found])) {
        reparse();
        return true;
    }
    target.keysValid = false;
    if (found < target.lastEntry) {
        --target.lastEntry;
        return true;
    }
    target.lastEntry = found - 1;
    while (target.lastEntry > 0 && target.lines[target.lastEntry].kind != LineKind::Entry)
        --target.lastEntry;
    return true;
}

QByteArray ProfileDocument::contents() const
{
    qsizetype size = m_codec.mark().size() + m_trailer.size();
    for (const Section &section : m_sections) {
        for (const ProfileLine &line : section.lines)
            size += line.text.size() + m_codec.lineEndBytes(line.end).size();
    }
    QByteArray bytes;
    bytes.reserve(size);
    bytes.append(m_codec.mark());
    for (const Section &section : m_sections) {
        for (const ProfileLine &line : section.lines)
            bytes.append(line.text).append(m_codec.lineEndBytes(line.end));
    }
    bytes.append(m_trailer);
    return bytes;
}

qsizetype ProfileDocument::findSection(QByteArrayView name) const
{
    // A run of writes nearly always goes to one section.
    if (m_lastSection < 0 || name != m_lastSectionName) {
        m_lastSectionName = name.toByteArray();
        QByteArray storage;
        m_lastSection = m_sectionIndex.value(m_codec.matchKey(name, storage), -1);
    }
    return m_lastSection;
}

qsizetype ProfileDocument::findKey(Section &section, QByteArrayView keyMatch)
{
    if (!section.keysValid) {
        section.keys.clear();
        for (qsizetype index = 1; index < section.lines.size(); ++index) {
            const ProfileLine &line = section.lines[index];
            if (line.kind == LineKind::Entry)
                insertFirst(section.keys, keptMatchKey(entryKey(m_codec, line.text)), index);
        }
        section.keysValid = true;
    }
    return section.keys.value(keyMatch, -1);
}

void ProfileDocument::addSection(const ProfileLine &header)
{
    insertFirst(m_sectionIndex, keptMatchKey(sectionName(m_codec, header.text)),
                qsizetype(m_sections.size()));
    m_sections.emplace_back().lines.append(header);
}

void ProfileDocument::appendSection(QByteArrayView name, QByteArrayView key, QByteArrayView value)
{
    QList<ProfileLine> &lastLines = m_sections.back().lines;
    if (!lastLines.isEmpty())
        endLine(lastLines.last());

    const ProfileLine header = newLine({ m_open, name, m_close });
    const ProfileLine entry = newLine({ key, m_equals, value });
    addSection(header);
    Section &section = m_sections.back();
    section.lines.append(entry);
    if (entry.kind == LineKind::Entry)
        section.lastEntry = 1;
    if (hasLineBreak(m_codec, header.text) || changesStructure(m_codec, entry))
        reparse();
}

void ProfileDocument::insertEntry(Section &section, QByteArrayView key, QByteArrayView value)
{
    endLine(section.lines[section.lastEntry]);
    const ProfileLine entry = newLine({ key, m_equals, value });
    const qsizetype at = section.lastEntry + 1;
    section.lines.insert(at, entry);
    if (changesStructure(m_codec, entry)
        || (at + 1 < section.lines.size() && joinLineEnds(entry, section.lines[at + 1])))
        return reparse();
    if (entry.kind != LineKind::Entry)
        return; // a key starting with ";" reads back as a comment
    section.lastEntry = at;
    if (!section.keysValid)
        return;
    // The line's key is the one that was not found, unless that held "=".
    insertFirst(section.keys, keptMatchKey(entryKey(m_codec, entry.text)), at);
}

QByteArrayView ProfileDocument::keptMatchKey(QByteArrayView text)
{
    QByteArray storage;
    const QByteArrayView key = m_codec.matchKey(text, storage);
    return key.data() == text.data() ? key : m_written.keep({ key });
}

ProfileLine ProfileDocument::newLine(std::initializer_list<QByteArrayView> parts)
{
    const QByteArrayView text = m_written.keep(parts);
    return { text, m_newLine, classify(m_codec, text) };
}

void ProfileDocument::endLine(ProfileLine &line) const
{
    if (line.end == LineEnd::None)
        line.end = m_newLine;
}

void ProfileDocument::reparse()
{
    *this = ProfileDocument(contents());
}
