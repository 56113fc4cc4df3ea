#pragma once

#include "ByteArena.h"
#include "ProfileCodec.h"
#include "ProfileSyntax.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <vector>

// The lines of one INI file in its own encoding, edited in place. Every line
// keeps its bytes and its line end, so only the lines a change touches differ
// when the document is written out. Names, keys and values are taken as raw
// bytes in the document's encoding.
//
// After each change the document is in the state reading contents() back
// would give, so a run of changes yields exactly the bytes of the same changes
// each applied to the file read anew.
class ProfileDocument
{
public:
    // An empty UTF-8 file without byte-order mark.
    ProfileDocument();
    explicit ProfileDocument(QByteArray file);
    // Lines and indexes are views of the document's own bytes.
    ProfileDocument(const ProfileDocument &) = delete;
    ProfileDocument &operator=(const ProfileDocument &) = delete;
    ProfileDocument(ProfileDocument &&) = default;
    ProfileDocument &operator=(ProfileDocument &&) = default;

    const ProfileCodec &codec() const { return m_codec; }

    // The entry lines of the first section called name, in file order; views
    // valid until the next change.
    QList<QByteArrayView> entries(QByteArrayView section) const;

    // The same lines of a file that is only read, found in one pass over its
    // bytes without building a document; views into file.
    static void visitEntries(QByteArrayView file, const ProfileCodec &codec, QByteArrayView section,
                             const std::function<void(QByteArrayView)> &visit);

    // Replaces the first line of section whose key matches, or inserts
    // key=value after the section's last entry, or appends the section.
    void setValue(QByteArrayView section, QByteArrayView key, QByteArrayView value);
    // Removes the first line of section whose key matches; false when none does.
    bool removeKey(QByteArrayView section, QByteArrayView key);

    QByteArray contents() const;

private:
    struct Section
    {
        QList<ProfileLine> lines; // the header first, except in m_sections[0]
        qsizetype lastEntry = 0; // the last entry line, or the header
        QHash<QByteArrayView, qsizetype> keys; // match key -> first entry line
        bool keysValid = false; // keys is rebuilt when next needed
    };

    qsizetype findSection(QByteArrayView name) const;
    qsizetype findKey(Section &section, QByteArrayView keyMatch);
    void addSection(const ProfileLine &header);
    void appendSection(QByteArrayView name, QByteArrayView key, QByteArrayView value);
    void insertEntry(Section &section, QByteArrayView key, QByteArrayView value);
    // The match key of text, a view of the document's bytes, as a view that
    // is valid as long as the document.
    QByteArrayView keptMatchKey(QByteArrayView text);
    ProfileLine newLine(std::initializer_list<QByteArrayView> parts);
    void endLine(ProfileLine &line) const;
    void reparse();

    QByteArray m_source; // the bytes read; unchanged lines point into them
    ByteArena m_written; // the lines written since, and match keys unlike their text
    ProfileCodec m_codec;
    QByteArray m_equals, m_open, m_close; // "=", "[", "]" in the encoding
    LineEnd m_newLine = LineEnd::Lf; // the file's first line end
    std::vector<Section> m_sections; // [0]: the lines before any header
    QHash<QByteArrayView, qsizetype> m_sectionIndex; // match key -> first section
    mutable QByteArray m_lastSectionName; // the last name found, and where
    mutable qsizetype m_lastSection = -1;
    QByteArrayView m_trailer; // a UTF-16 file's odd last byte
};
