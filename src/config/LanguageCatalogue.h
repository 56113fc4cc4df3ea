#pragma once

#include <QList>
#include <QString>

// Every language Lexivo can handle: its display name (the base name of its
// INI file), its code (its key in LanguageIndex.ini) and its key name (its
// folder under Web/LanguageInfo). Filled once at start, fixed afterwards; a
// language is identified everywhere by its row index.
//
// Look-ups compare exactly (case-sensitive), the first matching row wins, and
// a failed search or a row index out of range gives an empty string.
class LanguageCatalogue
{
public:
    static constexpr int Capacity = 130;

    struct Row
    {
        QString displayName;
        QString code;
        QString keyName;
    };

    LanguageCatalogue() = default;

    // The 112 languages built into the program.
    static LanguageCatalogue builtIn();

    // The languages of a supported-languages file: the element at
    // "LanguageInfo/item" and every later sibling element, "id" giving the
    // code and "filePath" the display name; key names stay empty. A missing
    // or malformed file gives an empty catalogue. Rows beyond Capacity are
    // ignored, and so are rows whose display name could name a file outside
    // the language folder (a path separator, "." or "..").
    static LanguageCatalogue fromSupportFile(const QString &path);

    int count() const { return int(m_rows.size()); }

    QString NameAt(int row) const;
    QString CodeAt(int row) const;
    QString KeyAt(int row) const;
    QString NameByCode(const QString &code) const;
    QString KeyByCode(const QString &code) const;
    QString CodeByName(const QString &displayName) const;
    QString CodeByKey(const QString &keyName) const;

    // The row of the first language with that code, or -1.
    int rowOfCode(const QString &code) const;

    // True when name can serve as a file or folder name inside one folder.
    static bool isSafeFileName(const QString &name);

private:
    explicit LanguageCatalogue(QList<Row> rows);

    const Row *rowAt(int row) const;
    const Row *findRow(QString Row::*field, const QString &value) const;

    QList<Row> m_rows;
};
